#pragma once
// The working copy beside the open puzzle and the answers not yet saved. The copy is written
// after every change, with a note beside it saying which puzzle and which run it belongs to,
// so that the answers of a run that ended badly can be offered back at the next start.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/piattaforma.h"
#include "model/documento.h"
#include "solving/partita.h"

namespace quadrivo {

// The player's private folder for working copies: $XDG_RUNTIME_DIR/quadrivo, else (no runtime
// folder, or one that cannot be used) ~/.cache/Quadrivo; made with mode 0700, and only ever a
// folder the player owns, never the file system's root. "" when neither can be used.
std::string cartellaCopie();
// A new empty working copy (mode 0600) in that folder, held by this run; "" when there is none.
std::string nuovoFileLavoro();

// What the player reads when the working copy cannot be written ("" cartella: no folder at all):
// the working copy's folder and what to do, never the save's text.
std::string messaggioCopiaLavoro(const std::string& cartella);
// ... and once when it can be written again.
std::string messaggioCopiaRipresa(const std::string& cartella);

// Writes `testo` (a whole puzzle file) as the working copy, and its note with `partita` (time
// and marks). Without a usable copy a new one is made, so every change tries again. A failure
// is told once, until a write succeeds again, and sets the document's copiaLavoroSuperata:
// memory is then the truth.
bool scriviLavoroGrezzo(Documento& documento, Piattaforma& piattaforma, std::string_view testo, const Partita& partita = {});
// The puzzle in memory as the working copy, in its own format.
bool scriviCopiaLavoro(Documento& documento, Piattaforma& piattaforma, const Partita& partita = {});
// Removes a working copy and its note.
void cancellaCopiaLavoro(const std::string& fileLavoro);

// The note beside a working copy: which puzzle, which process (its id and start time), the
// solve that goes with the answers, the fingerprint of the puzzle file the answers were made
// over, the file a save under way is writing them to, and the format the copy is written in.
struct NotaLavoro {
    std::string schema;
    long long pid = 0;
    long long avvio = 0;
    Partita partita = {};
    std::string impronta = {};
    std::string destinazione = {};
    std::string formato = {};  // "" in the notes of older runs: the copy's bytes tell
    friend bool operator==(const NotaLavoro&, const NotaLavoro&) = default;
};
// What tells one file from another whatever path reaches it: the device and inode of its real
// folder with its name there; the absolute path for a file that does not exist.
std::string chiaveFile(const std::string& percorso);
// The SHA-256 of a file's bytes, in hex.
std::string improntaDati(std::string_view dati);
std::string percorsoNota(const std::string& fileLavoro);
std::string testoNota(const NotaLavoro& nota);
std::optional<NotaLavoro> leggiNota(std::string_view testo);
// This process, as a note records it.
NotaLavoro notaQuestoProcesso(const std::string& schema);
// False once the process has ended (or its id went to a newer process).
bool processoVivo(long long pid, long long avvio);

// A working copy left by a run that no longer exists, whose answers differ from its puzzle.
struct CopiaAbbandonata {
    std::string lavoro;
    std::string schema;  // "" when its note could not be read: offered as a new puzzle
    long long ora = 0;   // last written, seconds since 1970
    Partita partita = {};
    std::string impronta = {};  // the puzzle file the answers were made over ("" unknown)
    bool fileCambiato = false;  // saved since: restoring over it would drop that save
    int lettere = 0;            // filled cells, to tell two leftovers of one puzzle apart
    int definizioni = 0;        // clues that differ from the puzzle's
    std::string formato = {};   // the copy's own, as its note says
};
inline constexpr long long secondiScadenza = 30LL * 24 * 3600;
// Looks through `cartella`: the player's own leftovers worth offering, newest first. Leftovers
// that match their puzzle (letters, clues and credits), that a later save holds whole (the
// puzzle saved since, or the file a save under way was writing), notes without a copy and
// anything older than 30 days are removed; a copy whose note is damaged is offered by its
// content. The files of a run still alive, of another user, or that cannot be read are never
// touched.
std::vector<CopiaAbbandonata> copieAbbandonate(const std::string& cartella, long long adesso);
// The folders that may hold leftovers: the runtime one and the cache one, those that exist.
std::vector<std::string> cartelleCopie();
// "Ripristinare le risposte non salvate di NOME (06/12/2026 15:03:12, 14 lettere)?" with what
// each button does; for a file saved since, the offer of a copy beside it.
std::string domandaRipristino(const CopiaAbbandonata& copia);
// Where "Ripristina come copia" puts a leftover: "NOME (copia).EXT" beside its puzzle, or
// "(copia 2)" and on while that name is taken.
std::string nomeCopia(const std::string& schema);
// The second question before Elimina.
std::string domandaEliminazione(const CopiaAbbandonata& copia);
// Opens the leftover's answers as its puzzle (or under `nome`), marked as changed. The leftover
// goes only once its answers are in this run's working copy; false (nothing changed) when it
// can no longer be read.
bool ripristinaCopia(Documento& documento, Piattaforma& piattaforma, const CopiaAbbandonata& copia, const std::string& nome = {});

// Before the open puzzle is left (closing, Esci, Apri, another file): Salva (ok), Non salvare
// (nonSalvare) or Annulla. Asked only when there are unsaved answers; ok without asking else.
Risposta chiediPrimaDiLasciare(const Documento& documento, bool modificato, Piattaforma& piattaforma);
// Before an unavoidable end, with unsaved answers: OK saves.
std::string domandaPrimaDellaFine(const std::string& nomeFile);

}  // namespace quadrivo
