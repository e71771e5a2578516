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
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// 4×3 with one black square: across CASA, RE, SOLE; down CAS, SRL, AEE.
const std::vector<std::string> soluzione = {"CASA", "A#RE", "SOLE"};
const std::vector<std::string> definizioni = {"  1  11-Abitazione", "  3  21-Sovrano", "  1  31-Stella",
                                              "  1  12-Cassa",      "  3  12-Societa", "  4  12-Vocali"};

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
        ASSERT_EQ(sessione.apri(t.scrivi("c.trmo", prova::fileTrmo(soluzione, inserimenti, definizioni))),
                  EsitoApertura::ok);
    }
    void vai(int c, int r, Direzione d = Direzione::orizzontale) { sessione.impostaPosizione({c, r, d}); }
    void digita(char32_t c) { sessione.tasto(TastoGriglia::carattere, c, false); }
    const Cella& cella(int c, int r) const { return sessione.cruciverba().cella(c, r); }
    std::vector<std::string> griglia() const { return prova::inserimenti(sessione.cruciverba()); }
};

}  // namespace

// The cursor moves on after a black square as after a letter.
TEST_F(Giochi_, TheDotPlacesAndTakesAwayABlackSquareAsOneStepEach) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", "....", "...."}));
    vai(2, 2);
    digita(U'.');
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "...."}));
    EXPECT_EQ(sessione.posizione().colonna, 3);
    EXPECT_EQ(sessione.storia().count(), 1);
    EXPECT_TRUE(sessione.modificato());
    sessione.storia().undo();
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", "....", "...."}));
    sessione.storia().redo();
    EXPECT_EQ(cella(2, 2).tipo, TipoCella::nera);
    // A click lands on the black square, and "." takes it away again.
    sessione.impostaPosizione(sessione.navigazione().clic(sessione.posizione(), 2, 2));
    EXPECT_EQ(sessione.posizione().colonna, 2);
    EXPECT_EQ(sessione.posizione().riga, 2);
    digita(U'.');
    EXPECT_EQ(cella(2, 2).tipo, TipoCella::bianca);
    EXPECT_EQ(sessione.storia().count(), 2);
}

// The cursor follows the player's grid, never the solution's: row 2 is one word until the
// player puts its black square, and its clue is the row's.
TEST_F(Giochi_, TheWordsOfASenzaSchemaAreThePlayersWithTheirRowsClues) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
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

TEST_F(Giochi_, ABlackSquareOverALetterTakesItAndUndoGivesItBack) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
    vai(3, 1);
    digita(U'S');
    vai(3, 1);
    digita(U'.');
    EXPECT_EQ(cella(3, 1).voce, "");
    sessione.storia().undo();
    EXPECT_EQ(cella(3, 1).tipo, TipoCella::bianca);
    EXPECT_EQ(cella(3, 1).voce, "S");
}

TEST_F(Giochi_, TheDotIsALetterOfNothingInACrossword) {
    apriCruciverba();
    vai(1, 1);
    digita(U'.');
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "...."}));
    EXPECT_EQ(sessione.storia().count(), 0);
}

TEST_F(Giochi_, ADiagramlessNumbersItsWordsAsTheBlackSquaresComeAndGo) {
    apriGioco(comeDiagramless(prova::cruciverbaDa(soluzione, {}, definizioni)));
    vai(2, 2);
    digita(U'.');
    EXPECT_EQ(cella(3, 2).etichetta, "4");  // RE starts after the black square
    sessione.storia().undo();
    EXPECT_EQ(cella(3, 2).etichetta, "");
}

TEST_F(Giochi_, ThePlacedBlackSquaresAreSavedAndReadBack) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
    vai(2, 2);
    digita(U'.');
    vai(1, 1);
    digita(U'C');
    ASSERT_TRUE(sessione.salva());
    ASSERT_EQ(sessione.apri(t.percorso("gioco.ipuz")), EsitoApertura::ok);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"C...", ".#..", "...."}));
}

TEST_F(Giochi_, RevealingAllPlacesTheBlackSquaresAndTakesTheWrongOnesAway) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
    vai(4, 1);
    digita(U'.');
    const std::vector<Casella> tutte = caselleSchema(sessione.cruciverba());
    EXPECT_EQ(tutte.size(), 12u);
    sessione.rivela(tutte);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"CASA", "A#RE", "SOLE"}));
    EXPECT_TRUE(risolto(sessione.cruciverba()));
    sessione.storia().undo();
    EXPECT_EQ(griglia(), (std::vector<std::string>{"...#", "....", "...."}));
}

TEST_F(Giochi_, ACheckOfAGridWithoutItsDiagramCountsTheBlackSquares) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
    sessione.rivela(caselleSchema(sessione.cruciverba()));
    vai(4, 1);
    digita(U'.');
    EXPECT_EQ(sessione.messaggioVerifica(),
              "Sul cruciverba ci sono 12 lettere; c'è però ancora 1 lettera diversa o non risolta! (8% non risolto)");
}

TEST_F(Giochi_, ACodewordsLetterGoesIntoEveryCellOfItsCodeAsOneStep) {
    apriGioco(comeCrittografato(prova::cruciverbaDa(soluzione), 7));
    const int codice = cella(2, 1).codice;  // an A, as (4,1) and (1,2)
    ASSERT_GT(codice, 0);
    const std::vector<std::string> prima = griglia();
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            if (cella(c, r).bianca() && cella(c, r).data) ASSERT_NE(cella(c, r).codice, codice) << "A given";
    vai(2, 1);
    digita(U'a');
    EXPECT_EQ(cella(2, 1).voce, "A");
    EXPECT_EQ(cella(4, 1).voce, "A");
    EXPECT_EQ(cella(1, 2).voce, "A");
    EXPECT_EQ(sessione.storia().count(), 1);
    sessione.storia().undo();
    EXPECT_EQ(griglia(), prima);
}

TEST_F(Giochi_, ACodewordsGivenLettersStayLocked) {
    apriGioco(comeCrittografato(prova::cruciverbaDa(soluzione), 7));
    Casella data{};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c)
            if (cella(c, r).bianca() && cella(c, r).data) data = {c, r};
    ASSERT_TRUE(sessione.cruciverba().dentro(data));
    const std::string lettera = cella(data.colonna, data.riga).voce;
    vai(data.colonna, data.riga);
    digita(lettera == "Z" ? U'Y' : U'Z');
    sessione.tasto(TastoGriglia::cancella, 0, false);
    EXPECT_EQ(cella(data.colonna, data.riga).voce, lettera);
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

TEST_F(Giochi_, GiocaComeCruciverbaRestoresTheCrosswordLeftWithTheLettersTypedSince) {
    apriCruciverba();
    ASSERT_EQ(sessione.giocaCome(Variante::senzaSchema), "");
    vai(1, 3);
    digita(U'S');
    ASSERT_EQ(sessione.giocaCome(Variante::cruciverba), "");
    EXPECT_EQ(sessione.cruciverba().variante, Variante::cruciverba);
    EXPECT_EQ(sessione.cruciverba().formato, "trmo");
    EXPECT_EQ(sessione.cruciverba().elenchi, prova::cruciverbaDa(soluzione, {}, definizioni).elenchi);
    EXPECT_EQ(griglia(), (std::vector<std::string>{"....", ".#..", "S..."}));
}

// A game opened from its file is the grid every other game starts from: the codeword's given
// letters are the codeword's, not the next game's.
TEST_F(Giochi_, EveryGameMadeFromAFilesGameStartsFromTheSameGrid) {
    apriGioco(comeSenzaSchema(prova::cruciverbaDa(soluzione, {}, definizioni)));
    ASSERT_EQ(sessione.giocaCome(Variante::crittografato), "");
    int date = 0;
    for (const Casella& k : caselleBianche(sessione.cruciverba())) date += cella(k.colonna, k.riga).data;
    EXPECT_GT(date, 0);
    for (Variante v : {Variante::daRiempire, Variante::cruciverba}) {
        ASSERT_EQ(sessione.giocaCome(v), "");
        date = 0;
        for (const Casella& k : caselleBianche(sessione.cruciverba())) date += cella(k.colonna, k.riga).data;
        EXPECT_EQ(date, 0);
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

TEST_F(Giochi_, ACodewordIsTypedAlongTheGridsOwnWords) {
    apriCruciverba();
    ASSERT_EQ(sessione.giocaCome(Variante::crittografato), "");
    EXPECT_FALSE(sessione.navigazione().parole().empty());
    for (const ElencoDefinizioni& e : sessione.cruciverba().elenchi) EXPECT_TRUE(e.definizioni.empty());
    EXPECT_EQ(sessione.cruciverba().formato, "ipuz");  // the working copy keeps the game
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
        for (int r = 1; r <= 3; ++r)
            for (int k = 1; k <= 4; ++k)
                if (cella(k, r).bianca() && !cella(k, r).data) ASSERT_EQ(cella(k, r).voce, "");
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
