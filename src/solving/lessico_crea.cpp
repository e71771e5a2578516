#include "solving/lessico_crea.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace quadrivo {

namespace {

// Capital letters for U+00C0..U+017F; "" for the characters that are not letters to keep.
constexpr std::array<const char*, 0x180 - 0xC0> latini = {
    // U+00C0 .. U+00FF
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",  //
    "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "", "SS",    //
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",  //
    "D", "N", "O", "O", "O", "O", "O", "", "O", "U", "U", "U", "U", "Y", "", "Y",     //
    // U+0100 .. U+017F
    "A", "A", "A", "A", "A", "A", "C", "C", "C", "C", "C", "C", "C", "C", "D", "D",     //
    "D", "D", "E", "E", "E", "E", "E", "E", "E", "E", "E", "E", "G", "G", "G", "G",     //
    "G", "G", "G", "G", "H", "H", "H", "H", "I", "I", "I", "I", "I", "I", "I", "I",     //
    "I", "I", "IJ", "IJ", "J", "J", "K", "K", "K", "L", "L", "L", "L", "L", "L", "L",   //
    "L", "L", "L", "N", "N", "N", "N", "N", "N", "N", "N", "N", "O", "O", "O", "O",     //
    "O", "O", "OE", "OE", "R", "R", "R", "R", "R", "R", "S", "S", "S", "S", "S", "S",   //
    "S", "S", "T", "T", "T", "T", "T", "T", "U", "U", "U", "U", "U", "U", "U", "U",     //
    "U", "U", "U", "U", "W", "W", "Y", "Y", "Y", "Z", "Z", "Z", "Z", "Z", "Z", "S",     //
};

// One code point from the front of `s`, advancing it; -1 for a malformed sequence.
long leggiCodice(std::string_view& s) {
    const auto b0 = static_cast<unsigned char>(s[0]);
    int seguono = 0;
    long codice = 0;
    if (b0 < 0x80) {
        codice = b0;
    } else if (b0 >= 0xC2 && b0 < 0xE0) {
        seguono = 1, codice = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 < 0xF0) {
        seguono = 2, codice = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 < 0xF5) {
        seguono = 3, codice = b0 & 0x07;
    } else {
        return -1;
    }
    if (s.size() < std::size_t(seguono) + 1) return -1;
    for (int i = 1; i <= seguono; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if ((b & 0xC0) != 0x80) return -1;
        codice = (codice << 6) | (b & 0x3F);
    }
    s.remove_prefix(std::size_t(seguono) + 1);
    return codice;
}

constexpr const char* titoloIntestazione = "Quadrivo - dizionario";

}  // namespace

std::optional<std::string> piegaParola(std::string_view utf8) {
    std::string parola;
    parola.reserve(utf8.size());
    while (!utf8.empty()) {
        const long c = leggiCodice(utf8);
        if (c >= 'a' && c <= 'z') {
            parola += static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            parola += static_cast<char>(c);
        } else if (c >= 0xC0 && c < 0x180 && *latini[c - 0xC0] != '\0') {
            parola += latini[c - 0xC0];
        } else if (c == 0x1E2 || c == 0x1E3 || c == 0x1FC || c == 0x1FD) {  // Ǣ ǣ Ǽ ǽ
            parola += "AE";
        } else {
            return std::nullopt;
        }
    }
    if (parola.empty()) return std::nullopt;
    return parola;
}

std::vector<std::string> lemmiHunspell(std::string_view testo) {
    std::vector<std::string> lemmi;
    bool prima = true;
    while (!testo.empty()) {
        const std::size_t fine = testo.find('\n');
        std::string_view riga = testo.substr(0, fine);
        testo.remove_prefix(fine == std::string_view::npos ? testo.size() : fine + 1);
        if (!riga.empty() && riga.back() == '\r') riga.remove_suffix(1);
        if (std::exchange(prima, false)) continue;  // the word count
        if (riga.empty() || riga.front() == '#') continue;
        // A "/" escaped with a backslash belongs to the word; such words are dropped later anyway.
        riga = riga.substr(0, std::min(riga.find('/'), riga.find_first_of(" \t")));
        if (!riga.empty()) lemmi.emplace_back(riga);
    }
    return lemmi;
}

std::string creaLessico(std::vector<std::string> parole, IntestazioneLessico intestazione) {
    std::erase_if(parole, [](const std::string& p) {
        return p.size() < std::size_t(lunghezzaMinimaLessico) || p.size() > std::size_t(lunghezzaMassimaLessico);
    });
    // Shorter words first, then alphabetical: the blocks come out in the file's order.
    std::sort(parole.begin(), parole.end(), [](const std::string& a, const std::string& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    parole.erase(std::unique(parole.begin(), parole.end()), parole.end());
    intestazione.parole = static_cast<std::int64_t>(parole.size());

    std::string testa = std::string(titoloIntestazione) + "\r\nLingua: " + intestazione.lingua +
                        "\r\nParole: " + std::to_string(intestazione.parole) + "\r\nData: " + intestazione.data +
                        "\r\nFonte: " + intestazione.fonte;
    testa.resize(dimensioneIntestazioneLessico - 2, ' ');
    testa += "\r\n";

    std::string blocchi;
    std::string indice;
    std::int64_t posizione = dimensioneTestaLessico + 1;
    auto campo = [&](std::int64_t numero) {
        if (numero > 99999999) throw ErroreLessico("dizionario troppo grande: le posizioni superano 8 cifre");
        const std::string cifre = std::to_string(numero);
        indice += std::string(8 - cifre.size(), '0') + cifre;
    };
    auto p = parole.begin();
    for (std::size_t L = lunghezzaMinimaLessico; L <= lunghezzaMassimaLessico; ++L) {
        campo(posizione);
        for (; p != parole.end() && p->size() == L; ++p) blocchi += *p;
        posizione = dimensioneTestaLessico + 1 + static_cast<std::int64_t>(blocchi.size());
        campo(posizione);
    }
    return testa + indice + blocchi;
}

IntestazioneLessico leggiIntestazioneLessico(std::string_view primi200) {
    IntestazioneLessico i;
    primi200 = primi200.substr(0, dimensioneIntestazioneLessico);
    auto valoreDi = [&](std::string_view chiave) {
        const std::size_t da = primi200.find(chiave);
        if (da == std::string_view::npos) return std::string();
        std::string_view resto = primi200.substr(da + chiave.size());
        resto = resto.substr(0, resto.find_first_of("\r\n"));
        while (!resto.empty() && resto.back() == ' ') resto.remove_suffix(1);
        return std::string(resto);
    };
    i.lingua = valoreDi("Lingua: ");
    const std::string parole = valoreDi("Parole: ");
    for (char c : parole)
        if (c >= '0' && c <= '9' && i.parole < 99999999999) i.parole = i.parole * 10 + (c - '0');
    i.data = valoreDi("Data: ");
    i.fonte = valoreDi("Fonte: ");
    return i;
}

}  // namespace quadrivo
