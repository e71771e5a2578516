#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>

#include "elenco_parole.h"
#include "mainwindow/griglia.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "supporto/schema.h"
#include "trmo.h"

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

bool iniziaIn(const Stato& s, int c, int r, int d) {
    int t = s.tipoCasella[c][r];
    return t == inizioEntrambe || t == (d == orizzontale ? inizioOrizzontale : inizioVerticale);
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
};

// A clue must not hand out its answer: not inside any word of the clue from four letters on,
// not as a whole word for three letters.
bool svelaLaRisposta(const std::string& definizione, const std::string& risposta) {
    if (risposta.size() < 3) return false;
    std::string testo = " ";
    for (char ch : definizione) {
        auto b = static_cast<unsigned char>(ch);
        testo += std::isalpha(b) ? static_cast<char>(std::toupper(b)) : ' ';
    }
    testo += " ";
    if (risposta.size() >= 4) return testo.find(risposta) != std::string::npos;
    return testo.find(" " + risposta + " ") != std::string::npos;
}

// "" when equal, else the first line that differs in both texts.
std::string differenza(const std::string& atteso, const std::string& ottenuto) {
    if (atteso == ottenuto) return "";
    std::vector<std::string> a = dividiRighe(atteso), b = dividiRighe(ottenuto);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    auto riga = [](const std::vector<std::string>& v, size_t k) { return k < v.size() ? v[k] : "(fine)"; };
    if (i == a.size() && i == b.size()) return "stesse righe, fine riga diversa";
    return "riga " + std::to_string(i + 1) + ": \"" + riga(a, i) + "\" invece di \"" + riga(b, i) + "\"";
}

std::string nomeCorto(const std::string& p) { return fs::path(p).filename().string(); }

}  // namespace

TEST(Campioni, CiSonoLeMisureAttese) {
    std::set<std::pair<int, int>> misure;
    for (const auto& f : campioni()) {
        Caricato k(f);
        misure.insert({k.stato.nColonne, k.stato.nRighe});
    }
    EXPECT_GE(campioni().size(), 4u);
    EXPECT_TRUE(misure.count({9, 9}));
    EXPECT_TRUE(misure.count({15, 10}));
    EXPECT_TRUE(misure.count({26, 16}));
}

TEST(Campioni, SiApronoESiRiscrivonoUgualiConLoStrumento) {
    prova::CartellaTemporanea dir;
    for (const auto& f : campioni()) {
        SCOPED_TRACE(nomeCorto(f));
        std::ostringstream out, err;
        EXPECT_EQ(eseguiTrmo({"verifica", f}, out, err), 0) << out.str();
        std::string copia = dir.percorso(nomeCorto(f));
        ASSERT_EQ(eseguiTrmo({"normalizza", f, copia}, out, err), 0) << err.str();
        EXPECT_EQ(differenza(leggiFile(f).value_or(""), leggiFile(copia).value_or("-")), "");
    }
}

TEST(Campioni, FormatoDelleRighe) {
    for (const auto& f : campioni()) {
        SCOPED_TRACE(nomeCorto(f));
        Caricato k(f);
        const Stato& s = k.stato;
        EXPECT_TRUE(k.piattaforma.messaggi.empty());
        EXPECT_EQ(differenza(k.dati, testoCruciverba(s)), "");

        std::vector<std::string> righe = dividiRighe(k.dati);
        ASSERT_GE(righe.size(), 4u + s.nRighe);
        char dim[32];
        std::snprintf(dim, sizeof dim, "Dimensioni:  %2dx%2d", s.nColonne, s.nRighe);
        EXPECT_EQ(righe[3], dim);
        for (int i = 0; i < 3; ++i) {
            EXPECT_GE(righe[i].size(), 14u);
            EXPECT_NE(righe[i].find(':'), std::string::npos);
            EXPECT_LT(righe[i].find(':'), 13u);
        }
        // every cell is a letter or black, and the entries are empty
        for (int r = 1; r <= s.nRighe; ++r) {
            ASSERT_EQ(s.rigaGriglia(r).size(), 2u * s.nColonne) << "riga " << r;
            for (int c = 1; c <= s.nColonne; ++c) {
                char sol = s.rigaGriglia(r)[2 * c - 2];
                char e = s.inserimento(c, r);
                EXPECT_TRUE((sol >= 'A' && sol <= 'Z') || sol == '*') << c << "," << r;
                EXPECT_TRUE(sol == '*' ? e == '*' : (e == '.' || e == sol)) << c << "," << r;
            }
        }
        // every line after the grid is a clue the reader keeps
        size_t definizioni = 0;
        for (int c = 1; c <= s.nColonne; ++c)
            for (int r = 1; r <= s.nRighe; ++r)
                for (int d = 1; d <= 2; ++d) definizioni += !s.definizione[c][r][d].empty();
        EXPECT_EQ(righe.size(), 4u + s.nRighe + definizioni);
    }
}

TEST(Campioni, OgniParolaHaLaSuaDefinizione) {
    for (const auto& f : campioni()) {
        SCOPED_TRACE(nomeCorto(f));
        Caricato k(f);
        const Stato& s = k.stato;
        int parole = 0, nere = 0;
        for (int c = 1; c <= maxColonne; ++c) {
            for (int r = 1; r <= maxRighe; ++r) {
                bool dentro = c <= s.nColonne && r <= s.nRighe;
                if (dentro && s.tipoCasella[c][r] == casellaNera) ++nere;
                for (int d = 1; d <= 2; ++d) {
                    const std::string& def = s.definizione[c][r][d];
                    bool inizio = dentro && iniziaIn(s, c, r, d);
                    if (inizio) ++parole;
                    EXPECT_TRUE(def.empty() || inizio) << "definizione senza parola in " << c << "," << r << "," << d;
                    if (!inizio) continue;
                    const std::string& w = s.parolaSoluzione[c][r][d];
                    EXPECT_FALSE(def.empty()) << "manca la definizione di " << w;
                    EXPECT_LE(def.size(), 64u) << def;
                    EXPECT_FALSE(svelaLaRisposta(def, w)) << w << ": " << def;
                }
            }
        }
        double densita = static_cast<double>(nere) / (s.nColonne * s.nRighe);
        EXPECT_GT(densita, 0.12);
        EXPECT_LT(densita, 0.23);
        EXPECT_GT(parole, 0);
    }
}

TEST(Campioni, LeParoleSonoNelDizionario) {
    // the dictionary the program ships; before it is built, the word list it is made from
    auto elenco = prova::paroleDelLessico(LESSICO_ITALIANO);
    if (!elenco) elenco = prova::caricaElenco(ELENCO_ITALIANO);
    if (!elenco)
        GTEST_SKIP() << "non ci sono né " << LESSICO_ITALIANO << " né l'elenco " << ELENCO_ITALIANO
                     << " (pacchetto witalian)";
    const auto dueLettere = prova::caricaVoci(FILE_DUE_LETTERE);
    ASSERT_FALSE(dueLettere.empty());
    for (const auto& f : campioni()) {
        SCOPED_TRACE(nomeCorto(f));
        Caricato k(f);
        const Stato& s = k.stato;
        std::set<std::string> viste;
        for (int c = 1; c <= s.nColonne; ++c) {
            for (int r = 1; r <= s.nRighe; ++r) {
                for (int d = 1; d <= 2; ++d) {
                    if (!iniziaIn(s, c, r, d)) continue;
                    const std::string& w = s.parolaSoluzione[c][r][d];
                    EXPECT_LE(w.size(), 15u) << w;
                    if (w.size() == 2) {
                        EXPECT_TRUE(dueLettere.count(w)) << w;
                    } else {
                        EXPECT_TRUE(elenco->count(w)) << w << " non è nel dizionario";
                        EXPECT_TRUE(viste.insert(w).second) << w << " ripetuta";
                    }
                }
            }
        }
    }
}
