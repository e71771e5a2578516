#include "mainwindow/griglia.h"

#include <algorithm>

#include "model/numeri.h"
#include "model/testo.h"

namespace quadrivo {

namespace {

bool nera(const Stato& s, int c, int r) { return s.letteraSoluzione[c][r] == "*"; }

// Solution letters, cell types and the numbers of the cells that start words.
// `disegna` is called for every numbered cell, in numbering order.
template <typename F>
void numera(Stato& s, F disegna) {
    const int C = s.nColonne, R = s.nRighe;
    int n = 0;
    for (int r = 1; r <= R; ++r) {
        for (int c = 1; c <= C; ++c) {
            s.numeroCasella[c][r] = 0;
            s.parolaSoluzione[c][r][1].clear();
            s.parolaSoluzione[c][r][2].clear();
            if (nera(s, c, r)) {
                s.tipoCasella[c][r] = casellaNera;
                continue;
            }
            s.tipoCasella[c][r] = casellaBianca;
            bool orizz = false, vert = false;
            if (c < C && !nera(s, c + 1, r)) {
                for (int k = c; k <= C && !nera(s, k, r); ++k) s.parolaSoluzione[c][r][1] += s.letteraSoluzione[k][r];
                orizz = c == 1 || nera(s, c - 1, r);
            }
            if (r < R && !nera(s, c, r + 1)) {
                for (int k = r; k <= R && !nera(s, c, k); ++k) s.parolaSoluzione[c][r][2] += s.letteraSoluzione[c][k];
                vert = r == 1 || nera(s, c, r - 1);
            }
            if (orizz) s.tipoCasella[c][r] = inizioOrizzontale;
            if (vert) s.tipoCasella[c][r] = inizioVerticale;
            if (orizz && vert) s.tipoCasella[c][r] = inizioEntrambe;
            if (s.tipoCasella[c][r] > casellaBianca) {
                s.numeroCasella[c][r] = static_cast<std::int16_t>(++n);
                disegna(c, r, n);
            }
        }
    }
}

// Solution letters from the grid lines; each line gives as many cells as it holds.
void leggiSoluzioni(Stato& s) {
    s.letteraSoluzione = {};
    s.tipoCasella = {};
    s.numeroCasella = {};
    for (int r = 1; r <= s.nRighe && r <= maxRighe; ++r) {
        const std::string& riga = s.rigaGriglia(r);
        for (size_t p = 0; p < riga.size() && p / 2 < maxColonne; p += 2)
            s.letteraSoluzione[p / 2 + 1][r] = std::string(1, riga[p]);
    }
}

}  // namespace

std::string titoloGriglia(const Stato& s) {
    return "Quadrivo - Cruciverba " + std::to_string(s.nColonne) + "x" + std::to_string(s.nRighe) + "  " + s.nomeFile;
}

void numeraGriglia(Stato& s) {
    leggiSoluzioni(s);
    numera(s, [](int, int, int) {});
}

std::string disegnaGriglia(Stato& s, Superficie& sup, Piattaforma& piattaforma, const AreaFinestra& area) {
    sup.pulisci();
    s.xGriglia = 6;
    s.yGriglia = 6;
    const std::string titolo = titoloGriglia(s);
    const int C = s.nColonne, R = s.nRighe;
    const double W = area.larghezza, H = area.altezza, T = area.altezzaToolbar, S = area.altezzaStatusBar;

    const int a = intero((W - 2 * 6 - 4) / C);
    const int b = intero((H - T - S - 2 - 2 * 6 - 4) / R);
    const int L = std::min(a, b);
    s.latoCasella = static_cast<std::int16_t>(L);

    sup.impostaNomeCarattere(s.nomeFont);
    sup.impostaDimensione(std::max<int>(intero(L / 100.0 * s.AltezzaCaratteri), 6));

    s.xGriglia = intero((W - prodotto16(L, C)) / 2);
    s.yGriglia = intero((T + H - S - 2 - prodotto16(L, R)) / 2);
    const double x0 = s.xGriglia, y0 = s.yGriglia, GW = prodotto16(L, C), GH = prodotto16(L, R);

    sup.rettangoloPieno(x0 - 2, y0 - 2, x0 + GW + 2, y0 + GH + 2, bianco);
    sup.rettangolo(x0 - 3, y0 - 3, x0 + GW + 3, y0 + GH + 3, rossoScuro);
    for (int i = 1; i <= s.SpessoreBordo; ++i)
        sup.rettangolo(x0 - 2 - i, y0 - 2 - i, x0 + GW + 2 + i, y0 + GH + 2 + i, rossoScuro);

    leggiSoluzioni(s);
    for (int r = 1; r <= R; ++r) {
        const std::string riga = s.rigaGriglia(r);
        for (size_t p = 0; p < riga.size() && p / 2 < maxColonne; p += 2) {
            const int c = static_cast<int>(p / 2) + 1;
            const char soluzione = riga[p];
            const std::string voce = p + 1 < riga.size() ? std::string(1, riga[p + 1]) : std::string();
            const double x1 = x0 + (c - 1) * L, y1 = y0 + (r - 1) * L;
            sup.rettangolo(x1, y1, x1 + L, y1 + L, nero);
            if (voce != "." && voce != "*") {
                const std::string lettera = daWindows1252(voce);
                sup.CurrentX = x1 + L / 2.0 - intero(sup.larghezzaTesto(lettera) / 2);
                sup.CurrentY = y1 + L / 2.0 - intero(sup.altezzaTesto(lettera) / 2) + L * s.DistanzaDaCentro / 100.0;
                sup.stampa(lettera);
            } else if (soluzione != '*') {
                if (voce == "*") fatale(piattaforma, msgTipoNonValido);
            } else {
                const double m = (100 - s.PercentualeRiquadro) / 2.0;
                const double inset = m < 1 ? 1 : L * m / 100;
                sup.rettangoloPieno(x1 + inset, y1 + inset, x1 + L - inset, y1 + L - inset, nero);
            }
        }
    }

    sup.impostaDimensione(L / 100.0 * s.AltezzaNumeri);
    const double o = L * s.DistanzaDaSpigolo / 100.0;
    numera(s, [&](int c, int r, int n) {
        sup.CurrentX = x0 + (c - 1) * L + 2 + o;
        sup.CurrentY = y0 + (r - 1) * L + o;
        sup.stampa(std::to_string(n));
    });
    return titolo;
}

}  // namespace quadrivo
