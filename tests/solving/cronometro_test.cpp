#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/controllo.h"
#include "solving/cronometro.h"
#include "solving/partita.h"

using namespace quadrivo;
using prova::schemaProva;

TEST(Cronometro, PausesAndAMinimisedWindowAreLeftOutAndTheTextTurnsToHoursPastAnHour) {
    Cronometro k;
    EXPECT_EQ(k.trascorsi(5000), 0);  // not started
    k.riparti(5000);
    k.sospendi(Sosta::pausa, 65000);
    k.sospendi(Sosta::ridotta, 100000);
    k.riprendi(Sosta::pausa, 110000);  // still minimised: still stopped
    EXPECT_EQ(k.trascorsi(120000), 60000);
    k.riprendi(Sosta::ridotta, 120000);
    // The same reason twice counts once.
    k.sospendi(Sosta::pausa, 122000);
    k.sospendi(Sosta::pausa, 130000);
    k.riprendi(Sosta::pausa, 140000);
    EXPECT_EQ(k.trascorsi(141000), 63000);
    EXPECT_EQ(k.trascorsi(139000), 62000);  // a reading that goes back adds nothing
    k.sospendi(Sosta::risolto, 150000);
    k.riparti(150000);  // Azzera: from zero, running
    EXPECT_EQ(k.trascorsi(152000), 2000);
    std::vector<std::string> testi;
    for (std::int64_t ms : {999, 3599999, 3723000, -1000}) testi.push_back(testoTempo(ms));
    EXPECT_EQ(testi, (std::vector<std::string>{"0:00", "59:59", "1:02:03", "0:00"}));
}

TEST(Partita, TheFingerprintIsTheSolutions) {
    EXPECT_NE(improntaSoluzione(prova::cruciverbaDa({"CASO#", "A#ORO", "NO#E#", "ERBA#"})), improntaSoluzione(schemaProva().cruciverba));
}

// The solves an older version kept in partite.json, as the registry takes them over.
TEST(Partita, DamagedDataIsSkippedWhereItStands) {
    const std::string dati = R"({"partite":[
        {"percorso":"/a.trmo","impronta":"h","millisecondi":1500.5,
         "segni":[[1,1,88],[129,1,88],[1,129,88],[2,2,46],[3,3,300],[1],"x",[2,1,66]],
         "rivelate":[[0,1],[4,4],[4,4,1],[26,16]]},
        {"percorso":"/a.trmo","impronta":"h","millisecondi":99},
        {"percorso":"","impronta":"h"},
        {"percorso":"/b.trmo","millisecondi":1},
        {"percorso":"/c.trmo","impronta":"k","millisecondi":-3,"segni":{},"rivelate":7},
        12, null]})";
    const std::vector<VoceArchivio> voci = leggiArchivio(dati);
    EXPECT_EQ(voci,
              (std::vector<VoceArchivio>{{"/a.trmo", "h", {0, {{{1, 1}, "X"}, {{2, 1}, "B"}}, {{4, 4}, {26, 16}}}},
                                         {"/c.trmo", "k", {}}}));
    for (const char* rotto : {"", "{", "\xff\xfe", "{\"partite\":{}}"})
        EXPECT_TRUE(leggiArchivio(rotto).empty()) << rotto;
}

TEST(Partita, PencilGuessesTravelWithTheirCells) {
    Partita p;
    p.matita = {{1, 1}, {3, 2}};
    p.lettereMatita = {{{1, 1}, "A"}, {{3, 2}, "OR"}};
    EXPECT_EQ(leggiPartita(testoPartita(p)), p);
    const Partita letta = leggiPartita(
        R"({"lettereMatita":[[1,1,"A"],[0,1,"B"],[2,2,""],[2,3,7],[4,4,"  È "],[5,5],"x",[129,1,"C"]]})");
    EXPECT_EQ(letta.lettereMatita, (Segni{{{1, 1}, "A"}, {{4, 4}, "È"}}));
    EXPECT_EQ(testoPartita(Partita{}).find("lettereMatita"), std::string::npos);  // none, no field
}

TEST(Partita, ASolveInProgressKeepsClockMarksAndRevealsInStep) {
    Cruciverba s = schemaProva({"CXSA#", "A#ORO", "NO#E#", "ER..#"}).cruciverba;
    PartitaInCorso g;
    // Stored: 10 s, a mark on X (still there) and one on (4, 2) whose letter has changed since.
    g.inizia(s, {10000, {{{2, 1}, "X"}, {{4, 2}, "Q"}}, {{1, 1}}}, 500);
    EXPECT_EQ(std::pair(g.segni(), g.cronometro().trascorsi(1500)), std::pair(Segni{{{2, 1}, "X"}}, std::int64_t{11000}));
    EXPECT_EQ(g.controlla(s, {{2, 1}, {3, 4}}), (std::vector<Casella>{{2, 1}}));
    applicaScritture(s, g.rivela(s, {{3, 4}}));
    EXPECT_FALSE(g.dopoModifica(s, 2000));
    applicaScritture(s, {{2, 1, "A"}, {4, 4, "A"}});  // the last letters: solved
    EXPECT_TRUE(g.dopoModifica(s, 3000));
    EXPECT_EQ(g.segni(), Segni{});
    EXPECT_EQ(g.partita(9000), (Partita{12500, {}, {{1, 1}, {3, 4}}}));  // stopped at the solve
    // Reopened solved: the clock stays still.
    PartitaInCorso dopo;
    dopo.inizia(s, g.partita(9000), 100);
    EXPECT_FALSE(dopo.cronometro().inCorso());
    // Azzera: everything from the start.
    azzeraInserimenti(s);
    dopo.azzera(s, 1000);
    EXPECT_EQ(dopo.partita(4000), (Partita{3000, {}, {}}));
}
