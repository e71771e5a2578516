#include "model/cruciverba.h"

#include <algorithm>
#include <map>

namespace quadrivo {

Cruciverba::Cruciverba(int colonne, int righe) {
    if (colonne < 1 || righe < 1 || colonne > maxLatoCruciverba || righe > maxLatoCruciverba) return;
    colonne_ = colonne;
    righe_ = righe;
    celle_.resize(static_cast<size_t>(colonne) * static_cast<size_t>(righe));
}

const ElencoDefinizioni* Cruciverba::elenco(const std::string& direzione) const {
    for (const ElencoDefinizioni& e : elenchi)
        if (e.direzione == direzione) return &e;
    return nullptr;
}

bool confine(const Cruciverba& x, Casella a, Casella b) {
    if (!x.bianca(b.colonna, b.riga) || !x.bianca(a.colonna, a.riga)) return true;
    const bool orizz = b.riga == a.riga;
    const std::uint8_t uscita = orizz ? barraDestra : barraSotto, entrata = orizz ? barraSinistra : barraSopra;
    return (x.cella(a).barre & uscita) || (x.cella(b).barre & entrata);
}

namespace {

std::vector<Definizione> parole(const Cruciverba& x, int dc, int dr) {
    std::vector<Definizione> out;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            if (!x.bianca(c, r) || !confine(x, {c - dc, r - dr}, {c, r})) continue;
            Definizione d;
            for (Casella k{c, r};; k = {k.colonna + dc, k.riga + dr}) {
                d.caselle.push_back(k);
                if (confine(x, k, {k.colonna + dc, k.riga + dr})) break;
            }
            if (d.caselle.size() >= 2) out.push_back(std::move(d));
        }
    return out;
}

}  // namespace

std::vector<Definizione> paroleOrizzontali(const Cruciverba& x) { return parole(x, 1, 0); }
std::vector<Definizione> paroleVerticali(const Cruciverba& x) { return parole(x, 0, 1); }

void numeraStandard(Cruciverba& x) {
    std::vector<Definizione> orizz = paroleOrizzontali(x), vert = paroleVerticali(x);
    std::map<Casella, int> inizi;
    for (const auto* lista : {&orizz, &vert})
        for (const Definizione& d : *lista) inizi[d.caselle.front()] = 0;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) x.cella(c, r).etichetta.clear();
    // The map orders by column first; numbers go in reading order, row by row.
    std::vector<Casella> ordine;
    for (const auto& [k, n] : inizi) ordine.push_back(k);
    std::sort(ordine.begin(), ordine.end(), [](Casella a, Casella b) {
        return a.riga != b.riga ? a.riga < b.riga : a.colonna < b.colonna;
    });
    int n = 0;
    for (Casella k : ordine) {
        inizi[k] = ++n;
        x.cella(k).etichetta = std::to_string(n);
    }
    auto rinnova = [&](const char* nome, std::vector<Definizione>& nuove) {
        std::map<Casella, Definizione> vecchie;
        if (const ElencoDefinizioni* e = x.elenco(nome))
            for (const Definizione& d : e->definizioni)
                if (!d.caselle.empty()) vecchie[d.caselle.front()] = d;
        for (Definizione& d : nuove) {
            d.etichetta = std::to_string(inizi[d.caselle.front()]);
            if (auto it = vecchie.find(d.caselle.front()); it != vecchie.end()) {
                d.testo = it->second.testo;
                d.enumerazione = it->second.enumerazione;
            }
        }
        return ElencoDefinizioni{nome, std::move(nuove)};
    };
    std::vector<ElencoDefinizioni> elenchi{rinnova(nomeOrizzontali, orizz), rinnova(nomeVerticali, vert)};
    for (ElencoDefinizioni& e : x.elenchi)
        if (e.direzione != nomeOrizzontali && e.direzione != nomeVerticali) elenchi.push_back(std::move(e));
    x.elenchi = std::move(elenchi);
}

const Definizione* definizioneDa(const Cruciverba& x, Casella k, Direzione d) {
    const int n = numeroElenco(d);
    if (n < 1 || static_cast<size_t>(n) > x.elenchi.size()) return nullptr;
    for (const Definizione& w : x.elenchi[static_cast<size_t>(n - 1)].definizioni)
        if (!w.caselle.empty() && w.caselle.front() == k) return &w;
    return nullptr;
}

Definizione* definizioneDa(Cruciverba& x, Casella k, Direzione d) {
    return const_cast<Definizione*>(definizioneDa(static_cast<const Cruciverba&>(x), k, d));
}

std::string voceDefinizione(const std::string& etichetta, const std::string& testo) {
    return etichetta + " " + (testo.empty() ? std::string(30, '_') : testo) + " ";
}

std::vector<Casella> caselleBianche(const Cruciverba& x) {
    std::vector<Casella> out;
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c)
            if (x.bianca(c, r)) out.push_back({c, r});
    return out;
}

FuoriSchema fuoriSchema(const Cruciverba& x) { return x.datiFormato ? x.datiFormato->fuoriSchema() : FuoriSchema{}; }

bool controllabile(const Cella& k) { return !(k.data && k.soluzione.empty()); }

bool risolto(const Cruciverba& x) {
    // Without its diagram the grid is right when its black squares are too.
    if (x.variante == Variante::senzaSchema || x.variante == Variante::diagramless) {
        for (int r = 1; r <= x.righe(); ++r)
            for (int c = 1; c <= x.colonne(); ++c) {
                const Cella& z = x.cella(c, r);
                if (z.tipo == TipoCella::vuota || !controllabile(z)) continue;
                if ((z.tipo == TipoCella::nera) != z.neraSoluzione) return false;
                if (z.bianca() && (z.soluzione.empty() || z.voce != z.soluzione)) return false;
            }
        return true;
    }
    for (Casella k : caselleBianche(x)) {
        const Cella& z = x.cella(k);
        if (controllabile(z) && (z.soluzione.empty() || z.voce != z.soluzione)) return false;
    }
    return fuoriSchema(x).differenze == 0;
}

}  // namespace quadrivo
