#pragma once
// Where the program finds its files and keeps the player's. Paths are in the file system's
// encoding (UTF-8).
#include <string>

namespace quadrivo {

struct Cartelle {
    // The program's own files: dictionaries, background pictures, the archive, tramerio.ini.
    // Always ends in "/".
    std::string programma;
    // The player's settings folder (~/.config/Quadrivo/, ends in "/"), used when the program
    // folder cannot be written; "" for none.
    std::string utente;
};

}  // namespace quadrivo
