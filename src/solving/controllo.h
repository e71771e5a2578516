#pragma once
// Checking all the answers against the solution, and clearing them for a new attempt.
#include <string>

#include "model/cruciverba.h"

namespace quadrivo {

inline constexpr const char* titoloAzzeramento = "Azzeramento soluzioni";
inline constexpr const char* domandaAzzeramento =
    "Premendo il bottone <OK> verranno cancellate tutte le parole che hai inserito! (ad esempio per far giocare "
    "un tuo amico)";

struct Conteggio {
    long long lettere = 0;    // white cells
    long long differenze = 0; // white cells whose entry differs from the solution (empty ones included)
};

// Without its diagram, every cell: a black square placed wrong counts as a letter does.
Conteggio contaDifferenze(const Cruciverba& cruciverba);

// The report for the player while letters are wrong or missing.
std::string messaggioControllo(const Cruciverba& cruciverba);

// Every entry the player typed is cleared, and the black squares the player placed; letters the
// puzzle gives stay.
void azzeraInserimenti(Cruciverba& cruciverba);

}  // namespace quadrivo
