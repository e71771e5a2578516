// Dictionary files built, loaded, refused with a message (never an abort), and searched.
#include "solving/lessico.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "dizionario_prova.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/lessico_crea.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;
using prova::dizionario;
using V = std::vector<std::string>;

namespace {

// A file of `byte` bytes that takes no room on disk past its `inizio`.
std::string sparso(const CartellaTemporanea& t, const std::string& nome, long long byte, const std::string& inizio = "") {
    const std::string f = t.scrivi(nome, inizio);
    std::filesystem::resize_file(f, static_cast<std::uintmax_t>(byte));
    return f;
}

// The dialog without a display, as a list of what it is told (a status "@" the bar's strokes).
struct VistaFinta : VistaRicerca {
    explicit VistaFinta(const Piattaforma& p) : piattaforma(p) {}
    void svuotaLista() override { eventi.push_back("svuota"); }
    void aggiungiParole(const ParoleTrovate& parole) override {
        for (const std::string& parola : parole.tutteUtf8())
            eventi.push_back((piattaforma.puntatore() == Puntatore::clessidra ? "+" : "+senza clessidra ") + parola);
    }
    void impostaStato(const std::string& t) override { eventi.push_back(t + "@" + std::to_string(barra.operazioni.size())); }
    void impostaTestoLista(const std::string& testo) override { eventi.push_back("testo:" + testo); }
    Superficie& progresso() override { return barra; }
    const Piattaforma& piattaforma;
    SuperficieRegistro barra{200, 20};
    V eventi;
};

const std::map<int, V> piccolo = {{3, {"ORA", "MAL"}}, {4, {"MELA", "CASA", "MALA", "MOLA", "MULO", "MELO"}}, {5, {"MELAS"}}};

struct Ricerca : ::testing::Test {
    Ricerca() { s.cartella = cartella.percorso(); }
    void carica(const std::string& dati) {
        cartella.scrivi("LessicoItaliano.dat", dati);
        caricaLessico(s, piattaforma);
    }
    V cerca(const std::string& maschera) {
        vista = std::make_unique<VistaFinta>(piattaforma);
        return cercaNelLessico(s, piattaforma, maschera, *vista).tutteUtf8();
    }
    prova::CartellaTemporanea cartella;
    Lessico s;
    PiattaformaRegistro piattaforma;
    std::unique_ptr<VistaFinta> vista;
};

}  // namespace

TEST_F(Ricerca, MaskListsTheMatchesInFileOrderWithAndWithoutTheIndex) {
    carica(dizionario(piccolo));
    ASSERT_NE(s.indice, nullptr);
    EXPECT_EQ(cerca("M LA"), (V{"MELA", "MALA", "MOLA"}));
    EXPECT_EQ(vista->eventi, (V{"svuota", "Trovata@1", "+MELA", "+MALA", "+MOLA", "Trov.: 3@2", "testo:MELA"}));
    s.indice.reset();  // the plain scan gives the same answers
    EXPECT_EQ(cerca("M LA"), (V{"MELA", "MALA", "MOLA"}));
    // Only the blank is a wildcard, and the comparison is exact.
    for (const std::string maschera : {"M.LA", "m la", "?ELA"}) {
        EXPECT_EQ(cerca(maschera), V{}) << maschera;
        EXPECT_EQ(vista->eventi, (V{"svuota", "Trov.: 0@2", "testo:"})) << maschera;
    }
}

TEST_F(Ricerca, ADamagedDictionaryIsSaidOnceAndEveryLengthItHoldsStillFinds) {
    for (const prova::Danneggiato& d : prova::dizionariDanneggiati()) {
        std::string file = dizionario(prova::paroleDanneggiate);
        d.danno(file);
        cartella.scrivi("LessicoItaliano.dat", file);
        const std::string detto =
            *d.detto ? "Il file di vocabolario LessicoItaliano.dat " + std::string(d.detto) +
                           ". Si cercano solo le parole che il file contiene davvero."
                     : "";
        // At start: said with the settings' warning; the search reads the blocks, no index.
        EXPECT_EQ(preparaLessico(s), detto) << d.nome;
        EXPECT_EQ(motivoLessico(cartella.percorso("LessicoItaliano.dat")), "") << d.nome;
        for (int L = 3; L <= 5; ++L) EXPECT_EQ(cerca(std::string(std::size_t(L), ' ')), d.parole[std::size_t(L - 3)]) << d.nome << " " << L;
        // With the index a way of searching builds: the same words, and nothing said again.
        EXPECT_TRUE(indicizzaLessico(s)) << d.nome;
        for (int L = 3; L <= 5; ++L) EXPECT_EQ(cerca(std::string(std::size_t(L), ' ')), d.parole[std::size_t(L - 3)]) << d.nome << " " << L;
        EXPECT_TRUE(piattaforma.messaggi.empty()) << d.nome;
    }
}

TEST_F(Ricerca, OnlyAFileThatIsNoDictionaryAtAllIsRefused) {
    std::string nessunaParola = dizionario(prova::paroleDanneggiate);
    for (int L = 3; L <= 5; ++L) nessunaParola.replace(200 + 16 * (L - 3), 8, "xxxxxxxx");
    for (const std::string& dati : {std::string(), std::string(407, '0'), std::string(420, '0'), nessunaParola}) {
        cartella.scrivi("LessicoItaliano.dat", dati);
        EXPECT_EQ(motivoLessico(cartella.percorso("LessicoItaliano.dat")), "non è un dizionario") << dati.size();
        EXPECT_EQ(preparaLessico(s), "");  // not a damaged dictionary: the search says why
        piattaforma.messaggi.clear();
        EXPECT_TRUE(cerca("    ").empty());
        EXPECT_EQ(piattaforma.messaggi.empty() ? "" : piattaforma.messaggi[0].testo,
                  "Impossibile usare il dizionario LessicoItaliano.dat (non è un dizionario): la ricerca non è possibile.");
    }
}

TEST_F(Ricerca, AFileChangedAfterLoadingIsSearchedAsItIsNow) {
    std::string file = dizionario(piccolo);
    carica(file);
    const std::string percorso = cartella.percorso("LessicoItaliano.dat");
    // Same size, other words: the words come from the file, the index still narrows.
    const auto scritto = std::filesystem::last_write_time(percorso);
    cartella.scrivi("LessicoItaliano.dat", dizionario({{4, {"MELA", "CASA", "MELA", "MOLE", "MULO", "MELO"}}, {5, {"MELAS"}}, {3, {"ORA", "MAL"}}}));
    std::filesystem::last_write_time(percorso, scritto + std::chrono::seconds(1));
    EXPECT_EQ(cerca("M LA"), (V{"MELA", "MELA"}));
    file.resize(file.size() - 5 - 8);  // shortened: the index no longer fits; the words left are found
    cartella.scrivi("LessicoItaliano.dat", file);
    EXPECT_EQ(cerca("M   "), (V{"MELA", "MALA", "MOLA"}));
    std::filesystem::remove(percorso);
    EXPECT_EQ(cerca("M LA"), V{});
    EXPECT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(vista->eventi, (V{"svuota", "Trov.: 0@0", "testo:"}));
}

TEST(PiegaParola, AccentsAndLigaturesFoldToCapitalsAnythingElseLeavesTheWordOut) {
    const std::pair<const char*, const char*> casi[] = {
        {"perché", "PERCHE"}, {"cœur", "COEUR"}, {"ǣvum", "AEVUM"}, {"Straße", "STRASSE"}, {"ÎLE", "ILE"},
    };
    for (const auto& [parola, attesa] : casi) EXPECT_EQ(piegaParola(parola), attesa) << parola;
    for (const char* parola : {"l'acqua", "mp3", "καλά", "", "caff\xE8", "x\xE2\x80"})
        EXPECT_FALSE(piegaParola(parola).has_value()) << parola;
    EXPECT_EQ(lemmiHunspell("4\r\nabacus/b\r\n# nota\r\nab\n\nabeo/AB po:verb\nRoma\n"),
              (std::vector<std::string>{"abacus", "ab", "abeo", "Roma"}));
}

TEST(CreaLessico, LayoutSortedWithoutDuplicatesAndAReadableHeader) {
    const std::string dati = creaLessico({"MOLA", "ORA", "MALA", "MOLA", "ZZ", "SEDICILETTEREXXX", "MELA", "ABCDEFGHIJKLMNO"},
                                         {"Italiano", 0, std::string(500, 'x'), "2026-01-02"});
    // The index of lengths 3 to 5 and of 15, then the words.
    EXPECT_EQ(dati.substr(200, 48) + dati.substr(392),
              "00000409000004120000041200000424"
              "0000042400000424"
              "0000042400000439"
              "ORA"
              "MALAMELAMOLA"
              "ABCDEFGHIJKLMNO");
    // The over-long source was cut, not the rest.
    const IntestazioneLessico i = leggiIntestazioneLessico(dati);
    EXPECT_EQ(i.lingua, "Italiano");
    EXPECT_EQ(i.parole, 5);
    EXPECT_EQ(i.data, "2026-01-02");
    for (char c : dati.substr(0, 200)) EXPECT_TRUE((c >= ' ' && c <= '~') || c == '\r' || c == '\n') << int(c);
}

TEST(LimitiLessico, OnlyOrdinaryFilesUpTo64MegabytesAreUsed) {
    CartellaTemporanea t;
    std::vector<bool> usabili;
    for (const std::string& f : {t.scrivi("piccolo.dat", dizionario(piccolo)), sparso(t, "limite.dat", 64LL << 20, dizionario(piccolo)),
                                 sparso(t, "enorme.dat", (64LL << 20) + 1), t.percorso("manca.dat"), t.percorso(), std::string("/dev/zero")})
        usabili.push_back(lessicoUtilizzabile(f));
    EXPECT_EQ(usabili, (std::vector<bool>{true, true, false, false, false, false}));
}

TEST_F(Ricerca, ALanguageWhoseFileCannotBeUsedIsRefused) {
    carica(dizionario(piccolo));
    sparso(cartella, "LessicoLatino.dat", 100LL << 20);
    cartella.scrivi("LessicoFrancese.dat", dizionario({{4, {"ROSA"}}}));
    for (int lingua : {2, 3}) {  // English missing, Latin too large
        EXPECT_FALSE(scegliLingua(s, piattaforma, lingua));
        EXPECT_EQ(std::tuple(s.lingua, s.file, piattaforma.terminato), std::tuple(1, "LessicoItaliano.dat", false));
    }
    const auto& m = piattaforma.messaggi;
    const std::string a = "Impossibile usare il file di vocabolario ", b = "): resta in uso il dizionario LessicoItaliano.dat.";
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].testo, a + "LessicoInglese.dat (non esiste" + b);
    EXPECT_EQ(m[1].testo, a + "LessicoLatino.dat (è troppo grande" + b);
    // A language is loaded only when it changes: the one in use is not read again.
    EXPECT_TRUE(scegliLingua(s, piattaforma, 4));
    std::filesystem::remove(cartella.percorso("LessicoFrancese.dat"));
    EXPECT_FALSE(scegliLingua(s, piattaforma, 4));
    EXPECT_EQ(std::tuple(s.lingua, s.file, m.size()), std::tuple(4, "LessicoFrancese.dat", 2u));
}
