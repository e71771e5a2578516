// Hostile names, written here by the test: FIFOs, folders, devices, sockets, links, non-UTF-8
// names, broken settings and damaged dictionaries. No reader may block (the test has a time
// limit), no writer may replace what is not a regular file, and each says what it found.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "model/file.h"
#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "model/tipo_file.h"
#include "solving/lessico.h"
#include "solving/lessico_indice.h"
#include "strumento.h"
#include "supporto/schema.h"
#include "trmo.h"

using namespace quadrivo;
namespace fs = std::filesystem;

namespace {
struct Esito {
    int codice;
    std::string testo;
};
Esito strumento(int (*esegui)(const std::vector<std::string>&, std::ostream&, std::ostream&), std::vector<std::string> a) {
    std::ostringstream out, err;
    const int c = esegui(a, out, err);
    return {c, out.str() + err.str()};
}
Esito trmo(std::vector<std::string> a) { return strumento(eseguiTrmo, std::move(a)); }
Esito lessico(std::vector<std::string> a) { return strumento(eseguiLessico, std::move(a)); }
bool contiene(const std::string& testo, const std::string& parte) { return testo.find(parte) != std::string::npos; }

// Every kind of name that is no regular file, each at a name of its own.
struct NomiOstili {
    prova::CartellaTemporanea t;
    std::string fifo = t.percorso("fifo.trmo"), cartella = t.percorso("cartella.trmo"), presa = t.percorso("presa.trmo"),
                versoFifo = t.percorso("link.trmo");
    NomiOstili() {
        ::mkfifo(fifo.c_str(), 0600);
        fs::create_directory(cartella);
        fs::create_symlink(fifo, versoFifo);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        presa.copy(a.sun_path, sizeof a.sun_path - 1);
        const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::close(s);
    }
};
}  // namespace

TEST(Ostili, ReadersNeverWaitAndWritersNeverReplaceWhatIsNoFile) {
    NomiOstili n;
    const std::string buono = n.t.scrivi("buono.trmo", prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Abitazione"}));
    const std::string lista = n.t.scrivi("lista.txt", "casa\n");
    const std::pair<std::string, std::string> casi[] = {{n.fifo, "una FIFO"}, {n.versoFifo, "una FIFO"}, {n.cartella, "una cartella"},
                                                        {n.presa, "un socket"}, {"/dev/null", "un dispositivo"}};
    for (const auto& [p, tipo] : casi) {
        const TipoFile prima = tipoFile(p);
        // readers: the program's open, both tools, the dictionary checks
        EXPECT_TRUE(contiene(trmo({"verifica", p}).testo, "è " + tipo)) << p;
        for (const auto& a : {std::vector<std::string>{"cerca", p, "MELA"}, {"info", p}, {"crea", "Italiano", n.t.percorso("x.dat"), p}}) {
            const Esito e = lessico(a);
            EXPECT_TRUE(e.codice == 1 && contiene(e.testo, "è " + tipo)) << a[0] << " " << p << ": " << e.testo;
        }
        EXPECT_EQ(motivoLessico(p), "è " + tipo);
        if (p == "/dev/null") continue;  // never a writer's target here
        // writers: trmo, lessico, the program's safe and quick writes
        EXPECT_TRUE(contiene(trmo({"normalizza", buono, p}).testo, p + " non è un file ordinario (" + tipo + ")")) << p;
        EXPECT_TRUE(contiene(lessico({"crea", "Italiano", p, lista}).testo, "non è un file ordinario")) << p;
        EXPECT_FALSE(scriviFileSicuro(p, "x") || scriviFileRapido(p, "x"));
        EXPECT_EQ(ultimoErroreScrittura(), ErroreScrittura::nonFile);
        EXPECT_EQ(tipoFile(p), prima) << p;
    }
}

TEST(Ostili, SettingsThatGiveNothingFallBackToTheShippedOnesAndSaySo) {
    prova::CartellaTemporanea t;
    // The built-in values are the shipped file's.
    EXPECT_EQ(t.leggi(FILE_IMPOSTAZIONI), testoImpostazioniPredefinite);
    const auto programma = t.percorso("programma") + "/", utente = t.percorso("utente") + "/";
    struct Caso { std::string dove, dati, motivo; };  // dati: "fifo", "cartella" or the bytes; "" none
    const Caso casi[] = {{"programma/", "", "non esiste"}, {"programma/", "fifo", "è una FIFO"}, {"programma/", "cartella", "è una cartella"},
                         {"programma/", std::string(3 << 20, '\0'), "non contiene impostazioni"}, {"utente/", "xx=1\r\n", "non contiene impostazioni"}};
    for (const Caso& c : casi) {
        fs::remove_all(programma), fs::remove_all(utente), fs::create_directory(programma), fs::create_directory(utente);
        const std::string f = t.percorso(c.dove + "tramerio.ini");
        if (c.dati == "fifo") ::mkfifo(f.c_str(), 0600);
        else if (c.dati == "cartella") fs::create_directory(f);
        else if (!c.dati.empty()) t.scrivi(c.dove + "tramerio.ini", c.dati);
        Stato s;
        s.cartellaProgramma = programma, s.cartellaUtente = utente;
        const std::string messaggio = leggiImpostazioni(s);
        EXPECT_TRUE(contiene(messaggio, f + " " + c.motivo) && contiene(messaggio, "proporzioni predefinite")) << messaggio;
        EXPECT_EQ(testoImpostazioni(s), testoImpostazioniPredefinite) << f;
    }
    // A file that gives keys is read as it is, 0 included, and only drawn with the shipped value.
    fs::remove_all(utente);
    t.scrivi("programma/tramerio.ini", "PercentualeRiquadro= 0 \r\nAltezzaNumeri=-3\r\n");
    Stato s;
    s.cartellaProgramma = programma;
    EXPECT_EQ(leggiImpostazioni(s), "");
    EXPECT_EQ(std::tuple(s.PercentualeRiquadro, riquadroDisegno(s), numeriDisegno(s), caratteriDisegno(s)), std::tuple(0, 90, 18, 55));
}

TEST(Ostili, DamagedDictionariesAndBadMasksAreNamed) {
    prova::CartellaTemporanea t;
    ASSERT_EQ(lessico({"crea", "Italiano", t.percorso("buono.dat"), t.scrivi("l.txt", "mela\nmèla\ncasa\n")}).codice, 0);
    const std::string buono = t.leggi("buono.dat");
    std::string largo = buono;
    largo.replace(208, 8, "00000999");  // the 3-letter block would span past its neighbours
    const std::pair<std::string, std::string> casi[] = {
        {"", "è vuoto o troppo corto"}, {std::string(420, '0'), "ha un indice non valido"},
        {buono.substr(0, buono.size() - 2), "è troncato"}, {largo, "ha un indice non valido"}};
    for (const auto& [dati, difetto] : casi) {
        const std::string f = t.scrivi("d.dat", dati);
        EXPECT_EQ(difettoLessico(dati, std::int64_t(dati.size())), difetto);
        const Esito e = lessico({"cerca", f, "M.LA"});
        EXPECT_TRUE(e.codice == 1 && contiene(e.testo, "non è un dizionario valido: " + difetto)) << e.testo;
    }
    EXPECT_EQ(lessico({"cerca", t.percorso("buono.dat"), "MÈ?A"}).testo, "MELA\n");
    for (const char* maschera : {"--help", "M3LA", "M\xe8LA"}) EXPECT_EQ(lessico({"cerca", t.percorso("buono.dat"), maschera}).codice, 1) << maschera;
}
