#pragma once
// A solve that continues across sessions: time on the clock, marks and revealed letters of
// each puzzle, kept in one file in the user's data folder (never in the puzzle file), keyed
// by the puzzle's absolute path and a fingerprint of its solution.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/stato.h"
#include "solving/verifica.h"

namespace quadrivo {

struct Partita {
    std::int64_t millisecondi = 0;  // on the solving clock
    Segni segni;
    Rivelate rivelate;
    friend bool operator==(const Partita&, const Partita&) = default;
};

struct VoceArchivio {
    std::string percorso;  // absolute, UTF-8
    std::string impronta;
    Partita partita;
    friend bool operator==(const VoceArchivio&, const VoceArchivio&) = default;
};

// The archive keeps the most recently saved puzzles only.
inline constexpr size_t maxPartite = 200;
inline constexpr const char* nomeArchivioPartite = "partite.json";

// Fingerprint of the solution: the grid's size and every solution character (SHA-256, hex).
// Entries, clues and the header do not count, so solving never changes it.
std::string improntaSoluzione(const Stato& stato);

// The archive's text, most recent first. Reading never fails: whatever cannot be read is left
// out (an unreadable file gives no entries; a bad cell, letter or time drops that item).
std::vector<VoceArchivio> leggiArchivio(std::string_view dati);
std::string testoArchivio(const std::vector<VoceArchivio>& voci);

class ArchivioPartite {
public:
    // `cartella`: where the archive lives (the caller passes QStandardPaths::AppDataLocation);
    // it is created on the first write.
    explicit ArchivioPartite(std::string cartella);
    std::string percorsoFile() const;

    // The stored solve of the puzzle at `percorsoCruciverba`; a fresh one when none is stored
    // or its solution changed since.
    Partita leggi(const std::string& percorsoCruciverba, const std::string& impronta) const;
    // Stores the solve as the most recent one, replacing what the puzzle had. The file is
    // replaced whole or not at all; false when it could not be written.
    bool scrivi(const std::string& percorsoCruciverba, const std::string& impronta, const Partita& partita) const;

private:
    std::string cartella_;
};

// The key for a puzzle: its absolute, cleaned path.
std::string percorsoAssoluto(const std::string& percorso);

}  // namespace quadrivo
