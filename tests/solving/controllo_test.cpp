#include <gtest/gtest.h>

#include <algorithm>

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
    // A letter entered on a black cell counts in neither number: never over 100 %.
    EXPECT_EQ(messaggioControllo(prova::cruciverbaDa({"A#"}, {".B"})),
              "Sul cruciverba c'è 1 lettera; c'è però ancora 1 lettera diversa o non risolta! (100% non risolto)");
    EXPECT_EQ(messaggioControllo(prova::cruciverbaDa({"AB"}, {"A."})),
              "Sul cruciverba ci sono 2 lettere; c'è però ancora 1 lettera diversa o non risolta! (50% non risolto)");
    x.cella(1, 1).data = true;  // a given letter is no answer to clear
    azzeraInserimenti(x);
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"A#.", "..#"}));
    // Without any letter the report says so instead of dividing by zero.
    EXPECT_EQ(messaggioControllo(prova::cruciverbaDa({"##"})), "Sul cruciverba non ci sono lettere da controllare.");
    // A puzzle that carries no solution is never counted, nor congratulated.
    EXPECT_EQ(messaggioVerifica(Cruciverba(2, 1), 0, 0), "Questo cruciverba non ha una soluzione con cui controllare le lettere.");
}

TEST(Controllo, PercentageInDoublePrecisionRoundsHalfToEven) {
    // 12.5 -> 12 and 37.5 -> 38; the double-precision quotient decides: 23 / 40 * 100 is just below 57.5
    const int casi[][3] = {{8, 1, 12}, {8, 3, 38}, {40, 7, 18}, {3, 2, 67}, {5, 5, 100}, {40, 23, 57}, {200, 1, 0}};
    for (const auto& k : casi) 
        EXPECT_TRUE(messaggioControllo(conLettere(k[0], k[1])).ends_with(" (" + std::to_string(k[2]) + "% non risolto)"));
}
