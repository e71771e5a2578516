#include <gtest/gtest.h>

#include <zip.h>

#include "formats/jpz.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// 3×2: a block, a void, bars, a circle, a rebus, a hint, a solve state, words by range and by
// cells, clue titles with markup, a custom list.
const std::string campione = R"(<?xml version="1.0" encoding="UTF-8"?>
<crossword-compiler-applet xmlns="http://crossword.info/xml/crossword-compiler-applet">
<rectangular-puzzle xmlns="http://crossword.info/xml/rectangular-puzzle">
<metadata><title>Prova</title><creator>Anna</creator><copyright>(c)</copyright><description>Note</description></metadata>
<crossword><grid width="3" height="2"><grid-look numbering-scheme="normal"/>
<cell x="1" y="1" solution="C" number="1" background-shape="circle" solve-state="c"/>
<cell x="2" y="1" solution="OW" bottom-bar="true" right-bar="true" background-color="#FFCC00"/>
<cell x="3" y="1" type="void"/>
<cell x="1" y="2" solution="A" hint="true" number="2"/>
<cell x="2" y="2" type="block"/>
</grid>
<word id="1" x="1-2" y="1"/>
<word id="2"><cells x="1" y="1"/><cells x="1" y="2"/></word>
<clues ordering="normal"><title><b>Across</b></title><clue word="1" number="1" format="2">Una <i>vacca</i></clue></clues>
<clues><title><b>Down</b></title><clue word="2" number="1">Ca</clue></clues>
<clues><title>Speciali</title><clue number="X">Nessuna parola</clue></clues>
</crossword></rectangular-puzzle></crossword-compiler-applet>)";

Cruciverba leggi(const std::string& dati) { return prova::letturaOk(FormatoJpz(), dati); }

// A zip archive holding `xml` as its one file.
std::string compresso(const std::string& xml) {
    prova::CartellaTemporanea t;
    const std::string percorso = t.percorso("p.jpz");
    int errore = 0;
    zip_t* z = zip_open(percorso.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &errore);
    zip_source_t* s = zip_source_buffer(z, xml.data(), xml.size(), 0);
    zip_file_add(z, "p.xml", s, ZIP_FL_OVERWRITE);
    zip_close(z);
    return t.leggi("p.jpz");
}

}  // namespace

TEST(Jpz, ReadsCellsWordsAndListsPlainOrZipped) {
    for (const std::string& dati : {campione, compresso(campione)}) {
        const Cruciverba x = leggi(dati);
        EXPECT_EQ(x.titolo, "Prova");
        const Cella &a = x.cella(1, 1), &b = x.cella(2, 1), &c = x.cella(1, 2);
        EXPECT_EQ(x.cella(3, 1).tipo, TipoCella::vuota);
        EXPECT_EQ(x.cella(2, 2).tipo, TipoCella::nera);
        EXPECT_TRUE(a.cerchio);
        EXPECT_TRUE(c.data);
        EXPECT_EQ(a.voce, "C");
        EXPECT_EQ(a.etichetta, "1");
        EXPECT_EQ(b.soluzione, "OW");
        EXPECT_EQ(b.colore, "#ffcc00");
        EXPECT_EQ(b.barre, barraSotto | barraDestra);
        const Definizione& o = x.elenchi[0].definizioni.at(0);
        EXPECT_EQ(o.testo, "Una vacca");
        EXPECT_EQ(o.enumerazione, "2");
        EXPECT_EQ(o.caselle, (std::vector<Casella>{{1, 1}, {2, 1}}));
        EXPECT_EQ(x.elenchi[1].definizioni.at(0).caselle, (std::vector<Casella>{{1, 1}, {1, 2}}));
        ASSERT_TRUE(x.elenco("Speciali"));
        EXPECT_EQ(x.elenco("Speciali")->definizioni.at(0).etichetta, "X");
        EXPECT_EQ(leggi(FormatoJpz().scrivi(x)), x);  // written as plain XML, it reads back the same
    }
    EXPECT_TRUE(FormatoJpz().riconosce(compresso(campione)));
}

// I'D across: the apostrophe is a clue cell with a solution, so the word stays one word.
TEST(Jpz, AClueCellHoldingALetterIsAGivenLetterInsideItsWord) {
    const Cruciverba x = leggi(R"(<crossword-compiler-applet><rectangular-puzzle><crossword>
<grid width="3" height="1"><cell x="1" y="1" solution="I" number="1"/><cell x="2" y="1" type="clue" solution="'"/>
<cell x="3" y="1" solution="D"/></grid>
<word id="1" x="1-3" y="1"/><clues><title>Across</title><clue word="1" number="1">Io avrei</clue></clues>
</crossword></rectangular-puzzle></crossword-compiler-applet>)");
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{".'."}));
    EXPECT_TRUE(x.cella(2, 1).data);
    EXPECT_EQ(x.cella(2, 1).soluzione, "'");
    EXPECT_EQ(x.elenchi[0].definizioni.at(0).caselle.size(), 3u);
}

TEST(Jpz, RefusesBrokenFiles) {
    const std::pair<std::string, std::string> casi[] = {
        {campione.substr(0, 600), "XML valido"},
        {"<crossword-compiler/>", "manca lo schema"},
        {R"(<crossword-compiler><grid width="65" height="1"/></crossword-compiler>)", "65×1"},
        {std::string("PK\3\4") + std::string(30, '\0'), "zip"},
    };
    for (const auto& [dati, motivo] : casi) prova::rifiuta(FormatoJpz(), dati, motivo);
}

// Shapes that multiply what a few bytes build: each is refused before it is built.
TEST(Jpz, RefusesWhatWouldBuildTooMuch) {
    // 64×64 cells the file leaves out: white, each one's solution unknown.
    const std::string griglia = R"(<crossword-compiler><rectangular-puzzle><crossword><grid width="64" height="64"></grid>)";
    const auto ripeti = [](const std::string& s, int volte) {
        std::string r;
        for (int i = 0; i < volte; ++i) r += s;
        return r;
    };
    const auto jpz = [&](const std::string& parole, const std::string& definizioni) {
        return griglia + parole + "<clues><title>Across</title>" + definizioni + "</clues></crossword></rectangular-puzzle></crossword-compiler>";
    };
    const std::string tuttaLaGriglia = R"(<word id="1"><cells x="1-64" y="1-64"/></word>)";
    const std::pair<std::string, std::string> casi[] = {
        // 4,096 cells for each 26 bytes of one word
        {jpz("<word id=\"1\">" + ripeti(R"(<cells x="1-64" y="1-64"/>)", 17) + "</word>", R"(<clue word="1">x</clue>)"), "caselle"},
        // a whole-grid word copied into every clue naming it
        {jpz(tuttaLaGriglia, ripeti(R"(<clue word="1">x</clue>)", 17)), "caselle"},
        {jpz("", ripeti("<clue>x</clue>", static_cast<int>(maxDefinizioni) + 1)), "definizioni"},
        {std::string("<rectangular-puzzle>") + std::string(maxXmlJpz, ' '), "troppo grande"},
    };
    for (const auto& [dati, motivo] : casi) prova::rifiuta(FormatoJpz(), dati, motivo);
    // A zipped one that declares more than the limit is refused without unpacking it.
    prova::rifiuta(FormatoJpz(), compresso(std::string(maxXmlJpz + 1, ' ')), "troppo grande");
    // Within the limits the same shapes open.
    EXPECT_EQ(leggi(jpz(tuttaLaGriglia, ripeti(R"(<clue word="1">x</clue>)", 15))).elenchi[0].definizioni.size(), 15u);
}
