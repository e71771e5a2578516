#include "printing/campione.h"

#include <gtest/gtest.h>

using namespace quadrivo;

// Fixed metrics: 20 twips of width and 25 of height per point, whatever the text.
static CampioneDisposto disponi(ValoriCampione v) {
    return disponiCampione(v, 15, [](const std::string&, double punti) { return std::pair{20 * punti, 25 * punti}; });
}

TEST(Campione, SquaresCentredLettersKeepTheirOpeningLeftEdgeNumbersFollowTheEdgeDistance) {
    const RettangoloTwip cella = cellaCampione(2, 1), q = disponi({.riquadro = 60}).quadratiNeri[0];
    EXPECT_DOUBLE_EQ(q.l, 1245 * 0.6);
    EXPECT_DOUBLE_EQ(q.x - cella.x, cella.destra() - q.destra());
    EXPECT_DOUBLE_EQ(q.y - cella.y, cella.basso() - q.basso());

    const CampioneDisposto piccole = disponi({.altezzaCaratteri = 25}), grandi = disponi({.altezzaCaratteri = 90});
    EXPECT_DOUBLE_EQ(piccole.lettere[1].x, 1230 + 1245 / 2.0 - 360);  // centred for 36 points
    EXPECT_DOUBLE_EQ(grandi.lettere[1].x, piccole.lettere[1].x);
    EXPECT_DOUBLE_EQ(grandi.lettere[1].y + grandi.lettere[1].a / 2, 1245 / 2.0);  // centred for its own size
    EXPECT_DOUBLE_EQ(disponi({.distanzaCentro = 20}).lettere[4].y - disponi({}).lettere[4].y, 1245 / 5.0);

    EXPECT_DOUBLE_EQ(puntiCampione(5, 15), 4.15);  // % of the cell's 83 pixels
    const CampioneDisposto zero = disponi({}), quindici = disponi({.distanzaSpigolo = 15});
    EXPECT_DOUBLE_EQ(zero.numeri[2].y, -12.45);  // 1 % of the cell above its top
    EXPECT_DOUBLE_EQ(quindici.numeri[2].x, cellaCampione(2, 0).x + 0.15 * 1245);
    EXPECT_DOUBLE_EQ(quindici.numeri[2].y, 0.14 * 1245);
}
