#include "mainwindow/gui/dati_giocatore.h"

#include <string>

#include "model/impostazioni.h"
#include "model/opzioni_utente.h"

namespace quadrivo {

void DatiGiocatore::salvaOpzione(const char* chiave, const QVariant& valore) {
    salvaValoreUtente(chiave, valore);
    salva();
}

void DatiGiocatore::impostazioniCambiate() {
    impostazioniSospese_ = true;
    salva();
}

void DatiGiocatore::salva() {
    const bool impostazioni = !impostazioniSospese_ || scriviImpostazioni(stato_);
    impostazioniSospese_ = !impostazioni;
    const bool opzioni = scriviValoriUtente();
    if (impostazioni && opzioni) {
        if (detto_) emit avviso("Le opzioni sono di nuovo scritte.");
        detto_ = false;
        return;
    }
    if (detto_) return;
    detto_ = true;
    const std::string quali = !impostazioni && !opzioni ? "le opzioni (tramerio.ini e Quadrivo.conf)"
                              : !impostazioni           ? "le opzioni (tramerio.ini)"
                                                        : "le opzioni (Quadrivo.conf)";
    emit avviso(QString::fromStdString("Impossibile scrivere " + quali +
                                       ": restano in memoria e si riprova alla prossima modifica e all'uscita."));
}

}  // namespace quadrivo
