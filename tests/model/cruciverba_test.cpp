#include <gtest/gtest.h>

#include <filesystem>

#include "model/griglia.h"
#include "model/cruciverba.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;
using prova::fileTrmo;

namespace {

struct Lettore : ::testing::Test {
    CartellaTemporanea dir;
    Stato stato;
    PiattaformaRegistro piattaforma;

    void leggi(const std::string& dati) {
        leggiCruciverba(stato, piattaforma, dir.scrivi("p.trmo", dati));
        numeraGriglia(stato);
    }
    // Reading must end the program with the format message and leave the state untouched.
    void rifiuta(const std::string& dati) {
        SCOPED_TRACE(dati);
        const auto prima = stato.righeFile;
        piattaforma.messaggi.clear();
        EXPECT_THROW(leggiCruciverba(stato, piattaforma, dir.scrivi("p.trmo", dati)), ProgrammaTerminato);
        ASSERT_EQ(piattaforma.messaggi.size(), 1u);
        EXPECT_EQ(piattaforma.messaggi[0].testo, "Formato del file non valido! Esecuzione terminata");
        EXPECT_EQ(piattaforma.messaggi[0].titolo, "");
        EXPECT_EQ(stato.righeFile, prima);
    }
};

const std::string intestazione = "Autore:      X\r\nData:         d\r\nTitolo:       t\r\n";

}  // namespace

TEST_F(Lettore, DecodesSolutionsAndKeepsEntries) {
    leggi(intestazione + "Dimensioni:   2x1\r\n[.D*\r\n");
    EXPECT_EQ(stato.nColonne, 2);
    EXPECT_EQ(stato.nRighe, 1);
    EXPECT_EQ(stato.righeFile[4], "A.**");
    stato.impostaInserimento(1, 1, 'A');
    EXPECT_EQ(testoCruciverba(stato), intestazione + "Dimensioni:   2x1\r\n[AD*\r\n");
    leggi("a\nb\nc\nDimensioni:  15x10\n" + std::string(10, '\n'));  // characters 14 and 17
    EXPECT_EQ(stato.nColonne * 100 + stato.nRighe, 1510);
}

TEST_F(Lettore, WritingBackKeepsHeaderAndGridAndNormalisesClues) {
    // CASA / A#RE / SOLE with clues out of order, one for a cell that starts nothing,
    // one empty, one out of the array bounds and a later line replacing an earlier one.
    std::string dati = fileTrmo({"CASA", "A#RE", "SOLE"}, {"C.S.", ".#..", "...."},
                                {"  1  32-Sole", "  1  11-Abitazione", "  1  12-Prima", "  2  11-Non inizia",
                                 "  4  12-Vuota", " 27  11-Fuori", "  1 171-Fuori", "  1  13-Direzione 3",
                                 "  1  12-Sposa di Adamo", "  3  12-", "  3  22-Erre"},
                                "Anna \xe8 qui");
    leggi(dati);
    EXPECT_EQ(stato.definizione[2][1][1], "Non inizia");  // kept in memory
    EXPECT_EQ(stato.definizione[1][1][2], "Sposa di Adamo");
    EXPECT_EQ(stato.definizione[3][1][2], "");
    // Column by column, across before down; clues of cells that start no word in their
    // direction ("Sole", "Erre", "Non inizia") and empty ones are not written.
    EXPECT_EQ(testoCruciverba(stato), dati.substr(0, dati.find("  1  32-")) +
                                          "  1  11-Abitazione\r\n  1  12-Sposa di Adamo\r\n  4  12-Vuota\r\n");
}

TEST_F(Lettore, ALoneLfStaysInsideItsLineWhenTheFileHasCr) {
    const std::string dati = fileTrmo({"CASA", "A#RE", "SOLE"}, {}, {"  1  11-Abita\nzione", "  4  12-Voc\nale"});
    leggi(dati);
    EXPECT_EQ(stato.definizione[1][1][1], "Abita\nzione");
    EXPECT_EQ(stato.definizione[4][1][2], "Voc\nale");
    EXPECT_EQ(testoCruciverba(stato), dati);
    // The same puzzle saved by a Linux editor, without any CR, reads the same.
    std::string linux = fileTrmo({"CASA", "A#RE", "SOLE"}, {}, {"  1  11-Abitazione"});
    std::erase(linux, '\r');
    leggi(linux);
    EXPECT_EQ(stato.definizione[1][1][1], "Abitazione");
    EXPECT_EQ(stato.nRighe, 3);
}

TEST_F(Lettore, ClueLinesOfOddShapeAndASecondPuzzle) {
    leggi(fileTrmo({"AB", "CD"}, {}, {"  1  11-Prima", "  2  12-Seconda"}));
    leggi(fileTrmo({"AB", "CD"}, {}, {"  1  11-", "  1  12", "", "x", "  2  11-\x93virgolette\x94", "1 1 1-x"}));
    EXPECT_EQ(stato.definizione[1][1][1], "");
    EXPECT_EQ(stato.definizione[1][1][2], "");
    EXPECT_EQ(stato.definizione[2][1][2], "");  // nothing left from the first puzzle
    EXPECT_EQ(stato.definizione[2][1][1], "\x93virgolette\x94");
}

TEST_F(Lettore, MissingFileEndsWithItsOwnMessage) {
    std::filesystem::create_directory(dir.percorso("cartella.trmo"));  // a folder is no puzzle either
    for (const std::string& p : {dir.percorso("assente.trmo"), dir.percorso("cartella.trmo")}) {
        piattaforma.messaggi.clear();
        EXPECT_THROW(leggiCruciverba(stato, piattaforma, p), ProgrammaTerminato);
        ASSERT_EQ(piattaforma.messaggi.size(), 1u);
        const auto& m = piattaforma.messaggi[0];
        EXPECT_TRUE(m.testo == "Errore: Cruciverba  " + p + "  Non trovato! Esecuzione terminata." && m.titolo == "Quadrivo" && m.icona == Icona::informazione);
    }
}

TEST_F(Lettore, MalformedFilesAreRejected) {
    leggi(fileTrmo({"AB", "CD"}));  // something to keep
    const std::string h = intestazione;
    // a grid line missing, a line longer than 26 cells, a solution byte below 26
    for (const std::string& dati : {std::string(), h, h + "Dimensioni:\r\n", h + "Dimensioni:   0x1\r\n\r\n",
                                    h + "Dimensioni:   2x0\r\n", h + "Dimensioni:  -2x1\r\n[[\r\n",
                                    h + "Dimensioni:  27x1\r\n" + std::string(54, '[') + "\r\n",
                                    h + "Dimensioni:   2x17\r\n" + std::string(17 * 6, '\n'), h + "Dimensioni:  99999\r\n",
                                    h + "Dimensioni:   2x3\r\n[[[[\r\n[[[[\r\n", h + "Dimensioni:   2x1\r\n" + std::string(53, '[') + "\r\n",
                                    h + "Dimensioni:   2x1\r\n\x19.[.\r\n"})
        rifiuta(dati);
}
