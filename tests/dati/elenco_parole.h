#pragma once
// The Italian word list as the dictionary holds it: upper-case A-Z, accents folded, words with
// any other character left out.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quadrivo::prova {

// One UTF-8 line folded to A-Z ("Città" -> "CITTA"); nullopt when a character has no such form.
std::optional<std::string> piegaParola(std::string_view utf8);

// Every folded word of the list at `percorso`; nullopt when the file cannot be read.
std::optional<std::unordered_set<std::string>> caricaElenco(const std::string& percorso);

// The entries of a list file: first word of each line, '#' starts a comment.
std::unordered_set<std::string> caricaVoci(const std::string& percorso);

}  // namespace quadrivo::prova
