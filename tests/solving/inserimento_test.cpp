#include <gtest/gtest.h>

#include <filesystem>

#include "schema_prova.h"
#include "solving/inserimento.h"

using namespace quadrivo;
using prova::SchemaProva;

TEST(Via, LeftTypesRightOpensTheDialogAndTheOptionSwapsThem) {
    EXPECT_EQ(viaPerPulsante(pulsanteSinistro, false), Via::digitazione);
    EXPECT_EQ(viaPerPulsante(pulsanteDestro, false), Via::dialogo);
    EXPECT_EQ(viaPerPulsante(pulsanteSinistro, true), Via::dialogo);
    EXPECT_EQ(viaPerPulsante(pulsanteDestro, true), Via::digitazione);
    EXPECT_EQ(viaPerPulsante(pulsanteCentrale, false), Via::dialogo);
    EXPECT_EQ(viaPerPulsante(pulsanteCentrale, true), Via::dialogo);
}

TEST(Clic, StoresTheCellAndTheWordOnlyWhereTheyApply) {
    SchemaProva p;
    Stato& s = p.stato;
    // Outside: the pressed cell is stored even so, nothing else.
    EXPECT_EQ(decidiClic(s, 1, 100 + 6 * 30 + 5, 60, Direzione::orizzontale), EsitoClic::fuori);
    EXPECT_EQ(s.colonnaClic, 7);
    EXPECT_EQ(s.rigaClic, 1);
    EXPECT_EQ(s.colonnaCorrente, 0);

    s.grigliaAttiva = -1;
    EXPECT_EQ(decidiClic(s, 1, SchemaProva::x(3), SchemaProva::y(2), Direzione::orizzontale), EsitoClic::inattiva);
    EXPECT_EQ(s.colonnaClic, 3);
    EXPECT_EQ(s.colonnaCorrente, 0);

    s.grigliaAttiva = 1;
    EXPECT_EQ(decidiClic(s, 1, SchemaProva::x(2), SchemaProva::y(1), Direzione::nessuna), EsitoClic::nessunaParola);
    EXPECT_EQ(s.colonnaCorrente, 2);
    EXPECT_EQ(s.direzioneCorrente, 0);

    EXPECT_EQ(decidiClic(s, 2, SchemaProva::x(3), SchemaProva::y(2), Direzione::orizzontale), EsitoClic::dialogo);
    EXPECT_EQ(s.colonnaCorrente, 3);
    EXPECT_EQ(s.rigaCorrente, 2);
    EXPECT_EQ(s.direzioneCorrente, 1);
    EXPECT_EQ(decidiClic(s, 1, SchemaProva::x(1), SchemaProva::y(1), Direzione::verticale), EsitoClic::digitazione);
    EXPECT_EQ(s.direzioneCorrente, 2);

    // A direction left over from before a redraw, over a cell with no word that way.
    EXPECT_EQ(decidiClic(s, 1, SchemaProva::x(5), SchemaProva::y(2), Direzione::orizzontale), EsitoClic::nessunaParola);
}

TEST(Parola, ReadFromTheCellsWithDotsForEmptyOnes) {
    SchemaProva p({"C.SA#", "A#ORO"});
    EXPECT_EQ(parolaDaInserimenti(p.stato, 1, 1, orizzontale), "C.SA");
    EXPECT_EQ(parolaDaInserimenti(p.stato, 1, 1, verticale), "CA..");
    EXPECT_EQ(parolaDaInserimenti(p.stato, 3, 2, orizzontale), "ORO");
    EXPECT_EQ(parolaDaInserimenti(p.stato, 0, 1, orizzontale), "");
}

TEST(Parola, WriteBackStaysInsideTheWordOneCharacterPerCell) {
    SchemaProva p({"....#", "A#ORO"});
    Stato& s = p.stato;
    // Longer than the word: the surplus is cut, the cell after the word is untouched.
    scriviParola(s, 3, 2, orizzontale, "BRONZO");
    EXPECT_EQ(prova::inserimenti(s)[1], "A#BRO");
    // Shorter: the remaining cells keep what they had.
    scriviParola(s, 3, 2, orizzontale, "Z");
    EXPECT_EQ(prova::inserimenti(s)[1], "A#ZRO");
    // Blanks (empty boxes) leave no letter; a "*" would blacken a white cell and is refused.
    scriviParola(s, 1, 1, orizzontale, "C *A");
    EXPECT_EQ(prova::inserimenti(s)[0], "C..A#");
    // Down, and nothing changes outside the word's column.
    scriviParola(s, 1, 1, verticale, "CANE");
    EXPECT_EQ(prova::inserimenti(s), (std::vector<std::string>{"C..A#", "A#ZRO", "N.#.#", "E...#"}));
    const auto prima = s.righeFile;
    scriviParola(s, 27, 1, orizzontale, "XX");
    scriviParola(s, 1, 1, 3, "XX");
    EXPECT_EQ(s.righeFile, prima);
}

TEST(Ciclo, WritesReadsBackAndRedraws) {
    SchemaProva p;
    Stato& s = p.stato;
    int disegni = 0;
    scriviParola(s, 1, 1, orizzontale, "CASA");
    s.definizione[1][1][1] = "Casa nuova";
    EXPECT_TRUE(cicloAggiornamento(s, p.piattaforma, [&] {
        ++disegni;
        p.disponi();
    }));
    EXPECT_EQ(disegni, 1);
    EXPECT_EQ(p.inserimentiSalvati()[0], "CASA#");
    EXPECT_EQ(p.dir.leggi(s.fileLavoro).find("  1  11-Casa nuova\r\n") != std::string::npos, true);
    EXPECT_TRUE(p.piattaforma.messaggi.empty());
}

TEST(Ciclo, AFailedWriteReportsOnceAndKeepsTheAnswersInMemory) {
    SchemaProva p;
    Stato& s = p.stato;
    s.fileLavoro = p.dir.percorso("manca/lavoro.trmo");
    scriviParola(s, 1, 1, orizzontale, "CASA");
    int disegni = 0;
    EXPECT_FALSE(cicloAggiornamento(s, p.piattaforma, [&] { ++disegni; }));
    ASSERT_EQ(p.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(p.piattaforma.messaggi[0].testo, msgErroreScrittura);
    EXPECT_EQ(prova::inserimenti(s)[0], "CASA#");
    EXPECT_EQ(disegni, 1);
    EXPECT_FALSE(p.piattaforma.terminato);
}

TEST(Digitazione, BoxesCoverTheWordsCellsExactly) {
    SchemaProva p;
    Stato& s = p.stato;
    // ORO starts in column 3, row 2: boxes over columns 3, 4, 5.
    EXPECT_EQ(geometriaCasella(s, 3, 2, orizzontale, 1), (GeometriaCasella{160, 80, 30, 15}));
    EXPECT_EQ(geometriaCasella(s, 3, 2, orizzontale, 3), (GeometriaCasella{220, 80, 30, 15}));
    EXPECT_EQ(geometriaCasella(s, 4, 1, verticale, 4), (GeometriaCasella{190, 140, 30, 15}));
    s.latoCasella = 25;  // odd sides give a half-point font
    EXPECT_EQ(geometriaCasella(s, 1, 1, orizzontale, 1).dimensioneFont, 12.5);
}

TEST(Digitazione, OnlyLettersAndTheAtSignAreTyped) {
    for (char32_t c : {U'a', U'z', U'A', U'Z', U'@', U'm'}) EXPECT_TRUE(tastoAccettato(c)) << static_cast<int>(c);
    // 63 "?" and 91 "[" sit just outside the range; "`" (96) upper-cases to itself.
    for (char32_t c : {U'?', U'[', U'`', U'{', U'1', U' ', U'.', U'\b', U'\r', U'*', U'\u00e8', U'\u00df'})
        EXPECT_FALSE(tastoAccettato(c)) << static_cast<int>(c);
}

TEST(Digitazione, ABoxKeepsOnlyTheLetterJustTyped) {
    EXPECT_EQ(normalizzaCasella("c", 1), "C");
    EXPECT_EQ(normalizzaCasella(".c", 2), "C");   // typed behind the dot
    EXPECT_EQ(normalizzaCasella("cA", 1), "C");   // typed in front of the old letter
    EXPECT_EQ(normalizzaCasella("A@", 2), "@");
    EXPECT_EQ(normalizzaCasella("", 0), "");
    EXPECT_EQ(normalizzaCasella(".", 1), "");     // nothing typed: no letter
    EXPECT_EQ(normalizzaCasella("x1", 2), "X");   // a pasted digit never lands
    EXPECT_EQ(normalizzaCasella("è", 1), "");
}
