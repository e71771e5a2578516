#pragma once
// The library's places and its export: the folders it looks in (the player's puzzle folder and
// the ones they add), and the CSV of every puzzle it knows, as the window and the command line
// write it.
#include <string>
#include <vector>

#include "archivio/registro.h"
#include "archivio/statistiche.h"
#include "model/impostazioni.h"

namespace quadrivo {

// The player's puzzle folder first, then the folders they added, each once.
std::vector<std::string> cartelleLibreria(const Impostazioni& impostazioni);
std::vector<std::string> cartelleAggiunte(const Impostazioni& impostazioni);
void aggiungiCartellaLibreria(Impostazioni& impostazioni, const std::string& cartella);
void togliCartellaLibreria(Impostazioni& impostazioni, const std::string& cartella);

// One pass of the index over the library's folders and the recent files, then every puzzle it knows.
std::vector<VoceLibreria> aggiornaLibreria(Registro& registro, const Impostazioni& impostazioni);

// Writes the CSV to `percorso` ("-": the standard output). "" when done, else the Italian reason;
// a file already there is replaced whole or left as it was.
std::string esportaCsv(const std::vector<VoceLibreria>& voci, const std::string& percorso);

// `quadrivo --statistiche FILE.csv`, without a display: the exit status.
int statisticheDaRigaDiComando(const std::string& percorso);

}  // namespace quadrivo
