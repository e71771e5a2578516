#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "formats/ipuz.h"
#include "formats/jpz.h"
#include "formats/puz.h"
#include "model/varianti.h"
#include "supporto/crociato.h"

using namespace quadrivo;

namespace {

using prova::crociato;  // CASA / A#RE / SOLE

Cruciverba ipuz(const std::string& dati) { return prova::letturaOk(FormatoIpuz(), dati); }

// The codes of the white cells, row by row.
std::vector<int> codici(const Cruciverba& x) {
    std::vector<int> c;
    for (const Casella& k : caselleBianche(x)) c.push_back(x.cella(k).codice);
    return c;
}

// A row/column senza schema: the puzzle grid shows where the black square is, the player has
// placed one black square of his own at (4,2) and typed a letter.
const std::string senzaSchema = R"({
 "version": "http://ipuz.org/v1", "kind": ["http://ipuz.org/crossword/diagramless#1"],
 "dimensions": {"width": 4, "height": 3},
 "puzzle": [[0, 0, 0, 0], [0, "#", 0, 0], [0, 0, 0, 0]],
 "solution": [["C", "A", "S", "A"], ["A", "#", "R", "E"], ["S", "O", "L", "E"]],
 "saved": [["C", "", "", ""], ["", "", "", "#"], ["", "", "", ""]],
 "clues": {"Across:Righe": [{"number": 1, "clue": "Abitazione"}, {"number": 2, "clue": "Sovrano"}, {"number": 3, "clue": "Stella"}],
           "Down:Colonne": [{"number": 1, "clue": "Cassa"}, {"number": 3, "clue": "Societa"}, {"number": 4, "clue": "Vocali"}]}
})";

const std::string crittografato = R"({
 "version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1", "http://crosswordnexus.com/ipuz/coded#1"],
 "dimensions": {"width": 3, "height": 2},
 "puzzle": [[4, {"cell": 9, "value": "A"}, 4], [2, "#", 9]],
 "solution": [["R", "A", "R"], ["E", "#", "A"]]
})";

}  // namespace

// Its black squares in the solution only, its row and column lists, the player's black squares
// and letters from "saved".
TEST(IpuzVarianti, ASenzaSchemaReadsItsSolutionItsListsAndThePlayersGrid) {
    const Cruciverba x = ipuz(senzaSchema);
    EXPECT_EQ(x.variante, Variante::senzaSchema);
    EXPECT_TRUE(x.cella(2, 2).neraSoluzione);
    EXPECT_EQ(x.cella(2, 2).tipo, TipoCella::bianca);
    ASSERT_EQ(x.elenchi.size(), 2u);
    EXPECT_EQ(x.elenco(nomeRighe)->definizioni[1].caselle, (std::vector<Casella>{{3, 2}, {4, 2}}));
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"C...", "...#", "...."}));
}

// The codes closed up to 1..k, and the given letter.
TEST(IpuzVarianti, ACodewordsCellsCarryTheirCodesOrItIsRefused) {
    const Cruciverba x = ipuz(crittografato);
    EXPECT_EQ(x.variante, Variante::crittografato);
    EXPECT_EQ(codici(x), (std::vector<int>{2, 3, 2, 1, 3}));
    EXPECT_TRUE(x.cella(2, 1).data);
    EXPECT_EQ(x.cella(2, 1).voce, "A");
    // A cell without its code is refused.
    std::string d = crittografato;
    d.replace(d.find("[2, "), 4, "[0, ");
    prova::rifiuta(FormatoIpuz(), d, "non ha un numero");
}

namespace {

// A .puz diagramless as Across Lite saves it: type 0x0401, ":" for the black squares.
std::string puzDiagramless() {
    std::string f = FormatoPuz().scrivi(crociato());
    f[0x30] = 0x01;
    f[0x31] = 0x04;
    for (size_t i = 0x34; i < 0x34 + 2 * 12; ++i)
        if (f[i] == '.') f[i] = ':';
    // Its checksums made right by a write of what was read.
    return FormatoPuz().scrivi(FormatoPuz().leggi(f).cruciverba);
}

}  // namespace

TEST(PuzVarianti, ADiagramlessOpensWithAllItsClues) {
    const Lettura l = FormatoPuz().leggi(puzDiagramless());
    ASSERT_EQ(l.esito, EsitoLettura::ok) << l.spiegazione;
    const Cruciverba& x = l.cruciverba;
    EXPECT_EQ(x.variante, Variante::diagramless);
    EXPECT_TRUE(x.cella(2, 2).neraSoluzione);
    EXPECT_EQ(x.elenco(nomeOrizzontali)->definizioni[1].testo, "Sovrano");
}

// A coded puzzle's numbers are its codes, closed up, and a hint is given; without numbers the
// codes come from its letters.
TEST(JpzVarianti, ACodedPuzzlesCodesComeFromItsNumbersOrItsLetters) {
    const auto coded = [](const char* celle) {
        return prova::letturaOk(FormatoJpz(), std::string("<crossword-compiler><rectangular-puzzle><coded><grid width=\"3\" height=\"1\">") +
                                                  celle + "</grid></coded></rectangular-puzzle></crossword-compiler>");
    };
    const Cruciverba x = coded(R"(<cell x="1" y="1" solution="R" number="7"/><cell x="2" y="1" solution="E" number="3" hint="true"/>
<cell x="3" y="1" solution="R" number="7"/>)");
    EXPECT_EQ(x.variante, Variante::crittografato);
    EXPECT_EQ(codici(x), (std::vector<int>{2, 1, 2}));
    EXPECT_TRUE(x.cella(2, 1).data);
    EXPECT_EQ(x.cella(2, 1).voce, "E");
    const Cruciverba y = coded(R"(<cell x="1" y="1" solution="R"/><cell x="2" y="1" solution="E"/><cell x="3" y="1" solution="R"/>)");
    EXPECT_EQ(codici(y), (std::vector<int>{1, 2, 1}));
}

// Each game, converted or as a file brought it, with letters typed in every cell not given: the
// bytes written read back the same and a second write repeats them; an ipuz names its kind.
TEST(FormatiVarianti, EveryGameWithLettersTypedReadsBackAsWritten) {
    const FormatoIpuz ipuzF;
    const FormatoPuz puzF;
    const FormatoJpz jpzF;
    const char* const diagramless = "http://ipuz.org/crossword/diagramless#1";
    struct Caso {
        const char* nome;
        const Formato& formato;
        Cruciverba x;
        const char* tipo = "";  // the ipuz kind written
    };
    for (Caso c : {Caso{"senza schema", ipuzF, comeSenzaSchema(crociato()).cruciverba.value(), diagramless},
                   Caso{"diagramless", ipuzF, comeDiagramless(crociato()).cruciverba.value(), diagramless},
                   Caso{"crittografato", ipuzF, comeCrittografato(crociato(), 5).cruciverba.value(), "http://crosswordnexus.com/ipuz/coded#1"},
                   Caso{"da riempire", ipuzF, comeDaRiempire(crociato()).cruciverba.value(), "http://ipuz.org/fill#1"},
                   Caso{"senza schema .ipuz", ipuzF, ipuz(senzaSchema)}, Caso{"crittografato .ipuz", ipuzF, ipuz(crittografato)},
                   Caso{"diagramless .puz", puzF, prova::letturaOk(puzF, puzDiagramless())},
                   Caso{"coded .jpz", jpzF, comeCrittografato(crociato(), 2).cruciverba.value()}}) {
        for (const Casella& k : caselleBianche(c.x))
            if (!c.x.cella(k).data) c.x.cella(k).voce = "QU";
        const std::string scritto = c.formato.scrivi(c.x);
        const Cruciverba y = prova::letturaOk(c.formato, scritto);
        EXPECT_EQ(y, c.x) << c.nome;
        EXPECT_EQ(c.formato.scrivi(y), scritto) << c.nome;
        const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(scritto)).object();
        if (*c.tipo) EXPECT_EQ(json.value("kind").toArray().last().toString(), c.tipo) << c.nome;
    }
}
