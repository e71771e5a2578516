#include "printing/elenchi.h"

#include <gtest/gtest.h>

#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

// C A S A     across: 1 CASA, 5 ORO, 6 TE
// # O R O     down:   2 AOE, 3 SR, 4 AON
// T E # N
Stato piccolo(const std::vector<std::string>& ins = {}) {
    return statoStampa({"CASA", "#ORO", "TE#N"}, ins, {{1, 1, 1, "Dimora"}, {2, 1, 2, "Citt\xe0 senza fine"}},
                       "Jos\xe9");
}

std::string numeri(const std::vector<std::string>& voci) {
    std::string n;
    for (const std::string& e : voci) n += e.substr(0, e.find(' ')) + ",";
    return n;
}

BloccoTesto blocco(TipoPagina tipo, const SaltoPagina* salto = nullptr, int lato = 40, int alto = 63) {
    return {tipo, lato, alto, 275, 670, "02-06-2013", salto};
}

}  // namespace

TEST(Voci, CompositionOrderAndCellsWhoseEntryIsBlack) {
    const Stato s = piccolo();
    EXPECT_EQ(voceDefinizione(s, 1, 1, orizzontale), "1 Dimora ");
    EXPECT_EQ(voceDefinizione(s, 2, 1, verticale), "2 Città senza fine ");  // decoded from Windows-1252
    EXPECT_EQ(voceDefinizione(s, 2, 2, orizzontale), "5 " + std::string(30, '_') + " ");
    EXPECT_EQ(numeri(vociDefinizioni(s, orizzontale)), "1,5,6,");
    EXPECT_EQ(numeri(vociDefinizioni(s, verticale)), "2,3,4,");
    // A "*" typed over the starts of 5 across and 2 down: neither is listed, whatever the type says.
    const Stato t = piccolo({".*..", "#*..", "..#."});
    EXPECT_EQ(t.tipoCasella[2][2], inizioOrizzontale);
    EXPECT_EQ(numeri(vociDefinizioni(t, orizzontale)), "1,6,");
    EXPECT_EQ(numeri(vociDefinizioni(t, verticale)), "3,4,");
}

TEST(Voci, BoldNumberAndWholeEntriesWrappingPastTheLimitFromTheRoundedPen) {
    // "1 AB " is 30 wide at 10 points; the printer's limit is 1000 - 200, the preview's 1000 - x0.
    struct {
        bool anteprima;
        double x;
        bool aCapo;
    } casi[] = {{false, 770, false}, {false, 770.4, false}, {false, 770.6, true},
                {false, 771, true},  {true, 670, false},    {true, 671, true}};
    for (const auto& c : casi) {
        SuperficieRegistro sup(1000, 2000);
        sup.impostaDimensione(10);
        sup.CurrentX = c.x;
        sup.CurrentY = 50;
        c.anteprima ? anteprimaVoce(sup, "1 AB ", 300) : stampaVoce(sup, "1 AB ", 85);
        const auto& v = sup.operazioni;
        ASSERT_EQ(v.size(), 2u);
        EXPECT_EQ(v[0].y1, c.aCapo ? 65 : 50) << c.x;
        EXPECT_EQ(v[0].x1, c.aCapo ? (c.anteprima ? 300 : 85) : c.x) << c.x;
        EXPECT_TRUE(v[0].testo == "1" && v[0].carattere.grassetto);
        EXPECT_TRUE(v[1].testo == " AB " && !v[1].carattere.grassetto);
    }
    // Wider than a whole line: an empty line comes first, then the entry runs past the limit.
    SuperficieRegistro sup(1000, 2000);
    sup.impostaDimensione(10);
    sup.CurrentX = 85;
    stampaVoce(sup, "7 " + std::string(200, 'x') + " ", 85);
    EXPECT_EQ(sup.operazioni[0].y1, 15);
    EXPECT_EQ(sup.operazioni[1].testo.size(), 202u);
}

TEST(Blocco, HeadingsEntriesAndFooterOnPaperAndOnScreen) {
    struct {
        TipoPagina tipo;
        double punti;
        int x0;
        std::string trattino;
        int righeVuote;  // before the footer
    } pagine[] = {{TipoPagina::stampante, 8.25, 85, "   -   ", 2}, {TipoPagina::anteprima, 275 / 29.7 / 1.4, 314, "  -  ", 3}};
    for (const auto& p : pagine) {
        SuperficieRegistro sup(1024, 1422);
        sup.impostaCorsivo(true);
        stampaDefinizioni(piccolo(), sup, blocco(p.tipo));
        const double h = 1.5 * p.punti, y0 = 40 * 3 + 63 + 10, piede = y0 + (4 + p.righeVuote) * h;
        const std::pair<std::string, double> attese[] = {
            {"ORIZZONTALI:", y0},
            {"1", y0 + h},
            {" " + std::string(30, '_') + " ", y0 + h},  // 5 across, on the same line
            {"VERTICALI:", y0 + 3 * h},                   // after one empty line
            {" Città senza fine ", y0 + 4 * h},
            {"02-06-2013" + p.trattino + "/home/anna/Archivio cruciverba/prova.trmo", piede},
            {"Autore:      José", piede + h},
            {rigaCrediti, piede + 2 * h},
        };
        for (const auto& [testo, y] : attese) {
            const Operazione* o = scritta(sup, testo);
            ASSERT_TRUE(o) << testo;
            EXPECT_NEAR(o->y1, y, 1e-9) << testo;
            EXPECT_EQ(o->carattere.grassetto, testo.ends_with(":") || testo == "1") << testo;
            EXPECT_DOUBLE_EQ(o->carattere.dimensione, p.punti);
            EXPECT_TRUE(o->carattere.corsivo);  // the face's style is the job's, not the block's
        }
        EXPECT_EQ(scritta(sup, "ORIZZONTALI:")->x1, p.x0);
        EXPECT_EQ(sup.testi().back(), rigaCrediti);
    }
    // The preview's list font follows the page's edge down to a readable minimum.
    for (auto [sinistra, attesi] : {std::pair{500, 500 / 29.7 / 1.4}, {100, 6.0}, {-40, 6.0}}) {
        BloccoTesto b = blocco(TipoPagina::anteprima);
        b.sinistraPagina = sinistra;
        EXPECT_DOUBLE_EQ(puntiElenchi(b), attesi);
    }
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
}

TEST(Blocco, PrinterListsContinueOnFreshSheetsOnlyWhenAskedTo) {
    // 12 across and 12 down words, one entry to a line: more lines than two short sheets hold.
    std::vector<Definizione> def;
    for (int i = 1; i <= 12; ++i) {
        def.push_back({1, i, 1, std::string(120, 'o')});
        def.push_back({i, 1, 2, std::string(120, 'v')});
    }
    const Stato s = statoStampa(grigliaPiena(12, 12), {}, def);
    int fogli = 1;
    const SaltoPagina salto{[&] { ++fogli; }, 20};
    SuperficieRegistro sup(1024, 250);
    stampaDefinizioni(s, sup, blocco(TipoPagina::stampante, &salto, 10, 20));
    EXPECT_GT(fogli, 2);
    // Nothing below the printable area; each further sheet starts at 20.
    int ritorni = 0;
    double prec = 0;
    for (const Operazione& o : sup.operazioni) {
        EXPECT_LE(o.y2, 250) << o.testo;
        if (o.y1 < prec) ritorni += o.y1 == 20 ? 1 : 100;
        prec = o.y1;
    }
    EXPECT_EQ(ritorni, fogli - 1);
    EXPECT_EQ(sup.testi().back(), rigaCrediti);

    // Without a continuation, and always in the preview, the text runs on below the bottom.
    for (TipoPagina tipo : {TipoPagina::stampante, TipoPagina::anteprima}) {
        SuperficieRegistro senza(1024, 250);
        fogli = 1;
        stampaDefinizioni(s, senza, blocco(tipo, tipo == TipoPagina::anteprima ? &salto : nullptr, 10, 20));
        EXPECT_GT(senza.operazioni.back().y1, 250);
        EXPECT_EQ(fogli, 1);
    }
}
