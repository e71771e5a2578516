#include "model/testo.h"

#include <algorithm>

#include <QList>
#include <QString>

namespace quadrivo {

namespace {

// The code page is Latin-1 but for 0x80-0x9F, where it keeps its own letters and signs. The
// five bytes it leaves undefined stand for the C1 controls of the same number, as in every
// reader of the code page on the web, so any byte comes back as it went.
constexpr char16_t alti[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void aggiungiUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

char byteDi(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (alti[i] == u) return static_cast<char>(0x80 + i);
    return '?';
}

bool ascii(std::string_view testo) {
    return std::all_of(testo.begin(), testo.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

// A table of our own rather than Qt's converter: that one loads ICU and its data at the first
// puzzle read, a cost at every start.
std::string daWindows1252(std::string_view byte) {
    if (ascii(byte)) return std::string(byte);
    std::string out;
    out.reserve(byte.size() * 2);
    for (const char c : byte) {
        const auto b = static_cast<unsigned char>(c);
        aggiungiUtf8(out, b >= 0x80 && b < 0xA0 ? alti[b - 0x80] : b);
    }
    return out;
}

std::string aWindows1252(std::string_view utf8) {
    // ASCII is the same in both: a working copy converts every letter typed.
    if (ascii(utf8)) return std::string(utf8);
    std::string out;
    for (char32_t u : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4()) out += byteDi(u);
    return out;
}

std::string maiuscolo(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUpper().toStdString();
}

}  // namespace quadrivo
