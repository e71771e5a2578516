#include <gtest/gtest.h>

#include <algorithm>

#include "formats/trmo.h"
#include "solving/controllo.h"
#include "solving/verifica.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// `lettere` cells of "A", the first `mancanti` of them left empty.
Cruciverba conLettere(int lettere, int mancanti) {
    Cruciverba x(std::min(lettere, 100), (lettere + 99) / 100);
    for (const Casella& k : caselleBianche(x)) {
        x.cella(k).soluzione = "A";
        x.cella(k).voce = mancanti-- > 0 ? "" : "A";
    }
    return x;
}

}  // namespace

TEST(Controllo, CountsWhiteCellsOnlyAndClearsOnlyTypedLetters) {
    // A black cell counts neither; an empty cell and a different "@" differ.
    Cruciverba x = prova::cruciverbaDa({"A#B", "DE#"}, {"A#C", ".@#"});
    EXPECT_EQ(std::tuple(contaDifferenze(x).lettere, contaDifferenze(x).differenze), std::tuple(4, 3));
    EXPECT_EQ(messaggioControllo(x),
              "Sul cruciverba ci sono 4 lettere; ci sono però ancora 3 lettere diverse o non risolte! (75% non risolto)");
    EXPECT_EQ(messaggioControllo(prova::cruciverbaDa({"AB"}, {"A."})),
              "Sul cruciverba ci sono 2 lettere; c'è però ancora 1 lettera diversa o non risolta! (50% non risolto)");
    x.cella(1, 1).data = true;  // a given letter is no answer to clear
    azzeraInserimenti(x);
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"A#.", "..#"}));
    // A puzzle that carries no solution is never counted, nor congratulated.
    EXPECT_EQ(messaggioVerifica(Cruciverba(2, 1), 0, 0), "Questo cruciverba non ha una soluzione con cui controllare le lettere.");
}

TEST(Controllo, PercentageInDoublePrecisionRoundsHalfToEven) {
    // 12.5 -> 12 and 37.5 -> 38; the double-precision quotient decides: 23 / 40 * 100 is just below 57.5
    const int casi[][3] = {{8, 1, 12}, {8, 3, 38}, {40, 23, 57}, {200, 1, 0}};
    for (const auto& k : casi) 
        EXPECT_TRUE(messaggioControllo(conLettere(k[0], k[1])).ends_with(" (" + std::to_string(k[2]) + "% non risolto)"));
}

// Archives as the editor may leave them: what a check says and what Salva writes back.
TEST(Controllo, DamagedArchivesCountAsTheirLinesReadAndSaveEveryClue) {
    const std::string h = "Autore:      X\r\nData:        d\r\nTitolo:      t\r\n";
    const struct {
        const char* caso;
        std::string dati;
        std::string messaggio;
    } casi[] = {
        // The second line stops after its first cell: the two cells it lacks are white and empty,
        // their words keep their clues, and nothing there is counted.
        {"riga corta", h + "Dimensioni:   3x2\r\n[.[.[.\r\n[.\r\n  1  11-Prima\r\n  1  12-Giu\r\n  1  21-Corta\r\n  2  12-Sotto la riga corta\r\n",
         "Sul cruciverba ci sono 4 lettere; ci sono però ancora 4 lettere diverse o non risolte! (100% non risolto)"},
        // A line ending on a black solution byte: that cell lacks its black entry, so it differs.
        {"riga dispari", h + "Dimensioni:   3x2\r\n[A[A[A\r\n[AD\r\n  1  11-Prima\r\n",
         "Sul cruciverba ci sono 4 lettere; c'è però ancora 1 lettera diversa o non risolta! (25% non risolto)"},
        // A black cell holding a letter differs from its solution, though it is no letter to fill.
        {"nera con lettera", h + "Dimensioni:   1x1\r\nDB\r\n",
         "Sul cruciverba ci sono 0 lettere; c'è però ancora 1 lettera diversa o non risolta!"},
        // Not one white cell: nothing is wrong.
        {"tutta nera", h + "Dimensioni:   2x1\r\nD*D*\r\n", "Bravo! hai risolto il cruciverba in 2 minuti e 5 secondi"},
    };
    for (const auto& k : casi) {
        const Cruciverba x = prova::letturaOk(FormatoTrmo(), k.dati);
        EXPECT_EQ(messaggioVerifica(x, 125000, 0), k.messaggio) << k.caso;
        EXPECT_EQ(FormatoTrmo().scrivi(x), k.dati) << k.caso;
    }
}
