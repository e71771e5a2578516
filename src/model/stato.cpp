#include "model/stato.h"

namespace quadrivo {

char Stato::inserimento(int c, int r) const {
    if (r < 1 || r > maxRighe || c < 1) return '\0';
    const std::string& riga = rigaGriglia(r);
    size_t p = static_cast<size_t>(2 * c);
    return p <= riga.size() ? riga[p - 1] : '\0';
}

void Stato::impostaInserimento(int c, int r, char ch) {
    if (r < 1 || r > maxRighe || c < 1) return;
    std::string& riga = rigaGriglia(r);
    size_t p = static_cast<size_t>(2 * c);
    if (p <= riga.size()) riga[p - 1] = ch;
}

}  // namespace quadrivo
