#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/inserimento.h"

using namespace quadrivo;
using prova::SchemaProva;

TEST(Clic, ButtonOptionAndHoverDecideWhatOpens) {
    SchemaProva p;
    Stato& s = p.stato;
    // Outside: nothing is stored.
    EXPECT_TRUE(decidiClic(s, 1, 285, 60, Direzione::orizzontale) == EsitoClic::fuori && s.colonnaCorrente == 0);
    const double X = SchemaProva::x(3), Y = SchemaProva::y(2);  // ORO across
    s.grigliaAttiva = -1;
    EXPECT_EQ(decidiClic(s, 1, X, Y, Direzione::orizzontale), EsitoClic::inattiva);
    s.grigliaAttiva = 1;
    // Left goes to the grid cursor, right opens the dialog, the old-mode option swaps them; middle always opens it.
    const EsitoClic attesi[2][3] = {{EsitoClic::digitazione, EsitoClic::dialogo, EsitoClic::dialogo},
                                    {EsitoClic::dialogo, EsitoClic::digitazione, EsitoClic::dialogo}};
    for (bool opzione : {false, true}) {
        s.tastoSinistro = opzione;
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(decidiClic(s, 1 << k, X, Y, Direzione::orizzontale), attesi[opzione][k]) << opzione << k;
    }
    EXPECT_EQ(std::tuple(s.colonnaCorrente, s.rigaCorrente, s.direzioneCorrente), std::tuple(3, 2, 1));
    // A direction left over from before a redraw, over a cell with no word that way.
    EXPECT_EQ(decidiClic(s, 1, SchemaProva::x(5), SchemaProva::y(2), Direzione::orizzontale), EsitoClic::nessunaParola);
}

TEST(Parola, ReadWithDotsAndWrittenBackNeverPastTheLastCell) {
    Cruciverba x = prova::schemaProva({"C.SA#", "A#ORO"}).cruciverba;
    const auto w = [&](int c, int r, int d) { return *definizioneDa(x, {c, r}, d); };
    EXPECT_EQ(parolaDaInserimenti(x, w(1, 1, orizzontale)) + parolaDaInserimenti(x, w(1, 1, verticale)), "C.SACA..");
    scriviParola(x, w(1, 3, orizzontale), "NOI");  // the surplus is cut, the black cell after stays
    scriviParola(x, w(3, 2, orizzontale), "Z");    // shorter: the other cells keep theirs
    // Blanks and "*" leave no letter; the word's bytes are Windows-1252.
    scriviParola(x, w(1, 1, verticale), "C *\xc8");
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"C.SA#", ".#ZRO", ".O#.#", "È...#"}));
    EXPECT_EQ(parolaDaInserimenti(x, w(1, 1, verticale)), "C..\xc8");
}
