#include <gtest/gtest.h>

#include <map>
#include <set>

#include "model/varianti.h"
#include "supporto/crociato.h"

using namespace quadrivo;

namespace {

using prova::crociato;  // CASA / A#RE / SOLE

Cruciverba convertito(const Conversione& c) {
    EXPECT_TRUE(c.cruciverba.has_value()) << c.errore;
    return c.cruciverba.value_or(Cruciverba{});
}

// "label text" of each clue of a list.
std::vector<std::string> voci(const Cruciverba& x, const std::string& elenco) {
    std::vector<std::string> v;
    if (const ElencoDefinizioni* e = x.elenco(elenco))
        for (const Definizione& d : e->definizioni) v.push_back(d.etichetta + " " + d.testo);
    return v;
}

std::vector<Casella> caselle(const std::vector<CambioCella>& cambi) {
    std::vector<Casella> k;
    for (const CambioCella& c : cambi) k.push_back(c.casella);
    return k;
}

std::string etichette(const Cruciverba& x) {
    std::string s;
    for (int r = 1; r <= x.righe(); ++r) {
        for (int c = 1; c <= x.colonne(); ++c)
            s += (x.cella(c, r).etichetta.empty() ? "-" : x.cella(c, r).etichetta) + " ";
        s += "/";
    }
    return s;
}

}  // namespace

// Clues by row and column in reading order; the player sees all white, unnumbered, and the
// solution keeps its black square.
TEST(SenzaSchema, CluesByRowAndColumnAndAllWhiteToThePlayer) {
    const Cruciverba x = convertito(comeSenzaSchema(crociato()));
    EXPECT_EQ(x.variante, Variante::senzaSchema);
    EXPECT_EQ(voci(x, nomeRighe), (std::vector<std::string>{"1 Abitazione", "2 Sovrano", "3 Stella"}));
    EXPECT_EQ(voci(x, nomeColonne), (std::vector<std::string>{"1 Cassa", "3 Societa", "4 Vocali"}));
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"....", "....", "...."}));
    EXPECT_EQ(etichette(x), "- - - - /- - - - /- - - - /");
    EXPECT_EQ(prova::inserimenti(grigliaSoluzione(x)), (std::vector<std::string>{"....", ".#..", "...."}));
}

// The numbers follow the player's grid; the solution's grid is numbered as the original.
TEST(Diagramless, NumbersFollowThePlayersGrid) {
    Cruciverba x = convertito(comeDiagramless(crociato()));
    EXPECT_EQ(etichette(x), "1 2 3 4 /5 - - - /6 - - - /");
    EXPECT_EQ(etichette(grigliaSoluzione(x)), etichette(crociato()));
    const std::vector<CambioCella> cambi = alternaNera(x, {2, 2});
    EXPECT_EQ(caselle(cambi), (std::vector<Casella>{{2, 1}, {3, 1}, {4, 1}, {1, 2}, {2, 2}, {3, 2}, {1, 3}}));
    EXPECT_EQ(etichette(x), "1 - 2 3 /- - 4 - /5 - - - /");
}

// Equal letters share a code, the codes run 1..k; two letters are given and no clue is left.
TEST(Crittografato, EqualLettersShareACodeAndTwoAreGiven) {
    const Cruciverba x = convertito(comeCrittografato(crociato(), 7));
    std::map<std::string, std::set<int>> perLettera;
    std::set<int> codici;
    std::set<std::string> date;
    for (const Casella& k : caselleBianche(x)) {
        perLettera[x.cella(k).soluzione].insert(x.cella(k).codice);
        codici.insert(x.cella(k).codice);
        if (x.cella(k).data) date.insert(x.cella(k).voce);
    }
    for (const auto& [l, c] : perLettera) EXPECT_EQ(c.size(), 1u) << l;
    EXPECT_EQ(codici.size(), perLettera.size());
    EXPECT_EQ(*codici.rbegin(), static_cast<int>(perLettera.size()));
    EXPECT_EQ(date.size(), 2u);
    EXPECT_TRUE(x.elenco(nomeOrizzontali)->definizioni.empty());
}

// Refused without one letter in each cell (an accented letter is one letter), saying why.
TEST(Crittografato, RefusedWithoutOneLetterInEachCell) {
    for (const auto& [soluzione, errore] : {std::pair{"TH", "più lettere"}, {"", "la soluzione"}, {"È", ""}}) {
        Cruciverba x = crociato();
        x.cella(1, 1).soluzione = soluzione;
        const Conversione v = comeCrittografato(x, 1);
        EXPECT_EQ(v.cruciverba.has_value(), !*errore) << soluzione;
        EXPECT_NE(v.errore.find(errore), std::string::npos) << v.errore;
    }
}

TEST(Conversioni, ThePlayersLettersGoGivenOnesStay) {
    Cruciverba x = prova::cruciverbaDa(prova::soluzioniCrociato, {"CX..", ".#..", "...."}, prova::definizioniCrociato);
    x.cella(2, 1).data = true;  // given
    for (const Conversione& c : {comeSenzaSchema(x), comeDiagramless(x), comeDaRiempire(x)}) {
        EXPECT_EQ(prova::inserimenti(convertito(c))[0], ".X..");
    }
}

TEST(Conversioni, AGridWithoutItsDiagramTurnsFromItsSolution) {
    const Cruciverba diagramless = convertito(comeDiagramless(crociato()));
    const Cruciverba x = convertito(comeCrittografato(diagramless, 3));
    EXPECT_EQ(x.cella(2, 2).tipo, TipoCella::nera);
    EXPECT_FALSE(x.cella(2, 2).neraSoluzione);
    EXPECT_EQ(voci(convertito(comeSenzaSchema(diagramless)), nomeRighe),
              (std::vector<std::string>{"1 Abitazione", "2 Sovrano", "3 Stella"}));
}
