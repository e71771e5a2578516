#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "model/numeri.h"

using namespace quadrivo;

TEST(Valore, LeadingNumberOfAText) {
    const std::vector<std::pair<const char*, double>> casi{
        {"15x10", 15}, {" 1 2 3", 123}, {"\t-\n 4 2abc", -42}, {"3.25.7", 3.25},
        {"1,5", 1},  // the comma ends the number whatever the locale
        {"", 0}, {"+-3", 0},
        // exponents with E or D; a bare exponent letter changes nothing
        {"2D2", 200}, {"7Ex", 7},
        // hex and octal wrap like integer literals
        {"&h ff", 255}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&O17", 15}, {"&O8", 0}};
    for (const auto& [testo, atteso] : casi) EXPECT_DOUBLE_EQ(valore(testo), atteso) << '"' << testo << '"';
    EXPECT_TRUE(std::isinf(valore("1e999")));

    for (const char* s : {" -1 ", "2.5", "&H10"}) EXPECT_TRUE(eNumero(s)) << s;
    for (const char* s : {"12abc", "", "True"}) EXPECT_FALSE(eNumero(s)) << s;
}

TEST(Intero, HalvesToEvenAndOverflow) {
    const std::vector<std::pair<double, int>> casi{{35.5, 36}, {36.5, 36}, {-2.5, -2}, {-3.5, -4}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [v, atteso] : casi) EXPECT_EQ(intero(v), atteso) << v;
    for (double v : {32767.5, double(NAN)}) EXPECT_THROW(intero(v), ErroreOverflow) << v;
    EXPECT_EQ(interoLungo(2147483647.0), 2147483647);
    EXPECT_THROW(interoLungo(2147483648.0), ErroreOverflow);
    EXPECT_THROW(prodotto16(200, 200), ErroreOverflow);
    EXPECT_EQ(somma16(32000, 767), 32767);
}
