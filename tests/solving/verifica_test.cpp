#include <gtest/gtest.h>

#include <algorithm>

#include "schema_prova.h"
#include "solving/controllo.h"
#include "solving/verifica.h"

using namespace quadrivo;
using K = std::vector<Casella>;

namespace {

Cruciverba schema(const std::vector<std::string>& voci) { return prova::schemaProva(voci).cruciverba; }

// The cells of the word starting at (c, r) in direction d.
K parola(const Cruciverba& x, int c, int r, Direzione d) { return definizioneDa(x, {c, r}, d)->caselle; }

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

TEST(Verifica, MarksStayUntilTheirLetterChanges) {
    Cruciverba x = schema({"CXSB#", "A#OXO", "NO#E#", "....#"});
    Segni segni;
    EXPECT_EQ(segnaErrori(segni, x, {{2, 1}, {5, 1}, {9, 9}}), (K{{2, 1}}));  // a letter; black and outside never
    EXPECT_EQ(segnaErrori(segni, x, parola(x, 4, 1, Direzione::verticale)), (K{{4, 1}, {4, 2}}));  // a word: B and X, not empty
    EXPECT_EQ(segni, (Segni{{{2, 1}, "X"}, {{4, 1}, "B"}, {{4, 2}, "X"}}));
    // Another letter in (2, 1), the same letter again in (4, 2), an untouched (4, 1).
    applicaScritture(x, {{2, 1, "Y"}, {4, 2, "X"}, {1, 4, "Q"}});
    aggiornaSegni(segni, x);
    EXPECT_EQ(segni, (Segni{{{4, 1}, "B"}, {{4, 2}, "X"}}));
    // Erasing is a change too; a fresh wrong letter is not marked until the next check.
    applicaScritture(x, {{4, 1, ""}});
    aggiornaSegni(segni, x);
    EXPECT_EQ(segni, (Segni{{{4, 2}, "X"}}));
}

TEST(Verifica, RevealWritesTheSolutionWhereItIsMissingOrWrongAndCountsThose) {
    Cruciverba x = schema({"CX.A#", "A#ORO", "NO#E#", "....#"});
    Rivelate rivelate;
    const auto rivela = [&](const K& caselle) {
        const std::vector<Scrittura> w = rivelazione(x, caselle);
        applicaScritture(x, w);
        registraRivelate(rivelate, w);
        return w;
    };
    EXPECT_EQ(rivela(parola(x, 1, 1, Direzione::orizzontale)), (std::vector<Scrittura>{{2, 1, "A"}, {3, 1, "S"}}));
    EXPECT_TRUE(rivela({{1, 1}, {5, 1}}).empty());  // a letter already right is not revealed again; black never
    EXPECT_EQ(rivela(caselleSchema(x)), (std::vector<Scrittura>{{1, 4, "E"}, {2, 4, "R"}, {3, 4, "B"}, {4, 4, "A"}}));
    EXPECT_EQ(rivelate.size(), 6u);
    EXPECT_FALSE(rivelate.contains({1, 1}));
}

TEST(Verifica, TheSolveIsNoticedOnceAndNotForAGridAlreadyRightAtOpening) {
    Cruciverba x = schema({"CASA#", "A#ORO", "NO#E#", "ERB.#"});
    Completamento fine;
    fine.reimposta(x);
    // Full but wrong, right, erased, right again: noticed once per solve.
    for (auto [voce, notato] : {std::pair{"", false}, {"E", false}, {"A", true}, {"", false}, {"A", false}}) {
        applicaScritture(x, {{4, 4, voce}});
        EXPECT_EQ(fine.controlla(x), notato) << voce;
    }
    fine.reimposta(x);  // reopened already solved
    EXPECT_FALSE(fine.controlla(x));
}

TEST(Verifica, CongratulationUsesTheClockAndTellsTheRevealedLetters) {
    const std::string bravo = "Bravo! hai risolto il cruciverba in ";
    EXPECT_EQ(messaggioRisolto(3725999, 0), bravo + "62 minuti e 5 secondi");
    // One is singular, more plural.
    EXPECT_EQ(messaggioRisolto(61000, 0), bravo + "1 minuto e 1 secondo");
    EXPECT_EQ(messaggioVerifica(schema(prova::soluzioniProva), -5, 4),
              bravo + "0 minuti e 0 secondi (4 lettere rivelate)");
    EXPECT_EQ(messaggioVerifica(schema(prova::soluzioniProva), 9000, 15),
              "Soluzione completa: tutte le 15 lettere sono state rivelate.");
}

TEST(Controllo, CountsWhiteCellsOnlyAndClearsOnlyTypedLetters) {
    // A black cell counts neither; an empty cell and a different "@" differ.
    Cruciverba x = prova::cruciverbaDa({"A#B", "DE#"}, {"A#C", ".@#"});
    EXPECT_EQ(std::tuple(contaDifferenze(x).lettere, contaDifferenze(x).differenze), std::tuple(4, 3));
    EXPECT_EQ(messaggioControllo(x),
              "Sul cruciverba ci sono 4 lettere; ci sono però ancora 3 lettere diverse o non risolte! (75% non risolto)");
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
    const struct { const char* caso; std::string dati, messaggio; } casi[] = {
        // The second line stops after its first cell: the cells it lacks are white, empty, uncounted.
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
