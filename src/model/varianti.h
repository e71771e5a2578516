#pragma once
// The games played on a crossword's grid besides the crossword itself: the grid without its
// diagram (senza schema, diagramless), the codeword (crittografato) and the grid to fill (da
// riempire). Pure functions on the puzzle; the session calls them and keeps the undo steps.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/cruciverba.h"

namespace quadrivo {

// The clue lists of a senza schema: one entry per word, numbered by its row (column).
inline constexpr const char* nomeRighe = "Righe";
inline constexpr const char* nomeColonne = "Colonne";
// A grid to fill keeps its words in a list of this name in the files that have no other place.
inline constexpr const char* nomeParole = "Parole";

// Played without its diagram: senza schema or diagramless.
bool senzaDiagramma(const Cruciverba& x);

// A cell as it was and as it is, for one undo step.
struct CambioCella {
    Casella casella;
    Cella prima, dopo;
    friend bool operator==(const CambioCella&, const CambioCella&) = default;
};

// Hides the diagram of a grid just read: its black squares become the solution's, and the
// player's grid starts all white, with no labels (given letters stay).
void nascondiSchema(Cruciverba& x);

// The "." key at k on a grid without its diagram: places a black square on a white cell (its
// letter goes) or takes one away; in a diagramless the numbers follow. Every cell that changed,
// in reading order; none outside the grid, on a void or a given letter, or in another variant.
std::vector<CambioCella> alternaNera(Cruciverba& x, Casella k);

// A diagramless's numbers from the player's grid: the standard numbering of its words, and
// each across (down) clue led to the word its number starts there (no cells when none does).
void numeraGiocatore(Cruciverba& x);

// The cells of the row and column clues: the solution's words of each row (column), in order.
// A row whose clues are not as many as its words gets none.
void caselleRigheColonne(Cruciverba& x);

// The grid as the solution draws it: the solution's black squares in place, the player's
// removed, numbered for a diagramless. Any other puzzle comes back as it is.
Cruciverba grigliaSoluzione(const Cruciverba& x);

// A crossword turned into a variant: a new puzzle (no file's own data, no player's letters but
// the given ones), or in Italian why it cannot be. A puzzle played without its diagram is turned
// from its solution's grid.
struct Conversione {
    std::optional<Cruciverba> cruciverba;
    std::string errore;
};
// Every cell white to the player; each row's across clues, in order, in Righe, each column's
// down clues in Colonne.
Conversione comeSenzaSchema(const Cruciverba& x);
// The same with the across and down clues as they are, numbered from the player's grid.
Conversione comeDiagramless(const Cruciverba& x);
// One code per letter, 1..k shuffled by `seme` (the same seed, the same codes), two letters
// given; no clues. Refused for a cell of several letters or with no solution.
Conversione comeCrittografato(const Cruciverba& x, std::uint32_t seme);
// The grid with no labels and no clues; the bank holds every word of the solution, by length
// and then in alphabetical order.
Conversione comeDaRiempire(const Cruciverba& x);

// The lines of the row (column) clues, one per row that has any: "1. Testo – Testo", the
// number the row's, its clues in order joined by " – ".
std::vector<std::string> righeDefinizioni(const Cruciverba& x, const std::string& elenco);

struct VoceChiave {
    int codice = 0;
    std::string lettera;  // "" while none is chosen
    bool doppia = false;  // the same letter is chosen for another code too
    friend bool operator==(const VoceChiave&, const VoceChiave&) = default;
};
struct LetteraAlfabeto {
    char lettera = 'A';
    bool usata = false;
    friend bool operator==(const LetteraAlfabeto&, const LetteraAlfabeto&) = default;
};
struct TabellaChiave {
    std::vector<VoceChiave> codici;         // 1..k
    std::vector<LetteraAlfabeto> alfabeto;  // A..Z
};
// The key as the grid stands: the letter of each code (its first cell, in reading order, that
// holds one), and the letters of the alphabet already used.
TabellaChiave tabellaChiave(const Cruciverba& x);
// Each code's cells, in reading order: codes 1..`codici`, as the key counts them.
std::vector<std::vector<Casella>> celleDeiCodici(const Cruciverba& x, size_t codici);
// The flags of the letters chosen twice and the alphabet, again from the codes' letters.
void contaLettereChiave(TabellaChiave& t);

// Letters in a UTF-8 text (code points).
int lunghezzaLettere(const std::string& testo);

}  // namespace quadrivo
