#include "model/griglia.h"

#include <algorithm>

#include "model/impostazioni.h"
#include "model/numeri.h"

namespace quadrivo {

int margineNumeri(const Cruciverba& x) { return x.variante == Variante::senzaSchema ? 1 : 0; }

std::string titoloGriglia(const Documento& d) {
    return "Quadrivo - Cruciverba " + std::to_string(d.cruciverba.colonne()) + "x" +
           std::to_string(d.cruciverba.righe()) + "  " + d.nomeFile;
}

GeometriaSchema geometriaFinestra(const Cruciverba& x, const ValoriImpostazioni& s, const AreaFinestra& area) {
    const int C = x.colonne(), R = x.righe();
    const double W = area.larghezza, H = area.altezza, T = area.altezzaToolbar, S = area.altezzaStatusBar;
    // A senza schema's row and column numbers take one cell's room left and above.
    const int m = margineNumeri(x);
    const int a = intero((W - 2 * 6 - 4) / (C + m));
    const int b = intero((H - T - S - 2 - 2 * 6 - 4) / (R + m));
    GeometriaSchema g;
    g.colonne = C;
    g.righe = R;
    g.margine = m;
    // The outer line lies 3 pixels out, or 2 plus the extra thickness.
    const int bordo = std::max<int>(3, 2 + s.SpessoreBordo);
    for (int L = std::min(a, b);; --L) {
        g.lato = L;
        g.x0 = intero((W - prodotto16(L, C + m)) / 2) + m * L;
        g.y0 = intero((T + H - S - 2 - prodotto16(L, R + m)) / 2) + m * L;
        // The frame's outer line must land on a pixel of the area: the last one is W - 1.
        const bool entra = g.x0 - m * L - bordo >= 0 && g.x0 + prodotto16(L, C) + bordo <= W - 1 && g.y0 - m * L - bordo >= T &&
                           g.y0 + prodotto16(L, R) + bordo <= H - S - 1;
        if (entra || L <= 1) break;
    }
    g.puntiLettere = std::max<int>(intero(g.lato / 100.0 * caratteriDisegno(s)), 6);
    g.puntiNumeri = g.lato / 100.0 * numeriDisegno(s);
    return g;
}

// A paused grid shows no letters; the notice says why, so it never looks like erased answers.
void disegnaAvvisoPausa(Superficie& sup, const GeometriaSchema& g, const std::string& nomeFont) {
    const std::string avviso = "In pausa — premi F6 per continuare";
    const Carattere prima = sup.carattere();
    sup.impostaCarattere({nomeFont, 14, true, false});
    const double w = sup.larghezzaTesto(avviso), h = sup.altezzaTesto(avviso);
    const double cx = g.x0 + g.lato * g.colonne / 2.0, cy = g.y0 + g.lato * g.righe / 2.0;
    const double x1 = intero(cx - w / 2 - h), y1 = intero(cy - h), x2 = intero(cx + w / 2 + h), y2 = intero(cy + h);
    sup.rettangoloPieno(x1, y1, x2, y2, bianco);
    sup.rettangolo(x1, y1, x2, y2, nero);
    sup.coloreTesto = nero;
    sup.disegnaTesto(intero(cx - w / 2), intero(cy - h / 2), avviso);
    sup.impostaCarattere(prima);
}

namespace {

// Below this side a cell's letter cannot be read: a big grid then grows past the window.
constexpr int latoLeggibile = 24;

// Zoomed, or too big for the window to show readable cells, the grid grows past the window.
// Without a scroll position it slides so that the focus cell's centre is as near the middle as
// the grid's edges allow; with one it sits there, moved as little as needed to show the focus.
ScorrimentoGriglia ingrandisci(GeometriaSchema& g, const ValoriImpostazioni& s, const AreaFinestra& area,
                               const DecorazioniGriglia& d) {
    ScorrimentoGriglia uscita;
    if (g.lato <= 0) return uscita;
    const double zoom = std::max(d.zoom, static_cast<double>(latoLeggibile) / g.lato);
    if (zoom <= 1) return uscita;
    const int L = intero(g.lato * zoom);
    g.lato = L;
    g.puntiLettere = std::max<int>(intero(L / 100.0 * caratteriDisegno(s)), 6);
    g.puntiNumeri = L / 100.0 * numeriDisegno(s);
    const Casella k = d.fuoco.value_or(Casella{(g.colonne + 1) / 2, (g.righe + 1) / 2});
    const auto asse = [&](double inizio, double fine, int celle, int cella, std::optional<int> chiesto,
                          AsseScorrimento& a) -> int {
        const double lungo = double(L) * celle;
        if (lungo <= fine - inizio - 12) return intero(inizio + (fine - inizio - lungo) / 2);
        int v = 0;
        if (chiesto) {
            // 6 pixels of margin at both ends, as the grid had when it fitted.
            const int vista = static_cast<int>(fine - inizio) - 12;
            a.massimo = static_cast<int>(lungo) - vista;
            a.pagina = vista;
            int su = *chiesto;
            if (d.mostraFuoco && d.fuoco) {
                su = std::min(su, (cella - 1) * L);
                su = std::max(su, cella * L - vista);
            }
            a.valore = std::clamp(su, 0, a.massimo);
            v = intero(inizio + 6 - a.valore);
        } else {
            const double x = (inizio + fine) / 2 - (cella - 0.5) * L;
            v = intero(std::clamp(x, fine - 6 - lungo, inizio + 6));
        }
        return v == 0 ? 1 : v;  // 0 reads as "no grid drawn" to the pointer's code
    };
    const auto chiesto = [&](bool x) -> std::optional<int> {
        if (!d.scostamento) return std::nullopt;
        return x ? d.scostamento->first : d.scostamento->second;
    };
    // The margins scroll with the grid, as one more column and row before the first.
    const int m = g.margine;
    g.x0 = asse(0, area.larghezza, g.colonne + m, k.colonna + m, chiesto(true), uscita.orizzontale) + m * L;
    g.y0 = asse(area.altezzaToolbar, area.altezza - area.altezzaStatusBar, g.righe + m, k.riga + m, chiesto(false),
                uscita.verticale) + m * L;
    return uscita;
}

}  // namespace

GeometriaSchema geometriaGriglia(const Cruciverba& x, const ValoriImpostazioni& s, const AreaFinestra& area,
                                 const DecorazioniGriglia& decorazioni, ScorrimentoGriglia* scorrimento) {
    GeometriaSchema g = geometriaFinestra(x, s, area);
    const ScorrimentoGriglia scorre = ingrandisci(g, s, area, decorazioni);
    if (scorrimento) *scorrimento = scorre;
    return g;
}

StileSchema stileGriglia(const ValoriImpostazioni& s, const DecorazioniGriglia& decorazioni) {
    StileSchema stile;
    stile.nomeCarattere = s.nomeFont;
    stile.cornice = CorniceSchema::finestra;
    stile.lineeCornice = s.SpessoreBordo;
    stile.percentualeRiquadro = riquadroDisegno(s);
    stile.distanzaDaCentro = s.DistanzaDaCentro;
    stile.distanzaDaSpigolo = s.DistanzaDaSpigolo;
    stile.lettereNascoste = decorazioni.lettereNascoste;
    applicaAspetto(stile, decorazioni.aspetto);
    return stile;
}

std::string disegnaGriglia(const Documento& d, const ValoriImpostazioni& s, Superficie& sup, const AreaFinestra& area, const DecorazioniGriglia& decorazioni,
                           ScorrimentoGriglia* scorrimento) {
    sup.pulisci();
    const std::string titolo = titoloGriglia(d);
    const GeometriaSchema g = geometriaGriglia(d.cruciverba, s, area, decorazioni, scorrimento);
    CaselleSchema caselle = caselleDi(d.cruciverba);
    for (const auto& [k, segni] : decorazioni.segni)
        if (d.cruciverba.dentro(k)) caselle[static_cast<size_t>(k.riga - 1)][static_cast<size_t>(k.colonna - 1)].segni = segni;
    disegnaSchema(sup, g, caselle, stileGriglia(s, decorazioni));
    if (decorazioni.lettereNascoste) disegnaAvvisoPausa(sup, g, s.nomeFont);
    return titolo;
}

}  // namespace quadrivo
