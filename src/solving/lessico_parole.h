#pragma once
// What the word helper asks of a dictionary beyond a plain mask: letter classes, anagrams,
// fragments of a word (its consonants, its ends, ...) and the words that leave every crossing
// word possible. Plain C++ over the index, shared by the program and the `lessico` tool; words
// are Windows-1252 bytes, upper case.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solving/lessico_indice.h"

namespace quadrivo {

// The bytes one letter of a mask accepts.
class ClasseLettera {
public:
    static ClasseLettera qualsiasi();
    static ClasseLettera nessuna() { return {}; }
    static ClasseLettera lettera(unsigned char c);
    static ClasseLettera vocali();
    static ClasseLettera consonanti();

    void aggiungi(unsigned char c) { bit_[c >> 6] |= std::uint64_t(1) << (c & 63); }
    bool ammette(unsigned char c) const { return (bit_[c >> 6] >> (c & 63)) & 1; }
    ClasseLettera complemento() const;
    int quanti() const;
    bool tutte() const { return quanti() == 256; }
    friend bool operator==(const ClasseLettera&, const ClasseLettera&) = default;

private:
    std::array<std::uint64_t, 4> bit_{};
};

using Maschera = std::vector<ClasseLettera>;

// A mask as the player writes it: "." or "?" any letter, "@" a vowel, "#" a consonant,
// "[ABC]" one of, "[!ABC]" none of, a letter itself (lower case read as upper case). Either
// the mask or what is wrong with it, in Italian ("parentesi quadra non chiusa dopo ...").
struct EsitoMaschera {
    Maschera maschera;
    std::string errore;  // "" when the mask is good
};
EsitoMaschera leggiMaschera(std::string_view testo);

// The word dialog's mask: a blank any letter, "@" a vowel, "#" a consonant, a NUL nothing,
// any other byte itself.
Maschera mascheraDaDialogo(std::string_view byte);

// The words (0-based numbers, ascending) of the block of the mask's length that fit it. With
// the index only the words in the sets of its letters and classes are looked at.
std::vector<std::uint32_t> paroleMaschera(const IndiceLessico& indice, const Maschera& maschera);
// The same over a block in memory without an index (`blocco`: words of n bytes back to back).
std::vector<std::uint32_t> paroleMascheraBlocco(std::string_view blocco, const Maschera& maschera);

// The words of the same length made of exactly these letters, "." standing for any one letter.
// Ascending numbers in the block of that length; nothing when a letter is not A..Z or ".".
std::vector<std::uint32_t> anagrammi(const IndiceLessico& indice, std::string_view lettere);
// The same by counting the letters of every word of a block in memory (words of
// lettere.size() bytes back to back): a single query costs less than building the index.
std::vector<std::uint32_t> anagrammiBlocco(std::string_view blocco, std::string_view lettere);

// How a word gives a fragment, in the order they are listed.
enum class Relazione { consonanti, vocali, dispari, pari, estremi, centro };
inline constexpr std::array<Relazione, 6> relazioni = {Relazione::consonanti, Relazione::vocali, Relazione::dispari,
                                                       Relazione::pari,       Relazione::estremi, Relazione::centro};
const char* nomeRelazione(Relazione r);  // "consonanti", "vocali", "dispari", "pari", "estremi", "centro"

struct TrovataFrammento {
    Relazione relazione;
    std::uint32_t id;  // idParola
    friend bool operator==(const TrovataFrammento&, const TrovataFrammento&) = default;
};
// The words of every length whose consonants, vowels, odd letters (1st, 3rd, ...), even
// letters, ends (first and last) or centre (the middle letter, the middle two for an even
// length) are exactly `frammento` (letters A..Z); by relation, then in file order.
std::vector<TrovataFrammento> frammenti(const IndiceLessico& indice, std::string_view frammento);
// The same, every word's letters looked at where it lies.
std::vector<TrovataFrammento> frammenti(const BlocchiLessico& blocchi, std::string_view frammento);

// A crossing word: its own mask, the place where it crosses the word being chosen left open.
struct Incrocio {
    Maschera maschera;
    int posizione = 0;
};
struct CandidatoIncroci {
    std::uint32_t numero;  // in the block of the word's length
    std::int64_t rimaste;  // the crossing words' candidates left once it is placed, all together
    std::int64_t minimo;   // the fewest left to one crossing (-1 when nothing crosses)
    friend bool operator==(const CandidatoIncroci&, const CandidatoIncroci&) = default;
};
// The words fitting `parola` that leave each crossing word of 3 to 15 letters at least one
// dictionary word; `incroci[i]` crosses letter i (none, or a shorter or longer word, adds no
// constraint). In file order.
std::vector<CandidatoIncroci> paroleConIncroci(const IndiceLessico& indice, const Maschera& parola,
                                               const std::vector<std::optional<Incrocio>>& incroci);
// The same over the blocks where they lie: each block concerned is scanned once per mask.
std::vector<CandidatoIncroci> paroleConIncroci(const BlocchiLessico& blocchi, const Maschera& parola,
                                               const std::vector<std::optional<Incrocio>>& incroci);

}  // namespace quadrivo
