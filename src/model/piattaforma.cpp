#include "model/piattaforma.h"

namespace quadrivo {

void fatale(Piattaforma& piattaforma, const std::string& testo, const std::string& titolo, Icona icona) {
    piattaforma.messaggio(testo, titolo, icona, Pulsanti::ok);
    piattaforma.termina();
}

}  // namespace quadrivo
