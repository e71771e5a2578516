#pragma once
// The layout-and-draw pass: cell size and position for the window, cell types, word starts,
// numbers and solution words, and the grid drawn on a surface.
#include <string>

#include "model/disegno_schema.h"
#include "model/piattaforma.h"
#include "model/stato.h"
#include "model/superficie.h"

namespace quadrivo {

inline constexpr const char* msgTipoNonValido = "Tipo di file non valido: Esecuzione terminata!";

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
    PerCasella<std::uint8_t> segni{};  // SegnoCasella flags by [column][row]
    bool lettereNascoste = false;
};

// Runs the pass and returns the window caption: stores latoCasella, xGriglia and yGriglia,
// the derived arrays, and draws the grid. A white cell with a "*" entry ends the program with
// its message.
std::string disegnaGriglia(Stato& stato, Superficie& superficie, Piattaforma& piattaforma, const AreaFinestra& area,
                           const DecorazioniGriglia& decorazioni = {});

// The derived arrays alone (types, numbers, solution words), without drawing.
void numeraGriglia(Stato& stato);

// "Quadrivo - Cruciverba 15x10  " + nomeFile
std::string titoloGriglia(const Stato& stato);

}  // namespace quadrivo
