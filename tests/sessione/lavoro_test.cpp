// The open puzzle's session: keys, the working copy and its failures, every format opened and saved,
// Annulla; a killed run's answers offered back, the player's data, locks, notes, interrupted saves.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QSysInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <ctime>
#include <filesystem>
#include <functional>

#include "formats/formato.h"
#include "formats/jpz.h"
#include "formats/puz.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "sessione/blocco.h"
#include "sessione/sessione.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;
using Righe = std::vector<std::string>;
using Nomi = std::vector<std::string>;

namespace {

// CASA / A#RE with the entries given ('.' empty), as a .trmo.
std::string schemaCon(const Righe& voci) { return prova::fileTrmo({"CASA", "A#RE"}, voci, {"  1  11-Casa"}); }
const std::string schema = schemaCon({}), risposte = schemaCon({"CA..", ".#.."});

// CASA / A#RE as a .puz carrying `secondi` in LTIM.
std::string puz(std::optional<std::int64_t> secondi) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    x.secondiFile = secondi;
    return FormatoPuz().scrivi(x);
}

int modo(const std::string& percorso) {
    struct stat st {};
    return ::stat(percorso.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 0777) : -1;
}

// Those of `file` on disk: one comparison names whatever stayed or went.
Nomi presenti(const Nomi& file) {
    Nomi ci;
    for (const std::string& f : file)
        if (esisteFile(f)) ci.push_back(f);
    return ci;
}

void invecchia(const std::string& f, int secondi) {
    QFile q(QString::fromStdString(f));
    ASSERT_TRUE(q.open(QIODevice::ReadWrite));
    ASSERT_TRUE(q.setFileTime(QDateTime::currentDateTime().addSecs(-secondi), QFileDevice::FileModificationTime));
}

// A session on a temporary folder, driven as the keys and the event loop would.
struct Tavolo : ::testing::Test {
    CartellaTemporanea t;
    PiattaformaRegistro p;
    std::unique_ptr<Sessione> sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));

    // Until the copy a change asked for is written (its timer fires a moment after the change).
    void finitoInput() {
        const QDeadlineTimer limite(10000);
        while (sessione->copiaInAttesa() && !limite.hasExpired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    // Types `lettere` from where the cursor is, or across from (colonna, 1).
    void digita(const std::string& lettere, int colonna = 0) {
        if (colonna) sessione->impostaPosizione({colonna, 1, Direzione::orizzontale});
        for (char c : lettere) sessione->tasto(TastoGriglia::carattere, static_cast<char32_t>(c), false);
    }
    Righe righe() const { return prova::inserimenti(sessione->cruciverba()); }
    // The puzzle in a file of the folder (or at a full path), as read back.
    Cruciverba letto(const std::string& file) const { return leggiCruciverba(file, t.leggi(file)).cruciverba; }
};

// A puzzle open, its working copy beside it.
struct Banco : Tavolo {
    void SetUp() override {
        sessione->impostaFileLavoro(t.percorso("qdv_prova.tmp"));
        ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    }
    Righe copia() const { return prova::inserimenti(letto("qdv_prova.tmp")); }
};

// What a run that ended left: its working copy and the note beside it.
struct Avanzo {
    std::string schema = {};  // the puzzle it was made over
    int eta = 60;             // seconds since the copy was last written
    std::string dati = risposte;
    long long pid = 0;  // the run's; a killed one when 0
    Partita partita = {};
    std::string impronta = {}, destinazione = {};
};

// The runtime and cache folders of a player of its own; the session's clock stands at 0.
struct Giocatore : Tavolo {
    void SetUp() override {
        std::filesystem::create_directory(t.percorso("run"));
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(t.percorso("run")));
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(t.percorso("cache")));
    }
    // Types across from (colonna, 1) and lets the copy be written.
    void digita(const std::string& lettere, int colonna = 1) { Tavolo::digita(lettere, colonna), finitoInput(); }
    std::string copie() const { return t.percorso("run/quadrivo"); }
    std::string lascia(const std::string& nome, const Avanzo& a, const std::string& cartella = {}) {
        const std::string dove = cartella.empty() ? copie() : cartella, lavoro = dove + "/" + nome;
        EXPECT_TRUE(creaCartella(dove));
        EXPECT_TRUE(scriviFileSicuro(lavoro, a.dati));
        const NotaLavoro nota{a.schema, a.pid ? a.pid : prova::pidMorto(), 0, a.partita, a.impronta, a.destinazione};
        EXPECT_TRUE(scriviFileSicuro(percorsoNota(lavoro), testoNota(nota)));
        invecchia(lavoro, a.eta);
        return lavoro;
    }
    std::vector<CopiaAbbandonata> offerte() const { return copieAbbandonate(copie(), std::time(nullptr)); }
    // The start-up round that offers the leftovers, as the window runs it.
    bool offri() { return sessione->offriCopie(copie(), std::time(nullptr), [] { return true; }); }
};

}  // namespace

// A puzzle opens on the first empty cell of its first word, until the player moves or types.
// The copy is no part of a key's handling: its timer writes it, once for the burst; a failed
// save writes a waiting one at once.
TEST_F(Banco, KeysSignalTheirCellsAndTheCopyWaitsForItsTimer) {
    EXPECT_EQ(sessione->posizione(), (Posizione{1, 1, Direzione::orizzontale}));
    EXPECT_TRUE(sessione->posizioneIniziale());
    sessione->impostaPosizione(sessione->posizione());  // chosen by the player, even where it was
    EXPECT_FALSE(sessione->posizioneIniziale());
    Sessione* q = sessione.get();
    QSignalSpy celle(q, &Sessione::celleCambiate), modificato(q, &Sessione::modificatoCambiato),
        posizione(q, &Sessione::posizioneCambiata);
    prova::DiscoGuasto conta(prova::Passo::nessuno);
    digita("ca");
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(sessione->copiaInAttesa());
    EXPECT_EQ(conta.tentativi, 0);
    digita("s");
    // The puzzle opened on this very cell, so no position signal (the keys' moves come with their cells).
    EXPECT_EQ(celle.size(), 3);
    EXPECT_EQ(modificato.size(), 1);
    EXPECT_EQ(posizione.size(), 0);
    EXPECT_EQ(celle[1][0].value<std::vector<Casella>>(), (std::vector<Casella>{{2, 1}}));
    EXPECT_EQ(sessione->posizione(), (Posizione{4, 1, Direzione::orizzontale}));
    finitoInput();
    EXPECT_FALSE(sessione->copiaInAttesa());
    EXPECT_EQ(conta.tentativi, 1);  // one copy for the three letters; its note has not changed
    EXPECT_EQ(copia(), (Righe{"CAS.", ".#.."}));
    // A key that moves without writing signals the position only.
    sessione->tasto(TastoGriglia::tab, 0, false);
    EXPECT_EQ(celle.size(), 3);
    EXPECT_EQ(posizione.size(), 1);
    // Annulla and Ripeti take the cursor where the change was.
    sessione->storia().undo();
    EXPECT_EQ(sessione->posizione(), (Posizione{3, 1, Direzione::orizzontale}));
    sessione->storia().redo();
    EXPECT_EQ(sessione->posizione(), (Posizione{3, 1, Direzione::orizzontale}));
    digita("A", 4);
    ASSERT_TRUE(sessione->copiaInAttesa());
    prova::DiscoGuasto guasto(prova::Passo::conferma);
    EXPECT_FALSE(sessione->salva());
    EXPECT_FALSE(sessione->copiaInAttesa());
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
    const std::string& lavoro = sessione->documento().fileLavoro;
    EXPECT_NE(m.find(lavoro.substr(0, lavoro.rfind('/'))), std::string::npos) << m;
    EXPECT_NE(m.find("Salva"), std::string::npos) << m;
    EXPECT_EQ(t.leggi("qdv_prova.tmp"), prima);
    EXPECT_EQ(righe(), (Righe{"CA..", ".#.."}));
    // Writing again: the copy catches up, and a later failure is told again.
    digita("S");
    finitoInput();
    EXPECT_EQ(copia(), (Righe{"CAS.", ".#.."}));
    prova::DiscoGuasto guasto(prova::Passo::conferma);
    digita("A");
    finitoInput();
    EXPECT_EQ(p.messaggi.size(), 2u);
}

// Salva writes what is in memory, even with the working copy's folder gone.
TEST_F(Banco, ARefusedFileChangesNothingAndSalvaWritesWhatIsInMemory) {
    digita("C", 1);
    finitoInput();
    const std::string copiaPrima = t.leggi("qdv_prova.tmp");
    QSignalSpy nuovo(sessione.get(), &Sessione::schemaCambiato);
    EXPECT_EQ(sessione->apri(t.scrivi("rotto.trmo", "x\r\n")), EsitoApertura::formatoNonValido);
    EXPECT_EQ(sessione->apri(t.scrivi("rotto.trmo", "a\r\nb\r\nc\r\nDimensioni:   2x 1\r\n[*[.\r\n")),
              EsitoApertura::tipoNonValido);
    EXPECT_EQ(sessione->apri(t.percorso("assente.trmo")), EsitoApertura::inesistente);
    EXPECT_EQ(sessione->nomeFile(), t.percorso("s.trmo"));
    EXPECT_EQ(sessione->cruciverba().cella(1, 1).voce, "C");
    EXPECT_EQ(t.leggi("qdv_prova.tmp"), copiaPrima);
    EXPECT_EQ(nuovo.size(), 0);
    EXPECT_TRUE(p.messaggi.empty());
    EXPECT_TRUE(sessione->modificato());
    EXPECT_TRUE(sessione->salva());
    EXPECT_FALSE(sessione->modificato());
    EXPECT_EQ(prova::inserimenti(letto("s.trmo"))[0], "C...");
    // Salva con nome, the working copy's folder gone: the user's file is what counts.
    digita("A");
    sessione->impostaCopiaSuperata(true);  // told already
    sessione->impostaFileLavoro(t.percorso("manca/qdv_prova.tmp"));
    EXPECT_EQ(sessione->salvaConNome(t.percorso(), "nuovo.trmo", "Io"), EsitoSalvataggio::salvato);
    EXPECT_TRUE(p.messaggi.empty());
    EXPECT_FALSE(sessione->modificato());
    EXPECT_EQ(sessione->nomeFile(), t.percorso("nuovo.trmo"));
    const Cruciverba nuovoFile = letto("nuovo.trmo");
    EXPECT_EQ(nuovoFile.autore, "Io");
    EXPECT_EQ(prova::inserimenti(nuovoFile)[0], "CA..");
}

// A revealed letter takes its wrong letter's mark along and counts as revealed.
TEST_F(Banco, ARevealTakesTheMarkAway) {
    digita("CX", 1);
    sessione->controlla(caselleBianche(sessione->cruciverba()));
    sessione->rivela({{2, 1}});
    EXPECT_EQ(sessione->partita().segni().size(), 0u);
    EXPECT_EQ(sessione->partita().rivelate().size(), 1u);
}

// Pause stops the clock and hides the grid; the preview takes the area until it closes.
TEST_F(Banco, PauseStopsTheClockAndThePreviewIsOneModeChange) {
    QSignalSpy modo(sessione.get(), &Sessione::modoCambiato);
    sessione->impostaPausa(true);
    EXPECT_TRUE(sessione->inPausa());
    EXPECT_FALSE(sessione->partita().cronometro().inCorso());
    sessione->impostaModo(ModoVista::anteprima);
    sessione->impostaModo(ModoVista::anteprima);
    EXPECT_EQ(modo.size(), 1);
    EXPECT_EQ(sessione->modo(), ModoVista::anteprima);
}

// Everything of the solve a step can change: letters (pencil in lower case), marks, reveals,
// the solve noticed, the clock and whether it runs, and the modified mark.
struct StatoGioco {
    Righe lettere;
    Segni segni;
    Rivelate rivelate;
    bool risolto = false;
    std::int64_t millisecondi = 0;
    bool inCorso = false;
    bool modificato = false;
    friend bool operator==(const StatoGioco&, const StatoGioco&) = default;
};

void PrintTo(const StatoGioco& g, std::ostream* os) {
    for (const std::string& riga : g.lettere) *os << riga << "/";
    *os << " segni " << g.segni.size() << " rivelate " << g.rivelate.size() << (g.risolto ? " risolto" : "") << " "
        << g.millisecondi << " ms" << (g.inCorso ? " in corso" : " fermo") << (g.modificato ? " *" : "");
}

// Each command is one step: undone, the whole state before it comes back, with no congratulation;
// redone, the state after it. Time played stays counted; a solved grid gets its solve time back.
TEST_F(Banco, AnnullaPutsBackTheWholeStateOfEveryCommand) {
    const auto gioco = [&] {
        const PartitaInCorso& g = sessione->partita();
        return StatoGioco{righe(),           g.segni(),           g.rivelate(),          g.foto(p.ms).risolto,
                          sessione->tempo(), g.cronometro().inCorso(), sessione->modificato()};
    };
    const auto scrivi = [&](int c, int r, const std::string& lettere) {
        sessione->impostaPosizione({c, r, Direzione::orizzontale});
        Tavolo::digita(lettere);
    };
    const std::vector<Casella> tutte = caselleBianche(sessione->cruciverba());
    const SceltaParola casa{{"C", "A", "S", "A"}, "Casa"};
    const Posizione parola{1, 1, Direzione::orizzontale};
    // The grid CASA / A#RE solved at 50 s with one revealed letter.
    const auto risolto = [&] { scrivi(1, 1, "CASA"), scrivi(3, 2, "RE"), sessione->rivela({{1, 2}}); };
    struct Caso {
        const char* nome;
        std::function<void()> prepara, comando;
        std::int64_t annullato, ripetuto;  // the clock after Annulla (at 110 s) and Ripeti (at 113 s)
    };
    const std::vector<Caso> casi = {
        {"lettera", [&] { scrivi(1, 1, "CX"); }, [&] { digita("S"); }, 110'000, 113'000},
        {"matita", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->impostaMatita(true), digita("S"); }, 110'000, 113'000},
        // In ink over a pencil guess the letter becomes final, the same letter too.
        {"inchiostro", [&] { sessione->impostaMatita(true), scrivi(3, 1, "S"), sessione->impostaMatita(false); },
         [&] { digita("S", 3); }, 110'000, 113'000},
        {"cancella", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->tasto(TastoGriglia::cancellaIndietro, 0, false); },
         110'000, 113'000},
        {"dialogo", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->applicaDialogo(parola, casa); },
         110'000, 113'000},
        {"controlla", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->controlla(tutte); }, 110'000, 113'000},
        {"rivela lettera", [&] { scrivi(1, 1, "CX"), sessione->controlla(tutte); }, [&] { sessione->rivela({{2, 1}}); },
         110'000, 113'000},
        {"rivela parola", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->rivela({{1, 1}, {2, 1}, {3, 1}, {4, 1}}); },
         110'000, 113'000},
        // Solved by the reveal: the clock stood still from 100 s, and runs again once undone.
        {"rivela schema", [&] { scrivi(1, 1, "CX"), sessione->controlla(tutte); }, [&] { sessione->rivela(tutte); },
         103'000, 100'000},
        {"ultima lettera", [&] { scrivi(1, 1, "CASA"), sessione->rivela({{1, 2}}), scrivi(3, 2, "R"); },
         [&] { digita("E"); }, 103'000, 100'000},
        {"azzera", [&] { scrivi(1, 1, "CX"), sessione->controlla(tutte), sessione->rivela({{4, 1}}); },
         [&] { sessione->azzera(); }, 110'000, 13'000},
        {"azzera risolto", risolto, [&] { sessione->azzera(); }, 50'000, 3'000},
    };
    for (size_t i = 0; i < casi.size(); ++i) {
        const Caso& caso = casi[i];
        SCOPED_TRACE(caso.nome);
        p.ms = 0;
        sessione->impostaMatita(false);
        ASSERT_EQ(sessione->apri(t.scrivi("caso" + std::to_string(i) + ".trmo", schema)), EsitoApertura::ok);
        p.ms = 50'000;
        caso.prepara();
        p.ms = 100'000;
        StatoGioco atteso = gioco();
        caso.comando();
        p.ms = 107'000;
        const StatoGioco dopo = gioco();
        QSignalSpy bravo(sessione.get(), &Sessione::risolto);
        sessione->storia().undo();
        p.ms = 110'000;
        atteso.millisecondi = caso.annullato;
        EXPECT_EQ(gioco(), atteso);
        sessione->storia().redo();
        p.ms = 113'000;
        atteso = dopo;
        atteso.millisecondi = caso.ripetuto;
        EXPECT_EQ(gioco(), atteso);
        EXPECT_EQ(bravo.size(), 0);
    }
}

// The time and the pencil guesses come back with the puzzle saved.
TEST_F(Banco, TheTimeAndPencilGuessesComeBackWithThePuzzle) {
    sessione->impostaMatita(true), digita("CA", 1);
    sessione->impostaMatita(false), digita("R", 3);
    p.ms = 7000;
    ASSERT_TRUE(sessione->salva());
    // The file holds the ink only; the guesses went to the player's data.
    EXPECT_EQ(prova::inserimenti(letto("s.trmo")), (Righe{"..R.", ".#.."}));
    const Partita kept = sessione->archivio().leggi(t.percorso("s.trmo"), improntaSoluzione(sessione->cruciverba()));
    EXPECT_EQ(kept.lettereMatita, (Segni{{{1, 1}, "C"}, {{2, 1}, "A"}}));
    sessione.reset();
    sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));
    ASSERT_EQ(sessione->apri(t.percorso("s.trmo")), EsitoApertura::ok);
    EXPECT_EQ(righe(), (Righe{"caR.", ".#.."}));
    EXPECT_EQ(sessione->tempo(), 7000);
    // A guess the file has been given ink for meanwhile stays ink.
    t.scrivi("s.trmo", schemaCon({"CAR.", ".#.."}));
    ASSERT_EQ(sessione->apri(t.percorso("s.trmo")), EsitoApertura::ok);
    EXPECT_EQ(righe(), (Righe{"CAR.", ".#.."}));
}

// A kill: the working copy holds no guess, its note does, and restoring brings them back; the
// restored puzzle's own copy carries a live note and is not offered again.
TEST_F(Giocatore, PencilGuessesOfAKilledRunComeBackFromTheNote) {
    Partita guesses;
    guesses.matita = {{1, 1}};
    guesses.lettereMatita = {{{1, 1}, "C"}};
    lascia("qdv_MATITA.tmp", {.schema = t.scrivi("p.trmo", schema), .dati = schema, .partita = guesses});
    const std::vector<CopiaAbbandonata> c = offerte();
    ASSERT_EQ(c.size(), 1u);
    ASSERT_TRUE(sessione->ripristina(c[0]));
    finitoInput();
    EXPECT_EQ(sessione->modo(), ModoVista::griglia);
    EXPECT_EQ(righe().front(), "c...");
    EXPECT_EQ(prova::inserimenti(letto(sessione->documento().fileLavoro)).front(), "....");
    const std::optional<NotaLavoro> nota = leggiNota(t.leggi(percorsoNota(sessione->documento().fileLavoro)));
    ASSERT_TRUE(nota.has_value());
    EXPECT_EQ(nota->partita.lettereMatita, guesses.lettereMatita);
    EXPECT_TRUE(offerte().empty());
}

TEST(Modifiche, TheQuestionBeforeLeaving) {
    Documento d;
    d.nomeFile = "/giochi/prova.trmo";
    PiattaformaRegistro p;
    EXPECT_EQ(chiediPrimaDiLasciare(d, false, p), Risposta::nonSalvare);
    EXPECT_TRUE(p.messaggi.empty());  // nothing to lose: not asked
    p.risposte = {Risposta::annulla};
    EXPECT_EQ(chiediPrimaDiLasciare(d, true, p), Risposta::annulla);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].testo, "Il file /giochi/prova.trmo è cambiato, si desidera salvare?");
    EXPECT_EQ(p.messaggi[0].titolo, "Modifica del file corrente");
    EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::salvaNonSalvareAnnulla);
    for (const char* nome : {"", "NUOVOCRU.trmo"}) EXPECT_EQ(decisioneSalva(nome), AzioneSalva::salvaConNome) << nome;
    EXPECT_EQ(decisioneSalva("/giochi/a.trmo"), AzioneSalva::scrivi);
}

// A lock is what QLockFile writes, held as QLockFile holds it: other windows read it as theirs.
TEST(Blocco, ReadByQLockFileAsOneOfItsOwn) {
    QTemporaryDir cartella;
    const QString nostro = cartella.filePath("a.lock"), suo = cartella.filePath("b.lock");
    Blocco b(nostro);
    ASSERT_EQ(b.prendi(), Blocco::Esito::preso);
    QLockFile q(suo);
    ASSERT_TRUE(q.tryLock(0));
    QFile a(nostro), c(suo);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(c.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), c.readAll());
    EXPECT_EQ(QFileInfo(nostro).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions{});
    QLockFile altro(nostro);
    altro.setStaleLockTime(0);
    EXPECT_FALSE(altro.tryLock(0));
    EXPECT_EQ(altro.error(), QLockFile::LockFailedError);
    b.lascia();
    EXPECT_FALSE(QFile::exists(nostro));
}

// What stands at the lock's name decides: nothing or a dead run's lock is taken, a live one is
// not, a folder that is not there cannot hold one.
TEST(Blocco, TakenUnlessALiveRunHoldsIt) {
    QTemporaryDir cartella;
    const QString nome = cartella.filePath("s.lock");
    const std::string morto = std::to_string(prova::pidMorto()) + "\ntest_sessione\n" +
                              QSysInfo::machineHostName().toStdString() + "\n";
    enum Prima { niente, morta, viva, senzaCartella };
    const struct {
        Prima prima;
        Blocco::Esito esito;
    } casi[] = {{niente, Blocco::Esito::preso},
                {morta, Blocco::Esito::preso},
                {viva, Blocco::Esito::occupato},
                {senzaCartella, Blocco::Esito::impossibile}};
    for (const auto& k : casi) {
        QFile::remove(nome);
        Blocco altro(nome);
        if (k.prima == morta) ASSERT_TRUE(scriviFileSicuro(nome.toStdString(), morto));
        if (k.prima == viva) ASSERT_EQ(altro.prendi(), Blocco::Esito::preso);
        Blocco b(k.prima == senzaCartella ? cartella.filePath("manca/s.lock") : nome);
        EXPECT_EQ(b.prendi(), k.esito) << k.prima;
    }
}

TEST(Nota, RoundTripAndTheLivingProcess) {
    const NotaLavoro n{"/giochi/una prova.trmo", 4242, 987654};
    const std::optional<NotaLavoro> letta = leggiNota(testoNota(n));
    ASSERT_TRUE(letta.has_value());
    EXPECT_EQ(letta->schema, n.schema);
    EXPECT_EQ(letta->pid, n.pid);
    EXPECT_EQ(letta->avvio, n.avvio);
    for (const char* rotta : {"schema=/a.trmo\npid=x\n", "pid=12\n"}) EXPECT_FALSE(leggiNota(rotta)) << rotta;
    const NotaLavoro io = notaQuestoProcesso("/a.trmo");
    EXPECT_EQ(io.pid, ::getpid());
    EXPECT_TRUE(processoVivo(io.pid, io.avvio));
    EXPECT_FALSE(processoVivo(io.pid, io.avvio + 1));  // the same id, a newer process
    EXPECT_FALSE(processoVivo(prova::pidMorto(), 0));
    // A killed run whose parent has not reaped it yet.
    const pid_t zombi = ::fork();
    if (zombi == 0) ::_exit(0);
    siginfo_t esito{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(zombi), &esito, WEXITED | WNOWAIT), 0);
    EXPECT_FALSE(processoVivo(zombi, 0));
    ::waitpid(zombi, nullptr, 0);
}

// A .puz locked with 1234, its clock at its solving time: checks wait for Sblocca soluzione; Salva
// writes it unlocked, with the letters, the time and the marks other programs read.
TEST_F(Banco, APuzUnlocksAndKeepsItsTimeAndItsMarksForOtherPrograms) {
    // CASA / A#RE's letters down the columns
    const std::string chiuso = prova::puzChiuso(puz(42), {0, 4, 1, 2, 6, 3, 7}, 1234);
    ASSERT_EQ(sessione->apri(t.scrivi("m.puz", chiuso)), EsitoApertura::ok);
    EXPECT_GE(sessione->tempo(), 42000);
    ASSERT_EQ(p.messaggi.size(), 1u);  // the lock told, the file's time no sign of an edit
    EXPECT_NE(p.messaggi[0].testo.find("Sblocca soluzione"), std::string::npos) << p.messaggi[0].testo;
    EXPECT_TRUE(sessione->soluzioneBloccata());
    const std::pair<const char*, const char*> sbagliati[] = {
        {"12", "Il codice è di quattro cifre, da 0000 a 9999."},
        {"12a4", "Il codice è di quattro cifre, da 0000 a 9999."},
        {"4321", "Il codice 4321 non sblocca questa soluzione: controllare le cifre."},
    };
    for (const auto& [codice, motivo] : sbagliati) EXPECT_EQ(sessione->sblocca(codice), motivo);
    EXPECT_TRUE(sessione->soluzioneBloccata());
    EXPECT_FALSE(sessione->modificato());
    EXPECT_EQ(sessione->sblocca("1234"), "");
    EXPECT_FALSE(sessione->soluzioneBloccata());
    EXPECT_TRUE(sessione->modificato());
    EXPECT_EQ(sessione->sblocca("1234"), "La soluzione di questo schema non è cifrata.");
    digita("CX", 1);
    EXPECT_EQ(sessione->controlla({{1, 1}, {2, 1}}), (std::vector<Casella>{{2, 1}}));
    sessione->rivela({{3, 1}});
    EXPECT_EQ(sessione->cruciverba().cella(3, 1).voce, "S");
    ASSERT_TRUE(sessione->salva());
    EXPECT_FALSE(puzBloccato(letto("m.puz")));
    EXPECT_EQ(prova::inserimenti(letto("m.puz"))[0], "CXS.");
    EXPECT_GE(letto("m.puz").secondiFile.value_or(0), 42);
    EXPECT_EQ(letto("m.puz").segniFile.sbagliate, (std::set<Casella>{{2, 1}}));
    EXPECT_EQ(letto("m.puz").segniFile.rivelate, (std::set<Casella>{{3, 1}}));
    const std::string segnato = t.leggi("m.puz");
    // Put right, the mark becomes "wrong once".
    digita("A", 2);
    ASSERT_TRUE(sessione->salva());
    EXPECT_TRUE(letto("m.puz").segniFile.sbagliate.empty());
    EXPECT_EQ(letto("m.puz").segniFile.corrette, (std::set<Casella>{{2, 1}}));
    // A player with no data of their own on the puzzle sees the file's marks.
    sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("altri"));
    ASSERT_EQ(sessione->apri(t.scrivi("n.puz", segnato)), EsitoApertura::ok);
    EXPECT_EQ(sessione->partita().segni(), (Segni{{{2, 1}, "X"}}));
}

// A .jpz is saved as an .ipuz; a .puz that cannot hold its bars is refused with the reason.
TEST_F(Banco, AJpzIsSavedAsIpuzAndAPuzRefusesBars) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"});
    x.cella(1, 1).barre = barraDestra;
    ASSERT_EQ(sessione->apri(t.scrivi("b.jpz", FormatoJpz().scrivi(x))), EsitoApertura::ok);
    EXPECT_EQ(decisioneSalva(sessione->nomeFile()), AzioneSalva::salvaConNome);
    EXPECT_EQ(nomeProposto(sessione->documento()), t.percorso("b.ipuz"));
    EXPECT_EQ(motivoNomeProposto(sessione->documento()), "Il formato .jpz si legge soltanto: il cruciverba sarà salvato come .ipuz");
    EXPECT_EQ(sessione->salvaConNome(t.percorso(), "b.puz", "Io"), EsitoSalvataggio::errore);
    EXPECT_NE(p.messaggi.back().testo.find("non può contenere barre"), std::string::npos) << p.messaggi.back().testo;
    EXPECT_EQ(t.leggi("b.puz"), "");
    EXPECT_EQ(sessione->salvaConNome(t.percorso(), "b.ipuz", "Io"), EsitoSalvataggio::salvato);
    EXPECT_EQ(letto("b.ipuz").cella(1, 1).barre, barraDestra);
    EXPECT_EQ(motivoNomeProposto(sessione->documento()), "");
}

TEST_F(Banco, InsOpensACellForSeveralLettersThatChecksWhole) {
    const std::string ipuz = R"({"dimensions": {"width": 2, "height": 1}, "puzzle": [[1, 0]], "solution": [["OR", "A"]],
        "clues": {"Across": [[1, "Oro"]]}})";
    ASSERT_EQ(sessione->apri(t.scrivi("r.ipuz", ipuz)), EsitoApertura::ok);
    sessione->impostaPosizione({1, 1, Direzione::orizzontale});
    sessione->apriCella();
    digita("oxr");
    sessione->tasto(TastoGriglia::cancellaIndietro, 0, false);
    EXPECT_EQ(sessione->cruciverba().cella(1, 1).voce, "OX");
    sessione->tasto(TastoGriglia::cancellaIndietro, 0, false);
    digita("R");
    sessione->chiudiCella();
    digita("A");  // closed, the cursor went on to the next cell
    EXPECT_EQ(sessione->cruciverba().cella(1, 1).voce, "OR");
    EXPECT_EQ(sessione->cruciverba().cella(2, 1).voce, "A");
    EXPECT_TRUE(risolto(sessione->cruciverba()));  // whole cell values compared
    ASSERT_EQ(sessione->apri(t.scrivi("u.trmo", prova::fileTrmo({"CASA"}))), EsitoApertura::ok);
    sessione->impostaPosizione({1, 1, Direzione::orizzontale});
    sessione->apriCella();
    EXPECT_FALSE(sessione->cellaAperta());
}

TEST_F(Giocatore, CopiesLiveInAPrivateFolderWithAFallbackAndNeverAtTheRoot) {
    const std::string file = t.scrivi("un-file", "x");
    // The runtime and cache folders, where the copies go.
    const std::vector<std::array<std::string, 3>> casi = {
        {t.percorso("run"), t.percorso("cache"), t.percorso("run/quadrivo")},
        {t.percorso("manca"), t.percorso("cache"), t.percorso("cache/Quadrivo")},  // a runtime folder that is gone
        {file, t.percorso("cache"), t.percorso("cache/Quadrivo")},
        {"", t.percorso("cache"), t.percorso("cache/Quadrivo")},
        {"relativa", t.percorso("cache"), t.percorso("cache/Quadrivo")},
        {t.percorso("manca"), file + "/cache", ""},  // neither: no folder at all
    };
    for (const auto& [runtime, cache, attesa] : casi) {
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime));
        qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache));
        EXPECT_EQ(cartellaCopie(), attesa) << runtime;
        const std::string lavoro = nuovoFileLavoro();
        EXPECT_EQ(lavoro.empty(), attesa.empty());
        if (lavoro.empty()) continue;
        EXPECT_EQ(modo(attesa), 0700) << lavoro;
        EXPECT_EQ(modo(lavoro), 0600) << lavoro;
        cancellaCopiaLavoro(lavoro);
    }
    // With no folder the player is told once, and nothing is written anywhere.
    ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    digita("CA");
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_NE(p.messaggi[0].testo.find("~/.cache/Quadrivo"), std::string::npos);
    EXPECT_EQ(sessione->documento().fileLavoro, "");
    EXPECT_TRUE(sessione->documento().copiaLavoroSuperata);
    EXPECT_EQ(righe()[0], "CA..");
}

TEST_F(Giocatore, TheWorkingCopyIsTriedAgainAtEveryChangeAndSaysOnceItWorks) {
    ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    QSignalSpy avvisi(sessione.get(), &Sessione::avviso);
    {
        prova::DiscoGuasto guasto(prova::Passo::apertura);
        digita("C");
        digita("A", 2);
        EXPECT_EQ(p.messaggi.size(), 1u);  // told once
    }
    digita("S", 3);
    ASSERT_EQ(avvisi.size(), 1);
    EXPECT_NE(avvisi[0][0].value<std::string>().find("di nuovo"), std::string::npos);
    EXPECT_EQ(prova::inserimenti(letto(sessione->documento().fileLavoro))[0], "CAS.");
    // The runtime folder goes away under the run: the next change lands in the cache folder.
    std::filesystem::remove_all(t.percorso("run"));
    digita("A", 4);
    EXPECT_EQ(sessione->documento().fileLavoro.rfind(t.percorso("cache/Quadrivo/qdv_"), 0), 0u) << sessione->documento().fileLavoro;
    EXPECT_EQ(prova::inserimenti(letto(sessione->documento().fileLavoro))[0], "CASA");
    EXPECT_EQ(avvisi.size(), 1);
    EXPECT_EQ(p.messaggi.size(), 1u);
    // The note carries the time and the marks with the answers.
    p.ms = 8000;
    sessione->controlla({{2, 1}});
    sessione->chiudi(true);
    const std::optional<NotaLavoro> n = leggiNota(t.leggi(percorsoNota(sessione->documento().fileLavoro)));
    ASSERT_TRUE(n);
    EXPECT_TRUE(esisteFile(sessione->documento().fileLavoro));
    EXPECT_EQ(n->partita.millisecondi, 8000);
}

// Newest first; Più tardi keeps, Elimina deletes only after its confirmation, Ripristina opens
// with the time and marks and ends the round.
TEST_F(Giocatore, LeftoversAreOfferedNewestFirstAndKeptUntilThePlayerSays) {
    using R = Risposta;
    // The answers given, whether the newer leftover stays, whether its puzzle opened.
    const std::vector<std::tuple<std::vector<R>, bool, bool>> casi = {
        {{R::annulla, R::annulla}, true, false},
        {{R::nonSalvare, R::annulla, R::annulla}, true, false},  // the confirmation refused
        {{R::nonSalvare, R::ok, R::annulla}, false, false},
        {{R::ok}, false, true},
    };
    const std::string p1 = t.scrivi("uno.trmo", schema), p2 = t.scrivi("due.trmo", schema);
    const Partita partita{8000, {{{2, 1}, "A"}}, {{1, 1}}};
    for (const auto& [scelte, nuovaResta, aperta] : casi) {
        const std::string vecchia = lascia("qdv_VECCHI.tmp", {.schema = p1, .eta = 600}),
                          nuova = lascia("qdv_NUOVA0.tmp", {.schema = p2, .partita = partita});
        p.messaggi.clear();
        p.risposte.assign(scelte.begin(), scelte.end());
        EXPECT_EQ(offri(), aperta);
        ASSERT_GE(p.messaggi.size(), 1u);
        EXPECT_EQ(p.messaggi[0].testo.rfind("Ripristinare le risposte non salvate di due.trmo (", 0), 0u);
        EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::ripristinaPiuTardiElimina);
        EXPECT_EQ(p.messaggi.back().testo.find("uno.trmo") != std::string::npos, !aperta);
        EXPECT_EQ(presenti({vecchia, nuova, percorsoNota(nuova)}),
                  (nuovaResta ? Nomi{vecchia, nuova, percorsoNota(nuova)} : Nomi{vecchia}));
        if (aperta) {
            EXPECT_EQ(sessione->nomeFile(), p2);
            EXPECT_TRUE(sessione->modificato());
            EXPECT_EQ(sessione->tempo(), 8000);
            EXPECT_EQ(righe()[0], "CA..");
            EXPECT_EQ(sessione->partita().segni().size(), 1u);
            EXPECT_EQ(sessione->partita().rivelate().size(), 1u);
        }
        cancellaCopiaLavoro(vecchia);
        cancellaCopiaLavoro(nuova);
    }
}

// A killed run's answers are offered, newest first, whatever lock it left, told apart by what they
// hold; a live run's, one without its note yet and another user's stay; copies holding nothing a
// file on disk does not, and month-old ones, go.
TEST_F(Giocatore, WhatRunsLeftIsOfferedKeptOrRemoved) {
    const std::string puzzle = t.scrivi("p.trmo", schema), primo = improntaDati(schema);
    const std::string piu = schemaCon({"CAS.", ".#.."}), altrove = t.scrivi("altro.trmo", piu);
    const std::string lockMorto = std::to_string(prova::pidMorto()) + "\ntest_sessione\n" +
                                  QSysInfo::machineHostName().toStdString() + "\n";
    const int mese = 31 * 24 * 3600;
    const std::string ucciso = lascia("qdv_AAAAAA.tmp", {.schema = puzzle, .eta = 0});
    const std::string intatto =
        lascia("qdv_BBBBBB.tmp", {.schema = puzzle, .eta = 10, .dati = schemaCon({"CASA", ".#.."}), .impronta = primo});
    const std::string rotta = lascia("qdv_DDDDDD.tmp", {.schema = puzzle, .eta = 30});
    QFile(QString::fromStdString(percorsoNota(rotta))).resize(3);
    // Qt's helper lock for clearing a dead lock cannot be made, as when a folder stands at its name.
    const std::string bloccata = lascia("qdv_EEEEEE.tmp", {.schema = puzzle, .eta = 40});
    ASSERT_TRUE(scriviFileSicuro(bloccata + ".lock", lockMorto));
    std::filesystem::create_directory(bloccata + ".lock.rmlock");
    const std::string viva = lascia("qdv_FFFFFF.tmp", {.schema = puzzle, .pid = ::getpid()});
    QLockFile blocco(QString::fromStdString(viva + ".lock"));
    ASSERT_TRUE(blocco.tryLock(0));
    std::filesystem::create_directory(viva + ".lock.rmlock");
    const std::string recente = t.scrivi("run/quadrivo/qdv_GGGGGG.tmp", risposte);  // no note yet
    // Another user's: root, who reads anything, makes one with chown; elsewhere one nobody may read.
    const std::string altrui = lascia("qdv_HHHHHH.tmp", {.schema = puzzle});
    ASSERT_EQ(::geteuid() == 0 ? ::chown(altrui.c_str(), 65534, 65534) : ::chmod(altrui.c_str(), 0), 0);
    Nomi via = {lascia("qdv_IIIIII.tmp", {.schema = puzzle, .dati = schema}),
                lascia("qdv_JJJJJJ.tmp", {.schema = puzzle, .dati = ""}),
                lascia("qdv_KKKKKK.tmp", {.schema = puzzle, .eta = mese}),
                // Saved since with more; held whole by the file a save was writing.
                lascia("qdv_LLLLLL.tmp", {.schema = t.scrivi("q.trmo", piu), .impronta = primo}),
                lascia("qdv_MMMMMM.tmp", {.schema = puzzle, .impronta = primo, .destinazione = altrove})};
    for (size_t i = 0, n = via.size(); i < n; ++i) via.push_back(percorsoNota(via[i]));
    via.push_back(t.scrivi("run/quadrivo/qdv_NNNNNN.tmp", risposte));  // a month old without its note
    invecchia(via.back(), mese);
    const std::vector<CopiaAbbandonata> c = offerte();
    Nomi offerti;
    for (const CopiaAbbandonata& k : c) offerti.push_back(k.lavoro);
    EXPECT_EQ(offerti, (Nomi{ucciso, intatto, rotta, bloccata}));
    ASSERT_EQ(c.size(), 4u);
    EXPECT_NE(domandaRipristino(c[0]).find(")?"), std::string::npos) << domandaRipristino(c[0]);
    EXPECT_EQ(c[0].lettere, 2);
    EXPECT_EQ(c[1].lettere, 4);
    EXPECT_NE(domandaRipristino(c[1]).find("4 lettere"), std::string::npos) << domandaRipristino(c[1]);
    EXPECT_NE(domandaRipristino(c[2]).find("NUOVOCRU.trmo"), std::string::npos) << domandaRipristino(c[2]);
    const Nomi restano = {viva, percorsoNota(viva), recente, altrui, percorsoNota(altrui)};
    EXPECT_EQ(presenti(restano), restano);
    EXPECT_EQ(presenti(via), Nomi{});
}

// A run that fell back to the cache folder left its copies there: they are offered too.
TEST_F(Giocatore, LeftoversInTheOtherFolderAreOffered) {
    lascia("qdv_CACHE0.tmp", {.schema = t.scrivi("p.trmo", schema)}, t.percorso("cache/Quadrivo"));
    p.risposte = {Risposta::annulla};
    EXPECT_FALSE(offri());
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_NE(p.messaggi[0].testo.find("p.trmo"), std::string::npos);
}

// A restored leftover goes once its answers are safe in a copy; a stale copy once Salva holds them.
TEST_F(Giocatore, LeftoversAndStaleCopiesGoOnceTheAnswersAreSafe) {
    const std::string lavoro = lascia("qdv_UCCISO.tmp", {.schema = t.scrivi("p.trmo", schema)});
    const std::vector<CopiaAbbandonata> c = offerte();
    ASSERT_EQ(c.size(), 1u);
    {
        prova::DiscoGuasto guasto(prova::Passo::svuotamento);
        ASSERT_TRUE(sessione->ripristina(c[0]));
        finitoInput();
    }
    EXPECT_TRUE(esisteFile(lavoro));
    digita("X", 3);  // the copy lands: the leftover is no longer the only place of the answers
    EXPECT_EQ(presenti({lavoro, percorsoNota(lavoro)}), Nomi{});
    const std::string copia = sessione->documento().fileLavoro;
    {
        prova::DiscoGuasto pieno(prova::Passo::svuotamento);
        digita("E", 4);
    }
    ASSERT_TRUE(sessione->documento().copiaLavoroSuperata);
    ASSERT_TRUE(esisteFile(copia));
    ASSERT_TRUE(sessione->salva());
    EXPECT_EQ(presenti({copia, percorsoNota(copia)}), Nomi{});
    EXPECT_TRUE(sessione->documento().fileLavoro.empty());
}

// Salva con nome of a .jpz as an .ipuz: the copy goes with the save, and a run ended while the
// note named the .ipuz leaves nothing to offer for the .jpz.
TEST_F(Giocatore, SalvaConNomeLeavesNoLeftoverForTheOldName) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    const std::string jpz = t.scrivi("b.jpz", FormatoJpz().scrivi(x));
    ASSERT_EQ(sessione->apri(jpz), EsitoApertura::ok);
    digita("CA");
    const std::string copia = sessione->documento().fileLavoro;
    ASSERT_EQ(sessione->salvaConNome(t.percorso(), "b.ipuz", "Io"), EsitoSalvataggio::salvato);
    EXPECT_FALSE(esisteFile(copia));
    // As if the run had ended between the save and the copy's removal.
    lascia("qdv_JPZ000.tmp", {.schema = jpz, .dati = FormatoJpz().scrivi(sessione->cruciverba()),
                              .impronta = improntaDati(t.leggi("b.jpz")), .destinazione = t.percorso("b.ipuz")});
    EXPECT_TRUE(offerte().empty());
}

// An edited clue reaches Salva in every format, and a leftover holding only that edit is offered.
TEST_F(Giocatore, EditedCluesAreSavedAndOffered) {
    const std::string ipuz = R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
        "dimensions": {"width": 4, "height": 1}, "puzzle": [[1, 0, 0, 0]], "clues": {"Across": [[1, "Casa"]]}})";
    for (const auto& [nome, dati] : {std::pair{"s.ipuz", ipuz}, {"s.trmo", prova::fileTrmo({"CASA"}, {}, {"  1  11-Casa"})}}) {
        SCOPED_TRACE(nome);
        const std::string percorso = t.scrivi(nome, dati);
        ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
        sessione->applicaDialogo({1, 1, Direzione::orizzontale}, SceltaParola{{}, "Dimora"});
        finitoInput();
        ASSERT_TRUE(sessione->modificato());
        // Had the run ended here, its copy would be a leftover offered for the edited clue alone.
        const std::optional<NotaLavoro> n = leggiNota(t.leggi(percorsoNota(sessione->documento().fileLavoro)));
        ASSERT_TRUE(n);
        const std::string copia = lascia("qdv_DEFINI.tmp", {.schema = percorso, .dati = t.leggi(sessione->documento().fileLavoro),
                                                            .impronta = n->impronta});
        const std::vector<CopiaAbbandonata> c = offerte();
        ASSERT_EQ(c.size(), 1u);
        EXPECT_NE(domandaRipristino(c[0]).find("1 definizione modificata"), std::string::npos) << domandaRipristino(c[0]);
        ASSERT_TRUE(sessione->salva());
        EXPECT_EQ(letto(nome).elenchi.at(0).definizioni.at(0).testo, "Dimora");
        cancellaCopiaLavoro(copia);
        sessione->chiudi(false);
    }
}

// Answers kept for later come back when their puzzle is opened again, not only at the next start.
TEST_F(Giocatore, AnswersKeptForLaterAreOfferedWhenThePuzzleOpens) {
    const std::string puzzle = t.scrivi("p.trmo", schema);
    lascia("qdv_DOPO00.tmp", {.schema = puzzle, .impronta = improntaDati(schema)});
    p.risposte = {Risposta::annulla};  // Più tardi at the start
    EXPECT_FALSE(offri());
    p.messaggi.clear();
    p.risposte = {Risposta::ok};
    ASSERT_EQ(sessione->apri(puzzle), EsitoApertura::ok);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::ripristinaPiuTardiElimina);
    EXPECT_TRUE(sessione->modificato());
    EXPECT_EQ(righe()[0], "CA..");
    // Another puzzle's leftovers are not this one's business.
    p.messaggi.clear();
    ASSERT_EQ(sessione->apri(t.scrivi("q.trmo", schema)), EsitoApertura::ok);
    EXPECT_TRUE(p.messaggi.empty());
}

// A killed run can leave two copies of one puzzle, and a file given on the command line opens
// before the start-up round: either way the player is asked once.
TEST_F(Giocatore, OnePuzzlesLeftoversAreAskedAboutOnce) {
    using R = Risposta;
    // Two leftovers or one; opened first (as from the command line); the start-up round after;
    // the answers.
    const std::vector<std::tuple<bool, bool, bool, std::vector<R>>> casi = {
        {true, false, true, {R::annulla}},
        {true, true, false, {R::annulla}},
        {true, true, true, {R::annulla}},
        {true, true, true, {R::nonSalvare, R::ok}},
        {false, true, true, {R::ok}},
        {false, true, true, {R::annulla}},
    };
    const std::string puzzle = t.scrivi("p.trmo", schema);
    for (const auto& [due, aperto, giro, scelte] : casi) {
        SCOPED_TRACE(testing::Message() << due << aperto << giro << scelte.size());
        sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));
        const std::string nuova = lascia("qdv_NUOVA0.tmp", {.schema = puzzle});
        const std::string vecchia = due ? lascia("qdv_VECCHI.tmp", {.schema = puzzle, .eta = 600}) : std::string{};
        p.messaggi.clear();
        p.risposte.assign(scelte.begin(), scelte.end());
        if (aperto) ASSERT_EQ(sessione->apri(puzzle), EsitoApertura::ok);
        if (giro) offri();
        size_t chieste = 0;
        for (const auto& m : p.messaggi) chieste += m.testo.rfind("Ripristinare", 0) == 0;
        EXPECT_EQ(chieste, 1u);
        EXPECT_EQ(p.messaggi.size(), scelte.size());
        cancellaCopiaLavoro(nuova);
        if (due) cancellaCopiaLavoro(vecchia);
    }
}

// The working copy's failure speaks of the working copy; a read-only puzzle is called so.
TEST_F(Giocatore, MessagesSayWhatHappened) {
    for (const std::string& cartella : {std::string{}, std::string("/run/quadrivo")}) {
        const std::string m = messaggioCopiaLavoro(cartella);
        EXPECT_EQ(m.find("desktop"), std::string::npos) << m;
        EXPECT_NE(m.find("copia di lavoro"), std::string::npos) << m;
    }
    const std::string percorso = t.scrivi("s.trmo", schema);
    ASSERT_EQ(::chmod(percorso.c_str(), 0444), 0);
    ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
    digita("C");
    if (::geteuid() == 0) {  // root may write anything: the file is replaced and keeps its mode
        ASSERT_TRUE(sessione->salva());
        EXPECT_EQ(modo(percorso), 0444);
        return;
    }
    p.messaggi.clear();
    EXPECT_FALSE(sessione->salva());
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_NE(p.messaggi[0].testo.find("sola lettura"), std::string::npos) << p.messaggi[0].testo;
}

// What a save leaves: the player's data private, the puzzle replaced with its mode, and the
// litter of interrupted saves gone (the copies' modes are CopiesLiveInAPrivateFolder's).
TEST_F(Giocatore, ASaveKeepsTheModesAndClearsTheLitterOfInterruptedSaves) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(t.percorso("config")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(t.percorso("config")));
    const std::string puzzle = t.scrivi("s.trmo", schema);
    ASSERT_EQ(::chmod(puzzle.c_str(), 0640), 0);
    // The name, the age, whether it stays.
    const std::vector<std::tuple<std::string, int, bool>> casi = {
        {"s.trmo.Ab3dE1", 120, false},
        {"s.trmo.nuovo", 120, false},
        {".quadrivo-" + std::to_string(prova::pidMorto()) + ".tmp", 120, false},
        {"s.trmo.Xy12Z9", 0, true},    // a save going on right now (held open below)
        {"s.trmo.Qw34Rt", 0, false},   // a save that ended with its run a moment ago
        {"s.trmo.backup", 120, true},  // a name somebody chose
        {"altro.trmo.Ab3dE1", 120, true},
        {".quadrivo-" + std::to_string(::getpid()) + ".tmp", 120, true},
    };
    for (const auto& [nome, eta, resta] : casi) invecchia(t.scrivi(nome, "x"), eta);
    QFile inCorso(QString::fromStdString(t.percorso("s.trmo.Xy12Z9")));
    ASSERT_TRUE(inCorso.open(QIODevice::ReadWrite));
    ASSERT_EQ(sessione->apri(puzzle), EsitoApertura::ok);
    digita("C");
    const std::string copia = sessione->documento().fileLavoro;
    sessione->impostazioni().salvaOpzione("prova", 1);
    ASSERT_TRUE(sessione->salva());
    for (const auto& [nome, eta, resta] : casi) EXPECT_EQ(esisteFile(t.percorso(nome)), resta) << nome;
    const std::vector<std::pair<std::string, int>> modi = {
        {t.percorso("dati"), 0700},
        {sessione->archivio().percorsoFile(), 0600},
        {t.percorso("config/Quadrivo"), 0700},
        {t.percorso("config/Quadrivo/Quadrivo.conf"), 0600},
        {puzzle, 0640},
    };
    for (const auto& [percorso, atteso] : modi) EXPECT_EQ(modo(percorso), atteso) << percorso;
    digita("A", 2);
    EXPECT_NE(sessione->documento().fileLavoro, copia);  // a new copy after the save
}

// Salva over a file changed on disk since it was read asks first; the answer decides.
TEST_F(Giocatore, SalvaAsksWhenTheFileChangedOnDisk) {
    const std::string altro = prova::fileTrmo({"ORO"}, {}, {"  1  11-Metallo"});
    // The answer, whether the file was overwritten, how often Salva con nome was asked for.
    for (const auto& [risposta, sovrascritto, salvaConNome] :
         {std::tuple{Risposta::annulla, false, 0}, {Risposta::nonSalvare, false, 1}, {Risposta::ok, true, 0}}) {
        SCOPED_TRACE(sovrascritto + salvaConNome);
        const std::string percorso = t.scrivi("s.trmo", schema);
        ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
        digita("C");
        ASSERT_TRUE(sessione->salva());  // unchanged on disk: not asked
        digita("A", 2);
        t.scrivi("s.trmo", altro);
        QSignalSpy nome(sessione.get(), &Sessione::salvaConNomeRichiesto);
        const std::string impronta = sessione->documento().improntaFile;
        p.messaggi.clear();
        p.risposte = {risposta};
        EXPECT_EQ(sessione->salva(), sovrascritto);
        EXPECT_EQ(sessione->documento().improntaFile == impronta, !sovrascritto);  // asked again next time
        ASSERT_EQ(p.messaggi.size(), 1u);
        EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::sovrascriviSalvaConNomeAnnulla);
        EXPECT_EQ(t.leggi("s.trmo") == altro, !sovrascritto);
        EXPECT_EQ(nome.size(), salvaConNome);
        EXPECT_EQ(sessione->modificato(), !sovrascritto);
    }
}

// A leftover remembers the file it was made over. Saved since: offered as a copy beside it,
// never over it; unchanged: restored in place, and Salva asks if the file changes afterwards.
TEST_F(Giocatore, ARestoreNeverReplacesANewerSave) {
    const std::string puzzle = t.scrivi("p.trmo", schema), salvato = schemaCon({"...A", ".#.."});
    // The file saved after the leftover, or changed after the restore; the restore's buttons;
    // the name the answers open under.
    const std::vector<std::tuple<bool, bool, Pulsanti, std::string>> casi = {
        {true, false, Pulsanti::ripristinaCopiaPiuTardiElimina, t.percorso("p (copia).trmo")},
        {false, false, Pulsanti::ripristinaPiuTardiElimina, puzzle},
        {false, true, Pulsanti::ripristinaPiuTardiElimina, puzzle},
    };
    for (const auto& [prima, dopo, pulsanti, nome] : casi) {
        SCOPED_TRACE(testing::Message() << prima << dopo);
        t.scrivi("p.trmo", prima ? salvato : schema);
        lascia("qdv_PRIMA0.tmp", {.schema = puzzle, .impronta = improntaDati(schema)});
        p.messaggi.clear();
        p.risposte = {Risposta::ok, Risposta::annulla};  // Ripristina; Annulla if Salva asks
        ASSERT_TRUE(offri());
        EXPECT_EQ(p.messaggi.at(0).pulsanti, pulsanti);
        EXPECT_EQ(p.messaggi[0].testo.find("(copia)") != std::string::npos, prima) << p.messaggi[0].testo;
        EXPECT_EQ(sessione->nomeFile(), nome);
        EXPECT_TRUE(sessione->modificato());
        EXPECT_EQ(righe()[0], "CA..");
        if (dopo) t.scrivi("p.trmo", salvato);
        EXPECT_EQ(sessione->salva(), !dopo);
        EXPECT_EQ(p.messaggi.back().pulsanti, dopo ? Pulsanti::sovrascriviSalvaConNomeAnnulla : pulsanti);
        EXPECT_EQ(t.leggi("p.trmo"), prima || dopo ? salvato : risposte);
        sessione->chiudi(false);
    }
}

// A game on a .trmo keeps its copy as ipuz: after a kill it comes back as the game, whether the note
// names the copy's format or (an older run's) the bytes tell it; the .trmo is never touched.
TEST_F(Giocatore, AGameOnATrmoComesBackAfterAKill) {
    const std::string puzzle = t.scrivi("p.trmo", schema), lavoro = copie() + "/qdv_UCCISO.tmp";
    for (const bool notaConFormato : {true, false}) {
        SCOPED_TRACE(notaConFormato);
        sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));
        ASSERT_EQ(sessione->apri(puzzle), EsitoApertura::ok);
        ASSERT_EQ(sessione->giocaCome(Variante::senzaSchema), "");
        digita("CA", 1);
        sessione->impostaPosizione({2, 2, Direzione::orizzontale});
        sessione->tasto(TastoGriglia::carattere, U'.', false);
        finitoInput();
        // The kill: the copy and its note stay behind, under a dead run's id.
        std::optional<NotaLavoro> nota = leggiNota(t.leggi(percorsoNota(sessione->documento().fileLavoro)));
        ASSERT_TRUE(nota.has_value());
        EXPECT_EQ(nota->formato, "ipuz");
        nota->pid = prova::pidMorto();
        if (!notaConFormato) nota->formato.clear();
        ASSERT_TRUE(scriviFileSicuro(lavoro, t.leggi(sessione->documento().fileLavoro)));
        ASSERT_TRUE(scriviFileSicuro(percorsoNota(lavoro), testoNota(*nota)));
        sessione.reset();
        sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));
        const std::vector<CopiaAbbandonata> c = offerte();
        ASSERT_EQ(c.size(), 1u);
        ASSERT_TRUE(sessione->ripristina(c[0]));
        EXPECT_EQ(sessione->nomeFile(), puzzle);
        EXPECT_EQ(sessione->cruciverba().variante, Variante::senzaSchema);
        EXPECT_EQ(righe(), (Righe{"CA..", ".#.."}));
        EXPECT_TRUE(sessione->modificato());
        EXPECT_EQ(t.leggi("p.trmo"), schema);
        sessione->chiudi(false);
    }
}

// The lock follows the file, not the path: a folder reached by a link holds the same puzzle.
TEST_F(Giocatore, ASecondSessionOnTheSamePuzzleAsksFirst) {
    std::filesystem::create_directory(t.percorso("vera"));
    const std::string percorso = t.scrivi("vera/s.trmo", schema);
    std::filesystem::create_directory_symlink(t.percorso("vera"), t.percorso("link"));
    EXPECT_EQ(chiaveFile(percorso), chiaveFile(t.percorso("link/./s.trmo")));
    EXPECT_NE(chiaveFile(percorso), chiaveFile(t.scrivi("vera/t.trmo", schema)));
    ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
    Sessione seconda(Cartelle{}, p, t.percorso("dati"));
    p.risposte = {Risposta::annulla};
    EXPECT_EQ(seconda.apri(t.percorso("link/s.trmo")), EsitoApertura::giaAperto);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::apriComunqueAnnulla);
    EXPECT_FALSE(seconda.aperto());
    p.risposte = {Risposta::ok};
    EXPECT_EQ(seconda.apri(percorso), EsitoApertura::ok);
    seconda.chiudi(false);
    sessione->chiudi(false);
    Sessione terza(Cartelle{}, p, t.percorso("dati"));
    EXPECT_EQ(terza.apri(percorso), EsitoApertura::ok);
    EXPECT_EQ(p.messaggi.size(), 2u);  // the puzzle was free again
}

TEST_F(Giocatore, ThePlayersDataFailingIsToldOnceKeptAndWrittenAtTheNextChange) {
    ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    QSignalSpy avvisi(sessione.get(), &Sessione::avviso);
    const std::string archivio = sessione->archivio().percorsoFile();
    std::filesystem::create_directories(archivio);  // a folder at its name: every write fails
    p.ms = 5000;
    digita("C");
    EXPECT_TRUE(sessione->salva());
    digita("A", 2);
    ASSERT_EQ(avvisi.size(), 1);
    EXPECT_NE(avvisi[0][0].value<std::string>().find(archivio), std::string::npos);
    std::filesystem::remove(archivio);
    digita("S", 3);
    EXPECT_EQ(avvisi.size(), 2);
    ASSERT_TRUE(esisteFile(archivio));
    EXPECT_EQ(Registro(t.percorso("dati")).partite().at(0).partita.millisecondi, 5000);
}

// The honest clock: away from the window it stands still; checks and reveals are kept with the
// time they came at, and the congratulation says what help there was.
TEST_F(Giocatore, AwayTimeIsLeftOutAndTheHelpIsKeptAndTold) {
    const std::string percorso = t.scrivi("s.trmo", schema);
    ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
    QSignalSpy risolto(sessione.get(), &Sessione::risolto);
    p.ms = 1000;
    sessione->controlla({{1, 1}});
    p.ms = 2000;
    sessione->impostaFuori(true);
    p.ms = 60000;
    EXPECT_EQ(sessione->tempo(), 2000);
    sessione->impostaFuori(false);
    p.ms = 63000;
    sessione->rivela({{1, 1}});
    sessione->scrivi({{2, 1, "A"}, {3, 1, "S"}, {4, 1, "A"}, {1, 2, "A"}, {3, 2, "R"}, {4, 2, "E"}});
    ASSERT_EQ(risolto.size(), 1);
    EXPECT_EQ(risolto[0][0].value<std::string>(),
              "Bravo! hai risolto il cruciverba in 0 minuti e 5 secondi (1 controllo, 1 lettera rivelata)");
    Registro r(t.percorso("dati"));
    const auto aiuti = r.aiuti();
    ASSERT_EQ(aiuti.size(), 2u);
    EXPECT_EQ(aiuti[0].aiuto, Aiuto::controllo);
    EXPECT_EQ(aiuti[0].millisecondi, 1000);
    EXPECT_EQ(aiuti[1].aiuto, Aiuto::rivelazione);
    EXPECT_EQ(aiuti[1].millisecondi, 5000);
    // Kept with the answers, with its help.
    EXPECT_FALSE(r.partita(percorso));
    ASSERT_TRUE(sessione->salva());
    const auto record = r.partita(percorso);
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->riassunto.risolto);
    EXPECT_TRUE(record->aiutata);
    EXPECT_EQ(record->controlli, 1);
    EXPECT_EQ(record->partita.millisecondi, 5000);
}

// The clock goes with the answers: Non salvare drops both.
TEST_F(Giocatore, TheTimeIsDroppedWithTheAnswers) {
    const std::string percorso = t.scrivi("s.trmo", schema);
    ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
    p.ms = 7000;
    digita("C");
    sessione->chiudi(false);
    Sessione dopo(Cartelle{}, p, t.percorso("dati"));
    ASSERT_EQ(dopo.apri(percorso), EsitoApertura::ok);
    EXPECT_EQ(dopo.tempo(), 0);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Working copies and locks of their own, apart from the player's and other runs'.
    QTemporaryDir cartella;
    for (const char* v : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) qputenv(v, cartella.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
