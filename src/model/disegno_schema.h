#pragma once
// The grid's one painter: cells, black squares, letters, numbers and frame, drawn the same way
// on the window, the printed page, the print preview and the open dialog's preview. Each caller
// computes a geometry (the layout step) and the cells, then hands both to disegnaSchema with a
// style holding what truly differs between the targets.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/cruciverba.h"
#include "model/superficie.h"

namespace quadrivo {

// Where the grid goes, in the surface's units.
struct GeometriaSchema {
    int colonne = 0, righe = 0;  // the frame's extent in cells
    int lato = 0;                // cell side
    int x0 = 0, y0 = 0;          // top-left corner of the first cell
    double puntiLettere = 0, puntiNumeri = 0;
    // Cells of room left of and above the grid, where a senza schema numbers its rows and
    // columns; the first cell's corner is that far in.
    int margine = 0;
    friend bool operator==(const GeometriaSchema&, const GeometriaSchema&) = default;
};

// Extra marks a cell may carry; all off by default, so a plain grid looks as it always did.
enum SegnoCasella : std::uint8_t {
    segnoParolaCorrente = 1,    // tint of the word being typed
    segnoCasellaCorrente = 2,   // outline of the cell being typed
    segnoLetteraSbagliata = 4,  // diagonal stroke under a letter the check found wrong, over a black square
    segnoLetteraRivelata = 8,   // corner mark of a letter the program gave away
};

struct CasellaSchema {
    bool disegnata = true;  // false: a place holder that can still carry a number
    bool nera = false;
    std::string lettera;    // the letters shown; "" for none
    std::string numero;     // the label in the corner; "" for none
    std::uint8_t segni = 0; // SegnoCasella flags
    bool matita = false;    // the letters are a guess: lighter and smaller
    bool data = false;      // the letter is the puzzle's own, printed: in bold
    std::uint8_t barre = 0; // BarraCella flags: thick borders
    bool cerchio = false;
    std::optional<Colore> fondo{};  // shading or the file's colour under the marks
};

// Rows top to bottom, cells left to right; a row may hold more cells than the frame spans.
using CaselleSchema = std::vector<std::vector<CasellaSchema>>;

enum class CorniceSchema {
    nessuna,
    finestra,  // white margin and a dark red line, thickened by lineeCornice more lines
    pagina,    // one black line at distanzaCornice from the cells
};

struct StileSchema {
    std::string nomeCarattere = "Arial";
    CorniceSchema cornice = CorniceSchema::nessuna;
    double distanzaCornice = 2;
    int lineeCornice = 0;
    // Letters: half text sizes rounded to whole units, the cell's centre rounded, a nudge right
    // (the printer's), and the divisor of the distance from the centre (1.3 on paper).
    bool mezziInteri = true;
    bool centroIntero = false;
    double spostamentoLettera = 0;
    double divisoreCentro = 1;
    int percentualeRiquadro = 0, distanzaDaCentro = 0, distanzaDaSpigolo = 0;
    double spostamentoNumero = 2;
    bool numeri = true;
    // A paused grid: cells and numbers without their letters.
    bool lettereNascoste = false;
    Colore coloreParola{205, 228, 255};
    Colore coloreFondoCasella{255, 222, 90};
    Colore coloreCasella{0, 40, 170};
    Colore coloreSbagliata{220, 0, 0};
    Colore coloreRivelata{0, 128, 0};
    Colore coloreMatita{120, 120, 120};
    Colore coloreOmbreggiata{215, 215, 215};
    // The look's colours: paper under the cells, lines (and bars, circles), black squares,
    // letters and numbers. The page always keeps these: black on white.
    Colore coloreCarta = bianco;
    Colore coloreLinee = nero;
    Colore coloreNere = nero;
    Colore coloreInchiostro = nero;
    friend bool operator==(const StileSchema&, const StileSchema&) = default;
};

// The screen's looks: the usual one, high contrast and dark.
enum class Aspetto { normale, altoContrasto, scuro };
void applicaAspetto(StileSchema& stile, Aspetto aspetto);

// The painter's cells of a puzzle: labels, entries, black squares, bars, circles, shading and
// colours; void cells are not drawn. A codeword's code goes where the number goes.
CaselleSchema caselleDi(const Cruciverba& cruciverba);
// The painter's view of one cell of a puzzle.
CasellaSchema casellaDi(const Cella& cella);

struct RettangoloSchema {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The room of a number `larghezza` by `altezza` in the corner of the cell at 0-based `colonna`
// and `riga`, kept inside the cell's outline: a circled cell clears it for the number.
RettangoloSchema spazioNumero(const GeometriaSchema& geometria, const StileSchema& stile, int colonna, int riga,
                              double larghezza, double altezza, std::uint8_t segni = 0);

// Frame, then every drawn cell (outline, marks, letter or black square), then the numbers on
// top, and the row and column numbers in the margins the geometry leaves. Sets the surface's font name and size; nothing else of its font changes.
void disegnaSchema(Superficie& superficie, const GeometriaSchema& geometria, const CaselleSchema& caselle,
                   const StileSchema& stile);

}  // namespace quadrivo
