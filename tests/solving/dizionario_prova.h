#pragma once
// A dictionary file in the program's format: 200 bytes nobody reads, an index of 13 entries of
// two 8-digit positions (first word, just past the last) for lengths 3..15, then the words of
// each length back to back, in the order given.
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quadrivo::prova {

inline std::string dizionario(const std::map<int, std::vector<std::string>>& parole) {
    std::string indice, corpo;
    char voce[40];
    for (int L = 3; L <= 15; ++L) {
        const std::size_t inizio = 409 + corpo.size();
        if (const auto it = parole.find(L); it != parole.end())
            for (const std::string& p : it->second) corpo += p;
        std::snprintf(voce, sizeof voce, "%08zu%08zu", inizio, 409 + corpo.size());
        indice += voce;
    }
    return std::string(200, ' ') + indice + corpo;
}

// Damaged copies of one small dictionary: how each is damaged, what loading it says (the end of
// a sentence after the file's name, "" for nothing) and the words each length 3, 4, 5 still
// gives to an all-blank mask.
struct Danneggiato {
    const char* nome;
    std::function<void(std::string&)> danno;
    const char* detto;
    std::array<std::vector<std::string>, 3> parole;
};

inline const std::map<int, std::vector<std::string>> paroleDanneggiate = {
    {3, {"ORA", "MAL"}}, {4, {"MELA", "CASA", "MALA", "MOLA", "MULO", "MELO"}}, {5, {"MELAS"}}};

inline std::vector<Danneggiato> dizionariDanneggiati() {
    // Replaces the start ('i') or end ('f') field of length L's index entry.
    auto campo = [](int L, char quale, std::string testo) {
        return [=](std::string& f) { f.replace(200 + 16 * (L - 3) + (quale == 'f' ? 8 : 0), 8, (testo + "        ").substr(0, 8)); };
    };
    using V = std::vector<std::string>;
    const V tre = {"ORA", "MAL"}, quattro = paroleDanneggiate.at(4), cinque = {"MELAS"};
    return {
        {"blanks skipped and a fraction rounded: a sound index", [campo](std::string& f) { campo(4, 'i', " 4 1 5")(f), campo(4, 'f', "438.6")(f); }, "",
         {tre, quattro, cinque}},
        {"a count truncated: the partial word dropped", campo(4, 'f', "00000437"),
         "ha un indice non valido alla voce delle parole di 4 lettere", {tre, V(quattro.begin(), quattro.begin() + 5), cinque}},
        {"a field without digits reads 0", campo(4, 'i', "abcdefgh"),
         "ha un indice non valido: le parole di 4 lettere iniziano alla posizione 0", {tre, V{}, cinque}},
        {"a past-the-end position beyond the file", campo(5, 'f', "00099999"),
         "è troncato: le parole di 5 lettere finiscono oltre la fine del file", {tre, quattro, cinque}},
        {"a start inside the index: those bytes are no words", campo(4, 'i', "00000201"),
         "ha un indice non valido alla voce delle parole di 4 lettere", {tre, V{}, cinque}},
        {"a start past the file", [campo](std::string& f) { campo(4, 'i', "99999990")(f), campo(4, 'f', "99999999")(f); },
         "è troncato: le parole di 4 lettere iniziano oltre la fine del file", {tre, V{}, cinque}},
        {"a negative count", [campo](std::string& f) { campo(4, 'i', "00000439")(f), campo(4, 'f', "00000415")(f); },
         "ha un indice non valido alla voce delle parole di 4 lettere", {tre, V{}, cinque}},
        {"bytes after the last word", [](std::string& f) { f += "XYZ"; },
         "ha un indice non valido: dopo l'ultima parola restano byte non indicizzati", {tre, quattro, cinque}},
    };
}

}  // namespace quadrivo::prova
