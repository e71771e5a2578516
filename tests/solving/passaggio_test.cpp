#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/inserimento.h"
#include "solving/passaggio.h"

using namespace quadrivo;
using prova::SchemaProva;

namespace {

struct Passaggio_ : ::testing::Test {
    SchemaProva p;
    ValoriImpostazioni& s = p.valori;
    GeometriaSchema g = SchemaProva::griglia();

    Passaggio su(double X, double Y, Puntatore prima = Puntatore::predefinito, double superficie = 1000) {
        return calcolaPassaggio(p.documento.cruciverba, s, g, p.modo, X, Y, superficie, [](const std::string&) { return 150.0; }, prima);
    }
};

}  // namespace

TEST_F(Passaggio_, CellRuleRoundsHalfToEvenAndTestsTheEdgeOnTheRawPoint) {
    struct Caso { double X, Y; long long c, r; bool fuori; };
    const Caso casi[] = {
        {129.5, 60, 2, 1, false},  // 29.5 rounds to 30: the next cell
        {99.6, 60, 1, 1, true},    // rounds into column 1, yet left of the grid
        {251, 60, 6, 1, true},     // past the last column
    };
    for (const Caso& k : casi) {
        const PuntoGriglia cella = cellaSotto(g, k.X, k.Y);
        SCOPED_TRACE(std::to_string(k.X) + "," + std::to_string(k.Y));
        EXPECT_EQ(cella.colonna, k.c);
        EXPECT_EQ(cella.riga, k.r);
        EXPECT_EQ(fuoriGriglia(g, k.X, k.Y, cella), k.fuori);
    }
    g.lato = 25;  // with an odd side a half can decide the cell: 24.5 goes to the even 24
    const long long colonna = cellaSotto(g, 124.5, 60).colonna;
    g.lato = 0;  // nothing laid out: no division, everything outside
    EXPECT_EQ(colonna, 1);
    EXPECT_TRUE(fuoriGriglia(g, 110, 60, cellaSotto(g, 110, 60)));
}

TEST_F(Passaggio_, BothWaysCellSplitsOnItsDiagonalAndTheRectangleCoversTheWord) {
    // On the diagonal of (1, 1) across, one pixel below down: the commands take the same half.
    struct Caso { double Y; Puntatore puntatore; const char* didascalia; RettangoloParola r; };
    const Caso casi[] = {{60, Puntatore::frecciaOrizzontale, "  1 oriz. - Abitazione ", {101, 51, 118, 28, giallo}},
                         {61, Puntatore::frecciaVerticale, "  1 vert. - Fedele amico ", {101, 51, 28, 118, ciano}}};
    for (const Caso& k : casi) {
        const Passaggio q = su(110, k.Y);
        EXPECT_EQ(std::tuple(q.puntatore, q.direzione, q.didascalia, q.r, metaOrizzontale(g, 110, k.Y, q.cella)),
                  std::tuple(k.puntatore, direzioneDi(k.puntatore), k.didascalia, k.r, k.Y == 60)) << k.Y;
    }
    // Clues are decoded from the file's code page; a word without a clue still gets its caption.
    EXPECT_EQ(su(SchemaProva::x(1), SchemaProva::y(4)).didascalia, "  7 oriz. - Città d'erba ");
    EXPECT_EQ(su(SchemaProva::x(2), SchemaProva::y(3)).didascalia, "  6 vert. -  ");
    s.rettangoloParola = false;
    EXPECT_EQ(su(110, 60).rettangolo, AzioneRettangolo::lascia);
}

TEST_F(Passaggio_, NoWordStartHidesTheRectangleButOutsideTheGridLeavesIt) {
    for (auto [c, r] : {std::pair{5, 1}, {2, 1}}) {  // black, then white
        const Passaggio p = su(SchemaProva::x(c), SchemaProva::y(r), Puntatore::frecciaVerticale);
        EXPECT_EQ(std::tuple(p.puntatore, p.etichetta, p.rettangolo),
                  std::tuple(Puntatore::predefinito, false, AzioneRettangolo::nascondi));
    }
    const Passaggio fuori = su(270, 60, Puntatore::frecciaOrizzontale);
    EXPECT_EQ(std::tuple(fuori.puntatore, fuori.etichetta, fuori.rettangolo),
              std::tuple(Puntatore::predefinito, false, AzioneRettangolo::lascia));
    // Without a shown grid the shape stays, except the picture's hand.
    p.modo = ModoVista::anteprima;
    EXPECT_EQ(std::pair(su(110, 60, Puntatore::frecciaVerticale).puntatore, su(110, 60, Puntatore::mano).puntatore),
              std::pair(Puntatore::frecciaVerticale, Puntatore::predefinito));
}

TEST_F(Passaggio_, ButtonOptionAndHoverDecideWhatAClickOpens) {
    // Outside: nothing is stored.
    Posizione parola;
    EXPECT_EQ(decidiClic(p.documento.cruciverba, s, g, p.modo, 1, 285, 60, Direzione::orizzontale, parola), EsitoClic::fuori);
    EXPECT_EQ(parola.colonna, 0);
    const double X = SchemaProva::x(3), Y = SchemaProva::y(2);  // ORO across
    EXPECT_EQ(decidiClic(p.documento.cruciverba, s, g, ModoVista::anteprima, 1, X, Y, Direzione::orizzontale, parola),
              EsitoClic::inattiva);
    // Left goes to the grid cursor, right opens the dialog, the old-mode option swaps them; middle always opens it.
    const EsitoClic attesi[2][3] = {{EsitoClic::digitazione, EsitoClic::dialogo, EsitoClic::dialogo},
                                    {EsitoClic::dialogo, EsitoClic::digitazione, EsitoClic::dialogo}};
    for (bool opzione : {false, true}) {
        s.tastoSinistro = opzione;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(decidiClic(p.documento.cruciverba, s, g, p.modo, 1 << k, X, Y, Direzione::orizzontale, parola), attesi[opzione][k]) << opzione << k;
    }
    EXPECT_EQ(parola, (Posizione{3, 2, Direzione::orizzontale}));
    // A direction left over from before a redraw, over a cell with no word that way.
    EXPECT_EQ(decidiClic(p.documento.cruciverba, s, g, p.modo, 1, SchemaProva::x(5), SchemaProva::y(2), Direzione::orizzontale, parola),
              EsitoClic::nessunaParola);
}

