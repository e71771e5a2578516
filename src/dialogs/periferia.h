#pragma once
// The version line and the about box's system information.
#include <string>
#include <utility>
#include <vector>

namespace quadrivo {

// Status bar panel 1 and the about box: "Quadrivo 7 - Versione  7. 0. 3".
std::string testoVersione();
std::string testoVersione(int maggiore, int minore, int revisione);

// What the about box's System Info tells: the program's version, Qt's, the folders in use and
// the dictionaries loaded.
struct InfoSistema {
    std::string versioneQt;  // the library the program runs on
    std::string versioneQtCompilazione;  // the one it was built with
    std::vector<std::pair<std::string, std::string>> cartelle;  // what it is for, its path
    std::vector<std::string> dizionari;  // one line each: the file and its words
};
inline constexpr const char* titoloInfoSistema = "Informazioni di sistema";
std::string testoInfoSistema(const InfoSistema& info);


}  // namespace quadrivo
