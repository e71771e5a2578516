#include <gtest/gtest.h>

#include "elenco_parole.h"
#include "supporto/schema.h"

using namespace quadrivo::prova;

TEST(PiegaParola, AccentiMaiuscoleEScarti) {
    EXPECT_EQ(piegaParola("città"), "CITTA");
    EXPECT_EQ(piegaParola("Perché\r"), "PERCHE");
    EXPECT_EQ(piegaParola("ÈRA"), "ERA");
    EXPECT_EQ(piegaParola("però"), "PERO");
    EXPECT_EQ(piegaParola("giù"), "GIU");
    EXPECT_EQ(piegaParola("così"), "COSI");
    // apostrophes, hyphens, digits and letters with no A-Z form are left out
    EXPECT_EQ(piegaParola("dell'anno"), std::nullopt);
    EXPECT_EQ(piegaParola("ex-voto"), std::nullopt);
    EXPECT_EQ(piegaParola("b2b"), std::nullopt);
    EXPECT_EQ(piegaParola("æther"), std::nullopt);
    EXPECT_EQ(piegaParola(""), std::nullopt);
}

TEST(CaricaElenco, LeggeERigetta) {
    CartellaTemporanea dir;
    std::string p = dir.scrivi("elenco", "casa\nCittà\r\nl'altro\nperò\n");
    auto e = caricaElenco(p);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->size(), 3u);
    EXPECT_TRUE(e->count("CITTA"));
    EXPECT_TRUE(e->count("PERO"));
    EXPECT_FALSE(caricaElenco(dir.percorso("manca")));

    std::string v = dir.scrivi("voci", "# commento\nIO  pronome\n\nTU\n  NE # particella\n");
    EXPECT_EQ(caricaVoci(v), (std::unordered_set<std::string>{"IO", "TU", "NE"}));
}
