#include "printing/pagina.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/superficie_registro.h"
#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const AreaFinestra finestra{1024, 700, 30, 20};

std::vector<Operazione> di(const SuperficieRegistro& sup, Operazione::Tipo t) {
    std::vector<Operazione> v;
    std::copy_if(sup.operazioni.begin(), sup.operazioni.end(), std::back_inserter(v),
                 [t](const Operazione& o) { return o.tipo == t; });
    return v;
}

const Operazione* scritta(const SuperficieRegistro& sup, const std::string& testo) {
    for (const Operazione& o : sup.operazioni)
        if (o.tipo == Operazione::scritta && o.testo == testo) return &o;
    return nullptr;
}

// 15 x 15 with one black cell at (3,1) and the given entries in the first row.
Stato quindici(const std::string& primaRiga = "") {
    auto sol = grigliaPiena(15, 15);
    sol[0][2] = '#';
    std::vector<std::string> ins;
    if (!primaRiga.empty()) ins.push_back(primaRiga);
    return statoStampa(sol, ins, {{1, 1, 1, "Primo"}});
}

}  // namespace

TEST(GeometriaPagina, WorkedPrinterAndPreviewNumbersOfA15x15Grid) {
    const GeometriaPagina g = geometriaStampa(quindici(), finestra);  // the status bar plays no part
    EXPECT_EQ(g.larghezza, 1024);
    EXPECT_NEAR(g.altezza, 1422.03, 0.005);
    EXPECT_EQ(g.cw, 61);
    EXPECT_EQ(g.ch, 40);
    EXPECT_EQ(g.s, 40);
    EXPECT_EQ(g.gx, 212);
    EXPECT_EQ(g.gy, 63);
    EXPECT_EQ(g.puntiLettere, 16);
    EXPECT_EQ(g.inizioElenchi, 673);
    EXPECT_EQ(g.margineElenchi, 85);
    EXPECT_EQ(g.limiteDestro, 824);

    const GeometriaPagina a = geometriaAnteprima(quindici(), finestra);
    EXPECT_EQ(a.cw, 24);
    EXPECT_EQ(a.ch, 15);
    EXPECT_EQ(a.s, 15);
    EXPECT_EQ(a.altezzaPagina, 670);
    EXPECT_EQ(a.sinistraPagina, 275);
    EXPECT_NEAR(a.puntiElenchi, 6.61, 0.005);
    EXPECT_EQ(a.margineElenchi, 314);
    EXPECT_EQ(a.gx, 400);  // 399.5 goes to the even neighbour
    EXPECT_EQ(a.gy, 70);   // centred in the band that starts behind the toolbar

    // A tiny window: letters stay at 5 points, numbers have no lower bound.
    const GeometriaPagina p = geometriaAnteprima(quindici(), {400, 300, 30, 20});
    EXPECT_EQ(p.puntiLettere, 5);
    EXPECT_LT(p.puntiNumeri, 1);
}

TEST(Stampa, UnitsFrameCellsLettersAndListsAtTheWorkedPositions) {
    SuperficieRegistro sup(4960, 7016);  // a printable area in device pixels
    disegnaStampa(quindici("BC#\xc8"), sup, finestra, "02-06-2013");
    EXPECT_EQ(sup.larghezzaScala(), 1024);
    EXPECT_NEAR(sup.altezzaScala(), 1422.03, 0.005);

    auto box = di(sup, Operazione::rettangolo);
    ASSERT_EQ(box.size(), 1u + 225u);
    EXPECT_EQ(box[0].x1, 209);  // the frame, 3 units outside
    EXPECT_EQ(box[0].y2, 63 + 600 + 3);
    EXPECT_EQ(box[1].x1, 212);
    EXPECT_EQ(box[1].x2, 252);

    // Entered letters only, centred (half width 4.8, half height 12) and one unit right.
    const Operazione* b = scritta(sup, "B");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->carattere.dimensione, 16);
    EXPECT_DOUBLE_EQ(b->x1, 20 + 212 - 4.8 + 1);
    EXPECT_DOUBLE_EQ(b->y1, 20 + 63 - 12);
    EXPECT_TRUE(scritta(sup, "È"));
    EXPECT_FALSE(scritta(sup, "A"));  // the solutions never appear

    const Operazione* titolo = scritta(sup, "ORIZZONTALI:");
    ASSERT_TRUE(titolo);
    EXPECT_EQ(titolo->x1, 85);
    EXPECT_EQ(titolo->y1, 673);
}

TEST(Stampa, LettersAndNumbersMoveWithTheirDistancesOnPaperAndOnScreen) {
    Stato s = quindici("B");
    s.DistanzaDaCentro = -10;
    s.DistanzaDaSpigolo = 10;
    SuperficieRegistro carta, schermo;
    disegnaStampa(s, carta, finestra, "");
    disegnaAnteprima(s, schermo, finestra, "");
    EXPECT_NEAR(scritta(carta, "B")->y1, 20 + 63 - 12 - 40 / 100.0 / 1.3 * 10, 1e-9);
    // 9 points on screen: half width 2.7 and half height 6.75, each rounded to an Integer.
    EXPECT_DOUBLE_EQ(scritta(schermo, "B")->x1, 7.5 + 400 - 3);
    EXPECT_DOUBLE_EQ(scritta(schermo, "B")->y1, 7.5 + 70 - 7 - 1.5);

    const Operazione* due = scritta(carta, "2");  // cell (2,1) starts 2 down
    ASSERT_TRUE(due);
    EXPECT_DOUBLE_EQ(due->x1, 40 + 212 + 1 + 4);
    EXPECT_DOUBLE_EQ(due->y1, 63 + 4);
    EXPECT_NEAR(due->carattere.dimensione, 40 / 1.5 / 100 * 20, 1e-12);
    const Operazione* dueSchermo = scritta(schermo, "2");
    ASSERT_TRUE(dueSchermo);
    EXPECT_DOUBLE_EQ(dueSchermo->x1, 15 + 400 + 2 + 1.5);
    EXPECT_DOUBLE_EQ(dueSchermo->carattere.dimensione, 3);
}

TEST(Stampa, BlackSquareInsetAndAStarEnteredOverALetter) {
    struct Caso {
        int percentuale;
        double inset;
    } casi[] = {{100, 1}, {99, 1}, {98, 0.4}, {90, 2}, {50, 10}};
    for (const Caso& c : casi) {
        Stato s = quindici();
        s.PercentualeRiquadro = static_cast<std::int16_t>(c.percentuale);
        SuperficieRegistro sup;
        disegnaStampa(s, sup, finestra, "");
        auto pieni = di(sup, Operazione::rettangoloPieno);
        ASSERT_EQ(pieni.size(), 1u);
        EXPECT_NEAR(pieni[0].x1, 80 + 212 + c.inset, 1e-9) << c.percentuale;
        EXPECT_NEAR(pieni[0].x2, 80 + 212 + 40 - c.inset, 1e-9) << c.percentuale;
    }
    // Drawn black without complaint; the cell loses its number and its clue.
    SuperficieRegistro sup;
    disegnaStampa(quindici("*"), sup, finestra, "");
    EXPECT_EQ(di(sup, Operazione::rettangoloPieno).size(), 2u);
    EXPECT_FALSE(scritta(sup, " Primo "));
}

TEST(Stampa, TheChosenBoldAndItalicSurviveAndTheFaceComesFromTheState) {
    for (bool grassetto : {false, true}) {
        Stato s = quindici("B");
        s.nomeFont = "Times New Roman";
        SuperficieRegistro carta, schermo;
        for (SuperficieRegistro* sup : {&carta, &schermo}) {
            sup->impostaGrassetto(grassetto);
            sup->impostaCorsivo(true);
        }
        disegnaStampa(s, carta, finestra, "");
        disegnaAnteprima(s, schermo, finestra, "");
        for (SuperficieRegistro* sup : {&carta, &schermo}) {
            EXPECT_EQ(sup->carattere().grassetto, grassetto);
            EXPECT_TRUE(sup->carattere().corsivo);
            EXPECT_EQ(scritta(*sup, "B")->carattere.nome, "Times New Roman");
            EXPECT_EQ(scritta(*sup, "B")->carattere.grassetto, grassetto);
        }
    }
}

TEST(Anteprima, ClearsThenDrawsTheWhitePageWithADarkRedBorder) {
    SuperficieRegistro sup(1024, 700);
    disegnaAnteprima(quindici(), sup, finestra, "02-06-2013");
    ASSERT_GE(sup.operazioni.size(), 4u);
    EXPECT_EQ(sup.operazioni[0].tipo, Operazione::pulisci);
    const Operazione& pagina = sup.operazioni[1];
    EXPECT_EQ(pagina.colore, bianco);
    EXPECT_EQ(std::vector<double>({pagina.x1, pagina.y1, pagina.x2, pagina.y2}), std::vector<double>({275, 30, 749, 679}));
    EXPECT_EQ(sup.operazioni[2].tipo, Operazione::rettangolo);
    EXPECT_EQ(sup.operazioni[2].colore, rossoScuro);
    EXPECT_EQ(sup.operazioni[3].x1, 398);  // the grid's frame, 2 units outside
    EXPECT_EQ(sup.larghezzaScala(), 1024);  // the window keeps its pixels
    EXPECT_EQ(scritta(sup, "ORIZZONTALI:")->y1, 15 * 15 + 70 + 10);
}
