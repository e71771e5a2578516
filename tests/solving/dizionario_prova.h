#pragma once
// A dictionary file in the program's format: 200 bytes nobody reads, an index of 13 entries of
// two 8-digit positions (first word, just past the last) for lengths 3..15, then the words of
// each length back to back, in the order given.
#include <cstdio>
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

}  // namespace quadrivo::prova
