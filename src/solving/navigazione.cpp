#include "solving/navigazione.h"

#include <QChar>
#include <QString>
#include <algorithm>

#include "model/numeri.h"
#include "model/testo.h"
#include "solving/passaggio.h"

namespace quadrivo {

namespace {

bool vuota(const Cruciverba& x, int c, int r) { return x.cella(c, r).voce.empty(); }

}  // namespace

char letteraDigitata(char32_t carattere) {
    char32_t u = carattere;
    if (QChar::decompositionTag(u) == QChar::Canonical) {
        const QString base = QChar::decomposition(u);
        if (!base.isEmpty()) u = base[0].unicode();
    }
    if (u >= 'a' && u <= 'z') u = u - 'a' + 'A';
    return (u >= 'A' && u <= 'Z') || u == '@' ? static_cast<char>(u) : 0;
}

bool applicaScritture(Cruciverba& x, const std::vector<Scrittura>& scritture) {
    bool cambiato = false;
    for (const Scrittura& w : scritture) {
        // Black, void and given cells are never written.
        if (!x.bianca(w.colonna, w.riga)) continue;
        Cella& k = x.cella(w.colonna, w.riga);
        const bool matita = w.matita && !w.voce.empty();
        if (k.data || (k.voce == w.voce && k.matita == matita)) continue;
        k.voce = w.voce;
        k.matita = matita;
        cambiato = true;
    }
    return cambiato;
}

int Parola::posizione(int c, int r) const {
    for (size_t i = 0; i < caselle.size(); ++i)
        if (caselle[i].colonna == c && caselle[i].riga == r) return static_cast<int>(i);
    return -1;
}

Navigazione::Navigazione(const Cruciverba& x) {
    nColonne_ = x.colonne();
    nRighe_ = x.righe();
    nDirezioni_ = static_cast<int>(x.elenchi.size());
    bianche_.assign(static_cast<size_t>(nColonne_ * nRighe_), false);
    indice_.assign(static_cast<size_t>(nColonne_ * nRighe_ * nDirezioni_), 0);
    for (int c = 1; c <= nColonne_; ++c)
        for (int r = 1; r <= nRighe_; ++r) bianche_[static_cast<size_t>((r - 1) * nColonne_ + c - 1)] = x.bianca(c, r);
    for (int n = 1; n <= nDirezioni_; ++n)
        for (const Definizione& def : x.elenchi[static_cast<size_t>(n - 1)].definizioni) {
            const Direzione d = direzioneElenco(n);
            if (def.caselle.empty()) {
                if (x.variante == Variante::diagramless)
                    senzaParola_.push_back({d, parole_.size(), voceDefinizione(def.etichetta, def.testo)});
                continue;
            }
            Parola w{def.caselle.front().colonna, def.caselle.front().riga, d, static_cast<int>(def.caselle.size()),
                     def.etichetta, def.testo, def.caselle, voceDefinizione(def.etichetta, def.testo)};
            for (const Casella& k : w.caselle)
                if (x.dentro(k)) indice_[cella(k.colonna, k.riga, d)] = static_cast<int>(parole_.size() + 1);
            parole_.push_back(std::move(w));
        }
}

size_t Navigazione::cella(int c, int r, Direzione d) const {
    return static_cast<size_t>(((numeroElenco(d) - 1) * nRighe_ + r - 1) * nColonne_ + c - 1);
}

bool Navigazione::bianca(int c, int r) const {
    return c >= 1 && c <= nColonne_ && r >= 1 && r <= nRighe_ && bianche_[static_cast<size_t>((r - 1) * nColonne_ + c - 1)];
}

int Navigazione::indiceParola(int c, int r, Direzione d) const {
    if (!bianca(c, r) || numeroElenco(d) < 1 || numeroElenco(d) > nDirezioni_) return -1;
    return indice_[cella(c, r, d)] - 1;
}

const Parola* Navigazione::parolaCorrente(const Posizione& p) const {
    const int i = indiceParola(p.colonna, p.riga, p.direzione);
    return i < 0 ? nullptr : &parole_[static_cast<size_t>(i)];
}

Posizione Navigazione::clic(const Posizione& attuale, int c, int r) const {
    if (!bianca(c, r)) return attuale;
    if (attuale.valida() && attuale.colonna == c && attuale.riga == r) return giraDirezione(attuale);
    const Direzione d = attuale.valida() ? attuale.direzione : Direzione::orizzontale;
    Posizione p{c, r, d};
    if (indiceParola(c, r, d) < 0 && indiceParola(c, r, altra(d)) >= 0) p.direzione = altra(d);
    return p;
}

Posizione Navigazione::giraDirezione(const Posizione& p) const {
    if (!bianca(p.colonna, p.riga) || indiceParola(p.colonna, p.riga, altra(p.direzione)) < 0) return p;
    return {p.colonna, p.riga, altra(p.direzione)};
}

bool Navigazione::completa(const Cruciverba& s, const Parola& w, std::optional<Casella> piena) const {
    for (int i = 0; i < w.lunghezza; ++i)
        if (vuota(s, w.colonnaDi(i), w.rigaDi(i)) && piena != w.caselle[static_cast<size_t>(i)]) return false;
    return true;
}

Posizione Navigazione::inizioDi(const Cruciverba& s, int indice, std::optional<Casella> piena) const {
    const Parola& w = parole_[static_cast<size_t>(indice)];
    for (int i = 0; i < w.lunghezza; ++i)
        if (vuota(s, w.colonnaDi(i), w.rigaDi(i)) && piena != w.caselle[static_cast<size_t>(i)])
            return {w.colonnaDi(i), w.rigaDi(i), w.direzione};
    return {w.colonna, w.riga, w.direzione};
}

Posizione Navigazione::vaiAParola(const Cruciverba& s, int indice) const {
    if (indice < 0 || indice >= static_cast<int>(parole_.size())) return {};
    return inizioDi(s, indice);
}

Passo Navigazione::lettera(const Cruciverba& s, const Posizione& p, char32_t carattere) const {
    const char l = letteraDigitata(carattere);
    if (!l || !bianca(p.colonna, p.riga)) return {p, {}, false};
    Passo passo{p, {{p.colonna, p.riga, std::string(1, l)}}};
    if (const Parola* w = parolaCorrente(p)) {
        int j = w->posizione(p.colonna, p.riga) + 1;
        // Letters the puzzle prints are stepped over: the player types only the word's own.
        while (j < w->lunghezza && s.dentro(w->colonnaDi(j), w->rigaDi(j)) && s.cella(w->colonnaDi(j), w->rigaDi(j)).data) ++j;
        // Past the word's end the letters go on into the next word that still has an empty
        // cell, whatever Salta parole complete says: a full word has nowhere to type.
        passo.posizione = j < w->lunghezza ? Posizione{w->colonnaDi(j), w->rigaDi(j), p.direzione}
                                           : versoParola(s, p, 1, true, Casella{p.colonna, p.riga});
    }
    return passo;
}

Passo Navigazione::cancella(const Cruciverba&, const Posizione& p) const {
    if (!bianca(p.colonna, p.riga)) return {p, {}, false};
    return {p, {{p.colonna, p.riga, {}}}};
}

Passo Navigazione::cancellaIndietro(const Cruciverba& s, const Posizione& p) const {
    if (!bianca(p.colonna, p.riga)) return {p, {}, false};
    if (!vuota(s, p.colonna, p.riga)) return {p, {{p.colonna, p.riga, {}}}};
    const int k = indiceParola(p.colonna, p.riga, p.direzione);
    if (k < 0) return {p, {}};
    const Parola& w = parole_[static_cast<size_t>(k)];
    const int i = w.posizione(p.colonna, p.riga);
    Posizione q;
    if (i > 0) {
        q = {w.colonnaDi(i - 1), w.rigaDi(i - 1), p.direzione};
    } else {
        const int n = static_cast<int>(parole_.size());
        const Parola& v = parole_[static_cast<size_t>((k + n - 1) % n)];
        q = {v.colonnaDi(v.lunghezza - 1), v.rigaDi(v.lunghezza - 1), v.direzione};
    }
    return {q, {{q.colonna, q.riga, {}}}};
}

Posizione Navigazione::freccia(const Posizione& p, Freccia f) const {
    if (!bianca(p.colonna, p.riga)) return p;
    const int dc = f == Freccia::sinistra ? -1 : f == Freccia::destra ? 1 : 0;
    const int dr = f == Freccia::su ? -1 : f == Freccia::giu ? 1 : 0;
    const Direzione asse = dc != 0 ? Direzione::orizzontale : Direzione::verticale;
    int c = p.colonna + dc, r = p.riga + dr;
    while (c >= 1 && c <= nColonne_ && r >= 1 && r <= nRighe_ && !bianca(c, r)) {
        c += dc;
        r += dr;
    }
    if (!bianca(c, r)) c = p.colonna, r = p.riga;
    Posizione q{c, r, asse};
    if (indiceParola(c, r, asse) < 0 && indiceParola(c, r, altra(asse)) >= 0) q.direzione = altra(asse);
    return q;
}

Posizione Navigazione::versoParola(const Cruciverba& s, const Posizione& p, int passo, bool saltaComplete,
                                   std::optional<Casella> piena) const {
    const int n = static_cast<int>(parole_.size());
    if (n == 0) return p;
    int k = indiceParola(p.colonna, p.riga, p.direzione);
    // From a cell without a word, Tab starts at the first word and Shift+Tab at the last.
    if (k < 0) k = passo > 0 ? n - 1 : 0;
    for (int giro = 1; giro <= n; ++giro) {
        const int j = ((k + passo * giro) % n + n) % n;
        if (!saltaComplete || !completa(s, parole_[static_cast<size_t>(j)], piena)) return inizioDi(s, j, piena);
    }
    return inizioDi(s, ((k + passo) % n + n) % n, piena);
}

Posizione Navigazione::parolaSuccessiva(const Cruciverba& s, const Posizione& p, bool saltaComplete) const {
    return versoParola(s, p, 1, saltaComplete);
}

Posizione Navigazione::parolaPrecedente(const Cruciverba& s, const Posizione& p, bool saltaComplete) const {
    return versoParola(s, p, -1, saltaComplete);
}

Passo Navigazione::tasto(const Cruciverba& s, const Posizione& p, TastoGriglia t, char32_t carattere,
                         bool saltaComplete) const {
    switch (t) {
    case TastoGriglia::carattere: return lettera(s, p, carattere);
    case TastoGriglia::cancellaIndietro: return cancellaIndietro(s, p);
    case TastoGriglia::cancella: return cancella(s, p);
    case TastoGriglia::sinistra: return {freccia(p, Freccia::sinistra), {}, true};
    case TastoGriglia::destra: return {freccia(p, Freccia::destra), {}, true};
    case TastoGriglia::su: return {freccia(p, Freccia::su), {}, true};
    case TastoGriglia::giu: return {freccia(p, Freccia::giu), {}, true};
    case TastoGriglia::tab: return {parolaSuccessiva(s, p, saltaComplete), {}, true};
    case TastoGriglia::tabIndietro: return {parolaPrecedente(s, p, saltaComplete), {}, true};
    case TastoGriglia::spazio: return {giraDirezione(p), {}, true};
    }
    return {p, {}, false};
}

std::vector<VoceElenco> Navigazione::elenco(const Cruciverba& s, Direzione d) const {
    std::vector<VoceElenco> voci;
    auto senza = senzaParola_.begin();
    for (size_t i = 0; i <= parole_.size(); ++i) {
        for (; senza != senzaParola_.end() && senza->prima == i; ++senza)
            if (senza->direzione == d) voci.push_back({nullptr, senza->voce, false});
        if (i < parole_.size() && parole_[i].direzione == d) voci.push_back({&parole_[i], parole_[i].voce, completa(s, parole_[i])});
    }
    return voci;
}

std::string Navigazione::definizioneCorrente(const Cruciverba& x, const Posizione& p) const {
    const Parola* w = parolaCorrente(p);
    if (!w) return {};
    return didascaliaParola(x, w->etichetta, w->direzione, w->caselle, w->definizione, FormaDidascalia::riga);
}

}  // namespace quadrivo
