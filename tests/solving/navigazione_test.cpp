#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "schema_prova.h"
#include "printing/elenchi.h"
#include "solving/controllo.h"
#include "solving/navigazione.h"
#include "solving/verifica.h"

using namespace quadrivo;
using prova::inserimenti;
using prova::schemaInMemoria;
using prova::schemaProva;

namespace {

constexpr int O = orizzontale;
constexpr int V = verticale;

struct Navigazione_ : ::testing::Test {
    Stato s = schemaProva();
    Navigazione nav{s};

    // Applies a step to the state, as the window does before its update cycle.
    Posizione esegui(const Passo& p) {
        applicaScritture(s, p.scritture);
        return p.posizione;
    }
};

}  // namespace

TEST_F(Navigazione_, WordsAreAcrossThenDownInNumberOrderWithoutSingleCellRuns) {
    std::vector<std::tuple<int, int, int, int, int>> trovate;  // number, direction, column, row, length
    for (const Parola& w : nav.parole()) trovate.emplace_back(w.numero, w.direzione, w.colonna, w.riga, w.lunghezza);
    const std::vector<std::tuple<int, int, int, int, int>> attese = {
        {1, O, 1, 1, 4}, {4, O, 3, 2, 3}, {5, O, 1, 3, 2}, {7, O, 1, 4, 4},
        {1, V, 1, 1, 4}, {2, V, 3, 1, 2}, {3, V, 4, 1, 4}, {6, V, 2, 3, 2}};
    EXPECT_EQ(trovate, attese);
    EXPECT_EQ(nav.parole()[3].definizione, "Citt\xe0 d'erba");  // the file's bytes
    // A cell inside a word knows it; a single-cell run has none.
    EXPECT_EQ(nav.indiceParola(5, 2, O), 1);
    EXPECT_EQ(nav.indiceParola(4, 3, V), 6);
    EXPECT_EQ(nav.indiceParola(5, 2, V), -1);
    EXPECT_EQ(nav.indiceParola(2, 2, O), -1);  // black
    EXPECT_EQ(nav.indiceParola(6, 1, O), -1);  // outside
}

TEST_F(Navigazione_, ClickKeepsTheDirectionWhereItCanAndTurnsOnTheSameCell) {
    const Posizione primo = nav.clic({}, 2, 1);
    EXPECT_EQ(primo, (Posizione{2, 1, O}));                         // a first click goes across
    EXPECT_EQ(nav.clic({}, 1, 2), (Posizione{1, 2, V}));           // only a down word there
    EXPECT_EQ(nav.clic(primo, 2, 1), primo);                        // no down word to turn to
    const Posizione giu = nav.clic(nav.clic({}, 1, 1), 1, 1);
    EXPECT_EQ(giu, (Posizione{1, 1, V}));
    EXPECT_EQ(nav.clic(giu, 4, 3), (Posizione{4, 3, V}));          // down stays down
    EXPECT_EQ(nav.clic(giu, 3, 4), (Posizione{3, 4, O}));          // a single cell down: across
    EXPECT_EQ(nav.clic(giu, 2, 2), giu);                            // black
    EXPECT_EQ(nav.clic(giu, 6, 1), giu);                            // outside
    EXPECT_EQ(nav.giraDirezione(giu), (Posizione{1, 1, O}));
    EXPECT_EQ(nav.giraDirezione({5, 2, O}), (Posizione{5, 2, O}));
}

TEST_F(Navigazione_, TypingAWholeWordFromAMiddleCellStaysOnItsLastCell) {
    Posizione p = nav.clic({}, 4, 2);  // R of ORO
    p = nav.giraDirezione(p);          // AREA, at its second cell
    ASSERT_EQ(p, (Posizione{4, 2, V}));
    for (char32_t k : {U'r', U'È', U'à', U'x'}) p = esegui(nav.lettera(s, p, k));
    EXPECT_EQ(p, (Posizione{4, 4, V}));  // the last cell keeps the cursor: x overwrote the A
    EXPECT_EQ(inserimenti(s), (std::vector<std::string>{"....#", ".#.R.", "..#E#", "...X#"}));
}

TEST_F(Navigazione_, TypedCharactersFoldToGridLetters) {
    const std::pair<char32_t, char> casi[] = {{U'a', 'A'}, {U'é', 'E'}, {U'À', 'A'}, {U'ì', 'I'}, {U'Ò', 'O'}, {U'ù', 'U'},
                                              {U'@', '@'}, {U'1', 0},   {U'.', 0},   {U'*', 0},   {U'ß', 0},   {U'€', 0}};
    for (auto [k, l] : casi) EXPECT_EQ(letteraDigitata(k), l) << static_cast<unsigned>(k);
    // A refused key writes nothing, moves nothing, and is left to the window.
    const Passo p = nav.lettera(s, {1, 1, O}, U'5');
    EXPECT_EQ(std::tuple(p.gestito, p.scritture.empty(), p.posizione), std::tuple(false, true, Posizione{1, 1, O}));
}

TEST_F(Navigazione_, BackspaceErasesInPlaceThenStepsBackIntoThePreviousWord) {
    s = schemaProva({"CASA#", "A#OR.", "NO#E#", "ERBA#"});
    // Filled: erased where it is.
    Posizione p = esegui(nav.cancellaIndietro(s, {4, 2, O}));
    EXPECT_EQ(p, (Posizione{4, 2, O}));
    EXPECT_EQ(inserimenti(s)[1], "A#O..");
    // Empty: one cell back, erased there.
    p = esegui(nav.cancellaIndietro(s, p));
    EXPECT_EQ(p, (Posizione{3, 2, O}));
    EXPECT_EQ(inserimenti(s)[1], "A#...");
    // At the start of ORO, empty: the last cell of CASA, erased.
    p = esegui(nav.cancellaIndietro(s, p));
    EXPECT_EQ(p, (Posizione{4, 1, O}));
    EXPECT_EQ(inserimenti(s)[0], "CAS.#");
    // Before the first across word comes the last down word.
    s = schemaProva({"....#", ".#...", ".O#.#", ".R..#"});
    p = esegui(nav.cancellaIndietro(s, {1, 1, O}));
    EXPECT_EQ(p, (Posizione{2, 4, V}));
    EXPECT_EQ(inserimenti(s)[3], "....#");
    EXPECT_EQ(inserimenti(s)[2], ".O#.#");
}

TEST_F(Navigazione_, DeleteErasesWithoutMovingAndBlackCellsAreNeverWritten) {
    s = schemaProva({"CASA#"});
    const Posizione p = esegui(nav.cancella(s, {2, 1, V}));
    EXPECT_EQ(p, (Posizione{2, 1, V}));
    EXPECT_EQ(inserimenti(s)[0], "C.SA#");
    EXPECT_FALSE(nav.cancella(s, {5, 1, O}).gestito);
    // Even a hand-made step cannot turn a black cell white or write past the line.
    EXPECT_FALSE(applicaScritture(s, {{5, 1, 'X'}, {7, 1, 'X'}, {1, 1, 'C'}}));
    EXPECT_EQ(inserimenti(s)[0], "C.SA#");
}

TEST_F(Navigazione_, ArrowsSkipBlackCellsStopAtTheEdgeAndTakeTheirAxis) {
    struct Caso { Posizione da; Freccia f; Posizione a; };
    const Caso casi[] = {
        {{1, 1, V}, Freccia::destra, {2, 1, O}},
        {{2, 1, O}, Freccia::giu, {2, 3, V}},    // over the black (2, 2)
        {{1, 2, V}, Freccia::destra, {3, 2, O}},
        {{3, 4, O}, Freccia::su, {3, 2, V}},     // over (3, 3), into SO
        {{5, 2, O}, Freccia::giu, {5, 2, O}},    // only black below; no down word: across
        {{4, 3, V}, Freccia::destra, {4, 3, V}}, // black then the edge
        {{2, 4, V}, Freccia::sinistra, {1, 4, O}},
    };
    for (const Caso& k : casi) EXPECT_EQ(nav.freccia(k.da, k.f), k.a) << k.da.colonna << "," << k.da.riga;
}

TEST_F(Navigazione_, TabGoesThroughTheWordsInOrderToTheirFirstEmptyCell) {
    s = schemaProva({"CA..#", "A#ORO", "NO#E#", "E...#"});
    Posizione p{2, 1, O};
    std::vector<Posizione> visitate;
    for (int i = 0; i < 9; ++i) visitate.push_back(p = nav.parolaSuccessiva(s, p));
    const std::vector<Posizione> attese = {
        {3, 2, O},                       // ORO is full: its first cell
        {1, 3, O}, {2, 4, O},            // NO full; ERBA from its first empty cell
        {1, 1, V}, {3, 1, V}, {4, 1, V}, // CANE full; SO and AREA from their first cells
        {2, 4, V},                       // OR
        {3, 1, O},                       // wraps to CASA
        {3, 2, O}};
    EXPECT_EQ(visitate, attese);
    EXPECT_EQ(nav.parolaPrecedente(s, {1, 1, O}), (Posizione{2, 4, V}));
    EXPECT_EQ(nav.parolaPrecedente(s, {1, 1, V}), (Posizione{2, 4, O}));
    // Skipping full words: from CASA over ORO and NO to ERBA, and back from SO over CANE.
    EXPECT_EQ(nav.parolaSuccessiva(s, {1, 1, O}, true), (Posizione{2, 4, O}));
    EXPECT_EQ(nav.parolaPrecedente(s, {3, 1, V}, true), (Posizione{2, 4, O}));
    // Every word full: the next one all the same.
    s = schemaProva({"CASA#", "A#ORO", "NO#E#", "ERBA#"});
    EXPECT_EQ(nav.parolaSuccessiva(s, {1, 1, O}, true), (Posizione{3, 2, O}));
}

TEST_F(Navigazione_, IsolatedCellTakesLettersWithoutAWord) {
    // A white cell alone between black ones: it can be current and typed into, Tab leaves it.
    Stato t = schemaInMemoria({"AB#", "##C", "DE#"});
    const Navigazione n(t);
    ASSERT_EQ(n.parole().size(), 2u);
    const Posizione p = n.clic({}, 3, 2);
    EXPECT_EQ(p, (Posizione{3, 2, O}));
    EXPECT_EQ(n.parolaCorrente(p), nullptr);
    EXPECT_EQ(n.definizioneCorrente(p), "");
    const Passo scritto = n.lettera(t, p, U'c');
    EXPECT_EQ(scritto.posizione, p);
    EXPECT_EQ(scritto.scritture, (std::vector<Scrittura>{{3, 2, 'C'}}));
    EXPECT_EQ(n.parolaSuccessiva(t, p), (Posizione{1, 1, O}));
    EXPECT_EQ(n.parolaPrecedente(t, p), (Posizione{1, 3, O}));
    EXPECT_EQ(n.cancellaIndietro(t, p).scritture.size(), 0u);  // empty and no word to step back in
}

TEST_F(Navigazione_, PanelEntriesAndClueLine) {
    s = schemaProva({"CASA#", "A#O..", "NO#E#", "....#"});
    for (int d : {O, V}) {
        std::vector<std::string> voci;
        for (const VoceElenco& v : nav.elenco(s, d)) voci.push_back(v.voce);
        EXPECT_EQ(voci, vociDefinizioni(s, d));
    }
    std::vector<std::string> complete;
    for (int d : {O, V})
        for (const VoceElenco& v : nav.elenco(s, d))
            if (v.completa) complete.push_back(v.voce.substr(0, v.voce.find(' ')) + (d == O ? "o" : "v"));
    EXPECT_EQ(complete, (std::vector<std::string>{"1o", "5o", "2v"}));
    EXPECT_EQ(nav.elenco(s, O)[3].voce, "7 Città d'erba ");
    EXPECT_EQ(nav.elenco(s, V)[1].voce, "2 " + std::string(30, '_') + " ");
    EXPECT_EQ(nav.vaiAParola(s, 1), (Posizione{4, 2, O}));
    EXPECT_EQ(nav.vaiAParola(s, 8), Posizione{});
    // The clue line under the grid.
    EXPECT_EQ(nav.definizioneCorrente({4, 4, O}), " 7 oriz. - Città d'erba");
    EXPECT_EQ(nav.definizioneCorrente({4, 3, V}), " 3 vert. - Superficie");
    EXPECT_EQ(nav.definizioneCorrente({3, 2, V}), " 2 vert. - ");
    Stato t = schemaInMemoria({"ABCDEFGHIJK", "LMNOPQRSTUV"}, {}, {rigaDefinizione(10, 1, 2, "Dieci")});
    EXPECT_EQ(Navigazione(t).definizioneCorrente({10, 2, V}), " 10 vert. - Dieci");
}

TEST(NavigazioneCampioni, EverySampleIsSolvedByKeyboardAfterOneClick) {
    std::vector<std::string> campioni;
    for (const auto& e : std::filesystem::directory_iterator(CARTELLA_ARCHIVIO))
        if (e.path().extension() == ".trmo") campioni.push_back(e.path().string());
    std::sort(campioni.begin(), campioni.end());
    ASSERT_GE(campioni.size(), 4u);
    for (const std::string& f : campioni) {
        SCOPED_TRACE(f);
        Stato s;
        PiattaformaRegistro piattaforma;
        leggiCruciverba(s, piattaforma, f);
        azzeraInserimenti(s);
        numeraGriglia(s);
        const Navigazione nav(s);
        Completamento fine;
        fine.reimposta(s);
        int congratulazioni = 0, tab = 0;
        // The player clicks a cell in the middle, then types each word's letters and presses Tab.
        Posizione p = nav.clic({}, (s.nColonne + 1) / 2, (s.nRighe + 1) / 2);
        if (!p.valida()) p = nav.parolaSuccessiva(s, p);
        const int parole = static_cast<int>(nav.parole().size());
        while (!schemaGiusto(s) && tab <= parole) {
            for (;;) {
                const auto l = static_cast<unsigned char>(soluzioneCasella(s, p.colonna, p.riga));
                const Passo passo = nav.lettera(s, p, l);
                ASSERT_TRUE(passo.gestito) << p.colonna << "," << p.riga;
                applicaScritture(s, passo.scritture);
                if (fine.controlla(s)) ++congratulazioni;
                if (passo.posizione == p) break;
                p = passo.posizione;
            }
            p = nav.parolaSuccessiva(s, p, true);
            ++tab;
        }
        EXPECT_TRUE(schemaGiusto(s));
        EXPECT_EQ(congratulazioni, 1);
        EXPECT_LE(tab, parole);
    }
}

TEST_F(Navigazione_, EachKeyReachesItsOperation) {
    const Posizione da{1, 1, O};
    struct Caso { TastoGriglia t; Posizione a; std::vector<Scrittura> scritture; };
    const Caso casi[] = {
        {TastoGriglia::carattere, {2, 1, O}, {{1, 1, 'X'}}},
        {TastoGriglia::cancellaIndietro, {2, 4, V}, {{2, 4, '.'}}},
        {TastoGriglia::cancella, {1, 1, O}, {{1, 1, '.'}}},
        {TastoGriglia::sinistra, {1, 1, O}, {}},     {TastoGriglia::destra, {2, 1, O}, {}},
        {TastoGriglia::su, {1, 1, V}, {}},           {TastoGriglia::giu, {1, 2, V}, {}},
        {TastoGriglia::tab, {3, 2, O}, {}},
        {TastoGriglia::tabIndietro, {2, 3, V}, {}},
        {TastoGriglia::spazio, {1, 1, V}, {}},
    };
    for (const Caso& k : casi) {
        const Passo p = nav.tasto(s, da, k.t, U'x');
        EXPECT_EQ(p.posizione, k.a) << static_cast<int>(k.t);
        EXPECT_EQ(p.scritture, k.scritture) << static_cast<int>(k.t);
        EXPECT_TRUE(p.gestito);
    }
    // Tab passes over full words when asked.
    s = schemaProva({"....#", "A#ORO"});
    EXPECT_EQ(nav.tasto(s, da, TastoGriglia::tab, 0, true).posizione, (Posizione{1, 3, O}));
}
