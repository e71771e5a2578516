// The word dialog's rules without its widgets.
#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/parola_dialogo.h"

using namespace quadrivo;
using V = std::vector<std::string>;

TEST(ParolaDialogo, TheCurrentWordAndWritingBackTheChoice) {
    prova::SchemaProva p({"C.SA#", "A#ORO", "..#.#", "M.LA#"});
    Cruciverba& x = p.documento.cruciverba;
    Posizione parola{4, 1, Direzione::verticale};
    const VoceDialogo v = voceDialogo(x, p.griglia(), parola);  // the word's four cells down from (4, 1)
    EXPECT_EQ(std::tuple(v.valida, v.titolo, v.definizione, v.celle, v.lunghezzaMaschera),
              std::tuple(true, " 3 Verticale", "Superficie", V{"A", "R", "", "A"}, 4));
    EXPECT_EQ(std::tuple(v.xParola, v.yParola, v.larghezzaParola, v.altezzaParola),
              std::tuple(100 + 3 * 30, 50, 30, 4 * 30));
    const ElencoDefinizioni orizzontali = x.elenchi[0];
    applicaScelta(x, parola, {{"A", "R", "E", "A"}, "Estensione è"});
    EXPECT_EQ(prova::inserimenti(x), (V{"C.SA#", "A#ORO", "..#E#", "M.LA#"}));
    EXPECT_EQ(definizioneDa(x, {4, 1}, Direzione::verticale)->testo, "Estensione è");
    EXPECT_EQ(x.elenchi[0], orizzontali);  // the other direction untouched

    parola.direzione = Direzione::nessuna;
    EXPECT_FALSE(voceDialogo(x, p.griglia(), parola).valida);
    applicaScelta(x, parola, {{"X", "X", "X", "X"}, "x"});  // nothing to write to
    EXPECT_EQ(prova::inserimenti(x)[2], "..#E#");
}

TEST(ParolaDialogo, OkWithoutAChangeKeepsEveryCellAndTheClueAsTheyAre) {
    prova::SchemaProva p;
    Cruciverba& x = p.documento.cruciverba;
    const Posizione parola{1, 1, Direzione::orizzontale};
    x.cella(1, 1).voce = "STAR";
    x.cella(2, 1).voce = "A", x.cella(2, 1).matita = true;
    definizioneDa(x, {1, 1}, Direzione::orizzontale)->testo = "Città — “stella” ✓ 日本";
    const Cruciverba prima = x;
    const VoceDialogo v = voceDialogo(x, p.griglia(), parola);
    const std::vector<std::string> caselle = caselleIniziali(v.celle);
    EXPECT_EQ(caselle, (V{"STAR", "A", " ", " "}));
    applicaScelta(x, parola, {celleDaCaselle(caselle, v.celle), v.definizione});
    EXPECT_EQ(x, prima);
}

TEST(ParolaDialogo, CellsAndMaskFromTheBoxes) {
    // Blank, "." and "#" leave no letter; what the box shows is upper-cased, accents kept.
    EXPECT_EQ(celleDaCaselle({"c", "", ".", "è", "ab", "#", "@"}, {}), (V{"C", "", "", "È", "AB", "", "@"}));
    // The long box brackets a cell of several letters and reads it back as one; trimmed, cut, padded.
    EXPECT_EQ(testoCasellaLunga({"C", "", "STAR", "è"}), "C [STAR]è");
    EXPECT_EQ(celleDaCasellaLunga("  pa[star]olaè lunga ", 8), (V{"P", "A", "STAR", "O", "L", "A", "È", ""}));
    EXPECT_EQ(celleDaCasellaLunga("AB", 3), (V{"A", "B", ""}));
    // Past the shown boxes the mask is blank; letters compare as they are.
    EXPECT_EQ((V{mascheraDaCaselle({"M", " ", "l"}, 5), mascheraDaCaselle({"M", "", "L", "A"}, 4)}), (V{"M l  ", "M LA"}));
}

TEST(ParolaDialogo, OkRefusesOnlyEditedBoxes) {
    const V caselle = {"C", "[", "1", "A"};
    // Upper-cased first: "c" and "a" pass.
    EXPECT_EQ(
        std::tuple(casellaRifiutata(caselle, {true, true, true, true}),
                   casellaRifiutata(caselle, {false, false, true, false}), casellaRifiutata({"c", "a"}, {true, true})),
        std::tuple(1, 2, std::nullopt));
}
