#include "model/disegno_schema.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "model/numeri.h"

namespace quadrivo {

namespace {

// The current cell's outline: thicker in larger cells.
int spessoreCasella(double L) { return L < 20 ? 1 : L < 48 ? 2 : 3; }

void disegnaCornice(Superficie& sup, const GeometriaSchema& g, const StileSchema& st) {
    const double x0 = g.x0, y0 = g.y0, x1 = x0 + prodotto16(g.lato, g.colonne), y1 = y0 + prodotto16(g.lato, g.righe);
    switch (st.cornice) {
    case CorniceSchema::nessuna: return;
    case CorniceSchema::finestra:
        sup.rettangoloPieno(x0 - 2, y0 - 2, x1 + 2, y1 + 2, st.coloreCarta);
        sup.rettangolo(x0 - 3, y0 - 3, x1 + 3, y1 + 3, rossoScuro);
        for (int i = 1; i <= st.lineeCornice; ++i) sup.rettangolo(x0 - 2 - i, y0 - 2 - i, x1 + 2 + i, y1 + 2 + i, rossoScuro);
        return;
    case CorniceSchema::pagina: {
        const double f = st.distanzaCornice;
        sup.rettangolo(x0 - f, y0 - f, x1 + f, y1 + f, nero);
        return;
    }
    }
}

// A wrong cell's stroke from the bottom-left to the top-right corner, built from small squares
// since surfaces draw no lines.
void disegnaTratto(Superficie& sup, double x, double y, double L, const StileSchema& st) {
    const double t = std::max(2.0, L / 14);
    for (double k = 2; k + t <= L - 2; k += 1)
        sup.rettangoloPieno(x + k, y + L - k - t, x + k + t, y + L - k, st.coloreSbagliata);
}

// The marks under the letter: the word's tint fills the cell, the current cell gets an inner
// fill and outline, a wrong letter a red diagonal stroke, a revealed one a small square in the
// top-right corner.
void disegnaSegni(Superficie& sup, double x, double y, double L, std::uint8_t segni, const StileSchema& st) {
    if (segni & segnoParolaCorrente) sup.rettangoloPieno(x + 1, y + 1, x + L - 1, y + L - 1, st.coloreParola);
    if (segni & segnoCasellaCorrente) {
        // Yellow on the word's light blue, and a thick outline: told apart by shape, not by hue alone.
        sup.rettangoloPieno(x + 1, y + 1, x + L - 1, y + L - 1, st.coloreFondoCasella);
        const int spessore = spessoreCasella(L);
        for (int i = 0; i < spessore; ++i)
            sup.rettangolo(x + 2 + i, y + 2 + i, x + L - 2 - i, y + L - 2 - i, st.coloreCasella);
    }
    const double d = L < 10 ? 2 : L / 5;
    if (segni & segnoLetteraSbagliata) disegnaTratto(sup, x, y, L, st);
    if (segni & segnoLetteraRivelata) sup.rettangoloPieno(x + L - 1 - d, y + 1, x + L - 1, y + 1 + d, st.coloreRivelata);
}

// A senza schema's row numbers left of the grid and column numbers above it, each centred in
// the margin beside its row or column.
void disegnaMargini(Superficie& sup, const GeometriaSchema& g, const StileSchema& st) {
    if (g.margine <= 0 || g.lato <= 0) return;
    const double L = g.lato, m = L * g.margine;
    const double punti = sup.carattere().dimensione;
    sup.impostaDimensione(std::max(g.puntiNumeri * 1.4, g.puntiLettere * 0.6));
    sup.coloreTesto = st.coloreInchiostro;
    const auto scrivi = [&](double cx, double cy, const std::string& n) {
        sup.CurrentX = cx - sup.larghezzaTesto(n) / 2;
        sup.CurrentY = cy - sup.altezzaTesto(n) / 2;
        sup.stampa(n);
    };
    for (int r = 1; r <= g.righe; ++r) scrivi(g.x0 - m / 2, g.y0 + (r - 0.5) * L, std::to_string(r));
    for (int c = 1; c <= g.colonne; ++c) scrivi(g.x0 + (c - 0.5) * L, g.y0 - m / 2, std::to_string(c));
    sup.impostaDimensione(punti);
}

bool piuLettere(const std::string& s) {
    return std::count_if(s.begin(), s.end(), [](char b) { return (static_cast<unsigned char>(b) & 0xc0) != 0x80; }) > 1;
}

}  // namespace

CasellaSchema casellaDi(const Cella& z) {
    CasellaSchema k;
    k.disegnata = z.tipo != TipoCella::vuota;
    k.nera = z.tipo == TipoCella::nera;
    if (z.bianca()) {
        k.lettera = z.voce, k.numero = z.etichetta, k.matita = z.matita && !z.voce.empty();
        if (k.numero.empty() && z.codice > 0) k.numero = std::to_string(z.codice);
        k.data = z.data && !z.voce.empty();
        k.barre = z.barre, k.cerchio = z.cerchio;
        if (z.colore.size() == 7 && z.colore[0] == '#') {
            const unsigned long rgb = std::strtoul(z.colore.c_str() + 1, nullptr, 16);
            k.fondo = Colore{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                             static_cast<std::uint8_t>(rgb)};
        } else if (z.ombreggiata) {
            k.fondo = StileSchema{}.coloreOmbreggiata;
        }
    }
    return k;
}

CaselleSchema caselleDi(const Cruciverba& x) {
    CaselleSchema caselle(static_cast<size_t>(x.righe()));
    for (auto& fila : caselle) fila.reserve(static_cast<size_t>(x.colonne()));
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) caselle[static_cast<size_t>(r - 1)].push_back(casellaDi(x.cella(c, r)));
    return caselle;
}

namespace {

// The colour a cell shows under its letter: the current cell's, the word's, its own or the paper.
Colore fondoCasella(const CasellaSchema& k, const StileSchema& st) {
    if (k.segni & segnoCasellaCorrente) return st.coloreFondoCasella;
    if (k.segni & segnoParolaCorrente) return st.coloreParola;
    if (k.fondo) return *k.fondo == StileSchema{}.coloreOmbreggiata ? st.coloreOmbreggiata : *k.fondo;
    return st.coloreCarta;
}

}  // namespace

RettangoloSchema spazioNumero(const GeometriaSchema& g, const StileSchema& st, int colonna, int riga,
                              double larghezza, double altezza, std::uint8_t segni) {
    const double L = g.lato, o = L / 100 * st.distanzaDaSpigolo;
    const double x = g.x0 + colonna * L, y = g.y0 + riga * L;
    // Inside the cell's outline, and inside the current cell's thick one.
    const double dentro = (segni & segnoCasellaCorrente) ? 2 + spessoreCasella(L) : 1;
    const double nx = x + st.spostamentoNumero + o, ny = y + o;
    return {std::max(nx - 1, x + dentro), std::max(ny, y + dentro), std::min(nx + larghezza + 1, x + L - dentro),
            std::min(ny + altezza, y + L - dentro)};
}

void disegnaSchema(Superficie& sup, const GeometriaSchema& g, const CaselleSchema& caselle, const StileSchema& st) {
    const double L = g.lato;
    disegnaCornice(sup, g, st);
    sup.coloreTesto = st.coloreInchiostro;
    sup.impostaNomeCarattere(st.nomeCarattere);
    // A circle passes through the corner where the number goes: the number gets the cell's own
    // colour behind it, laid over the circle and under the letter. Measured first, in its font.
    std::vector<std::vector<std::pair<double, double>>> numeriCerchiati;
    if (st.numeri)
        for (size_t r = 0; r < caselle.size(); ++r)
            for (size_t c = 0; c < caselle[r].size(); ++c) {
                const CasellaSchema& k = caselle[r][c];
                if (!k.cerchio || k.numero.empty() || !k.disegnata) continue;
                if (numeriCerchiati.empty()) {
                    numeriCerchiati.resize(caselle.size());
                    sup.impostaDimensione(g.puntiNumeri);
                }
                numeriCerchiati[r].resize(caselle[r].size());
                numeriCerchiati[r][c] = {sup.larghezzaTesto(k.numero), sup.altezzaTesto(k.numero)};
            }
    sup.impostaDimensione(g.puntiLettere);
    for (size_t r = 0; r < caselle.size(); ++r)
        for (size_t c = 0; c < caselle[r].size(); ++c) {
            const CasellaSchema& k = caselle[r][c];
            if (!k.disegnata) continue;
            const double x = g.x0 + static_cast<double>(c) * L, y = g.y0 + static_cast<double>(r) * L;
            sup.rettangolo(x, y, x + L, y + L, st.coloreLinee);
            // Shading follows the look; a file's own colour stays as the file gives it.
            if (k.fondo)
                sup.rettangoloPieno(x + 1, y + 1, x + L - 1, y + L - 1,
                                    *k.fondo == StileSchema{}.coloreOmbreggiata ? st.coloreOmbreggiata : *k.fondo);
            if (k.segni) disegnaSegni(sup, x, y, L, k.segni, st);
            if (k.cerchio) {
                sup.ellisse(x + L * 0.06, y + L * 0.06, x + L * 0.94, y + L * 0.94, st.coloreLinee);
                if (r < numeriCerchiati.size() && c < numeriCerchiati[r].size() && !k.nera) {
                    const auto [w, h] = numeriCerchiati[r][c];
                    const RettangoloSchema n =
                        spazioNumero(g, st, static_cast<int>(c), static_cast<int>(r), w, h, k.segni);
                    if (n.x2 > n.x1 && n.y2 > n.y1) sup.rettangoloPieno(n.x1, n.y1, n.x2, n.y2, fondoCasella(k, st));
                }
            }
            if (k.nera) {
                const double m = (100 - st.percentualeRiquadro) / 2.0;
                const double inset = m < 1 ? 1 : L * m / 100;
                sup.rettangoloPieno(x + inset, y + inset, x + L - inset, y + L - inset, st.coloreNere);
                // A black square placed wrong shows its stroke over the black, as a letter's would.
                if (k.segni & segnoLetteraSbagliata) disegnaTratto(sup, x, y, L, st);
            } else if (!k.lettera.empty() && !st.lettereNascoste) {
                const std::string& lettera = k.lettera;
                if (k.matita) sup.impostaDimensione(g.puntiLettere * 0.7), sup.coloreTesto = st.coloreMatita;
                const Carattere carattere = sup.carattere();
                if (k.data) sup.impostaCarattere({carattere.nome, carattere.dimensione, true, carattere.corsivo});
                double tw = sup.larghezzaTesto(lettera) / 2, th = sup.altezzaTesto(lettera) / 2;
                // Several letters shrink to fit the cell.
                const double punti = sup.carattere().dimensione;
                if (piuLettere(lettera) && tw * 2 > L * 0.86) {
                    sup.impostaDimensione(std::max(1.0, punti * L * 0.86 / (tw * 2)));
                    tw = sup.larghezzaTesto(lettera) / 2, th = sup.altezzaTesto(lettera) / 2;
                }
                if (st.mezziInteri) tw = intero(tw), th = intero(th);
                const double cx = st.centroIntero ? intero(x + L / 2) : x + L / 2;
                const double cy = st.centroIntero ? intero(y + L / 2) : y + L / 2;
                sup.CurrentX = cx - tw + st.spostamentoLettera;
                sup.CurrentY = cy - th + L / 100 / st.divisoreCentro * st.distanzaDaCentro;
                sup.stampa(lettera);
                if (k.data) sup.impostaCarattere(carattere);
                if (sup.carattere().dimensione != punti) sup.impostaDimensione(punti);
                if (k.matita) sup.impostaDimensione(g.puntiLettere), sup.coloreTesto = st.coloreInchiostro;
            }
        }
    // Bars over the outlines, once every cell is down: a neighbour's outline never covers them.
    const double t = std::clamp(L / 14, 2.0, 6.0);
    for (size_t r = 0; r < caselle.size(); ++r)
        for (size_t c = 0; c < caselle[r].size(); ++c) {
            const std::uint8_t b = caselle[r][c].barre;
            if (!b || !caselle[r][c].disegnata) continue;
            const double x = g.x0 + static_cast<double>(c) * L, y = g.y0 + static_cast<double>(r) * L;
            if (b & barraSopra) sup.rettangoloPieno(x, y - t / 2, x + L, y + t / 2, st.coloreLinee);
            if (b & barraSotto) sup.rettangoloPieno(x, y + L - t / 2, x + L, y + L + t / 2, st.coloreLinee);
            if (b & barraSinistra) sup.rettangoloPieno(x - t / 2, y, x + t / 2, y + L, st.coloreLinee);
            if (b & barraDestra) sup.rettangoloPieno(x + L - t / 2, y, x + L + t / 2, y + L, st.coloreLinee);
        }
    disegnaMargini(sup, g, st);
    if (!st.numeri) return;
    sup.impostaDimensione(g.puntiNumeri);
    const double o = L / 100 * st.distanzaDaSpigolo;
    for (size_t r = 0; r < caselle.size(); ++r)
        for (size_t c = 0; c < caselle[r].size(); ++c) {
            if (caselle[r][c].numero.empty()) continue;
            sup.CurrentX = g.x0 + static_cast<double>(c) * L + st.spostamentoNumero + o;
            sup.CurrentY = g.y0 + static_cast<double>(r) * L + o;
            sup.stampa(caselle[r][c].numero);
        }
}

void applicaAspetto(StileSchema& st, Aspetto aspetto) {
    switch (aspetto) {
    case Aspetto::normale: return;
    case Aspetto::altoContrasto:
        // Black on white with loud marks: a yellow word, an orange cell, a black outline.
        st.coloreParola = {255, 255, 0}, st.coloreFondoCasella = {255, 150, 0}, st.coloreCasella = nero;
        st.coloreMatita = {70, 70, 70}, st.coloreSbagliata = {200, 0, 0}, st.coloreRivelata = {0, 110, 0};
        return;
    case Aspetto::scuro:
        // Cells light enough for black squares to stand 3:1 apart, letters still 5:1 on them.
        st.coloreCarta = {92, 92, 98}, st.coloreLinee = {165, 165, 170}, st.coloreNere = nero;
        st.coloreInchiostro = {235, 235, 235}, st.coloreParola = {40, 70, 110}, st.coloreFondoCasella = {120, 95, 20};
        st.coloreCasella = {255, 210, 80}, st.coloreMatita = {165, 165, 165}, st.coloreSbagliata = {255, 90, 90};
        st.coloreRivelata = {90, 200, 90}, st.coloreOmbreggiata = {130, 130, 136};
        return;
    }
}

}  // namespace quadrivo
