// Building dictionary files from word lists, and the `lessico` tool over them.
#include "solving/lessico_crea.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/piattaforma_registro.h"
#include "solving/lessico.h"
#include "strumento.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

TEST(PiegaParola, AccentsAndLigaturesFoldToCapitals) {
    const std::pair<const char*, const char*> casi[] = {
        {"perché", "PERCHE"}, {"Èra", "ERA"},          {"garçon", "GARCON"}, {"cœur", "COEUR"},
        {"Æneas", "AENEAS"},  {"ǣvum", "AEVUM"},       {"āmō", "AMO"},       {"Straße", "STRASSE"},
        {"Noël", "NOEL"},     {"ÎLE", "ILE"},          {"año", "ANO"},       {"città", "CITTA"},
    };
    for (const auto& [parola, attesa] : casi) EXPECT_EQ(piegaParola(parola), attesa) << parola;
}

TEST(PiegaParola, AnythingElseLeavesTheWordOut) {
    for (const char* parola : {"l'acqua", "dopo-sci", "mp3", "due parole", "καλά", "", "caff\xE8", "\xC3", "x\xE2\x80"})
        EXPECT_FALSE(piegaParola(parola).has_value()) << parola;
}

TEST(LemmiHunspell, CountCommentsAndFlags) {
    const std::vector<std::string> attesi = {"abacus", "ab", "abeo", "Roma"};
    EXPECT_EQ(lemmiHunspell("4\r\nabacus/b\r\n# nota\r\nab\n\nabeo/AB po:verb\nRoma\n"), attesi);
}

TEST(CreaLessico, LayoutSortedWithoutDuplicates) {
    const std::string dati = creaLessico({"MOLA", "ORA", "MALA", "MOLA", "ZZ", "SEDICILETTEREXXX", "MELA", "ABCDEFGHIJKLMNO"},
                                         {"Italiano", 0, "prova", "2026-01-02"});
    const std::string parole = "ORA" "MALAMELAMOLA" "ABCDEFGHIJKLMNO";
    ASSERT_EQ(dati.size(), 408 + parole.size());
    EXPECT_EQ(dati.substr(408), parole);
    EXPECT_EQ(dati.substr(200, 48), "00000409000004120000041200000424" "0000042400000424");
    EXPECT_EQ(dati.substr(392, 16), "0000042400000439");  // length 15

    const IntestazioneLessico i = leggiIntestazioneLessico(dati);
    EXPECT_EQ(i.lingua, "Italiano");
    EXPECT_EQ(i.parole, 5);
    EXPECT_EQ(i.fonte, "prova");
    EXPECT_EQ(i.data, "2026-01-02");
    // Readable text padded with blanks.
    for (char c : dati.substr(0, 200)) EXPECT_TRUE((c >= ' ' && c <= '~') || c == '\r' || c == '\n') << int(c);
    EXPECT_EQ(dati.substr(150, 48), std::string(48, ' '));
}

TEST(CreaLessico, LongSourceIsCutToTheHeader) {
    const std::string dati = creaLessico({"UNO"}, {"Latino", 0, std::string(500, 'x'), "2026-01-02"});
    EXPECT_EQ(dati.substr(408), "UNO");
    EXPECT_EQ(leggiIntestazioneLessico(dati).lingua, "Latino");
}

// The tool's file read back by the program's loader and searched by both.
class StrumentoLessico : public ::testing::Test {
protected:
    int esegui(std::vector<std::string> argomenti) {
        out.str({});
        err.str({});
        return eseguiLessico(argomenti, out, err);
    }
    CartellaTemporanea cartella;
    std::ostringstream out, err;
};

TEST_F(StrumentoLessico, CreaThenLoadCercaAndInfo) {
    const std::string lista = cartella.scrivi("parole.txt", "mela\r\nMALA\nmòla\nl'ala\nmela\nperché\nzz\n");
    const std::string dic = cartella.scrivi("la.dic", "2\nmala/AB\nrosa/q\n");
    const std::string dat = cartella.percorso("LessicoItaliano.dat");
    ASSERT_EQ(esegui({"crea", "Italiano", dat, lista, dic}), 0) << err.str();

    Stato s;
    PiattaformaRegistro piattaforma;
    s.cartellaProgramma = cartella.percorso();
    caricaLessico(s, piattaforma);
    EXPECT_EQ(s.inizioLessico[3], 409);
    EXPECT_EQ(s.contaLessico[3], 0);
    EXPECT_EQ(s.inizioLessico[4], 409);
    EXPECT_EQ(s.contaLessico[4], 4);
    EXPECT_EQ(s.inizioLessico[6], 409 + 16);
    EXPECT_EQ(s.contaLessico[6], 1);
    EXPECT_EQ(s.contaLessico[15], 0);

    ASSERT_EQ(esegui({"cerca", dat, "M?LA"}), 0);
    EXPECT_EQ(out.str(), "MALA\nMELA\nMOLA\n");
    ASSERT_EQ(esegui({"cerca", dat, "....."}), 0);
    EXPECT_EQ(out.str(), "");

    ASSERT_EQ(esegui({"info", dat}), 0);
    EXPECT_NE(out.str().find("Lingua: Italiano\nParole: 5\nFonte: parole.txt, la.dic\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("lunghezza  4:        4 parole\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("totale: 5 parole"), std::string::npos);
}

TEST_F(StrumentoLessico, ErrorsAreReported) {
    const std::string dat = cartella.percorso("x.dat");
    EXPECT_EQ(esegui({"crea", "Italiano", dat, cartella.percorso("manca.txt")}), 1);
    EXPECT_NE(err.str().find("lista di parole non trovata"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dat));
    EXPECT_EQ(esegui({"cerca", dat, "M.LA"}), 1);
    EXPECT_EQ(esegui({"cerca", dat, "ML"}), 2);
    EXPECT_EQ(esegui({"boh"}), 2);
    EXPECT_NE(err.str().find("uso:"), std::string::npos);
}

}  // namespace
