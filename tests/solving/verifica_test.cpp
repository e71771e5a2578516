#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/controllo.h"
#include "solving/verifica.h"

using namespace quadrivo;
using K = std::vector<Casella>;

namespace {

Cruciverba schema(const std::vector<std::string>& voci) { return prova::schemaProva(voci).cruciverba; }

// The cells of the word starting at (c, r) in direction d.
K parola(const Cruciverba& x, int c, int r, Direzione d) { return definizioneDa(x, {c, r}, d)->caselle; }

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
    EXPECT_EQ(contaDifferenze(x).differenze, 0);
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
    // Not one white cell: nothing is wrong, and it is right already at opening.
    const Cruciverba nera = prova::cruciverbaDa({"##", "##"});
    EXPECT_TRUE(schemaGiusto(nera));
    fine.reimposta(nera);
    EXPECT_FALSE(fine.controlla(nera));
}

TEST(Verifica, CongratulationUsesTheClockAndTellsTheRevealedLetters) {
    const std::string bravo = "Bravo! hai risolto il cruciverba in ";
    EXPECT_EQ(messaggioRisolto(3725999, 0), bravo + "62 minuti e 5 secondi");
    EXPECT_EQ(messaggioRisolto(1000, 1), bravo + "0 minuti e 1 secondo (1 lettera rivelata)");
    // One is singular, more plural.
    EXPECT_EQ(messaggioRisolto(61000, 0), bravo + "1 minuto e 1 secondo");
    EXPECT_EQ(messaggioVerifica(schema(prova::soluzioniProva), -5, 4),
              bravo + "0 minuti e 0 secondi (4 lettere rivelate)");
    EXPECT_EQ(messaggioVerifica(schema(prova::soluzioniProva), 9000, 15),
              "Soluzione completa: tutte le 15 lettere sono state rivelate.");
}
