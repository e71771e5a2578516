#include "solving/lettura.h"

namespace quadrivo {

namespace {

std::string voceIn(const Cruciverba& x, Casella k) { return x.dentro(k) ? x.cella(k).voce : std::string{}; }

std::string lettere(size_t n, const char* una, const char* molte) {
    return std::to_string(n) + " " + (n == 1 ? una : molte);
}

}  // namespace

// The list's direction as one word: the Italian lists in the singular, a file's own name as it is.
std::string nomeDirezione(const Cruciverba& x, Direzione d) {
    // A senza schema's clues go by rows and columns, not by numbered words.
    if (x.variante == Variante::senzaSchema && (d == Direzione::orizzontale || d == Direzione::verticale))
        return d == Direzione::orizzontale ? "riga" : "colonna";
    const int n = numeroElenco(d);
    if (n < 1 || n > static_cast<int>(x.elenchi.size())) return {};
    const std::string& nome = x.elenchi[static_cast<size_t>(n - 1)].direzione;
    if (nome == nomeOrizzontali) return "orizzontale";
    if (nome == nomeVerticali) return "verticale";
    if (nome == nomeDiagonali) return "diagonale";
    return nome;
}

std::string nomeParola(const Cruciverba& x, const Parola& w) {
    if (x.variante == Variante::senzaSchema && !w.etichetta.empty())
        return nomeDirezione(x, w.direzione) + " " + w.etichetta;  // "riga 3"
    if (!w.etichetta.empty()) return w.etichetta + " " + nomeDirezione(x, w.direzione);
    // A word without a number (a codeword's) is found by where it starts.
    return nomeDirezione(x, w.direzione) + " da riga " + std::to_string(w.riga) + " colonna " + std::to_string(w.colonna);
}

std::string nomeCella(const Cruciverba& x, const Segni& segni, const Rivelate& rivelate, Casella k) {
    if (!x.dentro(k)) return {};
    const Cella& z = x.cella(k);
    if (z.tipo == TipoCella::vuota) return {};
    if (z.tipo == TipoCella::nera) return segni.contains(k) ? "nera, sbagliata" : "nera";
    std::string nome = z.voce.empty() ? "vuota" : z.voce;
    if (!z.etichetta.empty()) nome += ", numero " + z.etichetta;
    if (z.codice > 0) nome += ", codice " + std::to_string(z.codice);
    if (z.data && !z.voce.empty()) nome += ", data";
    if (segni.contains(k)) nome += ", sbagliata";
    if (rivelate.contains(k)) nome += ", rivelata";
    if (z.matita && !z.voce.empty()) nome += ", matita";
    return nome;
}

std::string letturaDefinizione(const Cruciverba& x, const Parola& w) {
    std::string t = nomeParola(x, w) + ", " + std::to_string(w.lunghezza) + (w.lunghezza == 1 ? " lettera" : " lettere");
    return t + ": " + (w.definizione.empty() ? "nessuna definizione" : w.definizione);
}

std::string paroleCheIniziano(const Cruciverba& x, const Navigazione& nav, Casella k) {
    std::string t;
    for (const Parola& w : nav.parole())
        if (!w.caselle.empty() && w.caselle.front() == k) t += (t.empty() ? "" : "; ") + letturaDefinizione(x, w);
    return t;
}

std::string compitaParola(const Cruciverba& x, const Parola& w) {
    std::string t;
    for (const Casella& k : w.caselle) {
        const std::string& voce = x.dentro(k) ? x.cella(k).voce : std::string{};
        t += (t.empty() ? "" : " ") + (voce.empty() ? std::string("_") : voce);
    }
    return t;
}

std::string letturaCellaCorrente(const Cruciverba& x, const Navigazione& nav, const Posizione& p,
                                 bool conDefinizione) {
    const Parola* w = nav.parolaCorrente(p);
    if (!w) return {};
    std::string t = nomeParola(x, *w) + ", lettera " + std::to_string(w->posizione(p.colonna, p.riga) + 1) + " di " +
                    std::to_string(w->lunghezza);
    if (conDefinizione && !w->definizione.empty()) t += ": " + w->definizione;
    return t;
}

std::string esitoControlloParola(const Cruciverba& x, const Parola& w, size_t sbagliate) {
    size_t vuote = 0;
    for (const Casella& k : w.caselle) vuote += voceIn(x, k).empty();
    std::string esito = nomeParola(x, w) + ": ";
    if (sbagliate > 0) return esito + lettere(sbagliate, "lettera sbagliata", "lettere sbagliate");
    if (vuote == 0) return esito + "parola giusta";
    return esito + "nessuna lettera sbagliata, " + lettere(vuote, "casella vuota", "caselle vuote");
}

std::string esitoControlloLettera(const Cruciverba& x, Casella k, bool sbagliata) {
    if (x.dentro(k) && x.cella(k).tipo == TipoCella::nera) return sbagliata ? "nera sbagliata" : "nera";
    if (sbagliata) return "lettera sbagliata";
    return voceIn(x, k).empty() ? "casella vuota" : "lettera giusta";
}

std::string testoRivelato(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::string testo;
    bool spazio = false;
    for (const Casella& k : caselle) {
        if (x.dentro(k) && x.cella(k).tipo == TipoCella::nera) {
            spazio = !testo.empty();
            continue;
        }
        if (spazio) testo += ' ';
        spazio = false;
        testo += voceIn(x, k);
    }
    return testo.empty() && caselle.size() == 1 && x.dentro(caselle[0]) && x.cella(caselle[0]).tipo == TipoCella::nera
               ? "nera"
               : testo;
}

std::string contoErrori(size_t sbagliate) {
    return sbagliate == 0 ? "Nessuna lettera sbagliata" : lettere(sbagliate, "lettera sbagliata", "lettere sbagliate");
}

std::string letturaCambi(const std::vector<CambioVoce>& cambi) {
    if (cambi.empty()) return {};
    if (cambi.size() > 1) return std::to_string(cambi.size()) + " caselle";
    const auto& [prima, dopo] = cambi.front();
    if (dopo.empty()) return prima + " cancellata";
    if (prima.empty()) return dopo + " scritta";
    return dopo + " al posto di " + prima;
}

std::vector<std::string> vociSchema(const Cruciverba& x) {
    std::vector<std::string> voci;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) voci.push_back(voceIn(x, {c, r}));
    return voci;
}

std::vector<CambioVoce> cambiTra(const std::vector<std::string>& prima, const std::vector<std::string>& dopo) {
    std::vector<CambioVoce> cambi;
    for (size_t i = 0; i < prima.size() && i < dopo.size(); ++i)
        if (prima[i] != dopo[i]) cambi.emplace_back(prima[i], dopo[i]);
    return cambi;
}

std::string letturaCompletata(const Cruciverba& x, const Parola& w) {
    std::string parola;
    for (const Casella& k : w.caselle) parola += voceIn(x, k);
    return nomeParola(x, w) + " completata: " + parola;
}

std::string letturaParola(const Cruciverba& x, const Navigazione& nav, const Posizione& p, CosaLeggere quale) {
    const Parola* w = nav.parolaCorrente(p);
    if (!w) return "Nessuna parola corrente";
    switch (quale) {
    case CosaLeggere::definizione: return letturaDefinizione(x, *w);
    case CosaLeggere::compita: return compitaParola(x, *w);
    case CosaLeggere::incrocio: {
        const Parola* incrocio = nav.parolaCorrente(nav.giraDirezione(p));
        if (!incrocio || incrocio == w) return "Nessuna parola incrociata";
        return letturaDefinizione(x, *incrocio) + ". " + compitaParola(x, *incrocio);
    }
    }
    return {};
}

}  // namespace quadrivo
