#pragma once
// Word sets to check the sample puzzles against: the built Italian dictionary, or the word list
// it is built from, folded the same way.
#include <optional>
#include <string>
#include <unordered_set>

namespace quadrivo::prova {

// Every word (3 to 15 letters) of a dictionary file, as the program's search finds them;
// nullopt when the file cannot be read.
std::optional<std::unordered_set<std::string>> paroleDelLessico(const std::string& percorso);

// Every word of a UTF-8 word list, folded to A-Z as the dictionary is built; nullopt when the
// file cannot be read.
std::optional<std::unordered_set<std::string>> caricaElenco(const std::string& percorso);

// The entries of a list file: first word of each line, '#' starts a comment.
std::unordered_set<std::string> caricaVoci(const std::string& percorso);

}  // namespace quadrivo::prova
