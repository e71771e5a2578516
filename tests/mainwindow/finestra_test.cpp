#include "mainwindow/finestra.h"

#include <gtest/gtest.h>

namespace quadrivo {
namespace {

TEST(Sfondo, PictureByScreenWidthCentredInBothPlaces) {
    EXPECT_EQ(immagineSfondo(1299) + immagineSfondo(1300), "Quadrivoa.jpgQuadrivob.jpg");
    // Load step: centred in the area, pushed down by half the toolbar.
    EXPECT_EQ(sfondoAlCaricamento(1280, 900, 760, 520, 36), (PuntoSfondo{260, 208}));
    // First activation: centred, ten pixels higher, toolbar ignored.
    EXPECT_EQ(sfondoAllAttivazione(1280, 900, 760, 520), (PuntoSfondo{260, 180}));
    // A picture bigger than the area goes off both edges alike.
    EXPECT_EQ(sfondoAllAttivazione(700, 500, 760, 520), (PuntoSfondo{-30, -20}));
}

// Quotes and blanks around the line go (one pair only); a relative name is taken from the start
// folder, since the program moves into its own folder at start.
TEST(RigaComando, QuotesBlanksAndTheStartFolder) {
    const std::pair<const char*, const char*> casi[] = {
        {"  \"a b.trmo\"  ", "/via/a b.trmo"}, {"\"\"x\"\"", "/via/\"x\""}, {"\"\"", ""}, {" \"../c.trmo\" ", "/c.trmo"}};
    for (const auto& [riga, percorso] : casi) EXPECT_EQ(percorsoAvvio(riga, "/via"), percorso) << riga;
}

TEST(RigaComando, MessageNamesThePathWhenItIsMissing) {
    EXPECT_EQ(messaggioRigaComando(EsitoApertura::inesistente, "/tmp/a b.trmo"),
              "Errore: file inesistente!\r/tmp/a b.trmo\r\rIl programma si avvia senza cruciverba.");
    const std::string illeggibile = messaggioRigaComando(EsitoApertura::illeggibile, "/root/x.trmo");
    EXPECT_NE(illeggibile.find("/root/x.trmo"), std::string::npos) << illeggibile;
    EXPECT_EQ(illeggibile.find("/root/x.trmo"), illeggibile.rfind("/root/x.trmo")) << illeggibile;  // named once
}

// The puzzle's own words: the filled fields above the grid, the notes named when there are
// some; the "Note" window names every field and keeps the notes' lines.
TEST(Intestazione, TitleLineAndNotes) {
    const auto schema = [](const char* titolo, const char* autore, const char* copyright, const char* note) {
        Cruciverba x(3, 3);
        x.titolo = titolo, x.autore = autore, x.copyright = copyright, x.note = note;
        return x;
    };
    const std::pair<Cruciverba, std::string> righe[] = {
        {schema("Il primo", "Arthur Wynne", "", ""), "Il primo - Arthur Wynne"},
        {schema("", "", "", ""), ""},
        {schema("", "", " ", "Risolvere in ordine."), "(Note: File \u2192 Propriet\u00e0)"},
        {schema("T", "", "© 1913", "x"), "T - © 1913   (Note: File \u2192 Propriet\u00e0)"},
    };
    for (const auto& [x, riga] : righe) EXPECT_EQ(rigaIntestazione(x), riga);
    EXPECT_EQ(testoNote(schema("Il primo", "Arthur Wynne", "", "Prima riga.\nSeconda riga.")),
              "Titolo: Il primo\nAutore: Arthur Wynne\nCopyright: -\n\nNote:\nPrima riga.\nSeconda riga.");
    EXPECT_EQ(testoNote(schema("", "", "", "")), "Titolo: -\nAutore: -\nCopyright: -\n\nNote:\nnessuna");
}

}  // namespace
}  // namespace quadrivo
