#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/passaggio.h"

using namespace quadrivo;
using prova::SchemaProva;

namespace {

struct Passaggio_ : ::testing::Test {
    SchemaProva p;
    Stato& s = p.stato;
    std::string richiesta;  // the caption whose width was asked for
    double larghezzaEtichetta = 100;

    Passaggio su(double X, double Y, Puntatore prima = Puntatore::predefinito, double superficie = 1000) {
        return calcolaPassaggio(
            s, X, Y, superficie,
            [this](const std::string& d) {
                richiesta = d;
                return larghezzaEtichetta;
            },
            prima);
    }
};

}  // namespace

TEST_F(Passaggio_, CellRuleRoundsTheOffsetHalfToEvenBeforeDividing) {
    // 29.5 rounds to 30, the next cell; 28.5 rounds to 28 and stays in the first.
    EXPECT_EQ(cellaSotto(s, 100 + 29.5, 60).colonna, 2);
    EXPECT_EQ(cellaSotto(s, 100 + 28.5, 60).colonna, 1);
    EXPECT_EQ(cellaSotto(s, 100 + 29.4, 60).colonna, 1);
    EXPECT_EQ(cellaSotto(s, 60, 50 + 89.5).riga, 4);  // 89.5 -> 90: the fourth row
    EXPECT_EQ(cellaSotto(s, 60, 50 + 88.5).riga, 3);  // 88.5 -> 88
    // The left edge belongs to column 1; 0.4 pixel left of it rounds into column 1 too but is
    // outside, because the edge test takes X as it comes.
    const Cella k = cellaSotto(s, 99.6, 60);
    EXPECT_EQ(k.colonna, 1);
    EXPECT_TRUE(fuoriGriglia(s, 99.6, 60, k));
    EXPECT_FALSE(fuoriGriglia(s, 100, 50, cellaSotto(s, 100, 50)));
    // Past the last column or row.
    EXPECT_TRUE(fuoriGriglia(s, 100 + 5 * 30 + 1, 60, cellaSotto(s, 100 + 5 * 30 + 1, 60)));
    EXPECT_TRUE(fuoriGriglia(s, 110, 50 + 4 * 30 + 1, cellaSotto(s, 110, 50 + 4 * 30 + 1)));
    // Far left of the grid the truncating division gives column 1 or less: still outside.
    EXPECT_TRUE(fuoriGriglia(s, 40, 60, cellaSotto(s, 40, 60)));
    // Without a laid-out grid nothing is a cell.
    s.latoCasella = 0;
    EXPECT_TRUE(fuoriGriglia(s, 110, 60, cellaSotto(s, 110, 60)));
}

TEST_F(Passaggio_, CellStartingBothWaysSplitsOnItsDiagonal) {
    // Cell (1, 1): left 100, top 50.
    Passaggio a = su(110, 60);  // on the diagonal: across
    EXPECT_EQ(a.direzione, Direzione::orizzontale);
    EXPECT_EQ(a.puntatore, Puntatore::frecciaOrizzontale);
    EXPECT_EQ(a.didascalia, "  1 oriz. -Abitazione ");
    Passaggio b = su(110, 61);  // one pixel below: down
    EXPECT_EQ(b.direzione, Direzione::verticale);
    EXPECT_EQ(b.puntatore, Puntatore::frecciaVerticale);
    EXPECT_EQ(b.didascalia, "  1 vert. -Fedele amico ");
    // Corners, the last points that still round into the cell.
    EXPECT_EQ(su(129.4, 50.2).direzione, Direzione::orizzontale);
    EXPECT_EQ(su(100.2, 79.4).direzione, Direzione::verticale);
    EXPECT_EQ(su(129.6, 50.2).cella.colonna, 2);
}

TEST_F(Passaggio_, WordRectangleCoversTheWordInsideItsCells) {
    Passaggio a = su(110, 60);  // CASA across, 4 cells
    ASSERT_EQ(a.rettangolo, AzioneRettangolo::mostra);
    EXPECT_EQ(a.r, (RettangoloParola{101, 51, 4 * 30 - 2, 28, giallo}));
    Passaggio b = su(110, 75);  // CANE down
    ASSERT_EQ(b.rettangolo, AzioneRettangolo::mostra);
    EXPECT_EQ(b.r, (RettangoloParola{101, 51, 28, 4 * 30 - 2, Colore{0, 192, 192}}));
    Passaggio c = su(SchemaProva::x(3), SchemaProva::y(2));  // ORO across from (3, 2)
    EXPECT_EQ(c.r, (RettangoloParola{161, 81, 88, 28, giallo}));
    EXPECT_EQ(c.didascalia, "  4 oriz. -Metallo prezioso ");

    // With the option off the rectangle is left alone, the rest is unchanged.
    s.rettangoloParola = false;
    Passaggio d = su(110, 60);
    EXPECT_EQ(d.rettangolo, AzioneRettangolo::lascia);
    EXPECT_TRUE(d.etichetta);
    EXPECT_EQ(d.puntatore, Puntatore::frecciaOrizzontale);
}

TEST_F(Passaggio_, CellsWithoutAWordStartHideEverythingButOutsideLeavesTheRectangle) {
    for (auto [c, r] : {std::pair{5, 1}, {2, 1}, {1, 2}, {3, 4}}) {  // black, then white cells
        SCOPED_TRACE(testing::Message() << c << "," << r);
        Passaggio p = su(SchemaProva::x(c), SchemaProva::y(r), Puntatore::frecciaVerticale);
        EXPECT_EQ(p.puntatore, Puntatore::predefinito);
        EXPECT_EQ(p.direzione, Direzione::nessuna);
        EXPECT_FALSE(p.etichetta);
        EXPECT_EQ(p.rettangolo, AzioneRettangolo::nascondi);
    }
    // Beyond the last column but inside the window: default pointer, no label, and a
    // rectangle shown before stays where it is.
    Passaggio fuori = su(100 + 5 * 30 + 20, 60, Puntatore::frecciaOrizzontale);
    EXPECT_EQ(fuori.puntatore, Puntatore::predefinito);
    EXPECT_FALSE(fuori.etichetta);
    EXPECT_EQ(fuori.rettangolo, AzioneRettangolo::lascia);
    EXPECT_EQ(su(99.6, 60, Puntatore::frecciaOrizzontale).rettangolo, AzioneRettangolo::lascia);
}

TEST_F(Passaggio_, WithoutAShownGridOnlyTheLabelIsHidden) {
    s.grigliaAttiva = -1;
    Passaggio p = su(110, 60, Puntatore::frecciaVerticale);
    EXPECT_FALSE(p.etichetta);
    EXPECT_EQ(p.puntatore, Puntatore::frecciaVerticale);  // left as it was
    EXPECT_EQ(p.direzione, Direzione::verticale);
    EXPECT_EQ(p.rettangolo, AzioneRettangolo::lascia);
    // The clickable picture's hand gives way in any case.
    EXPECT_EQ(su(110, 60, Puntatore::mano).puntatore, Puntatore::predefinito);
    s.grigliaAttiva = 1;
    EXPECT_EQ(su(100 + 5 * 30 + 20, 60, Puntatore::mano).puntatore, Puntatore::predefinito);
}

TEST_F(Passaggio_, LabelSitsBelowLeftOfThePointerOrOnePixelInsideTheRightEdge) {
    larghezzaEtichetta = 150;
    Passaggio p = su(SchemaProva::x(1), SchemaProva::y(4), Puntatore::predefinito, 1000);
    EXPECT_EQ(richiesta, p.didascalia);  // the width is the one of the new caption
    EXPECT_EQ(p.etichettaX, SchemaProva::x(1) - 19);
    EXPECT_EQ(p.etichettaY, SchemaProva::y(4) + 12);
    // X + W beyond the surface's width: the right edge one pixel inside.
    Passaggio q = su(SchemaProva::x(1), SchemaProva::y(4), Puntatore::predefinito, SchemaProva::x(1) + 149);
    EXPECT_EQ(q.etichettaX, SchemaProva::x(1) + 149 - 1 - 150);
    // Exactly at the edge still counts as fitting.
    Passaggio r = su(SchemaProva::x(1), SchemaProva::y(4), Puntatore::predefinito, SchemaProva::x(1) + 150);
    EXPECT_EQ(r.etichettaX, SchemaProva::x(1) - 19);
}

TEST_F(Passaggio_, CaptionDecodesTheClueAndKeepsAnEmptyOne) {
    EXPECT_EQ(su(SchemaProva::x(1), SchemaProva::y(4)).didascalia, "  7 oriz. -Città d'erba ");
    // (2, 3) starts a down word without a clue.
    Passaggio p = su(SchemaProva::x(2), SchemaProva::y(3));
    EXPECT_EQ(p.direzione, Direzione::verticale);
    EXPECT_EQ(p.didascalia, "  6 vert. - ");
}

