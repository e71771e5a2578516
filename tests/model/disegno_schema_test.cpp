#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
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

// A 2×1 grid of 60-pixel cells at (0, 0), a B in the second; the first cell is changed by each case.
SuperficieRegistro disegna(const std::function<void(Cella&)>& cambia) {
    Cruciverba x(2, 1);
    x.cella(2, 1).voce = "B";
    cambia(x.cella(1, 1));
    SuperficieRegistro sup;
    disegnaSchema(sup, GeometriaSchema{2, 1, 60, 0, 0, 30, 10}, caselleDi(x), StileSchema{});
    return sup;
}

bool c_e(const std::vector<Operazione>& ops, Operazione::Tipo tipo, Colore colore, double x1, double x2) {
    for (const Operazione& o : ops)
        if (o.tipo == tipo && o.colore == colore && std::abs(o.x1 - x1) < 0.01 && std::abs(o.x2 - x2) < 0.01)
            return true;
    return false;
}

}  // namespace

// The word's tint inside the outline, the current cell's fill and outline over it, a wrong
// letter's stroke from corner to corner: all under the letter.
TEST_F(Pittore, MarksDrawUnderTheLetterOfTheirCellOnly) {
    caselle[0][0].segni = segnoParolaCorrente | segnoCasellaCorrente | segnoLetteraSbagliata;
    disegnaSchema(sup, g, caselle, stile);
    const auto tinta = colore(stile.coloreParola);
    ASSERT_EQ(tinta.size(), 1u);
    EXPECT_EQ((std::array{tinta[0].x1, tinta[0].x2, tinta[0].y2}), (std::array<double, 3>{11, 49, 59}));
    EXPECT_EQ(colore(stile.coloreFondoCasella).size(), 1u);
    EXPECT_EQ(colore(stile.coloreCasella).size(), 2u);  // a two-line outline at this size
    const auto sbagliata = colore(stile.coloreSbagliata);
    ASSERT_FALSE(sbagliata.empty());
    EXPECT_EQ(std::pair(sbagliata.front().x1, sbagliata.front().y2), std::pair(12.0, 58.0));
    EXPECT_LT(&*std::find_if(sup.operazioni.begin(), sup.operazioni.end(), [&](const Operazione& o) { return o.colore == stile.coloreSbagliata; }),
              sup.scritta("A"));
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

TEST(DisegnoFormati, BarsCirclesShadingColoursAndVoids) {
    const double t = 60.0 / 14;
    const struct {
        const char* nome;
        std::function<void(Cella&)> cambia;
        Operazione::Tipo tipo;
        Colore colore;
        double x1, x2;
    } casi[] = {
        {"barra destra", [](Cella& k) { k.barre = barraDestra; }, Operazione::rettangoloPieno, nero, 60 - t / 2,
         60 + t / 2},
        {"cerchio", [](Cella& k) { k.cerchio = true; }, Operazione::ellisse, nero, 60 * 0.06, 60 * 0.94},
        {"colore", [](Cella& k) { k.colore = "#ff8800"; }, Operazione::rettangoloPieno, Colore{255, 136, 0}, 1, 59},
    };
    for (const auto& c : casi) {
        EXPECT_TRUE(c_e(disegna(c.cambia).operazioni, c.tipo, c.colore, c.x1, c.x2)) << c.nome;
        EXPECT_FALSE(c_e(disegna([](Cella&) {}).operazioni, c.tipo, c.colore, c.x1, c.x2)) << c.nome;  // a plain cell has none
    }
    // A void cell: no outline of its own, the other cell's only.
    EXPECT_EQ(disegna([](Cella& k) { k.tipo = TipoCella::vuota; }).operazioni.front().x1, 60);
}

// A codeword's code where the number goes, a given letter in bold, the player's in the usual face.
TEST(DisegnoGiochi, TheCodeTakesTheNumbersPlaceAndAGivenLetterIsBold) {
    const SuperficieRegistro sup = disegna([](Cella& k) { k.codice = 2, k.voce = "E", k.data = true; });
    ASSERT_EQ(sup.testi(), (std::vector<std::string>{"E", "B", "2"}));  // the code drawn as a number
    EXPECT_TRUE(sup.scritta("E")->carattere.grassetto);
    EXPECT_FALSE(sup.scritta("B")->carattere.grassetto);  // the face comes back
}
