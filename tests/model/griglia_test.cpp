#include <gtest/gtest.h>

#include <array>

#include "model/griglia.h"
#include "model/superficie_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

struct Passo : ::testing::Test {
    SuperficieRegistro sup{1016, 700};
    AreaFinestra area{1016, 700, 30, 20};
    GeometriaSchema g;  // the grid's place as last drawn

    std::string disegna(const Documento& x, const ValoriImpostazioni& s, const DecorazioniGriglia& d = {}) {
        g = geometriaGriglia(x.cruciverba, s, area, d);
        return disegnaGriglia(x, s, sup, area, d);
    }
    static std::array<double, 4> angoli(const Operazione& o) { return {o.x1, o.y1, o.x2, o.y2}; }
};

}  // namespace

TEST_F(Passo, WorkedGeometryOfA15x10GridAndTheFrameThickness) {
    Documento x = prova::documentoDaSchema(std::vector<std::string>(10, std::string(15, 'A')));
    ValoriImpostazioni s;
    disegna(x, s);  // the title it returns is the main window test's
    // 150 cell outlines of 63 pixels from (36, 39), one frame line with no extra thickness; a
    // thickness of 3 adds three more outside.
    EXPECT_EQ(sup.di(Operazione::rettangolo, nero).size(), 150u);
    const auto cornice = sup.di(Operazione::rettangolo, rossoScuro);
    ASSERT_EQ(cornice.size(), 1u);
    EXPECT_EQ(angoli(cornice[0]), (std::array<double, 4>{33, 36, 36 + 945 + 3, 39 + 630 + 3}));
    s.SpessoreBordo = 3;
    disegna(x, s);
    const auto rossi = sup.di(Operazione::rettangolo, rossoScuro);
    ASSERT_EQ(rossi.size(), 5u);
    EXPECT_EQ(rossi[4].x1, g.x0 - 5.0);
    EXPECT_EQ(rossi[4].y1, g.y0 - 5.0);
}

TEST_F(Passo, LettersCentredWithTheMinimumSizeAndNumbersAtTheirCorner) {
    Documento x = prova::documentoDaSchema({"CASA", "A#RE", "SOLE"}, {"C..."});
    ValoriImpostazioni s;
    s.AltezzaCaratteri = 5, s.DistanzaDaCentro = 10;  // far below the 6-point floor
    s.AltezzaNumeri = 20, s.DistanzaDaSpigolo = 10;
    area = {200, 200, 30, 20};
    disegna(x, s);
    EXPECT_EQ(sup.testi(), (std::vector<std::string>{"C", "1", "2", "3", "4", "5"}));
    const Operazione lettera = sup.di(Operazione::scritta)[0], due = sup.di(Operazione::scritta)[2];
    EXPECT_EQ(lettera.carattere.dimensione, 6);
    const double L = g.lato;
    // The fake measures 0.6 x 6 = 3.6 wide and 9 high: halves 1.8 -> 2 and 4.5 -> 4.
    EXPECT_DOUBLE_EQ(lettera.x1, g.x0 + L / 2 - 2);
    EXPECT_DOUBLE_EQ(lettera.y1, g.y0 + L / 2 - 4 + L * 10 / 100);
    EXPECT_DOUBLE_EQ(due.x1, g.x0 + 2 * L + 2 + L * 10 / 100);
}

TEST(Disposizione, FrameStaysInsideTheDrawingAreaAndClearsTheBars) {
    // 1,264 / 26 rounds up to 49: the frame would end on pixel 1,280 of a 1,280-pixel area. At 1,024 it
    // just fits, also with two extra lines; three would end one pixel past it. A tall grid: 39.5
    // rounds to 40, but three extra lines would then reach one row into the toolbar.
    // Columns, rows, frame thickness, area width and height; side, x0 and y0 (negative: not checked).
    const std::array<int, 8> casi[] = {{26, 16, 0, 1280, 1000, 48, 16, -1}, {26, 16, 2, 1024, 1000, 39, 5, -1},
                                       {26, 16, 3, 1024, 1000, 38, 18, -1}, {2, 16, 3, 1000, 700, 39, -1, 42}};
    for (const auto& [colonne, righe, spessore, larghezza, altezza, lato, x0, y0] : casi) {
        ValoriImpostazioni s;
        s.SpessoreBordo = static_cast<std::int16_t>(spessore);
        const GeometriaSchema g = geometriaFinestra(Cruciverba(colonne, righe), s, {double(larghezza), double(altezza), 30, 20});
        SCOPED_TRACE(std::to_string(larghezza) + " " + std::to_string(spessore));
        EXPECT_EQ(g.lato, lato);
        if (x0 >= 0) EXPECT_EQ(g.x0, x0);
        if (y0 >= 0) EXPECT_EQ(g.y0, y0);
    }
}

TEST_F(Passo, DecorationsReachTheirCellAndPauseHidesLetters) {
    Documento x = prova::documentoDaSchema({"AB", "CD"}, {"A.", ".D"});
    ValoriImpostazioni s;
    DecorazioniGriglia d;
    d.segni[{2, 1}] = segnoParolaCorrente;
    d.lettereNascoste = true;
    disegna(x, s, d);
    const StileSchema stile;
    const auto velo = sup.di(Operazione::rettangoloPieno, stile.coloreParola);
    ASSERT_EQ(velo.size(), 1u);
    EXPECT_EQ(velo[0].x1, g.x0 + g.lato + 1.0);
    EXPECT_EQ(velo[0].y1, g.y0 + 1.0);
    // Numbers only, and the notice that says why the letters are gone.
    EXPECT_EQ(sup.testi(), (std::vector<std::string>{"1", "2", "3", "In pausa — premi F6 per continuare"}));
}

// Scrolled by the player, the grid stays where it was put (within its ends), and a focus cell
// already in view moves nothing (the window's zoomed-grid test walks the rest).
TEST_F(Passo, AScrolledGridStaysPut) {
    // 15 x 10 cells of 126 pixels: 1,890 x 1,260 against 1,004 x 638 in view (6-pixel margins).
    Documento x = prova::documentoDaSchema(std::vector<std::string>(10, std::string(15, 'A')));
    ValoriImpostazioni s;
    struct Caso {
        std::pair<int, int> scostamento;
        bool mostraFuoco;
        Casella fuoco;
        int x, y;  // scrolled by
    };
    const Caso casi[] = {
        {{5000, -3}, false, {1, 1}, 886, 0},  // past the ends: the ends; the focus off view stays off without asking
        {{300, 0}, true, {4, 1}, 300, 0},     // already in view: no move
    };
    for (const Caso& c : casi) {
        DecorazioniGriglia d;
        d.zoom = 2, d.fuoco = c.fuoco, d.scostamento = c.scostamento, d.mostraFuoco = c.mostraFuoco;
        ScorrimentoGriglia fatto;
        disegnaGriglia(x, s, sup, area, d, &fatto);
        EXPECT_EQ(fatto, (ScorrimentoGriglia{{886, 1004, c.x}, {622, 638, c.y}})) << c.fuoco.colonna;
        EXPECT_EQ(geometriaGriglia(x.cruciverba, s, area, d).x0, 6 - c.x) << c.fuoco.colonna;  // drawn where scrolled to
    }
}
