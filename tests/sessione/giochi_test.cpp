// The games played in the session: black squares placed with ".", a codeword's letter in every
// cell of its code, the reveals of a grid without its diagram, and Gioca come; each one step of
// Annulla and Ripeti.
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
    // The cells whose letter the game gives.
    std::vector<Casella> date() const {
        std::vector<Casella> d;
        for (const Casella& k : caselleBianche(sessione.cruciverba()))
            if (cella(k.colonna, k.riga).data) d.push_back(k);
        return d;
    }
    Conversione senzaSchema() const { return comeSenzaSchema(prova::crociato()); }
};

}  // namespace

// "." places a black square and takes it away, one step of Annulla each; over a letter it takes
// the letter, given back by Annulla; Salva keeps them. The cursor moves on after it as after a letter.
TEST_F(Giochi_, TheDotPlacesAndTakesAwayABlackSquareAsOneStepEach) {
    apriGioco(senzaSchema());
    vai(2, 2);
    digita(U'.');
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "...."}));
    EXPECT_EQ(sessione.posizione().colonna, 3);
    EXPECT_EQ(sessione.storia().count(), 1);
    EXPECT_TRUE(sessione.modificato());
    sessione.storia().undo();
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", "....", "...."}));
    sessione.storia().redo();
    // A click lands on the black square, and "." takes it away again.
    sessione.impostaPosizione(sessione.navigazione().clic(sessione.posizione(), 2, 2));
    EXPECT_EQ(sessione.posizione(), (Posizione{2, 2, Direzione::orizzontale}));
    digita(U'.');
    EXPECT_EQ(cella(2, 2).tipo, TipoCella::bianca);
    EXPECT_EQ(sessione.storia().count(), 2);
    vai(3, 1);
    digita(U'S');
    vai(3, 1);
    digita(U'.');
    EXPECT_EQ(cella(3, 1).voce, "");
    sessione.storia().undo();
    EXPECT_EQ(cella(3, 1).tipo, TipoCella::bianca);
    EXPECT_EQ(cella(3, 1).voce, "S");
    // The black squares placed are saved and read back.
    vai(2, 2);
    digita(U'.');
    ASSERT_TRUE(sessione.salva());
    ASSERT_EQ(sessione.apri(t.percorso("gioco.ipuz")), EsitoApertura::ok);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"..S.", ".#..", "...."}));
}

// The cursor follows the player's grid, never the solution's: row 2 is one word until the
// player puts its black square, and its clue is the row's.
TEST_F(Giochi_, TheWordsOfASenzaSchemaAreThePlayersWithTheirRowsClues) {
    apriGioco(senzaSchema());
    vai(1, 2);
    ASSERT_TRUE(sessione.parolaCorrente());
    EXPECT_EQ(sessione.parolaCorrente()->lunghezza, 4);
    EXPECT_EQ(sessione.parolaCorrente()->definizione, "Sovrano");
    digita(U'A');
    EXPECT_EQ(sessione.posizione().colonna, 2);
    digita(U'.');
    vai(3, 2);
    EXPECT_EQ(sessione.parolaCorrente()->lunghezza, 2);
    vai(3, 1, Direzione::verticale);
    EXPECT_EQ(sessione.parolaCorrente()->definizione, "Societa");
}

TEST_F(Giochi_, ADiagramlessNumbersItsWordsAsTheBlackSquaresComeAndGo) {
    apriGioco(comeDiagramless(prova::crociato()));
    vai(2, 2);
    digita(U'.');
    EXPECT_EQ(cella(3, 2).etichetta, "4");  // RE starts after the black square
    sessione.storia().undo();
    EXPECT_EQ(cella(3, 2).etichetta, "");
}

// Revealing all places the black squares and takes the wrong ones away; a check counts them.
TEST_F(Giochi_, RevealingAllPlacesTheBlackSquaresAndACheckCountsThem) {
    apriGioco(senzaSchema());
    vai(4, 1);
    digita(U'.');
    sessione.rivela(caselleSchema(sessione.cruciverba()));
    EXPECT_EQ(griglia(), soluzione);
    sessione.storia().undo();
    EXPECT_EQ(griglia(), (std::vector<std::string>{"...#", "....", "...."}));
    sessione.storia().redo();
    vai(4, 1);
    digita(U'.');
    EXPECT_EQ(sessione.messaggioVerifica(),
              "Sul cruciverba ci sono 12 lettere; c'è però ancora 1 lettera diversa o non risolta! (8% non risolto)");
}

// A codeword's letter goes into every cell of its code as one step; its given letters stay.
TEST_F(Giochi_, ACodewordsLetterGoesIntoEveryCellOfItsCodeAsOneStep) {
    apriGioco(comeCrittografato(prova::cruciverbaDa(soluzione), 7));
    const int codice = cella(2, 1).codice;  // an A, as (4,1) and (1,2)
    ASSERT_GT(codice, 0);
    const std::vector<Casella> d = date();
    ASSERT_FALSE(d.empty());
    for (const Casella& k : d) ASSERT_NE(cella(k.colonna, k.riga).codice, codice) << "A given";
    const std::vector<std::string> prima = griglia();
    vai(2, 1);
    digita(U'a');
    EXPECT_EQ(cella(2, 1).voce, "A");
    EXPECT_EQ(cella(4, 1).voce, "A");
    EXPECT_EQ(cella(1, 2).voce, "A");
    EXPECT_EQ(sessione.storia().count(), 1);
    sessione.storia().undo();
    EXPECT_EQ(griglia(), prima);
    const std::string lettera = cella(d[0].colonna, d[0].riga).voce;
    vai(d[0].colonna, d[0].riga);
    digita(lettera == "Z" ? U'Y' : U'Z');
    sessione.tasto(TastoGriglia::cancella, 0, false);
    EXPECT_EQ(cella(d[0].colonna, d[0].riga).voce, lettera);
}

TEST_F(Giochi_, GiocaComeKeepsTheLettersAndUndoBringsTheCrosswordBack) {
    apriCruciverba({"CA..", "A#..", "...."});
    struct Caso {
        Variante variante;
        std::vector<std::string> griglia;
    };
    for (const Caso& c : {Caso{Variante::senzaSchema, {"CA..", "A...", "...."}},
                          Caso{Variante::daRiempire, {"CA..", "A#..", "...."}}}) {
        ASSERT_EQ(sessione.giocaCome(c.variante), "");
        EXPECT_EQ(sessione.cruciverba().variante, c.variante);
        EXPECT_EQ(griglia(), c.griglia);
        EXPECT_TRUE(sessione.modificato());
        sessione.storia().undo();
        EXPECT_EQ(sessione.cruciverba().variante, Variante::cruciverba);
        EXPECT_EQ(sessione.cruciverba().elenchi.size(), 2u);
        EXPECT_EQ(griglia(), (std::vector<std::string>{"CA..", "A#..", "...."}));
    }
}

// In a crossword "." is a letter of nothing; a codeword made of it is typed along the grid's own
// words; Gioca come Cruciverba gives the crossword back with the letters typed since.
TEST_F(Giochi_, GiocaComeCruciverbaRestoresTheCrosswordLeftWithTheLettersTypedSince) {
    apriCruciverba();
    vai(1, 1);
    digita(U'.');
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "...."}));
    EXPECT_EQ(sessione.storia().count(), 0);
    ASSERT_EQ(sessione.giocaCome(Variante::crittografato), "");
    EXPECT_FALSE(sessione.navigazione().parole().empty());
    for (const ElencoDefinizioni& e : sessione.cruciverba().elenchi) EXPECT_TRUE(e.definizioni.empty());
    EXPECT_EQ(sessione.cruciverba().formato, "ipuz");  // the working copy keeps the game
    ASSERT_EQ(sessione.giocaCome(Variante::senzaSchema), "");
    vai(1, 3);
    digita(U'S');
    ASSERT_EQ(sessione.giocaCome(Variante::cruciverba), "");
    EXPECT_EQ(sessione.cruciverba().variante, Variante::cruciverba);
    EXPECT_EQ(sessione.cruciverba().formato, "trmo");
    EXPECT_EQ(sessione.cruciverba().elenchi, prova::crociato().elenchi);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "S..."}));
}

// A game opened from its file is the grid every other game starts from: the codeword's given
// letters are the codeword's, not the next game's.
TEST_F(Giochi_, EveryGameMadeFromAFilesGameStartsFromTheSameGrid) {
    apriGioco(senzaSchema());
    ASSERT_EQ(sessione.giocaCome(Variante::crittografato), "");
    EXPECT_FALSE(date().empty());
    for (Variante v : {Variante::daRiempire, Variante::cruciverba}) {
        ASSERT_EQ(sessione.giocaCome(v), "");
        EXPECT_EQ(date(), std::vector<Casella>{});
        EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "...."}));
    }
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

// F2 on a word without clues of its own: its letters as one step, a codeword's in every cell
// of their code; Annulla in the dialog writes nothing.
TEST_F(Giochi_, TheWordDialogOnAGamesOwnWordWritesItsLettersAsOneStep) {
    struct Caso {
        const char* nome;
        Conversione gioco;
        Posizione parola;
        std::vector<std::string> lettere, dopo;
    };
    for (Caso& c : std::vector<Caso>{
             {"codeword", comeCrittografato(prova::cruciverbaDa(soluzione), 7), {1, 1, Direzione::orizzontale},
              {"C", "A", "S", "A"}, {"CASA", "A#..", "S..."}},
             {"grid to fill", comeDaRiempire(prova::cruciverbaDa(soluzione)), {1, 3, Direzione::orizzontale},
              {"S", "O", "L", "E"}, {"....", ".#..", "SOLE"}}}) {
        SCOPED_TRACE(c.nome);
        apriGioco(std::move(c.gioco));
        // Only the given letters stay: the rest of the grid starts empty.
        for (const Casella& k : caselleBianche(sessione.cruciverba()))
            if (!cella(k.colonna, k.riga).data) ASSERT_EQ(cella(k.colonna, k.riga).voce, "");
        sessione.applicaDialogo(c.parola, std::nullopt);
        EXPECT_EQ(sessione.storia().count(), 0);
        sessione.applicaDialogo(c.parola, SceltaParola{c.lettere, ""});
        std::vector<std::string> g = griglia();
        for (size_t r = 0; r < g.size(); ++r)  // the given letters aside
            for (size_t k = 0; k < g[r].size(); ++k)
                if (c.dopo[r][k] == '.') g[r][k] = '.';
        EXPECT_EQ(g, c.dopo);
        EXPECT_EQ(sessione.storia().count(), 1);
    }
}
