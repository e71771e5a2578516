#include "solving/lettura.h"

namespace quadrivo {

namespace {

// The list's direction as one word: the Italian lists in the singular, a file's own name as it is.
std::string direzione(const Cruciverba& x, int d) {
    if (d < 1 || d > static_cast<int>(x.elenchi.size())) return {};
    const std::string& nome = x.elenchi[static_cast<size_t>(d - 1)].direzione;
    if (nome == nomeOrizzontali) return "orizzontale";
    if (nome == nomeVerticali) return "verticale";
    if (nome == nomeDiagonali) return "diagonale";
    return nome;
}

}  // namespace

std::string nomeCella(const Cruciverba& x, const Segni& segni, const Rivelate& rivelate, Casella k) {
    if (!x.dentro(k)) return {};
    const Cella& z = x.cella(k);
    if (z.tipo == TipoCella::vuota) return {};
    if (z.tipo == TipoCella::nera) return "nera";
    std::string nome = z.voce.empty() ? "vuota" : z.voce;
    if (!z.etichetta.empty()) nome += ", numero " + z.etichetta;
    if (segni.contains(k)) nome += ", sbagliata";
    if (rivelate.contains(k)) nome += ", rivelata";
    if (z.matita && !z.voce.empty()) nome += ", matita";
    return nome;
}

std::string letturaDefinizione(const Cruciverba& x, const Parola& w) {
    std::string t = w.etichetta.empty() ? direzione(x, w.direzione) : w.etichetta + " " + direzione(x, w.direzione);
    t += ", " + std::to_string(w.lunghezza) + (w.lunghezza == 1 ? " lettera" : " lettere");
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
