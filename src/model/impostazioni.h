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
// Finds tramerio.ini in cartellaProgramma whatever its letter case and reads it; a missing or
// unreadable file leaves every setting as it was.
void leggiImpostazioni(Stato& stato);

// The nine lines the writer produces.
std::string testoImpostazioni(const Stato& stato);
// Rewrites cartellaProgramma + "tramerio.ini"; on failure shows its message and returns false.
bool salvaImpostazioni(const Stato& stato, Piattaforma& piattaforma);

}  // namespace quadrivo
