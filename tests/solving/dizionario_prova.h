#pragma once
// A dictionary file in the program's format, built from word lists.
#include <map>
#include <string>
#include <vector>

namespace quadrivo::prova {

// 200 bytes nobody reads, the index of 13 entries of two 8-digit positions (first word, just
// past the last) for lengths 3..15, then the words of each length back to back.
inline std::string dizionario(const std::map<int, std::vector<std::string>>& parole) {
    std::string testa = "Dizionario di prova";
    testa.resize(200, ' ');
    std::string indice, corpo;
    long long pos = 409;
    auto otto = [](long long n) {
        const std::string t = std::to_string(n);
        return std::string(8 - t.size(), '0') + t;
    };
    for (int L = 3; L <= 15; ++L) {
        const long long inizio = pos;
        if (const auto it = parole.find(L); it != parole.end())
            for (const std::string& p : it->second) corpo += p, pos += L;
        indice += otto(inizio) + otto(pos);
    }
    return testa + indice + corpo;
}

}  // namespace quadrivo::prova
