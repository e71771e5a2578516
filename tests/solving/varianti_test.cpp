#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "solving/lettura.h"
#include "solving/parola_dialogo.h"
#include "solving/passaggio.h"
#include "solving/ricerca_giochi.h"
#include "solving/varianti.h"
#include "solving/verifica.h"
#include "supporto/crociato.h"

using namespace quadrivo;

namespace {

const std::vector<std::string>& schema = prova::soluzioniCrociato;  // CASA / A#RE / SOLE

Cruciverba variante(Conversione (*come)(const Cruciverba&), const std::vector<std::string>& sol = schema,
                    const std::vector<std::string>& defs = prova::definizioniCrociato) {
    return come(prova::cruciverbaDa(sol, {}, defs)).cruciverba.value();
}

Cruciverba senzaSchema() { return variante(comeSenzaSchema); }

// A codeword whose codes follow its letters' alphabetical order, no letter given.
Cruciverba crittografato(const std::vector<std::string>& righe) {
    Cruciverba x = comeCrittografato(prova::cruciverbaDa(righe), 1).cruciverba.value();
    std::map<std::string, int> codici;
    for (const Casella& k : caselleBianche(x)) codici[x.cella(k).soluzione] = 0;
    int n = 0;
    for (auto& [lettera, codice] : codici) codice = ++n;
    for (const Casella& k : caselleBianche(x)) {
        Cella& z = x.cella(k);
        z.codice = codici[z.soluzione];
        z.data = false;
        z.voce.clear();
    }
    return x;
}

void riempi(Cruciverba& x, const std::vector<std::string>& righe) {
    for (int r = 1; r <= x.righe(); ++r)
        for (int c = 1; c <= x.colonne(); ++c) {
            const char ch = righe[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)];
            if (ch == '#') {
                if (x.cella(c, r).bianca()) alternaNera(x, {c, r});
            } else if (x.cella(c, r).bianca()) {
                x.cella(c, r).voce = ch == '.' ? "" : std::string(1, ch);
            }
        }
}

}  // namespace

TEST(SenzaSchemaGioco, OneLineForEachRowAndColumn) {
    const Cruciverba x = variante(comeSenzaSchema, {"CA#SA", "OR#RE"},
                                  {"  1  11-Primo", "  4  11-Secondo", "  1  21-Terzo", "  4  21-Quarto", "  1  12-Do",
                                   "  2  12-Ar", "  4  12-Sr", "  5  12-Ae"});
    EXPECT_EQ(righeDefinizioni(x, nomeRighe), (std::vector<std::string>{"1. Primo – Secondo", "2. Terzo – Quarto"}));
    EXPECT_EQ(righeDefinizioni(x, nomeColonne), (std::vector<std::string>{"1. Do", "2. Ar", "4. Sr", "5. Ae"}));
}

// The game's own check and the usual one (and the solve notice) count the same.
TEST(SenzaSchemaGioco, TheCheckCountsBlackSquaresAsWellAsLetters) {
    struct Caso { const char* nome; std::vector<std::string> griglia; long long differenze; };
    for (const Caso& c :
         {Caso{"empty", {"....", "....", "...."}, 12}, Caso{"letters right, black square missing", {"CASA", "A.RE", "SOLE"}, 1},
          Caso{"a black square too many", {"CASA", "A#R#", "SOLE"}, 1}, Caso{"solved", {"CASA", "A#RE", "SOLE"}, 0}}) {
        SCOPED_TRACE(c.nome);
        Cruciverba x = senzaSchema();
        riempi(x, c.griglia);
        const Conteggio k = contaDifferenzeSenzaSchema(x);
        EXPECT_EQ(k.lettere, 12);
        EXPECT_EQ(k.differenze, c.differenze);
        EXPECT_EQ(contaDifferenze(x).differenze, c.differenze);
        EXPECT_EQ(risolto(x), c.differenze == 0);
    }
}

// Controlla schema's marks ('x'): a black square over a letter is marked, a missing one only counted.
TEST(SenzaSchemaGioco, ACheckMarksTheBlackSquaresPlacedWrong) {
    struct Caso { const char* nome; Conversione (*come)(const Cruciverba&); std::vector<std::string> griglia, segnate; };
    for (const Caso& c : {
             Caso{"black over a letter", comeSenzaSchema, {"CA#A", "A#RE", "SOLE"}, {"..x.", "....", "...."}},
             Caso{"black missing, cell empty", comeSenzaSchema, {"CASA", "A.RE", "SOLE"}, {"....", "....", "...."}},
             Caso{"wrong letter and black", comeDiagramless, {"#ASA", "A#RF", "SOLE"}, {"x...", "...x", "...."}},
         }) {
        Cruciverba x = variante(c.come);
        riempi(x, c.griglia);
        Segni segni;
        segnaErrori(segni, x, caselleSchema(x));
        std::vector<std::string> segnate(3, "....");
        for (const auto& [k, lettera] : segni) segnate[size_t(k.riga - 1)][size_t(k.colonna - 1)] = 'x';
        EXPECT_EQ(segnate, c.segnate) << c.nome;
    }
    Cruciverba x = senzaSchema();
    riempi(x, {"CA#A", "A#RE", "SOLE"});
    Segni segni;
    segnaErrori(segni, x, {{3, 1}});
    EXPECT_EQ(nomeCella(x, segni, {}, {3, 1}), "nera, sbagliata");
    EXPECT_EQ(esitoControlloLettera(x, {3, 1}, true), "nera sbagliata");
    aggiornaSegni(segni, x);
    EXPECT_EQ(segni.size(), 1u);  // the black square stays: so does its mark
    alternaNera(x, {3, 1});
    aggiornaSegni(segni, x);
    EXPECT_TRUE(segni.empty());
}

// A codeword made from a crossword the player had started: the letters follow the codes.
TEST(CrittografatoGioco, TheLettersKeptAgreeWithTheCodes) {
    struct Caso { const char* nome; std::vector<std::string> tenute, dopo; };  // the player's letters, '.' none
    // CASA / A#RE / SOLE: A is code 1 at (2,1) (4,1) (1,2); E code 3 at (4,2) (4,3).
    for (const Caso& c : {Caso{"one A spreads to its code", {".A..", ".#..", "...."}, {".A.A", "A#..", "...."}},
                          Caso{"a wrong letter alone spreads too", {"....", ".#.X", "...."}, {"....", ".#.X", "...X"}},
                          Caso{"letters that disagree are dropped", {".A..", ".#.E", "...I"}, {".A.A", "A#..", "...."}}}) {
        SCOPED_TRACE(c.nome);
        Cruciverba x = crittografato(schema);
        riempi(x, c.tenute);
        accordaCodici(x);
        EXPECT_EQ(prova::inserimenti(x), c.dopo);
    }
}

TEST(CrittografatoGioco, TheKeyTableFlagsALetterChosenTwice) {
    Cruciverba x = crittografato(schema);  // codes 1 A, 2 C, 3 E, 4 L, 5 O, 6 R, 7 S
    applicaScritture(x, espandiCodici(x, {{1, 1, "C"}, {3, 1, "C"}, {2, 1, "A"}}));
    const TabellaChiave t = tabellaChiave(x);
    ASSERT_EQ(t.codici.size(), 7u);
    EXPECT_EQ(t.codici[0], (VoceChiave{1, "A", false}));
    EXPECT_EQ(t.codici[1], (VoceChiave{2, "C", true}));
    EXPECT_EQ(t.codici[6], (VoceChiave{7, "C", true}));
    EXPECT_EQ(t.alfabeto[0], (LetteraAlfabeto{'A', true}));
    EXPECT_EQ(t.alfabeto[1], (LetteraAlfabeto{'B', false}));
}

TEST(CrittografatoGioco, ACodePastTheWhiteCellsIsNobodys) {
    Cruciverba x = crittografato({"RE"});
    x.cella(2, 1).codice = 1000000;
    EXPECT_EQ(tabellaChiave(x).codici.size(), 2u);  // up to R's code; E's is out of range
    EXPECT_TRUE(paroleCodice(x, {{1, 1}, {2, 1}}, "REREAI").empty());
}

TEST(CrittografatoGioco, AKeysWritesReachEveryCellOfTheirCode) {
    Cruciverba x = crittografato(schema);  // the A's: (2,1) (4,1) (1,2); the E's: (4,2) (4,3)
    x.cella(4, 1).data = true;
    x.cella(4, 1).voce = "A";
    x.cella(4, 3).voce = "E";
    const std::vector<Scrittura> tutte = espandiCodici(x, {{2, 1, "A", false}, {4, 2, "E", true}, {9, 9, "Z", false}});
    EXPECT_EQ(tutte,
              (std::vector<Scrittura>{
                  {2, 1, "A", false}, {1, 2, "A", false}, {4, 2, "E", true}, {4, 3, "E", true}, {9, 9, "Z", false}}));
}

// A click on a row's (column's) line goes to the first word along it, else to one across it.
TEST(SenzaSchemaGioco, ARowsLineLeadsToAWordOfThatRow) {
    const Cruciverba x = prova::crociato();
    const Navigazione nav(x);  // CASA, RE, SOLE, then CAS, SRL, AEE
    struct Caso { Direzione direzione; int numero, parola; };
    for (const Caso& c : {Caso{Direzione::orizzontale, 2, 1}, Caso{Direzione::verticale, 4, 5}, Caso{Direzione::verticale, 2, 0},
                          Caso{Direzione::orizzontale, 9, -1}}) {
        SCOPED_TRACE(std::to_string(numeroElenco(c.direzione)) + " " + std::to_string(c.numero));
        EXPECT_EQ(parolaDellaRiga(nav, c.direzione, c.numero), c.parola);
        if (c.parola >= 0 && c.numero != 2)
            EXPECT_EQ(rigaDellaParola(nav.parole()[static_cast<size_t>(c.parola)]), c.numero);
    }
}

// F2, the hover label and the clue line name a run as its game does: by row, codes or length.
TEST(GiochiDialogo, TheWordIsTheGridsRunNamedAsTheGameNamesIt) {
    struct Caso { const char* nome; Cruciverba x; Posizione p; std::string titolo, definizione, didascalia; };
    const GeometriaSchema g{};
    for (const Caso& c :
         {Caso{"a row", senzaSchema(), {1, 2, Direzione::orizzontale}, " Riga 2", "Sovrano", "  Riga 2 - Sovrano "},
          Caso{"a codeword", crittografato(schema), {3, 2, Direzione::orizzontale}, " Orizzontale da riga 2 colonna 3", "",
               "  oriz. - 6-3 "},
          Caso{"a grid to fill", variante(comeDaRiempire), {1, 1, Direzione::verticale}, " Verticale da riga 1 colonna 1", "",
               "  vert. - 3 lettere "}}) {
        SCOPED_TRACE(c.nome);
        const VoceDialogo v = voceDialogo(c.x, g, c.p);
        EXPECT_EQ(v.titolo, c.titolo);
        EXPECT_EQ(v.definizione, c.definizione);
        EXPECT_TRUE(v.definizioneFissa);
        const std::optional<Definizione> w = parolaDa(c.x, {c.p.colonna, c.p.riga}, c.p.direzione);
        EXPECT_EQ(w ? didascaliaParola(c.x, w->etichetta, c.p.direzione, w->caselle, w->testo, FormaDidascalia::etichetta)
                    : "",
                  c.didascalia);
    }
    EXPECT_FALSE(parolaDiGriglia(prova::crociato(), {1, 1}, Direzione::orizzontale));
}

TEST(SenzaSchemaGioco, TheScreenReaderNamesRowsAndColumns) {
    const Cruciverba x = senzaSchema();
    Parola w{.lunghezza = 4, .etichetta = "2", .definizione = "Sovrano"};
    EXPECT_EQ(letturaDefinizione(x, w), "riga 2, 4 lettere: Sovrano");
    w.direzione = Direzione::verticale;
    EXPECT_EQ(nomeParola(x, w), "colonna 2");
}

TEST(DaRiempireGioco, TheBankPanelByLengthThenAlphabetically) {
    Cruciverba x = variante(comeDaRiempire);
    x.banca = {"sole", "ÈRTA", "CASA", "RE", "ERBA"};
    riempi(x, {"CASA", "A#..", "...."});
    std::vector<std::string> righe;
    for (const RigaBanca& r : righeBanca(x))
        righe.push_back((r.titolo ? "# " : "") + r.testo + (r.cancellata ? " x" : ""));
    EXPECT_EQ(righe, (std::vector<std::string>{"# 2 lettere", "RE", "# 4 lettere", "CASA x", "ERBA", "ÈRTA", "SOLE"}));
}

// A codeword's words follow the codes and the key, from every dictionary once; a grid to fill's
// come from its bank and fit the letters in place (a placed word still fits its own cells); a
// letter in a box narrows either.
TEST(GiochiDialogo, TheSearchFollowsTheCodesOrTheBankAndTheBoxes) {
    const std::vector<Casella> casa = {{1, 1}, {2, 1}, {3, 1}, {4, 1}};
    const Cruciverba codici = crittografato(schema);
    Cruciverba chiave = codici, tutta = codici;
    applicaScritture(chiave, espandiCodici(chiave, {{3, 3, "L"}}));  // the L of SOLE
    applicaScritture(tutta, espandiCodici(tutta, {{3, 3, "L"}, {1, 1, "P"}}));
    Cruciverba banca = variante(comeDaRiempire);
    banca.banca.push_back("SALE");
    riempi(banca, {"CASA", "A#..", "S..."});
    struct Caso {
        const char* nome;
        const Cruciverba& x;
        std::vector<std::string_view> blocchi;
        std::vector<Casella> caselle;
        std::string maschera;
        std::vector<std::string> parole;
    };
    for (const Caso& c :
         {Caso{"codes, two dictionaries", codici, {"PALAMELA", "CASACAROSASAPALAROMA"}, casa, "    ", {"PALA", "CASA"}},
          Caso{"codes and a box", codici, {"PALAMELA", "CASAPALA"}, casa, "C.  ", {"CASA"}},
          Caso{"codes and the key", chiave, {"CASAPALA"}, casa, "    ", {"CASA"}},
          Caso{"a key that leaves nothing", tutta, {"CASAPALA"}, casa, "    ", {}},
          Caso{"the bank and the letters in place", banca, {}, {{1, 3}, {2, 3}, {3, 3}, {4, 3}}, "    ", {"SOLE", "SALE"}},
          Caso{"the bank and a vowel", banca, {}, {{1, 3}, {2, 3}, {3, 3}, {4, 3}}, " A  ", {"SALE"}},
          Caso{"a placed word", banca, {}, casa, "    ", {"CASA"}}}) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(paroleDelGioco(c.x, c.blocchi, c.caselle, c.maschera), c.parole);
    }
}

// Clearing takes the player's black squares away and numbers the grid again.
TEST(SenzaSchemaGioco, AClearedDiagramlessListsEveryClueEvenWithoutItsWordYet) {
    Cruciverba x = variante(comeDiagramless);
    riempi(x, {"CASA", "A#RE", "SOLE"});
    azzeraInserimenti(x);
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"....", "....", "...."}));
    EXPECT_EQ(x.cella(2, 1).etichetta, "2");
    const Navigazione nav(x);
    const std::vector<std::string> attese[] = {{"1 Abitazione ", "4 Sovrano  -", "5 Stella "},
                                               {"1 Cassa ", "2 Societa ", "3 Vocali "}};
    for (Direzione d : {Direzione::orizzontale, Direzione::verticale}) {
        std::vector<std::string> voci;
        for (const VoceElenco& v : nav.elenco(x, d)) voci.push_back(v.voce + (v.parola ? "" : " -"));
        EXPECT_EQ(voci, attese[numeroElenco(d) - 1]) << numeroElenco(d);
    }
    // A crossword's clue without cells is a damaged file's, and no entry.
    Cruciverba y = prova::crociato();
    y.elenchi[0].definizioni[1].caselle.clear();
    EXPECT_EQ(Navigazione(y).elenco(y, Direzione::orizzontale).size(), 2u);
}
