// The player's store: partite.json moved once, a kill, a full disk, two writers, the solve's record.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "archivio/registro.h"
#include "model/file.h"
#include "supporto/schema.h"

namespace quadrivo {
namespace {

using prova::CartellaTemporanea;

TEST(Registro, PartiteJsonIsMovedOnceAndKeptAsItWas) {
    CartellaTemporanea t;
    const std::vector<VoceArchivio> voci = {
        {"/a.trmo", "h1", Partita{.millisecondi = 5000, .segni = {{{2, 1}, "X"}}, .rivelate = {{1, 1}}, .matita = {{3, 1}}}},
        {"/b.trmo", "h2", Partita{.millisecondi = 9000}}};
    const std::string json = testoArchivio(voci);
    t.scrivi(nomeArchivioPartite, json);
    {
        Registro r(t.percorso());
        EXPECT_EQ(r.leggi("/a.trmo", "h1").value().partita, voci[0].partita);
        EXPECT_EQ(r.leggi("/b.trmo", "h2").value().partita, voci[1].partita);
        EXPECT_FALSE(r.leggi("/b.trmo", "altra"));  // another solution: a fresh solve
        const auto a = r.partita("/a.trmo");
        ASSERT_TRUE(a);
        EXPECT_EQ(a->rivelazioni, 1);
    }
    EXPECT_EQ(t.leggi(nomeArchivioPartite), json);
    // A changed partite.json is not read again: the store is the player's data now.
    t.scrivi(nomeArchivioPartite, testoArchivio({{"/c.trmo", "h3", Partita{.millisecondi = 1}}}));
    Registro r(t.percorso());
    EXPECT_FALSE(r.partita("/c.trmo"));
    EXPECT_EQ(r.partite().size(), 2u);
}

// The solve is kept as its own text: what a later Partita adds comes back without a new column.
TEST(Registro, ReadingNeverMakesAFileAndTheFirstWriteKeepsTheWholeSolve) {
    CartellaTemporanea t;
    Registro r(t.percorso("dati/Quadrivo"));
    EXPECT_FALSE(r.leggi("/a.trmo", "h"));
    EXPECT_TRUE(r.partite().empty());
    EXPECT_FALSE(esisteFile(r.percorsoFile()));
    const Partita p{.millisecondi = 77, .segni = {{{1, 3}, "QU"}}, .rivelate = {{2, 2}}, .matita = {{1, 1}, {4, 4}}};
    ASSERT_TRUE(r.scrivi("/a.trmo", "h", p));
    EXPECT_EQ(r.leggi("/a.trmo", "h").value().partita, p);
}

// The help is history, kept apart from the solve: a new attempt does not take it along.
TEST(Registro, TheRecordKeepsTheFirstDayTheSolvedDayAndTheHelpOfThisAttempt) {
    CartellaTemporanea t;
    std::int64_t ora = 100;
    Registro r(t.percorso(), [&] { return ora; });
    ASSERT_TRUE(r.scrivi("/a.trmo", "h", Partita{.millisecondi = 1000}, Riassunto{10, 3, false}));
    ora = 200;
    ASSERT_TRUE(r.registraAiuto("/a.trmo", "h", Aiuto::controllo, 1500, 5));
    ASSERT_TRUE(r.registraAiuto("/a.trmo", "h", Aiuto::controllo, 1700, 1));
    ora = 300;
    ASSERT_TRUE(r.scrivi("/a.trmo", "h", Partita{.millisecondi = 2000}, Riassunto{10, 10, true, 2}));
    ora = 400;
    ASSERT_TRUE(r.scrivi("/a.trmo", "h", Partita{.millisecondi = 2000}, Riassunto{10, 10, true, 2}));
    auto a = r.partita("/a.trmo");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->iniziata, 100);
    EXPECT_EQ(a->risolta, 300);  // the first time it came right
    EXPECT_EQ(a->ultima, 400);
    EXPECT_EQ(a->controlli, 2);
    EXPECT_TRUE(a->aiutata);
    const auto aiuti = r.aiuti();
    ASSERT_EQ(aiuti.size(), 2u);
    EXPECT_EQ(aiuti[0].quando, 200);
    // Azzera Soluzioni: a new attempt, clean of help; the help stays in the history.
    ASSERT_TRUE(r.nuovoTentativo("/a.trmo"));
    a = r.partita("/a.trmo");
    EXPECT_EQ(a->controlli, 0);
    EXPECT_EQ(a->risolta, 0);
    EXPECT_EQ(r.aiuti().size(), 2u);
    // Another solution under the same name is another puzzle.
    ASSERT_TRUE(r.scrivi("/a.trmo", "nuova", Partita{.millisecondi = 5}, Riassunto{4, 0, false}));
    EXPECT_EQ(r.partita("/a.trmo")->iniziata, 400);
}

TEST(Registro, AFullDiskLosesNothingAlreadyKeptAndTheNextWriteWorks) {
    CartellaTemporanea t;
    Registro r(t.percorso());
    ASSERT_TRUE(r.scrivi("/a.trmo", "h", Partita{.millisecondi = 1000}));
    r.limitaPagine(1);  // below what the file holds: nothing more fits
    std::vector<SchemaIndicizzato> molti(200);
    for (size_t i = 0; i < molti.size(); ++i) molti[i].percorso = "/x/" + std::to_string(i) + std::string(500, 'p');
    EXPECT_FALSE(r.aggiornaSchemi(molti, {}));
    EXPECT_FALSE(r.errore().empty());
    EXPECT_TRUE(r.schemi().empty());  // all or nothing
    EXPECT_EQ(r.leggi("/a.trmo", "h").value().partita.millisecondi, 1000);
    r.limitaPagine(1'000'000);
    EXPECT_TRUE(r.scrivi("/a.trmo", "h", Partita{.millisecondi = 2000}));
    EXPECT_TRUE(r.errore().empty());
    EXPECT_EQ(Registro(t.percorso()).leggi("/a.trmo", "h").value().partita.millisecondi, 2000);
}

// A child that writes without pause until it is killed: every kept solve is whole afterwards.
TEST(Registro, AKillDuringWritesLeavesEveryCommittedSolveWhole) {
    CartellaTemporanea t;
    { ASSERT_TRUE(Registro(t.percorso()).scrivi("/fisso.trmo", "h", Partita{.millisecondi = 123})); }
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        Registro r(t.percorso());
        for (int i = 1;; ++i) {
            r.scrivi("/k" + std::to_string(i % 50) + ".trmo", "h", Partita{.millisecondi = i});
            if (i == 20) [[maybe_unused]] auto n = ::write(tubo[1], "x", 1);
        }
    }
    char c;
    ASSERT_EQ(::read(tubo[0], &c, 1), 1);
    ::kill(figlio, SIGKILL);
    ::waitpid(figlio, nullptr, 0);
    ::close(tubo[0]), ::close(tubo[1]);
    Registro r(t.percorso());
    EXPECT_EQ(r.leggi("/fisso.trmo", "h").value().partita.millisecondi, 123);
    const auto tutte = r.partite();
    EXPECT_GE(tutte.size(), 21u);
    for (const RecordPartita& p : tutte) EXPECT_GT(p.partita.millisecondi, 0) << p.percorso;
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "integrita");
    db.setDatabaseName(QString::fromStdString(r.percorsoFile()));
    ASSERT_TRUE(db.open());
    QSqlQuery integrita(db);
    ASSERT_TRUE(integrita.exec("PRAGMA integrity_check"));
    ASSERT_TRUE(integrita.next());
    EXPECT_EQ(integrita.value(0).toString(), "ok");
}

// Two windows are two processes: both write at once and neither loses a solve.
TEST(Registro, TwoWritersAtOnceBothKeepEverySolve) {
    CartellaTemporanea t;
    constexpr int perProcesso = 60;
    const pid_t figlio = ::fork();
    if (figlio == 0) {
        Registro r(t.percorso());
        int ok = 0;
        for (int i = 0; i < perProcesso; ++i)
            ok += r.scrivi("/figlio" + std::to_string(i) + ".trmo", "h", Partita{.millisecondi = i + 1});
        ::_exit(ok == perProcesso ? 0 : 1);
    }
    Registro r(t.percorso());
    int ok = 0;
    for (int i = 0; i < perProcesso; ++i)
        ok += r.scrivi("/padre" + std::to_string(i) + ".trmo", "h", Partita{.millisecondi = i + 1});
    int stato = -1;
    ::waitpid(figlio, &stato, 0);
    EXPECT_EQ(ok, perProcesso);
    ASSERT_TRUE(WIFEXITED(stato));
    EXPECT_EQ(WEXITSTATUS(stato), 0);
    EXPECT_EQ(r.partite().size(), 2u * perProcesso);
}

TEST(Registro, AFileFromANewerProgramIsNotTouched) {
    CartellaTemporanea t;
    ASSERT_TRUE(Registro(t.percorso()).scrivi("/a.trmo", "h", Partita{.millisecondi = 1}));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "futuro");
        db.setDatabaseName(QString::fromStdString(t.percorso(nomeRegistro)));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("PRAGMA user_version=99");
        db.close();
    }
    QSqlDatabase::removeDatabase("futuro");
    Registro r(t.percorso());
    EXPECT_FALSE(r.scrivi("/a.trmo", "h", Partita{.millisecondi = 2}));
    EXPECT_NE(r.errore().find("più recente"), std::string::npos);
}

}  // namespace
}  // namespace quadrivo

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
