#include "printing/campione.h"

#include <gtest/gtest.h>

using namespace quadrivo;

namespace {

// Fixed metrics: 20 twips of width and 25 of height per point, whatever the text.
std::pair<double, double> misura(const std::string&, double punti) { return {20 * punti, 25 * punti}; }

CampioneDisposto disponi(ValoriCampione v) { return disponiCampione(v, 15, misura); }

}  // namespace

TEST(Campione, FifteenCellsAtAPitchThatSharesTheirBorders) {
    const CampioneDisposto d = disponi({});
    EXPECT_EQ(d.celle[0].x, 0);
    EXPECT_EQ(d.celle[1].x, 1230);
    EXPECT_EQ(d.celle[1].x, d.celle[0].destra() - 15);
    EXPECT_EQ(d.celle[14].x, 4 * 1230);
    EXPECT_EQ(d.celle[14].y, 2 * 1230);
    EXPECT_EQ(d.celle[14].l, 1245);
    // The frame lines stand 60 twips outside the top and the left side.
    EXPECT_EQ(d.lineaSopra.y, -60);
    EXPECT_EQ(d.lineaSinistra.x, -60);
    EXPECT_EQ(d.lineaSopra.destra(), 4 * 1230 + 1245);
    EXPECT_EQ(d.lineaSinistra.basso(), 2 * 1230 + 1245);
    EXPECT_EQ(d.centroCella, 1245 / 2.0);
}

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

TEST(Campione, FontSizesArePercentagesOfTheCellHeightInPixels) {
    EXPECT_DOUBLE_EQ(puntiCampione(50, 15), 41.5);
    EXPECT_DOUBLE_EQ(puntiCampione(5, 15), 4.15);
    EXPECT_DOUBLE_EQ(puntiCampione(50, 10), 62.25);  // a 144-dpi screen
    const CampioneDisposto d = disponi({.altezzaNumeri = 25, .altezzaCaratteri = 90});
    EXPECT_DOUBLE_EQ(d.puntiNumeri, puntiCampione(25, 15));
    EXPECT_DOUBLE_EQ(d.puntiLettere, puntiCampione(90, 15));
    EXPECT_DOUBLE_EQ(d.lettere[0].a, 25 * d.puntiLettere);
}

TEST(Campione, NumbersMoveFromTheCornerWithTheEdgeDistance) {
    const CampioneDisposto zero = disponi({.distanzaSpigolo = 0});
    EXPECT_DOUBLE_EQ(zero.numeri[2].x, cellaCampione(2, 0).x);
    EXPECT_DOUBLE_EQ(zero.numeri[2].y, -12.45);  // 1 % of the cell above its top
    const CampioneDisposto quindici = disponi({.distanzaSpigolo = 15});
    EXPECT_DOUBLE_EQ(quindici.numeri[2].x, cellaCampione(2, 0).x + 0.15 * 1245);
    EXPECT_DOUBLE_EQ(quindici.numeri[2].y, 0.14 * 1245);
}

TEST(Campione, LettersKeepTheirOpeningLeftEdgeAndMoveVerticallyWithTheCentreDistance) {
    const CampioneDisposto piccole = disponi({.altezzaCaratteri = 25});
    const CampioneDisposto grandi = disponi({.altezzaCaratteri = 90});
    // Centred for 36 points: 720 twips wide.
    EXPECT_DOUBLE_EQ(piccole.lettere[1].x, 1230 + 1245 / 2.0 - 360);
    EXPECT_DOUBLE_EQ(grandi.lettere[1].x, piccole.lettere[1].x);
    // Vertically centred for their own size.
    EXPECT_DOUBLE_EQ(grandi.lettere[1].y + grandi.lettere[1].a / 2, 1245 / 2.0);

    const CampioneDisposto base = disponi({});
    const CampioneDisposto su = disponi({.distanzaCentro = -10});
    const CampioneDisposto giu = disponi({.distanzaCentro = 20});
    EXPECT_DOUBLE_EQ(base.lettere[4].y - su.lettere[4].y, 1245 / 10.0);
    EXPECT_DOUBLE_EQ(giu.lettere[4].y - base.lettere[4].y, 1245 / 5.0);
}
