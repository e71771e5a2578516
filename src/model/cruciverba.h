#pragma once
// Reader and writer of the .trmo crossword archive.
#include <string>
#include <string_view>

#include "model/piattaforma.h"
#include "model/stato.h"

namespace quadrivo {

inline constexpr const char* msgFormatoNonValido = "Formato del file non valido! Esecuzione terminata";
inline constexpr const char* msgErroreScrittura =
    "Errore di scrittura del file! Probabilmente si sta utilizzando una cartella che non ha i permessi di "
    "scrittura, provare a salvare il file in una cartella con permessi, ad esempio il desktop";

// Fills righeFile, nColonne, nRighe and definizione from the file. A missing or malformed file
// shows its message and ends the program; on failure the state is left as it was.
void leggiCruciverba(Stato& stato, Piattaforma& piattaforma, const std::string& percorso);

// The same from the file's bytes already in memory.
void leggiCruciverbaDaDati(Stato& stato, Piattaforma& piattaforma, std::string_view dati);

// The file's bytes as the writer would produce them (needs a layout pass since the last read).
std::string testoCruciverba(const Stato& stato);

// Writes the puzzle; on failure shows the write-error message once and returns false, leaving
// any old file intact.
bool scriviCruciverba(const Stato& stato, Piattaforma& piattaforma, const std::string& percorso);

// One clue line: column and row right-aligned in three characters, direction, "-", text.
std::string rigaDefinizione(int colonna, int riga, int direzione, const std::string& testo);

}  // namespace quadrivo
