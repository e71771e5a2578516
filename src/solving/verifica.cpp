#include "solving/verifica.h"

#include "solving/controllo.h"

namespace quadrivo {

namespace {

bool lettera(char voce) { return voce != '.' && voce != '\0' && voce != ' ' && voce != '*'; }

}  // namespace

std::vector<Casella> caselleParola(const Parola& w) {
    std::vector<Casella> caselle;
    for (int i = 0; i < w.lunghezza; ++i) caselle.push_back({w.colonnaDi(i), w.rigaDi(i)});
    return caselle;
}

std::vector<Casella> caselleSchema(const Stato& s) {
    std::vector<Casella> caselle;
    for (int r = 1; r <= s.nRighe && r <= maxRighe; ++r)
        for (int c = 1; c <= s.nColonne && c <= maxColonne; ++c) {
            const char k = soluzioneCasella(s, c, r);
            if (k != '\0' && k != '*') caselle.push_back({c, r});
        }
    return caselle;
}

char soluzioneCasella(const Stato& s, int c, int r) {
    if (r < 1 || r > maxRighe || c < 1 || c > maxColonne) return '\0';
    const std::string& riga = s.rigaGriglia(r);
    const size_t p = static_cast<size_t>(2 * c - 2);
    return p < riga.size() ? riga[p] : '\0';
}

std::vector<Casella> caselleSbagliate(const Stato& s, const std::vector<Casella>& caselle) {
    std::vector<Casella> sbagliate;
    for (const Casella& k : caselle) {
        const char soluzione = soluzioneCasella(s, k.colonna, k.riga);
        const char voce = s.inserimento(k.colonna, k.riga);
        if (soluzione != '*' && lettera(voce) && voce != soluzione) sbagliate.push_back(k);
    }
    return sbagliate;
}

std::vector<Casella> segnaErrori(Segni& segni, const Stato& s, const std::vector<Casella>& caselle) {
    std::vector<Casella> sbagliate = caselleSbagliate(s, caselle);
    for (const Casella& k : sbagliate) segni[k] = s.inserimento(k.colonna, k.riga);
    return sbagliate;
}

void aggiornaSegni(Segni& segni, const Stato& s) {
    std::erase_if(segni, [&](const auto& voce) {
        return s.inserimento(voce.first.colonna, voce.first.riga) != voce.second;
    });
}

std::vector<Scrittura> rivelazione(const Stato& s, const std::vector<Casella>& caselle) {
    std::vector<Scrittura> scritture;
    for (const Casella& k : caselle) {
        const char soluzione = soluzioneCasella(s, k.colonna, k.riga);
        const char voce = s.inserimento(k.colonna, k.riga);
        // A cell without an entry slot or a black one has nothing to reveal.
        if (soluzione == '\0' || soluzione == '*' || voce == '\0' || voce == soluzione) continue;
        scritture.push_back({k.colonna, k.riga, soluzione});
    }
    return scritture;
}

void registraRivelate(Rivelate& rivelate, const std::vector<Scrittura>& scritture) {
    for (const Scrittura& w : scritture) rivelate.insert({w.colonna, w.riga});
}

bool schemaGiusto(const Stato& s) {
    const Conteggio k = contaDifferenze(s);
    return k.lettere > 0 && k.differenze == 0;
}

bool Completamento::controlla(const Stato& s) {
    if (notato_ || !schemaGiusto(s)) return false;
    notato_ = true;
    return true;
}

std::string messaggioRisolto(std::int64_t millisecondi, long long rivelate) {
    const long long secondi = millisecondi > 0 ? millisecondi / 1000 : 0;
    std::string testo = "Bravo! hai risolto il cruciverba in " + std::to_string(secondi / 60) + " minuti e " +
                        std::to_string(secondi % 60) + " secondi";
    if (rivelate == 1) testo += " (1 lettera rivelata)";
    if (rivelate > 1) testo += " (" + std::to_string(rivelate) + " lettere rivelate)";
    return testo;
}

std::string messaggioVerifica(const Stato& s, std::int64_t millisecondi, long long rivelate) {
    if (contaDifferenze(s).differenze != 0) return messaggioControllo(s, 0);
    return messaggioRisolto(millisecondi, rivelate);
}

}  // namespace quadrivo
