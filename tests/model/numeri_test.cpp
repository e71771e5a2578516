#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "model/numeri.h"

using namespace quadrivo;

TEST(Valore, LeadingNumberOfAText) {
    const std::vector<std::pair<const char*, double>> casi{
        {"15x10", 15}, {" 1 2 3", 123}, {"\t-\n 4 2abc", -42}, {"+7", 7}, {"3.25.7", 3.25}, {".5", 0.5},
        {"1,5", 1},  // the comma ends the number whatever the locale
        // no digits
        {"", 0}, {"   ", 0}, {"x12", 0}, {"-", 0}, {"+-3", 0}, {".", 0},
        // exponents with E or D; a bare exponent letter changes nothing
        {"1e3", 1000}, {"2D2", 200}, {"25E-1", 2.5}, {"1 e 2", 100}, {"7E", 7}, {"7Ex", 7},
        // hex and octal wrap like integer literals
        {"&H1F", 31}, {"&h ff", 255}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15}, {"&O8", 0}, {"&H", 0}, {"&X12", 0}};
    for (const auto& [testo, atteso] : casi) EXPECT_DOUBLE_EQ(valore(testo), atteso) << '"' << testo << '"';
    EXPECT_TRUE(std::isinf(valore("1e999")));

    for (const char* s : {" -1 ", "2.5", "&H10"}) EXPECT_TRUE(eNumero(s)) << s;
    for (const char* s : {"12abc", "", "True"}) EXPECT_FALSE(eNumero(s)) << s;
}

TEST(Intero, HalvesToEvenAndOverflow) {
    const std::vector<std::pair<double, int>> casi{{35.5, 36},    {36.5, 36},      {63.2, 63},
                                                   {-2.5, -2},    {-3.5, -4},      {22.5, 22},
                                                   {23.5, 24},    {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [v, atteso] : casi) EXPECT_EQ(intero(v), atteso) << v;
    for (double v : {32767.5, -32769.0, double(NAN), double(INFINITY)}) EXPECT_THROW(intero(v), ErroreOverflow) << v;
    EXPECT_EQ(interoLungo(2147483647.0), 2147483647);
    EXPECT_THROW(interoLungo(2147483648.0), ErroreOverflow);
    EXPECT_THROW(prodotto16(200, 200), ErroreOverflow);
    EXPECT_EQ(somma16(32000, 767), 32767);
}
