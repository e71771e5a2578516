#pragma once
// Entering words: the route a button press takes.
#include <string>

#include "model/piattaforma.h"
#include "model/valori_impostazioni.h"
#include "solving/navigazione.h"
#include "solving/passaggio.h"

namespace quadrivo {

inline constexpr int pulsanteSinistro = 1;
inline constexpr int pulsanteDestro = 2;
inline constexpr int pulsanteCentrale = 4;

enum class Via { digitazione, dialogo };

// Typing into the grid for the left button, the dialog for the right one; the old-mode option
// (`tastoSinistro`) swaps them. The middle button always opens the dialog.
Via viaPerPulsante(int pulsante, bool tastoSinistro);

enum class EsitoClic {
    fuori,          // outside the grid: the default pointer is set
    inattiva,       // no grid shown: only the toolbar is repainted
    nessunaParola,  // no word starts under the pointer: toolbar repainted
    digitazione,    // the grid cursor, which the window places itself
    dialogo,        // the word-entry dialog
};

// A press at (X, Y) on the grid laid out as `griglia`, with `modo` shown: for a word start,
// `parola` gets its cell and direction. `hover` is the direction the pointer shows at that moment.
EsitoClic decidiClic(const Cruciverba& cruciverba, const ValoriImpostazioni& valori, const GeometriaSchema& griglia, ModoVista modo,
                     int pulsante, double X, double Y, Direzione hover, Posizione& parola);

}  // namespace quadrivo
