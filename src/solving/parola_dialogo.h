#pragma once
// The rules of the word dialog, apart from its widgets: what it shows for a word, which box
// texts it accepts, the cells and the search mask it builds from the boxes. Everything is UTF-8
// but the mask, which the dictionary compares as Windows-1252 bytes.
#include <optional>
#include <string>
#include <vector>

#include "model/disegno_schema.h"
#include "model/cruciverba.h"
#include "solving/navigazione.h"

namespace quadrivo {

inline constexpr int maxCaselleDialogo = 15;  // past this the dialog shows one long box

// What the dialog is opened on: the word starting at `parola`.
struct VoceDialogo {
    Posizione parola;             // its start cell and direction
    bool valida = false;          // a start cell and direction within the grid
    std::string titolo;           // " 12 Orizzontale", " 3 Verticale"
    std::string definizione;      // the clue
    bool definizioneFissa = false;  // a game without clues of its own to edit: the clue is only shown
    std::vector<std::string> celle;  // each cell's entry as the grid holds it, "" for none
    int lunghezzaMaschera = 0;    // letters of the solution word, which the search compares
    // The word's cells in the window: the dialog goes beside them, never over them.
    int xParola = 0, yParola = 0, larghezzaParola = 0, altezzaParola = 0;
};

// What the player confirmed with OK: each cell's entry ("" for none) and the clue. A box left
// as it was shown hands back the cell's entry exactly as it came.
struct SceltaParola {
    std::vector<std::string> celle;
    std::string definizione;
    friend bool operator==(const SceltaParola&, const SceltaParola&) = default;
};

// `griglia` is the grid as laid out in the window, to place the dialog beside the word. In a
// senza schema, a crittografato or a da riempire the word is the player's grid's (parolaDiGriglia).
VoceDialogo voceDialogo(const Cruciverba& cruciverba, const GeometriaSchema& griglia, const Posizione& parola);

// Writes the confirmed cells and clue into the puzzle for the word starting at `parola`. Only
// what differs from the grid is written: an unchanged cell keeps its pencil, an unchanged clue its text.
void applicaScelta(Cruciverba& cruciverba, const Posizione& parola, const SceltaParola& scelta);
// The writes OK makes into the word's cells `caselle`: only the cells whose entry changed.
std::vector<Scrittura> scrittureScelta(const Cruciverba& cruciverba, const std::vector<Casella>& caselle,
                                       const SceltaParola& scelta);

// The text box i starts with: the cell's letters, or a blank for an empty cell.
std::vector<std::string> caselleIniziali(const std::vector<std::string>& celle);
// The long box's text: one character per cell, a blank for an empty one, a cell of several
// letters in brackets ("[STAR]").
std::string testoCasellaLunga(const std::vector<std::string>& celle);
bool conCaselle(int lunghezza);   // one box per letter
bool conCasellaLunga(int lunghezza);
bool conRicerca(int lunghezza);   // the search button, the list and the progress bar

// A box text the dialog keeps: empty, or starting with A-Z, ".", a blank, or the search's
// classes "@" (a vowel, kept as an entry) and "#" (a consonant, never written).
bool casellaAmmessa(const std::string& testo);
// A long box text the dialog keeps, once trimmed and upper-cased: only A-Z, "." and blanks.
bool casellaLungaAmmessa(const std::string& testo);

// What a box keeps after typing: the character just typed (before the caret), in capitals.
std::string casellaDopoDigitazione(const std::string& testo, int cursore);
// Whether the focus runs on to the next box after that change: something but blanks.
bool avanzaDopoDigitazione(const std::string& testo);
// Boxes counted from 0; the focus wraps round.
int seguenteNelDialogo(int i, int n);
int precedenteNelDialogo(int i, int n);

// The cells from the boxes, in capitals: "" for an empty or "." box; a box still showing what it
// started with gives the cell's entry back untouched.
std::vector<std::string> celleDaCaselle(const std::vector<std::string>& caselle, const std::vector<std::string>& celle);
// The cells from the long box: trimmed, in capitals, one per character or bracketed group; the
// surplus past the word's last cell is cut.
std::vector<std::string> celleDaCasellaLunga(const std::string& testo, size_t quante);
// The search mask of `lunghezza` characters: each shown box's first character, blanks past them.
std::string mascheraDaCaselle(const std::vector<std::string>& caselle, int lunghezza);

// The first box OK refuses, if any: only boxes the player edited are checked, so a word shown
// unchanged (an "@" typed in the grid) is confirmed as it is.
std::optional<int> casellaRifiutata(const std::vector<std::string>& caselle, const std::vector<bool>& modificate);

}  // namespace quadrivo
