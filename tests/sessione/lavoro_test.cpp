// The open puzzle's session: keys, the working copy and its failures, every format opened and saved,
// Annulla; a killed run's answers offered back, the player's data, locks, notes, interrupted saves.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
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
#include "sessione/blocco.h"
#include "supporto/guasto.h"
#include "tavolo.h"

using namespace quadrivo;
using namespace quadrivo::prova;
using Nomi = std::vector<std::string>;

namespace {

const std::string risposte = schemaCon({"CA..", ".#.."});

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
        const std::string dove = cartella.empty() ? copie() : cartella, copia = dove + "/" + nome;
        EXPECT_TRUE(creaCartella(dove));
        EXPECT_TRUE(scriviFileSicuro(copia, a.dati));
        const NotaLavoro n{a.schema, a.pid ? a.pid : prova::pidMorto(), 0, a.partita, a.impronta, a.destinazione};
        EXPECT_TRUE(scriviFileSicuro(percorsoNota(copia), testoNota(n)));
        invecchia(copia, a.eta);
        return copia;
    }
    std::vector<CopiaAbbandonata> offerte() const { return copieAbbandonate(copie(), std::time(nullptr)); }
    // The start-up round that offers the leftovers, as the window runs it.
    bool offri() { return sessione->offriCopie(copie(), std::time(nullptr), [] { return true; }); }
};

}  // namespace

// The copy is no part of a key's handling: its timer writes it, once for the burst; a failed
// save is told and writes a waiting copy at once. Annulla takes the cursor where the change was.
TEST_F(Banco, TheCopyWaitsForItsTimer) {
    prova::DiscoGuasto conta(prova::Passo::nessuno);
    digita("ca");
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(sessione->copiaInAttesa());
    EXPECT_EQ(conta.tentativi, 0);
    digita("s");
    finitoInput();
    EXPECT_EQ(conta.tentativi, 1);  // one copy for the three letters; its note has not changed
    EXPECT_EQ(prova::inserimenti(letto("qdv_prova.tmp")), (Righe{"CAS.", ".#.."}));
    sessione->storia().undo();
    EXPECT_EQ(sessione->posizione(), (Posizione{3, 1, Direzione::orizzontale}));
    digita("A", 4);
    ASSERT_TRUE(sessione->copiaInAttesa());
    prova::DiscoGuasto guasto(prova::Passo::conferma);
    EXPECT_FALSE(sessione->salva());
    EXPECT_FALSE(sessione->copiaInAttesa());
    ASSERT_FALSE(p.messaggi.empty());
    EXPECT_EQ(p.messaggi.back().testo,
              "Errore di scrittura del file! Probabilmente si sta utilizzando una cartella che non ha i permessi di "
              "scrittura, provare a salvare il file in una cartella con permessi, ad esempio il desktop");
}

// A refused file changes nothing; Salva con nome writes what is in memory, even with the working
// copy's folder gone.
TEST_F(Banco, ARefusedFileChangesNothingAndSalvaWritesWhatIsInMemory) {
    digita("C", 1);
    finitoInput();
    const std::string copiaPrima = t.leggi("qdv_prova.tmp");
    EXPECT_EQ(sessione->apri(t.scrivi("rotto.trmo", "x\r\n")), EsitoApertura::formatoNonValido);
    EXPECT_EQ(sessione->apri(t.percorso("assente.trmo")), EsitoApertura::inesistente);
    EXPECT_EQ(sessione->nomeFile(), t.percorso("s.trmo"));
    EXPECT_EQ(righe()[0], "C...");
    EXPECT_EQ(t.leggi("qdv_prova.tmp"), copiaPrima);
    digita("A");
    sessione->impostaCopiaSuperata(true);  // told already
    sessione->impostaFileLavoro(t.percorso("manca/qdv_prova.tmp"));
    EXPECT_EQ(sessione->salvaConNome(t.percorso(), "nuovo.trmo", "Io"), EsitoSalvataggio::salvato);
    EXPECT_TRUE(p.messaggi.empty());
    EXPECT_EQ(sessione->nomeFile(), t.percorso("nuovo.trmo"));
    EXPECT_EQ(prova::inserimenti(letto("nuovo.trmo"))[0], "CA..");
}

// Each command is one step: undone, the whole state before it comes back, with no congratulation;
// redone, the state after it. Time played stays counted; a solved grid gets its solve time back.
TEST_F(Banco, AnnullaPutsBackTheWholeStateOfEveryCommand) {
    // Everything of the solve a step can change but the clock: letters (pencil in lower case),
    // marks, reveals, the solve noticed, whether the clock runs, and the modified mark.
    const auto gioco = [&] {
        const PartitaInCorso& g = sessione->partita();
        return std::tuple(righe(), g.segni(), g.rivelate(), g.foto(p.ms).risolto, g.cronometro().inCorso(), sessione->modificato());
    };
    const auto scrivi = [&](int c, int r, const std::string& lettere) { vai(c, r), Tavolo::digita(lettere); };
    const std::vector<Casella> tutte = caselleBianche(sessione->cruciverba());
    const Posizione parola{1, 1, Direzione::orizzontale};
    struct Caso {
        const char* nome;
        std::function<void()> prepara, comando;
        std::int64_t annullato, ripetuto;  // the clock after Annulla (at 110 s) and Ripeti (at 113 s)
    };
    const std::vector<Caso> casi = {
        {"lettera", [&] { scrivi(1, 1, "CX"); }, [&] { digita("S"); }, 110'000, 113'000},
        {"dialogo", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->applicaDialogo(parola, SceltaParola{{"C", "A", "S", "A"}, "Casa"}); },
         110'000, 113'000},
        {"controlla", [&] { scrivi(1, 1, "CX"); }, [&] { sessione->controlla(tutte); }, 110'000, 113'000},
        // Solved by the reveal: the clock stood still from 100 s, and runs again once undone.
        {"rivela schema", [&] { scrivi(1, 1, "CX"), sessione->controlla(tutte); }, [&] { sessione->rivela(tutte); },
         103'000, 100'000},
        // Solved at 50 s with one revealed letter.
        {"azzera risolto", [&] { scrivi(1, 1, "CASA"), scrivi(3, 2, "RE"), sessione->rivela({{1, 2}}); },
         [&] { sessione->azzera(); }, 50'000, 3'000},
    };
    for (size_t i = 0; i < casi.size(); ++i) {
        const Caso& caso = casi[i];
        SCOPED_TRACE(caso.nome);
        p.ms = 0;
        ASSERT_EQ(sessione->apri(t.scrivi("caso" + std::to_string(i) + ".trmo", schema)), EsitoApertura::ok);
        p.ms = 50'000;
        caso.prepara();
        p.ms = 100'000;
        const auto prima = gioco();
        caso.comando();
        p.ms = 107'000;
        const auto dopo = gioco();
        QSignalSpy bravo(sessione.get(), &Sessione::risolto);
        sessione->storia().undo();
        p.ms = 110'000;
        EXPECT_EQ(gioco(), prima);
        EXPECT_EQ(sessione->tempo(), caso.annullato);
        sessione->storia().redo();
        p.ms = 113'000;
        EXPECT_EQ(gioco(), dopo);
        EXPECT_EQ(sessione->tempo(), caso.ripetuto);
        EXPECT_EQ(bravo.size(), 0);
    }
}

// The pencil guesses come back with the puzzle saved.
TEST_F(Banco, ThePencilGuessesComeBackWithThePuzzle) {
    sessione->impostaMatita(true), digita("CA", 1);
    sessione->impostaMatita(false), digita("R", 3);
    ASSERT_TRUE(sessione->salva());
    // The file holds the ink only; the guesses went to the player's data.
    EXPECT_EQ(prova::inserimenti(letto("s.trmo")), (Righe{"..R.", ".#.."}));
    sessione.reset();
    sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));
    ASSERT_EQ(sessione->apri(t.percorso("s.trmo")), EsitoApertura::ok);
    EXPECT_EQ(righe(), (Righe{"caR.", ".#.."}));
    // A guess the file has been given ink for meanwhile stays ink.
    t.scrivi("s.trmo", schemaCon({"CAR.", ".#.."}));
    ASSERT_EQ(sessione->apri(t.percorso("s.trmo")), EsitoApertura::ok);
    EXPECT_EQ(righe(), (Righe{"CAR.", ".#.."}));
}

TEST(Modifiche, TheQuestionBeforeLeaving) {
    Documento d;
    d.nomeFile = "/giochi/prova.trmo";
    PiattaformaRegistro p;
    p.risposte = {Risposta::annulla};
    EXPECT_EQ(chiediPrimaDiLasciare(d, true, p), Risposta::annulla);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].testo, "Il file /giochi/prova.trmo è cambiato, si desidera salvare?");
    EXPECT_EQ(p.messaggi[0].titolo, "Modifica del file corrente");
    EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::salvaNonSalvareAnnulla);
    for (const char* nome : {"", "NUOVOCRU.trmo"}) EXPECT_EQ(decisioneSalva(nome), AzioneSalva::salvaConNome) << nome;
    EXPECT_EQ(decisioneSalva("/giochi/a.trmo"), AzioneSalva::scrivi);
}

// A lock is held as QLockFile holds it: other windows read it as theirs. Any content QLockFile
// cannot read as a live process's would count as stale here (stale time 0) and be taken.
TEST(Blocco, ReadByQLockFileAsOneOfItsOwn) {
    QTemporaryDir cartella;
    const QString nostro = cartella.filePath("a.lock");
    Blocco b(nostro);
    ASSERT_EQ(b.prendi(), Blocco::Esito::preso);
    QLockFile altro(nostro);
    altro.setStaleLockTime(0);
    EXPECT_FALSE(altro.tryLock(0));
    b.lascia();
    EXPECT_FALSE(QFile::exists(nostro));
}

// Whether the run a note names still lives: the id alone may have been given to a newer process.
TEST(Nota, TheLivingProcess) {
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
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    x.secondiFile = 42;
    const std::string chiuso = prova::puzChiuso(FormatoPuz().scrivi(x), {0, 4, 1, 2, 6, 3, 7}, 1234);  // read down the columns
    ASSERT_EQ(sessione->apri(t.scrivi("m.puz", chiuso)), EsitoApertura::ok);
    EXPECT_GE(sessione->tempo(), 42000);
    ASSERT_EQ(p.messaggi.size(), 1u);  // the lock told, the file's time no sign of an edit
    EXPECT_NE(p.messaggi[0].testo.find("Sblocca soluzione"), std::string::npos) << p.messaggi[0].testo;
    EXPECT_EQ(sessione->sblocca("12a4"), "Il codice è di quattro cifre, da 0000 a 9999.");
    EXPECT_EQ(sessione->sblocca("4321"), "Il codice 4321 non sblocca questa soluzione: controllare le cifre.");
    EXPECT_EQ(sessione->sblocca("1234"), "");
    EXPECT_TRUE(sessione->modificato());
    digita("CX", 1);
    EXPECT_EQ(sessione->controlla({{1, 1}, {2, 1}}), (std::vector<Casella>{{2, 1}}));
    sessione->rivela({{3, 1}});
    ASSERT_TRUE(sessione->salva());
    const Cruciverba salvato = letto("m.puz");
    EXPECT_FALSE(puzBloccato(salvato));
    EXPECT_EQ(prova::inserimenti(salvato)[0], "CXS.");
    EXPECT_GE(salvato.secondiFile.value_or(0), 42);
    EXPECT_EQ(salvato.segniFile.sbagliate, (std::set<Casella>{{2, 1}}));
    EXPECT_EQ(salvato.segniFile.rivelate, (std::set<Casella>{{3, 1}}));
    // Put right, the mark becomes "wrong once".
    digita("A", 2);
    ASSERT_TRUE(sessione->salva());
    EXPECT_EQ(letto("m.puz").segniFile.corrette, (std::set<Casella>{{2, 1}}));
}

// A .jpz is saved as an .ipuz; a .puz that cannot hold its bars is refused with the reason.
TEST_F(Banco, AJpzIsSavedAsIpuzAndAPuzRefusesBars) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"});
    x.cella(1, 1).barre = barraDestra;
    ASSERT_EQ(sessione->apri(t.scrivi("b.jpz", FormatoJpz().scrivi(x))), EsitoApertura::ok);
    EXPECT_EQ(nomeProposto(sessione->documento()), t.percorso("b.ipuz"));
    EXPECT_EQ(sessione->salvaConNome(t.percorso(), "b.puz", "Io"), EsitoSalvataggio::errore);
    EXPECT_NE(p.messaggi.back().testo.find("non può contenere barre"), std::string::npos) << p.messaggi.back().testo;
    EXPECT_EQ(t.leggi("b.puz"), "");
    EXPECT_EQ(sessione->salvaConNome(t.percorso(), "b.ipuz", "Io"), EsitoSalvataggio::salvato);
    EXPECT_EQ(letto("b.ipuz").cella(1, 1).barre, barraDestra);
}

TEST_F(Giocatore, CopiesLiveInAPrivateFolderWithAFallbackAndNeverAtTheRoot) {
    const std::string file = t.scrivi("un-file", "x");
    // The runtime and cache folders, where the copies go.
    const std::vector<std::array<std::string, 3>> casi = {
        {t.percorso("run"), t.percorso("cache"), t.percorso("run/quadrivo")},
        {t.percorso("manca"), t.percorso("cache"), t.percorso("cache/Quadrivo")},  // a runtime folder that is gone
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
    EXPECT_EQ(lavoro(), "");
    EXPECT_EQ(righe()[0], "CA..");
}

// A failed copy is told once and tried again at every change, memory the truth meanwhile; the
// player is told once it works, and a later failure is told again. With the runtime folder gone
// the next change lands in the cache folder; a close that keeps the answers keeps the copy.
TEST_F(Giocatore, AFailedCopyIsToldOnceAndTriedAgainAtEveryChange) {
    ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    QSignalSpy avvisi(sessione.get(), &Sessione::avviso);
    digita("C");
    const std::string prima = t.leggi(lavoro());
    {
        prova::DiscoGuasto guasto(prova::Passo::svuotamento);
        digita("A", 2);
        digita("S", 3);
    }
    ASSERT_EQ(p.messaggi.size(), 1u);
    const std::string& m = p.messaggi[0].testo;  // names the folder
    EXPECT_NE(m.find(copie()), std::string::npos) << m;
    EXPECT_EQ(t.leggi(lavoro()), prima);
    EXPECT_EQ(righe()[0], "CAS.");
    digita("A", 4);
    ASSERT_EQ(avvisi.size(), 1);
    EXPECT_NE(avvisi[0][0].value<std::string>().find("di nuovo"), std::string::npos);
    EXPECT_EQ(prova::inserimenti(letto(lavoro()))[0], "CASA");
    std::filesystem::remove_all(t.percorso("run"));
    digita("X", 1);
    EXPECT_EQ(lavoro().rfind(t.percorso("cache/Quadrivo/qdv_"), 0), 0u) << lavoro();
    EXPECT_EQ(prova::inserimenti(letto(lavoro()))[0], "XASA");
    EXPECT_EQ(p.messaggi.size(), 1u);
    {
        prova::DiscoGuasto guasto(prova::Passo::conferma);
        digita("C", 1);
        EXPECT_EQ(p.messaggi.size(), 2u);
    }
    p.ms = 8000;
    sessione->controlla({{2, 1}});
    sessione->chiudi(true);
    ASSERT_TRUE(nota());
    EXPECT_EQ(nota()->partita.millisecondi, 8000);
}

// Newest first; Più tardi keeps, Elimina deletes only after its confirmation, Ripristina opens
// with the time and the pencil guesses the note kept (the copy holds none) and ends the round.
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
    const Partita partita{8000, {}, {}, {{3, 1}}, {{{3, 1}, "S"}}};
    for (const auto& [scelte, nuovaResta, aperta] : casi) {
        const std::string vecchia = lascia("qdv_VECCHI.tmp", {.schema = p1, .eta = 600}),
                          nuova = lascia("qdv_NUOVA0.tmp", {.schema = p2, .partita = partita});
        p.messaggi.clear();
        p.risposte.assign(scelte.begin(), scelte.end());
        EXPECT_EQ(offri(), aperta);
        ASSERT_GE(p.messaggi.size(), 1u);
        EXPECT_EQ(p.messaggi[0].testo.rfind("Ripristinare le risposte non salvate di due.trmo (", 0), 0u);
        EXPECT_EQ(p.messaggi.back().testo.find("uno.trmo") != std::string::npos, !aperta);
        EXPECT_EQ(presenti({vecchia, nuova, percorsoNota(nuova)}),
                  (nuovaResta ? Nomi{vecchia, nuova, percorsoNota(nuova)} : Nomi{vecchia}));
        if (aperta) {
            EXPECT_EQ(sessione->tempo(), 8000);
            EXPECT_EQ(righe()[0], "CAs.");
            finitoInput();
            EXPECT_EQ(prova::inserimenti(letto(lavoro()))[0], "CA..");
            EXPECT_EQ(offerte().size(), 1u);  // the old one: the restored puzzle's own copy is a live run's
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
    EXPECT_NE(domandaRipristino(c[1]).find("4 lettere"), std::string::npos) << domandaRipristino(c[1]);
    EXPECT_NE(domandaRipristino(c[2]).find("NUOVOCRU.trmo"), std::string::npos) << domandaRipristino(c[2]);
    const Nomi restano = {viva, percorsoNota(viva), recente, altrui, percorsoNota(altrui)};
    EXPECT_EQ(presenti(restano), restano);
    EXPECT_EQ(presenti(via), Nomi{});
}

// A restored leftover goes once its answers are safe in a copy; a stale copy once Salva holds them.
TEST_F(Giocatore, LeftoversAndStaleCopiesGoOnceTheAnswersAreSafe) {
    const std::string avanzo = lascia("qdv_UCCISO.tmp", {.schema = t.scrivi("p.trmo", schema)});
    const std::vector<CopiaAbbandonata> c = offerte();
    ASSERT_EQ(c.size(), 1u);
    {
        prova::DiscoGuasto guasto(prova::Passo::svuotamento);
        ASSERT_TRUE(sessione->ripristina(c[0]));
        finitoInput();
    }
    EXPECT_TRUE(esisteFile(avanzo));
    digita("X", 3);  // the copy lands: the leftover is no longer the only place of the answers
    EXPECT_EQ(presenti({avanzo, percorsoNota(avanzo)}), Nomi{});
    const std::string copia = lavoro();
    {
        prova::DiscoGuasto pieno(prova::Passo::svuotamento);
        digita("E", 4);
    }
    ASSERT_TRUE(sessione->documento().copiaLavoroSuperata);
    ASSERT_TRUE(esisteFile(copia));
    ASSERT_TRUE(sessione->salva());
    EXPECT_EQ(presenti({copia, percorsoNota(copia)}), Nomi{});
    EXPECT_TRUE(lavoro().empty());
}

// An edited clue reaches Salva, and a leftover holding only that edit is offered.
TEST_F(Giocatore, EditedCluesAreSavedAndOffered) {
    const std::string percorso = t.scrivi("s.trmo", schema);
    ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
    sessione->applicaDialogo({1, 1, Direzione::orizzontale}, SceltaParola{{}, "Dimora"});
    finitoInput();
    // Had the run ended here, its copy would be a leftover offered for the edited clue alone.
    ASSERT_TRUE(nota());
    lascia("qdv_DEFINI.tmp", {.schema = percorso, .dati = t.leggi(lavoro()), .impronta = nota()->impronta});
    const std::vector<CopiaAbbandonata> c = offerte();
    ASSERT_EQ(c.size(), 1u);
    EXPECT_NE(domandaRipristino(c[0]).find("1 definizione modificata"), std::string::npos) << domandaRipristino(c[0]);
    ASSERT_TRUE(sessione->salva());
    EXPECT_EQ(letto("s.trmo").elenchi.at(0).definizioni.at(0).testo, "Dimora");
}

// Answers kept for later (Più tardi) come back when their puzzle is opened again, not only at the
// next start, and not with another puzzle; a run that fell back to the cache folder left them there.
TEST_F(Giocatore, AnswersKeptForLaterAreOfferedWhenThePuzzleOpens) {
    const std::string puzzle = t.scrivi("p.trmo", schema);
    lascia("qdv_DOPO00.tmp", {.schema = puzzle, .impronta = improntaDati(schema)}, t.percorso("cache/Quadrivo"));
    p.risposte = {Risposta::ok};
    ASSERT_EQ(sessione->apri(t.scrivi("q.trmo", schema)), EsitoApertura::ok);
    EXPECT_TRUE(p.messaggi.empty());
    ASSERT_EQ(sessione->apri(puzzle), EsitoApertura::ok);
    EXPECT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(righe()[0], "CA..");
}

// What a save leaves: the player's data private and the litter of interrupted saves gone (the
// copies' modes are CopiesLiveInAPrivateFolder's).
TEST_F(Giocatore, ASaveKeepsTheModesAndClearsTheLitterOfInterruptedSaves) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(t.percorso("config")));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(t.percorso("config")));
    const std::string puzzle = t.scrivi("s.trmo", schema);
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
    const std::string copia = lavoro();
    sessione->impostazioni().salvaOpzione("prova", 1);
    ASSERT_TRUE(sessione->salva());
    for (const auto& [nome, eta, resta] : casi) EXPECT_EQ(esisteFile(t.percorso(nome)), resta) << nome;
    const std::vector<std::pair<std::string, int>> modi = {
        {t.percorso("dati"), 0700},
        {sessione->archivio().percorsoFile(), 0600},
        {t.percorso("config/Quadrivo"), 0700},
        {t.percorso("config/Quadrivo/Quadrivo.conf"), 0600},
    };
    for (const auto& [percorso, atteso] : modi) EXPECT_EQ(modo(percorso), atteso) << percorso;
    digita("A", 2);
    EXPECT_NE(lavoro(), copia);  // a new copy after the save
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
        EXPECT_EQ(p.messaggi.size(), 1u);
        EXPECT_EQ(t.leggi("s.trmo") == altro, !sovrascritto);
        EXPECT_EQ(nome.size(), salvaConNome);
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

// A game on a .trmo keeps its copy as ipuz: after a kill it comes back as the game; the .trmo is
// never touched.
TEST_F(Giocatore, AGameOnATrmoComesBackAfterAKill) {
    const std::string puzzle = t.scrivi("p.trmo", schema), avanzo = copie() + "/qdv_UCCISO.tmp";
    ASSERT_EQ(sessione->apri(puzzle), EsitoApertura::ok);
    ASSERT_EQ(sessione->giocaCome(Variante::senzaSchema), "");
    digita("CA", 1);
    vai(2, 2), Tavolo::digita(".");
    finitoInput();
    // The kill: the copy and its note stay behind, under a dead run's id.
    std::optional<NotaLavoro> n = nota();
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->formato, "ipuz");
    n->pid = prova::pidMorto();
    ASSERT_TRUE(scriviFileSicuro(avanzo, t.leggi(lavoro())));
    ASSERT_TRUE(scriviFileSicuro(percorsoNota(avanzo), testoNota(*n)));
    sessione.reset();
    sessione = std::make_unique<Sessione>(Cartelle{}, p, t.percorso("dati"));
    const std::vector<CopiaAbbandonata> c = offerte();
    ASSERT_EQ(c.size(), 1u);
    ASSERT_TRUE(sessione->ripristina(c[0]));
    EXPECT_EQ(sessione->nomeFile(), puzzle);
    EXPECT_EQ(sessione->cruciverba().variante, Variante::senzaSchema);
    EXPECT_EQ(righe(), (Righe{"CA..", ".#.."}));
    EXPECT_EQ(t.leggi("p.trmo"), schema);
}

// The lock follows the file, not the path: a folder reached by a link holds the same puzzle.
TEST_F(Giocatore, ASecondSessionOnTheSamePuzzleAsksFirst) {
    std::filesystem::create_directory(t.percorso("vera"));
    const std::string percorso = t.scrivi("vera/s.trmo", schema);
    std::filesystem::create_directory_symlink(t.percorso("vera"), t.percorso("link"));
    ASSERT_EQ(sessione->apri(percorso), EsitoApertura::ok);
    Sessione seconda(Cartelle{}, p, t.percorso("dati"));
    p.risposte = {Risposta::ok};  // Apri comunque (Annulla is the window's test)
    EXPECT_EQ(seconda.apri(t.percorso("link/./s.trmo")), EsitoApertura::ok);
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::apriComunqueAnnulla);
    seconda.chiudi(false);
    sessione->chiudi(false);
    Sessione terza(Cartelle{}, p, t.percorso("dati"));
    EXPECT_EQ(terza.apri(percorso), EsitoApertura::ok);
    EXPECT_EQ(p.messaggi.size(), 1u);  // the puzzle was free again
}

// The player's data failing is told once, kept and written at the next change; checks and reveals
// reach them, and the congratulation says what help there was.
TEST_F(Giocatore, ThePlayersDataFailingIsToldOnceAndTheTimeAndTheHelpAreKept) {
    ASSERT_EQ(sessione->apri(t.scrivi("s.trmo", schema)), EsitoApertura::ok);
    QSignalSpy avvisi(sessione.get(), &Sessione::avviso), risolto(sessione.get(), &Sessione::risolto);
    const std::string archivio = sessione->archivio().percorsoFile();
    std::filesystem::create_directories(archivio);  // a folder at its name: every write fails
    p.ms = 1000;
    sessione->controlla({{4, 1}});  // the first write to find it failing is a help's
    digita("C");
    EXPECT_TRUE(sessione->salva());
    digita("A", 2);
    ASSERT_EQ(avvisi.size(), 1);
    EXPECT_EQ(avvisi[0][0].value<std::string>(), "Impossibile scrivere " + archivio +
                                                     ": il tempo e i segni restano in memoria e si riprova alla "
                                                     "prossima modifica e all'uscita.");
    std::filesystem::remove(archivio);
    p.ms = 5000;
    sessione->rivela({{4, 1}});
    sessione->scrivi({{3, 1, "S"}, {1, 2, "A"}, {3, 2, "R"}, {4, 2, "E"}});
    finitoInput();
    EXPECT_EQ(avvisi.size(), 2);
    ASSERT_EQ(risolto.size(), 1);
    EXPECT_EQ(risolto[0][0].value<std::string>(),
              "Bravo! hai risolto il cruciverba in 0 minuti e 5 secondi (1 controllo, 1 lettera rivelata)");
    Registro registro(t.percorso("dati"));
    ASSERT_EQ(registro.aiuti().size(), 2u);
    EXPECT_EQ(registro.aiuti()[0].aiuto, Aiuto::controllo);  // kept while failing, written first
    EXPECT_EQ(registro.aiuti()[0].millisecondi, 1000);
    EXPECT_EQ(registro.partite().at(0).partita.millisecondi, 5000);
}

// Two puzzles' solves both waiting for a failing store: neither takes the other's place.
TEST_F(Giocatore, EachPuzzlesSolveWaitsForTheStoreOfItsOwn) {
    ASSERT_EQ(sessione->apri(t.scrivi("a.trmo", schema)), EsitoApertura::ok);
    QSignalSpy avvisi(sessione.get(), &Sessione::avviso);
    const std::string archivio = sessione->archivio().percorsoFile();
    std::filesystem::create_directories(archivio);
    digita("C");
    EXPECT_TRUE(sessione->salva());
    ASSERT_EQ(sessione->apri(t.scrivi("b.trmo", schema)), EsitoApertura::ok);
    digita("CA");
    EXPECT_TRUE(sessione->salva());
    std::filesystem::remove(archivio);
    digita("S", 3);
    EXPECT_EQ(avvisi.size(), 2);  // the failure and the way back, once each
    EXPECT_EQ(Registro(t.percorso("dati")).partite().size(), 2u);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // Working copies and locks of their own, apart from the player's and other runs'.
    QTemporaryDir cartella;
    for (const char* v : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) qputenv(v, cartella.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
