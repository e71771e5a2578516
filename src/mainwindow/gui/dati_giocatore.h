#pragma once
// The player's options on disk: tramerio.ini's keys and Quadrivo.conf. A write that fails is said
// once, kept in memory and tried again at the next change and at the end.
#include <QObject>
#include <QVariant>

namespace quadrivo {

struct Stato;

class DatiGiocatore : public QObject {
    Q_OBJECT
public:
    explicit DatiGiocatore(Stato& stato, QObject* genitore = nullptr) : QObject(genitore), stato_(stato) {}

    // Writes what waits: tramerio.ini once its keys changed, Quadrivo.conf always.
    void salva();
    // One of the player's own options, kept for the next start.
    void salvaOpzione(const char* chiave, const QVariant& valore);
    // One of tramerio.ini's keys changed in memory.
    void impostazioniCambiate();
    // A failing write was said and waits to be tried again.
    bool inAttesa() const { return detto_; }

signals:
    // A line for the status bar.
    void avviso(const QString& testo);

private:
    Stato& stato_;
    bool impostazioniSospese_ = false;  // tramerio.ini still to be written
    bool detto_ = false;
};

}  // namespace quadrivo
