#pragma once
// The words that fit a word of the puzzle and leave every crossing word possible, from the
// grid's own letters: what the word dialog's "Incroci" and the "Suggerimenti" panel list.
#include <cstdint>
#include <string>
#include <vector>

#include "model/cruciverba.h"
#include "solving/lessico_parole.h"

namespace quadrivo {

struct Suggerimento {
    std::string parola;    // Windows-1252 bytes
    std::int64_t rimaste;  // the crossing words' candidates left once it is placed
    std::int64_t minimo;   // the fewest left to one crossing word, -1 when none crosses
    friend bool operator==(const Suggerimento&, const Suggerimento&) = default;
};

// A cell's letter as the search reads it: a letter is itself, "@" a vowel, anything else
// (nothing, a rebus, a sign) any letter.
ClasseLettera classeCella(const Cella& cella);

// The cells of the word running through k across or down.
std::vector<Casella> parolaAttraverso(const Cruciverba& x, Casella k, Direzione d);

// For the word of `caselle` (first to last), its mask and each letter's crossing word.
Maschera mascheraCaselle(const Cruciverba& x, const std::vector<Casella>& caselle);
std::vector<std::optional<Incrocio>> incrociCaselle(const Cruciverba& x, const std::vector<Casella>& caselle);

// The crossing-aware candidates for that word, in file order.
std::vector<Suggerimento> suggerimenti(const Cruciverba& x, const std::vector<Casella>& caselle,
                                       const IndiceLessico& indice);
// The same over the blocks where they lie, for one query without an index.
std::vector<Suggerimento> suggerimenti(const Cruciverba& x, const std::vector<Casella>& caselle,
                                       const BlocchiLessico& blocchi);

}  // namespace quadrivo
