#include <gtest/gtest.h>

#include <string_view>

#include "printing/elenchi.h"
#include "schema_prova.h"
#include "solving/controllo.h"
#include "solving/lettura.h"
#include "solving/navigazione.h"
#include "solving/verifica.h"

using namespace quadrivo;
using prova::inserimenti;
using R = std::vector<std::string>;

namespace {

constexpr Direzione O = Direzione::orizzontale;
constexpr Direzione V = Direzione::verticale;

Cruciverba schema(const R& voci = {}) { return prova::schemaProva(voci).cruciverba; }

// A position as "32o": column, row, direction.
std::string testo(const Posizione& p) {
    return std::to_string(p.colonna) + std::to_string(p.riga) + (p.direzione == O ? "o" : "v");
}

// Presses `tasti` from `da` on the puzzle holding `voci` ("CASA#/A#OR."): the positions passed and
// the entries after. Symbols are Backspace, Delete, Space, arrows, Tab, Shift+Tab and the last two.
std::pair<std::string, std::string> premi(const std::string& voci, const std::string& da, std::u32string_view tasti) {
    using T = TastoGriglia;
    const std::u32string_view simboli = U"⌫⌦␣←→↑↓⇥⇤»«";  // the last two pass full words
    const T speciali[] = {T::cancellaIndietro, T::cancella, T::spazio,     T::sinistra,
                          T::destra,           T::su,       T::giu,        T::tab,
                          T::tabIndietro,      T::tab,      T::tabIndietro};
    R righe;
    for (size_t i = 0; i < voci.size(); i += 6) righe.push_back(voci.substr(i, 5));
    Cruciverba x = schema(righe);
    const Navigazione nav(x);
    Posizione p{da[0] - '0', da[1] - '0', da[2] == 'o' ? O : V};
    std::string passate;
    for (char32_t t : tasti) {
        const size_t i = simboli.find(t);
        const Passo passo =
            nav.tasto(x, p, i == simboli.npos ? T::carattere : speciali[i], t, i >= 9 && i != simboli.npos);
        applicaScritture(x, passo.scritture);
        passate += (passate.empty() ? "" : " ") + testo(p = passo.posizione);
    }
    std::string griglia;
    for (const std::string& r : inserimenti(x)) griglia += (griglia.empty() ? "" : "/") + r;
    return {passate, griglia};
}

struct Navigazione_ : ::testing::Test {
    Cruciverba x = schema();
    Navigazione nav{x};
};

}  // namespace

TEST_F(Navigazione_, WordsInNumberOrderAndAClickKeepsTheDirectionWhereItCanAndTurnsOnTheSameCell) {
    std::string parole;  // start cell and direction, label, length
    for (const Parola& w : nav.parole())
        parole += testo({w.colonna, w.riga, w.direzione}) + ":" + w.etichetta + "/" + std::to_string(w.lunghezza) + " ";
    EXPECT_EQ(parole, "11o:1/4 32o:4/3 13o:5/2 14o:7/4 11v:1/4 31v:2/2 41v:3/4 23v:6/2 ");
    // A cell inside a word knows it; a single-cell run, a black cell and the outside have none.
    const std::tuple<int, int, Direzione, int> indici[] = {{5, 2, O, 1}, {5, 2, V, -1}, {2, 2, O, -1}, {6, 1, O, -1}};
    for (auto [c, r, d, i] : indici) EXPECT_EQ(nav.indiceParola(c, r, d), i) << c << "," << r << "," << numeroElenco(d);
    const Posizione giu{1, 1, V};
    // A first click goes across where it can; the same cell turns; black and outside do nothing.
    const std::tuple<Posizione, int, int, Posizione> casi[] = {
        {{}, 2, 1, {2, 1, O}}, {{}, 1, 2, {1, 2, V}}, {{1, 1, O}, 1, 1, giu}, {giu, 4, 3, {4, 3, V}},
        {giu, 3, 4, {3, 4, O}}, {giu, 2, 2, giu},      {giu, 6, 1, giu}};
    for (const auto& [da, c, r, a] : casi) EXPECT_EQ(nav.clic(da, c, r), a) << c << "," << r;
}

TEST_F(Navigazione_, TypedCharactersFoldToGridLettersAndBlackCellsAreNeverWritten) {
    const std::pair<char32_t, char> casi[] = {{U'a', 'A'}, {U'é', 'E'}, {U'À', 'A'}, {U'@', '@'}, {U'1', 0}, {U'.', 0}, {U'ß', 0}};
    for (auto [k, l] : casi) EXPECT_EQ(letteraDigitata(k), l) << static_cast<unsigned>(k);
    // A refused key writes nothing, moves nothing, and is left to the window.
    const Passo p = nav.lettera(x, {1, 1, O}, U'5');
    EXPECT_EQ(std::tuple(p.gestito, p.scritture.empty(), p.posizione), std::tuple(false, true, Posizione{1, 1, O}));
    EXPECT_FALSE(nav.cancella(x, {5, 1, O}).gestito);
    // Typing steps over a letter the puzzle gives.
    x.cella(2, 1).data = true, x.cella(2, 1).voce = "A";
    EXPECT_EQ(testo(nav.lettera(x, {1, 1, O}, U'c').posizione), "31o");
    // Even a hand-made step cannot turn a black cell white, write outside the grid or over a given letter.
    EXPECT_FALSE(applicaScritture(x, {{5, 1, "X"}, {7, 1, "X"}, {1, 9, "X"}, {2, 1, "Z"}, {1, 1, ""}}));
    EXPECT_EQ(x.cella(5, 1).voce, "");
    EXPECT_FALSE(x.cella(5, 1).bianca());
    EXPECT_EQ(x.cella(2, 1).voce, "A");
}

TEST_F(Navigazione_, IsolatedCellTakesLettersWithoutAWord) {
    // A white cell alone between black ones: it can be current and typed into, Tab leaves it.
    const Cruciverba t = prova::cruciverbaDa({"AB#", "##C", "DE#"});
    const Navigazione n(t);
    const Posizione p = n.clic({}, 3, 2);
    EXPECT_EQ(p, (Posizione{3, 2, O}));
    EXPECT_EQ(n.parolaSuccessiva(t, p), (Posizione{1, 1, O}));
    // Empty and no word to step back in: Backspace erases nothing.
    EXPECT_FALSE(n.parolaCorrente(p));
    EXPECT_EQ(n.cancellaIndietro(t, p).scritture.size(), 0u);
    const Passo scritto = n.lettera(t, p, U'c');
    EXPECT_EQ(std::tuple(scritto.posizione, scritto.scritture), std::tuple(p, std::vector<Scrittura>{{3, 2, "C"}}));
}

TEST_F(Navigazione_, PanelEntriesAndClueLine) {
    x = schema({"CASA#", "A#O..", "NO#E#", "....#"});
    std::vector<std::string> complete;
    for (Direzione d : {O, V}) {
        std::vector<std::string> voci;
        for (const VoceElenco& v : nav.elenco(x, d)) {
            voci.push_back(v.voce);
            if (v.completa) complete.push_back(v.parola->etichetta + (d == O ? "o" : "v"));
        }
        EXPECT_EQ(voci, vociDefinizioni(x, d));
    }
    EXPECT_EQ(complete, (R{"1o", "5o", "2v"}));
    EXPECT_EQ((R{nav.elenco(x, O)[3].voce, nav.elenco(x, V)[1].voce}),
              (R{"7 Città d'erba ", "2 " + std::string(30, '_') + " "}));
    EXPECT_EQ(std::pair(nav.vaiAParola(x, 1), nav.vaiAParola(x, 8)), std::pair(Posizione{4, 2, O}, Posizione{}));
    EXPECT_EQ(
        (R{nav.definizioneCorrente(x, {4, 4, O}), nav.definizioneCorrente(x, {4, 3, V}), nav.definizioneCorrente(x, {3, 2, V})}),
        (R{" 7 oriz. - Città d'erba", " 3 vert. - Superficie", " 2 vert. - "}));
}

TEST(Tastiera, EachKeyMovesAndWritesByItsRule) {
    const std::string tab = "CA..#/A#ORO/NO#E#/E...#";
    // The entries before, the start, the keys, the positions passed and the entries after.
    using S = std::string;
    const std::tuple<S, S, std::u32string, S, S> casi[] = {
        // Typing folds accents; from a word's last cell it goes on as Tab does, never over a letter.
        {"", "42v", U"rÈàx", "43v 44v 23v 24v", "....#/.#.R./.X#E#/...A#"},
        // After the last across word, full words are passed over: not 1 down (CANE), 3 down.
        {"CASA#/A#ORO/NO#.#/ERB.#", "44o", U"a", "43v", "CASA#/A#ORO/NO#.#/ERBA#"},
        // Backspace: a filled cell in place, an empty one a cell back, from a word's start the previous word's end.
        {"CASA#/A#OR.", "42o", U"⌫⌫⌫", "42o 32o 41o", "CAS.#/A#.../..#.#/....#"},
        {"....#/.#.../.O#.#/.R..#", "11o", U"⌫", "24v", "....#/.#.../.O#.#/....#"},  // before the first: the last
        {"CASA#", "21v", U"⌦", "21v", "C.SA#/.#.../..#.#/....#"},
        // Arrows skip black cells, stop at the edge and take their axis when the cell has a word that way.
        {"", "11v", U"→↓", "21o 23v", ""},
        {"", "52o", U"↓", "52o", ""},
        {"", "11v", U"␣␣", "11o 11v", ""},
        // Tab: the words in order, at their first empty cell (the first cell when full), wrapping round.
        {tab, "21o", U"⇥⇥⇥⇥⇥⇥⇥⇥⇥", "32o 13o 24o 11v 31v 41v 24v 31o 32o", tab},
        {tab, "11o", U"⇤", "24v", tab},
        // Passing full words: CASA over ORO and NO to ERBA, SO back over CANE; all full, the next one.
        {tab, "11o", U"»", "24o", tab},
        {"CASA#/A#ORO/NO#E#/ERBA#", "11o", U"»", "32o", "CASA#/A#ORO/NO#E#/ERBA#"}};
    for (const auto& [voci, da, tasti, passate, griglia] : casi) {
        const auto [passo, dopo] = premi(voci, da, tasti);  // no grid given: only the moves
        EXPECT_EQ(std::pair(passo, griglia.empty() ? griglia : dopo), std::pair(passate, griglia)) << da;
    }
}

// What a screen reader says of a cell, its words, the current cell, the three readings, a check.
TEST(Lettura, CellNamesWordsReadingsAndChecks) {
    Cruciverba x = schema({"CA..#", "A#OR."});
    x.cella(2, 1).matita = true;
    const Navigazione nav(x);
    const auto nome = [&](int c, int r) { return nomeCella(x, {{{2, 1}, "A"}}, {{1, 2}}, {c, r}); };
    EXPECT_EQ((R{nome(1, 1), nome(2, 1), nome(3, 1), nome(1, 2), nome(5, 1), nome(9, 9)}),
              (R{"C, numero 1", "A, sbagliata, matita", "vuota, numero 2", "A, rivelata", "nera", ""}));
    EXPECT_EQ(paroleCheIniziano(x, nav, {1, 1}),
              "1 orizzontale, 4 lettere: Abitazione; 1 verticale, 4 lettere: Fedele amico");
    Cruciverba giochi = x;
    giochi.cella(4, 1).codice = 2, giochi.cella(4, 1).voce = "S", giochi.cella(4, 1).data = true;
    EXPECT_EQ(nomeCella(giochi, {}, {}, {4, 1}), "S, numero 3, codice 2, data");
    // Where the current cell lies, said at every move; the clue only when asked for.
    EXPECT_EQ((R{letturaCellaCorrente(x, nav, {2, 1, O}, false), letturaCellaCorrente(x, nav, {1, 1, O}, true),
                 letturaCellaCorrente(x, nav, {}, true)}),
              (R{"1 orizzontale, lettera 2 di 4", "1 orizzontale, lettera 1 di 4: Abitazione", ""}));
    const auto leggi = [&](Posizione p, CosaLeggere l) { return letturaParola(x, nav, p, l); };
    EXPECT_EQ((R{leggi({4, 2, O}, CosaLeggere::definizione), leggi({4, 2, O}, CosaLeggere::compita),
                 leggi({4, 2, O}, CosaLeggere::incrocio), leggi({5, 2, O}, CosaLeggere::incrocio),
                 leggi({}, CosaLeggere::compita)}),
              (R{"4 orizzontale, 3 lettere: Metallo prezioso", "O R _", "3 verticale, 4 lettere: Superficie. _ R _ _",
                 "Nessuna parola incrociata", "Nessuna parola corrente"}));
    // A check's outcome names the word and what is wrong or missing.
    const Parola& casa = *nav.parolaCorrente({1, 1, O});
    EXPECT_EQ(esitoControlloParola(x, casa, 0), "1 orizzontale: nessuna lettera sbagliata, 2 caselle vuote");
    EXPECT_EQ(esitoControlloParola(x, casa, 2), "1 orizzontale: 2 lettere sbagliate");
    EXPECT_EQ(esitoControlloParola(schema({"CASA#"}), casa, 0), "1 orizzontale: parola giusta");
    EXPECT_EQ(esitoControlloLettera(x, {1, 1}, false), "lettera giusta");
    EXPECT_EQ(esitoControlloLettera(x, {2, 1}, true), "lettera sbagliata");
    EXPECT_EQ(esitoControlloLettera(x, {3, 1}, false), "casella vuota");
    EXPECT_EQ((R{contoErrori(0), contoErrori(3)}), (R{"Nessuna lettera sbagliata", "3 lettere sbagliate"}));
}

// What Rivela says it gave: a senza schema's row is said as the words its black squares leave.
TEST(Lettura, RevealedTextKeepsTheWordsApart) {
    Cruciverba x = schema({"CASA#", "A#ORO"});
    x.variante = Variante::senzaSchema;
    const auto riga = [](int r, int da, int a) {
        std::vector<Casella> c;
        for (int col = da; col <= a; ++col) c.push_back({col, r});
        return c;
    };
    const std::vector<std::pair<std::vector<Casella>, std::string>> casi = {
        {riga(1, 1, 5), "CASA"},   // a black square at an end adds nothing
        {riga(2, 1, 5), "A ORO"},  // two words of one row, apart
        {riga(2, 2, 2), "nera"},   // a lone black square is named
    };
    for (const auto& [caselle, detto] : casi) EXPECT_EQ(testoRivelato(x, caselle), detto);
    x.cella(3, 2).tipo = TipoCella::nera;
    EXPECT_EQ(testoRivelato(x, riga(2, 1, 5)), "A RO");  // two black squares, one gap
}

// What a change did to the letters, as Backspace, Annulla and Ripeti say it.
TEST(Lettura, ChangesOfLetters) {
    const std::vector<std::pair<std::vector<CambioVoce>, std::string>> casi = {
        {{{"", "A"}}, "A scritta"},
        {{{"A", "B"}}, "B al posto di A"},
        {{{"", "C"}, {"", "A"}, {"S", ""}}, "3 caselle"},
    };
    for (const auto& [cambi, detto] : casi) EXPECT_EQ(letturaCambi(cambi), detto);
    const Cruciverba prima = schema({"CA..#", "A#OR."}), dopo = schema({"C.S.#", "A#OR."});
    EXPECT_EQ(cambiTra(vociSchema(prima), vociSchema(dopo)), (std::vector<CambioVoce>{{"A", ""}, {"", "S"}}));
    const Navigazione nav(prima);
    Parola senzaNumero = *nav.parolaCorrente({2, 1, O});
    senzaNumero.etichetta.clear();  // a codeword's words have no numbers
    EXPECT_EQ(letturaCompletata(schema({"CASA#"}), senzaNumero), "orizzontale da riga 1 colonna 1 completata: CASA");
}
