// The working copy while writes fail, opening without a fatal end, the unsaved-answers question,
// and the answers of a killed run offered back.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDateTime>
#include <QFile>
#include <ctime>
#include <filesystem>

#include "sessione/salvataggio.h"
#include "sessione/apertura.h"
#include "model/griglia.h"
#include "sessione/lavoro.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/inserimento.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

const std::string schema = prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa"});

// A puzzle opened into a working copy of `t`, laid out as the window would.
Stato aperto(const CartellaTemporanea& t, PiattaformaRegistro& p, const std::string& nome = "s.trmo") {
    Stato s;
    s.fileLavoro = t.percorso("qdv_prova.tmp");
    EXPECT_EQ(apriInLavoro(s, p, t.scrivi(nome, schema)), EsitoApertura::ok);
    SuperficieRegistro sup(800, 600);
    disegnaGriglia(s, sup, p, {800, 600, 30, 20});
    return s;
}

// Leaves a working copy and its note as a run of `pid` would.
std::string lascia(const CartellaTemporanea& t, const std::string& nome, const std::string& dati,
                   const std::string& puzzle, long long pid) {
    const std::string lavoro = t.scrivi(nome, dati);
    t.scrivi(nome + ".nota", testoNota({puzzle, pid, 0}));
    return lavoro;
}

}  // namespace

TEST(CopiaLavoro, AFailedWriteIsToldOnceAndMemoryStaysTheTruth) {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    Stato s = aperto(t, p);
    ASSERT_TRUE(p.messaggi.empty());
    const std::string copia = t.leggi("qdv_prova.tmp");
    {
        prova::DiscoGuasto guasto(prova::Passo::svuotamento);
        s.impostaInserimento(1, 1, 'C');
        EXPECT_FALSE(cicloAggiornamento(s, p, {}));
        s.impostaInserimento(3, 1, 'S');
        EXPECT_FALSE(cicloAggiornamento(s, p, {}));
    }
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_NE(p.messaggi[0].testo.find(cartellaTemporanea()), std::string::npos);
    EXPECT_NE(p.messaggi[0].testo.find("Salva"), std::string::npos);
    EXPECT_TRUE(s.copiaLavoroSuperata);
    EXPECT_EQ(t.leggi("qdv_prova.tmp"), copia);
    // A refresh (a dialog closed) does not bring the old copy back over the answers.
    rileggiCopiaLavoro(s, p);
    EXPECT_EQ(prova::inserimenti(s), (std::vector<std::string>{"C.S.", ".#.."}));

    // Writing again: the copy catches up, and a later failure is told again.
    EXPECT_TRUE(cicloAggiornamento(s, p, {}));
    EXPECT_FALSE(s.copiaLavoroSuperata);
    EXPECT_NE(t.leggi("qdv_prova.tmp"), copia);
    prova::DiscoGuasto guasto(prova::Passo::conferma);
    EXPECT_FALSE(cicloAggiornamento(s, p, {}));
    EXPECT_EQ(p.messaggi.size(), 2u);
}

TEST(CopiaLavoro, SaveAsWithAFailingWorkingCopyStillSavesWhatIsInMemory) {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    Stato s = aperto(t, p);
    s.impostaInserimento(1, 1, 'C');
    s.fileModificato = true;
    s.copiaLavoroSuperata = true;  // told already
    std::filesystem::remove(t.percorso("qdv_prova.tmp"));
    s.fileLavoro = t.percorso("manca/qdv_prova.tmp");
    EXPECT_EQ(salvaConNome(s, p, t.percorso(), "nuovo.trmo", "Io"), EsitoSalvataggio::salvato);
    EXPECT_TRUE(p.messaggi.empty());
    EXPECT_FALSE(s.fileModificato);
    Stato letto;
    leggiCruciverba(letto, p, t.percorso("nuovo.trmo"));
    EXPECT_EQ(letto.inserimento(1, 1), 'C');
}

TEST(Apertura, AFileTheProgramCouldNotShowIsRefusedAndNothingChanges) {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    Stato s = aperto(t, p);
    s.impostaInserimento(1, 1, 'C');
    const std::string copia = t.leggi("qdv_prova.tmp");
    const std::pair<const char*, EsitoApertura> casi[] = {
        {"x\r\n", EsitoApertura::formatoNonValido},
        {"a\r\nb\r\nc\r\nDimensioni:   0x 0\r\n", EsitoApertura::formatoNonValido},
        {"a\r\nb\r\nc\r\nDimensioni:   2x 1\r\n[*[.\r\n", EsitoApertura::tipoNonValido},
    };
    for (const auto& [dati, atteso] : casi) {
        EXPECT_EQ(apriInLavoro(s, p, t.scrivi("rotto.trmo", dati)), atteso) << dati;
        EXPECT_EQ(s.nomeFile, t.percorso("s.trmo"));
        EXPECT_EQ(s.inserimento(1, 1), 'C');
        EXPECT_EQ(t.leggi("qdv_prova.tmp"), copia);
    }
    EXPECT_EQ(messaggioApertura(EsitoApertura::formatoNonValido, "x"), "Formato del file non valido!");
    EXPECT_EQ(messaggioApertura(EsitoApertura::tipoNonValido, "x"), "Tipo di file non valido!");
    EXPECT_TRUE(p.messaggi.empty());
}

TEST(Apertura, AnUnwritableTemporaryFolderKeepsThePuzzleInMemory) {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    Stato s;
    s.fileLavoro = "";  // no temporary file could be made at start
    ASSERT_EQ(apriInLavoro(s, p, t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_NE(p.messaggi[0].testo.find("cartella temporanea " + cartellaTemporanea()), std::string::npos);
    EXPECT_TRUE(s.copiaLavoroSuperata && s.nColonne == 4 && s.nomeFile == t.percorso("s.trmo"));
    rileggiCopiaLavoro(s, p);  // no fatal end: nothing is read
    EXPECT_EQ(s.nRighe, 2);
}

TEST(Modifiche, TheQuestionBeforeLeaving) {
    Stato s;
    s.nomeFile = "/giochi/prova.trmo";
    PiattaformaRegistro p;
    EXPECT_EQ(chiediPrimaDiLasciare(s, p), Risposta::nonSalvare);  // nothing to lose: not asked
    EXPECT_TRUE(p.messaggi.empty());
    s.fileModificato = true;
    p.risposte = {Risposta::annulla};
    EXPECT_EQ(chiediPrimaDiLasciare(s, p), Risposta::annulla);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].testo, "Il file /GIOCHI/PROVA.TRMO è cambiato, si desidera salvare");
    EXPECT_TRUE(p.messaggi[0].titolo == "Modifica del file corrente" && p.messaggi[0].pulsanti == Pulsanti::salvaNonSalvareAnnulla);
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

TEST(Ripristino, AKilledRunsAnswersAreOfferedALiveRunsAreNotTouched) {
    CartellaTemporanea t;
    const std::string puzzle = t.scrivi("p.trmo", schema);
    const std::string risposte = prova::fileTrmo({"CASA", "A#RE"}, {"CA..", ".#.."}, {"  1  11-Casa"});
    const long long morto = prova::pidMorto();
    const std::string abbandonata = lascia(t, "qdv_AAAAAA.tmp", risposte, puzzle, morto);
    const std::string viva = lascia(t, "qdv_BBBBBB.tmp", risposte, puzzle, ::getpid());
    const std::string uguale = lascia(t, "qdv_CCCCCC.tmp", schema, puzzle, morto);
    const std::string rotta = lascia(t, "qdv_DDDDDD.tmp", "", puzzle, morto);
    const std::string vecchia = lascia(t, "qdv_EEEEEE.tmp", risposte, puzzle, morto);
    const std::string senzaNota = t.scrivi("qdv_FFFFFF.tmp", risposte);
    const std::string recenteSenzaNota = t.scrivi("qdv_GGGGGG.tmp", risposte);
    const QDateTime passato = QDateTime::currentDateTime().addDays(-31);
    for (const std::string& f : {vecchia, senzaNota}) {
        QFile q(QString::fromStdString(f));
        ASSERT_TRUE(q.open(QIODevice::ReadWrite));
        ASSERT_TRUE(q.setFileTime(passato, QFileDevice::FileModificationTime));
    }

    const std::vector<CopiaAbbandonata> copie = copieAbbandonate(t.percorso(), std::time(nullptr));
    ASSERT_EQ(copie.size(), 1u);
    EXPECT_TRUE(copie[0].lavoro == abbandonata && copie[0].schema == puzzle);
    const std::string domanda = domandaRipristino(copie[0]);
    EXPECT_EQ(domanda.rfind("Ripristinare le risposte non salvate di p.trmo (", 0), 0u) << domanda;
    EXPECT_EQ(domanda.back(), '?');
    // The live run keeps everything; the equal, broken and old leftovers went quietly.
    EXPECT_TRUE(esisteFile(viva) && esisteFile(viva + ".nota") && esisteFile(recenteSenzaNota));
    for (const std::string& f : {uguale, rotta, vecchia, senzaNota}) EXPECT_FALSE(esisteFile(f) || esisteFile(f + ".nota")) << f;

    // Yes: the puzzle comes back with those answers, marked as changed; the leftover goes.
    Stato s;
    s.fileLavoro = t.percorso("qdv_MIO000.tmp");
    PiattaformaRegistro p;
    ASSERT_TRUE(ripristinaCopia(s, p, copie[0]));
    EXPECT_TRUE(s.nomeFile == puzzle && s.fileModificato && s.grigliaAttiva == 1);
    EXPECT_EQ(prova::inserimenti(s), (std::vector<std::string>{"CA..", ".#.."}));
    EXPECT_FALSE(esisteFile(abbandonata) || esisteFile(abbandonata + ".nota"));
    EXPECT_EQ(t.leggi("qdv_MIO000.tmp"), risposte);
    // Our own copy now carries a note of a live run: the next scan leaves it alone.
    EXPECT_TRUE(copieAbbandonate(t.percorso(), std::time(nullptr)).empty());
    EXPECT_TRUE(esisteFile(s.fileLavoro));
}
