#pragma once
// The layout-and-draw pass: cell size and position for the window, cell types, word starts,
// numbers and solution words, and the grid drawn on a surface.
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "model/disegno_schema.h"
#include "model/documento.h"
#include "model/valori_impostazioni.h"
#include "model/superficie.h"

namespace quadrivo {

// The main window's drawing area and the bars that share it with the grid, in pixels.
struct AreaFinestra {
    double larghezza = 0;
    double altezza = 0;
    double altezzaToolbar = 0;
    double altezzaStatusBar = 0;
};

// Cells of margin for the row and column numbers: one in a senza schema, else none.
int margineNumeri(const Cruciverba& cruciverba);

// The grid's place in the window: the largest cell that leaves the margins, shrunk by a pixel
// where rounding up would push the frame past the drawing area. Pure: nothing is stored.
GeometriaSchema geometriaFinestra(const Cruciverba& cruciverba, const ValoriImpostazioni& valori, const AreaFinestra& area);

// Per-cell marks and the paused look for the window's grid; empty draws the plain grid.
struct DecorazioniGriglia {
    std::map<Casella, std::uint8_t> segni;  // SegnoCasella flags
    bool lettereNascoste = false;
    Aspetto aspetto = Aspetto::normale;
    // Ctrl+plus: cells larger than the window allows; the grid then slides to keep `fuoco` in view.
    double zoom = 1;
    std::optional<Casella> fuoco;
    // A grid past the window that the player scrolls: how far it has moved from its top-left
    // corner, in pixels per axis. Without it the grid slides to put `fuoco` in the middle.
    std::optional<std::pair<int, int>> scostamento;
    // With `scostamento`: moved by as little as it takes to show the whole `fuoco` cell.
    bool mostraFuoco = false;
};

// How far a grid past the window scrolls on one axis: from 0 to `massimo` pixels, `pagina`
// of them in view, `valore` where the pass put it. `massimo` 0: the grid fits that way.
struct AsseScorrimento {
    int massimo = 0;
    int pagina = 0;
    int valore = 0;
    friend bool operator==(const AsseScorrimento&, const AsseScorrimento&) = default;
};
struct ScorrimentoGriglia {
    AsseScorrimento orizzontale, verticale;
    friend bool operator==(const ScorrimentoGriglia&, const ScorrimentoGriglia&) = default;
};

// The grid's place for the window with its zoom, its focus and its scroll position: the pass's
// layout without the drawing. `scorrimento`, when given, gets how far the grid can scroll.
GeometriaSchema geometriaGriglia(const Cruciverba& cruciverba, const ValoriImpostazioni& valori, const AreaFinestra& area, const DecorazioniGriglia& decorazioni,
                                 ScorrimentoGriglia* scorrimento = nullptr);
// The window's look of the grid: the settings' proportions, the font, the paused look, the colours.
StileSchema stileGriglia(const ValoriImpostazioni& valori, const DecorazioniGriglia& decorazioni);
// A paused grid's notice, over the middle of the grid.
void disegnaAvvisoPausa(Superficie& superficie, const GeometriaSchema& geometria, const std::string& nomeFont);

// Runs the pass and returns the window caption: lays out and draws the grid (the layout is
// geometriaGriglia's). `scorrimento`, when given, gets how far the grid can scroll.
std::string disegnaGriglia(const Documento& documento, const ValoriImpostazioni& valori, Superficie& superficie, const AreaFinestra& area,
                           const DecorazioniGriglia& decorazioni = {}, ScorrimentoGriglia* scorrimento = nullptr);

// "Quadrivo - Cruciverba 15x10  " + nomeFile
std::string titoloGriglia(const Documento& documento);

}  // namespace quadrivo
