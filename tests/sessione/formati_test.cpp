// The session with the open formats: a .puz's solving time on the clock and back in the file,
// the notice of an edited file, Salva on a .jpz, Salva con nome into a format too small.
#include <gtest/gtest.h>

#include "formats/formato.h"
#include "formats/jpz.h"
#include "formats/puz.h"
#include "model/piattaforma_registro.h"
#include "sessione/salvataggio.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// CASA / A#RE as a .puz carrying `secondi` in LTIM.
std::string puz(std::optional<std::int64_t> secondi) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    x.secondiFile = secondi;
    return FormatoPuz().scrivi(x);
}

struct Formati : ::testing::Test {
    prova::CartellaTemporanea t;
    PiattaformaRegistro p;
    Stato s;
    Sessione sessione{s, p, t.percorso("dati")};
    void SetUp() override { s.fileLavoro = t.percorso("qdv_formati.tmp"); }
};

}  // namespace

TEST_F(Formati, APuzStartsTheClockAtItsTimeAndSavesLettersAndTime) {
    ASSERT_EQ(sessione.apri(t.scrivi("s.puz", puz(42))), EsitoApertura::ok);
    EXPECT_TRUE(sessione.tempo() >= 42000 && p.messaggi.empty());
    sessione.impostaPosizione({1, 1, orizzontale});
    sessione.tasto(TastoGriglia::carattere, U'C', false);
    ASSERT_TRUE(sessione.salva());
    const Cruciverba letto = leggiCruciverba("s.puz", t.leggi("s.puz")).cruciverba;
    EXPECT_TRUE(letto.cella(1, 1).voce == "C" && letto.secondiFile.value_or(0) >= 42);
}

TEST_F(Formati, NoticesJpzAndFormatsTooSmall) {
    std::string rotto = puz(std::nullopt);
    rotto[0] ^= 1;
    ASSERT_EQ(sessione.apri(t.scrivi("r.puz", rotto)), EsitoApertura::ok);
    EXPECT_TRUE(p.messaggi.size() == 1u && p.messaggi[0].testo.find("modificato") != std::string::npos);

    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"});
    x.cella(1, 1).barre = barraDestra;
    ASSERT_EQ(sessione.apri(t.scrivi("b.jpz", FormatoJpz().scrivi(x))), EsitoApertura::ok);
    EXPECT_TRUE(decisioneSalva(s.nomeFile) == AzioneSalva::salvaConNome && nomeProposto(s) == t.percorso("b.ipuz"));
    EXPECT_EQ(sessione.salvaConNome(t.percorso(), "b.puz", "Io"), EsitoSalvataggio::errore);
    EXPECT_TRUE(p.messaggi.back().testo.find("non può contenere barre") != std::string::npos &&
                t.leggi("b.puz").empty());
    EXPECT_EQ(sessione.salvaConNome(t.percorso(), "b.ipuz", "Io"), EsitoSalvataggio::salvato);
    EXPECT_EQ(leggiCruciverba("b.ipuz", t.leggi("b.ipuz")).cruciverba.cella(1, 1).barre, barraDestra);
}

TEST_F(Formati, InsOpensACellForSeveralLettersThatChecksWhole) {
    const std::string ipuz = R"({"dimensions": {"width": 2, "height": 1}, "puzzle": [[1, 0]], "solution": [["OR", "A"]],
        "clues": {"Across": [[1, "Oro"]]}})";
    ASSERT_EQ(sessione.apri(t.scrivi("r.ipuz", ipuz)), EsitoApertura::ok);
    sessione.impostaPosizione({1, 1, orizzontale});
    sessione.apriCella();
    for (char32_t c : {U'o', U'x', U'r'}) sessione.tasto(TastoGriglia::carattere, c, false);
    sessione.tasto(TastoGriglia::cancellaIndietro, 0, false);
    EXPECT_EQ(s.cruciverba.cella(1, 1).voce, "OX");
    sessione.tasto(TastoGriglia::cancellaIndietro, 0, false);
    sessione.tasto(TastoGriglia::carattere, U'R', false);
    sessione.chiudiCella();
    sessione.tasto(TastoGriglia::carattere, U'A', false);  // closed, the cursor went on to the next cell
    EXPECT_EQ(s.cruciverba.cella(1, 1).voce + "|" + s.cruciverba.cella(2, 1).voce, "OR|A");
    EXPECT_TRUE(risolto(s.cruciverba));  // whole cell values compared
    ASSERT_EQ(sessione.apri(t.scrivi("u.trmo", prova::fileTrmo({"CASA"}))), EsitoApertura::ok);
    sessione.impostaPosizione({1, 1, orizzontale});
    sessione.apriCella();
    EXPECT_FALSE(sessione.cellaAperta());
}
