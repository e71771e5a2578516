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
    std::copy_if(sup.operazioni.begin(), sup.operazioni.end(), std::back_inserter(v),
                 [](const Operazione& o) { return o.tipo == Operazione::scritta; });
    return v;
}

Operazione trova(const SuperficieRegistro& sup, const std::string& testo) {
    for (const Operazione& o : scritte(sup))
        if (o.testo == testo) return o;
    ADD_FAILURE() << "not drawn: " << testo;
    return {};
}

std::string numeri(const std::vector<std::string>& voci) {
    std::string n;
    for (const std::string& e : voci) n += e.substr(0, e.find(' ')) + ",";
    return n;
}

BloccoTesto blocco(TipoPagina tipo, int lato, int alto, const SaltoPagina* salto = nullptr) {
    BloccoTesto b;
    b.tipo = tipo;
    b.lato = lato;
    b.altoGriglia = alto;
    b.sinistraPagina = 275;
    b.altezzaPagina = 670;
    b.data = "02-06-2013";
    b.salto = salto;
    return b;
}

}  // namespace

TEST(Voci, CompositionOrderAndCellsWhoseEntryIsBlack) {
    Stato s = piccolo();
    EXPECT_EQ(voceDefinizione(s, 1, 1, orizzontale), "1 Dimora ");
    EXPECT_EQ(voceDefinizione(s, 2, 1, verticale), "2 Città senza fine ");  // decoded from Windows-1252
    EXPECT_EQ(voceDefinizione(s, 2, 2, orizzontale), "5 " + std::string(30, '_') + " ");
    EXPECT_EQ(numeri(vociDefinizioni(s, orizzontale)), "1,5,6,");
    EXPECT_EQ(numeri(vociDefinizioni(s, verticale)), "2,3,4,");
    // A "*" typed over the starts of 5 across and 2 down: neither is listed, whatever the type says.
    Stato t = piccolo({".*..", "#*..", "..#."});
    EXPECT_EQ(t.tipoCasella[2][2], inizioOrizzontale);
    EXPECT_EQ(numeri(vociDefinizioni(t, orizzontale)), "1,6,");
    EXPECT_EQ(numeri(vociDefinizioni(t, verticale)), "3,4,");
}

TEST(VocePrinter, BoldNumberAndWrappingPastTheLimitFromTheRoundedPen) {
    // "1 AB " is 30 units wide at 10 points; the printer's limit is 1000 - 200 = 800, the
    // preview's the width less the margin, 1000 - 300 = 700.
    struct Caso {
        bool anteprima;
        double x;
        bool aCapo;
    } casi[] = {{false, 770, false}, {false, 770.4, false}, {false, 770.6, true},
                {false, 771, true},  {true, 670, false},    {true, 671, true}};
    for (const Caso& c : casi) {
        SuperficieRegistro sup(1000, 2000);
        sup.impostaDimensione(10);
        sup.CurrentX = c.x;
        sup.CurrentY = 50;
        c.anteprima ? anteprimaVoce(sup, "1 AB ", 300) : stampaVoce(sup, "1 AB ", 85);
        auto v = scritte(sup);
        ASSERT_EQ(v.size(), 2u);
        EXPECT_EQ(v[0].y1, c.aCapo ? 65 : 50) << c.x;
        EXPECT_EQ(v[0].x1, c.aCapo ? (c.anteprima ? 300 : 85) : c.x) << c.x;
        EXPECT_EQ(v[0].testo, "1");
        EXPECT_TRUE(v[0].carattere.grassetto);
        EXPECT_EQ(v[1].testo, " AB ");
        EXPECT_FALSE(v[1].carattere.grassetto);
        EXPECT_DOUBLE_EQ(sup.CurrentX, v[0].x1 + 30);
    }
    // Wider than a whole line: an empty line comes first, then the entry runs past the limit.
    SuperficieRegistro sup(1000, 2000);
    sup.impostaDimensione(10);
    sup.CurrentX = 85;
    stampaVoce(sup, "7 " + std::string(200, 'x') + " ", 85);
    EXPECT_EQ(scritte(sup)[0].y1, 15);
    EXPECT_EQ(scritte(sup)[1].testo.size(), 202u);
}

TEST(Blocco, PrinterFlowHeadingsEntriesAndFooter) {
    Stato s = piccolo();
    s.righeFile[0] = "Autore:      Jos\xe9";
    SuperficieRegistro sup(1024, 1422);
    sup.impostaCorsivo(true);
    stampaDefinizioni(s, sup, blocco(TipoPagina::stampante, 40, 63));
    const double h = 1.5 * 8.25, y0 = 40 * 3 + 63 + 10;
    struct Riga {
        std::string testo;
        double y;
        bool grassetto;
    } attese[] = {
        {"ORIZZONTALI:", y0, true},
        {"1", y0 + h, true},
        {" " + std::string(30, '_') + " ", y0 + h, false},  // 5 across, on the same line
        {"VERTICALI:", y0 + 3 * h, true},                   // after one empty line
        {" Città senza fine ", y0 + 4 * h, false},
        {"02-06-2013   -   /home/anna/Archivio cruciverba/prova.trmo", y0 + 6 * h, false},
        {"Autore:      José", y0 + 7 * h, false},
        {"Creazione e stampa con Tramerio", y0 + 8 * h, false},
    };
    for (const Riga& r : attese) {
        const Operazione o = trova(sup, r.testo);
        EXPECT_EQ(o.y1, r.y) << r.testo;
        EXPECT_EQ(o.carattere.grassetto, r.grassetto) << r.testo;
        EXPECT_EQ(o.carattere.dimensione, 8.25);
        EXPECT_TRUE(o.carattere.corsivo);  // the face's style is the job's, not the block's
    }
    EXPECT_EQ(trova(sup, "ORIZZONTALI:").x1, 85);
    EXPECT_EQ(scritte(sup).back().testo, rigaCrediti);
    EXPECT_DOUBLE_EQ(sup.CurrentY, y0 + 9 * h);
}

TEST(Blocco, PreviewFontMarginSeparatorAndLineEnds) {
    SuperficieRegistro sup(1024, 700);
    stampaDefinizioni(piccolo(), sup, blocco(TipoPagina::anteprima, 15, 70));
    const double punti = 275 / 29.7 / 1.4, h = 1.5 * punti, y0 = 15 * 3 + 70 + 10;
    EXPECT_EQ(scritte(sup).front().carattere.dimensione, punti);
    EXPECT_EQ(scritte(sup).front().x1, 314);
    EXPECT_NEAR(trova(sup, "02-06-2013  -  /home/anna/Archivio cruciverba/prova.trmo").y1, y0 + 7 * h, 1e-9);

    // The font follows the page's edge down to a readable minimum.
    BloccoTesto b = blocco(TipoPagina::anteprima, 15, 70);
    for (auto [sinistra, attesi] : {std::pair{500, 500 / 29.7 / 1.4}, {100, 6.0}, {0, 6.0}, {-40, 6.0}}) {
        b.sinistraPagina = sinistra;
        EXPECT_DOUBLE_EQ(puntiElenchi(b), attesi);
    }
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
}

TEST(Blocco, NoAcrossWordsLeavesTwoEmptyLinesBetweenTheHeadings) {
    Stato s = statoStampa({"A", "B", "C"}, {}, {{1, 1, 2, "Alfabeto"}});
    SuperficieRegistro sup(1024, 1422);
    stampaDefinizioni(s, sup, blocco(TipoPagina::stampante, 40, 63));
    auto v = scritte(sup);
    ASSERT_GE(v.size(), 2u);
    EXPECT_EQ(v[1].testo, "VERTICALI:");
    EXPECT_DOUBLE_EQ(v[1].y1 - v[0].y1, 3 * 1.5 * 8.25);
}

TEST(Blocco, PrinterListsContinueOnFreshSheetsOnlyWhenAskedTo) {
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
    stampaDefinizioni(s, sup, blocco(TipoPagina::stampante, 10, 20, &salto));
    EXPECT_GT(fogli, 2);
    // Nothing below the printable area; each further sheet starts at 20.
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

    // Without a continuation, and always in the preview, the text runs on below the bottom.
    for (TipoPagina tipo : {TipoPagina::stampante, TipoPagina::anteprima}) {
        SuperficieRegistro senza(1024, 250);
        fogli = 1;
        stampaDefinizioni(s, senza, blocco(tipo, 10, 20, tipo == TipoPagina::anteprima ? &salto : nullptr));
        EXPECT_GT(scritte(senza).back().y1, 250);
        EXPECT_EQ(fogli, 1);
    }
}
