#pragma once
// The puzzle file formats: each one reads its bytes into the model and writes the model back,
// and is found by the file's extension or, failing that, by its content.
#include <string>
#include <string_view>
#include <vector>

#include "model/cruciverba.h"
#include "model/piattaforma.h"

namespace quadrivo {

enum class EsitoLettura {
    ok,
    formatoNonValido,  // the bytes are not a puzzle of this format
    tipoNonValido,     // a puzzle, but one the program cannot show (a white cell marked black)
};

struct Lettura {
    EsitoLettura esito = EsitoLettura::formatoNonValido;
    Cruciverba cruciverba;
    // In Italian: on a refusal, what is wrong with the file; on success, what the player should
    // know before solving (a file edited by hand, a solution that cannot be checked). "" for none.
    std::string spiegazione;
};

// The largest grid the open formats are read with.
inline constexpr int maxLatoFormati = 64;

// What a reader builds at most, checked before the work, so that a file of a few megabytes opens
// or is refused within a second and a few megabytes of memory.
inline constexpr size_t maxElenchi = 64;             // clue lists
inline constexpr size_t maxDefinizioni = 8192;       // clues in all
inline constexpr size_t maxCaselleParole = 65536;    // cells named by the words and the clues, in all
inline constexpr size_t maxTestoDefinizione = 4096;  // bytes of one clue
inline constexpr size_t maxTestoCredito = 4096;      // bytes of the title, the author, the copyright
inline constexpr size_t maxTestoNote = 65536;        // bytes of the notes
inline constexpr size_t maxTestoCella = 256;         // bytes of a cell's letters or label
// In Italian, which of these limits the puzzle goes past ("" when none).
std::string limitiSuperati(const Cruciverba& cruciverba);

// Shared by the readers: a refusal with its reason.
inline Lettura rifiuto(std::string spiegazione, EsitoLettura esito = EsitoLettura::formatoNonValido) {
    Lettura l;
    l.esito = esito;
    l.spiegazione = std::move(spiegazione);
    return l;
}

// What a format holds beyond the grid and its clues: the rest of the program asks this, never
// the format's name.
struct Capacita {
    bool tempo = false;       // the solving time (a .puz's LTIM)
    bool segni = false;       // the marks of checks and reveals (a .puz's GEXT)
    bool piuLettere = true;   // a cell of several letters
};

// What the open dialog's preview shows of a file besides its grid.
struct Intestazione {
    std::string crediti;     // "author - date - title", as the file gives them
    std::string dimensioni;  // what follows "Anteprima: "
};

class Formato {
public:
    virtual ~Formato() = default;
    virtual std::string nome() const = 0;                     // "trmo"
    virtual std::vector<std::string> estensioni() const = 0;  // lower case, without the dot
    // Whether the bytes look like this format, for a file whose extension says nothing.
    virtual bool riconosce(std::string_view dati) const = 0;
    virtual Lettura leggi(std::string_view dati) const = 0;
    // The file's bytes; what the reader kept aside is written back as it was.
    virtual std::string scrivi(const Cruciverba& cruciverba) const = 0;
    // In Italian, what of the puzzle this format cannot hold ("" when all of it fits).
    virtual std::string nonContiene(const Cruciverba&) const { return {}; }
    virtual Capacita capacita() const { return {}; }
    // Whether a file of this format, written anew, keeps the way the grid is played.
    virtual bool contieneVariante(Variante v) const { return v == Variante::cruciverba; }
    // The preview's line of credits and its size: by default the credits the puzzle names.
    virtual Intestazione intestazione(const Cruciverba& cruciverba, std::string_view) const {
        return intestazionePredefinita(cruciverba);
    }
    static Intestazione intestazionePredefinita(const Cruciverba& cruciverba);
};

// The capacities of the format the puzzle was read with (a new puzzle's: the defaults).
Capacita capacitaDi(const Cruciverba& cruciverba);
// The fields that say something, trimmed and joined by " - ": an empty one leaves no gap.
std::string campiUniti(const std::vector<std::string>& campi);

// The entry a file gets for a cell: pencil guesses belong to the player's data, never to a
// puzzle file, so other programs never take them for answers.
inline const std::string& voceDaScrivere(const Cella& k) {
    static const std::string nessuna;
    return k.matita ? nessuna : k.voce;
}

// Every known format, .trmo first.
const std::vector<const Formato*>& formati();
const Formato* formatoPerNome(const std::string& nome);
// The format of a file: by its extension, else by its content; .trmo when nothing says.
const Formato& formatoPerFile(const std::string& percorso, std::string_view dati);

inline constexpr const char* msgErroreScrittura =
    "Errore di scrittura del file! Probabilmente si sta utilizzando una cartella che non ha i permessi di "
    "scrittura, provare a salvare il file in una cartella con permessi, ad esempio il desktop";

// The format `percorso`'s extension names; nullptr for none.
const Formato* formatoPerEstensione(const std::string& percorso);
// Turns the puzzle into one of the format `percorso`'s extension names, when that is not the one
// it was read with: nothing of the first file's own comes along. Returns, in Italian, what that
// format cannot hold (the puzzle unchanged), or "" when done or when the extension names none.
std::string adattaAFormato(Cruciverba& cruciverba, const std::string& percorso);

// Reads the bytes of the file at `percorso` with its format.
Lettura leggiCruciverba(const std::string& percorso, std::string_view dati);
// Reads a working copy, which is written in the puzzle's format of the moment, not always its
// file's (a game played on a .trmo is kept as ipuz): by `formato`'s name when it names one, else
// by what the bytes look like, else as `percorso`'s.
Lettura leggiCopia(const std::string& formato, const std::string& percorso, std::string_view dati);
// The bytes of the puzzle in the format it was read with (.trmo for a new one).
std::string testoCruciverba(const Cruciverba& cruciverba);
// Writes the puzzle safely; on failure shows the write-error message once and returns false,
// leaving any old file intact.
bool scriviCruciverba(const Cruciverba& cruciverba, Piattaforma& piattaforma, const std::string& percorso);

}  // namespace quadrivo
