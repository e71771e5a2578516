#pragma once
// The settings file tramerio.ini in the program folder, shared with the sibling editor.
#include <string>

#include "model/piattaforma.h"
#include "model/stato.h"

namespace quadrivo {

inline constexpr const char* nomeFileImpostazioni = "tramerio.ini";
inline constexpr const char* msgErroreImpostazioni =
    "Attenzione, si è verificato un errore di scrittura del file di inizializzazione tramerio.ini, controllare "
    "che il drive/percorso abbia i diritti di scrittura o non si stia cercando di lavorare direttamente da CD-ROM";

// Reads the settings from the file's text; lines and values that cannot be used are skipped.
void applicaImpostazioni(Stato& stato, const std::string& testo);
// Reads the player's copy cartellaUtente + "tramerio.ini" when there is one, otherwise
// tramerio.ini in cartellaProgramma whatever its letter case; a missing or unreadable file
// leaves every setting as it was.
void leggiImpostazioni(Stato& stato);

// The nine lines the writer produces.
std::string testoImpostazioni(const Stato& stato);
// Rewrites the player's copy when there is one, otherwise cartellaProgramma + "tramerio.ini";
// when the program folder cannot be written the player's copy is created instead (an installed
// program's folder belongs to the system). Shows its message and returns false when neither
// can be written.
bool salvaImpostazioni(const Stato& stato, Piattaforma& piattaforma);

}  // namespace quadrivo
