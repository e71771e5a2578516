// `lessico cerca`, `anagrammi`, `frammenti` and `incroci` as the command line gives them: each
// command and its refusals once; what a mask or a fragment matches is the word helper's test.
#include <gtest/gtest.h>

#include <sstream>

#include "../solving/dizionario_prova.h"
#include "strumento.h"
#include "supporto/schema.h"

using namespace quadrivo;

TEST(LessicoParole, Comandi) {
    abilitaIncroci();
    prova::CartellaTemporanea t;
    const std::string d = t.scrivi("it.dat", prova::dizionario({{3, {"ORA", "ARA", "RIO", "AIA", "OCA"}},
                                                                {4, {"ROMA", "MORA", "RAMO", "MELA", "AMOR", "RANA"}},
                                                                {6, {"PARIGI"}}}));
    // Across 1 (row 1) crosses down 1 (three open letters) and down 4 (ending in the A typed).
    const std::string s = t.scrivi("s.trmo", prova::fileTrmo({"ROMA", "IX#R", "O#AA"}, {"....", "..#.", ".#.A"}));
    const struct {
        std::vector<std::string> argomenti;
        int uscita;
        const char* stampa;  // stdout, or the start of stderr when it fails
    } casi[] = {
        {{"cerca", d, "#@#@"}, 0, "ROMA\nMORA\nRAMO\nMELA\nRANA\n"},
        {{"cerca", d, "M[AE"}, 1, "lessico: maschera non valida: M[AE (parentesi quadra non chiusa"},
        {{"anagrammi", d, "ROMA"}, 0, "ROMA\nMORA\nRAMO\nAMOR\n"},
        {{"frammenti", d, "PRG"}, 0, "consonanti PARIGI\ndispari PARIGI\n"},
        {{"codici", d, "1-2-3-4", "m..a"}, 0, "MORA\nMELA\n"},
        {{"codici", d, "1--2-3"}, 1, "lessico: codici non validi: 1--2-3"},
        {{"incroci", d, s, "1", "1", "o"}, 0, "ROMA 3\nRAMO 3\nRANA 3\n"},
        {{"incroci", d, s, "2", "1", "v"}, 1, "lessico: la parola in quella casella ha 2 lettere"},
        {{"anagrammi", d}, 2, "uso:"},
    };
    for (const auto& c : casi) {
        std::ostringstream out, err;
        EXPECT_EQ(eseguiLessico(c.argomenti, out, err), c.uscita) << c.argomenti[0] << " " << c.argomenti.back();
        if (c.uscita == 0) EXPECT_EQ(out.str(), c.stampa) << c.argomenti.back() << err.str();
        else EXPECT_EQ(err.str().rfind(c.stampa, 0), 0u) << err.str();
    }
}

// Each damaged dictionary is said once on the standard error, and every command still answers
// from the words that lie in the file (which words those are, the reader's own test tells).
TEST(LessicoParole, ADamagedDictionaryIsSaidOnceAndStillSearched) {
    prova::CartellaTemporanea t;
    for (const prova::Danneggiato& d : prova::dizionariDanneggiati()) {
        std::string dati = prova::dizionario(prova::paroleDanneggiate);
        d.danno(dati);
        const std::string f = t.scrivi("d.dat", dati);
        const std::string detto =
            *d.detto ? "lessico: attenzione: " + f + " " + d.detto + "; si cercano solo le parole che il file contiene davvero\n" : "";
        std::string quattro;  // the 4-letter words still found
        for (const std::string& p : d.parole[1]) quattro += p + "\n";
        for (const std::vector<std::string>& comando : {std::vector<std::string>{"cerca", f, "...."}, {"anagrammi", f, "ALEM"}}) {
            std::ostringstream out, err;
            EXPECT_EQ(eseguiLessico(comando, out, err), 0) << d.nome;
            EXPECT_EQ(err.str(), detto) << d.nome << " " << comando[0];
            if (comando[0] == "cerca") EXPECT_EQ(out.str(), quattro) << d.nome;
        }
    }
}
