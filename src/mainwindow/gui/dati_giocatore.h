#pragma once
// The player's settings as the window follows them: the model's Impostazioni with its change and
// its messages as signals.
#include <QObject>
#include <QVariant>

#include "model/impostazioni.h"

namespace quadrivo {

class DatiGiocatore : public QObject {
    Q_OBJECT
public:
    explicit DatiGiocatore(Stato& stato, QObject* genitore = nullptr);

    Impostazioni& impostazioni() { return impostazioni_; }
    // Writes what waits: tramerio.ini once its keys changed, Quadrivo.conf always.
    void salva() { impostazioni_.salva(); }
    // One of the player's own options, kept for the next start.
    void salvaOpzione(const char* chiave, const QVariant& valore) { impostazioni_.salvaOpzione(chiave, valore); }
    // One of tramerio.ini's keys changed in memory.
    void impostazioniCambiate() { impostazioni_.cambiate(); }
    // A failing write was said and waits to be tried again.
    bool inAttesa() const { return impostazioni_.inAttesa(); }

signals:
    // tramerio.ini's values changed: what is drawn with them follows.
    void cambiate();
    // A line for the status bar.
    void avviso(const QString& testo);

private:
    Impostazioni impostazioni_;
};

}  // namespace quadrivo
