#include <gtest/gtest.h>

#include "elenco_parole.h"
#include "solving/lessico_crea.h"
#include "supporto/schema.h"

using namespace quadrivo::prova;

TEST(ElencoParole, PiegaComeIlDizionarioEScartaIlResto) {
    CartellaTemporanea dir;
    std::string p = dir.scrivi("elenco", "casa\nCittà\r\nl'altro\nperò\nex-voto\n\n");
    auto e = caricaElenco(p);
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, (std::unordered_set<std::string>{"CASA", "CITTA", "PERO"}));
    EXPECT_FALSE(caricaElenco(dir.percorso("manca")));
}

TEST(ElencoParole, LessicoCostruitoRilettoPerIntero) {
    CartellaTemporanea dir;
    std::string dati = quadrivo::creaLessico({"CASA", "ROMA", "ALBERO", "VIA", "AB"}, {"Italiano", 0, "prova", ""});
    auto l = paroleDelLessico(dir.scrivi("Lessico.dat", dati));
    ASSERT_TRUE(l);
    // two-letter words are not kept by the dictionary
    EXPECT_EQ(*l, (std::unordered_set<std::string>{"CASA", "ROMA", "ALBERO", "VIA"}));
    EXPECT_FALSE(paroleDelLessico(dir.percorso("manca.dat")));
}

TEST(ElencoParole, VociDueLettere) {
    CartellaTemporanea dir;
    std::string v = dir.scrivi("voci", "# commento\nIO  pronome\n\nTU\n  NE # particella\n");
    EXPECT_EQ(caricaVoci(v), (std::unordered_set<std::string>{"IO", "TU", "NE"}));
}
