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

// The file the program ships, byte for byte: its values stand in when no file gives any.
inline constexpr const char* testoImpostazioniPredefinite =
    "RettangoloParola=-1 \r\nTastoSin= 0 \r\nStampaSoluzioni= 0 \r\nPercentualeRiquadro= 90 \r\n"
    "SpessoreBordo= 2 \r\nAltezzaCaratteri= 55 \r\nAltezzaNumeri= 18 \r\nDistanzaDaSpigolo= 2 \r\n"
    "DistanzaDaCentro= 5 \r\n";

// Reads the settings from the file's text; lines and values that cannot be used are skipped.
// Returns how many setting lines were found.
int applicaImpostazioni(Stato& stato, const std::string& testo);
// Reads the player's copy cartellaUtente + "tramerio.ini" when there is one, otherwise
// tramerio.ini in cartellaProgramma whatever its letter case. A file that gives no setting
// (missing, unreadable, not a regular file, garbage) is passed over; when none gives any, the
// shipped values are taken. Returns "" or the message naming the file that was passed over.
std::string leggiImpostazioni(Stato& stato);

// The proportions as drawn: a value that gives no size (0 or less, from a hand-edited file)
// is drawn with the shipped one, and kept as it was read for the next write.
int riquadroDisegno(const Stato& stato);
int caratteriDisegno(const Stato& stato);
int numeriDisegno(const Stato& stato);

// The nine lines the writer produces.
std::string testoImpostazioni(const Stato& stato);
// Rewrites the player's copy when there is one, otherwise cartellaProgramma + "tramerio.ini";
// when the program folder cannot be written the player's copy is created instead (an installed
// program's folder belongs to the system). Shows its message and returns false when neither
// can be written.
bool salvaImpostazioni(const Stato& stato, Piattaforma& piattaforma);
// The same without the message, for a caller that tells the player its own way.
bool scriviImpostazioni(const Stato& stato);

}  // namespace quadrivo
