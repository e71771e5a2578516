#pragma once
// The layout-and-draw pass: cell size and position for the window, cell types, word starts,
// numbers and solution words, and the grid drawn on a surface.
#include <map>
#include <optional>
#include <string>

#include "model/disegno_schema.h"
#include "model/stato.h"
#include "model/superficie.h"

namespace quadrivo {

// The main window's drawing area and the bars that share it with the grid, in pixels.
struct AreaFinestra {
    double larghezza = 0;
    double altezza = 0;
    double altezzaToolbar = 0;
    double altezzaStatusBar = 0;
};

// The grid's place in the window: the largest cell that leaves the margins, shrunk by a pixel
// where rounding up would push the frame past the drawing area. Pure: nothing is stored.
GeometriaSchema geometriaFinestra(const Stato& stato, const AreaFinestra& area);

// Per-cell marks and the paused look for the window's grid; empty draws the plain grid.
struct DecorazioniGriglia {
    std::map<Casella, std::uint8_t> segni;  // SegnoCasella flags
    bool lettereNascoste = false;
    Aspetto aspetto = Aspetto::normale;
    // Ctrl+plus: cells larger than the window allows; the grid then slides to keep `fuoco` in view.
    double zoom = 1;
    std::optional<Casella> fuoco;
};

// Runs the pass and returns the window caption: stores latoCasella, xGriglia and yGriglia and
// draws the grid.
std::string disegnaGriglia(Stato& stato, Superficie& superficie, const AreaFinestra& area,
                           const DecorazioniGriglia& decorazioni = {});

// "Quadrivo - Cruciverba 15x10  " + nomeFile
std::string titoloGriglia(const Stato& stato);

}  // namespace quadrivo
