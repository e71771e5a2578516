#include "model/piattaforma.h"

#include <cstdlib>

namespace quadrivo {

void fatale(Piattaforma& piattaforma, const std::string& testo, const std::string& titolo, Icona icona) {
    piattaforma.messaggio(testo, titolo, icona, Pulsanti::ok);
    piattaforma.termina();
    std::abort();  // an implementation of termina() that returned would be a fault
}

}  // namespace quadrivo
