#include <gtest/gtest.h>

#include "model/cruciverba.h"

using namespace quadrivo;

namespace {

// A grid from strings: '#' black, ' ' void, a letter the solution; bars as (column, row, flags).
Cruciverba griglia(const std::vector<std::string>& righe, std::vector<std::tuple<int, int, std::uint8_t>> barre = {}) {
    Cruciverba x(static_cast<int>(righe[0].size()), static_cast<int>(righe.size()));
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const char ch = righe[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)];
            Cella& k = x.cella(c, r);
            k.tipo = ch == '#' ? TipoCella::nera : ch == ' ' ? TipoCella::vuota : TipoCella::bianca;
            if (k.bianca()) k.soluzione = std::string(1, ch);
        }
    for (auto [c, r, b] : barre) x.cella(c, r).barre = b;
    numeraStandard(x);
    return x;
}

// "label:first cell:length" for each word of a list.
std::vector<std::string> parole(const Cruciverba& x, int d) {
    std::vector<std::string> v;
    for (const Definizione& w : x.elenchi[static_cast<size_t>(d - 1)].definizioni)
        v.push_back(w.etichetta + ":" + std::to_string(w.caselle[0].colonna) + "," + std::to_string(w.caselle[0].riga) +
                    ":" + std::to_string(w.caselle.size()));
    return v;
}

}  // namespace

TEST(Cruciverba, StandardNumberingFromBlocksVoidsAndBars) {
    struct Caso {
        std::vector<std::string> righe;
        std::vector<std::tuple<int, int, std::uint8_t>> barre;
        std::vector<std::string> orizzontali, verticali;
    };
    const std::vector<Caso> casi = {
        {{"CASA#", "A#ORO", "NO#E#", "ERBA#"}, {},
         {"1:1,1:4", "4:3,2:3", "5:1,3:2", "7:1,4:4"}, {"1:1,1:4", "2:3,1:2", "3:4,1:4", "6:2,3:2"}},
        // A void stops words like a black cell; a single cell is no word.
        {{"AB C", "DEFG"}, {}, {"1:1,1:2", "4:1,2:4"}, {"1:1,1:2", "2:2,1:2", "3:4,1:2"}},
        // A bar on either side of a border ends the word there: a barred grid without blacks.
        {{"ABCD", "EFGH"}, {{2, 1, barraDestra}, {2, 2, barraSotto}, {3, 2, barraSinistra}},
         {"1:1,1:2", "3:3,1:2", "5:1,2:2", "6:3,2:2"}, {"1:1,1:2", "2:2,1:2", "3:3,1:2", "4:4,1:2"}},
    };
    for (const Caso& k : casi) {
        const Cruciverba x = griglia(k.righe, k.barre);
        EXPECT_EQ(std::tuple(parole(x, 1), parole(x, 2), x.elenchi[0].direzione),
                  std::tuple(k.orizzontali, k.verticali, "Orizzontali"))
            << k.righe[0];
    }
}

TEST(Cruciverba, RenumberingKeepsTextsAndOtherLists) {
    Cruciverba x = griglia({"CASA#", "A#ORO", "NO#E#", "ERBA#"});
    definizioneDa(x, {3, 2}, Direzione::orizzontale)->testo = "Metallo";
    x.elenchi.push_back({"Diagonali", {{"D1", "Diagonale", {{1, 1}, {2, 2}}, ""}}});
    x.cella(2, 2).tipo = TipoCella::bianca;  // the black cell goes: row 2 is one word from (1,2)
    numeraStandard(x);
    const Definizione* riga2 = definizioneDa(x, {1, 2}, Direzione::orizzontale);
    EXPECT_EQ(std::tuple(riga2->etichetta, riga2->testo, x.cella(3, 2).etichetta, x.elenchi.size(),
                         x.elenco("Diagonali")->definizioni[0].testo),
              std::tuple("5", "", "", 3u, "Diagonale"));
}

// An unknown solution is never right, whatever the cell holds (empty and solved grids: the games' check test).
TEST(Cruciverba, AnUnknownSolutionIsNeverSolved) {
    Cruciverba x = griglia({"AB", "C#"});
    for (Casella k : caselleBianche(x)) x.cella(k).voce = x.cella(k).soluzione;
    x.cella(1, 1).soluzione.clear();
    EXPECT_FALSE(risolto(x));
}
