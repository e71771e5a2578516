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

// A 2×1 grid of 60-pixel cells at (0, 0); the first cell is changed by each case.
std::vector<Operazione> disegna(const std::function<void(Cella&)>& cambia) {
    Cruciverba x(2, 1);
    x.cella(2, 1).voce = "B";
    cambia(x.cella(1, 1));
    SuperficieRegistro sup;
    disegnaSchema(sup, GeometriaSchema{2, 1, 60, 0, 0, 30, 10}, caselleDi(x), StileSchema{});
    return sup.operazioni;
}

bool c_e(const std::vector<Operazione>& ops, Operazione::Tipo tipo, Colore colore, double x1, double x2) {
    for (const Operazione& o : ops)
        if (o.tipo == tipo && o.colore == colore && std::abs(o.x1 - x1) < 0.01 && std::abs(o.x2 - x2) < 0.01)
            return true;
    return false;
}

}  // namespace

TEST_F(Pittore, PlainGridHasNoMarksAndVoidCellsAreNotDrawn) {
    disegnaSchema(sup, g, caselle, stile);
    // two outlines, one black square, the letter and the number; no frame by default
    EXPECT_EQ(sup.operazioni.size(), 5u);
    EXPECT_EQ(sup.testi(), (std::vector<std::string>{"A", "1"}));
    EXPECT_EQ(colore(stile.coloreParola).size(), 0u);
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
    EXPECT_EQ(colore(stile.coloreFondoCasella).size(), 1u);
    EXPECT_EQ(colore(stile.coloreRivelata).size(), 0u);
    const auto casella = colore(stile.coloreCasella);
    ASSERT_EQ(casella.size(), 2u);
    EXPECT_EQ((std::array{casella[0].x1, casella[1].x1, casella[1].x2}), (std::array<double, 3>{12, 13, 47}));
    // a stroke from the bottom-left corner to the top-right one, inside the cell
    const auto sbagliata = colore(stile.coloreSbagliata);
    ASSERT_GT(sbagliata.size(), 20u);
    EXPECT_EQ(std::pair(sbagliata.front().x1, sbagliata.front().y2), std::pair(12.0, 58.0));
    EXPECT_LE(sbagliata.back().x2, 48);
    EXPECT_GE(sbagliata.back().y1, 22);
    EXPECT_LT(sbagliata.back().y1, 26);
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
        {"barra sinistra", [](Cella& k) { k.barre = barraSinistra; }, Operazione::rettangoloPieno, nero, -t / 2, t / 2},
        {"cerchio", [](Cella& k) { k.cerchio = true; }, Operazione::ellisse, nero, 60 * 0.06, 60 * 0.94},
        {"ombreggiata", [](Cella& k) { k.ombreggiata = true; }, Operazione::rettangoloPieno, Colore{215, 215, 215}, 1,
         59},
        {"colore", [](Cella& k) { k.colore = "#ff8800"; }, Operazione::rettangoloPieno, Colore{255, 136, 0}, 1, 59},
    };
    for (const auto& c : casi) {
        EXPECT_TRUE(c_e(disegna(c.cambia), c.tipo, c.colore, c.x1, c.x2)) << c.nome;
        EXPECT_FALSE(c_e(disegna([](Cella&) {}), c.tipo, c.colore, c.x1, c.x2)) << c.nome;  // a plain cell has none
    }
    // A void cell: no outline of its own, the other cell's only.
    EXPECT_EQ(disegna([](Cella& k) { k.tipo = TipoCella::vuota; }).front().x1, 60);
}

TEST(DisegnoFormati, SeveralLettersShrinkToTheCellOneLetterDoesNot) {
    const auto ops = disegna([](Cella& k) { k.voce = "OLE"; });
    double uno = 0, tre = 0, larghezza = 0;
    for (const Operazione& o : ops)
        if (o.tipo == Operazione::scritta && o.testo == "OLE")
            tre = o.carattere.dimensione, larghezza = 0.6 * tre * 3;
        else if (o.tipo == Operazione::scritta && o.testo == "B")
            uno = o.carattere.dimensione;
    EXPECT_EQ(uno, 30);
    EXPECT_LT(tre, 30);
    EXPECT_LE(larghezza, 60 * 0.86 + 0.01);
}

TEST_F(Pittore, ACircleLeavesTheNumberOnTheCellsOwnColourUnderTheLetter) {
    const StileSchema normale;
    StileSchema scuro;
    applicaAspetto(scuro, Aspetto::scuro);
    // "1" at 8 points is 4.8 wide and 12 high, at (12, 20) in the 40-unit cell at (10, 20).
    const struct {
        const char* nome;
        bool cerchio;
        std::string numero;
        std::uint8_t segni;
        StileSchema stile;
        bool sgombro;
        Colore colore;
        double sinistra, alto;  // the cleared room's corner, inside the outline(s)
    } casi[] = {
        {"cerchio", true, "1", 0, normale, true, normale.coloreCarta, 11, 21},
        {"parola", true, "1", segnoParolaCorrente, normale, true, normale.coloreParola, 11, 21},
        {"casella", true, "1", segnoCasellaCorrente | segnoParolaCorrente, normale, true, normale.coloreFondoCasella,
         14, 24},
        {"scuro", true, "1", 0, scuro, true, scuro.coloreCarta, 11, 21},
        {"senza numero", true, "", 0, normale, false, {}, 0, 0},
        {"senza cerchio", false, "1", 0, normale, false, {}, 0, 0},
    };
    for (const auto& c : casi) {
        sup.operazioni.clear();
        caselle[0][0].cerchio = c.cerchio;
        caselle[0][0].numero = c.numero;
        caselle[0][0].segni = c.segni;
        disegnaSchema(sup, g, caselle, c.stile);
        const auto& o = sup.operazioni;
        const auto cerchio = std::find_if(o.begin(), o.end(), [](const Operazione& x) { return x.tipo == Operazione::ellisse; });
        EXPECT_EQ(cerchio != o.end(), c.cerchio) << c.nome;
        const auto dopo = cerchio == o.end() ? o.end() : cerchio + 1;
        const bool sgombro = dopo != o.end() && dopo->tipo == Operazione::rettangoloPieno;
        EXPECT_EQ(sgombro, c.sgombro) << c.nome;
        if (!sgombro) continue;
        EXPECT_EQ(dopo->colore, c.colore) << c.nome;
        EXPECT_EQ(std::pair(dopo->x1, dopo->y1), std::pair(c.sinistra, c.alto)) << c.nome;
        // The whole number stands on it, drawn after it; the letter too, so the room hides none of it.
        const Operazione* numero = sup.scritta("1");
        const Operazione* lettera = sup.scritta("A");
        ASSERT_NE(numero, nullptr) << c.nome;
        ASSERT_NE(lettera, nullptr) << c.nome;
        EXPECT_GE(dopo->x2, numero->x2) << c.nome;
        EXPECT_GE(dopo->y2, numero->y2) << c.nome;
        EXPECT_LT(&*dopo, lettera) << c.nome;
        EXPECT_LT(lettera, numero) << c.nome;
    }
}

// A codeword's code where the number goes, a given letter in bold, the player's in the usual face.
TEST(DisegnoGiochi, TheCodeTakesTheNumbersPlaceAndAGivenLetterIsBold) {
    const struct {
        const char* nome;
        std::function<void(Cella&)> cambia;
        std::string numero;
        bool grassetto;
    } casi[] = {
        {"code", [](Cella& k) { k.codice = 7, k.voce = "E"; }, "7", false},
        {"a label wins", [](Cella& k) { k.codice = 7, k.etichetta = "3", k.voce = "E"; }, "3", false},
        {"given", [](Cella& k) { k.codice = 2, k.voce = "E", k.data = true; }, "2", true},
        {"typed", [](Cella& k) { k.voce = "E"; }, "", false},
    };
    for (const auto& c : casi) {
        SuperficieRegistro sup;
        Cruciverba x(2, 1);
        c.cambia(x.cella(1, 1));
        x.cella(2, 1).voce = "B";
        disegnaSchema(sup, GeometriaSchema{2, 1, 60, 0, 0, 30, 10}, caselleDi(x), StileSchema{});
        EXPECT_EQ(casellaDi(x.cella(1, 1)).numero, c.numero) << c.nome;
        ASSERT_TRUE(sup.scritta("E")) << c.nome;
        EXPECT_EQ(sup.scritta("E")->carattere.grassetto, c.grassetto) << c.nome;
        EXPECT_FALSE(sup.scritta("B")->carattere.grassetto) << c.nome;  // the face comes back
    }
}

// The row numbers left of the grid and the column numbers above it, each centred on its line.
TEST(DisegnoGiochi, TheMarginsNumberTheRowsAndColumns) {
    SuperficieRegistro sup;
    GeometriaSchema g{3, 2, 40, 100, 80, 20, 8};
    g.margine = 1;
    disegnaSchema(sup, g, CaselleSchema(2, std::vector<CasellaSchema>(3)), StileSchema{});
    std::vector<std::string> numeri;
    for (const Operazione& o : sup.di(Operazione::scritta)) numeri.push_back(o.testo);
    EXPECT_EQ(numeri, (std::vector<std::string>{"1", "2", "1", "2", "3"}));
    const std::vector<Operazione> s = sup.di(Operazione::scritta);
    const auto centro = [](const Operazione& o) { return std::pair((o.x1 + o.x2) / 2, (o.y1 + o.y2) / 2); };
    EXPECT_EQ(centro(s[1]), std::pair(80.0, 80 + 1.5 * 40));  // row 2, in the middle of the margin
    EXPECT_EQ(centro(s[4]), std::pair(100 + 2.5 * 40, 60.0));  // column 3, above the grid
}
