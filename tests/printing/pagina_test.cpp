#include "printing/pagina.h"

#include <gtest/gtest.h>

#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const AreaFinestra finestra{1024, 700, 30, 20};

// 15 x 15 with one black cell at (3,1) and the given entries in the first row.
Stato quindici(const std::string& primaRiga = "") {
    auto sol = grigliaPiena(15, 15);
    sol[0][2] = '#';
    return statoStampa(sol, {primaRiga}, {{1, 1, 1, "Primo"}});
}

std::vector<Operazione> di(const SuperficieRegistro& sup, Operazione::Tipo t) {
    std::vector<Operazione> v;
    for (const Operazione& o : sup.operazioni)
        if (o.tipo == t) v.push_back(o);
    return v;
}

}  // namespace

TEST(Pagina, WorkedPrinterAndPreviewNumbersOfA15x15Grid) {
    const GeometriaPagina g = geometriaStampa(quindici(), finestra);  // the status bar plays no part
    EXPECT_NEAR(g.altezza, 1422.03, 0.005);
    EXPECT_EQ(std::vector<double>({g.larghezza, double(g.cw), double(g.ch), double(g.s), double(g.gx), double(g.gy),
                                   g.puntiLettere, double(g.inizioElenchi), double(g.margineElenchi), g.limiteDestro}),
              std::vector<double>({1024, 61, 40, 40, 212, 63, 16, 673, 85, 824}));
    const GeometriaPagina a = geometriaAnteprima(quindici(), finestra);
    EXPECT_NEAR(a.puntiElenchi, 6.61, 0.005);
    // gx 399.5 goes to the even neighbour; gy is centred in the band that starts behind the toolbar.
    EXPECT_EQ(std::vector<int>({a.cw, a.ch, a.s, a.altezzaPagina, a.sinistraPagina, a.margineElenchi, a.gx, a.gy}),
              std::vector<int>({24, 15, 15, 670, 275, 314, 400, 70}));
    // A tiny window: letters stay at 5 points, numbers have no lower bound.
    const GeometriaPagina p = geometriaAnteprima(quindici(), {400, 300, 30, 20});
    EXPECT_EQ(p.puntiLettere, 5);
    EXPECT_LT(p.puntiNumeri, 1);
}

TEST(Pagina, EnteredLettersNumbersAndFrameOnPaperAndOnScreenInTheCallersStyle) {
    Stato s = quindici("BC#\xc8");
    s.DistanzaDaCentro = -10;
    s.DistanzaDaSpigolo = 10;
    s.nomeFont = "Times New Roman";
    SuperficieRegistro carta(4960, 7016), schermo;  // the printer's area in device pixels
    for (SuperficieRegistro* sup : {&carta, &schermo}) sup->impostaGrassetto(true), sup->impostaCorsivo(true);
    disegnaStampa(s, carta, finestra, "02-06-2013");
    disegnaAnteprima(s, schermo, finestra, "02-06-2013");
    EXPECT_EQ(carta.larghezzaScala(), 1024);
    EXPECT_NEAR(carta.altezzaScala(), 1422.03, 0.005);
    const auto box = di(carta, Operazione::rettangolo);
    ASSERT_EQ(box.size(), 1u + 225u);
    EXPECT_EQ(std::vector<double>({box[0].x1, box[0].y2, box[1].x1, box[1].x2}),  // the frame 3 units outside
              std::vector<double>({209, 63 + 600 + 3, 212, 252}));
    ASSERT_TRUE(scritta(carta, "B") && scritta(schermo, "B") && scritta(carta, "2") && scritta(schermo, "2"));
    // Centred on paper (half width 4.8, half height 12) one unit right; on screen at 9 points the
    // halves 2.7 and 6.75 are rounded to Integers.
    EXPECT_DOUBLE_EQ(scritta(carta, "B")->x1, 20 + 212 - 4.8 + 1);
    EXPECT_NEAR(scritta(carta, "B")->y1, 20 + 63 - 12 - 40 / 100.0 / 1.3 * 10, 1e-9);
    EXPECT_DOUBLE_EQ(scritta(schermo, "B")->x1, 7.5 + 400 - 3);
    EXPECT_DOUBLE_EQ(scritta(schermo, "B")->y1, 7.5 + 70 - 7 - 1.5);
    EXPECT_DOUBLE_EQ(scritta(carta, "2")->x1, 40 + 212 + 1 + 4);  // cell (2,1) starts 2 down
    EXPECT_NEAR(scritta(carta, "2")->carattere.dimensione, 40 / 1.5 / 100 * 20, 1e-12);
    EXPECT_DOUBLE_EQ(scritta(schermo, "2")->x1, 15 + 400 + 2 + 1.5);
    EXPECT_TRUE(scritta(carta, "È"));
    EXPECT_FALSE(scritta(carta, "A"));  // the solutions never appear
    for (SuperficieRegistro* sup : {&carta, &schermo}) {
        EXPECT_TRUE(sup->carattere().grassetto && sup->carattere().corsivo);
        EXPECT_TRUE(scritta(*sup, "B")->carattere.grassetto);
        EXPECT_EQ(scritta(*sup, "B")->carattere.nome, "Times New Roman");
    }
}

TEST(Pagina, BlackSquareInsetAndAStarEnteredOverALetter) {
    Stato s = quindici();
    for (auto [percentuale, margine] : {std::pair{100, 1.0}, {99, 1.0}, {98, 0.4}, {50, 10.0}}) {
        s.PercentualeRiquadro = static_cast<std::int16_t>(percentuale);
        SuperficieRegistro sup;
        disegnaStampa(s, sup, finestra, "");
        const auto pieni = di(sup, Operazione::rettangoloPieno);
        ASSERT_EQ(pieni.size(), 1u);
        EXPECT_NEAR(pieni[0].x1, 80 + 212 + margine, 1e-9) << percentuale;
        EXPECT_NEAR(pieni[0].x2, 80 + 212 + 40 - margine, 1e-9) << percentuale;
    }
    SuperficieRegistro sup;  // drawn black without complaint
    disegnaStampa(quindici("*"), sup, finestra, "");
    EXPECT_EQ(di(sup, Operazione::rettangoloPieno).size(), 2u);
}
