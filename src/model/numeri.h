#pragma once
// The two numeric rules used everywhere a number is read from text or narrowed to an Integer.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quadrivo {

// A value left the range of the 16-bit (or 32-bit) integer it was converted to.
class ErroreOverflow : public std::range_error {
public:
    ErroreOverflow() : std::range_error("overflow") {}
};

// Leading number of a text: blanks (space, tab, line feed) are skipped wherever they stand,
// optional sign, digits, decimal part, exponent with E or D, the &H and &O prefixes; reading
// stops at the first character that cannot continue the number; no digits give 0.
// A magnitude beyond double range gives an infinity, which every conversion below rejects.
double valore(std::string_view testo);

// True when the whole text (blanks around it allowed) is one number in the form above.
bool eNumero(std::string_view testo);

// Nearest 16-bit Integer, halves to the even neighbour; throws ErroreOverflow outside the range.
std::int16_t intero(double v);

// Nearest 32-bit integer, halves to the even neighbour; throws ErroreOverflow outside the range.
std::int32_t interoLungo(double v);

// 16-bit arithmetic that must not leave the range.
std::int16_t somma16(int a, int b);
std::int16_t prodotto16(int a, int b);

// Number-to-text with one leading blank for a non-negative number (" 12", "-3").
std::string conSegno(long long n);

}  // namespace quadrivo
