// Hostile names: no reader may block (the test has a short time limit), no writer may replace
// what is not a regular file, and each says what it found.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>

#include "model/file.h"
#include "model/impostazioni.h"
#include "model/tipo_file.h"
#include "solving/lessico.h"
#include "strumento.h"
#include "supporto/schema.h"
#include "trmo.h"

using namespace quadrivo;
namespace fs = std::filesystem;

namespace {
// A tool's exit code and everything it printed.
std::pair<int, std::string> esegui(const std::vector<std::string>& a) {
    std::ostringstream out, err;
    const int c = a[0] == "trmo" ? eseguiTrmo({a.begin() + 1, a.end()}, out, err) : eseguiLessico({a.begin() + 1, a.end()}, out, err);
    return {c, out.str() + err.str()};
}
bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }
}  // namespace

TEST(Ostili, ReadersNeverWaitAndWritersNeverReplaceWhatIsNoFile) {
    prova::CartellaTemporanea t;
    const std::string fifo = t.percorso("fifo.trmo"), cartella = t.percorso("c.trmo"), link = t.percorso("l.trmo");
    ::mkfifo(fifo.c_str(), 0600), fs::create_directory(cartella), fs::create_symlink(fifo, link);
    const std::string buono = t.scrivi("buono.trmo", prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Abitazione"}));
    const std::string lista = t.scrivi("lista.txt", "casa\n"), uscita = t.percorso("x.dat");
    const std::pair<std::string, std::string> casi[] = {{fifo, "una FIFO"}, {link, "una FIFO"}, {cartella, "una cartella"}, {"/dev/null", "un dispositivo"}};
    for (const auto& [p, tipo] : casi) {
        const TipoFile prima = tipoFile(p);
        // readers: the program's open (as trmo does it), both lessico readers, a word list, the dictionary check
        EXPECT_EQ(motivoLessico(p), "è " + tipo);
        for (const auto& a : {std::vector<std::string>{"trmo", "verifica", p}, {"lessico", "cerca", p, "MELA"}, {"lessico", "info", p},
                              {"lessico", "crea", "Italiano", uscita, lista, p}}) {
            const auto [codice, testo] = esegui(a);
            SCOPED_TRACE(a[1] + " " + p + ": " + testo);
            EXPECT_EQ(codice, 1);
            EXPECT_TRUE(contiene(testo, "è " + tipo));
            EXPECT_FALSE(fs::exists(uscita));
        }
        if (p == "/dev/null") continue;  // never a writer's target here
        // writers: both tools and the program's safe and quick writes
        EXPECT_TRUE(contiene(esegui({"trmo", "normalizza", buono, p}).second, p + " non è un file ordinario (" + tipo + ")")) << p;
        EXPECT_TRUE(contiene(esegui({"lessico", "crea", "Italiano", p, lista}).second, "non è un file ordinario")) << p;
        EXPECT_FALSE(scriviFileRapido(p, "x")) << p;
        EXPECT_EQ(scriviFileSicuro(p, "x").errore, ErroreScrittura::nonFile) << p;
        EXPECT_EQ(tipoFile(p), prima) << p;
    }
    // A missing list, a folder that cannot take the dictionary: a message and no file left behind.
    EXPECT_TRUE(contiene(esegui({"lessico", "crea", "Italiano", uscita, t.percorso("manca.txt")}).second, "lista di parole non trovata"));
    EXPECT_TRUE(contiene(esegui({"lessico", "crea", "Italiano", t.percorso("no/x.dat"), lista}).second, "impossibile scrivere"));
    EXPECT_EQ(esegui({"lessico", "crea", "Italiano", uscita, lista}).first, 0);
    EXPECT_FALSE(fs::exists(uscita + ".parziale"));
}

TEST(Ostili, SettingsThatGiveNothingFallBackToTheShippedOnesAndSaySo) {
    prova::CartellaTemporanea t;
    EXPECT_EQ(t.leggi(FILE_IMPOSTAZIONI), testoImpostazioniPredefinite);  // the built-in values are the shipped file's
    // Where, what stands there ("fifo", the bytes, or "" for nothing), what is said.
    const std::array<std::string, 3> casi[] = {{"programma/", "", "non esiste"}, {"programma/", "fifo", "è una FIFO"},
                                               {"programma/", std::string(3 << 20, '\0'), "non contiene impostazioni"},
                                               {"utente/", "xx=1\r\n", "non contiene impostazioni"}};
    for (const auto& [dove, dati, motivo] : casi) {
        fs::remove_all(t.percorso("programma")), fs::remove_all(t.percorso("utente"));
        fs::create_directory(t.percorso("programma")), fs::create_directory(t.percorso("utente"));
        const std::string f = t.percorso(dove + "tramerio.ini");
        if (dati == "fifo") ::mkfifo(f.c_str(), 0600);
        else if (!dati.empty()) t.scrivi(dove + "tramerio.ini", dati);
        ValoriImpostazioni s;
        const std::string messaggio = leggiImpostazioni(s, Cartelle{t.percorso("programma/"), t.percorso("utente/")});
        EXPECT_TRUE(contiene(messaggio, f + " " + motivo)) << messaggio;
        EXPECT_TRUE(contiene(messaggio, "proporzioni predefinite")) << messaggio;
        EXPECT_EQ(testoImpostazioni(s), testoImpostazioniPredefinite) << f;
    }
    // A file that gives keys is read as it is, 0 included, and only drawn with the shipped value.
    t.scrivi("programma/tramerio.ini", "PercentualeRiquadro= 0 \r\nAltezzaNumeri=-3\r\n");
    ValoriImpostazioni s;
    EXPECT_EQ(leggiImpostazioni(s, Cartelle{t.percorso("programma/"), {}}), "");
    EXPECT_EQ(s.PercentualeRiquadro, 0);
    EXPECT_EQ(riquadroDisegno(s), 90);
    EXPECT_EQ(numeriDisegno(s), 18);
}

TEST(Ostili, NoDictionariesAndBadMasksAreNamed) {
    prova::CartellaTemporanea t;
    const std::string d = t.percorso("d.dat");
    ASSERT_EQ(esegui({"lessico", "crea", "Italiano", d, t.scrivi("l.txt", "mela\nmèla\ncasa\n")}).first, 0);
    EXPECT_EQ(esegui({"lessico", "cerca", d, "MÈ?A"}).second, "MELA\n");  // folded as the grid folds
    for (const char* maschera : {"--help", "M3LA", "M\xe8LA"}) EXPECT_EQ(esegui({"lessico", "cerca", d, maschera}).first, 1) << maschera;
    // A file that is no dictionary at all is refused, saying why; a damaged one is only said (lessico_parole_test).
    const std::pair<std::string, std::string> casi[] = {
        {"", "non è un dizionario: è vuoto o troppo corto"},
        {std::string(420, '0'), "non è un dizionario: ha un indice non valido: le parole di 3 lettere iniziano alla posizione 0"}};
    for (const auto& [dati, detto] : casi) {
        t.scrivi("d.dat", dati);
        const auto [codice, testo] = esegui({"lessico", "cerca", d, "M.LA"});
        EXPECT_EQ(codice, 1) << testo;
        EXPECT_TRUE(contiene(testo, detto)) << testo;
    }
}
