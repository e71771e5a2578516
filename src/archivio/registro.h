#pragma once
// The player's data in one SQLite database in their data folder: the solve of each puzzle
// (clock, marks, pencil, reveals), every check and reveal with its time, and the library's
// index of puzzle files. Every change is one transaction; several windows (processes) share the
// file through SQLite's write-ahead log and wait for each other's writes.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "solving/partita.h"

namespace quadrivo {

inline constexpr const char* nomeRegistro = "giocatore.sqlite";
// The schema this program writes; older files are brought up to it when opened.
inline constexpr int versioneRegistro = 1;

// What the library shows of a solve, measured on the grid when the solve is kept.
struct Riassunto {
    int bianche = 0;  // white cells
    int piene = 0;    // of them, holding letters
    bool risolto = false;
    int controlli = 0;  // checks in this attempt
    friend bool operator==(const Riassunto&, const Riassunto&) = default;
};

enum class Aiuto { controllo = 1, rivelazione = 2 };

// One puzzle's row: the solve and what the library and the statistics read of it. Times of day
// are seconds since the epoch (0 for never).
struct RecordPartita {
    std::string percorso, impronta;
    Partita partita;
    int controlli = 0;     // checks in this attempt, as last kept
    int rivelazioni = 0;   // revealed cells in this attempt
    Riassunto riassunto;
    std::int64_t iniziata = 0, risolta = 0, ultima = 0;
    bool aiutata = false;  // solved after a check or a reveal
};

// A puzzle file as the library last read it.
struct SchemaIndicizzato {
    std::string percorso;
    std::int64_t dimensione = 0, modificato = 0;  // bytes; milliseconds since the epoch
    std::string hash;                              // of the bytes read
    std::string titolo, formato, variante;
    int colonne = 0, righe = 0;
    Riassunto riassunto;       // the letters the file carries
    std::string miniatura;     // one character a cell, row by row: '#' black, ' ' void, '.' empty, 'a' a letter
    std::string impronta;      // the solution's, as the solves are keyed
    std::string errore;        // in Italian: why it does not open; "" when it does
    friend bool operator==(const SchemaIndicizzato&, const SchemaIndicizzato&) = default;
};

class Registro {
public:
    // `cartella`: the player's data folder, made (0700) on the first write. `ora`: seconds since
    // the epoch, for tests; the system clock when empty.
    explicit Registro(std::string cartella, std::function<std::int64_t()> ora = {});
    ~Registro();
    Registro(const Registro&) = delete;
    Registro& operator=(const Registro&) = delete;

    std::string percorsoFile() const;
    // In Italian: why the last operation failed; "" after one that worked.
    const std::string& errore() const { return errore_; }

    // The puzzle's kept row when its solve was made over this solution (`impronta`); none when
    // nothing is kept or the solution changed since.
    std::optional<RecordPartita> leggi(const std::string& percorsoCruciverba, const std::string& impronta);
    // Keeps the solve, in one transaction; false when it could not be written (nothing kept
    // before is lost then).
    bool scrivi(const std::string& percorsoCruciverba, const std::string& impronta, const Partita& partita,
                const std::optional<Riassunto>& riassunto = std::nullopt);
    // A check or a reveal of `caselle` cells at `millisecondi` on the clock, made at `quando` (now
    // when not given: a help kept while the store failed keeps its own moment), for the history;
    // the solve's own count goes with the solve (Riassunto::controlli), kept or dropped with it.
    bool registraAiuto(const std::string& percorsoCruciverba, const std::string& impronta, Aiuto aiuto,
                       std::int64_t millisecondi, int caselle, std::optional<std::int64_t> quando = std::nullopt);
    // The store's clock, in seconds.
    std::int64_t adesso() const;
    // Azzera Soluzioni: a new attempt, with no help used yet.
    bool nuovoTentativo(const std::string& percorsoCruciverba);

    std::vector<RecordPartita> partite();
    std::optional<RecordPartita> partita(const std::string& percorsoCruciverba);
    struct AiutoRegistrato {
        std::string percorso;
        Aiuto aiuto = Aiuto::controllo;
        std::int64_t quando = 0, millisecondi = 0;
        int caselle = 0;
    };
    std::vector<AiutoRegistrato> aiuti();

    // The library's index: everything known, and one transaction that stores the files read
    // again and forgets the ones gone.
    std::vector<SchemaIndicizzato> schemi();
    bool aggiornaSchemi(const std::vector<SchemaIndicizzato>& nuovi, const std::vector<std::string>& spariti);

    // The file's schema version (0 when there is none yet).
    int versione();
    // Caps the database at `pagine` pages, as a full disk would: for the tests of that fault.
    void limitaPagine(int pagine);

private:
    bool apri(bool crea);
    // The key a solve is stored under, with the store open for writing; "" (the reason in
    // errore()) for a puzzle without a name or a store that cannot be opened.
    std::string chiavePer(const std::string& percorsoCruciverba, const std::string& impronta);
    bool migra();
    bool fallito(const std::string& cosa);

    std::string cartella_;
    std::function<std::int64_t()> ora_;
    std::string connessione_;  // the name of this object's Qt SQL connection
    bool aperto_ = false;
    std::string errore_;
};

// The absolute path of the player's data folder (QStandardPaths::AppDataLocation).
std::string cartellaDatiGiocatore();

}  // namespace quadrivo
