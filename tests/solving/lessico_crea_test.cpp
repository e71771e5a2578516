// Building dictionary files from word lists.
#include "solving/lessico_crea.h"

#include <gtest/gtest.h>

using namespace quadrivo;

namespace {

TEST(PiegaParola, AccentsAndLigaturesFoldToCapitalsAnythingElseLeavesTheWordOut) {
    const std::pair<const char*, const char*> casi[] = {
        {"perché", "PERCHE"}, {"garçon", "GARCON"}, {"cœur", "COEUR"}, {"Æneas", "AENEAS"}, {"ǣvum", "AEVUM"},
        {"āmō", "AMO"},       {"Straße", "STRASSE"}, {"ÎLE", "ILE"},    {"año", "ANO"},
    };
    for (const auto& [parola, attesa] : casi) EXPECT_EQ(piegaParola(parola), attesa) << parola;
    for (const char* parola : {"l'acqua", "dopo-sci", "mp3", "due parole", "καλά", "", "caff\xE8", "x\xE2\x80"})
        EXPECT_FALSE(piegaParola(parola).has_value()) << parola;
    EXPECT_EQ(lemmiHunspell("4\r\nabacus/b\r\n# nota\r\nab\n\nabeo/AB po:verb\nRoma\n"),
              (std::vector<std::string>{"abacus", "ab", "abeo", "Roma"}));
}

TEST(CreaLessico, LayoutSortedWithoutDuplicatesAndAReadableHeader) {
    const std::string dati = creaLessico({"MOLA", "ORA", "MALA", "MOLA", "ZZ", "SEDICILETTEREXXX", "MELA", "ABCDEFGHIJKLMNO"},
                                         {"Italiano", 0, std::string(500, 'x'), "2026-01-02"});
    EXPECT_EQ(dati.substr(408), "ORA" "MALAMELAMOLA" "ABCDEFGHIJKLMNO");
    EXPECT_EQ(dati.substr(200, 48), "00000409000004120000041200000424" "0000042400000424");
    EXPECT_EQ(dati.substr(392, 16), "0000042400000439");  // length 15
    const IntestazioneLessico i = leggiIntestazioneLessico(dati);
    // The over-long source was cut, not the rest.
    EXPECT_EQ(std::tuple(i.lingua, i.parole, i.data), std::tuple("Italiano", 5, "2026-01-02"));
    for (char c : dati.substr(0, 200)) EXPECT_TRUE((c >= ' ' && c <= '~') || c == '\r' || c == '\n') << int(c);
}

}  // namespace
