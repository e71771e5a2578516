#include "model/testo.h"

#include <algorithm>

#include <QString>
#include <QStringDecoder>
#include <QHash>

namespace quadrivo {

namespace {
constexpr const char* codifica = "windows-1252";
}

std::string daWindows1252(std::string_view byte) {
    // ASCII is the same in both, and a grid's letters are: setting up the decoder costs more
    // than the drawing that asks.
    if (std::all_of(byte.begin(), byte.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(byte);
    QStringDecoder dec(codifica);
    if (!dec.isValid()) return QString::fromLatin1(byte.data(), static_cast<qsizetype>(byte.size())).toStdString();
    QString s = dec.decode(QByteArrayView(byte.data(), static_cast<qsizetype>(byte.size())));
    return s.toStdString();
}

std::string aWindows1252(std::string_view utf8) {
    // ASCII is the same in both: a working copy converts every letter typed.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::string(utf8);
    // The reverse of the decoder's own table, so both directions agree byte for byte.
    static const QHash<char32_t, char> tabella = [] {
        QHash<char32_t, char> t;
        for (int b = 255; b >= 0; --b) {
            const char c = static_cast<char>(b);
            const QString s = QString::fromStdString(daWindows1252(std::string_view(&c, 1)));
            if (s.size() == 1 && s[0] != QChar::ReplacementCharacter) t.insert(s[0].unicode(), c);
        }
        return t;
    }();
    std::string out;
    for (char32_t u : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4())
        out += tabella.value(u, '?');
    return out;
}

std::string maiuscolo(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUpper().toStdString();
}

}  // namespace quadrivo
