#include <gtest/gtest.h>

#include "formats/formato.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// The puzzle in `formato`, as a new file of it and as that file read back (what it keeps aside
// then takes part in writing).
std::vector<Cruciverba> inFormato(const std::string& formato) {
    Cruciverba nuovo = prova::cruciverbaDa({"CASA", "A#RE"}, {"CA..", ".#.."});
    EXPECT_EQ(adattaAFormato(nuovo, "prova." + formato), "");
    const Lettura letto = leggiCruciverba("prova." + formato, testoCruciverba(nuovo));
    EXPECT_EQ(letto.esito, EsitoLettura::ok) << formato;
    return {nuovo, letto.cruciverba};
}

}  // namespace

// Pencil guesses are the player's: every writer gives a pencil cell the bytes of an empty one,
// while the ink next to it is written as usual.
TEST(Matita, NeverInTheBytesOfAnyFormat) {
    for (const char* formato : {"trmo", "ipuz", "puz", "jpz"})
        for (const Cruciverba& x : inFormato(formato)) {
            Cruciverba matita = x;
            matita.cella(3, 1).voce = "Z", matita.cella(3, 1).matita = true;
            matita.cella(4, 2).voce = "EE", matita.cella(4, 2).matita = true;
            EXPECT_EQ(testoCruciverba(matita), testoCruciverba(x)) << formato;
            Cruciverba inchiostro = matita;
            inchiostro.cella(3, 1).matita = false;
            EXPECT_NE(testoCruciverba(inchiostro), testoCruciverba(x)) << formato;
        }
}
