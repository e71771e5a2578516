#include "elenco_parole.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace quadrivo::prova {

namespace {

// Latin-1 letters with an accent, by code point from U+00C0, folded to their base letter.
constexpr std::string_view latino1 = "AAAAAA*CEEEEIIII" "*NOOOOO**UUUUY**" "AAAAAA*CEEEEIIII" "*NOOOOO**UUUUY*Y";

}  // namespace

std::optional<std::string> piegaParola(std::string_view s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.remove_suffix(1);
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        auto b = static_cast<unsigned char>(s[i]);
        if (b >= 'a' && b <= 'z') {
            out += static_cast<char>(b - 'a' + 'A');
        } else if (b >= 'A' && b <= 'Z') {
            out += static_cast<char>(b);
        } else if (b == 0xC3 && i + 1 < s.size()) {
            // two-byte sequences U+00C0..U+00FF
            unsigned cp = 0xC0 + (static_cast<unsigned char>(s[++i]) & 0x3F);
            char p = latino1[cp - 0xC0];
            if (p == '*') return std::nullopt;
            out += p;
        } else {
            return std::nullopt;
        }
    }
    if (out.empty()) return std::nullopt;
    return out;
}

std::optional<std::unordered_set<std::string>> caricaElenco(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    if (!f) return std::nullopt;
    std::unordered_set<std::string> parole;
    std::string riga;
    while (std::getline(f, riga)) {
        if (auto p = piegaParola(riga)) parole.insert(std::move(*p));
    }
    return parole;
}

std::unordered_set<std::string> caricaVoci(const std::string& percorso) {
    std::ifstream f(percorso, std::ios::binary);
    std::unordered_set<std::string> voci;
    std::string riga;
    while (std::getline(f, riga)) {
        riga = riga.substr(0, riga.find('#'));
        std::istringstream campi(riga);
        std::string voce;
        if (campi >> voce) voci.insert(voce);
    }
    return voci;
}

}  // namespace quadrivo::prova
