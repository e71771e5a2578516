#pragma once
// The text block below the printed grid: the across and down clue lists and the three footer
// lines, flowed into lines on a print surface. The printer and the preview differ only in the
// few constants gathered in BloccoTesto.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "model/stato.h"
#include "model/superficie.h"

namespace quadrivo {

enum class TipoPagina { stampante, anteprima };

inline constexpr const char* intestazioneOrizzontali = "ORIZZONTALI:";
inline constexpr const char* intestazioneVerticali = "VERTICALI:";
inline constexpr const char* rigaCrediti = "Creazione e stampa con Tramerio";
inline constexpr double puntiElenchiStampante = 8.25;
// Below this the preview's lists stop shrinking with the window: they would no longer be read.
inline constexpr double puntiElenchiMinimiAnteprima = 6.0;

// The printer's continuation onto a further page when a line would pass the bottom of the
// printable area. The screen never continues: what runs below the window is simply not seen.
struct SaltoPagina {
    std::function<void()> nuovaPagina;  // ends the current sheet and starts a fresh one
    double alto = 0;                    // where the text resumes on the fresh sheet
};

// What the block needs from the page it is printed on.
struct BloccoTesto {
    TipoPagina tipo = TipoPagina::stampante;
    int lato = 0;             // the page's cell side
    int altoGriglia = 0;      // the grid's top edge
    int sinistraPagina = 0;   // preview only: the page rectangle's left edge
    int altezzaPagina = 0;    // preview only: the page rectangle's height
    std::string data;         // "dd-mm-yyyy"
    const SaltoPagina* salto = nullptr;  // printer only; none: the lists are cut at the bottom
};

// Every entry of the clue list d (1 across, 2 down, then the file's own) in the list's order.
std::vector<std::string> vociDefinizioni(const Cruciverba& cruciverba, int d);

// Entry printers: the entry goes on the current line, or whole on a new one starting at x0
// when it would pass the right limit. The number is bold, the rest regular.
void stampaVoce(Superficie& sup, const std::string& voce, int x0, const SaltoPagina* salto = nullptr);
void anteprimaVoce(Superficie& sup, const std::string& voce, int x0);

// The list font, the left margin and the right limit for a kind of page.
double puntiElenchi(const BloccoTesto& blocco);
int margineElenchi(const BloccoTesto& blocco, double larghezzaSuperficie);
double limiteDestro(const BloccoTesto& blocco, double larghezzaSuperficie, int x0);

// Headings, both lists (then the file's other lists) and the footer, starting 10 units below
// the grid. Only the size and the bold flag of the surface's font change; the face and italics
// stay as they were.
void stampaDefinizioni(const Stato& stato, Superficie& sup, const BloccoTesto& blocco);

// The footer's second line: the puzzle's author with its label.
std::string rigaAutore(const Cruciverba& cruciverba);

// Today's date as "dd-mm-yyyy", whatever the locale.
std::string dataDiOggi();
std::string dataStampa(int giorno, int mese, int anno);

}  // namespace quadrivo
