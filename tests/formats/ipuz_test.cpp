#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "formats/ipuz.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// 3×3, wrapped: a void corner, a block, a circled given letter, a barred shaded cell, labels out of
// the usual order, a rebus, a saved grid, a diagonal and a custom list, a field of the file's own.
const std::string campione = R"(ipuz({
 "version": "http://ipuz.org/v1", "kind": ["http://ipuz.org/crossword#1"],
 "title": "Prova", "author": "Anna", "copyright": "2026", "notes": "n", "block": "X", "empty": "-",
 "dimensions": {"width": 3, "height": 3},
 "styles": {"tondo": {"shapebg": "circle"}},
 "puzzle": [[{"cell": "A", "style": "tondo", "value": "c"}, 2, null],
            [{"cell": 3, "style": {"barred": "RB", "highlight": true, "color": "FF8800"}}, "X", "-"],
            [4, 0, "-"]],
 "solution": [["C", "OR", null], ["A", "X", "E"], ["S", "O", "L"]],
 "saved": [["", "or", null], [{"value": "A"}, "X", "-"], ["", "", ""]],
 "clues": {"Across": [["A", "Cuore"], {"number": 4, "clue": "Sole", "enumeration": "3"}],
           "Down": [["A", "Casa"]], "Diagonal": [["A", "Col"]], "Down:Speciali": ["Senza numero"]},
 "mio": {"x": [1, 2]}
}))";

Cruciverba leggi(const std::string& dati) { return prova::letturaOk(FormatoIpuz(), dati); }

QJsonObject oggetto(std::string testo) {
    if (testo.rfind("ipuz(", 0) == 0) testo = testo.substr(5, testo.rfind(')') - 5);
    return QJsonDocument::fromJson(QByteArray::fromStdString(testo)).object();
}

const Definizione& prima(const Cruciverba& x, const std::string& elenco) { return x.elenco(elenco)->definizioni.front(); }

}  // namespace

TEST(Ipuz, ReadsCellsStylesGridsAndLists) {
    const Cruciverba x = leggi(campione);
    EXPECT_EQ(x.titolo, "Prova");
    const Cella &a = x.cella(1, 1), &b = x.cella(2, 1), &c = x.cella(1, 2);
    EXPECT_EQ(x.cella(3, 1).tipo, TipoCella::vuota);
    EXPECT_EQ(x.cella(2, 2).tipo, TipoCella::nera);
    EXPECT_TRUE(a.cerchio);
    EXPECT_TRUE(a.data);
    EXPECT_EQ(a.etichetta, "A");
    EXPECT_EQ(b.soluzione, "OR");
    EXPECT_EQ(c.barre, barraDestra | barraSotto);
    EXPECT_EQ(c.colore, "#ff8800");
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"COR#", "A#.", "..."}));  // the given letter, the saved grid
    EXPECT_EQ(x.cella(3, 2).etichetta, "");  // the file's empty mark
    EXPECT_EQ(x.cella(2, 3).etichetta, "");  // and 0
    EXPECT_EQ(prima(x, nomeOrizzontali).caselle, (std::vector<Casella>{{1, 1}, {2, 1}}));
    const Definizione& sole = x.elenco(nomeOrizzontali)->definizioni[1];  // number 4 found in the grid
    EXPECT_EQ(sole.enumerazione, "3");
    EXPECT_EQ(sole.caselle.size(), 3u);
    EXPECT_EQ(prima(x, nomeVerticali).caselle.size(), 2u);  // the bar under (1,2) ends it
    EXPECT_EQ(prima(x, nomeDiagonali).caselle, (std::vector<Casella>{{1, 1}}));
    EXPECT_EQ(prima(x, "Speciali").testo, "Senza numero");
}

TEST(Ipuz, WritesBackItsBytesOrOnlyTheSavedGrid) {
    Cruciverba x = leggi(campione);
    EXPECT_EQ(FormatoIpuz().scrivi(x), campione);
    x.cella(2, 3).voce = "O";
    x.cella(1, 2).voce.clear();
    const std::string scritto = FormatoIpuz().scrivi(x);
    EXPECT_EQ(scritto.substr(0, 5), "ipuz(");
    QJsonObject prima = oggetto(campione), dopo = oggetto(scritto);
    EXPECT_EQ(QJsonDocument(dopo.take("saved").toArray()).toJson(QJsonDocument::Compact),
              R"([["C","OR",null],["","X",""],["","O",""]])");
    prima.remove("saved");
    EXPECT_EQ(prima, dopo);  // every other field as read
    const Cruciverba y = leggi(scritto);
    EXPECT_EQ(y.cella(2, 3).voce + y.cella(1, 2).voce, "O");
    x.autore = "Bruno";
    EXPECT_EQ(oggetto(FormatoIpuz().scrivi(x)).value("author").toString(), "Bruno");
}

TEST(Ipuz, RefusesWhatIsNotACrosswordItCanShow) {
    const std::string dim = R"("dimensions": {"width": 2, "height": 1})";
    const std::pair<std::string, std::string> casi[] = {
        {"{\"puzzle\": [[0, 0]],", "JSON"},
        {"ipuz({\"puzzle\": 1}", "parentesi"},
        {R"({"puzzle": [[0, 0]]})", "dimensioni"},
        {"{" + dim + R"(, "puzzle": [[0]]})", "più corte"},
        {R"({"dimensions": {"width": 65, "height": 2}, "puzzle": []})", "65×2"},
    };
    for (const auto& [dati, motivo] : casi) prova::rifiuta(FormatoIpuz(), dati, motivo);
    prova::rifiuta(FormatoIpuz(), R"({"kind": ["http://ipuz.org/sudoku#1"], "puzzle": []})", "\"sudoku\"",
                   EsitoLettura::tipoNonValido);
    EXPECT_TRUE(FormatoIpuz().riconosce(campione));
    EXPECT_FALSE(FormatoIpuz().riconosce(prova::fileTrmo({"AB"})));
}

namespace {

// A ring of words whose clues name the marked cells each word runs between, blanks allowed
// around the dash; "1-4" lies on no line.
const std::string anello = R"({"dimensions": {"width": 3, "height": 3},
 "puzzle": [[1, 0, 2], [0, null, 0], [3, 0, 4]],
 "solution": [["S", "U", "N"], ["O", null, "E"], ["W", "E", "T"]],
 "clues": {"Across": [["1-2", "Sole"], ["3-4", "Bagnato"], ["1-4", "x"]], "Down": [["1-3", "Semina"], [" 2 - 4 ", "Rete"]]}})";

std::vector<Casella> caselleDi(const Cruciverba& x, const std::string& elenco, const std::string& etichetta) {
    for (const Definizione& w : x.elenco(elenco)->definizioni)
        if (w.etichetta == etichetta) return w.caselle;
    return {};
}

}  // namespace

// Another format's puzzle reads back the same. The common validators know version 1 only, whose
// clues have no "cells": those are written, as version 2, only for a word its number does not lead to.
TEST(Ipuz, AnotherFormatsPuzzleReadsBackTheSameAsVersion1WherePossible) {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE", "SOLE"}, {"C...", ".#..", "...."}, {"  1  11-Abitazione"});
    x.cella(4, 3).cerchio = true, x.cella(2, 3).colore = "#ff8800", x.cella(1, 1).barre = barraSinistra;
    x.datiFormato.reset();
    const std::string scritto = FormatoIpuz().scrivi(x);
    EXPECT_EQ(oggetto(scritto).value("version").toString(), "http://ipuz.org/v1");
    EXPECT_FALSE(QByteArray::fromStdString(scritto).contains("\"cells\""));
    const Cruciverba y = leggi(scritto);
    for (const Casella& k : caselleBianche(x)) EXPECT_EQ(y.cella(k), x.cella(k));
    EXPECT_EQ(y.elenchi, x.elenchi);
    EXPECT_EQ(y.autore, x.autore);
    x.elenchi.push_back({"Speciali", {{"", "Senza numero", {{1, 1}, {1, 2}}, ""}}});
    EXPECT_EQ(oggetto(FormatoIpuz().scrivi(x)).value("version").toString(), "http://ipuz.org/v2");
    EXPECT_EQ(leggi(FormatoIpuz().scrivi(x)).elenchi, x.elenchi);
}

TEST(Ipuz, CluesLabelledByARangeRunFromOneMarkedCellToTheOther) {
    const Cruciverba x = leggi(anello);
    EXPECT_EQ(caselleDi(x, nomeOrizzontali, "3-4"), (std::vector<Casella>{{1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(caselleDi(x, nomeVerticali, " 2 - 4 "), (std::vector<Casella>{{3, 1}, {3, 2}, {3, 3}}));
    EXPECT_TRUE(caselleDi(x, nomeOrizzontali, "1-4").empty());
    // Written back, the ranges alone still lead to the words.
    Cruciverba y = x;
    y.datiFormato.reset();
    EXPECT_EQ(leggi(FormatoIpuz().scrivi(y)).elenchi, x.elenchi);
}

// Many lists, many clues, clues naming many cells and long texts are refused before the work.
TEST(Ipuz, RefusesWhatWouldBuildTooMuchAndLongTexts) {
    const auto ipuz = [](const std::string& clues) {
        return R"({"dimensions": {"width": 3, "height": 1}, "puzzle": [[1, 0, 0]], "clues": {)" + clues + "}}";
    };
    // `n` pieces made by `pezzo`, separated by commas.
    const auto serie = [](size_t n, auto pezzo) {
        std::string s;
        for (size_t i = 0; i < n; ++i) s += (i ? "," : "") + pezzo(i);
        return s;
    };
    const auto elenchi = [&](size_t n) { return serie(n, [](size_t i) { return "\"Across:L" + std::to_string(i) + "\": [[1, \"x\"]]"; }); };
    const std::string celle = serie(64, [](size_t) { return std::string("[1,1]"); });
    const std::pair<std::string, std::string> casi[] = {
        {ipuz(elenchi(maxElenchi + 1)), "elenchi"},
        {ipuz("\"Across\": [" + serie(maxDefinizioni + 1, [](size_t) { return std::string("[1, \"x\"]"); }) + "]"), "definizioni"},
        {ipuz("\"Across\": [" + serie(maxCaselleParole / 64 + 1, [&](size_t) { return R"({"number": 1, "clue": "x", "cells": [)" + celle + "]}"; }) + "]"),
         "caselle"},
    };
    for (const auto& [dati, motivo] : casi) prova::rifiuta(FormatoIpuz(), dati, motivo);
    // Text lengths: the same limits for every format, checked as any file is read.
    const Lettura lunga = leggiCruciverba("x.ipuz", ipuz("\"Across\": [[1, \"" + std::string(maxTestoDefinizione + 1, 'x') + "\"]]"));
    EXPECT_EQ(lunga.esito, EsitoLettura::formatoNonValido);
    EXPECT_NE(lunga.spiegazione.find("una definizione"), std::string::npos) << lunga.spiegazione;
    const Lettura giusta = leggiCruciverba("x.ipuz", ipuz(elenchi(maxElenchi - 2)));
    ASSERT_EQ(giusta.esito, EsitoLettura::ok);
    EXPECT_EQ(giusta.cruciverba.elenchi.size(), maxElenchi);
    EXPECT_EQ(giusta.cruciverba.elenchi.back().definizioni.at(0).caselle, (std::vector<Casella>{{1, 1}, {2, 1}, {3, 1}}));
}

// An edited clue, in any script, is written back in its place; everything else of the file stays as it was.
TEST(Ipuz, AnEditedClueIsWrittenInItsPlace) {
    const std::string dati = R"({"dimensions": {"width": 2, "height": 2}, "puzzle": [[1, 2], [3, 0]],
        "clues": {"Across": [[1, "Uno"], {"number": 3, "clue": "Tre", "extra": 7}], "Down": ["Due", [2, "Quattro"]]}})";
    for (const auto& [elenco, indice, nuovo] : {std::tuple{0, 1, "Terzo"}, {1, 0, "Città — “stella” ✓ 日本"}}) {
        Cruciverba x = leggi(dati);
        x.elenchi[elenco].definizioni[indice].testo = nuovo;
        const std::string scritto = FormatoIpuz().scrivi(x);
        const Cruciverba y = leggi(scritto);
        EXPECT_EQ(y.elenchi, x.elenchi) << nuovo;
        EXPECT_EQ(oggetto(scritto).value("clues").toObject().value("Across").toArray().at(1).toObject().value("extra").toInt(), 7);
    }
}
