#pragma once
// Opening a puzzle: the chosen file is copied line by line into the working copy and the
// run-time values are set; the window's refresh then reads the copy and lays the grid out.
#include <string>

#include "model/piattaforma.h"
#include "model/stato.h"

namespace quadrivo {

inline constexpr const char* msgFileInesistente = "Errore: file inesistente!";

enum class EsitoApertura { ok, inesistente, illeggibile, copiaFallita };

// Copies `percorso` into stato.fileLavoro and sets nomeFile, fileModificato, grigliaAttiva and
// inizioGioco. On failure nothing changes and the returned outcome says why.
EsitoApertura apriInLavoro(Stato& stato, Piattaforma& piattaforma, const std::string& percorso);

// The message that goes with a failed open ("" for ok).
std::string messaggioApertura(EsitoApertura esito, const std::string& percorso);

}  // namespace quadrivo
