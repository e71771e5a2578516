#include "printing/elenchi.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/superficie_registro.h"
#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

// C A S A     across: 1 CASA, 5 ORO, 6 TE
// # O R O     down:   2 AOE, 3 SR, 4 AON
// T E # N
Stato piccolo(const std::vector<std::string>& ins = {}) {
    return statoStampa({"CASA", "#ORO", "TE#N"}, ins,
                       {{1, 1, 1, "Dimora"}, {2, 1, 2, "Citt\xe0 senza fine"}, {2, 2, 1, ""}, {4, 1, 2, "Nave"}});
}

std::vector<Operazione> scritte(const SuperficieRegistro& sup) {
    std::vector<Operazione> v;
    for (const Operazione& o : sup.operazioni)
        if (o.tipo == Operazione::scritta) v.push_back(o);
    return v;
}

const Operazione* trova(const std::vector<Operazione>& v, const std::string& testo) {
    auto it = std::find_if(v.begin(), v.end(), [&](const Operazione& o) { return o.testo == testo; });
    return it == v.end() ? nullptr : &*it;
}

BloccoTesto bloccoStampante(int lato = 40, int alto = 63) {
    BloccoTesto b;
    b.lato = lato;
    b.altoGriglia = alto;
    b.data = "02-06-2013";
    return b;
}

}  // namespace

TEST(Voci, EntryIsNumberSpaceDecodedClueSpaceWithUnderscoresForAnEmptyClue) {
    Stato s = piccolo();
    EXPECT_EQ(voceDefinizione(s, 1, 1, orizzontale), "1 Dimora ");
    EXPECT_EQ(voceDefinizione(s, 2, 1, verticale), "2 Città senza fine ");
    EXPECT_EQ(voceDefinizione(s, 2, 2, orizzontale), "5 " + std::string(30, '_') + " ");
}

TEST(Voci, ListsFollowReadingOrderAndSkipCellsWhoseEntryIsBlack) {
    Stato s = piccolo();
    auto numeri = [](const std::vector<std::string>& v) {
        std::string n;
        for (const std::string& e : v) n += e.substr(0, e.find(' ')) + ",";
        return n;
    };
    EXPECT_EQ(numeri(vociDefinizioni(s, orizzontale)), "1,5,6,");
    EXPECT_EQ(numeri(vociDefinizioni(s, verticale)), "2,3,4,");
    // A "*" typed over the starts of 5 across and 2 down: neither is listed, whatever the type says.
    Stato t = piccolo({".*..", "#*..", "..#."});
    EXPECT_EQ(t.tipoCasella[2][2], inizioOrizzontale);
    EXPECT_EQ(t.tipoCasella[2][1], inizioVerticale);
    EXPECT_EQ(numeri(vociDefinizioni(t, orizzontale)), "1,6,");
    EXPECT_EQ(numeri(vociDefinizioni(t, verticale)), "3,4,");
}

TEST(VocePrinter, OnlyTheNumberIsBoldAndTheEntryRunsOnFromThePen) {
    SuperficieRegistro sup(1000, 2000);
    sup.impostaDimensione(10);  // 6 units a character, 15 a line
    sup.CurrentX = 100;
    sup.CurrentY = 50;
    stampaVoce(sup, "12 Capitale ", 85);
    auto v = scritte(sup);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].testo, "12");
    EXPECT_TRUE(v[0].carattere.grassetto);
    EXPECT_EQ(v[1].testo, " Capitale ");
    EXPECT_FALSE(v[1].carattere.grassetto);
    EXPECT_DOUBLE_EQ(v[1].x1, 112);
    EXPECT_DOUBLE_EQ(sup.CurrentX, 100 + 12 * 6);
    EXPECT_DOUBLE_EQ(sup.CurrentY, 50);
    EXPECT_FALSE(sup.carattere().grassetto);
}

TEST(VocePrinter, WrapsOnlyPastTheRightLimitMeasuredFromTheRoundedPen) {
    // "1 AB " is 30 units wide at 10 points; the printer's limit is 1000 - 200 = 800.
    struct Caso {
        double x;
        bool aCapo;
    } casi[] = {{770, false}, {770.4, false}, {770.6, true}, {771, true}};
    for (const Caso& c : casi) {
        SuperficieRegistro sup(1000, 2000);
        sup.impostaDimensione(10);
        sup.CurrentX = c.x;
        sup.CurrentY = 50;
        stampaVoce(sup, "1 AB ", 85);
        const Operazione numero = scritte(sup).front();
        EXPECT_EQ(numero.y1, c.aCapo ? 65 : 50) << c.x;
        EXPECT_EQ(numero.x1, c.aCapo ? 85 : c.x) << c.x;
    }
    // The preview's limit is the width less the margin: 1000 - 300 = 700.
    for (const Caso& c : {Caso{670, false}, Caso{671, true}}) {
        SuperficieRegistro sup(1000, 2000);
        sup.impostaDimensione(10);
        sup.CurrentX = c.x;
        anteprimaVoce(sup, "1 AB ", 300);
        EXPECT_EQ(scritte(sup).front().y1, c.aCapo ? 15 : 0) << c.x;
    }
}

TEST(VocePrinter, AnEntryWiderThanTheLineIsNeverSplitAndFollowsAnEmptyLine) {
    SuperficieRegistro sup(1000, 2000);
    sup.impostaDimensione(10);
    sup.CurrentX = 85;  // start of a fresh list line
    sup.CurrentY = 100;
    const std::string lunga = "7 " + std::string(200, 'x') + " ";
    stampaVoce(sup, lunga, 85);
    auto v = scritte(sup);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].y1, 115);
    EXPECT_EQ(v[1].testo.size(), 202u);
    EXPECT_GT(sup.CurrentX, 800);
}

TEST(Blocco, PrinterFlowHeadingsEntriesAndFooter) {
    Stato s = piccolo();
    s.righeFile[0] = "Autore:      Jos\xe9";
    SuperficieRegistro sup(1024, 1422);
    stampaDefinizioni(s, sup, bloccoStampante());
    auto v = scritte(sup);
    const double h = 1.5 * 8.25;
    const double y0 = 40 * 3 + 63 + 10;

    const Operazione* orizz = trova(v, "ORIZZONTALI:");
    ASSERT_TRUE(orizz);
    EXPECT_EQ(orizz->x1, 85);
    EXPECT_EQ(orizz->y1, y0);
    EXPECT_TRUE(orizz->carattere.grassetto);
    EXPECT_EQ(orizz->carattere.dimensione, 8.25);

    // The three across entries share the line below the heading, one after the other.
    const Operazione* uno = trova(v, "1");
    ASSERT_TRUE(uno);
    EXPECT_EQ(uno->x1, 85);
    EXPECT_EQ(uno->y1, y0 + h);
    const Operazione* vuota = trova(v, " " + std::string(30, '_') + " ");
    ASSERT_TRUE(vuota);
    EXPECT_EQ(vuota->y1, y0 + h);

    // Two line ends close the across line and leave one empty line.
    const Operazione* vert = trova(v, "VERTICALI:");
    ASSERT_TRUE(vert);
    EXPECT_EQ(vert->y1, y0 + 3 * h);
    EXPECT_TRUE(vert->carattere.grassetto);
    EXPECT_TRUE(trova(v, " Città senza fine "));

    // Down entries on one line, then two line ends on the printer.
    const Operazione* data = trova(v, "02-06-2013   -   /home/anna/Archivio cruciverba/prova.trmo");
    ASSERT_TRUE(data);
    EXPECT_EQ(data->y1, y0 + 6 * h);
    EXPECT_EQ(data->x1, 85);
    EXPECT_FALSE(data->carattere.grassetto);
    const Operazione* prima = trova(v, "Autore:      José");
    ASSERT_TRUE(prima);
    EXPECT_EQ(prima->y1, y0 + 7 * h);
    const Operazione* crediti = trova(v, "Creazione e stampa con Tramerio");
    ASSERT_TRUE(crediti);
    EXPECT_EQ(crediti->y1, y0 + 8 * h);
    EXPECT_FALSE(crediti->carattere.grassetto);
    EXPECT_EQ(v.back().testo, "Creazione e stampa con Tramerio");
    EXPECT_DOUBLE_EQ(sup.CurrentY, y0 + 9 * h);
}

TEST(Blocco, PreviewUsesItsOwnFontMarginSeparatorAndThreeLineEnds) {
    Stato s = piccolo();
    SuperficieRegistro sup(1024, 700);
    BloccoTesto b;
    b.tipo = TipoPagina::anteprima;
    b.lato = 15;
    b.altoGriglia = 70;
    b.sinistraPagina = 275;
    b.altezzaPagina = 670;
    b.data = "02-06-2013";
    stampaDefinizioni(s, sup, b);
    auto v = scritte(sup);
    const double punti = 275 / 29.7 / 1.4;
    const double h = 1.5 * punti;
    EXPECT_EQ(v.front().carattere.dimensione, punti);
    EXPECT_EQ(v.front().x1, 314);
    const double y0 = 15 * 3 + 70 + 10;
    const Operazione* data = trova(v, "02-06-2013  -  /home/anna/Archivio cruciverba/prova.trmo");
    ASSERT_TRUE(data);
    EXPECT_NEAR(data->y1, y0 + 7 * h, 1e-9);
}

TEST(Blocco, NoAcrossWordsLeavesTwoEmptyLinesBetweenTheHeadings) {
    Stato s = statoStampa({"A", "B", "C"}, {}, {{1, 1, 2, "Alfabeto"}});
    ASSERT_TRUE(vociDefinizioni(s, orizzontale).empty());
    SuperficieRegistro sup(1024, 1422);
    stampaDefinizioni(s, sup, bloccoStampante());
    auto v = scritte(sup);
    ASSERT_GE(v.size(), 2u);
    EXPECT_EQ(v[0].testo, "ORIZZONTALI:");
    EXPECT_EQ(v[1].testo, "VERTICALI:");
    EXPECT_DOUBLE_EQ(v[1].y1 - v[0].y1, 3 * 1.5 * 8.25);
}

TEST(Blocco, FaceAndItalicStayAsTheJobLeftThem) {
    Stato s = piccolo();
    SuperficieRegistro sup(1024, 1422);
    sup.impostaNomeCarattere("Courier");
    sup.impostaCorsivo(true);
    stampaDefinizioni(s, sup, bloccoStampante());
    for (const Operazione& o : scritte(sup)) {
        EXPECT_EQ(o.carattere.nome, "Courier");
        EXPECT_TRUE(o.carattere.corsivo);
    }
}

TEST(Blocco, PrinterListsContinueOnAFreshSheetWhenTheyRunPastTheBottom) {
    // 12 across and 12 down words, one entry to a line: more lines than two short sheets hold.
    std::vector<Definizione> def;
    for (int i = 1; i <= 12; ++i) {
        def.push_back({1, i, 1, std::string(120, 'o')});
        def.push_back({i, 1, 2, std::string(120, 'v')});
    }
    Stato s = statoStampa(grigliaPiena(12, 12), {}, def);
    int fogli = 1;
    SaltoPagina salto{[&] { ++fogli; }, 20};
    SuperficieRegistro sup(1024, 250);
    BloccoTesto b = bloccoStampante(10, 20);
    b.salto = &salto;
    stampaDefinizioni(s, sup, b);
    EXPECT_GT(fogli, 2);
    // Nothing is drawn below the printable area, and every sheet after the first restarts at 20.
    int ritorni = 0;
    double prec = 0;
    for (const Operazione& o : scritte(sup)) {
        EXPECT_LE(o.y2, 250) << o.testo;
        if (o.y1 < prec) {
            ++ritorni;
            EXPECT_EQ(o.y1, 20);
        }
        prec = o.y1;
    }
    EXPECT_EQ(ritorni, fogli - 1);
    EXPECT_EQ(scritte(sup).back().testo, rigaCrediti);

    // Without a continuation (or in the preview) the lists just run on below the bottom.
    SuperficieRegistro senza(1024, 250);
    stampaDefinizioni(s, senza, bloccoStampante(10, 20));
    EXPECT_GT(scritte(senza).back().y1, 250);
}

TEST(Blocco, AHeadingIsNotLeftAloneAtTheFootOfASheet) {
    std::vector<Definizione> def{{1, 1, 1, "Uno"}, {1, 1, 2, "Giu"}};
    Stato s = statoStampa({"AB", "C#"}, {}, def);
    int fogli = 1;
    SaltoPagina salto{[&] { ++fogli; }, 5};
    // Room below the across line for the empty line and exactly one more line.
    const double h = 1.5 * 8.25;
    const double y0 = 10 * 2 + 20 + 10;
    SuperficieRegistro sup(1024, y0 + 3 * h + h + 1);
    BloccoTesto b = bloccoStampante(10, 20);
    b.salto = &salto;
    stampaDefinizioni(s, sup, b);
    auto v = scritte(sup);
    const Operazione* vert = trova(v, "VERTICALI:");
    ASSERT_TRUE(vert);
    EXPECT_EQ(vert->y1, 5);
    EXPECT_EQ(fogli, 2);
    EXPECT_EQ(trova(v, "ORIZZONTALI:")->y1, y0);
    EXPECT_EQ(trova(v, "1")->y1, y0 + h);  // the across entry stayed on the first sheet
}

TEST(Blocco, PreviewListFontFollowsThePageEdgeDownToAReadableMinimum) {
    BloccoTesto b;
    b.tipo = TipoPagina::anteprima;
    b.sinistraPagina = 275;
    EXPECT_NEAR(puntiElenchi(b), 6.614, 0.001);
    b.sinistraPagina = 500;
    EXPECT_NEAR(puntiElenchi(b), 12.025, 0.001);
    for (int sinistra : {100, 0, -40}) {
        b.sinistraPagina = sinistra;
        EXPECT_EQ(puntiElenchi(b), puntiElenchiMinimiAnteprima);
    }
    EXPECT_EQ(puntiElenchi(bloccoStampante()), 8.25);
}

TEST(Data, DayBeforeMonthWithTwoDigitsWhateverTheLocale) {
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
    EXPECT_EQ(dataStampa(31, 12, 999), "31-12-0999");
    EXPECT_EQ(dataDiOggi().size(), 10u);
    EXPECT_EQ(dataDiOggi()[2], '-');
}
