#include <gtest/gtest.h>

#include <sstream>

#include "supporto/schema.h"
#include "trmo.h"

using namespace quadrivo;
using prova::CartellaTemporanea;
using prova::fileTrmo;

namespace {
struct Esito {
    int codice;
    std::string out, err;
};
Esito trmo(std::vector<std::string> a) {
    std::ostringstream out, err;
    int c = eseguiTrmo(a, out, err);
    return {c, out.str(), err.str()};
}
}  // namespace

TEST(Trmo, VerificaReportsEachFileWithTheProgramsMessage) {
    CartellaTemporanea d;
    std::string buono = d.scrivi("buono.trmo", fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Abitazione"}));
    std::string unix = d.scrivi("unix.trmo", "a\nb\nc\nDim:         2x 1\n[.[.\n");
    std::string vuoto = d.scrivi("vuoto.trmo", "a\r\nb\r\nc\r\nDimensioni:   0x 0\r\n");
    std::string stella = d.scrivi("stella.trmo", "a\r\nb\r\nc\r\nDimensioni:   2x 1\r\n[*[.\r\n");
    std::string manca = d.percorso("manca.trmo");

    Esito e = trmo({"verifica", buono, unix});
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(e.out, buono + ": ok\n" + unix + ": ok\n");

    e = trmo({"verifica", buono, vuoto, stella, manca});
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.out, buono + ": ok\n" + vuoto + ": Formato del file non valido!\n" + stella +
                         ": Tipo di file non valido!\n" + manca + ": Errore: file inesistente!\n");
}

TEST(Trmo, NormalizzaWritesWhatSaveWouldWriteAndBadArgumentsGetTheUsage) {
    CartellaTemporanea d;
    std::string in = d.scrivi("in.trmo", fileTrmo({"CASA", "A#RE"}, {}, {"  4  12-Vocale", "  2  11-Nessuna", "  1  11-Casa"}) );
    Esito e = trmo({"normalizza", in, d.percorso("out.trmo")});
    EXPECT_EQ(e.codice, 0);
    EXPECT_EQ(d.leggi("out.trmo"), fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa", "  4  12-Vocale"}));

    std::string rotto = d.scrivi("rotto.trmo", "x\r\n");
    e = trmo({"normalizza", rotto, d.percorso("mai.trmo")});
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.err, "Formato del file non valido!\n");
    EXPECT_TRUE(d.leggi("mai.trmo").empty());
    // Bad arguments: the usage.
    EXPECT_NE(trmo({}).err.find("trmo verifica"), std::string::npos);
    EXPECT_EQ(trmo({"mostra"}).codice, 2);
}

TEST(Trmo, MostraPrintsGridAndCluesAsUtf8) {
    CartellaTemporanea d;
    std::string f = d.scrivi("m.trmo", fileTrmo({"CASA", "A#RE"}, {"C...", "A#.."},
                                                 {"  1  11-Dimora \xe8 rifugio", "  1  12-Prima vocale"}));
    Esito e = trmo({"mostra", f});
    EXPECT_EQ(e.codice, 0);
    EXPECT_NE(e.out.find("Quadrivo - Cruciverba 4x2"), std::string::npos);
    EXPECT_NE(e.out.find("|1   |    |2   |3   |"), std::string::npos);
    EXPECT_NE(e.out.find("|  C |    |    |    |"), std::string::npos);
    EXPECT_NE(e.out.find("|    |####|4   |    |"), std::string::npos);
    EXPECT_NE(e.out.find("|  A |####|    |    |"), std::string::npos);
    EXPECT_NE(e.out.find("  1  Dimora è rifugio  [4]"), std::string::npos);
    EXPECT_NE(e.out.find("VERTICALI:\n  1  Prima vocale  [2]"), std::string::npos);
}
