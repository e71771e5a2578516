#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "schema_prova.h"
#include "formats/formato.h"
#include "model/file.h"
#include "printing/elenchi.h"
#include "solving/controllo.h"
#include "solving/navigazione.h"
#include "solving/verifica.h"

using namespace quadrivo;
using prova::inserimenti;
using R = std::vector<std::string>;

namespace {

constexpr int O = orizzontale;
constexpr int V = verticale;

Cruciverba schema(const R& voci = {}) { return prova::schemaProva(voci).cruciverba; }

struct Navigazione_ : ::testing::Test {
    Cruciverba x = schema();
    Navigazione nav{x};

    // Applies a step to the puzzle, as the session does.
    Posizione esegui(const Passo& p) {
        applicaScritture(x, p.scritture);
        return p.posizione;
    }
};

}  // namespace

TEST_F(Navigazione_, WordsAreAcrossThenDownInNumberOrderWithoutSingleCellRuns) {
    std::vector<std::tuple<std::string, int, int, int, int>> trovate;  // label, direction, column, row, length
    for (const Parola& w : nav.parole()) trovate.emplace_back(w.etichetta, w.direzione, w.colonna, w.riga, w.lunghezza);
    const std::vector<std::tuple<std::string, int, int, int, int>> attese = {
        {"1", O, 1, 1, 4}, {"4", O, 3, 2, 3}, {"5", O, 1, 3, 2}, {"7", O, 1, 4, 4},
        {"1", V, 1, 1, 4}, {"2", V, 3, 1, 2}, {"3", V, 4, 1, 4}, {"6", V, 2, 3, 2}};
    EXPECT_EQ(trovate, attese);
    EXPECT_EQ(nav.parole()[3].definizione, "Città d'erba");
    // A cell inside a word knows it; a single-cell run, a black cell and the outside have none.
    const std::tuple<int, int, int, int> indici[] = {{5, 2, O, 1}, {4, 3, V, 6}, {5, 2, V, -1}, {2, 2, O, -1}, {6, 1, O, -1}};
    for (auto [c, r, d, i] : indici) EXPECT_EQ(nav.indiceParola(c, r, d), i) << c << "," << r << "," << d;
}

TEST_F(Navigazione_, ClickKeepsTheDirectionWhereItCanAndTurnsOnTheSameCell) {
    const Posizione giu{1, 1, V};
    struct Caso { Posizione da; int c, r; Posizione a; };
    const Caso casi[] = {
        {{}, 2, 1, {2, 1, O}},          // a first click goes across
        {{}, 1, 2, {1, 2, V}},          // only a down word there
        {{2, 1, O}, 2, 1, {2, 1, O}},   // no down word to turn to
        {{1, 1, O}, 1, 1, giu},         // the same cell turns
        {giu, 4, 3, {4, 3, V}},         // down stays down
        {giu, 3, 4, {3, 4, O}},         // a single cell down: across
        {giu, 2, 2, giu}, {giu, 6, 1, giu},  // black, outside
    };
    for (const Caso& k : casi) EXPECT_EQ(nav.clic(k.da, k.c, k.r), k.a) << k.c << "," << k.r;
    EXPECT_EQ(nav.giraDirezione(giu), (Posizione{1, 1, O}));
    EXPECT_EQ(nav.giraDirezione({5, 2, O}), (Posizione{5, 2, O}));
}

TEST_F(Navigazione_, TypingAWholeWordFromAMiddleCellStaysOnItsLastCell) {
    Posizione p = nav.giraDirezione(nav.clic({}, 4, 2));  // AREA, at its second cell
    ASSERT_EQ(p, (Posizione{4, 2, V}));
    for (char32_t k : {U'r', U'È', U'à', U'x'}) p = esegui(nav.lettera(x, p, k));
    EXPECT_EQ(p, (Posizione{4, 4, V}));  // the last cell keeps the cursor: x overwrote the A
    EXPECT_EQ(inserimenti(x), (R{"....#", ".#.R.", "..#E#", "...X#"}));
}

TEST_F(Navigazione_, TypedCharactersFoldToGridLetters) {
    const std::pair<char32_t, char> casi[] = {{U'a', 'A'}, {U'é', 'E'}, {U'À', 'A'}, {U'ì', 'I'}, {U'Ò', 'O'}, {U'ù', 'U'},
                                              {U'@', '@'}, {U'1', 0},   {U'.', 0},   {U'*', 0},   {U'ß', 0},   {U'€', 0}};
    for (auto [k, l] : casi) EXPECT_EQ(letteraDigitata(k), l) << static_cast<unsigned>(k);
    // A refused key writes nothing, moves nothing, and is left to the window.
    const Passo p = nav.lettera(x, {1, 1, O}, U'5');
    EXPECT_EQ(std::tuple(p.gestito, p.scritture.empty(), p.posizione), std::tuple(false, true, Posizione{1, 1, O}));
}

TEST_F(Navigazione_, BackspaceErasesInPlaceThenStepsBackIntoThePreviousWord) {
    struct Caso { R prima; Posizione da, a; R dopo; };
    const Caso casi[] = {
        {{"CASA#", "A#OR."}, {4, 2, O}, {4, 2, O}, {"CASA#", "A#O.."}},  // filled: erased where it is
        {{"CASA#", "A#O.."}, {4, 2, O}, {3, 2, O}, {"CASA#", "A#..."}},  // empty: one cell back
        {{"CASA#", "A#..."}, {3, 2, O}, {4, 1, O}, {"CAS.#", "A#..."}},  // start of ORO: end of CASA
        {{"....#", ".#...", ".O#.#", ".R..#"}, {1, 1, O}, {2, 4, V}, {"....#", ".#...", ".O#.#", "....#"}},  // before the first word: the last
    };
    for (const Caso& k : casi) {
        x = schema(k.prima);
        EXPECT_EQ(esegui(nav.cancellaIndietro(x, k.da)), k.a) << k.prima[1];
        R righe = inserimenti(x);
        righe.resize(k.dopo.size());
        EXPECT_EQ(righe, k.dopo);
    }
}

TEST_F(Navigazione_, DeleteErasesWithoutMovingAndBlackCellsAreNeverWritten) {
    x = schema({"CASA#"});
    EXPECT_EQ(esegui(nav.cancella(x, {2, 1, V})), (Posizione{2, 1, V}));
    EXPECT_EQ(inserimenti(x)[0], "C.SA#");
    EXPECT_FALSE(nav.cancella(x, {5, 1, O}).gestito);
    // Even a hand-made step cannot turn a black cell white or write outside the grid.
    EXPECT_FALSE(applicaScritture(x, {{5, 1, "X"}, {7, 1, "X"}, {1, 9, "X"}, {1, 1, "C"}}));
    EXPECT_EQ(inserimenti(x)[0], "C.SA#");
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
    x = schema({"CA..#", "A#ORO", "NO#E#", "E...#"});
    Posizione p{2, 1, O};
    std::vector<Posizione> visitate;
    for (int i = 0; i < 9; ++i) visitate.push_back(p = nav.parolaSuccessiva(x, p));
    const std::vector<Posizione> attese = {
        {3, 2, O},                       // ORO is full: its first cell
        {1, 3, O}, {2, 4, O},            // NO full; ERBA from its first empty cell
        {1, 1, V}, {3, 1, V}, {4, 1, V}, // CANE full; SO and AREA from their first cells
        {2, 4, V},                       // OR
        {3, 1, O},                       // wraps to CASA
        {3, 2, O}};
    EXPECT_EQ(visitate, attese);
    EXPECT_EQ(nav.parolaPrecedente(x, {1, 1, O}), (Posizione{2, 4, V}));
    EXPECT_EQ(nav.parolaPrecedente(x, {1, 1, V}), (Posizione{2, 4, O}));
    // Skipping full words: from CASA over ORO and NO to ERBA, and back from SO over CANE.
    EXPECT_EQ(nav.parolaSuccessiva(x, {1, 1, O}, true), (Posizione{2, 4, O}));
    EXPECT_EQ(nav.parolaPrecedente(x, {3, 1, V}, true), (Posizione{2, 4, O}));
    // Every word full: the next one all the same.
    x = schema(prova::soluzioniProva);
    EXPECT_EQ(nav.parolaSuccessiva(x, {1, 1, O}, true), (Posizione{3, 2, O}));
}

TEST_F(Navigazione_, IsolatedCellTakesLettersWithoutAWord) {
    // A white cell alone between black ones: it can be current and typed into, Tab leaves it.
    const Cruciverba t = prova::cruciverbaDa({"AB#", "##C", "DE#"});
    const Navigazione n(t);
    ASSERT_EQ(n.parole().size(), 2u);
    const Posizione p = n.clic({}, 3, 2);
    EXPECT_EQ(p, (Posizione{3, 2, O}));
    EXPECT_EQ(n.parolaCorrente(p), nullptr);
    EXPECT_EQ(n.definizioneCorrente(p), "");
    const Passo scritto = n.lettera(t, p, U'c');
    EXPECT_EQ(scritto.posizione, p);
    EXPECT_EQ(scritto.scritture, (std::vector<Scrittura>{{3, 2, "C"}}));
    EXPECT_EQ(n.parolaSuccessiva(t, p), (Posizione{1, 1, O}));
    EXPECT_EQ(n.parolaPrecedente(t, p), (Posizione{1, 3, O}));
    EXPECT_TRUE(n.cancellaIndietro(t, p).scritture.empty());  // empty and no word to step back in
}

TEST_F(Navigazione_, PanelEntriesAndClueLine) {
    x = schema({"CASA#", "A#O..", "NO#E#", "....#"});
    std::vector<std::string> complete;
    for (int d : {O, V}) {
        std::vector<std::string> voci;
        for (const VoceElenco& v : nav.elenco(x, d)) {
            voci.push_back(v.voce);
            if (v.completa) complete.push_back(v.parola.etichetta + (d == O ? "o" : "v"));
        }
        EXPECT_EQ(voci, vociDefinizioni(x, d));
    }
    EXPECT_EQ(complete, (R{"1o", "5o", "2v"}));
    EXPECT_EQ(nav.elenco(x, O)[3].voce, "7 Città d'erba ");
    EXPECT_EQ(nav.elenco(x, V)[1].voce, "2 " + std::string(30, '_') + " ");
    EXPECT_EQ(nav.vaiAParola(x, 1), (Posizione{4, 2, O}));
    EXPECT_EQ(nav.vaiAParola(x, 8), Posizione{});
    // The clue line above the grid.
    EXPECT_EQ(nav.definizioneCorrente({4, 4, O}), " 7 oriz. - Città d'erba");
    EXPECT_EQ(nav.definizioneCorrente({4, 3, V}), " 3 vert. - Superficie");
    EXPECT_EQ(nav.definizioneCorrente({3, 2, V}), " 2 vert. - ");
    const Cruciverba t = prova::cruciverbaDa({"ABCDEFGHIJK", "LMNOPQRSTUV"}, {}, {rigaDefinizione(10, 1, 2, "Dieci")});
    EXPECT_EQ(Navigazione(t).definizioneCorrente({10, 2, V}), " 10 vert. - Dieci");
}

TEST_F(Navigazione_, EachKeyReachesItsOperation) {
    const Posizione da{1, 1, O};
    struct Caso { TastoGriglia t; Posizione a; std::vector<Scrittura> scritture; };
    const Caso casi[] = {
        {TastoGriglia::carattere, {2, 1, O}, {{1, 1, "X"}}},
        {TastoGriglia::cancellaIndietro, {2, 4, V}, {{2, 4, ""}}},
        {TastoGriglia::cancella, {1, 1, O}, {{1, 1, ""}}},
        {TastoGriglia::sinistra, {1, 1, O}, {}},     {TastoGriglia::destra, {2, 1, O}, {}},
        {TastoGriglia::su, {1, 1, V}, {}},           {TastoGriglia::giu, {1, 2, V}, {}},
        {TastoGriglia::tab, {3, 2, O}, {}},          {TastoGriglia::tabIndietro, {2, 3, V}, {}},
        {TastoGriglia::spazio, {1, 1, V}, {}},
    };
    for (const Caso& k : casi) {
        const Passo p = nav.tasto(x, da, k.t, U'x');
        EXPECT_EQ(std::tuple(p.posizione, p.scritture, p.gestito), std::tuple(k.a, k.scritture, true))
            << static_cast<int>(k.t);
    }
    // Tab passes over full words when asked.
    x = schema({"....#", "A#ORO"});
    EXPECT_EQ(nav.tasto(x, da, TastoGriglia::tab, 0, true).posizione, (Posizione{1, 3, O}));
}

TEST(NavigazioneCampioni, EverySampleIsSolvedByKeyboardAfterOneClick) {
    std::vector<std::string> campioni;
    for (const auto& e : std::filesystem::directory_iterator(CARTELLA_ARCHIVIO))
        if (e.path().extension() == ".trmo") campioni.push_back(e.path().string());
    std::sort(campioni.begin(), campioni.end());
    ASSERT_GE(campioni.size(), 4u);
    for (const std::string& f : campioni) {
        SCOPED_TRACE(f);
        const std::optional<std::string> dati = leggiFile(f);
        ASSERT_TRUE(dati);
        Cruciverba x = leggiCruciverba(f, *dati).cruciverba;
        azzeraInserimenti(x);
        const Navigazione nav(x);
        Completamento fine;
        fine.reimposta(x);
        int congratulazioni = 0, tab = 0;
        // The player clicks a cell in the middle, then types each word's letters and presses Tab.
        Posizione p = nav.clic({}, (x.colonne() + 1) / 2, (x.righe() + 1) / 2);
        if (!p.valida()) p = nav.parolaSuccessiva(x, p);
        const int parole = static_cast<int>(nav.parole().size());
        while (!schemaGiusto(x) && tab <= parole) {
            for (;;) {
                const Passo passo = nav.lettera(x, p, static_cast<unsigned char>(x.cella(p.colonna, p.riga).soluzione[0]));
                ASSERT_TRUE(passo.gestito) << p.colonna << "," << p.riga;
                applicaScritture(x, passo.scritture);
                congratulazioni += fine.controlla(x);
                if (passo.posizione == p) break;
                p = passo.posizione;
            }
            p = nav.parolaSuccessiva(x, p, true);
            ++tab;
        }
        EXPECT_TRUE(schemaGiusto(x));
        EXPECT_EQ(congratulazioni, 1);
        EXPECT_LE(tab, parole);
    }
}
