#pragma once
// Playing the variants: the row and column clue lines and the check of a grid without its
// diagram, the key and the word search of a codeword, the bank of a grid to fill. No widgets:
// the session calls these and turns what they change into one undo step.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/varianti.h"
#include "solving/controllo.h"
#include "solving/navigazione.h"

namespace quadrivo {

// A game with no clues at all (a codeword, a grid to fill): its key or its bank takes their place.
bool senzaDefinizioni(const Cruciverba& x);

// ---- Senza schema, diagramless

// The headings of the two lists of a senza schema.
inline constexpr const char* titoloRighe = "ORIZZONTALI";
inline constexpr const char* titoloColonne = "VERTICALI";

// The word a click on the line of row (column) `numero` takes the cursor to: the first of the
// player's words along it, else the first one that crosses it; -1 when none has a cell there.
int parolaDellaRiga(const Navigazione& nav, Direzione direzione, int numero);
// The row (column) a word runs along: the number its line in the clue panel has.
int rigaDellaParola(const Parola& w);

// The check of a grid without its diagram: every cell counts, a black square placed where the
// solution has none (or missing where it has one) as well as a wrong or missing letter.
Conteggio contaDifferenzeSenzaSchema(const Cruciverba& x);
bool risoltoSenzaSchema(const Cruciverba& x);

// ---- Crittografato

// The letters of a codeword made from a crossword the player had started, brought into line
// with its codes: a code whose filled cells agree shows that letter in all of them, one whose
// cells disagree is emptied. Given letters stay as they are.
void accordaCodici(Cruciverba& x);

// The same for the writes a key gives (the keyboard's outcome): each one repeated into every
// other cell of its code that is not given and does not hold it already, in reading order after
// it. Writes to cells without a code pass as they are.
std::vector<Scrittura> espandiCodici(const Cruciverba& x, const std::vector<Scrittura>& scritture);


// The dictionary words for the cells `caselle` (a word of the grid): equal codes equal letters,
// different codes different letters, the letters chosen for its codes in place and the letters
// chosen for other codes out. `blocco` holds the dictionary's words of that length (Windows-1252
// bytes back to back); the words come back in UTF-8, in file order.
std::vector<std::string> paroleCodice(const Cruciverba& x, const std::vector<Casella>& caselle,
                                      std::string_view blocco);

// ---- The word dialog on a game without numbered clues (senza schema, crittografato, da
// riempire): the word is the run of the player's grid that starts at `inizio` in direction d,
// named by its row (column) in a senza schema, and with the row's (column's) clue line as its
// text. Nothing in another game or where no word starts.
std::optional<Definizione> parolaDiGriglia(const Cruciverba& x, Casella inizio, Direzione d);
// The word the window means at `inizio` (hover, a click, the dialog's crossings): in a senza
// schema the player's grid's, never the solution's, which would show where its black squares
// are; in a codeword or a grid to fill the grid's own (they have no clues); elsewhere the clue's word.
std::optional<Definizione> parolaDa(const Cruciverba& x, Casella inizio, Direzione d);

// ---- Da riempire

struct VoceBanca {
    std::string parola;
    bool cancellata = false;  // it stands in the grid
    friend bool operator==(const VoceBanca&, const VoceBanca&) = default;
};
// The bank by length (letters), each group in the bank's order; a word is crossed off while a
// word of the grid, all filled in, spells it (once for each time it stands there).
std::map<int, std::vector<VoceBanca>> bancaPerLunghezza(const Cruciverba& x);
// The bank's words, once each and in its order, that fit the letters the cells hold now, left
// out those that stand elsewhere in the grid as often as the bank has them.
std::vector<std::string> paroleCheEntrano(const Cruciverba& x, const std::vector<Casella>& caselle);

// The word-bank panel's lines: a heading for each length ("3 lettere"), then its words in
// alphabetical order (an accented letter as its plain one), each crossed off while it stands in
// the grid.
struct RigaBanca {
    std::string testo;
    bool titolo = false;
    bool cancellata = false;
    friend bool operator==(const RigaBanca&, const RigaBanca&) = default;
};
std::vector<RigaBanca> righeBanca(const Cruciverba& x);

}  // namespace quadrivo
