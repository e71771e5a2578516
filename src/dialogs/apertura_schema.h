#pragma once
// The open dialog's logic: where it starts, which files it lists, how the chosen path is
// composed, the drawn preview of a puzzle file and the open itself.
#include <functional>
#include <string>
#include <vector>

#include "model/piattaforma.h"
#include "model/valori_impostazioni.h"
#include "model/superficie.h"
#include "sessione/apertura.h"

namespace quadrivo {

inline constexpr const char* cartellaArchivio = "Archivio cruciverba";
inline constexpr const char* msgNessunFile = "Nessun file di cruciverba trovato!";
inline constexpr const char* msgFormatoAnteprima = "Formato del file non valido!";
inline constexpr const char* msgTipoAnteprima = "Tipo di file non valido!";
inline constexpr const char* msgErroreDrive = "Errore di lettura dal drive specificato";

// The folder the file lists start in: `corrente` itself when its path already holds
// "Archivio cruciverba" (exact case), else its subfolder of that name when there is one.
std::string cartellaIniziale(const std::string& corrente);

// True when a file name matches "*.trm*", "*.ipuz", "*.puz" or "*.jpz" in any letter case.
bool nomeCruciverba(const std::string& nome);

// Ordinary files of a folder whose names match "*.trm*", sorted by name without regard to
// case (ties by bytes). An unreadable folder lists nothing.
std::vector<std::string> filesCruciverba(const std::string& cartella);

// What a successful preview leaves for the dialog's label and status bar (UTF-8).
struct Anteprima {
    bool riuscita = false;
    std::string etichetta;   // "Anteprima: " + the size line
    std::string datiAutore;  // the author fields that are filled, joined by " - "
    // Layout of the drawn grid, kept for whoever wants to check it.
    int colonne = 0, righe = 0, lato = 0, x0 = 0, y0 = 0;
};

// Draws the preview of file `nome` in `cartella` on `superficie` (its whole drawing area),
// using the drawing proportions of `valori`; failures are shown through `piattaforma`.
// The file is checked as opening checks it (esaminaSchema), and refused with the same message.
Anteprima disegnaAnteprima(const ValoriImpostazioni& valori, Superficie& superficie, Piattaforma& piattaforma,
                           const std::string& cartella, const std::string& nome);

// A name typed without its extension ("primi-passi") stands for the one puzzle file of
// `cartella` with that name and any puzzle extension; any other name is given back as it is.
std::string nomeCompleto(const std::string& cartella, const std::string& nome);

// OK of the open dialog: `apri` opens the file `nome` of `cartella` as the puzzle. A name with wildcards is refused like a missing file; an absolute name is
// opened as it is, any other name is taken from the folder.
// False (after its message) when nothing was opened.
using ApriSchema = std::function<EsitoApertura(const std::string& percorso)>;
bool apriSchemaScelto(const ApriSchema& apri, Piattaforma& piattaforma, const std::string& cartella,
                      const std::string& nome);

}  // namespace quadrivo
