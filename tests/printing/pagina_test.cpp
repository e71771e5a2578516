#include "printing/pagina.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/numeri.h"
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

TEST(GeometriaPagina, PrinterUnitsFollowTheWindowOfTheWorkedExample) {
    const GeometriaPagina g = geometriaStampa(quindici(), {1024, 700, 30, 0});
    EXPECT_EQ(g.larghezza, 1024);
    EXPECT_NEAR(g.altezza, 1422.03, 0.005);
    EXPECT_EQ(g.cw, 61);
    EXPECT_EQ(g.ch, 40);
    EXPECT_EQ(g.s, 40);
    EXPECT_EQ(g.gx, 212);
    EXPECT_EQ(g.gy, 63);
    EXPECT_EQ(g.puntiLettere, 16);
    EXPECT_NEAR(g.puntiNumeri, 40 / 1.5 / 100 * 20, 1e-12);
    EXPECT_EQ(g.inizioElenchi, 673);
    EXPECT_EQ(g.margineElenchi, 85);
    EXPECT_EQ(g.limiteDestro, 824);
    // The status bar plays no part on paper.
    const GeometriaPagina h = geometriaStampa(quindici(), finestra);
    EXPECT_EQ(h.s, g.s);
    EXPECT_EQ(h.gy, g.gy);
}

TEST(GeometriaPagina, PreviewOfTheSamePuzzleInTheSameWindow) {
    const GeometriaPagina g = geometriaAnteprima(quindici(), finestra);
    EXPECT_EQ(g.cw, 24);
    EXPECT_EQ(g.ch, 15);
    EXPECT_EQ(g.s, 15);
    EXPECT_EQ(g.altezzaPagina, 670);
    EXPECT_EQ(g.sinistraPagina, 275);
    EXPECT_NEAR(g.puntiElenchi, 6.61, 0.005);
    EXPECT_EQ(g.margineElenchi, 314);
    EXPECT_EQ(g.limiteDestro, 1024 - 314);
    EXPECT_EQ(g.gx, 400);  // 399.5 goes to the even neighbour
    EXPECT_EQ(g.gy, 70);   // centred in the band that starts behind the toolbar
    EXPECT_EQ(g.puntiLettere, 9);
    EXPECT_NEAR(g.puntiNumeri, 3, 1e-12);
}

TEST(GeometriaPagina, LetterFontNeverBelowFivePointsNumbersWithoutBound) {
    Stato s = quindici();
    s.AltezzaCaratteri = 25;
    s.AltezzaNumeri = 5;
    const GeometriaPagina g = geometriaAnteprima(s, {400, 300, 30, 20});
    EXPECT_LT(g.s / 100.0 * 25, 5);
    EXPECT_EQ(g.puntiLettere, 5);
    EXPECT_LT(g.puntiNumeri, 1);
}

TEST(GeometriaPagina, SizesOutsideTheIntegerRangeAreRejected) {
    Stato s = quindici();
    s.nColonne = 0;
    EXPECT_THROW(geometriaStampa(s, finestra), ErroreOverflow);
    EXPECT_THROW(geometriaAnteprima(s, finestra), ErroreOverflow);
}

TEST(Stampa, SetsTheUnitsAndDrawsFrameCellsAndListsAtTheWorkedPositions) {
    Stato s = quindici();
    SuperficieRegistro sup(4960, 7016);  // a printable area in device pixels
    disegnaStampa(s, sup, {1024, 700, 30, 0}, "02-06-2013");
    EXPECT_EQ(sup.larghezzaScala(), 1024);
    EXPECT_NEAR(sup.altezzaScala(), 1422.03, 0.005);

    auto box = di(sup, Operazione::rettangolo);
    ASSERT_EQ(box.size(), 1u + 225u);
    EXPECT_EQ(box[0].x1, 209);
    EXPECT_EQ(box[0].y1, 60);
    EXPECT_EQ(box[0].x2, 212 + 600 + 3);
    EXPECT_EQ(box[0].y2, 63 + 600 + 3);
    EXPECT_EQ(box[1].x1, 212);
    EXPECT_EQ(box[1].x2, 252);
    EXPECT_TRUE(std::all_of(box.begin(), box.end(), [](const Operazione& o) { return o.colore == nero; }));

    const Operazione* titolo = scritta(sup, "ORIZZONTALI:");
    ASSERT_TRUE(titolo);
    EXPECT_EQ(titolo->x1, 85);
    EXPECT_EQ(titolo->y1, 673);
    ASSERT_TRUE(scritta(sup, "02-06-2013   -   /home/anna/Archivio cruciverba/prova.trmo"));
}

TEST(Stampa, DrawsTheEntriesNeverTheSolutions) {
    SuperficieRegistro vuota;
    disegnaStampa(quindici(), vuota, finestra, "");
    for (const Operazione& o : di(vuota, Operazione::scritta)) EXPECT_NE(o.testo, "A");

    SuperficieRegistro piena;
    disegnaStampa(quindici("BC#\xc8"), piena, finestra, "");
    const Operazione* b = scritta(piena, "B");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->carattere.dimensione, 16);
    // Centred: 0.6 * 16 / 2 = 4.8 half width, 1.5 * 16 / 2 = 12 half height, one unit right.
    EXPECT_DOUBLE_EQ(b->x1, 20 + 212 - 4.8 + 1);
    EXPECT_DOUBLE_EQ(b->y1, 20 + 63 - 12);
    EXPECT_TRUE(scritta(piena, "È"));  // decoded from the puzzle's code page
}

TEST(Stampa, LettersMoveWithTheCentreDistanceDifferentlyOnPaperAndOnScreen) {
    Stato s = quindici("B");
    s.DistanzaDaCentro = -10;
    SuperficieRegistro carta;
    disegnaStampa(s, carta, finestra, "");
    EXPECT_NEAR(scritta(carta, "B")->y1, 20 + 63 - 12 - 40 / 100.0 / 1.3 * 10, 1e-9);

    SuperficieRegistro schermo;
    disegnaAnteprima(s, schermo, finestra, "");
    // 9 points: half width 2.7 and half height 6.75, each rounded to an Integer.
    const Operazione* b = scritta(schermo, "B");
    ASSERT_TRUE(b);
    EXPECT_DOUBLE_EQ(b->x1, 7.5 + 400 - 3);
    EXPECT_DOUBLE_EQ(b->y1, 7.5 + 70 - 7 - 1.5);
}

TEST(Stampa, BlackSquareInsetFollowsThePercentage) {
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
        const double x = 2 * 40 + 212;
        EXPECT_NEAR(pieni[0].x1, x + c.inset, 1e-9) << c.percentuale;
        EXPECT_NEAR(pieni[0].x2, x + 40 - c.inset, 1e-9) << c.percentuale;
        EXPECT_EQ(pieni[0].colore, nero);
    }
}

TEST(Stampa, AStarEnteredOverALetterIsDrawnBlackWithoutComplaint) {
    Stato s = quindici("*");
    SuperficieRegistro sup;
    disegnaStampa(s, sup, finestra, "");
    EXPECT_EQ(di(sup, Operazione::rettangoloPieno).size(), 2u);
    // ...and the cell loses its number and its clue.
    EXPECT_FALSE(scritta(sup, " Primo "));
}

TEST(Stampa, NumbersSitAtTheCornerWithTheirOwnSizeAndOffset) {
    for (int spigolo : {0, 10}) {
        Stato s = quindici();
        s.DistanzaDaSpigolo = static_cast<std::int16_t>(spigolo);
        SuperficieRegistro carta, schermo;
        disegnaStampa(s, carta, finestra, "");
        disegnaAnteprima(s, schermo, finestra, "");
        const double o = 40 / 100.0 * spigolo, op = 15 / 100.0 * spigolo;
        const Operazione* due = scritta(carta, "2");  // cell (2,1) starts 2 down
        ASSERT_TRUE(due);
        EXPECT_DOUBLE_EQ(due->x1, 40 + 212 + 1 + o);
        EXPECT_DOUBLE_EQ(due->y1, 63 + o);
        EXPECT_NEAR(due->carattere.dimensione, 40 / 1.5 / 100 * 20, 1e-12);
        const Operazione* dueSchermo = scritta(schermo, "2");
        ASSERT_TRUE(dueSchermo);
        EXPECT_DOUBLE_EQ(dueSchermo->x1, 15 + 400 + 2 + op);
        EXPECT_DOUBLE_EQ(dueSchermo->y1, 70 + op);
    }
}

TEST(Stampa, TheChosenBoldAndItalicSurviveTheJobAndTheFaceComesFromTheState) {
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

TEST(Anteprima, ClearsThenDrawsTheWhitePageWithADarkRedBorderAndTheGrid) {
    SuperficieRegistro sup(1024, 700);
    disegnaAnteprima(quindici(), sup, finestra, "02-06-2013");
    ASSERT_GE(sup.operazioni.size(), 4u);
    EXPECT_EQ(sup.operazioni[0].tipo, Operazione::pulisci);
    const Operazione& pagina = sup.operazioni[1];
    EXPECT_EQ(pagina.tipo, Operazione::rettangoloPieno);
    EXPECT_EQ(pagina.colore, bianco);
    EXPECT_EQ(pagina.x1, 275);
    EXPECT_EQ(pagina.y1, 30);
    EXPECT_EQ(pagina.x2, 749);
    EXPECT_EQ(pagina.y2, 679);
    const Operazione& bordo = sup.operazioni[2];
    EXPECT_EQ(bordo.tipo, Operazione::rettangolo);
    EXPECT_EQ(bordo.colore, rossoScuro);
    EXPECT_EQ(bordo.x1, 275);
    EXPECT_EQ(bordo.y2, 679);
    const Operazione& cornice = sup.operazioni[3];
    EXPECT_EQ(cornice.x1, 398);
    EXPECT_EQ(cornice.y1, 68);
    EXPECT_EQ(cornice.x2, 400 + 225 + 2);
    // The window keeps its pixels.
    EXPECT_EQ(sup.larghezzaScala(), 1024);
    EXPECT_EQ(sup.altezzaScala(), 700);
    const Operazione* titolo = scritta(sup, "ORIZZONTALI:");
    ASSERT_TRUE(titolo);
    EXPECT_EQ(titolo->x1, 314);
    EXPECT_EQ(titolo->y1, 15 * 15 + 70 + 10);
    EXPECT_TRUE(scritta(sup, "02-06-2013  -  /home/anna/Archivio cruciverba/prova.trmo"));
}
