#pragma once
// What a screen reader says of the grid: each cell's name, the words that start in it, and the
// three readings a player asks for (the clue, the word spelt with its gaps, the crossing word).
// Short on purpose: a reader speaks it at every move.
#include <string>

#include "solving/navigazione.h"
#include "solving/verifica.h"

namespace quadrivo {

// "A", or "vuota", then its number and marks: "A, numero 7, sbagliata"; "nera" for a black
// cell; "" for a void one.
std::string nomeCella(const Cruciverba& cruciverba, const Segni& segni, const Rivelate& rivelate, Casella k);

// "7 orizzontale, 6 lettere: Abitazione".
std::string letturaDefinizione(const Cruciverba& cruciverba, const Parola& w);
// The words that start in `k`, each read as letturaDefinizione, joined by "; ".
std::string paroleCheIniziano(const Cruciverba& cruciverba, const Navigazione& nav, Casella k);
// The word's letters with "_" for each empty cell: "C A _ _ A".
std::string compitaParola(const Cruciverba& cruciverba, const Parola& w);

enum class CosaLeggere { definizione, compita, incrocio };
// A reading of the current word, or of the word crossing it at the current cell.
std::string letturaParola(const Cruciverba& cruciverba, const Navigazione& nav, const Posizione& p, CosaLeggere quale);

}  // namespace quadrivo
