#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "model/griglia.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "solving/lessico_crea.h"
#include "solving/navigazione.h"

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

// The lines of a text file, the first word of each ('#' starts a comment) or, with `piega`,
// each line folded to A-Z as the dictionary is built from it (lines that fold to nothing left out).
std::unordered_set<std::string> voci(const std::string& percorso, bool piega) {
    std::ifstream f(percorso, std::ios::binary);
    std::unordered_set<std::string> v;
    for (std::string riga; std::getline(f, riga);) {
        if (!riga.empty() && riga.back() == '\r') riga.pop_back();
        std::istringstream campi(riga.substr(0, riga.find('#')));
        if (const auto p = piegaParola(riga); piega && p) v.insert(*p);
        if (std::string voce; !piega && campi >> voce) v.insert(voce);
    }
    return v;
}

// The puzzle read and laid out as the program does after opening it.
struct Caricato {
    Stato stato;
    PiattaformaRegistro piattaforma;
    std::string dati;

    explicit Caricato(const std::string& percorso) : dati(leggiFile(percorso).value_or("")) {
        leggiCruciverba(stato, piattaforma, percorso);
        SuperficieRegistro sup(1016, 700);
        disegnaGriglia(stato, sup, piattaforma, AreaFinestra{1016, 700, 30, 20});
    }
    std::string soluzione(const Parola& w) const { return stato.parolaSoluzione[w.colonna][w.riga][w.direzione]; }
};

}  // namespace

TEST(Campioni, OpenRewriteByteForByteAndEveryWordHasItsClueAndOnlyThat) {
    ASSERT_GE(campioni().size(), 4u) << CARTELLA_ARCHIVIO;
    for (const auto& f : campioni()) {
        SCOPED_TRACE(f);
        Caricato k(f);
        EXPECT_TRUE(k.piattaforma.messaggi.empty());
        EXPECT_EQ(testoCruciverba(k.stato), k.dati);
        int conDefinizione = 0;
        for (int c = 1; c <= maxColonne; ++c)
            for (int r = 1; r <= maxRighe; ++r)
                for (int d = 1; d <= 2; ++d) conDefinizione += !k.stato.definizione[c][r][d].empty();
        const std::vector<Parola> parole = Navigazione(k.stato).parole();
        for (const Parola& w : parole) EXPECT_FALSE(w.definizione.empty()) << "manca la definizione di " << k.soluzione(w);
        // with every word holding one, any further clue belongs to no word
        EXPECT_EQ(conDefinizione, static_cast<int>(parole.size()));
        EXPECT_GT(parole.size(), 0u);
    }
}

TEST(Campioni, TheWordsAreInTheDictionary) {
    // the word list the shipped dictionary is built from, folded the same way
    if (!fs::is_regular_file(ELENCO_ITALIANO)) GTEST_SKIP() << "manca l'elenco " << ELENCO_ITALIANO << " (pacchetto witalian)";
    const auto elenco = voci(ELENCO_ITALIANO, true), dueLettere = voci(FILE_DUE_LETTERE, false);
    ASSERT_FALSE(dueLettere.empty());
    for (const auto& f : campioni()) {
        SCOPED_TRACE(f);
        const Caricato k(f);
        const Navigazione nav(k.stato);
        for (const Parola& w : nav.parole()) {
            const std::string p = k.soluzione(w);
            EXPECT_LE(p.size(), 15u) << p;
            EXPECT_TRUE(p.size() == 2 ? dueLettere.count(p) : elenco.count(p)) << p << " non è nel dizionario";
        }
    }
}
