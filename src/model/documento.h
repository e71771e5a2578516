#pragma once
// The open puzzle and the file it came from. The session owns the one in use and changes it;
// everyone else reads it through a const reference.
#include <string>

#include "model/cruciverba.h"

namespace quadrivo {

// The name a puzzle made in the program goes by until it is saved under one of its own.
inline constexpr const char* nomeNuovoCruciverba = "NUOVOCRU.trmo";

struct Documento {
    Cruciverba cruciverba;

    // Paths are in the file system's encoding (UTF-8).
    std::string nomeFile;
    // The working copy kept for crash recovery ("" for none) and the note last written beside it.
    std::string fileLavoro;
    std::string notaScritta;
    // The last write of the working copy failed and the player was told: memory is ahead of it
    // until a write succeeds again.
    bool copiaLavoroSuperata = false;
    // SHA-256 of the puzzle file as read or last written ("" for none): the note keeps it, so a
    // leftover knows which version of the file its answers were made over.
    std::string improntaFile;
    // A save under way to this file: the note names it until the copy goes with the save.
    std::string salvataggioInCorso;
};

}  // namespace quadrivo
