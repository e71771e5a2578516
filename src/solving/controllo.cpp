#include "solving/controllo.h"

#include "solving/varianti.h"

#include <algorithm>
#include <cmath>

namespace quadrivo {

Conteggio contaDifferenze(const Cruciverba& x) {
    if (senzaDiagramma(x)) return contaDifferenzeSenzaSchema(x);
    const FuoriSchema fuori = fuoriSchema(x);
    Conteggio k{fuori.lettere, fuori.differenze};
    for (const Casella& c : caselleBianche(x)) {
        const Cella& z = x.cella(c);
        if (!controllabile(z)) continue;
        ++k.lettere;
        if (z.voce != z.soluzione) ++k.differenze;
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

std::string messaggioControllo(const Cruciverba& x) {
    const Conteggio k = contaDifferenze(x);
    const auto senzaSoluzione = [&](const Casella& c) { return x.cella(c).soluzione.empty(); };
    const std::vector<Casella> bianche = caselleBianche(x);
    if (!bianche.empty() && std::all_of(bianche.begin(), bianche.end(), senzaSoluzione))
        return "Questo cruciverba non ha una soluzione con cui controllare le lettere.";
    const auto uno = [](long long n) { return n == 1; };
    // Only a damaged archive can differ without a letter to count: no percentage of nothing.
    const std::string quota =
        k.lettere == 0 ? "!" : "! (" + std::to_string(percentuale(k.differenze, k.lettere)) + "% non risolto)";
    return std::string("Sul cruciverba ") +
           (uno(k.lettere) ? "c'è 1 lettera" : "ci sono " + std::to_string(k.lettere) + " lettere") +
           (uno(k.differenze) ? "; c'è però ancora 1 lettera diversa o non risolta"
                              : "; ci sono però ancora " + std::to_string(k.differenze) + " lettere diverse o non risolte") +
           quota;
}

void azzeraInserimenti(Cruciverba& x) {
    // The black squares the player placed go too: the grid starts white again.
    if (senzaDiagramma(x)) {
        for (int r = 1; r <= x.righe(); ++r)
            for (int c = 1; c <= x.colonne(); ++c)
                if (x.cella(c, r).tipo == TipoCella::nera) x.cella(c, r).tipo = TipoCella::bianca;
        if (x.variante == Variante::diagramless) numeraGiocatore(x);
    }
    for (const Casella& c : caselleBianche(x))
        if (!x.cella(c).data) x.cella(c).voce.clear(), x.cella(c).matita = false;
}

}  // namespace quadrivo
