#include <gtest/gtest.h>

#include <cmath>

#include "model/numeri.h"

using namespace quadrivo;

TEST(Valore, ReadsTheLeadingNumberSkippingBlanksEverywhere) {
    EXPECT_EQ(valore("15x10"), 15);
    EXPECT_EQ(valore(" 1 2 3"), 123);
    EXPECT_EQ(valore("\t-\n 4 2abc"), -42);
    EXPECT_EQ(valore("+7"), 7);
    EXPECT_DOUBLE_EQ(valore("3.25.7"), 3.25);
    EXPECT_DOUBLE_EQ(valore(".5"), 0.5);
    EXPECT_EQ(valore("1,5"), 1);  // the comma ends the number whatever the locale
}

TEST(Valore, NoDigitsGiveZero) {
    EXPECT_EQ(valore(""), 0);
    EXPECT_EQ(valore("   "), 0);
    EXPECT_EQ(valore("x12"), 0);
    EXPECT_EQ(valore("-"), 0);
    EXPECT_EQ(valore("+-3"), 0);
    EXPECT_EQ(valore("."), 0);
}

TEST(Valore, ExponentWithEOrD) {
    EXPECT_EQ(valore("1e3"), 1000);
    EXPECT_EQ(valore("2D2"), 200);
    EXPECT_DOUBLE_EQ(valore("25E-1"), 2.5);
    EXPECT_EQ(valore("1 e 2"), 100);
    EXPECT_EQ(valore("7E"), 7);   // a bare exponent letter changes nothing
    EXPECT_EQ(valore("7Ex"), 7);
    EXPECT_TRUE(std::isinf(valore("1e999")));
}

TEST(Valore, HexAndOctalPrefixesWrapLikeIntegerLiterals) {
    EXPECT_EQ(valore("&H1F"), 31);
    EXPECT_EQ(valore("&h ff"), 255);
    EXPECT_EQ(valore("&HFFFF"), -1);
    EXPECT_EQ(valore("&H10000"), 65536);
    EXPECT_EQ(valore("&HFFFFFFFF"), -1);
    EXPECT_EQ(valore("&O17"), 15);
    EXPECT_EQ(valore("&O8"), 0);
    EXPECT_EQ(valore("&H"), 0);
    EXPECT_EQ(valore("&X12"), 0);
}

TEST(Valore, WholeTextNumberTest) {
    EXPECT_TRUE(eNumero(" -1 "));
    EXPECT_TRUE(eNumero("2.5"));
    EXPECT_TRUE(eNumero("&H10"));
    EXPECT_FALSE(eNumero("12abc"));
    EXPECT_FALSE(eNumero(""));
    EXPECT_FALSE(eNumero("True"));
}

TEST(Intero, RoundsHalvesToEven) {
    EXPECT_EQ(intero(35.5), 36);
    EXPECT_EQ(intero(36.5), 36);
    EXPECT_EQ(intero(63.2), 63);
    EXPECT_EQ(intero(-2.5), -2);
    EXPECT_EQ(intero(-3.5), -4);
    EXPECT_EQ(intero(22.5), 22);
    EXPECT_EQ(intero(23.5), 24);
}

TEST(Intero, LeavingTheRangeIsAnError) {
    EXPECT_EQ(intero(32767.4), 32767);
    EXPECT_EQ(intero(-32768.5), -32768);
    EXPECT_THROW(intero(32767.5), ErroreOverflow);
    EXPECT_THROW(intero(-32769), ErroreOverflow);
    EXPECT_THROW(intero(NAN), ErroreOverflow);
    EXPECT_THROW(intero(INFINITY), ErroreOverflow);
    EXPECT_EQ(interoLungo(2147483647.0), 2147483647);
    EXPECT_THROW(interoLungo(2147483648.0), ErroreOverflow);
    EXPECT_THROW(prodotto16(200, 200), ErroreOverflow);
    EXPECT_EQ(somma16(32000, 767), 32767);
}

TEST(ConSegno, ReservesABlankForTheSign) {
    EXPECT_EQ(conSegno(12), " 12");
    EXPECT_EQ(conSegno(0), " 0");
    EXPECT_EQ(conSegno(-3), "-3");
}
