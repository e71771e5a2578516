// The word dialog's rules without its widgets.
#include <gtest/gtest.h>

#include "schema_prova.h"
#include "solving/parola_dialogo.h"

using namespace quadrivo;
using V = std::vector<std::string>;

TEST(ParolaDialogo, TheCurrentWordAndWritingBackTheChoice) {
    prova::SchemaProva p({"C.SA#", "A#ORO", "..#.#", "M.LA#"});
    Stato& s = p.stato;
    std::tie(s.colonnaCorrente, s.rigaCorrente, s.direzioneCorrente) = std::tuple(4, 1, verticale);
    const VoceDialogo v = voceDialogo(s);  // the corner is the start cell's bottom-right one
    EXPECT_EQ(std::tuple(v.valida, v.titolo, v.definizione, v.parola, v.lunghezzaMaschera, v.xAngolo, v.yAngolo),
              std::tuple(true, " 3 Verticale", "Superficie", "AR.A", 4, 220, 80));
    const ElencoDefinizioni orizzontali = s.cruciverba.elenchi[0];
    // The clue comes back as Windows-1252 bytes, as the dialog's boxes hand it over.
    applicaScelta(s, {"AREA", "Estensione \xe8"});
    EXPECT_EQ(prova::inserimenti(s.cruciverba), (V{"C.SA#", "A#ORO", "..#E#", "M.LA#"}));
    // The other direction untouched.
    EXPECT_TRUE(definizioneDa(s.cruciverba, {4, 1}, verticale)->testo == "Estensione è" &&
                s.cruciverba.elenchi[0] == orizzontali);

    s.direzioneCorrente = 0;
    EXPECT_FALSE(voceDialogo(s).valida);
    applicaScelta(s, {"XXXX", "x"});  // nothing to write to
    EXPECT_EQ(prova::inserimenti(s.cruciverba)[2], "..#E#");
}

TEST(ParolaDialogo, BoxesItStartsWith) {
    EXPECT_EQ(caselleIniziali("C.S A@\xe8"), (V{"C", " ", "S", " ", "A", "@", "\xc3\xa8"}));
    // One box per letter from 2 letters, the search from 3, one long box past 15.
    for (auto [n, caselle, lunga, ricerca] : {std::tuple{1, false, false, false}, {2, true, false, false},
                                              {3, true, false, true}, {15, true, false, true}, {16, false, true, false}})
        EXPECT_EQ(std::tuple(conCaselle(n), conCasellaLunga(n), conRicerca(n)), std::tuple(caselle, lunga, ricerca)) << n;
}

TEST(ParolaDialogo, AcceptedCharactersAndTyping) {
    for (const char* t : {"", " ", ".", "A", "Z", "Ab"}) EXPECT_TRUE(casellaAmmessa(t)) << t;
    for (const char* t : {"@", "a", "1", "[", "\xc3\x88"}) EXPECT_FALSE(casellaAmmessa(t)) << t;
    for (auto [t, ammessa] : {std::pair{"  parola. con blank ", true}, {"PAROLA@", false}, {"PAR\xc3\x88", false}})
        EXPECT_EQ(casellaLungaAmmessa(t), ammessa) << t;
    // Typing into a box: behind the old letter, in front of it, an accented one.
    EXPECT_EQ((V{casellaDopoDigitazione("Ax", 2), casellaDopoDigitazione("xA", 1), casellaDopoDigitazione("\xc3\xa0", 1)}),
              (V{"X", "X", "\xc3\x80"}));
    // The focus runs on after a letter, not after blanks, and wraps round.
    EXPECT_EQ(std::tuple(avanzaDopoDigitazione("A"), avanzaDopoDigitazione("  "), seguenteNelDialogo(3, 4),
                         precedenteNelDialogo(0, 4)), std::tuple(true, false, 0, 3));
}

TEST(ParolaDialogo, WordAndMaskFromTheBoxes) {
    EXPECT_EQ(parolaDaCaselle({"c", "", ".", "\xc3\x88", "AB"}), "C .\xc8" "A");
    EXPECT_EQ(parolaDaCasellaLunga("  parola\xc3\xa8 lunga "), "PAROLA\xc8 LUNGA");
    // Past the shown boxes the mask is blank; letters compare as they are.
    EXPECT_EQ((V{mascheraDaCaselle({"M", " ", "l"}, 5), mascheraDaCaselle({"M", "", "L", "A"}, 4)}), (V{"M l  ", "M LA"}));
}

TEST(ParolaDialogo, OkRefusesOnlyEditedBoxes) {
    const V caselle = {"C", "@", "1", "A"};
    // Upper-cased first: "c" and "a" pass.
    EXPECT_EQ(
        std::tuple(casellaRifiutata(caselle, {true, true, true, true}),
                   casellaRifiutata(caselle, {false, false, true, false}), casellaRifiutata({"c", "a"}, {true, true})),
        std::tuple(1, 2, std::nullopt));
}
