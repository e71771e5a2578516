#pragma once
// The layout-and-draw pass: cell size and position for the window, cell types, word starts,
// numbers and solution words, and the grid drawn on a surface.
#include <string>

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

// Runs the pass and returns the window caption. A white cell with a "*" entry ends the
// program with its message.
std::string disegnaGriglia(Stato& stato, Superficie& superficie, Piattaforma& piattaforma, const AreaFinestra& area);

// The derived arrays alone (types, numbers, solution words), without drawing.
void numeraGriglia(Stato& stato);

// "Quadrivo - Cruciverba 15x10  " + nomeFile
std::string titoloGriglia(const Stato& stato);

}  // namespace quadrivo
