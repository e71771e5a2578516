#include "model/superficie.h"

namespace quadrivo {

void Superficie::stampa(const std::string& s, bool finisciRiga) {
    disegnaTesto(CurrentX, CurrentY, s);
    if (finisciRiga) {
        CurrentX = 0;
        CurrentY += altezzaTesto(s.empty() ? std::string("X") : s);
    } else {
        CurrentX += larghezzaTesto(s);
    }
}

void Superficie::aCapo() {
    CurrentX = 0;
    CurrentY += altezzaTesto("X");
}

}  // namespace quadrivo
