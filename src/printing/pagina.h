#pragma once
// The printed page and its preview: grid, numbers and the text block, drawn by the same
// steps on the printer page and on the main window with the constants of each.
#include <string>

#include "model/griglia.h"
#include "model/stato.h"
#include "model/superficie.h"
#include "printing/elenchi.h"

namespace quadrivo {

// Where the preview's page is full: the rest of the text goes on a further sheet.
inline constexpr const char* msgSegueAnteprima = "segue sul foglio successivo ...";

// Everything one job computes about its page, in the surface's units.
struct GeometriaPagina {
    TipoPagina tipo = TipoPagina::stampante;
    double larghezza = 0, altezza = 0;  // the surface's ScaleWidth and ScaleHeight
    int cw = 0, ch = 0, s = 0;          // cell side by width, by height, and the one used
    int gx = 0, gy = 0;                 // grid's left and top edge
    int altezzaPagina = 0, sinistraPagina = 0;  // preview only: the white page rectangle
    double puntiLettere = 0, puntiNumeri = 0, puntiElenchi = 0;
    int margineElenchi = 0;   // x0 of the lists
    double limiteDestro = 0;  // lines of the lists wrap before passing it
    int inizioElenchi = 0;    // y of the first heading
};

// The printer page: its unit system follows the main window's client area at this moment.
// Throws ErroreOverflow when the sizes leave the 16-bit range (an empty grid, say).
GeometriaPagina geometriaStampa(const Stato& stato, const AreaFinestra& finestra);
// The preview on the main window's client area.
GeometriaPagina geometriaAnteprima(const Stato& stato, const AreaFinestra& finestra);

// The whole page on the printer surface: unit system, grid, numbers, lists and footer. The
// surface's bold flag is the same afterwards. With `salto` the lists continue on further
// sheets instead of running off the bottom. Ending the document is the caller's.
void disegnaStampa(const Stato& stato, Superficie& stampante, const AreaFinestra& finestra, const std::string& data,
                   const SaltoPagina* salto = nullptr);

// The preview on the window's surface: cleared, the white page with its dark red border,
// grid, numbers, lists and footer. Text that would pass the page's bottom is not drawn; a
// line at the bottom says the text goes on. The surface's bold flag is the same afterwards.
void disegnaAnteprima(const Stato& stato, Superficie& finestra, const AreaFinestra& area, const std::string& data);

}  // namespace quadrivo
