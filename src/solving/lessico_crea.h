#pragma once
// Building dictionary files from plain word lists: folding each word to the letters A..Z,
// and writing the header, the index and the length blocks.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "solving/lessico_indice.h"

namespace quadrivo {

// A word of a UTF-8 list in capitals A..Z: accents dropped (È→E, ç→C), ligatures spelt out
// (œ→OE, æ→AE, ß→SS). No result when anything else is in it: apostrophes, hyphens, digits,
// blanks, letters of other alphabets, bytes that are not UTF-8.
std::optional<std::string> piegaParola(std::string_view utf8);

// The headwords of a hunspell .dic text: the first line (the count) and comments skipped,
// the affix flags after "/" dropped.
std::vector<std::string> lemmiHunspell(std::string_view testo);

// What the first 200 bytes of a file built here say, as readable text.
struct IntestazioneLessico {
    std::string lingua;
    std::int64_t parole = 0;  // words of lengths 3..15
    std::string fonte;
    std::string data;  // YYYY-MM-DD
};

class ErroreLessico : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a dictionary file holding the words of lengths 3..15 among `parole` (already
// folded), without duplicates, each length in alphabetical order. `intestazione.parole` is
// filled in here; a text too long for the header is cut.
// Throws ErroreLessico when a position would not fit in its 8 digits.
std::string creaLessico(std::vector<std::string> parole, IntestazioneLessico intestazione);

// The header written by creaLessico read back; fields it cannot find stay empty.
IntestazioneLessico leggiIntestazioneLessico(std::string_view primi200);

}  // namespace quadrivo
