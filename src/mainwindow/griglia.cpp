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

GeometriaSchema geometriaFinestra(const Stato& s, const AreaFinestra& area) {
    const int C = s.nColonne, R = s.nRighe;
    const double W = area.larghezza, H = area.altezza, T = area.altezzaToolbar, S = area.altezzaStatusBar;
    const int a = intero((W - 2 * 6 - 4) / C);
    const int b = intero((H - T - S - 2 - 2 * 6 - 4) / R);
    GeometriaSchema g;
    g.colonne = C;
    g.righe = R;
    // The outer line lies 3 pixels out, or 2 plus the extra thickness.
    const int bordo = std::max<int>(3, 2 + s.SpessoreBordo);
    for (int L = std::min(a, b);; --L) {
        g.lato = L;
        g.x0 = intero((W - prodotto16(L, C)) / 2);
        g.y0 = intero((T + H - S - 2 - prodotto16(L, R)) / 2);
        // The frame's outer line must land on a pixel of the area: the last one is W - 1.
        const bool entra = g.x0 - bordo >= 0 && g.x0 + prodotto16(L, C) + bordo <= W - 1 && g.y0 - bordo >= T &&
                           g.y0 + prodotto16(L, R) + bordo <= H - S - 1;
        if (entra || L <= 1) break;
    }
    g.puntiLettere = std::max<int>(intero(g.lato / 100.0 * s.AltezzaCaratteri), 6);
    g.puntiNumeri = g.lato / 100.0 * s.AltezzaNumeri;
    return g;
}

std::string disegnaGriglia(Stato& s, Superficie& sup, Piattaforma& piattaforma, const AreaFinestra& area,
                           const DecorazioniGriglia& decorazioni) {
    sup.pulisci();
    s.xGriglia = 6;
    s.yGriglia = 6;
    const std::string titolo = titoloGriglia(s);
    const GeometriaSchema g = geometriaFinestra(s, area);
    s.latoCasella = static_cast<std::int16_t>(g.lato);
    s.xGriglia = static_cast<std::int16_t>(g.x0);
    s.yGriglia = static_cast<std::int16_t>(g.y0);
    numeraGriglia(s);

    // Cells as the lines hold them: a trailing solution without its entry still gets a cell.
    CaselleSchema caselle;
    for (int r = 1; r <= s.nRighe; ++r) {
        const std::string& riga = s.rigaGriglia(r);
        std::vector<CasellaSchema>& fila = caselle.emplace_back();
        for (size_t p = 0; p < riga.size() && p / 2 < maxColonne; p += 2) {
            const int c = static_cast<int>(p / 2) + 1;
            const char voce = p + 1 < riga.size() ? riga[p + 1] : '\0';
            CasellaSchema k;
            if (voce && voce != '.' && voce != '*') k.lettera = voce;
            else if (riga[p] != '*') {
                if (voce == '*') fatale(piattaforma, msgTipoNonValido);
            } else k.nera = true;
            if (r <= maxRighe) {
                k.numero = s.numeroCasella[c][r];
                k.segni = decorazioni.segni[c][r];
            }
            fila.push_back(k);
        }
        // A line shorter than the grid draws no cell there, but its numbers still show.
        for (int c = static_cast<int>(fila.size()) + 1; c <= std::min<int>(s.nColonne, maxColonne) && r <= maxRighe; ++c) {
            CasellaSchema k;
            k.disegnata = false;
            k.numero = s.numeroCasella[c][r];
            fila.push_back(k);
        }
    }

    StileSchema stile;
    stile.nomeCarattere = s.nomeFont;
    stile.cornice = CorniceSchema::finestra;
    stile.lineeCornice = s.SpessoreBordo;
    stile.percentualeRiquadro = s.PercentualeRiquadro;
    stile.distanzaDaCentro = s.DistanzaDaCentro;
    stile.distanzaDaSpigolo = s.DistanzaDaSpigolo;
    stile.lettereNascoste = decorazioni.lettereNascoste;
    disegnaSchema(sup, g, caselle, stile);
    return titolo;
}

}  // namespace quadrivo
