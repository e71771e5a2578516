#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/inserimento.h"

using namespace quadrivo;
using prova::SchemaProva;

TEST(Clic, ButtonOptionAndHoverDecideWhatOpens) {
    SchemaProva p;
    Stato& s = p.stato;
    // Outside: nothing is stored.
    EXPECT_EQ(decidiClic(s, 1, 285, 60, Direzione::orizzontale), EsitoClic::fuori);
    EXPECT_EQ(s.colonnaCorrente, 0);
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
    SchemaProva p({"C.SA#", "A#ORO"});
    Stato& s = p.stato;
    EXPECT_EQ(parolaDaInserimenti(s, 1, 1, orizzontale), "C.SA");
    EXPECT_EQ(parolaDaInserimenti(s, 1, 1, verticale), "CA..");
    scriviParola(s, 1, 3, orizzontale, "NOI");  // the surplus is cut, the black cell after stays
    EXPECT_EQ(prova::inserimenti(s)[2], "NO#.#");
    scriviParola(s, 3, 2, orizzontale, "Z");  // shorter: the other cells keep theirs
    EXPECT_EQ(prova::inserimenti(s)[1], "A#ZRO");
    // Blanks leave no letter; a "*" would blacken a white cell and is refused.
    scriviParola(s, 1, 1, verticale, "C *E");
    scriviParola(s, 27, 1, orizzontale, "XX");  // outside, or no direction: nothing
    scriviParola(s, 1, 1, 3, "XX");
    EXPECT_EQ(prova::inserimenti(s), (std::vector<std::string>{"C.SA#", ".#ZRO", ".O#.#", "E...#"}));
}

TEST(Ciclo, WritesReadsBackAndRedrawsOrKeepsTheAnswersWhenTheWriteFails) {
    SchemaProva p;
    Stato& s = p.stato;
    int disegni = 0;
    scriviParola(s, 1, 1, orizzontale, "CASA");
    EXPECT_TRUE(cicloAggiornamento(s, p.piattaforma, [&] { ++disegni, numeraGriglia(s); }));
    EXPECT_EQ(prova::salvati(s.fileLavoro)[0], "CASA#");

    s.fileLavoro = p.dir.percorso("manca/lavoro.trmo");
    scriviParola(s, 1, 4, orizzontale, "ERBA");
    EXPECT_FALSE(cicloAggiornamento(s, p.piattaforma, [&] { ++disegni; }));
    ASSERT_EQ(p.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(p.piattaforma.messaggi[0].testo.rfind(msgErroreScrittura, 0), 0u);
    EXPECT_EQ(prova::inserimenti(s)[3], "ERBA#");
    EXPECT_EQ(disegni, 2);
    EXPECT_FALSE(p.piattaforma.terminato);
}
