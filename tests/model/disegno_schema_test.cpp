#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>

#include "model/disegno_schema.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

namespace {

// Two by one: a letter and a black square, number 1 on the first cell; 40-pixel cells at (10, 20).
struct Pittore : ::testing::Test {
    SuperficieRegistro sup;
    GeometriaSchema g{2, 1, 40, 10, 20, 12, 8};
    CaselleSchema caselle{{CasellaSchema{true, false, "A", "1", 0}, CasellaSchema{true, true, "", "", 0}}};
    StileSchema stile;

    std::vector<Operazione> colore(Colore c) {
        std::vector<Operazione> v;
        std::copy_if(sup.operazioni.begin(), sup.operazioni.end(), std::back_inserter(v),
                     [&](const Operazione& o) { return o.colore == c && o.tipo != Operazione::scritta; });
        return v;
    }
};

}  // namespace

TEST_F(Pittore, PlainGridHasNoMarksAndVoidCellsAreNotDrawn) {
    disegnaSchema(sup, g, caselle, stile);
    // two outlines, one black square, the letter and the number; no frame by default
    EXPECT_TRUE(sup.operazioni.size() == 5u && sup.testi() == (std::vector<std::string>{"A", "1"}) &&
                colore(stile.coloreParola).empty());
    caselle[0][1] = CasellaSchema{false, false, "", "", 0};
    sup.operazioni.clear();
    disegnaSchema(sup, g, caselle, stile);
    EXPECT_EQ(colore(nero).size(), 1u);  // the first cell's outline only
}

TEST_F(Pittore, MarksDrawUnderTheLetterOfTheirCellOnly) {
    caselle[0][0].segni = segnoParolaCorrente | segnoCasellaCorrente | segnoLetteraSbagliata;
    disegnaSchema(sup, g, caselle, stile);
    const auto tinta = colore(stile.coloreParola);
    ASSERT_EQ(tinta.size(), 1u);
    EXPECT_EQ((std::array{tinta[0].x1, tinta[0].x2, tinta[0].y2}), (std::array<double, 3>{11, 49, 59}));
    // the current cell: its own fill over the tint, and a two-line outline at this size; nothing revealed
    EXPECT_TRUE(colore(stile.coloreFondoCasella).size() == 1u && colore(stile.coloreRivelata).empty());
    const auto casella = colore(stile.coloreCasella);
    ASSERT_EQ(casella.size(), 2u);
    EXPECT_EQ((std::array{casella[0].x1, casella[1].x1, casella[1].x2}), (std::array<double, 3>{12, 13, 47}));
    // a stroke from the bottom-left corner to the top-right one, inside the cell
    const auto sbagliata = colore(stile.coloreSbagliata);
    ASSERT_GT(sbagliata.size(), 20u);
    EXPECT_TRUE(sbagliata.front().x1 == 12 && sbagliata.front().y2 == 58 && sbagliata.back().x2 <= 48 &&
                sbagliata.back().y1 >= 22 && sbagliata.back().y1 < 26);
    // the tint lies under the letter
    const auto velo = std::find_if(sup.operazioni.begin(), sup.operazioni.end(),
                                   [&](const Operazione& o) { return o.colore == stile.coloreParola; });
    EXPECT_LT(&*velo, sup.scritta("A"));
}

TEST_F(Pittore, APencilGuessIsLighterAndSmallerAndTheNumberStaysInk) {
    caselle[0][0].matita = true;
    disegnaSchema(sup, g, caselle, stile);
    const Operazione &lettera = *sup.scritta("A"), &numero = *sup.scritta("1");
    EXPECT_EQ(std::tuple(lettera.colore, lettera.carattere.dimensione, numero.colore, numero.carattere.dimensione),
              std::tuple(stile.coloreMatita, 12 * 0.7, nero, 8.0));
}

TEST_F(Pittore, PageFrameAndPrinterLetterPlacement) {
    stile.cornice = CorniceSchema::pagina, stile.distanzaCornice = 3, stile.mezziInteri = false;
    stile.spostamentoLettera = 1, stile.divisoreCentro = 1.3, stile.distanzaDaCentro = 13;
    disegnaSchema(sup, g, caselle, stile);
    const Operazione& cornice = sup.operazioni[0];
    EXPECT_EQ((std::array<double, 4>{cornice.x1, cornice.y1, cornice.x2, cornice.y2}),
              (std::array<double, 4>{7, 17, 93, 63}));
    // 12 points: the fake measures 7.2 by 18, halves 3.6 and 9 kept unrounded
    const Operazione* a = sup.scritta("A");
    EXPECT_EQ(std::pair(a->x1, a->y1), std::pair(30 - 3.6 + 1, 40 - 9 + 40 / 100.0 / 1.3 * 13));
}
