#pragma once
// The printed page: the puzzle's title, the grid as large as the paper allows and the clue
// lists in columns below it, laid out for the sheet of paper and never for the window. The
// preview draws the very same sheets, scaled onto the main window.
#include <functional>
#include <string>
#include <vector>

#include "model/disegno_schema.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "model/superficie.h"
#include "printing/elenchi.h"

namespace quadrivo {

// A sheet of paper in points (1/72 inch), A4 portrait unless the printer says otherwise.
struct FormatoPagina {
    double larghezza = 595.28, altezza = 841.89;
    double margine = 40;
};

inline constexpr double puntiElenchiMinimi = 9;    // the lists are never smaller
inline constexpr double puntiElenchiMassimi = 12;  // a short list grows up to this to fill the page
inline constexpr double puntiTitolo = 16;

// Where everything goes on the sheets, in points.
struct Impaginazione {
    std::string titolo;
    double puntiTitolo = 0, altoTitolo = 0;
    GeometriaSchema griglia;
    ColonneElenchi elenchi;
    int fogli = 1;
};

// The title at the top of the page: the puzzle's own, or its file name without folder and extension.
std::string titoloPagina(const Stato& stato);

// The layout for one sheet size. Text is measured on `misura` in its current style (bold and
// italic as the job will draw them). Throws ErroreOverflow for a grid without cells.
Impaginazione impagina(const Stato& stato, Superficie& misura, const FormatoPagina& formato, const std::string& data);

// Draws the sheets on `sup`, whose units are the paper's points: title, grid, numbers, lists
// and footer; `nuovoFoglio` ends a sheet and starts the next. Text is measured on `misura`
// (it may be `sup` itself), so every target breaks the lines at the same places. The
// surface's bold flag is the same afterwards. Returns the number of sheets.
int disegnaPagine(const Stato& stato, Superficie& sup, Superficie& misura, const FormatoPagina& formato,
                  const std::string& data, const std::function<void()>& nuovoFoglio);

// The preview's sheets on the window, side by side between the toolbar and the status bar.
struct FoglioAnteprima {
    double x = 0, y = 0, larghezza = 0, altezza = 0;
};
struct PosaAnteprima {
    double scala = 0;  // window pixels per point
    std::vector<FoglioAnteprima> fogli;
};
PosaAnteprima posaAnteprima(const AreaFinestra& area, const FormatoPagina& formato, int fogli);

// The preview: the window cleared, each sheet white with a dark red border and the sheets'
// content drawn by disegnaPagine through a scaling surface. The window's font is the same
// afterwards. Throws ErroreOverflow when nothing fits. Returns the number of sheets.
int disegnaAnteprima(const Stato& stato, Superficie& finestra, Superficie& misura, const AreaFinestra& area,
                     const std::string& data, const FormatoPagina& formato = {});

}  // namespace quadrivo
