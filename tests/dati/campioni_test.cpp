#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "elenco_parole.h"
#include "mainwindow/griglia.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"

using namespace quadrivo;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> campioni() {
    std::vector<std::string> v;
    if (!fs::is_directory(CARTELLA_ARCHIVIO)) return v;
    for (const auto& e : fs::directory_iterator(CARTELLA_ARCHIVIO))
        if (e.path().extension() == ".trmo") v.push_back(e.path().string());
    std::sort(v.begin(), v.end());
    return v;
}

// The puzzle read and laid out as the program does after opening it.
struct Caricato {
    Stato stato;
    PiattaformaRegistro piattaforma;
    std::string dati;

    explicit Caricato(const std::string& percorso) {
        dati = leggiFile(percorso).value_or("");
        leggiCruciverba(stato, piattaforma, percorso);
        SuperficieRegistro sup(1016, 700);
        disegnaGriglia(stato, sup, piattaforma, AreaFinestra{1016, 700, 30, 20});
    }

    bool iniziaIn(int c, int r, int d) const {
        const int t = stato.tipoCasella[c][r];
        return t == inizioEntrambe || t == (d == orizzontale ? inizioOrizzontale : inizioVerticale);
    }
    // Calls `f` for every word of the grid: its cell, direction and solution.
    void perOgniParola(const std::function<void(int, int, int, const std::string&)>& f) const {
        for (int c = 1; c <= stato.nColonne; ++c)
            for (int r = 1; r <= stato.nRighe; ++r)
                for (int d = 1; d <= 2; ++d)
                    if (iniziaIn(c, r, d)) f(c, r, d, stato.parolaSoluzione[c][r][d]);
    }
};

}  // namespace

TEST(Campioni, OpenAndRewriteByteForByteAsTheProgramDoes) {
    ASSERT_GE(campioni().size(), 4u) << CARTELLA_ARCHIVIO;
    for (const auto& f : campioni()) {
        SCOPED_TRACE(f);
        Caricato k(f);
        EXPECT_TRUE(k.piattaforma.messaggi.empty());
        EXPECT_EQ(testoCruciverba(k.stato), k.dati);
    }
}

TEST(Campioni, EveryWordHasItsClueAndOnlyThat) {
    for (const auto& f : campioni()) {
        SCOPED_TRACE(f);
        Caricato k(f);
        int conDefinizione = 0, parole = 0;
        for (int c = 1; c <= maxColonne; ++c)
            for (int r = 1; r <= maxRighe; ++r)
                for (int d = 1; d <= 2; ++d) conDefinizione += !k.stato.definizione[c][r][d].empty();
        k.perOgniParola([&](int c, int r, int d, const std::string& w) {
            ++parole;
            EXPECT_FALSE(k.stato.definizione[c][r][d].empty()) << "manca la definizione di " << w;
        });
        // with every word holding one, any further clue belongs to no word
        EXPECT_EQ(conDefinizione, parole);
        EXPECT_GT(parole, 0);
    }
}

TEST(Campioni, TheWordsAreInTheDictionary) {
    // the dictionary the program ships; before it is built, the word list it is made from
    auto elenco = prova::paroleDelLessico(LESSICO_ITALIANO);
    if (!elenco) elenco = prova::caricaElenco(ELENCO_ITALIANO);
    if (!elenco)
        GTEST_SKIP() << "non ci sono né " << LESSICO_ITALIANO << " né l'elenco " << ELENCO_ITALIANO
                     << " (pacchetto witalian)";
    const auto dueLettere = prova::caricaVoci(FILE_DUE_LETTERE);
    ASSERT_FALSE(dueLettere.empty());
    for (const auto& f : campioni()) {
        SCOPED_TRACE(f);
        Caricato(f).perOgniParola([&](int, int, int, const std::string& w) {
            EXPECT_LE(w.size(), 15u) << w;
            if (w.size() == 2)
                EXPECT_TRUE(dueLettere.count(w)) << w;
            else
                EXPECT_TRUE(elenco->count(w)) << w << " non è nel dizionario";
        });
    }
}
