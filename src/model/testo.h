#pragma once
// Conversions at the border between the puzzle's Windows-1252 bytes and the UTF-8 text that
// widgets and terminals show.
#include <string>
#include <string_view>

namespace quadrivo {

// Windows-1252 bytes to UTF-8.
std::string daWindows1252(std::string_view byte);
// UTF-8 to Windows-1252 bytes; characters the code page lacks become "?".
std::string aWindows1252(std::string_view utf8);
// Upper case of a UTF-8 text (paths in questions are shown in capitals).
std::string maiuscolo(std::string_view utf8);

}  // namespace quadrivo
