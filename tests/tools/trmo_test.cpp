#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

#include "formats/formato.h"
#include "supporto/crociato.h"
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
    const int c = eseguiTrmo(a, out, err);
    return {c, out.str(), err.str()};
}
Cruciverba letto(const CartellaTemporanea& d, const std::string& nome) { return leggiCruciverba(nome, d.leggi(nome)).cruciverba; }
// An ipuz grid of w×h cells, all white, with `extra` fields.
std::string ipuz(int w, int h, const std::string& extra = {}) {
    std::string righe;
    for (int r = 0; r < h; ++r) {
        righe += r ? ",[" : "[";
        for (int c = 0; c < w; ++c) righe += c ? ",0" : "0";
        righe += "]";
    }
    return R"({"kind": ["http://ipuz.org/crossword#1"], "dimensions": {"width": )" + std::to_string(w) +
           R"(, "height": )" + std::to_string(h) + R"(}, "puzzle": [)" + righe + "]" + extra + "}";
}
}  // namespace

// One line a file: a reason's line breaks become spaces, as a terminal would take a carriage
// return as a return to the start of the line and print the reason over the file's name.
TEST(Trmo, VerificaReportsEachFileWithTheProgramsMessageOnOneLine) {
    CartellaTemporanea d;
    const std::string buono = d.scrivi("buono.trmo", fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Abitazione"}));
    const std::string stella = d.scrivi("stella.trmo", "a\r\nb\r\nc\r\nDimensioni:   2x 1\r\n[*[.\r\n");
    const std::string rotto = d.scrivi("rotto.ipuz", "{}"), manca = d.percorso("manca.trmo");
    const Esito e = trmo({"verifica", buono, stella, rotto, manca});
    EXPECT_EQ(e.codice, 1);
    EXPECT_EQ(e.out, buono + ": ok\n" + stella + ": Tipo di file non valido!\n" + rotto +
                         ": Formato del file non valido! Nel file ipuz mancano le dimensioni dello schema (\"dimensions\").\n" + manca +
                         ": Errore: file inesistente!\n");
}

TEST(Trmo, NormalizzaWritesWhatSaveWouldWriteAndBadArgumentsGetTheUsage) {
    CartellaTemporanea d;
    const std::string in = d.scrivi("in.trmo", fileTrmo({"CASA", "A#RE"}, {}, {"  4  12-Vocale", "  2  11-Nessuna", "  1  11-Casa"}));
    EXPECT_EQ(trmo({"normalizza", in, d.percorso("out.trmo")}).codice, 0);
    EXPECT_EQ(d.leggi("out.trmo"), fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa", "  4  12-Vocale"}));
    const Esito e = trmo({"normalizza", d.scrivi("rotto.ipuz", "{}"), d.percorso("mai.trmo")});
    EXPECT_EQ(std::tuple(e.codice, e.err),
              std::tuple(1, "Formato del file non valido! Nel file ipuz mancano le dimensioni dello schema (\"dimensions\").\n"));
    EXPECT_TRUE(d.leggi("mai.trmo").empty());
    EXPECT_NE(trmo({}).err.find("trmo verifica"), std::string::npos);
    EXPECT_EQ(trmo({"converti", "--senza-schema", "--da-riempire", "a", "b.ipuz"}).codice, 2);
}

TEST(Trmo, MostraPrintsGridAndCluesAsUtf8) {
    CartellaTemporanea d;
    const Esito e = trmo({"mostra", d.scrivi("m.trmo", fileTrmo({"CASA", "A#RE"}, {"C...", "A#.."},
                                                                 {"  1  11-Dimora \xe8 rifugio", "  1  12-Prima vocale"}))});
    EXPECT_EQ(e.codice, 0);
    for (const char* riga : {"Quadrivo - Cruciverba 4x2", "|1   |    |2   |3   |", "|  C |    |    |    |", "|    |####|4   |    |",
                             "  1  Dimora è rifugio  [4]", "VERTICALI:\n  1  Prima vocale  [2]"})
        EXPECT_NE(e.out.find(riga), std::string::npos) << riga;
}

TEST(Converti, ThroughEveryFormatTheLettersAndCluesStay) {
    CartellaTemporanea d;
    const std::string in = d.scrivi("in.trmo", prova::fileTrmo({"CASA", "A#RE", "SOLE"}, {"C...", ".#R.", "...."},
                                                               {"  1  11-Dimora", "  1  12-Chiude", "  3  22-Erre"}));
    const Cruciverba x = leggiCruciverba(in, d.leggi("in.trmo")).cruciverba;
    std::string prima = in;
    for (const char* nome : {"a.ipuz", "b.puz", "c.trmo", "d.puz"}) {
        ASSERT_EQ(trmo({"converti", prima, d.percorso(nome)}).codice, 0) << nome;
        const Cruciverba y = letto(d, nome);
        EXPECT_EQ(y.elenchi, x.elenchi) << nome;
        EXPECT_EQ(prova::inserimenti(y), prova::inserimenti(x)) << nome;
        prima = d.percorso(nome);
    }
}

TEST(Converti, RefusesWhatTheTargetCannotHoldAndWritesNothing) {
    CartellaTemporanea d;
    // The input, the output's name, the reason given.
    const std::array<std::string, 3> casi[] = {
        {ipuz(21, 21), "g.trmo", "21×21"},
        {ipuz(2, 1, R"(, "solution": [["AB", "C"]])"), "r.trmo", "più lettere"},
        {ipuz(2, 1, R"(, "puzzle": [[{"cell": 0, "style": {"barred": "R"}}, null]], "solution": [["A", "B"]])"),
         "b.puz", "fuori dallo schema, barre"},
        {ipuz(2, 1), "x.doc", "sconosciuta"},
    };
    for (const auto& [dati, uscita, motivo] : casi) {
        const Esito e = trmo({"converti", d.scrivi("in.ipuz", dati), d.percorso(uscita)});
        EXPECT_EQ(e.codice, 1) << uscita;
        EXPECT_NE(e.err.find(motivo), std::string::npos) << e.err;
        EXPECT_EQ(d.leggi(uscita), "") << uscita;
    }
}

// Each game is written as an ipuz, and `mostra` shows it as its player sees it.
TEST(ConvertiVariante, EachGameIsWrittenAsIpuzAndShownAsThePlayerSeesIt) {
    CartellaTemporanea d;
    const std::string in = d.scrivi("in.trmo", prova::fileCrociato());
    struct Caso {
        const char* opzione;
        Variante variante;
        const char* riga;
    };
    for (const Caso& c :
         {Caso{"--senza-schema", Variante::senzaSchema, "\nORIZZONTALI:\n1. Abitazione\n2. Sovrano\n3. Stella\n\nVERTICALI:\n1. Cassa\n"},
          Caso{"--crittografato", Variante::crittografato, "\nCHIAVE:\n1="},
          Caso{"--da-riempire", Variante::daRiempire, "\nPAROLE:\n2 lettere: RE\n3 lettere: AEE CAS SRL\n4 lettere: CASA SOLE\n"}}) {
        const Esito e = trmo({"converti", c.opzione, in, d.percorso("out.ipuz")});
        EXPECT_EQ(e.err, "") << c.opzione;
        EXPECT_EQ(letto(d, "out.ipuz").variante, c.variante) << c.opzione;
        const std::string out = trmo({"mostra", d.percorso("out.ipuz")}).out;
        EXPECT_NE(out.find(c.riga), std::string::npos) << out;
    }
}
