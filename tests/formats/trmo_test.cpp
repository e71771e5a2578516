#include <gtest/gtest.h>

#include "formats/formato.h"
#include "formats/trmo.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::fileTrmo;

namespace {

const std::string intestazione = "Autore:      X\r\nData:         d\r\nTitolo:       t\r\n";

Cruciverba leggi(const std::string& dati) { return prova::letturaOk(FormatoTrmo(), dati); }

std::string testo(const Cruciverba& x, Direzione d, Casella k) {
    const Definizione* w = definizioneDa(x, k, d);
    return w ? w->testo : "<nessuna>";
}

}  // namespace

TEST(Trmo, DecodesSolutionsKeepsEntriesAndWritesTheSameBytes) {
    Cruciverba x = leggi(intestazione + "Dimensioni:   2x1\r\n[.D*\r\n");
    EXPECT_EQ(std::tuple(x.colonne(), x.righe(), x.cella(1, 1).soluzione, x.cella(2, 1).tipo),
              std::tuple(2, 1, "A", TipoCella::nera));
    x.cella(1, 1).voce = "A";
    EXPECT_EQ(FormatoTrmo().scrivi(x), intestazione + "Dimensioni:   2x1\r\n[AD*\r\n");
    EXPECT_EQ(leggi("a\nb\nc\nDimensioni:  15x10\n" + std::string(10, '\n')).colonne(), 15);  // characters 14 and 17
    // Every byte an entry or a clue may hold comes back as it was, whatever the code page lacks;
    // odd and short grid lines are kept too.
    const std::string strano = intestazione + "Dimensioni:   3x2\r\n[\x81[\x8d[\r\n[ \r\n";
    const Cruciverba y = leggi(strano);
    // No entry byte: an empty cell; past the line's end: a white cell nobody fills.
    EXPECT_EQ(std::tuple(y.cella(3, 1).voce, y.cella(2, 2).tipo, y.cella(2, 2).data, FormatoTrmo().scrivi(y)),
              std::tuple("", TipoCella::bianca, true, strano));
    Cruciverba z = y;  // a letter typed there gets the entry byte the line lacked
    z.cella(3, 1).voce = "Q";
    EXPECT_EQ(FormatoTrmo().scrivi(z), intestazione + "Dimensioni:   3x2\r\n[\x81[\x8d[Q\r\n[ \r\n");
    for (int b = 1; b < 256; ++b) {
        if (b == '\r' || b == '\n') continue;
        const std::string dati = fileTrmo({"AB"}, {}, {"  1  11-" + std::string(1, static_cast<char>(b)) + "x"});
        EXPECT_EQ(FormatoTrmo().scrivi(leggi(dati)), dati) << b;
    }
}

TEST(Trmo, WritingBackOrdersCluesAndDropsThoseOfNoWord) {
    // CASA / A#RE / SOLE with clues out of order, one for a cell that starts nothing, one empty,
    // one out of the grid and a later line replacing an earlier one.
    const std::string dati =
        fileTrmo({"CASA", "A#RE", "SOLE"}, {"C.S.", ".#..", "...."},
                 {"  1  32-Sole", "  1  11-Abitazione", "  1  12-Prima", "  2  11-Non inizia", "  4  12-Vuota",
                  " 27  11-Fuori", "  1 171-Fuori", "  1  13-Direzione 3", "  1  12-Sposa di Adamo", "  3  12-",
                  "  3  22-Erre", "  2  12-\x93virgolette\x94"},
                 "Anna \xe8 qui");
    Cruciverba x = leggi(dati);
    EXPECT_EQ(testo(x, Direzione::verticale, {1, 1}), "Sposa di Adamo");
    EXPECT_EQ(testo(x, Direzione::verticale, {3, 1}), "");
    EXPECT_EQ(x.autore, "Anna è qui");
    const std::string attesi = "  1  11-Abitazione\r\n  1  12-Sposa di Adamo\r\n  4  12-Vuota\r\n";
    EXPECT_EQ(FormatoTrmo().scrivi(x), dati.substr(0, dati.find("  1  32-")) + attesi);
    // The save dialog's author replaces line 1 after its 13-character label.
    x.autore = "Niccolò";
    EXPECT_EQ(FormatoTrmo().scrivi(x).substr(0, 22), "Autore:      Niccol\xf2\r\n");
    Cruciverba corta = leggi("Aut\r\nb\r\nc\r\nDimensioni:   1x1\r\n[.\r\n");  // shorter than its label: kept whole
    corta.autore = "Rossi";
    EXPECT_EQ(FormatoTrmo().scrivi(corta).substr(0, 10), "AutRossi\r\n");
    // Clue text typed in the program goes to the code page.
    definizioneDa(x, {1, 1}, Direzione::orizzontale)->testo = "Città";
    EXPECT_NE(FormatoTrmo().scrivi(x).find("  1  11-Citt\xe0\r\n"), std::string::npos);
}

TEST(Trmo, MalformedFilesAreRefused) {
    const std::string h = intestazione;
    // too few lines, no or bad sizes, a grid line missing, lines or grids too big, a solution
    // byte below 26
    for (const std::string& dati :
         {std::string(), h, h + "Dimensioni:\r\n", h + "Dimensioni:   0x1\r\n\r\n", h + "Dimensioni:  -2x1\r\n[[\r\n",
          h + "Dimensioni:  27x1\r\n" + std::string(54, '[') + "\r\n", h + "Dimensioni:   2x3\r\n[[[[\r\n[[[[\r\n",
          h + "Dimensioni:   2x1\r\n" + std::string(53, '[') + "\r\n", h + "Dimensioni:   2x1\r\n\x19.[.\r\n"})
        EXPECT_EQ(FormatoTrmo().leggi(dati).esito, EsitoLettura::formatoNonValido) << dati;
    // A white cell whose entry would blacken it is a puzzle the grid cannot show.
    EXPECT_EQ(FormatoTrmo().leggi(h + "Dimensioni:   2x1\r\n[*D*\r\n").esito, EsitoLettura::tipoNonValido);
}

TEST(Formati, FoundByExtensionThenByContent) {
    const std::string dati = fileTrmo({"AB", "CD"});
    for (const std::string& nome : {"a.trmo", "/x.y/B.TRMO", "senza", "strano.txt"})
        EXPECT_EQ(formatoPerFile(nome, dati).nome(), "trmo") << nome;
    EXPECT_FALSE(FormatoTrmo().riconosce("{\"version\": \"http://ipuz.org/v2\"}"));
    EXPECT_EQ(leggiCruciverba("p.trmo", dati).cruciverba.formato, "trmo");  // written back by the samples test
}

// An archive's preview shows a .trmo's header lines from their labels on.
TEST(Formati, ThePreviewsHeader) {
    const std::string dati = "Autore:      Anna\r\nData:        1 maggio\r\nTitolo:      Prova\r\nDimensioni:   2x1\r\n[.[.\r\n";
    const Intestazione i = FormatoTrmo().intestazione(leggi(dati), dati);
    EXPECT_EQ(i.crediti, "Anna - 1 maggio - Prova");
    EXPECT_EQ(i.dimensioni, " 2x1");
}
