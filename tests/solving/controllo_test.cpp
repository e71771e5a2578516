#include <gtest/gtest.h>

#include "solving/controllo.h"

using namespace quadrivo;

namespace {

// Grid lines as in memory: pairs of solution and entry.
Stato conRighe(const std::vector<std::string>& righe) {
    Stato s;
    s.nRighe = static_cast<std::int16_t>(righe.size());
    for (size_t r = 0; r < righe.size(); ++r) s.righeFile[4 + r] = righe[r];
    return s;
}

// `lettere` letters on one line, the first `sbagliate` of them left empty.
Stato riga(int lettere, int sbagliate) {
    std::string r;
    for (int c = 0; c < lettere; ++c) r += c < sbagliate ? "A." : "AA";
    return conRighe({r});
}

std::string diverse(long long T, long long D, long long p) {
    return "Sul cruciverba ci sono " + std::to_string(T) + " lettere; ci sono però ancora " + std::to_string(D) +
           " lettere diverse o non risolte! (" + std::to_string(p) + "% non risolto)";
}

}  // namespace

TEST(Controllo, CountsWholeLinesOfTheGridRowsOnly) {
    Stato s = conRighe({"AA**BC", "D.E@"});  // a black pair counts neither; "." and "@" differ
    s.righeFile[4 + 2] = "XY";              // past nRighe
    EXPECT_EQ(std::tuple(contaDifferenze(s).lettere, contaDifferenze(s).differenze), std::tuple(4, 3));
    // An odd trailing solution counts as a letter without its entry; without any letter the
    // report says so instead of dividing by zero.
    EXPECT_EQ(messaggioControllo(conRighe({"AAB"}), 0), diverse(2, 1, 50));
    EXPECT_EQ(messaggioControllo(conRighe({"***"}), 0),
              "Sul cruciverba non ci sono lettere da controllare: le righe della griglia sono incomplete o non valide "
              "(1 caselle senza soluzione).");
}

TEST(Controllo, PercentageInDoublePrecisionRoundsHalfToEven) {
    // 12.5 -> 12 and 37.5 -> 38; the double-precision quotient decides: 23 / 40 * 100 is just below 57.5
    const int casi[][3] = {{8, 1, 12}, {8, 3, 38}, {40, 7, 18}, {3, 2, 67}, {5, 5, 100}, {40, 23, 57}, {200, 1, 0}};
    for (const auto& k : casi) EXPECT_EQ(messaggioControllo(riga(k[0], k[1]), 0), diverse(k[0], k[1], k[2]));
}

TEST(Controllo, CongratulatesWithWholeSecondsSinceTheStart) {
    Stato s = riga(3, 0);
    s.inizioGioco = 1000;
    const std::string bravo = "Bravo! hai risolto il cruciverba in ";
    EXPECT_EQ(messaggioControllo(s, 8322.7), bravo + "122 minuti e 2 secondi");
    EXPECT_EQ(messaggioControllo(s, 900), bravo + "0 minuti e 0 secondi");  // a clock gone backwards
}
