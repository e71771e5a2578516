#pragma once
// The toolbar's dispatch, the help text and the search for a system-information tool.
#include <string>
#include <string_view>
#include <vector>

namespace quadrivo {

// Status bar panel 1 and the about box: "Quadrivo 7 - Versione  7. 0. 3".
std::string testoVersione();
std::string testoVersione(int maggiore, int minore, int revisione);

enum class AzioneBarra { nessuna, apri, salva, stampa, anteprima, font, cancella, controlla };

// The action of a toolbar button by its key, compared exactly in the toolbar's order.
AzioneBarra azioneBarra(std::string_view chiave);

inline constexpr const char* msgNoInfoSistema = "Informazioni di sistema non disponibili in questo momento";

// Desktop tools that show the system's information, in order of preference.
const std::vector<std::string>& strumentiSistema();

// The full path of the first tool of the list found in the folders of `percorsi` (a PATH
// value, folders separated by ":"); "" when none is installed.
std::string trovaStrumentoSistema(const std::string& percorsi);

}  // namespace quadrivo
