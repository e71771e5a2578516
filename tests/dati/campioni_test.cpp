#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "formats/formato.h"
#include "model/file.h"
#include "solving/controllo.h"
#include "solving/lessico_crea.h"
#include "solving/navigazione.h"
#include "solving/verifica.h"

using namespace quadrivo;
namespace fs = std::filesystem;

namespace {

// A word list's first words ('#' a comment) or, with `piega`, its lines folded as the dictionary's.
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

}  // namespace

TEST(Campioni, OpenRewriteByteForByteEveryWordHasItsClueAndIsInTheDictionaryAndKeysSolveIt) {
    std::vector<std::string> campioni;
    for (const auto& e : fs::directory_iterator(CARTELLA_ARCHIVIO))
        if (e.path().extension() == ".trmo") campioni.push_back(e.path().string());
    ASSERT_GE(campioni.size(), 4u) << CARTELLA_ARCHIVIO;
    const auto elenco = voci(ELENCO_ITALIANO, true), dueLettere = voci(FILE_DUE_LETTERE, false);
    ASSERT_FALSE(dueLettere.empty());
    for (const auto& f : campioni) {
        SCOPED_TRACE(f);
        const std::string dati = leggiFile(f).value_or("");
        const Lettura l = leggiCruciverba(f, dati);
        ASSERT_EQ(l.esito, EsitoLettura::ok);
        // Written back byte for byte: no clue was left over, since those of no word are dropped.
        EXPECT_EQ(testoCruciverba(l.cruciverba), dati);
        Cruciverba x = l.cruciverba;
        azzeraInserimenti(x);
        const Navigazione nav(x);
        for (const Parola& w : nav.parole()) {
            std::string parola;
            for (const Casella& k : w.caselle) parola += l.cruciverba.cella(k).soluzione;
            EXPECT_FALSE(w.definizione.empty()) << "manca la definizione di " << parola;
            EXPECT_LE(parola.size(), 15u) << parola;
            if (parola.size() == 2 || !elenco.empty())
                EXPECT_TRUE(parola.size() == 2 ? dueLettere.count(parola) : elenco.count(parola))
                    << parola << " non è nel dizionario";
        }
        // A click in the middle, then each cell's letter: the cursor goes on, the last congratulates once.
        Completamento fine;
        fine.reimposta(x);
        int congratulazioni = 0, tasti = 0;
        Posizione p = nav.clic({}, (x.colonne() + 1) / 2, (x.righe() + 1) / 2);
        if (!p.valida()) p = nav.parolaSuccessiva(x, p);
        for (; !schemaGiusto(x) && tasti <= 2 * x.colonne() * x.righe(); ++tasti) {
            const Passo passo = nav.lettera(x, p, static_cast<unsigned char>(x.cella(p.colonna, p.riga).soluzione[0]));
            ASSERT_TRUE(passo.gestito) << p.colonna << "," << p.riga;
            applicaScritture(x, passo.scritture);
            congratulazioni += fine.controlla(x);
            p = passo.posizione;
        }
        EXPECT_TRUE(schemaGiusto(x)) << tasti;
        EXPECT_EQ(congratulazioni, 1) << tasti;
    }
    if (elenco.empty()) GTEST_SKIP() << "manca l'elenco " << ELENCO_ITALIANO << " (pacchetto witalian)";
}
