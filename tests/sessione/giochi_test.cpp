// The games played through the session: black squares placed with "." and Gioca come, each one
// step of Annulla.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <string>
#include <vector>

#include "model/piattaforma_registro.h"
#include "model/varianti.h"
#include "sessione/sessione.h"
#include "solving/verifica.h"
#include "supporto/crociato.h"

using namespace quadrivo;

namespace {

const std::vector<std::string>& soluzione = prova::soluzioniCrociato;  // CASA / A#RE / SOLE

struct Giochi_ : ::testing::Test {
    prova::CartellaTemporanea t;
    PiattaformaRegistro p;
    Sessione sessione{Cartelle{}, p, t.percorso("dati")};

    void SetUp() override { sessione.impostaFileLavoro(t.percorso("qdv_prova.tmp")); }
    // Opens the crossword turned into a game by `come`, written as an ipuz file.
    void apriGioco(Conversione conversione) {
        ASSERT_TRUE(conversione.cruciverba) << conversione.errore;
        const std::string file = t.percorso("gioco.ipuz");
        conversione.cruciverba->formato = "ipuz";
        ASSERT_TRUE(scriviCruciverba(*conversione.cruciverba, p, file));
        ASSERT_EQ(sessione.apri(file), EsitoApertura::ok);
    }
    void apriCruciverba(const std::vector<std::string>& inserimenti = {}) {
        ASSERT_EQ(sessione.apri(t.scrivi("c.trmo", prova::fileTrmo(soluzione, inserimenti, prova::definizioniCrociato))),
                  EsitoApertura::ok);
    }
    void vai(int c, int r, Direzione d = Direzione::orizzontale) { sessione.impostaPosizione({c, r, d}); }
    void digita(char32_t c) { sessione.tasto(TastoGriglia::carattere, c, false); }
    const Cella& cella(int c, int r) const { return sessione.cruciverba().cella(c, r); }
    std::vector<std::string> griglia() const { return prova::inserimenti(sessione.cruciverba()); }
    Conversione senzaSchema() const { return comeSenzaSchema(prova::crociato()); }
};

}  // namespace

// "." places a black square and takes it away, one step of Annulla each, and the words follow it;
// over a letter it takes the letter, given back by Annulla.
TEST_F(Giochi_, TheDotPlacesAndTakesAwayABlackSquareAsOneStepEach) {
    apriGioco(senzaSchema());
    vai(2, 2);
    digita(U'.');
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "...."}));
    EXPECT_EQ(sessione.storia().count(), 1);
    EXPECT_TRUE(sessione.modificato());
    vai(3, 2);
    EXPECT_EQ(sessione.parolaCorrente()->lunghezza, 2);
    sessione.storia().undo();
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", "....", "...."}));
    vai(3, 1);
    digita(U'S');
    vai(3, 1);
    digita(U'.');
    EXPECT_EQ(cella(3, 1).voce, "");
    sessione.storia().undo();
    EXPECT_EQ(cella(3, 1).tipo, TipoCella::bianca);
    EXPECT_EQ(cella(3, 1).voce, "S");
}

// Gioca come keeps the letters, one step of Annulla; in a crossword "." is a letter of nothing;
// Gioca come Cruciverba gives the crossword back with the letters typed since.
TEST_F(Giochi_, GiocaComeKeepsTheLettersAndCruciverbaGivesTheCrosswordBack) {
    apriCruciverba({"CA..", "A#..", "...."});
    vai(1, 3);
    digita(U'.');
    EXPECT_EQ(sessione.storia().count(), 0);
    ASSERT_EQ(sessione.giocaCome(Variante::senzaSchema), "");
    EXPECT_EQ(griglia(), (std::vector<std::string>{"CA..", "A...", "...."}));
    EXPECT_EQ(sessione.cruciverba().formato, "ipuz");  // the working copy keeps the game
    sessione.storia().undo();
    EXPECT_EQ(sessione.cruciverba().variante, Variante::cruciverba);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"CA..", "A#..", "...."}));
    sessione.storia().redo();
    vai(1, 3);
    digita(U'S');
    ASSERT_EQ(sessione.giocaCome(Variante::cruciverba), "");
    EXPECT_EQ(sessione.cruciverba().formato, "trmo");
    EXPECT_EQ(sessione.cruciverba().elenchi, prova::crociato().elenchi);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"CA..", "A#..", "S..."}));
}

// Salva on the crossword's .trmo cannot hold the game: the format's message, the file as it
// was, and Salva con nome asked for.
TEST_F(Giochi_, SavingAGameOverAFileThatCannotHoldItAsksForAnotherName) {
    apriCruciverba();
    const std::string prima = t.leggi("c.trmo");
    ASSERT_EQ(sessione.giocaCome(Variante::senzaSchema), "");
    QSignalSpy altroNome(&sessione, &Sessione::salvaConNomeRichiesto);
    EXPECT_FALSE(sessione.salva());
    ASSERT_FALSE(p.messaggi.empty());
    EXPECT_EQ(p.messaggi.back().testo, "Il formato .trmo non può contenere un cruciverba senza schema. Scegliere un altro "
                                       "nome o un'altra estensione (.ipuz contiene tutto).");
    EXPECT_EQ(t.leggi("c.trmo"), prima);
    EXPECT_EQ(altroNome.count(), 1);
    EXPECT_TRUE(sessione.modificato());
}
