// Loading a dictionary, choosing the language, and the "&Cerca" search as the dialog sees it.
#include "solving/lessico.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <random>

#include "dizionario_prova.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/lessico_indice.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::dizionario;
using V = std::vector<std::string>;

namespace {

// Replaces the start ('i') or end ('f') field of length L's index entry.
void campo(std::string& file, int L, char quale, const std::string& testo) {
    file.replace(200 + 16 * (L - 3) + (quale == 'f' ? 8 : 0), 8, (testo + std::string(8, ' ')).substr(0, 8));
}

// The dialog without a display: everything it is told, in order. A status carries the number
// of strokes painted on the bar by then; a word added without the busy pointer is marked.
struct VistaFinta : VistaRicerca {
    explicit VistaFinta(const Piattaforma& p) : piattaforma(p) {}
    void svuotaLista() override { eventi.push_back("svuota"); }
    void aggiungiParola(const std::string& parola) override {
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

class Lessico : public ::testing::Test {
protected:
    void SetUp() override { s.cartellaProgramma = cartella.percorso(); }
    void carica(const std::string& dati) {
        cartella.scrivi("LessicoItaliano.dat", dati);
        caricaLessico(s, piattaforma);
    }
    V cerca(const std::string& maschera) {
        vista = std::make_unique<VistaFinta>(piattaforma);
        return cercaNelLessico(s, piattaforma, maschera, *vista);
    }

    prova::CartellaTemporanea cartella;
    Stato s;
    PiattaformaRegistro piattaforma;
    std::unique_ptr<VistaFinta> vista;
};

}  // namespace

TEST_F(Lessico, MaskListsTheMatchesInFileOrderWithAndWithoutTheIndex) {
    carica(dizionario(piccolo));
    ASSERT_NE(s.indiceParole, nullptr);
    EXPECT_EQ(cerca("M LA"), (V{"MELA", "MALA", "MOLA"}));
    EXPECT_EQ(vista->eventi, (V{"svuota", "Trovata@1", "+MELA", "+MALA", "+MOLA", "Trov.: 3@2", "testo:MELA"}));
    EXPECT_EQ(piattaforma.forma, Puntatore::predefinito);
    EXPECT_EQ(cerca("    "), piccolo.at(4));
    s.indiceParole.reset();  // the plain scan gives the same answers
    EXPECT_EQ(cerca("M LA"), (V{"MELA", "MALA", "MOLA"}));
    EXPECT_EQ(cerca("   "), piccolo.at(3));
    // Only the blank is a wildcard, and the comparison is exact.
    for (const std::string maschera : {"M.LA", "m la", "?ELA"}) {
        EXPECT_TRUE(cerca(maschera).empty()) << maschera;
        EXPECT_EQ(vista->eventi, (V{"svuota", "Trov.: 0@2", "testo:"}));
    }
}

TEST_F(Lessico, ProgressBarEveryHundredWordsAndAtTheLast) {
    V parole(250, "PAROL");
    parole[149] = "TROVA";
    carica(dizionario({{5, parole}}));
    cerca("TROVA");
    std::vector<double> larghezze;  // yellow, then dark blue at words 100, 200, 250 of 250
    for (const auto& o : vista->barra.operazioni) larghezze.push_back(o.x2);
    EXPECT_EQ(larghezze, (std::vector<double>{200, 80, 160, 200}));
    EXPECT_EQ(vista->barra.operazioni.front().colore, giallo);
    EXPECT_EQ(vista->barra.operazioni.back().colore, bluScuro);
    // "Trovata" at word 150: after the stroke at 100, before the one at 200.
    EXPECT_EQ(vista->eventi, (V{"svuota", "Trovata@2", "+TROVA", "Trov.: 1@4", "testo:TROVA"}));
}

TEST_F(Lessico, CorruptIndexSearchesOnlyTheWordsTheFileHolds) {
    struct Caso { const char *nome, *inizio, *fine; V attese; };
    const V tutte = piccolo.at(4), nessuna;
    const Caso casi[] = {
        {"blanks skipped, the partial word dropped", "00000415", " 4 3 4  ", {"MELA", "CASA", "MALA", "MOLA"}},
        {"fractions rounded", "415.4", "438.6", tutte},           {"end past the file", "00000415", "99999999", tutte},
        {"no digits: a block at 0", "abc", "00000439", nessuna},  {"start at byte 1", "1", "99999999", nessuna},
        {"start inside the index", "00000201", "00000409", nessuna}, {"negative count", "00000439", "00000415", nessuna},
        {"start past the file", "99999990", "99999999", nessuna}, {"negative start", "-9999999", "00000439", nessuna},
        {"overflowing field", "1E99", "00000439", nessuna},
    };
    for (const Caso& c : casi) {
        std::string file = dizionario(piccolo);
        campo(file, 4, 'i', c.inizio);
        campo(file, 4, 'f', c.fine);
        file.resize(file.size() - 5);  // without the 5-letter block the end really is past the file
        carica(file);
        EXPECT_EQ(cerca("    "), c.attese) << c.nome;
        if (!c.attese.empty()) {
            EXPECT_EQ(cerca("M LA"), (V{"MELA", "MALA", "MOLA"})) << c.nome;
        }
        EXPECT_TRUE(piattaforma.messaggi.empty()) << c.nome;
    }
}

TEST_F(Lessico, FileShortenedOrRemovedAfterLoading) {
    std::string file = dizionario(piccolo);
    carica(file);
    file.resize(file.size() - 5 - 8);  // the index no longer fits; the words left are found
    cartella.scrivi("LessicoItaliano.dat", file);
    EXPECT_EQ(cerca("M   "), (V{"MELA", "MALA", "MOLA"}));
    std::filesystem::remove(cartella.percorso("LessicoItaliano.dat"));
    EXPECT_TRUE(cerca("M LA").empty());
    EXPECT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(vista->eventi, (V{"svuota", "Trov.: 0@0", "testo:"}));
    EXPECT_EQ(piattaforma.forma, Puntatore::predefinito);
}

TEST_F(Lessico, ChoosingALanguageReloadsOnlyOnChangeAndAMissingFileIsRefused) {
    carica(dizionario(piccolo));
    std::filesystem::remove(cartella.percorso("LessicoItaliano.dat"));
    EXPECT_FALSE(scegliLingua(s, piattaforma, 1));  // already in use: no reload, so no error
    cartella.scrivi("LessicoLatino.dat", dizionario({{4, {"ROSA"}}}));
    EXPECT_TRUE(scegliLingua(s, piattaforma, 3));
    EXPECT_EQ(cerca("R   "), V{"ROSA"});
    EXPECT_FALSE(scegliLingua(s, piattaforma, 2));
    EXPECT_EQ(s.linguaLessico, 3);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_NE(piattaforma.messaggi[0].testo.find("LessicoInglese.dat"), std::string::npos);
    EXPECT_FALSE(piattaforma.terminato);
}

// The index only narrows the candidates: it must agree with a plain scan, here over more words
// than 16-bit numbers can count (smaller files are left to the fuzzer).
TEST(IndiceLessico, AgreesWithThePlainScanOnALargeBlock) {
    std::mt19937 caso(7);
    const std::string lettere = std::string("ABCDE.\xE8") + '\0';  // NUL in a word never matches
    auto a_caso = [&](bool jolly) { return jolly && caso() % 3 != 0 ? ' ' : lettere[caso() % lettere.size()]; };
    V parole(70000, "   ");
    for (std::string& p : parole) std::generate(p.begin(), p.end(), [&] { return a_caso(false); });
    const std::string file = dizionario({{3, parole}});
    const IndiceFileLessico voci = leggiIndiceLessico(file);
    const IndiceLessico indice(file, voci);
    const std::string_view blocco = std::string_view(file).substr(408, 3 * parole.size());
    for (int prova = 0; prova < 500; ++prova) {
        const std::string maschera = {a_caso(true), a_caso(true), a_caso(true)};
        EXPECT_EQ(paroleCompatibili(blocco, 3, maschera, &indice), paroleCompatibili(blocco, 3, maschera)) << maschera;
    }
}
