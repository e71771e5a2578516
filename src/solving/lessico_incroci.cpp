#include "solving/lessico_incroci.h"

#include <algorithm>

#include "model/testo.h"

namespace quadrivo {

ClasseLettera classeCella(const Cella& cella) {
    const std::string byte = aWindows1252(cella.voce);
    if (byte.size() != 1) return ClasseLettera::qualsiasi();
    const auto c = static_cast<unsigned char>(byte[0]);
    if (c >= 'A' && c <= 'Z') return ClasseLettera::lettera(c);
    if (c >= 'a' && c <= 'z') return ClasseLettera::lettera(static_cast<unsigned char>(c - 32));
    return c == '@' ? ClasseLettera::vocali() : ClasseLettera::qualsiasi();
}

std::vector<Casella> parolaAttraverso(const Cruciverba& x, Casella k, Direzione d) {
    if (!x.bianca(k.colonna, k.riga)) return {};
    const int dc = d == Direzione::verticale ? 0 : 1, dr = 1 - dc;
    Casella inizio = k;
    while (!confine(x, {inizio.colonna - dc, inizio.riga - dr}, inizio)) inizio = {inizio.colonna - dc, inizio.riga - dr};
    std::vector<Casella> caselle;
    for (Casella c = inizio;; c = {c.colonna + dc, c.riga + dr}) {
        caselle.push_back(c);
        if (confine(x, c, {c.colonna + dc, c.riga + dr})) break;
    }
    return caselle;
}

Maschera mascheraCaselle(const Cruciverba& x, const std::vector<Casella>& caselle) {
    Maschera m;
    for (const Casella& k : caselle) m.push_back(x.dentro(k) ? classeCella(x.cella(k)) : ClasseLettera::qualsiasi());
    return m;
}

std::vector<std::optional<Incrocio>> incrociCaselle(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::vector<std::optional<Incrocio>> incroci(caselle.size());
    if (caselle.size() < 2) return incroci;
    // Across when the second cell is beside the first; the crossings run the other way.
    const Direzione incrocio = caselle[1].riga == caselle[0].riga ? Direzione::verticale : Direzione::orizzontale;
    for (std::size_t i = 0; i < caselle.size(); ++i) {
        const std::vector<Casella> altra = parolaAttraverso(x, caselle[i], incrocio);
        if (altra.size() < 2) continue;
        const auto dove = std::find(altra.begin(), altra.end(), caselle[i]);
        incroci[i] = Incrocio{mascheraCaselle(x, altra), static_cast<int>(dove - altra.begin())};
    }
    return incroci;
}

namespace {
template <typename Fonte>
std::vector<Suggerimento> suggerimentiDa(const Cruciverba& x, const std::vector<Casella>& caselle, const Fonte& fonte,
                                         std::string_view parole) {
    std::vector<Suggerimento> uscita;
    const auto n = caselle.size();
    const std::vector<CandidatoIncroci> candidati = paroleConIncroci(fonte, mascheraCaselle(x, caselle), incrociCaselle(x, caselle));
    uscita.reserve(candidati.size());
    for (const CandidatoIncroci& c : candidati)
        uscita.push_back({std::string(parole.substr(std::size_t(c.numero) * n, n)), c.rimaste, c.minimo});
    return uscita;
}
}  // namespace

std::vector<Suggerimento> suggerimenti(const Cruciverba& x, const std::vector<Casella>& caselle,
                                       const IndiceLessico& indice) {
    return suggerimentiDa(x, caselle, indice, indice.parole(static_cast<int>(caselle.size())));
}

std::vector<Suggerimento> suggerimenti(const Cruciverba& x, const std::vector<Casella>& caselle,
                                       const BlocchiLessico& blocchi) {
    return suggerimentiDa(x, caselle, blocchi, blocchi.blocco(static_cast<int>(caselle.size())));
}

}  // namespace quadrivo
