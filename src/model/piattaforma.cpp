#include "model/piattaforma.h"

#include <cstdlib>

namespace quadrivo {

Risposta rispostaInvio(Pulsanti pulsanti) {
    switch (pulsanti) {
    case Pulsanti::annullaOk:
    case Pulsanti::sovrascriviSalvaConNomeAnnulla:
    case Pulsanti::apriComunqueAnnulla: return Risposta::annulla;
    case Pulsanti::ok:
    case Pulsanti::okAnnulla:
    case Pulsanti::salvaNonSalvareAnnulla:
    case Pulsanti::ripristinaPiuTardiElimina:
    case Pulsanti::ripristinaCopiaPiuTardiElimina: break;
    }
    return Risposta::ok;
}

Risposta rispostaEsc(Pulsanti pulsanti) { return pulsanti == Pulsanti::ok ? Risposta::ok : Risposta::annulla; }

void fatale(Piattaforma& piattaforma, const std::string& testo, const std::string& titolo, Icona icona) {
    piattaforma.messaggio(testo, titolo, icona, Pulsanti::ok);
    piattaforma.termina();
    std::abort();  // an implementation of termina() that returned would be a fault
}

}  // namespace quadrivo
