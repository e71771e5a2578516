#pragma once
// Dictionary files: loading their index, the language choice, and the mask search of the word
// dialog's "&Cerca" button.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/piattaforma.h"
#include "model/cruciverba.h"
#include "model/superficie.h"
#include "solving/navigazione.h"

namespace quadrivo {

class IndiceLessico;  // solving/lessico_indice.h

// The dictionary in use: where its file is, which language, its block table and, once a way of
// searching needs it, its word index.
struct Lessico {
    std::string cartella;  // the program's folder, ending in "/"
    std::string file = "LessicoItaliano.dat";
    std::int16_t lingua = 1;
    std::array<std::int32_t, 16> inizio{};  // index 3..15
    std::array<std::int32_t, 16> conta{};
    // Word numbers by length, position and letter, built by indicizzaLessico for the search.
    std::shared_ptr<const IndiceLessico> indice;

    std::string percorso() const { return cartella + file; }
};

// File names by language number 1..4 (Italian, English, Latin, French).
inline constexpr const char* fileLessicoPerLingua[5] = {"", "LessicoItaliano.dat", "LessicoInglese.dat",
                                                         "LessicoLatino.dat", "LessicoFrancese.dat"};

// Larger dictionary files are refused: the real ones are a few megabytes.
inline constexpr long long dimensioneMassimaLessico = 64LL * 1024 * 1024;
// Why a dictionary file cannot be used ("non esiste", "è una cartella", "è troppo grande",
// "non è un dizionario"); "" for an ordinary file that opens, is not larger than that and
// holds at least one length of words. A damaged index is no reason: its words still serve.
std::string motivoLessico(const std::string& percorso);
bool lessicoUtilizzabile(const std::string& percorso);

// Loading the dictionary's file: its block table into inizio and conta, reading the index fields by the numeric rule. Returns what to tell the player
// once when the index is damaged ("" otherwise, and for a file that cannot be used: the
// search then says why). Cheap: only the file's first 408 bytes are read; the mask search
// reads the block it needs.
std::string preparaLessico(Lessico& lessico);
// Builds the word index the other ways of searching use (anagrams, fragments, crossings), in
// silence: the damage was said when the file was loaded. False, with nothing built, for a file
// that cannot be used or does not fit in memory.
bool indicizzaLessico(Lessico& lessico);
// Both, with the damage said through a message.
bool caricaLessico(Lessico& lessico, Piattaforma& piattaforma);

// A language item chosen from the menu: false (nothing happens) when it is already the one in
// use, or when its file cannot be used (after a message; the current language stays);
// otherwise sets lingua and file and loads the file.
bool scegliLingua(Lessico& lessico, Piattaforma& piattaforma, int lingua);

// The words a search found, in file order: their Windows-1252 bytes back to back, the same
// length each, so that even 50,000 of them are one allocation.
class ParoleTrovate {
public:
    ParoleTrovate() = default;
    ParoleTrovate(int lunghezza, std::string byte)
        : lunghezza_(lunghezza), byte_(std::move(byte)) {}

    int lunghezza() const { return lunghezza_; }
    std::size_t size() const { return lunghezza_ > 0 ? byte_.size() / std::size_t(lunghezza_) : 0; }
    bool empty() const { return size() == 0; }
    std::string_view operator[](std::size_t i) const { return std::string_view(byte_).substr(i * lunghezza_, lunghezza_); }
    std::string utf8(std::size_t i) const;
    std::vector<std::string> tutteUtf8() const;

private:
    int lunghezza_ = 0;
    std::string byte_;
};

// What the search shows in the dialog, in the order it happens.
class VistaRicerca {
public:
    virtual ~VistaRicerca() = default;
    virtual void svuotaLista() = 0;
    // All the words found, in order, in one call: a list backed by a model takes them as they are.
    virtual void aggiungiParole(const ParoleTrovate& parole) = 0;
    virtual void impostaStato(const std::string& testo) = 0;      // esitoRicerca: "Trovata", "Trov.: 3"
    virtual void impostaTestoLista(const std::string& testo) = 0; // elencoTrovate's text: first match or ""
    // The progress surface (barraAvanzamento): painted yellow at the start, dark blue as it goes.
    virtual Superficie& progresso() = 0;
};

// The "&Cerca" search for the word open in the dialog: `maschera` holds one Windows-1252 byte
// per letter box (" " for a blank or a hidden box). Shows the busy pointer while it runs,
// paints the progress bar, sets the status and fills the list.
// Returns the words found in file order. The file is opened afresh each time: while it is the
// one loaded, unchanged, the words come from the index's copy, otherwise from the file in one
// read (with the index only the stretch holding the candidates); a dictionary that can no
// longer be opened gives a clear message and an empty list.
ParoleTrovate cercaNelLessico(const Lessico& lessico, Piattaforma& piattaforma, const std::string& maschera,
                              VistaRicerca& vista);

// The word dialog's ways of searching.
enum class ModoRicerca { maschera, anagramma, frammenti, incroci };

// One line of a list: the word to write (Windows-1252, "" when it is only to be read) and
// what is shown after it (UTF-8).
struct VoceRicerca {
    std::string parola;
    std::string nota;
    friend bool operator==(const VoceRicerca&, const VoceRicerca&) = default;
};

// The dialog's list for the word open in it (starting at `parola`), from the loaded index; `maschera` holds one byte per box. Maschera: the
// words fitting the boxes ("@" a vowel, "#" a consonant); Anagramma: the words made of the
// boxes' letters (a blank any letter); Frammenti: the words of the word's length that the
// boxes' letters, in order and blanks left out, are a fragment of, with the relation; Incroci: the words fitting the boxes that leave every
// crossing word possible, with the candidates left to the crossings.
std::vector<VoceRicerca> elencoParole(const Cruciverba& cruciverba, const Lessico& lessico, const Posizione& parola, ModoRicerca modo,
                                      const std::string& maschera);

}  // namespace quadrivo
