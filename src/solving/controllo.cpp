#include "solving/controllo.h"

#include <algorithm>
#include <cmath>

namespace quadrivo {

Conteggio contaDifferenze(const Stato& s) {
    Conteggio k;
    for (int r = 1; r <= s.nRighe && r <= maxRighe; ++r) {
        const std::string& riga = s.rigaGriglia(r);
        for (size_t p = 0; p < riga.size(); p += 2) {
            const char soluzione = riga[p];
            const char voce = p + 1 < riga.size() ? riga[p + 1] : '\0';
            if (soluzione != '*') ++k.lettere;
            if (soluzione != voce) ++k.differenze;
        }
    }
    return k;
}

namespace {

// D / T * 100 in double precision, then to the nearest whole number with halves to even
// (the default rounding mode): 23 in 40 is 57.4999... there, so 57.
long long percentuale(long long D, long long T) {
    return static_cast<long long>(std::nearbyint(double(D) / double(T) * 100.0));
}

}  // namespace

std::string messaggioControllo(const Stato& s, double adesso) {
    const Conteggio k = contaDifferenze(s);
    if (k.differenze != 0) {
        // Only broken grid lines give differences without a single letter to compare.
        if (k.lettere == 0)
            return "Sul cruciverba non ci sono lettere da controllare: le righe della griglia sono incomplete o "
                   "non valide (" + std::to_string(k.differenze) + " caselle senza soluzione).";
        return "Sul cruciverba ci sono " + std::to_string(k.lettere) + " lettere; ci sono però ancora " +
               std::to_string(k.differenze) + " lettere diverse o non risolte! (" +
               std::to_string(percentuale(k.differenze, k.lettere)) + "% non risolto)";
    }
    const double trascorso = adesso - s.inizioGioco;
    const long long secondi = std::isfinite(trascorso) && trascorso > 0
                                  ? static_cast<long long>(std::floor(std::min(trascorso, 1e15)))
                                  : 0;
    return "Bravo! hai risolto il cruciverba in " + std::to_string(secondi / 60) + " minuti e " +
           std::to_string(secondi % 60) + " secondi";
}

void azzeraInserimenti(Stato& s) {
    for (int r = 1; r <= s.nRighe && r <= maxRighe; ++r) {
        std::string& riga = s.rigaGriglia(r);
        for (size_t p = 1; p < riga.size(); p += 2)
            if (riga[p] != '*') riga[p] = '.';
    }
}

}  // namespace quadrivo
