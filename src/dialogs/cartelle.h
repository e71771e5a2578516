#pragma once
// The player's own places: a puzzle folder in the home, the folder last used by the file
// dialogs and the puzzles opened lately. Kept in the player's settings, never in tramerio.ini.
#include <string>
#include <vector>

#include "model/impostazioni.h"

namespace quadrivo {

inline constexpr int maxRecenti = 10;

// "<documenti>/Cruciverba" when the documents folder exists and is not the home itself, else
// "<casa>/Cruciverba".
std::string cartellaCruciverba(const std::string& casa, const std::string& documenti);
// The same from the player's home and documents folders.
std::string cartellaCruciverba();

// An installed copy (a program folder the player cannot write) cannot keep the player's
// puzzles: the first time, the player's folder is made and the samples copied into it. Later
// starts leave it as the player keeps it. False when the folder could not be made.
bool preparaCartellaCruciverba(const std::string& cartellaProgramma, const std::string& cartella, bool installata);

// `elenco` with `percorso` moved to the front, without doubles, at most maxRecenti long.
std::vector<std::string> conRecente(std::vector<std::string> elenco, const std::string& percorso);

// The puzzles opened or saved lately, newest first; files no longer there are left out.
std::vector<std::string> fileRecenti(const Impostazioni& impostazioni);
// A puzzle opened: first in the recent list, its folder the last one; one write, none when both
// are so already (a start that opens the same puzzle again writes nothing).
void ricordaAperto(Impostazioni& impostazioni, const std::string& percorso);
void svuotaFileRecenti(Impostazioni& impostazioni);
// The folders of the recent puzzles, newest first, each once.
std::vector<std::string> cartelleRecenti(const Impostazioni& impostazioni);

// Where the open and save dialogs start: the folder last used while it is still there, else
// the player's puzzle folder when it exists, else `altrimenti`.
std::string cartellaDiPartenza(const Impostazioni& impostazioni, const std::string& altrimenti);

// A name typed in a file dialog that means a folder ("..", "~/giochi", a full path): the
// folder to show, or "" when the name is no folder.
std::string cartellaDigitata(const std::string& cartella, const std::string& nome);

}  // namespace quadrivo
