#include "model/varianti.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <cstdlib>
#include <tuple>

namespace quadrivo {

bool senzaDiagramma(const Cruciverba& x) {
    return x.variante == Variante::senzaSchema || x.variante == Variante::diagramless;
}

int lunghezzaLettere(const std::string& testo) {
    int n = 0;
    for (unsigned char c : testo) n += (c & 0xC0) != 0x80;
    return n;
}

void nascondiSchema(Cruciverba& x) {
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            Cella& k = x.cella(c, r);
            if (k.tipo == TipoCella::vuota) continue;
            if (k.tipo == TipoCella::nera || k.neraSoluzione) {
                k = Cella{};
                k.neraSoluzione = true;
            }
            k.etichetta.clear();
        }
}

namespace {

// The standard numbers of the grid as it stands, without touching its lists.
std::map<Casella, std::string> numeri(const Cruciverba& x) {
    Cruciverba copia = x;
    copia.elenchi.clear();
    numeraStandard(copia);
    std::map<Casella, std::string> n;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c)
            if (!copia.cella(c, r).etichetta.empty()) n[{c, r}] = copia.cella(c, r).etichetta;
    return n;
}

// Each clue of `nome` led to the word of `parole` that starts at the cell labelled as it is.
void legaPerNumero(Cruciverba& x, const char* nome, const std::vector<Definizione>& parole) {
    std::map<std::string, const Definizione*> perNumero;
    for (const Definizione& p : parole) perNumero[x.cella(p.caselle.front()).etichetta] = &p;
    for (ElencoDefinizioni& e : x.elenchi) {
        if (e.direzione != nome) continue;
        for (Definizione& d : e.definizioni) {
            const auto it = perNumero.find(d.etichetta);
            d.caselle = it == perNumero.end() ? std::vector<Casella>{} : it->second->caselle;
        }
    }
}

// The words of one line of cells (a row or a column) among `parole`, in order.
std::map<int, std::vector<const Definizione*>> perLinea(const std::vector<Definizione>& parole, bool righe) {
    std::map<int, std::vector<const Definizione*>> m;
    for (const Definizione& p : parole) m[righe ? p.caselle.front().riga : p.caselle.front().colonna].push_back(&p);
    return m;
}

std::string lettereDi(const Cruciverba& x, const std::vector<Casella>& caselle) {
    std::string s;
    for (const Casella& k : caselle) s += x.cella(k).soluzione;
    return s;
}

Cruciverba nuovoDa(const Cruciverba& x) {
    Cruciverba y = x;
    y.formato.clear();
    y.datiFormato.reset();
    y.secondiFile.reset();
    y.segniFile = {};
    y.banca.clear();
    y.variante = Variante::cruciverba;
    for (int r = 1; r <= y.righe(); ++r)
        for (int c = 1; c <= y.colonne(); ++c) {
            Cella& k = y.cella(c, r);
            if (!k.data) k.voce.clear();
            k.matita = false;
            k.codice = 0;
            k.neraSoluzione = false;
        }
    return y;
}

}  // namespace

void numeraGiocatore(Cruciverba& x) {
    const std::map<Casella, std::string> n = numeri(x);
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const auto it = n.find({c, r});
            x.cella(c, r).etichetta = it == n.end() ? std::string() : it->second;
        }
    legaPerNumero(x, nomeOrizzontali, paroleOrizzontali(x));
    legaPerNumero(x, nomeVerticali, paroleVerticali(x));
}

std::vector<CambioCella> alternaNera(Cruciverba& x, Casella k) {
    if (!senzaDiagramma(x) || !x.dentro(k)) return {};
    Cella& z = x.cella(k);
    if (z.tipo == TipoCella::vuota || z.data) return {};
    const Cruciverba prima = x;
    if (z.bianca()) {
        z.tipo = TipoCella::nera;
        z.voce.clear();
        z.matita = false;
        z.etichetta.clear();
    } else {
        z.tipo = TipoCella::bianca;
    }
    if (x.variante == Variante::diagramless) numeraGiocatore(x);
    std::vector<CambioCella> cambi;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c)
            if (!(prima.cella(c, r) == x.cella(c, r))) cambi.push_back({{c, r}, prima.cella(c, r), x.cella(c, r)});
    return cambi;
}

Cruciverba grigliaSoluzione(const Cruciverba& x) {
    if (!senzaDiagramma(x)) return x;
    Cruciverba y = x;
    for (int r = 1; r <= y.righe(); ++r)
        for (int c = 1; c <= y.colonne(); ++c) {
            Cella& k = y.cella(c, r);
            if (k.tipo == TipoCella::vuota) continue;
            if (k.neraSoluzione) {
                k = Cella{};
                k.tipo = TipoCella::nera;
                k.neraSoluzione = true;
            } else {
                k.tipo = TipoCella::bianca;
            }
            k.etichetta.clear();
        }
    if (y.variante == Variante::diagramless)
        numeraGiocatore(y);
    else
        caselleRigheColonne(y);
    return y;
}

void caselleRigheColonne(Cruciverba& x) {
    Cruciverba soluzione = x;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            Cella& k = soluzione.cella(c, r);
            if (k.tipo != TipoCella::vuota) k.tipo = k.neraSoluzione ? TipoCella::nera : TipoCella::bianca;
        }
    const std::vector<Definizione> orizz = paroleOrizzontali(soluzione), vert = paroleVerticali(soluzione);
    for (ElencoDefinizioni& e : x.elenchi) {
        const bool righe = e.direzione == nomeRighe;
        if (!righe && e.direzione != nomeColonne) continue;
        const auto linee = perLinea(righe ? orizz : vert, righe);
        std::map<int, std::vector<Definizione*>> definizioni;
        for (Definizione& d : e.definizioni) definizioni[std::atoi(d.etichetta.c_str())].push_back(&d);
        for (auto& [linea, ds] : definizioni) {
            const auto it = linee.find(linea);
            const bool pari = it != linee.end() && it->second.size() == ds.size();
            for (size_t i = 0; i < ds.size(); ++i)
                ds[i]->caselle = pari ? it->second[i]->caselle : std::vector<Casella>{};
        }
    }
}

Conversione comeSenzaSchema(const Cruciverba& dato) {
    const Cruciverba x = grigliaSoluzione(dato);
    Cruciverba y = nuovoDa(x);
    ElencoDefinizioni righe{nomeRighe, {}}, colonne{nomeColonne, {}};
    for (auto [elenco, parole, linea] :
         {std::tuple{&righe, paroleOrizzontali(x), true}, {&colonne, paroleVerticali(x), false}})
        for (const auto& [n, ps] : perLinea(parole, linea))
            for (const Definizione* p : ps) {
                const Definizione* d = definizioneDa(x, p->caselle.front(), linea ? Direzione::orizzontale : Direzione::verticale);
                elenco->definizioni.push_back(
                    {std::to_string(n), d ? d->testo : std::string(), p->caselle, d ? d->enumerazione : std::string()});
            }
    y.elenchi = {std::move(righe), std::move(colonne)};
    y.variante = Variante::senzaSchema;
    nascondiSchema(y);
    return {std::move(y), {}};
}

Conversione comeDiagramless(const Cruciverba& dato) {
    const Cruciverba x = grigliaSoluzione(dato);
    Cruciverba y = nuovoDa(x);
    std::vector<ElencoDefinizioni> elenchi;
    for (const ElencoDefinizioni& e : x.elenchi)
        if (e.direzione == nomeOrizzontali || e.direzione == nomeVerticali) elenchi.push_back(e);
    y.elenchi = std::move(elenchi);
    y.variante = Variante::diagramless;
    nascondiSchema(y);
    numeraGiocatore(y);
    return {std::move(y), {}};
}

Conversione comeCrittografato(const Cruciverba& dato, std::uint32_t seme) {
    const Cruciverba x = grigliaSoluzione(dato);
    std::set<std::string> lettere;
    for (const Casella& k : caselleBianche(x)) {
        const std::string& s = x.cella(k).soluzione;
        if (s.empty())
            return {std::nullopt, "Lo schema non ha la soluzione di ogni casella: non può diventare un crittografato."};
        if (lunghezzaLettere(s) != 1)
            return {std::nullopt,
                    "Lo schema ha caselle di più lettere: in un crittografato ogni casella ha una lettera sola."};
        lettere.insert(s);
    }
    // Drawn with the generator's own numbers, which the standard fixes, so a seed gives the
    // same codes everywhere.
    std::mt19937 caso(seme);
    std::vector<int> codici(lettere.size());
    for (size_t i = 0; i < codici.size(); ++i) codici[i] = static_cast<int>(i) + 1;
    for (size_t i = codici.size(); i > 1; --i) std::swap(codici[i - 1], codici[caso() % i]);
    std::map<std::string, int> codice;
    size_t i = 0;
    for (const std::string& l : lettere) codice[l] = codici[i++];
    std::set<std::string> date;
    std::vector<std::string> restanti(lettere.begin(), lettere.end());
    while (date.size() < 2 && !restanti.empty()) {
        const size_t j = caso() % restanti.size();
        date.insert(restanti[j]);
        restanti.erase(restanti.begin() + static_cast<std::ptrdiff_t>(j));
    }
    Cruciverba y = nuovoDa(x);
    for (int r = 1; r <= y.righe(); ++r)
        for (int c = 1; c <= y.colonne(); ++c) {
            Cella& k = y.cella(c, r);
            k.etichetta.clear();
            if (!k.bianca()) continue;
            k.codice = codice[k.soluzione];
            k.data = date.contains(k.soluzione);
            k.voce = k.data ? k.soluzione : std::string();
        }
    y.elenchi = {{nomeOrizzontali, {}}, {nomeVerticali, {}}};
    y.variante = Variante::crittografato;
    return {std::move(y), {}};
}

Conversione comeDaRiempire(const Cruciverba& dato) {
    const Cruciverba x = grigliaSoluzione(dato);
    std::vector<std::string> banca;
    for (const auto& parole : {paroleOrizzontali(x), paroleVerticali(x)})
        for (const Definizione& p : parole) {
            for (const Casella& k : p.caselle)
                if (x.cella(k).soluzione.empty())
                    return {std::nullopt,
                            "Lo schema non ha la soluzione di ogni casella: non può diventare uno schema da riempire."};
            banca.push_back(lettereDi(x, p.caselle));
        }
    std::sort(banca.begin(), banca.end(), [](const std::string& a, const std::string& b) {
        const int la = lunghezzaLettere(a), lb = lunghezzaLettere(b);
        return la != lb ? la < lb : a < b;
    });
    Cruciverba y = nuovoDa(x);
    for (int r = 1; r <= y.righe(); ++r)
        for (int c = 1; c <= y.colonne(); ++c) y.cella(c, r).etichetta.clear();
    y.elenchi = {{nomeOrizzontali, {}}, {nomeVerticali, {}}};
    y.banca = std::move(banca);
    y.variante = Variante::daRiempire;
    return {std::move(y), {}};
}

std::vector<std::string> righeDefinizioni(const Cruciverba& x, const std::string& elenco) {
    std::vector<std::string> righe;
    const ElencoDefinizioni* e = x.elenco(elenco);
    if (!e) return righe;
    std::map<int, std::string> perLinea;
    for (const Definizione& d : e->definizioni) {
        std::string& r = perLinea[std::atoi(d.etichetta.c_str())];
        r += (r.empty() ? "" : " – ") + d.testo;
    }
    for (const auto& [n, testo] : perLinea) righe.push_back(std::to_string(n) + ". " + testo);
    return righe;
}

TabellaChiave tabellaChiave(const Cruciverba& x) {
    TabellaChiave t;
    // Codes run 1..k with k at most the white cells: a larger one is nobody's.
    const std::vector<Casella> bianche = caselleBianche(x);
    const int massimo = static_cast<int>(bianche.size());
    int k = 0;
    for (const Casella& z : bianche)
        if (x.cella(z).codice <= massimo) k = std::max(k, x.cella(z).codice);
    t.codici.resize(static_cast<size_t>(k));
    for (int i = 0; i < k; ++i) t.codici[static_cast<size_t>(i)].codice = i + 1;
    for (const Casella& z : bianche) {
        const Cella& c = x.cella(z);
        if (c.codice < 1 || c.codice > k) continue;
        if (std::string& l = t.codici[static_cast<size_t>(c.codice - 1)].lettera; l.empty()) l = c.voce;
    }
    contaLettereChiave(t);
    return t;
}

std::vector<std::vector<Casella>> celleDeiCodici(const Cruciverba& x, size_t codici) {
    std::vector<std::vector<Casella>> celle(codici);
    for (const Casella& z : caselleBianche(x))
        if (const int c = x.cella(z).codice; c >= 1 && static_cast<size_t>(c) <= codici)
            celle[static_cast<size_t>(c - 1)].push_back(z);
    return celle;
}

void contaLettereChiave(TabellaChiave& t) {
    std::map<std::string, int> volte;
    for (const VoceChiave& v : t.codici)
        if (!v.lettera.empty()) ++volte[v.lettera];
    for (VoceChiave& v : t.codici) v.doppia = !v.lettera.empty() && volte[v.lettera] > 1;
    t.alfabeto.clear();
    for (char l = 'A'; l <= 'Z'; ++l) t.alfabeto.push_back({l, volte.contains(std::string(1, l))});
}

}  // namespace quadrivo
