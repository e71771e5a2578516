#include "printing/campione.h"

#include <gtest/gtest.h>

using namespace quadrivo;

namespace {

// Fixed metrics: 20 twips of width and 25 of height per point, whatever the text.
CampioneDisposto disponi(ValoriCampione v) {
    return disponiCampione(v, 15, [](const std::string&, double punti) { return std::pair{20 * punti, 25 * punti}; });
}

}  // namespace

TEST(Campione, BlackSquaresAreTheGivenShareOfTheirCellCentredInIt) {
    for (int p : {50, 95, 100}) {
        const CampioneDisposto d = disponi({.riquadro = p});
        const RettangoloTwip celle[2] = {cellaCampione(2, 1), cellaCampione(1, 2)};
        for (size_t i = 0; i < 2; ++i) {
            const RettangoloTwip& q = d.quadratiNeri[i];
            EXPECT_DOUBLE_EQ(q.l, 1245.0 * p / 100);
            EXPECT_DOUBLE_EQ(q.x - celle[i].x, celle[i].destra() - q.destra());
            EXPECT_DOUBLE_EQ(q.y - celle[i].y, celle[i].basso() - q.basso());
        }
    }
}

TEST(Campione, NumbersFollowSizeAndEdgeDistance) {
    EXPECT_DOUBLE_EQ(puntiCampione(5, 15), 4.15);     // % of the cell's 83 pixels
    EXPECT_DOUBLE_EQ(puntiCampione(50, 10), 62.25);   // a 144-dpi screen
    const CampioneDisposto zero = disponi({.altezzaNumeri = 25, .distanzaSpigolo = 0});
    EXPECT_DOUBLE_EQ(zero.puntiNumeri, puntiCampione(25, 15));
    EXPECT_DOUBLE_EQ(zero.numeri[2].x, cellaCampione(2, 0).x);
    EXPECT_DOUBLE_EQ(zero.numeri[2].y, -12.45);  // 1 % of the cell above its top
    const CampioneDisposto quindici = disponi({.distanzaSpigolo = 15});
    EXPECT_DOUBLE_EQ(quindici.numeri[2].x, cellaCampione(2, 0).x + 0.15 * 1245);
    EXPECT_DOUBLE_EQ(quindici.numeri[2].y, 0.14 * 1245);
}

TEST(Campione, LettersKeepTheirOpeningLeftEdgeAndMoveVerticallyWithTheCentreDistance) {
    const CampioneDisposto piccole = disponi({.altezzaCaratteri = 25});
    const CampioneDisposto grandi = disponi({.altezzaCaratteri = 90});
    EXPECT_DOUBLE_EQ(piccole.lettere[1].x, 1230 + 1245 / 2.0 - 360);  // centred for 36 points
    EXPECT_DOUBLE_EQ(grandi.lettere[1].x, piccole.lettere[1].x);
    EXPECT_DOUBLE_EQ(grandi.lettere[1].y + grandi.lettere[1].a / 2, 1245 / 2.0);  // centred for its own size

    const CampioneDisposto base = disponi({});
    EXPECT_DOUBLE_EQ(base.lettere[4].y - disponi({.distanzaCentro = -10}).lettere[4].y, 1245 / 10.0);
    EXPECT_DOUBLE_EQ(disponi({.distanzaCentro = 20}).lettere[4].y - base.lettere[4].y, 1245 / 5.0);
}
