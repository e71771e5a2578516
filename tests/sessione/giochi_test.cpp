// The games played through the session: black squares placed with "." and Gioca come, each one
// step of Annulla.
#include <QSignalSpy>

#include <string>
#include <vector>

#include "supporto/crociato.h"
#include "tavolo.h"

using namespace quadrivo;

namespace {

// CASA / A#RE / SOLE with its clues.
struct Giochi_ : prova::Tavolo {
    void SetUp() override { sessione->impostaFileLavoro(t.percorso("qdv_prova.tmp")); }
    void apriCruciverba(const std::vector<std::string>& inserimenti = {}) {
        ASSERT_EQ(sessione->apri(t.scrivi("c.trmo", prova::fileTrmo(prova::soluzioniCrociato, inserimenti, prova::definizioniCrociato))),
                  EsitoApertura::ok);
    }
    const Cella& cella(int c, int r) const { return sessione->cruciverba().cella(c, r); }
};

}  // namespace

// "." places a black square and takes it away, one step of Annulla each, and the words follow it;
// over a letter it takes the letter, given back by Annulla.
TEST_F(Giochi_, TheDotPlacesAndTakesAwayABlackSquareAsOneStepEach) {
    apriCruciverba();
    ASSERT_EQ(sessione->giocaCome(Variante::senzaSchema), "");
    vai(2, 2);
    digita(".");
    EXPECT_EQ(righe(), (std::vector<std::string>{"....", ".#..", "...."}));
    EXPECT_EQ(sessione->storia().count(), 2);
    vai(3, 2);
    EXPECT_EQ(sessione->parolaCorrente()->lunghezza, 2);
    sessione->storia().undo();
    EXPECT_EQ(righe(), (std::vector<std::string>{"....", "....", "...."}));
    digita("S", 3);
    digita(".", 3);
    EXPECT_EQ(cella(3, 1).voce, "");
    sessione->storia().undo();
    EXPECT_EQ(righe()[0], "..S.");
}

// Gioca come keeps the letters, one step of Annulla; in a crossword "." is a letter of nothing;
// Gioca come Cruciverba gives the crossword back with the letters typed since.
TEST_F(Giochi_, GiocaComeKeepsTheLettersAndCruciverbaGivesTheCrosswordBack) {
    apriCruciverba({"CA..", "A#..", "...."});
    vai(1, 3);
    digita(".");
    EXPECT_EQ(sessione->storia().count(), 0);
    ASSERT_EQ(sessione->giocaCome(Variante::senzaSchema), "");
    EXPECT_EQ(righe(), (std::vector<std::string>{"CA..", "A...", "...."}));
    sessione->storia().undo();
    EXPECT_EQ(sessione->cruciverba().variante, Variante::cruciverba);
    EXPECT_EQ(righe(), (std::vector<std::string>{"CA..", "A#..", "...."}));
    sessione->storia().redo();
    vai(1, 3);
    digita("S");
    ASSERT_EQ(sessione->giocaCome(Variante::cruciverba), "");
    EXPECT_EQ(sessione->cruciverba().formato, "trmo");
    EXPECT_EQ(sessione->cruciverba().elenchi, prova::crociato().elenchi);
    EXPECT_EQ(righe(), (std::vector<std::string>{"CA..", "A#..", "S..."}));
}

// Salva on the crossword's .trmo cannot hold the game: the format's message, the file as it
// was, and Salva con nome asked for.
TEST_F(Giochi_, SavingAGameOverAFileThatCannotHoldItAsksForAnotherName) {
    apriCruciverba();
    const std::string prima = t.leggi("c.trmo");
    ASSERT_EQ(sessione->giocaCome(Variante::senzaSchema), "");
    QSignalSpy altroNome(sessione.get(), &Sessione::salvaConNomeRichiesto);
    EXPECT_FALSE(sessione->salva());
    ASSERT_FALSE(p.messaggi.empty());
    EXPECT_EQ(p.messaggi.back().testo, "Il formato .trmo non può contenere un cruciverba senza schema. Scegliere un altro "
                                       "nome o un'altra estensione (.ipuz contiene tutto).");
    EXPECT_EQ(t.leggi("c.trmo"), prima);
    EXPECT_EQ(altroNome.count(), 1);
    EXPECT_TRUE(sessione->modificato());
}
