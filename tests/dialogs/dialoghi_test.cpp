#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "aiuti.h"
#include "dialogs/apertura_schema.h"
#include "dialogs/cartelle.h"
#include "sessione/salvataggio.h"
#include "dialogs/scelta_carattere.h"
#include "formats/formato.h"
#include "formats/trmo.h"
#include "model/superficie_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

// A file whose size field and grid rows are written raw (two characters per cell).
std::string grezzo(const std::string& dimensioni, const std::vector<std::string>& righe) {
    std::string s = "Autore:      X\r\nData:         01-02-2013\r\nTitolo:       Prova\r\nDimensioni:  " + dimensioni + "\r\n";
    for (const std::string& r : righe) s += r + "\r\n";
    return s;
}

struct Anteprime : ::testing::Test {
    CartellaTemporanea dir;
    SuperficieRegistro sup{344, 253};
    PiattaformaRegistro piattaforma;
    ValoriImpostazioni valori;

    Anteprime() { valori.AltezzaCaratteri = 60, valori.PercentualeRiquadro = 80, valori.DistanzaDaCentro = 5; }
    Anteprima mostra(const std::string& dati) {
        dir.scrivi("p.trmo", dati);
        sup.operazioni.clear();
        piattaforma.messaggi.clear();
        return disegnaAnteprima(valori, sup, piattaforma, dir.percorso(), "p.trmo");
    }
    std::vector<Operazione> di(Operazione::Tipo t) const { return sup.di(t); }
};

TEST_F(Anteprime, CentredGridLettersAndBlackSquares) {
    std::vector<std::string> righe(10, std::string(13, 'A'));
    righe[0][1] = '#';
    const std::string dati = prova::fileTrmo(righe, {"A"}, {}, "Niccol\xF2");
    const Anteprima a = mostra(dati);
    EXPECT_TRUE(a.riuscita);
    EXPECT_EQ(a.lato, 24);
    EXPECT_EQ(a.x0, 16);
    EXPECT_EQ(a.y0, 6);
    EXPECT_EQ(di(Operazione::rettangolo).size(), 130u);
    EXPECT_EQ(a.datiAutore, "Niccolò - 01-02-2013 - Prova");
    EXPECT_EQ(di(Operazione::scritta).at(0).carattere, (Carattere{"Arial", 14, false, false}));
}

TEST_F(Anteprime, EachMalformedFileHasItsMessage) {
    // Sizes of no cells or too many, a file cut short twice, a line past reason; a cell no letter.
    const std::string casi[] = {grezzo(" 0x 1", {"[."}), grezzo("99999x 1", {"[.[."}), grezzo(" 2x 3", {"[.[.", "[.[."}),
                                "Autore:      X\r\nData:\r\n", grezzo(" 1x 1", {std::string(6000, '.')}), grezzo(" 2x 1", {"[*[."})};
    for (const std::string& dati : casi) {
        const char* messaggio = &dati == std::end(casi) - 1 ? msgTipoAnteprima : msgFormatoAnteprima;
        SCOPED_TRACE(dati);
        EXPECT_FALSE(mostra(dati).riuscita);
        EXPECT_EQ(prova::testi(piattaforma), std::vector<std::string>{messaggio});
        EXPECT_EQ(sup.operazioni.back().tipo, Operazione::pulisci);  // what was drawn is wiped
    }
    std::filesystem::create_directory(dir.percorso("cartella.trmo"));
    for (const std::string nome : {"", "manca.trmo", "cartella.trmo"}) {
        piattaforma.messaggi.clear();
        const std::string atteso = nome == "cartella.trmo" ? messaggioApertura(EsitoApertura::nonFile, dir.percorso(nome)) : msgNessunFile;
        EXPECT_FALSE(disegnaAnteprima(valori, sup, piattaforma, dir.percorso(), nome).riuscita) << nome;
        EXPECT_EQ(prova::testi(piattaforma), std::vector<std::string>{atteso}) << nome;
    }
}

TEST(CartellaEFiles, GoesIntoTheArchiveFolderAndListsTrmoFiles) {
    CartellaTemporanea dir;
    const std::string base = dir.percorso().substr(0, dir.percorso().size() - 1);
    const std::string minuscolo = dir.percorso("archivio cruciverba"), sotto = dir.percorso("Archivio cruciverba");
    std::filesystem::create_directories(minuscolo + "/Archivio cruciverba");  // the other case does not count
    EXPECT_EQ(cartellaIniziale(base), base);
    EXPECT_EQ(cartellaIniziale(minuscolo), minuscolo + "/Archivio cruciverba");
    std::filesystem::create_directories(sotto + "/Archivio cruciverba");
    EXPECT_EQ(cartellaIniziale(base), sotto);
    EXPECT_EQ(cartellaIniziale(sotto), sotto);  // already inside one: stays

    // The listed files: "*.trm*" in any letter case, sorted by name; folders are left out.
    std::filesystem::create_directory(dir.percorso("g.trmo"));
    for (const char* n : {"b.trmo", "A.TRM", "c.Trmx", "d.txt", "trmo", "caf\xe9.trmo"}) dir.scrivi(n, "x");
    EXPECT_EQ(filesCruciverba(dir.percorso()), (std::vector<std::string>{"A.TRM", "b.trmo", "c.Trmx", "caf\xe9.trmo"}));
}

TEST(Apertura, CopiesTheFolderFileOrTheAbsolutePathIntoTheWorkingCopy) {
    CartellaTemporanea dir, altrove;
    Documento documento;
    documento.fileLavoro = dir.percorso("lavoro.tmp"), documento.nomeFile = "vecchio.trmo";
    PiattaformaRegistro p;
    const ApriSchema apri = [&](const std::string& percorso) { return apriInLavoro(documento, p, percorso); };
    // A lone CR ends its line and the copy has CR LF there; a lone LF inside a clue stays in it.
    const std::string schema = prova::fileTrmo({"CA", "SA"}, {}, {rigaDefinizione(1, 1, Direzione::orizzontale, "Abita\nzione")});
    std::string misto = schema;
    misto.replace(misto.find("\r\n"), 2, "\r");
    dir.scrivi("caff\xe8.trmo", misto);
    dir.scrivi("?.trmo", "x\r\n");  // a pattern is refused even when a file has that very name
    // Empty box, missing file, patterns that would match, a missing absolute path.
    for (const std::string& nome : {std::string(), std::string("manca.trmo"), std::string("?.trmo")}) {
        SCOPED_TRACE(nome);
        p.messaggi.clear();
        EXPECT_FALSE(apriSchemaScelto(apri, p, dir.percorso(), nome));
        EXPECT_EQ(prova::testi(p), std::vector<std::string>{"Errore: file inesistente!"});
        EXPECT_EQ(documento.nomeFile, "vecchio.trmo");
        EXPECT_FALSE(std::filesystem::exists(documento.fileLavoro));
    }
    ASSERT_TRUE(apriSchemaScelto(apri, p, dir.percorso(), "caff\xe8.trmo"));
    EXPECT_EQ(dir.leggi("lavoro.tmp"), schema);
    EXPECT_EQ(documento.nomeFile, dir.percorso("caff\xe8.trmo"));
    // A typed absolute path is opened wherever it is.
    const std::string altro = prova::fileTrmo({"AB", "CD"});
    ASSERT_TRUE(apriSchemaScelto(apri, p, dir.percorso(), altrove.scrivi("q.trmo", altro)));
    EXPECT_EQ(documento.nomeFile, altrove.percorso("q.trmo"));
    EXPECT_EQ(dir.leggi("lavoro.tmp"), altro);
}

TEST(TestiDelSalvataggio, TheTypedNameBecomesAPath) {
    const std::vector<std::array<std::string, 3>> casi = {
        {"/giochi", "prova", "/giochi/prova.trmo"}, {"/giochi/", "a.trmo", "/giochi/a.trmo"},
        {"/giochi", "/altro/prova", "/altro/prova.trmo"},
        {"/Giochi.2013", "prova", "/Giochi.2013/prova"},  // a "." anywhere in the path is enough
    };
    for (const auto& [cartella, nome, atteso] : casi) EXPECT_EQ(percorsoSalvataggio(cartella, nome), atteso);
}

TEST(Salvataggio, OverwriteAskedCancelWritesOnlyTheWorkingCopyAnErrorAllowsARetry) {
    CartellaTemporanea dir;
    PiattaformaRegistro p;
    Documento documento = prova::documentoDaSchema({"CASA", "A#MI"}, {"CA..", ".#.I"}, {}, "Bianchi");
    documento.fileLavoro = dir.percorso("lavoro.tmp"), documento.nomeFile = "/vecchio.trmo";
    const std::string cartella = dir.percorso("manca");
    EXPECT_EQ(salvaConNome(documento, p, cartella, "prova", "Rossi"), EsitoSalvataggio::errore);
    EXPECT_EQ(prova::testi(p), std::vector<std::string>{"Errore di nome file o accesso al disco!"});
    EXPECT_FALSE(std::filesystem::exists(documento.fileLavoro));

    const std::string n = dir.scrivi("a.trmo", "vecchio");
    p.risposte = {Risposta::annulla};
    EXPECT_EQ(salvaConNome(documento, p, dir.percorso(), "a.trmo", "Rossi"), EsitoSalvataggio::rinunciato);
    EXPECT_EQ(p.messaggi.back().testo, "Il file " + n + " esiste già; vuoi riscriverlo?");
    EXPECT_EQ(dir.leggi("a.trmo"), "vecchio");
    EXPECT_EQ(documento.nomeFile, "/vecchio.trmo");
    EXPECT_EQ(documento.cruciverba.autore, "Bianchi");
    EXPECT_EQ(dir.leggi("lavoro.tmp"), testoCruciverba(documento.cruciverba));
    const std::string copiaPrima = dir.leggi("lavoro.tmp");
    EXPECT_EQ(salvaConNome(documento, p, dir.percorso(), "a.trmo", "Rossi"), EsitoSalvataggio::salvato);  // confirmed
    EXPECT_EQ(documento.nomeFile, n);
    EXPECT_EQ(documento.cruciverba.autore, "Rossi");
    // The file holds the answers; the working copy is the session's to drop, not rewritten here.
    EXPECT_EQ(dir.leggi("a.trmo"), testoCruciverba(documento.cruciverba));
    EXPECT_EQ(dir.leggi("lavoro.tmp"), copiaPrima);
    std::filesystem::create_directory(cartella);
    EXPECT_EQ(salvaConNome(documento, p, cartella, "prova", "Rossi"), EsitoSalvataggio::salvato);
}

TEST(SceltaCarattere, StepsInOrderFallingBackOnArial) {
    // The printer's one family (the screen takes Verdana), the choice and ticks, the styles after.
    struct Caso { const char *stampante, *scelta; bool corsivo, grassetto; StileCarattere attesoStampante, attesoSchermo; };
    const Caso casi[] = {
        {"Verdana", "Verdana", true, false, {"Verdana", true, false}, {"Verdana", true, false}},
        // Refused on the printer's name: the later steps still apply the ticks, with Arial.
        {"Verdana", "Fantasia", true, true, {"Arial", true, true}, {"Arial", true, true}},
        // Refused on the screen's name: the printer was already turned into plain Arial.
        {"Fantasia", "Fantasia", true, true, {"Arial", false, false}, {"Arial", true, true}},
    };
    for (const Caso& c : casi) {
        ValoriImpostazioni valori;
        PiattaformaRegistro p;
        const std::string accettata = c.stampante;
        StileInValori stampante(valori.carattereStampante, [&](const std::string& n) { return n == accettata; }),
            schermo(valori.carattereSchermo, [](const std::string& n) { return n == "Verdana"; });
        SCOPED_TRACE(c.scelta);
        EXPECT_TRUE(applicaCarattere(valori, p, stampante, schermo, c.scelta, c.corsivo, c.grassetto));
        EXPECT_EQ(valori.carattereStampante, c.attesoStampante);
        EXPECT_EQ(valori.carattereSchermo, c.attesoSchermo);
        EXPECT_EQ(valori.nomeFont, c.attesoSchermo.nome);
        EXPECT_EQ(prova::testi(p), c.attesoSchermo.nome == "Arial" ? std::vector<std::string>{"Font scelto non disponibile, verrà scelto l'Arial a video ed in stampa."}
                                                                   : std::vector<std::string>{});
    }
}

}  // namespace

// The player's own places: the puzzle folder, the samples copied once, recents, typed folders.
TEST(Cartelle, PlayersFolderRecentsAndTypedFolders) {
    namespace fs = std::filesystem;
    CartellaTemporanea dir;
    const std::string d = dir.percorso(), documenti = dir.percorso("Documenti"), dest = dir.percorso("Cruciverba");
    EXPECT_EQ(cartellaCruciverba("/casa", documenti), "/casa/Cruciverba");  // no documents folder yet
    fs::create_directories(documenti);
    EXPECT_EQ(cartellaCruciverba("/casa", documenti), documenti + "/Cruciverba");
    EXPECT_EQ(cartellaCruciverba(d, d), dest);  // documents folder that is the home itself

    fs::create_directories(dir.percorso("prog/Archivio cruciverba"));
    const std::string campione = dir.scrivi("prog/Archivio cruciverba/a.trmo", "x");
    fs::permissions(campione, fs::perms::owner_read);
    EXPECT_TRUE(preparaCartellaCruciverba(dir.percorso("prog"), dest, false));
    EXPECT_FALSE(fs::exists(dest));
    EXPECT_TRUE(preparaCartellaCruciverba(dir.percorso("prog"), dest, true));
    EXPECT_EQ(fs::status(dest + "/a.trmo").permissions() & fs::perms::owner_write, fs::perms::owner_write);
    fs::remove(dest + "/a.trmo");  // the player's folder is the player's: not filled again
    EXPECT_TRUE(preparaCartellaCruciverba(dir.percorso("prog"), dest, true));
    EXPECT_FALSE(fs::exists(dest + "/a.trmo"));

    std::vector<std::string> l;
    for (int i = 1; i <= 12; ++i) l = conRecente(l, std::to_string(i));
    l = conRecente(l, "5");
    EXPECT_EQ(l, (std::vector<std::string>{"5", "12", "11", "10", "9", "8", "7", "6", "4", "3"}));

    const std::tuple<std::string, std::string> digitati[] = {
        {"Cruciverba", dest}, {d + "/Documenti/", documenti}, {"prog/Archivio cruciverba/a.trmo", ""}, {"manca", ""}};
    for (const auto& [nome, atteso] : digitati) EXPECT_EQ(cartellaDigitata(d, nome), atteso) << nome;

    ::setenv("XDG_CONFIG_HOME", dir.percorso("config").c_str(), 1), ::setenv("HOME", d.c_str(), 1);
    const std::string b = dir.scrivi("Cruciverba/b.trmo", "x");
    Impostazioni impostazioni(Cartelle{});
    for (const std::string& p : {b, dest + "/sparito.trmo", b}) ricordaAperto(impostazioni, p);
    EXPECT_EQ(fileRecenti(impostazioni), std::vector<std::string>{b});  // newest first, once, only what is still there
    EXPECT_EQ(cartelleRecenti(impostazioni), std::vector<std::string>{dest});
    ricordaAperto(impostazioni, documenti + "/nuovo.trmo");  // the folder of the puzzle last opened
    EXPECT_EQ(cartellaDiPartenza(impostazioni, "/"), documenti);
    fs::remove(documenti);  // a folder gone: the player's puzzle folder instead
    EXPECT_EQ(cartellaDiPartenza(impostazioni, "/"), dest);
}

TEST(Apertura, ANameWithoutItsExtensionStandsForTheOnePuzzleOfThatName) {
    CartellaTemporanea dir;
    for (const char* n : {"primi-passi.trmo", "doppio.trmo", "doppio.ipuz", "nota.txt", "nudo", "nudo.trmo", "a.b.trmo"})
        dir.scrivi(n, "x");
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"primi-passi", "primi-passi.trmo"},
        {"primi", "primi"},    // a name's beginning is not its name
        {"doppio", "doppio"},  // two puzzles: the player says which
        {"nota", "nota"},      // not a puzzle
        {"nudo", "nudo"},      // a file of that very name is what was asked for
    };
    for (const auto& [scritto, aperto] : casi) EXPECT_EQ(nomeCompleto(dir.percorso(), scritto), aperto) << scritto;
}
