#include <gtest/gtest.h>

#include "solving/controllo.h"

using namespace quadrivo;

namespace {

// Grid lines as in memory: pairs of solution and entry.
Stato conRighe(const std::vector<std::string>& righe) {
    Stato s;
    s.nRighe = static_cast<std::int16_t>(righe.size());
    s.nColonne = static_cast<std::int16_t>(righe.empty() ? 0 : righe[0].size() / 2);
    for (size_t r = 0; r < righe.size(); ++r) s.righeFile[4 + r] = righe[r];
    return s;
}

// n letters per line, `sbagliate` of them left empty in total.
Stato griglia(int righe, int colonne, int sbagliate) {
    std::vector<std::string> v;
    for (int r = 0; r < righe; ++r) {
        std::string riga;
        for (int c = 0; c < colonne; ++c) riga += sbagliate-- > 0 ? "A." : "AA";
        v.push_back(riga);
    }
    return conRighe(v);
}

const std::string diverse(long long T, long long D, long long p) {
    return "Sul cruciverba ci sono " + std::to_string(T) + " lettere; ci sono però ancora " + std::to_string(D) +
           " lettere diverse o non risolte! (" + std::to_string(p) + "% non risolto)";
}

}  // namespace

TEST(Controllo, CountsLettersAndDifferencesOverWholeLines) {
    Stato s = conRighe({"AA**BC", "D.E@"});  // black pair counts neither; "." and "@" differ
    Conteggio k = contaDifferenze(s);
    EXPECT_EQ(k.lettere, 4);
    EXPECT_EQ(k.differenze, 3);
    // Lines longer than the declared width are read whole; rows past nRighe are not.
    s.righeFile[4 + 2] = "XX";
    EXPECT_EQ(contaDifferenze(s).lettere, 4);
    s.nRighe = 3;
    EXPECT_EQ(contaDifferenze(s).lettere, 5);
}

TEST(Controllo, ReportsWhatIsStillWrongWithThePercentageHalfToEven) {
    EXPECT_EQ(messaggioControllo(griglia(10, 12, 30), 0), diverse(120, 30, 25));
    EXPECT_EQ(messaggioControllo(griglia(10, 10, 100), 0), diverse(100, 100, 100));
    EXPECT_EQ(messaggioControllo(griglia(1, 8, 1), 0), diverse(8, 1, 12));    // 12.5 -> 12
    EXPECT_EQ(messaggioControllo(griglia(1, 8, 3), 0), diverse(8, 3, 38));    // 37.5 -> 38
    EXPECT_EQ(messaggioControllo(griglia(4, 10, 1), 0), diverse(40, 1, 2));   // 2.5 exactly -> 2
    EXPECT_EQ(messaggioControllo(griglia(2, 20, 7), 0), diverse(40, 7, 18));  // 17.5 -> 18
    EXPECT_EQ(messaggioControllo(griglia(3, 1, 1), 0), diverse(3, 1, 33));
    EXPECT_EQ(messaggioControllo(griglia(3, 1, 2), 0), diverse(3, 2, 67));
}

TEST(Controllo, CongratulatesWithTheTimeSinceTheStart) {
    Stato s = griglia(2, 3, 0);
    s.inizioGioco = 1000;
    EXPECT_EQ(messaggioControllo(s, 1125.7), "Bravo! hai risolto il cruciverba in 2 minuti e 5 secondi");
    EXPECT_EQ(messaggioControllo(s, 1000.2), "Bravo! hai risolto il cruciverba in 0 minuti e 0 secondi");
    EXPECT_EQ(messaggioControllo(s, 1000 + 7322), "Bravo! hai risolto il cruciverba in 122 minuti e 2 secondi");
    // A clock that went backwards never gives a negative time.
    EXPECT_EQ(messaggioControllo(s, 900), "Bravo! hai risolto il cruciverba in 0 minuti e 0 secondi");
}

TEST(Controllo, BrokenLinesWithoutLettersGiveAReportNotADivisionByZero) {
    // A line of odd length ends in a black solution without its entry pair.
    Stato s = conRighe({"***"});
    const std::string m = messaggioControllo(s, 0);
    EXPECT_NE(m.find("non ci sono lettere da controllare"), std::string::npos);
    EXPECT_NE(m.find("(1 caselle senza soluzione)"), std::string::npos);
    // With letters, an odd trailing solution counts as one more letter and difference.
    EXPECT_EQ(messaggioControllo(conRighe({"AAB"}), 0), diverse(2, 1, 50));
}

TEST(Azzera, EmptiesEveryWhiteEntryAndKeepsBlackCells) {
    Stato s = conRighe({"AA**BC", "D.E@F"});
    s.righeFile[4 + 2] = "ZZ";  // not a row of the grid
    azzeraInserimenti(s);
    EXPECT_EQ(s.righeFile[4], "A.**B.");
    EXPECT_EQ(s.righeFile[5], "D.E.F");
    EXPECT_EQ(s.righeFile[6], "ZZ");
}
