// The word dialog through the session: OK on a pencil guess keeps it in pencil, even with the
// pencil on, unless the player changed its box.
#include "solving/parola_dialogo.h"
#include "tavolo.h"

using namespace quadrivo;
using prova::Banco;

TEST_F(Banco, TheWordDialogsOkKeepsAPencilGuessInPencilUnlessThePlayerChangesIt) {
    const Posizione parola{1, 1, Direzione::orizzontale};  // CASA, the word the dialog is opened on
    digita("C", 1);
    sessione->impostaMatita(true);
    digita("a");
    ASSERT_EQ(righe()[0], "Ca..");
    // OK on the dialog as it opens, the boxes left as they were shown.
    const VoceDialogo v = voceDialogo(sessione->cruciverba(), GeometriaSchema{}, parola);
    sessione->applicaDialogo(parola, SceltaParola{celleDaCaselle(caselleIniziali(v.celle), v.celle), v.definizione});
    EXPECT_EQ(righe()[0], "Ca..");
    // The box typed over writes that cell in ink, and only that one.
    sessione->applicaDialogo(parola, SceltaParola{celleDaCaselle({"C", "Q", " ", " "}, v.celle), v.definizione});
    EXPECT_EQ(righe()[0], "CQ..");
}
