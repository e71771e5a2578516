// Loading a dictionary, choosing the language, and the "&Cerca" search as the dialog sees it.
#include "solving/lessico.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/lessico_indice.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

// A dictionary file with the given words per length, written in the order given (not sorted),
// with an index that describes the blocks exactly.
std::string dizionario(const std::map<int, std::vector<std::string>>& parole) {
    std::string testa(200, ' ');
    std::string blocchi;
    std::int64_t pos = 409;
    char campo[20];
    for (int L = 3; L <= 15; ++L) {
        std::snprintf(campo, sizeof campo, "%08lld", static_cast<long long>(pos));
        testa += campo;
        if (auto it = parole.find(L); it != parole.end())
            for (const std::string& p : it->second) blocchi += p;
        pos = 409 + static_cast<std::int64_t>(blocchi.size());
        std::snprintf(campo, sizeof campo, "%08lld", static_cast<long long>(pos));
        testa += campo;
    }
    return testa + blocchi;
}

// Replaces the 8-character field at 1-based position `pos`.
void campo(std::string& file, int pos, const std::string& testo) {
    file.replace(static_cast<std::size_t>(pos - 1), 8, (testo + std::string(8, ' ')).substr(0, 8));
}
int campoInizio(int L) { return 201 + 16 * (L - 3); }
int campoFine(int L) { return 209 + 16 * (L - 3); }

// The dialog without a display: everything it is told, in order, plus the bar's drawing.
struct VistaFinta : VistaRicerca {
    explicit VistaFinta(const Piattaforma& p) : piattaforma(p) {}
    void svuotaLista() override { eventi.push_back("svuota"); lista.clear(); }
    void aggiungiParola(const std::string& parola) override {
        lista.push_back(parola);
        occupatoMentreRiempie = occupatoMentreRiempie && piattaforma.puntatore() == Puntatore::clessidra;
    }
    void impostaStato(const std::string& testo) override {
        eventi.push_back("stato:" + testo + "@" + std::to_string(barra.operazioni.size()));
        stato = testo;
    }
    void impostaTestoLista(const std::string& testo) override { eventi.push_back("testo:" + testo); }
    Superficie& progresso() override { return barra; }

    const Piattaforma& piattaforma;
    SuperficieRegistro barra{200, 20};
    std::vector<std::string> eventi, lista;
    std::string stato;
    bool occupatoMentreRiempie = true;
};

class Lessico : public ::testing::Test {
protected:
    void SetUp() override {
        s.cartellaProgramma = cartella.percorso();
        s.fileLessico = "LessicoItaliano.dat";
    }
    void scrivi(const std::string& dati, const std::string& nome = "LessicoItaliano.dat") {
        cartella.scrivi(nome, dati);
    }
    std::vector<std::string> cerca(const std::string& maschera) {
        vista = std::make_unique<VistaFinta>(piattaforma);
        return cercaNelLessico(s, piattaforma, maschera, *vista);
    }

    CartellaTemporanea cartella;
    Stato s;
    PiattaformaRegistro piattaforma;
    std::unique_ptr<VistaFinta> vista;
};

const std::map<int, std::vector<std::string>> piccolo = {
    {3, {"ORA", "MAL"}},
    {4, {"MELA", "CASA", "MALA", "MOLA", "MULO", "MELO"}},
    {5, {"MELAS"}},
};

TEST_F(Lessico, TheMaskKeepsFileOrderWithAndWithoutTheIndex) {
    scrivi(dizionario(piccolo));
    caricaLessico(s, piattaforma);
    ASSERT_NE(s.indiceParole, nullptr);
    const std::vector<std::string> attese = {"MELA", "MALA", "MOLA"};
    EXPECT_EQ(cerca("M LA"), attese);
    EXPECT_EQ(vista->lista, attese);
    EXPECT_EQ(vista->stato, "Trov.: 3");
    EXPECT_EQ(vista->eventi.back(), "testo:MELA");
    EXPECT_EQ(vista->eventi.front(), "svuota");
    EXPECT_TRUE(vista->occupatoMentreRiempie);
    EXPECT_EQ(piattaforma.forma, Puntatore::predefinito);

    s.indiceParole.reset();  // the plain scan gives the same answer
    EXPECT_EQ(cerca("M LA"), attese);
}

TEST_F(Lessico, BlankMasksListEverythingAndOnlyBlankIsAWildcard) {
    scrivi(dizionario(piccolo));
    caricaLessico(s, piattaforma);
    EXPECT_EQ(cerca("    "), piccolo.at(4));
    EXPECT_EQ(cerca("   ").size(), 2u);

    for (const std::string maschera : {"M.LA", "m la", "ZZZZ", "?ELA"}) {
        EXPECT_TRUE(cerca(maschera).empty()) << maschera;
        EXPECT_TRUE(vista->lista.empty());
        EXPECT_EQ(vista->stato, "Trov.: 0");
        EXPECT_EQ(vista->eventi.back(), "testo:");
        EXPECT_EQ(std::count_if(vista->eventi.begin(), vista->eventi.end(),
                                [](const std::string& e) { return e.starts_with("stato:Trovata"); }),
                  0);
    }
}

TEST_F(Lessico, ProgressBarEveryHundredWordsAndAtTheLast) {
    std::vector<std::string> parole;
    for (int i = 0; i < 250; ++i) parole.push_back(i == 149 ? "TROVA" : "PAROL");
    scrivi(dizionario({{5, parole}}));
    caricaLessico(s, piattaforma);
    cerca("TROVA");

    const auto& op = vista->barra.operazioni;
    ASSERT_EQ(op.size(), 4u);
    EXPECT_EQ(op[0].colore, giallo);
    EXPECT_DOUBLE_EQ(op[0].x2, 200);
    const double larghezze[] = {80, 160, 200};  // words 100, 200, 250 of 250
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(op[i + 1].colore, bluScuro);
        EXPECT_DOUBLE_EQ(op[i + 1].x2, larghezze[i]);
        EXPECT_DOUBLE_EQ(op[i + 1].y2, 20);
    }
    // "Trovata" at word 150: after the bar reached 100, before it reached 200.
    const std::vector<std::string> attesi = {"svuota", "stato:Trovata@2", "stato:Trov.: 1@4", "testo:TROVA"};
    EXPECT_EQ(vista->eventi, attesi);
}

TEST_F(Lessico, IndexFieldsFollowTheNumberRule) {
    std::string file = dizionario(piccolo);
    campo(file, campoFine(4), " 4 3 4  ");  // blanks anywhere: 434, 25 bytes after 409
    campo(file, campoInizio(5), "        ");
    campo(file, campoFine(5), "4 4 3.6");   // 443.6 rounds to 444
    campo(file, campoInizio(6), "abc");
    scrivi(file);
    caricaLessico(s, piattaforma);
    EXPECT_EQ(s.inizioLessico[3], 409);
    EXPECT_EQ(s.contaLessico[3], 2);
    EXPECT_EQ(s.inizioLessico[4], 415);
    EXPECT_EQ(s.contaLessico[4], 4);  // 19 bytes: four whole words, the rest dropped
    EXPECT_EQ(s.inizioLessico[5], 0);
    EXPECT_EQ(s.contaLessico[5], 88);  // (444 - 0) div 5
    EXPECT_EQ(s.inizioLessico[6], 0);
    EXPECT_EQ(cerca("    "), (std::vector<std::string>{"MELA", "CASA", "MALA", "MOLA"}));
    // A block said to start at 0 would read the header: nothing is searched.
    EXPECT_TRUE(cerca("     ").empty());
}

TEST_F(Lessico, CorruptIndexSearchesOnlyTheWordsTheFileHolds) {
    struct Caso {
        const char* nome;
        const char* inizio;
        const char* fine;
        std::vector<std::string> attese;
    };
    const std::vector<std::string> quattro = piccolo.at(4);
    const std::vector<Caso> casi = {
        {"end past the file", "00000415", "99999999", {quattro.begin(), quattro.end()}},
        {"start inside the index", "00000201", "00000409", {}},
        {"start at byte 1", "1", "99999999", {}},
        {"negative count", "00000439", "00000415", {}},
        {"start past the file", "99999990", "99999999", {}},
        {"negative start", "-9999999", "00000439", {}},
        {"overflowing field", "1E99", "00000439", {}},
    };
    for (const Caso& c : casi) {
        std::string file = dizionario(piccolo);
        campo(file, campoInizio(4), c.inizio);
        campo(file, campoFine(4), c.fine);
        // The 5-letter block goes, so "end past the file" really runs past the end.
        file.resize(file.size() - 5);
        scrivi(file);
        caricaLessico(s, piattaforma);
        std::vector<std::string> attese = c.attese;
        EXPECT_EQ(cerca("    "), attese) << c.nome;
        if (!attese.empty()) {
            EXPECT_EQ(cerca("M LA"), (std::vector<std::string>{"MELA", "MALA", "MOLA"})) << c.nome;
        }
        EXPECT_TRUE(piattaforma.messaggi.empty()) << c.nome;
    }
}

TEST_F(Lessico, FileChangedAfterLoading) {
    scrivi(dizionario(piccolo));
    caricaLessico(s, piattaforma);

    // Shorter now: the index no longer fits, the words still there are found all the same.
    std::string file = dizionario(piccolo);
    file.resize(file.size() - 5 - 8);
    scrivi(file);
    EXPECT_EQ(cerca("M   "), (std::vector<std::string>{"MELA", "MALA", "MOLA"}));

    std::filesystem::remove(cartella.percorso("LessicoItaliano.dat"));
    EXPECT_TRUE(cerca("M LA").empty());
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_NE(piattaforma.messaggi[0].testo.find("LessicoItaliano.dat"), std::string::npos);
    EXPECT_EQ(vista->stato, "Trov.: 0");
    EXPECT_EQ(vista->eventi.back(), "testo:");
    EXPECT_EQ(piattaforma.forma, Puntatore::predefinito);
}

TEST_F(Lessico, MissingFileIsFatal) {
    EXPECT_THROW(caricaLessico(s, piattaforma), ProgrammaTerminato);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo, "Errore fatale! non trovato file di vocabolario: LessicoItaliano.dat");
    EXPECT_EQ(piattaforma.messaggi[0].pulsanti, Pulsanti::ok);
}

TEST_F(Lessico, ChoosingALanguage) {
    scrivi(dizionario(piccolo));
    caricaLessico(s, piattaforma);
    std::filesystem::remove(cartella.percorso("LessicoItaliano.dat"));
    EXPECT_FALSE(scegliLingua(s, piattaforma, 1));  // already marked: no reload, so no error
    EXPECT_TRUE(piattaforma.messaggi.empty());

    scrivi(dizionario({{4, {"ROSA"}}}), "LessicoLatino.dat");
    EXPECT_TRUE(scegliLingua(s, piattaforma, 3));
    EXPECT_EQ(s.linguaLessico, 3);
    EXPECT_EQ(s.fileLessico, "LessicoLatino.dat");
    EXPECT_EQ(cerca("R   "), (std::vector<std::string>{"ROSA"}));

    EXPECT_THROW(scegliLingua(s, piattaforma, 2), ProgrammaTerminato);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo, "Errore fatale! non trovato file di vocabolario: LessicoInglese.dat");
}

TEST_F(Lessico, MaskFromTheBoxes) {
    scrivi(dizionario(piccolo));
    caricaLessico(s, piattaforma);
    using C = std::vector<std::optional<std::string>>;
    EXPECT_EQ(mascheraDaCaselle(C{"M", std::nullopt, "L", "A"}), "M LA");  // hidden counts as blank
    EXPECT_EQ(mascheraDaCaselle(C{"È", " "}), "\xC8 ");
    EXPECT_EQ(cerca(mascheraDaCaselle(C{"M", " ", "L", std::nullopt})),
              (std::vector<std::string>{"MELA", "MALA", "MOLA", "MULO", "MELO"}));
    // An emptied box, or one holding two letters, matches nothing at all.
    for (const C& caselle : {C{"M", "", "L", "A"}, C{"M", "EL", "L", "A"}, C{"", "", "", ""}}) {
        EXPECT_TRUE(cerca(mascheraDaCaselle(caselle)).empty());
        EXPECT_EQ(vista->stato, "Trov.: 0");
    }
}

TEST(CaselleDaParola, OneCharacterPerBox) {
    EXPECT_EQ(caselleDaParola("MELA", 4), (std::vector<std::string>{"M", "E", "L", "A"}));
    EXPECT_EQ(caselleDaParola("CITTÀ", 5)[4], "À");
    EXPECT_EQ(caselleDaParola("ORA", 4), (std::vector<std::string>{"O", "R", "A", ""}));
    EXPECT_EQ(caselleDaParola("MELAS", 3).size(), 3u);
}

// The index only narrows the candidates: on any words and masks it must agree with a scan.
TEST(IndiceLessico, AgreesWithThePlainScan) {
    std::mt19937 caso(7);
    std::map<int, std::vector<std::string>> parole;
    const std::string lettere = std::string("ABCDE.\xE8") + '\0';  // NUL in a word never matches
    for (int L = 3; L <= 15; ++L)
        // Length 3 has more words than 16-bit numbers can count.
        for (int k = 0; k < (L == 3 ? 70000 : 300); ++k) {
            std::string p;
            for (int i = 0; i < L; ++i) p += lettere[caso() % lettere.size()];
            parole[L].push_back(p);
        }
    const std::string file = dizionario(parole);
    const IndiceFileLessico voci = leggiIndiceLessico(file);
    const IndiceLessico indice(file, voci);
    for (int prova = 0; prova < 2000; ++prova) {
        const int L = 3 + static_cast<int>(caso() % 13);
        std::string maschera;
        for (int i = 0; i < L; ++i) maschera += caso() % 3 == 0 ? lettere[caso() % lettere.size()] : ' ';
        const BloccoLessico b = bloccoEffettivo(voci[L], L, static_cast<std::int64_t>(file.size()));
        const std::string_view blocco = std::string_view(file).substr(b.offset, b.conta * L);
        EXPECT_EQ(paroleCompatibili(blocco, L, maschera, &indice), paroleCompatibili(blocco, L, maschera))
            << "[" << maschera << "]";
    }
}

}  // namespace
