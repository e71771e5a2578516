#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/controllo.h"
#include "solving/verifica.h"

using namespace quadrivo;
using prova::inserimenti;
using prova::schemaProva;
using prova::soluzioniProva;

namespace {

const Parola& parola(const Navigazione& n, int numero, int d) {
    for (const Parola& w : n.parole())
        if (w.numero == numero && w.direzione == d) return w;
    throw std::logic_error("nessuna parola");
}

}  // namespace

TEST(Verifica, OnlyFilledCellsThatDifferAreWrong) {
    const Stato s = schemaProva({"CXS.#", "A#OXO", "NO#E#", "..BA#"});
    const Navigazione n(s);
    EXPECT_EQ(caselleSbagliate(s, caselleParola(parola(n, 1, orizzontale))), (std::vector<Casella>{{2, 1}}));
    EXPECT_EQ(caselleSbagliate(s, caselleSchema(s)), (std::vector<Casella>{{2, 1}, {4, 2}}));
    // A black cell and one past the grid are never wrong.
    EXPECT_EQ(caselleSbagliate(s, {{5, 1}, {2, 2}, {9, 9}}), std::vector<Casella>{});
    EXPECT_EQ(caselleSchema(s).size(), 15u);
}

TEST(Verifica, MarksStayUntilTheirLetterChanges) {
    Stato s = schemaProva({"CXSB#", "A#OXO", "NO#E#", "....#"});
    const Navigazione n(s);
    Segni segni;
    EXPECT_EQ(segnaErrori(segni, s, {{2, 1}}), (std::vector<Casella>{{2, 1}}));  // a letter
    EXPECT_EQ(segnaErrori(segni, s, caselleParola(parola(n, 3, verticale))),   // a word: B and X
              (std::vector<Casella>{{4, 1}, {4, 2}}));
    EXPECT_EQ(segni, (Segni{{{2, 1}, 'X'}, {{4, 1}, 'B'}, {{4, 2}, 'X'}}));
    // Another letter in (2, 1), the same letter again in (4, 2), an untouched (4, 1).
    applicaScritture(s, {{2, 1, 'Y'}, {4, 2, 'X'}, {1, 4, 'Q'}});
    aggiornaSegni(segni, s);
    EXPECT_EQ(segni, (Segni{{{4, 1}, 'B'}, {{4, 2}, 'X'}}));
    // Erasing is a change too; a fresh wrong letter is not marked until the next check.
    applicaScritture(s, {{4, 1, '.'}});
    aggiornaSegni(segni, s);
    EXPECT_EQ(segni, (Segni{{{4, 2}, 'X'}}));
}

TEST(Verifica, RevealWritesTheSolutionWhereItIsMissingOrWrongAndCountsThose) {
    Stato s = schemaProva({"CX.A#", "A#ORO", "NO#E#", "....#"});
    const Navigazione n(s);
    Rivelate rivelate;
    const auto rivela = [&](const std::vector<Casella>& caselle) {
        const std::vector<Scrittura> w = rivelazione(s, caselle);
        applicaScritture(s, w);
        registraRivelate(rivelate, w);
        return w;
    };
    EXPECT_EQ(rivela(caselleParola(parola(n, 1, orizzontale))), (std::vector<Scrittura>{{2, 1, 'A'}, {3, 1, 'S'}}));
    EXPECT_TRUE(rivela({{1, 1}}).empty());  // a letter already right is not revealed again
    EXPECT_EQ(rivela(caselleSchema(s)), (std::vector<Scrittura>{{1, 4, 'E'}, {2, 4, 'R'}, {3, 4, 'B'}, {4, 4, 'A'}}));
    EXPECT_EQ(contaDifferenze(s).differenze, 0);
    EXPECT_EQ(rivelate.size(), 6u);
    EXPECT_FALSE(rivelate.contains({1, 1}));
}

TEST(Verifica, TheSolveIsNoticedOnceAndNotForAGridAlreadyRightAtOpening) {
    Stato s = schemaProva({"CASA#", "A#ORO", "NO#E#", "ERB.#"});
    Completamento fine;
    fine.reimposta(s);
    EXPECT_FALSE(fine.controlla(s));
    applicaScritture(s, {{4, 4, 'E'}});  // full but wrong
    EXPECT_FALSE(fine.controlla(s));
    applicaScritture(s, {{4, 4, 'A'}});
    EXPECT_TRUE(fine.controlla(s));
    applicaScritture(s, {{4, 4, '.'}});
    EXPECT_FALSE(fine.controlla(s));
    applicaScritture(s, {{4, 4, 'A'}});
    EXPECT_FALSE(fine.controlla(s));  // once per solve
    fine.reimposta(s);                // reopened already solved
    EXPECT_FALSE(fine.controlla(s));
    azzeraInserimenti(s);
    fine.reimposta(s);
    EXPECT_FALSE(fine.notato());
    EXPECT_FALSE(schemaGiusto(prova::schemaInMemoria({"##", "##"})));  // no letters: never right
}

TEST(Verifica, CongratulationUsesTheClockAndTellsTheRevealedLetters) {
    EXPECT_EQ(messaggioRisolto(3725999, 0), "Bravo! hai risolto il cruciverba in 62 minuti e 5 secondi");
    EXPECT_EQ(messaggioRisolto(1000, 1), "Bravo! hai risolto il cruciverba in 0 minuti e 1 secondi (1 lettera rivelata)");
    EXPECT_EQ(messaggioVerifica(schemaProva(soluzioniProva), -5, 4),
              "Bravo! hai risolto il cruciverba in 0 minuti e 0 secondi (4 lettere rivelate)");
    const Stato mezzo = schemaProva({"CASA#", "A#ORO", "NO#E#", "ERXX#"});
    EXPECT_EQ(messaggioVerifica(mezzo, 61000, 2),
              "Sul cruciverba ci sono 15 lettere; ci sono però ancora 2 lettere diverse o non risolte! (13% non risolto)");
}
