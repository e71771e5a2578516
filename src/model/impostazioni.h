#pragma once
// The settings file tramerio.ini in the program folder, shared with the sibling editor.
#include <QObject>
#include <QSettings>
#include <QVariant>
#include <map>
#include <memory>
#include <string>

#include "model/cartelle.h"
#include "model/valori_impostazioni.h"

namespace quadrivo {

inline constexpr const char* nomeFileImpostazioni = "tramerio.ini";

// The file the program ships, byte for byte: its values stand in when no file gives any.
inline constexpr const char* testoImpostazioniPredefinite =
    "RettangoloParola=-1 \r\nTastoSin= 0 \r\nStampaSoluzioni= 0 \r\nPercentualeRiquadro= 90 \r\n"
    "SpessoreBordo= 2 \r\nAltezzaCaratteri= 55 \r\nAltezzaNumeri= 18 \r\nDistanzaDaSpigolo= 2 \r\n"
    "DistanzaDaCentro= 5 \r\n";

// The shipped proportions that give a size, drawn in place of a value that gives none.
inline constexpr int riquadroPredefinito = 90;
inline constexpr int caratteriPredefiniti = 55;
inline constexpr int numeriPredefiniti = 18;

// Reads the settings from the file's text; lines and values that cannot be used are skipped.
// Returns how many setting lines were found.
int applicaImpostazioni(ValoriImpostazioni& valori, const std::string& testo);
// Reads the player's copy cartelle.utente + "tramerio.ini" when there is one, otherwise
// tramerio.ini in cartelle.programma whatever its letter case. A file that gives no setting
// (missing, unreadable, not a regular file, garbage) is passed over; when none gives any, the
// shipped values are taken. Returns "" or the message naming the file that was passed over.
std::string leggiImpostazioni(ValoriImpostazioni& valori, const Cartelle& cartelle);

// The proportions as drawn: a value that gives no size (0 or less, from a hand-edited file)
// is drawn with the shipped one, and kept as it was read for the next write.
int riquadroDisegno(const ValoriImpostazioni& valori);
int caratteriDisegno(const ValoriImpostazioni& valori);
int numeriDisegno(const ValoriImpostazioni& valori);

// The nine lines the writer produces.
std::string testoImpostazioni(const ValoriImpostazioni& valori);
// Rewrites the player's copy when there is one, otherwise cartelle.programma + "tramerio.ini";
// when the program folder cannot be written the player's copy is created instead (an installed
// program's folder belongs to the system). False when neither can be written; the file keeps its
// old bytes.
bool scriviImpostazioni(const ValoriImpostazioni& valori, const Cartelle& cartelle);

// The player's settings: the values (tramerio.ini's and the fonts), held here and changed only
// through here, and the options in Quadrivo.conf; the one way to either file. A write that fails is said once; the values
// stay in memory and are written again at the next change and at the end; once a write goes
// through, it is said so, and the next failure is said again.
class Impostazioni : public QObject {
    Q_OBJECT
public:
    // `cartelle`: where tramerio.ini is read and written.
    explicit Impostazioni(Cartelle cartelle, QObject* genitore = nullptr);

    const ValoriImpostazioni& valori() const { return valori_; }
    // Fills the values from tramerio.ini as leggiImpostazioni does, without writing anything;
    // `cambiate` when they differ. Returns leggiImpostazioni's message.
    std::string leggi();
    // The values become `nuovi`: `cambiate` once when anything differs, then tramerio.ini is
    // written when one of its nine values did (the fonts stay out of it).
    void cambia(const ValoriImpostazioni& nuovi);

    // One of the player's own options (Quadrivo.conf), or `predefinito` when it has none. Anything
    // but a regular file at that name (a FIFO would hold the start for ever) is neither read nor
    // replaced: the defaults stand.
    QVariant opzione(const char* chiave, const QVariant& predefinito = {}) const;
    // Kept for the next start: written at once, or held in memory (and read back from there)
    // until a later write lands it.
    void salvaOpzione(const char* chiave, const QVariant& valore);
    // Held in memory (read back from there) for the next write: several options go in one write.
    void preparaOpzione(const char* chiave, const QVariant& valore);
    void cancellaOpzione(const char* chiave);

    // Writes what waits; true when nothing waits any more.
    bool salva();
    // A failed write was said and waits to be tried again.
    bool inAttesa() const { return detto_; }

signals:
    // The values changed: what is drawn or played with them follows.
    void cambiate();
    // The line for the player: the failure, and the write that went through after it.
    void avviso(const QString& testo);

private:
    bool scriviOpzioni();
    // Quadrivo.conf as read in this turn of the event loop; null when it cannot be read.
    QSettings* lettura() const;
    void dimenticaLettura() const;

    const Cartelle cartelle_;
    ValoriImpostazioni valori_;
    bool fileSospeso_ = false;  // tramerio.ini still to be written
    bool detto_ = false;
    std::map<std::string, QVariant> opzioniSospese_;  // options still to be written
    mutable std::unique_ptr<QSettings> lettura_;
    mutable bool letto_ = false;
};

}  // namespace quadrivo
