#pragma once
// Checking all the answers against the solution, and clearing them for a new attempt.
#include <string>

#include "model/piattaforma.h"
#include "model/stato.h"

namespace quadrivo {

inline constexpr const char* titoloAzzeramento = "Azzeramento soluzioni";
inline constexpr const char* domandaAzzeramento =
    "Premendo il bottone <OK> verranno cancellate tutte le parole che hai inserito! (ad esempio per far giocare "
    "un tuo amico)";

struct Conteggio {
    long long lettere = 0;    // cells whose solution is not black
    long long differenze = 0; // cells whose entry differs from the solution (empty ones included)
};

// Pairs of characters over the whole length of each grid line of rows 1..nRighe; a line of odd
// length ends in a solution character without its entry, which counts as a difference.
Conteggio contaDifferenze(const Stato& stato);

// The report for the player: what is still wrong, or the congratulation with the time since
// `inizioGioco`. `adesso` is the clock's current value.
std::string messaggioControllo(const Stato& stato, double adesso);

// Every entry that is not a black cell becomes ".".
void azzeraInserimenti(Stato& stato);

}  // namespace quadrivo
