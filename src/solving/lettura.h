#pragma once
// What a screen reader says of the grid: each cell's name, the words that start in it, and the
// three readings a player asks for (the clue, the word spelt with its gaps, the crossing word).
// Short on purpose: a reader speaks it at every move.
#include <string>
#include <utility>
#include <vector>

#include "solving/navigazione.h"
#include "solving/verifica.h"

namespace quadrivo {

// "A", or "vuota", then its number, a codeword's code, whether the puzzle gives the letter and
// the marks: "A, numero 7, sbagliata", "E, codice 3, data"; "nera" for a black cell (one the
// player placed too); "" for a void one.
std::string nomeCella(const Cruciverba& cruciverba, const Segni& segni, const Rivelate& rivelate, Casella k);

// "7 orizzontale, 6 lettere: Abitazione".
std::string letturaDefinizione(const Cruciverba& cruciverba, const Parola& w);
// The words that start in `k`, each read as letturaDefinizione, joined by "; ".
std::string paroleCheIniziano(const Cruciverba& cruciverba, const Navigazione& nav, Casella k);
// The word's letters with "_" for each empty cell: "C A _ _ A".
std::string compitaParola(const Cruciverba& cruciverba, const Parola& w);

// "orizzontale", "verticale", or a list's own name, for direction d; "riga", "colonna" in a senza schema.
std::string nomeDirezione(const Cruciverba& cruciverba, Direzione d);
// "7 orizzontale" (the direction alone for a word with no number); "riga 3" in a senza schema.
std::string nomeParola(const Cruciverba& cruciverba, const Parola& w);
// Where the current cell lies in its word, "8 orizzontale, lettera 2 di 6", followed by the clue
// when the word is new to the player ("...: Sigla di Salerno"); "" when no word is current.
std::string letturaCellaCorrente(const Cruciverba& cruciverba, const Navigazione& nav, const Posizione& p,
                                 bool conDefinizione);

// What a check found: "7 orizzontale: 1 lettera sbagliata", "7 orizzontale: parola giusta", or
// with empty cells "7 orizzontale: nessuna lettera sbagliata, 2 caselle vuote".
std::string esitoControlloParola(const Cruciverba& cruciverba, const Parola& w, size_t sbagliate);
// "lettera giusta", "lettera sbagliata", "casella vuota".
std::string esitoControlloLettera(const Cruciverba& cruciverba, Casella k, bool sbagliata);
// The marks of a whole-grid check: "Nessuna lettera sbagliata", "1 lettera sbagliata", "3 lettere sbagliate".
std::string contoErrori(size_t sbagliate);

// Letters of cells before and after a change, for what Backspace erased or Annulla and Ripeti
// did: "A cancellata", "A scritta", "B al posto di A", "4 caselle"; "" when nothing changed.
using CambioVoce = std::pair<std::string, std::string>;
std::string letturaCambi(const std::vector<CambioVoce>& cambi);
// The entries of every cell of the grid, row by row, to compare before and after a change.
std::vector<std::string> vociSchema(const Cruciverba& cruciverba);
// The cells whose entries differ between two vociSchema of the same grid.
std::vector<CambioVoce> cambiTra(const std::vector<std::string>& prima, const std::vector<std::string>& dopo);

// A word whose last empty cell was just filled: "1 orizzontale completata: CASA".
std::string letturaCompletata(const Cruciverba& cruciverba, const Parola& w);

enum class CosaLeggere { definizione, compita, incrocio };
// A reading of the current word, or of the word crossing it at the current cell.
std::string letturaParola(const Cruciverba& cruciverba, const Navigazione& nav, const Posizione& p, CosaLeggere quale);

}  // namespace quadrivo
