#pragma once
// The save dialog's logic and the question asked before a changed puzzle is left.
#include <string>

#include "model/piattaforma.h"
#include "model/documento.h"

namespace quadrivo {

inline constexpr const char* nomeSalvataggioPredefinito = "Tesso000.trmo";
inline constexpr const char* estensionePredefinita = ".trmo";
inline constexpr const char* titoloSalvataggio = "Salvataggio file";
inline constexpr const char* msgErroreDisco = "Errore di nome file o accesso al disco!";
inline constexpr const char* titoloModifica = "Modifica del file corrente";

// Save in place, or ask for a name because the puzzle has none of its own.
enum class AzioneSalva { scrivi, salvaConNome };
AzioneSalva decisioneSalva(const std::string& nomeFile);

// Target of a save: an absolute name is taken as it is, any other name goes into `cartella`;
// ".trmo" is appended when the whole path holds no ".".
std::string percorsoSalvataggio(const std::string& cartella, const std::string& nome);

// "Il file " + path, as it is spelt, + " esiste già; vuoi riscriverlo?"
std::string testoSovrascrittura(const std::string& percorso);

// What the name box shows when the dialog comes up.
std::string nomeProposto(const Documento& documento);
// Why that name is not the puzzle's own, for the dialog to say ("" when it is).
std::string motivoNomeProposto(const Documento& documento);

enum class EsitoSalvataggio {
    salvato,     // the file was written, nomeFile is the new path (the working copy is left as it was)
    rinunciato,  // overwrite refused: only the working copy was written
    errore,      // a step failed after its message; the player may try again or give up
};

// OK of the save dialog. Writes the puzzle with the new author to the chosen path; refused, the
// working copy only. A failing step shows its message once and stops, leaving the state as it was.
EsitoSalvataggio salvaConNome(Documento& documento, Piattaforma& piattaforma, const std::string& cartella,
                              const std::string& nome, const std::string& autore);

// "Il file " + nomeFile, as it is spelt, + " è cambiato, si desidera salvare?"
std::string testoChiediSeSalvare(const std::string& nomeFile);

}  // namespace quadrivo
