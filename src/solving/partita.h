#pragma once
// A solve that continues across sessions: time on the clock, marks and revealed letters of
// each puzzle, kept in one file in the user's data folder (never in the puzzle file), keyed
// by the puzzle's absolute path and a fingerprint of its solution.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/cruciverba.h"
#include "solving/cronometro.h"
#include "solving/verifica.h"

namespace quadrivo {

struct Partita {
    std::int64_t millisecondi = 0;  // on the solving clock
    Segni segni;
    Rivelate rivelate;
    Rivelate matita = {};  // cells whose letters are pencil guesses
    // The pencil guesses themselves: puzzle files never hold them, so they come back from here.
    Segni lettereMatita = {};
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
std::string improntaSoluzione(const Cruciverba& cruciverba);

// The archive's text, most recent first. Reading never fails: whatever cannot be read is left
// out (an unreadable file gives no entries; a bad cell, letter or time drops that item).
std::vector<VoceArchivio> leggiArchivio(std::string_view dati);
std::string testoArchivio(const std::vector<VoceArchivio>& voci);
// One solve on one line (the working copy's note carries it); a text that cannot be read gives
// a fresh solve.
std::string testoPartita(const Partita& partita);
Partita leggiPartita(std::string_view testo);

class ArchivioPartite {
public:
    // `cartella`: where the archive lives (the caller passes QStandardPaths::AppDataLocation);
    // it is created on the first write.
    explicit ArchivioPartite(std::string cartella);
    std::string percorsoFile() const;

    // The stored solve of the puzzle at `percorsoCruciverba`; a fresh one when none is stored
    // or its solution changed since.
    Partita leggi(const std::string& percorsoCruciverba, const std::string& impronta) const;

private:
    std::string cartella_;
};

// What a step of Annulla and Ripeti puts back of the solve besides the letters.
struct FotoPartita {
    std::int64_t millisecondi = 0;  // on the clock when the step was taken
    Segni segni;
    Rivelate rivelate;
    bool risolto = false;  // the solve was noticed (the clock stood still for it)
    // The same marks, reveals and solve; the clock alone does not make a step.
    bool stessiSegni(const FotoPartita& altra) const {
        return segni == altra.segni && rivelate == altra.rivelate && risolto == altra.risolto;
    }
};

// The solve of the open puzzle: clock, marks, revealed cells and the solve noticed once, kept
// in step with each other. Times are readings of Piattaforma::millisecondi.
class PartitaInCorso {
public:
    // A puzzle just opened: the stored solve continues (marks whose letter changed since are
    // dropped). A grid already right keeps its clock stopped and is not congratulated again.
    void inizia(const Cruciverba& cruciverba, const Partita& salvata, std::int64_t adesso);
    // After every change of the entries. True once, when the grid has just become right; the
    // clock stops then.
    bool dopoModifica(const Cruciverba& cruciverba, std::int64_t adesso);
    // Checks of a letter, a word or the grid: the wrong cells among `caselle`, now marked.
    std::vector<Casella> controlla(const Cruciverba& cruciverba, const std::vector<Casella>& caselle);
    // Reveals: the entries to write, already counted as revealed. The caller writes them and
    // then calls dopoModifica.
    std::vector<Scrittura> rivela(const Cruciverba& cruciverba, const std::vector<Casella>& caselle);
    // Azzera Soluzioni, after the entries were cleared: no marks, nothing revealed, the clock
    // from zero.
    void azzera(const Cruciverba& cruciverba, std::int64_t adesso);

    // The state a step of the history keeps, before and after its change.
    FotoPartita foto(std::int64_t adesso) const;
    // Annulla or Ripeti: back to `meta`, leaving `lasciata`. Going back to a solved grid gives
    // back the solve's own time; otherwise the clock moves by what the step had moved it, and
    // the time played since stays counted. Nothing is congratulated.
    void torna(const FotoPartita& meta, const FotoPartita& lasciata, std::int64_t adesso);

    // What goes to the archive.
    Partita partita(std::int64_t adesso) const;
    const Segni& segni() const { return segni_; }
    const Rivelate& rivelate() const { return rivelate_; }
    Cronometro& cronometro() { return cronometro_; }
    const Cronometro& cronometro() const { return cronometro_; }
    // Controlla Soluzioni and the congratulation, with this clock and revealed count.
    std::string messaggio(const Cruciverba& cruciverba, std::int64_t adesso) const;

private:
    Cronometro cronometro_;
    Segni segni_;
    Rivelate rivelate_;
    Completamento completamento_;
};

// The key for a puzzle: its absolute, cleaned path.
std::string percorsoAssoluto(const std::string& percorso);

}  // namespace quadrivo
