#pragma once
// The text block of the printed page: the across and down clue lists and the three footer
// lines, flowed into columns below the grid and on to further sheets when the page is full.
#include <functional>
#include <string>
#include <vector>

#include "model/documento.h"
#include "model/superficie.h"

namespace quadrivo {

inline constexpr const char* intestazioneOrizzontali = "ORIZZONTALI:";
inline constexpr const char* intestazioneVerticali = "VERTICALI:";
inline constexpr const char* intestazioneChiave = "CHIAVE:";
inline constexpr const char* rigaCrediti = "Creazione e stampa con Tramerio";
inline constexpr const char* separatoreData = "   -   ";

// Where the lists go on the page, in the surface's units: `colonne` columns of `larghezza`
// side by side from `sinistra`, `spazio` apart; from `alto` on the first sheet (below the
// grid) and from `altoFogli` on the further ones, down to `basso`.
struct ColonneElenchi {
    double sinistra = 0, larghezza = 0, spazio = 0;
    int colonne = 1;
    double alto = 0, altoFogli = 0, basso = 0;
    double punti = 9;  // the lists' font size
};

// Every entry of the clue list d (1 across, 2 down, then the file's own) in the list's order.
std::vector<std::string> vociDefinizioni(const Cruciverba& cruciverba, Direzione d);

// Headings, both lists (then the file's other lists) and the footer, column after column. A
// senza schema prints its clues by row and by column, a codeword its key as numbered boxes, a
// grid to fill its words by length. Only the size and the bold flag
// of the surface's font change. Without `nuovoFoglio` nothing is drawn: the flow is only
// measured. Returns the number of sheets the block reaches (1: it fits below the grid).
int stampaDefinizioni(const Documento& documento, Superficie& sup, const ColonneElenchi& colonne, const std::string& data,
                      const std::function<void()>& nuovoFoglio = {});

// The file's name as the footer's first line shows it: without its folders, which may be
// long and tell of the player's home.
std::string nomeInPiede(const std::string& percorso);

// The footer's second line: the puzzle's author with its label.
std::string rigaAutore(const Cruciverba& cruciverba);

// Today's date as "dd-mm-yyyy", whatever the locale.
std::string dataDiOggi();
std::string dataStampa(int giorno, int mese, int anno);

}  // namespace quadrivo
