// The word dialog through the session: OK on a pencil guess keeps it in pencil, even with the
// pencil on, unless the player changed its box.
#include "solving/parola_dialogo.h"
#include "tavolo.h"

using namespace quadrivo;

namespace {

const std::string ipuz = R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],
 "dimensions": {"width": 3, "height": 2},
 "puzzle": [[1, 2, 3], [4, 0, 0]],
 "solution": [["STAR", "O", "B"], ["A", "B", "C"]],
 "saved": [["STAR", "", ""], ["", "", ""]],
 "clues": {"Across": [[1, "Città — “stella” ✓ 日本"], [4, "Sotto"]], "Down": [[1, "Giù"], [2, "Due"], [3, "Tre"]]}})";

struct Dialogo : prova::Tavolo {
    const Posizione parola{1, 1, Direzione::orizzontale};  // the word the dialog is opened on

    void SetUp() override {
        sessione->impostaFileLavoro(t.percorso("qdv_prova.tmp"));
        ASSERT_EQ(sessione->apri(t.scrivi("p.ipuz", ipuz)), EsitoApertura::ok);
    }
};

}  // namespace

TEST_F(Dialogo, OkKeepsAPencilGuessInPencilUnlessThePlayerChangesIt) {
    sessione->impostaMatita(true);
    digita("o", 2);
    ASSERT_TRUE(sessione->cruciverba().cella(2, 1).matita);
    // OK on the dialog as it opens, the boxes left as they were shown.
    const VoceDialogo v = voceDialogo(sessione->cruciverba(), GeometriaSchema{}, parola);
    sessione->applicaDialogo(parola, SceltaParola{celleDaCaselle(caselleIniziali(v.celle), v.celle), v.definizione});
    EXPECT_TRUE(sessione->cruciverba().cella(2, 1).matita);
    EXPECT_EQ(sessione->cruciverba().cella(2, 1).voce, "O");
    // The box typed over writes that cell in ink, and only that one.
    sessione->applicaDialogo(parola, SceltaParola{celleDaCaselle({"STAR", "Q", " "}, v.celle), v.definizione});
    EXPECT_FALSE(sessione->cruciverba().cella(2, 1).matita);
    EXPECT_EQ(sessione->cruciverba().cella(2, 1).voce, "Q");
    EXPECT_EQ(sessione->cruciverba().cella(1, 1).voce, "STAR");
}
