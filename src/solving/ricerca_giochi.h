#pragma once
// The word dialog's "&Cerca" in the games that bring their own words: a codeword searches by its
// codes in every dictionary there is, a grid to fill searches its bank.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "solving/lessico.h"
#include "solving/varianti.h"

namespace quadrivo {

// Whether the dialog's search in this game is cercaNelGioco's (a crittografato, a da riempire).
bool ricercaDelGioco(const Cruciverba& x);

// The words for the cells `caselle`, in UTF-8, each once: in a crittografato the words of
// `blocchi` (one dictionary's words of that length each, the one in use first) that follow the
// codes and the key; in a da riempire the bank's words that fit. `maschera` holds the dialog's
// boxes (Windows-1252, " " or "." any letter, "@" a vowel, "#" a consonant): a letter the player
// typed there narrows the list.
std::vector<std::string> paroleDelGioco(const Cruciverba& x, const std::vector<std::string_view>& blocchi,
                                        const std::vector<Casella>& caselle, const std::string& maschera);

// The same from the dictionaries of the program folder (read afresh, only the block of the
// word's length): the word dialog's search and the "Suggerimenti" panel. Nothing in a game whose
// search is the dictionary's mask search; `senzaDizionari` is set when a codeword had no
// dictionary to search.
std::optional<std::vector<std::string>> paroleDelGioco(const Cruciverba& x, const Lessico& lessico,
                                                      const std::vector<Casella>& caselle, const std::string& maschera,
                                                      bool* senzaDizionari = nullptr);

// The search for the word starting at `parola`, reported to `vista` as the mask search does;
// false (nothing done) in a game whose search is the dictionary's mask search. The dictionaries
// are the program folder's four, read afresh; one that cannot be used is passed over.
bool cercaNelGioco(const Cruciverba& x, const Lessico& lessico, Piattaforma& piattaforma, const Posizione& parola,
                   const std::string& maschera, VistaRicerca& vista);

}  // namespace quadrivo
