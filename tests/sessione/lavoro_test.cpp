// The session of the open puzzle: keys and the signals they give, the working copy written once
// the pending input is handled (and while writes fail), opening and saving, checks and reveals,
// the working copy's note; the other formats: a .puz's solving time on the clock and back in the
// file, the notice of an edited file, Salva on a .jpz, Salva con nome into a format too small.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <functional>

#include "formats/formato.h"
#include "formats/jpz.h"
#include "formats/puz.h"
#include "model/piattaforma_registro.h"
#include "sessione/sessione.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

const std::string schema = prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
// CASA / A#RE as a .puz carrying `secondi` in LTIM.
std::string puz(std::optional<std::int64_t> secondi) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    x.secondiFile = secondi;
    return FormatoPuz().scrivi(x);
}

struct Banco : ::testing::Test {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    Stato s;
    Sessione sessione{s, p, t.percorso("dati")};

    void SetUp() override {
        s.fileLavoro = t.percorso("qdv_prova.tmp");
        ASSERT_EQ(sessione.apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    }
    // The queued write of the working copy, as the event loop would run it.
    void finitoInput() { QCoreApplication::sendPostedEvents(&sessione, QEvent::MetaCall); }
    // Types `lettere` from where the cursor is, or across from (colonna, 1).
    void digita(const std::string& lettere, int colonna = 0) {
        if (colonna) sessione.impostaPosizione({colonna, 1, orizzontale});
        for (char c : lettere) sessione.tasto(TastoGriglia::carattere, static_cast<char32_t>(c), false);
    }
    std::vector<std::string> copia() { return prova::inserimenti(leggiCruciverba("c.trmo", t.leggi("qdv_prova.tmp")).cruciverba); }
};

}  // namespace

TEST_F(Banco, KeysSignalTheirCellsAndTheCopyFollowsOnceTheInputIsHandled) {
    QSignalSpy celle(&sessione, &Sessione::celleCambiate), modificato(&sessione, &Sessione::modificatoCambiato),
        posizione(&sessione, &Sessione::posizioneCambiata);
    prova::DiscoGuasto conta(prova::Passo::nessuno);
    digita("cas", 1);
    // One position signal for the click (the keys' moves come with their cells), nothing on disk per key.
    EXPECT_EQ(std::tuple(celle.size(), modificato.size(), posizione.size(), conta.tentativi), std::tuple(3, 1, 1, 0));
    EXPECT_EQ(celle[1][0].value<std::vector<Casella>>(), (std::vector<Casella>{{2, 1}}));
    EXPECT_EQ(sessione.posizione(), (Posizione{4, 1, orizzontale}));
    finitoInput();
    EXPECT_EQ(conta.tentativi, 1);  // one copy for the three letters; its note has not changed
    EXPECT_EQ(copia(), (std::vector<std::string>{"CAS.", ".#.."}));
    // A key that moves without writing signals the position only.
    sessione.tasto(TastoGriglia::tab, 0, false);
    EXPECT_EQ(std::tuple(celle.size(), posizione.size()), std::tuple(3, 2));
}

TEST_F(Banco, AFailedWriteIsToldOnceAndMemoryStaysTheTruth) {
    finitoInput();
    const std::string prima = t.leggi("qdv_prova.tmp");
    {
        prova::DiscoGuasto guasto(prova::Passo::svuotamento);
        digita("C", 1);
        finitoInput();
        digita("A");
        finitoInput();
    }
    ASSERT_EQ(p.messaggi.size(), 1u);
    const std::string& m = p.messaggi[0].testo;  // names the folder and what to do
    EXPECT_TRUE(m.find(s.fileLavoro.substr(0, s.fileLavoro.rfind('/'))) != std::string::npos && m.find("Salva") != std::string::npos) << m;
    EXPECT_EQ(std::pair(t.leggi("qdv_prova.tmp"), prova::inserimenti(s.cruciverba)),
              std::pair(prima, std::vector<std::string>{"CA..", ".#.."}));
    // Writing again: the copy catches up, and a later failure is told again.
    digita("S");
    finitoInput();
    EXPECT_EQ(copia(), (std::vector<std::string>{"CAS.", ".#.."}));
    prova::DiscoGuasto guasto(prova::Passo::conferma);
    digita("A");
    finitoInput();
    EXPECT_EQ(p.messaggi.size(), 2u);
}

TEST_F(Banco, SavingWritesWhatIsInMemoryEvenWithoutAWorkingCopy) {
    digita("C", 1);
    EXPECT_TRUE(sessione.modificato() && sessione.salva() && !sessione.modificato());
    EXPECT_EQ(prova::inserimenti(leggiCruciverba("s.trmo", t.leggi("s.trmo")).cruciverba)[0], "C...");
    // Save as, with the working copy's folder gone: the user's file is what counts.
    digita("A");
    s.copiaLavoroSuperata = true;  // told already
    s.fileLavoro = t.percorso("manca/qdv_prova.tmp");
    EXPECT_EQ(sessione.salvaConNome(t.percorso(), "nuovo.trmo", "Io"), EsitoSalvataggio::salvato);
    EXPECT_TRUE(p.messaggi.empty() && !sessione.modificato() && sessione.nomeFile() == t.percorso("nuovo.trmo"));
    const Cruciverba letto = leggiCruciverba("n.trmo", t.leggi("nuovo.trmo")).cruciverba;
    EXPECT_TRUE(letto.autore == "Io" && prova::inserimenti(letto)[0] == "CA..");
}

TEST_F(Banco, AFileTheProgramCouldNotShowIsRefusedAndNothingChanges) {
    digita("C", 1);
    finitoInput();
    const std::string copiaPrima = t.leggi("qdv_prova.tmp");
    QSignalSpy nuovo(&sessione, &Sessione::schemaCambiato);
    EXPECT_EQ(sessione.apri(t.scrivi("rotto.trmo", "x\r\n")), EsitoApertura::formatoNonValido);
    EXPECT_EQ(sessione.apri(t.scrivi("rotto.trmo", "a\r\nb\r\nc\r\nDimensioni:   2x 1\r\n[*[.\r\n")),
              EsitoApertura::tipoNonValido);
    EXPECT_EQ(sessione.apri(t.percorso("assente.trmo")), EsitoApertura::inesistente);
    EXPECT_TRUE(sessione.nomeFile() == t.percorso("s.trmo") && s.cruciverba.cella(1, 1).voce == "C");
    EXPECT_TRUE(t.leggi("qdv_prova.tmp") == copiaPrima && nuovo.empty() && p.messaggi.empty());
}

TEST_F(Banco, ChecksRevealsTheSolveAndAzzera) {
    QSignalSpy risolto(&sessione, &Sessione::risolto), segni(&sessione, &Sessione::segniCambiati);
    digita("CX", 1);
    EXPECT_TRUE(sessione.controlla(caselleBianche(s.cruciverba)) == (std::vector<Casella>{{2, 1}}) &&
                segni.size() == 1);
    sessione.rivela({{2, 1}});
    EXPECT_TRUE(sessione.partita().segni().empty() && sessione.partita().rivelate().size() == 1u && risolto.empty());
    sessione.rivela(caselleBianche(s.cruciverba));
    ASSERT_EQ(risolto.size(), 1);  // once, with the revealed count
    EXPECT_NE(risolto[0][0].value<std::string>().find("lettere rivelate"), std::string::npos);
    EXPECT_FALSE(sessione.partita().cronometro().inCorso());
    sessione.azzera();
    EXPECT_EQ(prova::inserimenti(s.cruciverba), (std::vector<std::string>{"....", ".#.."}));
    EXPECT_TRUE(sessione.partita().rivelate().empty() && sessione.partita().cronometro().inCorso());
    // Pause stops the clock and hides the grid; the preview takes the area until it closes.
    QSignalSpy modo(&sessione, &Sessione::modoCambiato);
    sessione.impostaPausa(true);
    EXPECT_TRUE(sessione.inPausa() && !sessione.partita().cronometro().inCorso());
    sessione.impostaModo(ModoVista::anteprima);
    sessione.impostaModo(ModoVista::anteprima);
    EXPECT_TRUE(modo.size() == 1 && s.grigliaAttiva == -1);
}

// Every change of letters is one step of Annulla and Ripeti; undoing back to the saved letters
// makes the puzzle unmodified, and the cursor goes where the change was.
TEST_F(Banco, AnnullaAndRipetiStepByStep) {
    const std::vector<std::pair<std::function<void()>, std::vector<std::string>>> passi = {
        {[&] { sessione.impostaPosizione({1, 1, orizzontale}), digita("C"); }, {"C...", ".#.."}},
        {[&] { sessione.tasto(TastoGriglia::cancellaIndietro, 0, false); }, {"....", ".#.."}},
        {[&] { digita("C"); }, {"C...", ".#.."}},
        {[&] { digita("X"); }, {"CX..", ".#.."}},
        // A guess in pencil; typed over in ink it becomes final, the same letter too.
        {[&] { sessione.impostaMatita(true), digita("S"); }, {"CXs.", ".#.."}},
        {[&] { sessione.impostaMatita(false), sessione.impostaPosizione({3, 1, orizzontale}), digita("S"); }, {"CXS.", ".#.."}},
        {[&] { s.colonnaCorrente = 1, s.rigaCorrente = 1, s.direzioneCorrente = 1; sessione.applicaDialogo(SceltaParola{"CASA", "Casa"}); }, {"CASA", ".#.."}},
        {[&] { sessione.rivela({{1, 2}}); }, {"CASA", "A#.."}},
        {[&] { sessione.azzera(); }, {"....", ".#.."}},
    };
    std::vector<std::vector<std::string>> stati{prova::inserimenti(s.cruciverba)};
    for (const auto& [passo, atteso] : passi) {
        passo();
        EXPECT_EQ(prova::inserimenti(s.cruciverba), atteso);
        stati.push_back(atteso);
    }
    for (size_t i = stati.size() - 1; i-- > 0;) {
        sessione.storia().undo();
        EXPECT_EQ(prova::inserimenti(s.cruciverba), stati[i]) << i;
    }
    EXPECT_FALSE(sessione.modificato());  // back to the letters as opened
    sessione.storia().redo();
    EXPECT_TRUE(sessione.modificato() && sessione.posizione().colonna == 1 && sessione.posizione().riga == 1);
    EXPECT_TRUE(sessione.salva() && !sessione.modificato());
    sessione.storia().undo();
    EXPECT_TRUE(sessione.modificato() && sessione.storia().canRedo());
}

TEST_F(Banco, PencilGuessesComeBackWithThePuzzle) {
    sessione.impostaMatita(true), digita("CA", 1);
    ASSERT_TRUE(sessione.salva());
    ASSERT_EQ(sessione.apri(t.percorso("s.trmo")), EsitoApertura::ok);
    EXPECT_EQ(prova::inserimenti(s.cruciverba), (std::vector<std::string>{"ca..", ".#.."}));
}

TEST(Modifiche, TheQuestionBeforeLeaving) {
    Stato s;
    s.nomeFile = "/giochi/prova.trmo";
    PiattaformaRegistro p;
    EXPECT_TRUE(chiediPrimaDiLasciare(s, p) == Risposta::nonSalvare &&
                p.messaggi.empty());  // nothing to lose: not asked
    s.fileModificato = true;
    p.risposte = {Risposta::annulla};
    EXPECT_EQ(chiediPrimaDiLasciare(s, p), Risposta::annulla);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].testo, "Il file /giochi/prova.trmo è cambiato, si desidera salvare?");
    EXPECT_TRUE(p.messaggi[0].titolo == "Modifica del file corrente" && p.messaggi[0].pulsanti == Pulsanti::salvaNonSalvareAnnulla);
    for (const char* nome : {"", "NUOVOCRU.trmo"}) EXPECT_EQ(decisioneSalva(nome), AzioneSalva::salvaConNome) << nome;
    EXPECT_EQ(decisioneSalva("/giochi/a.trmo"), AzioneSalva::scrivi);
}

TEST(Nota, RoundTripAndTheLivingProcess) {
    const NotaLavoro n{"/giochi/una prova.trmo", 4242, 987654};
    const std::optional<NotaLavoro> letta = leggiNota(testoNota(n));
    ASSERT_TRUE(letta.has_value());
    EXPECT_EQ(std::tuple(letta->schema, letta->pid, letta->avvio), std::tuple(n.schema, n.pid, n.avvio));
    EXPECT_FALSE(leggiNota("schema=/a.trmo\npid=x\n") || leggiNota("pid=12\n"));

    const NotaLavoro io = notaQuestoProcesso("/a.trmo");
    EXPECT_TRUE(io.pid == ::getpid() && processoVivo(io.pid, io.avvio));
    EXPECT_FALSE(processoVivo(io.pid, io.avvio + 1));  // the same id, a newer process
    EXPECT_FALSE(processoVivo(prova::pidMorto(), 0));
}

TEST_F(Banco, APuzStartsTheClockAtItsTimeAndSavesLettersAndTime) {
    ASSERT_EQ(sessione.apri(t.scrivi("s.puz", puz(42))), EsitoApertura::ok);
    EXPECT_TRUE(sessione.tempo() >= 42000 && p.messaggi.empty());
    digita("C", 1);
    ASSERT_TRUE(sessione.salva());
    const Cruciverba letto = leggiCruciverba("s.puz", t.leggi("s.puz")).cruciverba;
    EXPECT_TRUE(letto.cella(1, 1).voce == "C" && letto.secondiFile.value_or(0) >= 42);
}

TEST_F(Banco, NoticesJpzAndFormatsTooSmall) {
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

TEST_F(Banco, InsOpensACellForSeveralLettersThatChecksWhole) {
    const std::string ipuz = R"({"dimensions": {"width": 2, "height": 1}, "puzzle": [[1, 0]], "solution": [["OR", "A"]],
        "clues": {"Across": [[1, "Oro"]]}})";
    ASSERT_EQ(sessione.apri(t.scrivi("r.ipuz", ipuz)), EsitoApertura::ok);
    sessione.impostaPosizione({1, 1, orizzontale});
    sessione.apriCella();
    digita("oxr");
    sessione.tasto(TastoGriglia::cancellaIndietro, 0, false);
    EXPECT_EQ(s.cruciverba.cella(1, 1).voce, "OX");
    sessione.tasto(TastoGriglia::cancellaIndietro, 0, false);
    digita("R");
    sessione.chiudiCella();
    digita("A");  // closed, the cursor went on to the next cell
    EXPECT_EQ(s.cruciverba.cella(1, 1).voce + "|" + s.cruciverba.cella(2, 1).voce, "OR|A");
    EXPECT_TRUE(risolto(s.cruciverba));  // whole cell values compared
    ASSERT_EQ(sessione.apri(t.scrivi("u.trmo", prova::fileTrmo({"CASA"}))), EsitoApertura::ok);
    sessione.impostaPosizione({1, 1, orizzontale});
    sessione.apriCella();
    EXPECT_FALSE(sessione.cellaAperta());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Working copies and locks of their own, apart from the player's and other runs'.
    QTemporaryDir cartella;
    for (const char* v : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) qputenv(v, cartella.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
