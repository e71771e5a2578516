#pragma once
// Solving by keyboard: the grid's words, the current cell and direction, and what each key or
// click does to them. Pure values: every step returns the new position and the letters to
// write; the session writes them and tells the views.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/cruciverba.h"
#include "model/direzione.h"

namespace quadrivo {

// One word of the grid: a clue's cells, first to last.
struct Parola {
    int colonna = 0;  // start cell
    int riga = 0;
    Direzione direzione = Direzione::orizzontale;
    int lunghezza = 0;
    std::string etichetta;
    std::string definizione;
    std::vector<Casella> caselle;
    std::string voce;  // its caption in the clue panel, made once
    // The i-th cell (0-based).
    int colonnaDi(int i) const { return caselle[static_cast<size_t>(i)].colonna; }
    int rigaDi(int i) const { return caselle[static_cast<size_t>(i)].riga; }
    // Where (c, r) lies in the word; -1 outside it.
    int posizione(int c, int r) const;
    friend bool operator==(const Parola&, const Parola&) = default;
};

// The current cell and direction. colonna 0: nothing is current.
struct Posizione {
    int colonna = 0;
    int riga = 0;
    Direzione direzione = Direzione::orizzontale;
    bool valida() const { return colonna > 0; }
    friend bool operator==(const Posizione&, const Posizione&) = default;
};

// An entry to put into a cell: its letters, or "" for none.
struct Scrittura {
    int colonna = 0;
    int riga = 0;
    std::string voce;
    bool matita = false;  // a guess in pencil
    friend bool operator==(const Scrittura&, const Scrittura&) = default;
};

// The outcome of a key: where the cursor goes and what the cells get.
struct Passo {
    Posizione posizione;
    std::vector<Scrittura> scritture;
    bool gestito = true;  // false: the key means nothing here and may go to the window
};

enum class Freccia { sinistra, destra, su, giu };

// The keys of keyboard solving, as the window reports them.
enum class TastoGriglia { carattere, cancellaIndietro, cancella, sinistra, destra, su, giu, tab, tabIndietro, spazio };

// One entry of the clue panel: the word (in parole(), for as long as the Navigazione lives),
// the text exactly as the printed list has it ("12 Abitazione ", UTF-8), and whether every cell
// of the word holds a letter.
struct VoceElenco {
    const Parola* parola = nullptr;
    const std::string& voce;
    bool completa = false;
};

// The grid letter a typed character stands for: a..z and A..Z in capitals, "@" as is, the
// accented vowels as Italian puzzles write them (è é -> E, à -> A, ì -> I, ò -> O, ù -> U, and
// the other letters with marks on their base letter); 0 when the character is no letter.
char letteraDigitata(char32_t carattere);

// Writes the entries into the puzzle's white cells; true when some cell changed. A letter
// written over a pencil guess makes it final, or a guess again in pencil.
bool applicaScritture(Cruciverba& cruciverba, const std::vector<Scrittura>& scritture);

class Navigazione {
public:
    Navigazione() = default;
    // The words of the puzzle's clue lists.
    explicit Navigazione(const Cruciverba& cruciverba);

    // Across words in number order, then down words: the Tab order and the printed lists' order.
    const std::vector<Parola>& parole() const { return parole_; }
    bool bianca(int c, int r) const;
    // Index in parole() of the word through (c, r) in direction d; -1 when there is none.
    int indiceParola(int c, int r, Direzione d) const;
    // The current word, or nullptr when the current cell has no word in its direction.
    const Parola* parolaCorrente(const Posizione& p) const;

    // A click on (c, r). The current cell again turns to the other direction when the cell
    // has a word that way. Another white cell becomes current with its word in the current
    // direction, or in the other one when a single cell is all there is that way (across for
    // a first click). A black cell or a cell outside the grid leaves the position as it was.
    Posizione clic(const Posizione& attuale, int c, int r) const;
    // Space: the other direction, when the cell has a word that way.
    Posizione giraDirezione(const Posizione& p) const;
    // A click on a panel entry: the word's first empty cell, or its first cell when full.
    Posizione vaiAParola(const Cruciverba& cruciverba, int indice) const;

    // A typed character fills the current cell and moves to the word's next cell; from the
    // word's last cell it goes on to the next word with an empty cell, as Tab passing full
    // words does, the cell just written counted as filled. A character that is no letter
    // changes nothing.
    Passo lettera(const Cruciverba& cruciverba, const Posizione& p, char32_t carattere) const;
    // Backspace: a filled current cell is erased and the cursor stays; on an empty cell the
    // cursor steps back one cell in the word and erases it; on the first cell of the word it
    // goes to the last cell of the previous word (Shift+Tab order) and erases that.
    Passo cancellaIndietro(const Cruciverba& cruciverba, const Posizione& p) const;
    // Delete: erases the current cell, the cursor stays.
    Passo cancella(const Cruciverba& cruciverba, const Posizione& p) const;
    // Arrows: the nearest white cell that way on the same row or column, black cells skipped;
    // at the grid's edge the cursor stays. The direction follows the arrow's axis when the new
    // cell has a word that way.
    Posizione freccia(const Posizione& p, Freccia f) const;
    // Tab / Shift+Tab: the next / previous word in parole() order, wrapping around, at its
    // first empty cell (first cell when full). With `saltaComplete`, words whose cells are all
    // filled are passed over, unless every word is.
    Posizione parolaSuccessiva(const Cruciverba& cruciverba, const Posizione& p, bool saltaComplete = false) const;
    Posizione parolaPrecedente(const Cruciverba& cruciverba, const Posizione& p, bool saltaComplete = false) const;

    // One key: the operation above that goes with it. Enter, Esc and the rest are the window's.
    Passo tasto(const Cruciverba& cruciverba, const Posizione& p, TastoGriglia t, char32_t carattere = 0,
                bool saltaComplete = false) const;

    // Clue panel entries of direction d, in the printed lists' order; in a diagramless also the
    // clues no word of the player's grid has yet (parola nullptr), for every clue must be read.
    std::vector<VoceElenco> elenco(const Cruciverba& cruciverba, Direzione d) const;
    // The line above the grid for the current word: " 12 oriz. - Abitazione" (UTF-8), in the
    // words of the game (didascaliaParola); "" when no word is current.
    std::string definizioneCorrente(const Cruciverba& cruciverba, const Posizione& p) const;

    // Whether every cell of `w` holds a letter, `piena` counted as filled.
    bool completa(const Cruciverba& cruciverba, const Parola& w, std::optional<Casella> piena = {}) const;

private:
    size_t cella(int c, int r, Direzione d) const;
    Posizione inizioDi(const Cruciverba& cruciverba, int indice, std::optional<Casella> piena = {}) const;
    Posizione versoParola(const Cruciverba& cruciverba, const Posizione& p, int passo, bool saltaComplete,
                          std::optional<Casella> piena = {}) const;

    int nColonne_ = 0;
    int nRighe_ = 0;
    int nDirezioni_ = 0;
    std::vector<Parola> parole_;
    std::vector<int> indice_;  // word index + 1 for each cell and direction; 0: none
    std::vector<bool> bianche_;
    // A diagramless's clues that no word of the player's grid has yet: listed all the same, in
    // their place (direction, the index in parole_ of the word after them, the entry's text).
    struct SenzaParola {
        Direzione direzione;
        size_t prima;
        std::string voce;
    };
    std::vector<SenzaParola> senzaParola_;
};

}  // namespace quadrivo
