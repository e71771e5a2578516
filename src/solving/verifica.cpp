#include "solving/verifica.h"

#include <vector>

#include "model/varianti.h"
#include "solving/controllo.h"

namespace quadrivo {

std::vector<Casella> caselleParola(const Parola& w) { return w.caselle; }

std::vector<Casella> caselleSchema(const Cruciverba& x) {
    if (!senzaDiagramma(x)) return caselleBianche(x);
    std::vector<Casella> caselle;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c)
            if (x.cella(c, r).tipo != TipoCella::vuota) caselle.push_back({c, r});
    return caselle;
}

std::vector<Casella> caselleSbagliate(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::vector<Casella> sbagliate;
    const bool nerePosate = senzaDiagramma(x);
    for (const Casella& k : caselle) {
        if (!x.dentro(k)) continue;
        const Cella& z = x.cella(k);
        if (nerePosate && z.tipo == TipoCella::nera && !z.neraSoluzione && controllabile(z)) sbagliate.push_back(k);
        if (!z.bianca()) continue;
        if (!z.voce.empty() && !z.soluzione.empty() && z.voce != z.soluzione) sbagliate.push_back(k);
        // A letter where the hidden diagram has a black square is wrong too.
        else if (!z.voce.empty() && z.neraSoluzione) sbagliate.push_back(k);
    }
    return sbagliate;
}

std::vector<Casella> segnaErrori(Segni& segni, const Cruciverba& s, const std::vector<Casella>& caselle) {
    std::vector<Casella> sbagliate = caselleSbagliate(s, caselle);
    for (const Casella& k : sbagliate) segni[k] = s.cella(k).tipo == TipoCella::nera ? segnoNera : s.cella(k).voce;
    return sbagliate;
}

void aggiornaSegni(Segni& segni, const Cruciverba& s) {
    std::erase_if(segni, [&](const auto& voce) {
        if (!s.dentro(voce.first)) return true;
        const Cella& z = s.cella(voce.first);
        return z.tipo == TipoCella::nera ? voce.second != segnoNera : z.voce != voce.second;
    });
}

std::vector<Scrittura> rivelazione(const Cruciverba& s, const std::vector<Casella>& caselle) {
    std::vector<Scrittura> scritture;
    for (const Casella& k : caselle) {
        if (!s.bianca(k.colonna, k.riga)) continue;
        const Cella& z = s.cella(k);
        if (z.soluzione.empty() || z.voce == z.soluzione) continue;
        scritture.push_back({k.colonna, k.riga, z.soluzione});
    }
    return scritture;
}

void registraRivelate(Rivelate& rivelate, const std::vector<Scrittura>& scritture) {
    for (const Scrittura& w : scritture) rivelate.insert({w.colonna, w.riga});
}

bool schemaGiusto(const Cruciverba& s) { return risolto(s); }

bool Completamento::controlla(const Cruciverba& s) {
    if (notato_ || !schemaGiusto(s)) return false;
    notato_ = true;
    return true;
}

std::string messaggioRisolto(std::int64_t millisecondi, long long rivelate, long long controlli) {
    const long long secondi = millisecondi > 0 ? millisecondi / 1000 : 0;
    // "1 minuto", "1 secondo": the singular for one, the plural for every other count, 0 too.
    const auto quanti = [](long long n, const char* uno, const char* molti) {
        return std::to_string(n) + " " + (n == 1 ? uno : molti);
    };
    std::string testo = "Bravo! hai risolto il cruciverba in " + quanti(secondi / 60, "minuto", "minuti") + " e " +
                        quanti(secondi % 60, "secondo", "secondi");
    std::vector<std::string> aiuti;
    if (controlli == 1) aiuti.push_back("1 controllo");
    if (controlli > 1) aiuti.push_back(std::to_string(controlli) + " controlli");
    if (rivelate == 1) aiuti.push_back("1 lettera rivelata");
    if (rivelate > 1) aiuti.push_back(std::to_string(rivelate) + " lettere rivelate");
    for (size_t i = 0; i < aiuti.size(); ++i) testo += (i == 0 ? " (" : ", ") + aiuti[i];
    if (!aiuti.empty()) testo += ")";
    return testo;
}

std::string messaggioVerifica(const Cruciverba& s, std::int64_t millisecondi, long long rivelate,
                              long long controlli) {
    // Only a grid really right is congratulated: one without a solution is never.
    if (!schemaGiusto(s)) return messaggioControllo(s);
    // No praise for a grid the program filled in: say what happened instead.
    if (const auto bianche = static_cast<long long>(caselleBianche(s).size()); rivelate > 0 && rivelate >= bianche)
        return "Soluzione completa: tutte le " + std::to_string(bianche) + " lettere sono state rivelate.";
    return messaggioRisolto(millisecondi, rivelate, controlli);
}

}  // namespace quadrivo
