#pragma once
// The puzzle in memory, whatever file it came from: a grid of void, black and white cells,
// clue lists named by direction, and the puzzle's credits. Text is Unicode (UTF-8); each file
// format converts at its own edge.
#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/direzione.h"

namespace quadrivo {

// A cell's place, 1-based.
struct Casella {
    int colonna = 0;
    int riga = 0;
    friend auto operator<=>(const Casella&, const Casella&) = default;
};

enum class TipoCella : std::uint8_t {
    bianca,
    nera,
    vuota,  // outside a shaped grid: nothing is drawn and no word runs through it
};

// Thick borders that end words in a barred grid.
enum BarraCella : std::uint8_t { barraSopra = 1, barraDestra = 2, barraSotto = 4, barraSinistra = 8 };

struct Cella {
    TipoCella tipo = TipoCella::bianca;
    std::string soluzione;   // one or more letters, upper case; "" when the file gives none
    std::string voce;        // the player's letters; "" for none
    std::string etichetta;   // the number (or text) in the corner; "" for none
    bool cerchio = false;
    bool ombreggiata = false;
    bool data = false;       // a letter the puzzle gives: shown from the start, never typed over
    std::uint8_t barre = 0;  // BarraCella flags
    std::string colore;      // background as "#rrggbb"; "" for the usual white
    bool matita = false;     // the entry is a guess in pencil: drawn lighter, never printed
    // A grid played without its diagram: the solution's black square, which the player's grid
    // (tipo) does not show until the player places it.
    bool neraSoluzione = false;
    int codice = 0;          // a codeword's number for the cell's letter, 1..k; 0 for none
    bool bianca() const { return tipo == TipoCella::bianca; }
    friend bool operator==(const Cella&, const Cella&) = default;
};

struct Definizione {
    std::string etichetta;  // "12"
    std::string testo;
    std::vector<Casella> caselle;  // first to last
    std::string enumerazione;      // "(3,4)"; "" for none
    friend bool operator==(const Definizione&, const Definizione&) = default;
};

inline constexpr const char* nomeOrizzontali = "Orizzontali";
inline constexpr const char* nomeVerticali = "Verticali";
inline constexpr const char* nomeDiagonali = "Diagonali";

struct ElencoDefinizioni {
    std::string direzione;  // nomeOrizzontali, nomeVerticali, nomeDiagonali or the file's own name
    std::vector<Definizione> definizioni;
    friend bool operator==(const ElencoDefinizioni&, const ElencoDefinizioni&) = default;
};

// Letters a check counts beyond the cells the player can reach: an archive's grid line longer
// than its columns, a black cell whose entry byte is not black. Fixed while the puzzle is open.
struct FuoriSchema {
    long long lettere = 0;
    long long differenze = 0;
};

// What a format keeps aside to write its file back byte for byte; each format derives its own.
struct DatiFormato {
    virtual ~DatiFormato() = default;
    virtual FuoriSchema fuoriSchema() const { return {}; }
};

inline constexpr int maxLatoCruciverba = 128;

// How the grid is played.
enum class Variante : std::uint8_t {
    cruciverba,
    senzaSchema,    // all white to the player, clues row by row and column by column; the player draws the blacks
    diagramless,    // the same with numbered clues, numbered as the player's grid defines its words
    crittografato,  // no clues: each white cell shows its code, equal codes being equal letters
    daRiempire,     // no clues: a bank of words the player places
};

class Cruciverba {
public:
    Cruciverba() = default;
    // An all-white grid; sizes outside 1..maxLatoCruciverba give an empty one.
    Cruciverba(int colonne, int righe);

    int colonne() const { return colonne_; }
    int righe() const { return righe_; }
    bool vuoto() const { return colonne_ == 0; }
    bool dentro(int c, int r) const { return c >= 1 && c <= colonne_ && r >= 1 && r <= righe_; }
    bool dentro(Casella k) const { return dentro(k.colonna, k.riga); }
    // Inside and white.
    bool bianca(int c, int r) const { return dentro(c, r) && cella(c, r).bianca(); }
    Cella& cella(int c, int r) { return celle_[indice(c, r)]; }
    const Cella& cella(int c, int r) const { return celle_[indice(c, r)]; }
    Cella& cella(Casella k) { return cella(k.colonna, k.riga); }
    const Cella& cella(Casella k) const { return cella(k.colonna, k.riga); }

    std::vector<ElencoDefinizioni> elenchi;
    // The list of this name; nullptr when the puzzle has none.
    const ElencoDefinizioni* elenco(const std::string& direzione) const;

    std::string titolo, autore, copyright, note;
    // What the page's footer prints before the author ("Autore:      " in an archive).
    std::string etichettaAutore;

    // Which format read it ("trmo", ...) and what it kept aside for writing it back.
    std::string formato;
    std::shared_ptr<const DatiFormato> datiFormato;
    // The solving time the file carries (a .puz's LTIM), in seconds; the session keeps it
    // current before every write. None when the file has none.
    std::optional<std::int64_t> secondiFile;
    // The solve's marks as a file carries them for other programs (a .puz's GEXT): read with
    // the file, and kept current by the session before every write, as the time is.
    struct SegniFile {
        std::set<Casella> sbagliate;  // marked wrong now
        std::set<Casella> corrette;   // marked wrong once and put right since
        std::set<Casella> rivelate;
        friend bool operator==(const SegniFile&, const SegniFile&) = default;
    };
    SegniFile segniFile;

    Variante variante = Variante::cruciverba;
    // A grid to fill: the words to place, as the puzzle lists them.
    std::vector<std::string> banca;

    friend bool operator==(const Cruciverba& a, const Cruciverba& b) {
        return a.colonne_ == b.colonne_ && a.righe_ == b.righe_ && a.celle_ == b.celle_ && a.elenchi == b.elenchi &&
               a.titolo == b.titolo && a.autore == b.autore && a.copyright == b.copyright && a.note == b.note &&
               a.variante == b.variante && a.banca == b.banca;
    }

private:
    size_t indice(int c, int r) const {
        return static_cast<size_t>(r - 1) * static_cast<size_t>(colonne_) + static_cast<size_t>(c - 1);
    }
    int colonne_ = 0;
    int righe_ = 0;
    std::vector<Cella> celle_;
};

// Whether a word running across (or down) stops between a and the next cell b: a black or
// void b, or a bar on either side of the border.
bool confine(const Cruciverba& x, Casella a, Casella b);

// The across (down) words of the grid: runs of two or more white cells between borders, in
// reading order of their first cell; labels and texts left empty.
std::vector<Definizione> paroleOrizzontali(const Cruciverba& x);
std::vector<Definizione> paroleVerticali(const Cruciverba& x);

// Standard numbering, for formats that store no labels: 1, 2, ... on every cell that starts
// an across or a down word, in reading order; every other cell's label is cleared. The two
// lists are rebuilt from the grid, keeping the text of each word that starts where it did.
void numeraStandard(Cruciverba& x);

// The clue of d's list whose word starts at k; nullptr when no word starts there.
const Definizione* definizioneDa(const Cruciverba& x, Casella k, Direzione d);
Definizione* definizioneDa(Cruciverba& x, Casella k, Direzione d);

// A clue as the lists show it: the label, a space, the text (30 underscores when it has none),
// a space.
std::string voceDefinizione(const std::string& etichetta, const std::string& testo);

// Every white cell of the grid, in reading order.
std::vector<Casella> caselleBianche(const Cruciverba& x);

// What the file holds outside the grid for a check to count (nothing for most puzzles).
FuoriSchema fuoriSchema(const Cruciverba& x);

// Whether a check looks at the cell: not a cell the puzzle leaves blank for good (given, with
// no letter), which nobody can fill.
bool controllabile(const Cella& k);

// True when every white cell a check looks at holds its solution and nothing outside the grid
// is wrong (a cell whose solution is unknown is never right). A grid with no white cell is.
// Played without its diagram, the player's black squares must also be the solution's.
bool risolto(const Cruciverba& x);

}  // namespace quadrivo
