#include "mainwindow/finestra.h"

#include <gtest/gtest.h>

namespace quadrivo {
namespace {

TEST(TestoVersione, EveryNumberKeepsThePlaceOfTheSign) {
    EXPECT_EQ(testoVersione(7, 0, 3), "Quadrivo 7 - Versione  7. 0. 3");
    EXPECT_EQ(testoVersione(10, 12, 0), "Quadrivo 7 - Versione  10. 12. 0");
}

TEST(Sfondo, PictureByScreenWidthCentredInBothPlaces) {
    EXPECT_EQ(immagineSfondo(1299) + immagineSfondo(1300), "Quadrivoa.jpgQuadrivob.jpg");
    // Load step: centred in the area, pushed down by half the toolbar.
    EXPECT_EQ(sfondoAlCaricamento(1280, 900, 760, 520, 36), (PuntoSfondo{260, 208}));
    // First activation: centred, ten pixels higher, toolbar ignored.
    EXPECT_EQ(sfondoAllAttivazione(1280, 900, 760, 520), (PuntoSfondo{260, 180}));
    // A picture bigger than the area goes off both edges alike.
    EXPECT_EQ(sfondoAllAttivazione(700, 500, 760, 520), (PuntoSfondo{-30, -20}));
}

TEST(RigaComando, SurroundingQuotesAndBlanksGo) {
    EXPECT_EQ(percorsoRigaComando("  \"a b.trmo\"  "), "a b.trmo");
    // Only one surrounding pair goes; quotes inside the path, or on one side only, stay.
    EXPECT_EQ(percorsoRigaComando("\"\"x\"\""), "\"x\"");
    EXPECT_EQ(percorsoRigaComando("\"aperta.trmo"), "\"aperta.trmo");
    EXPECT_EQ(percorsoRigaComando("\"\""), "");
}

// The program moves into its own folder at start: a relative name must be fixed before that.
TEST(RigaComando, PathTakenFromTheStartFolder) {
    EXPECT_EQ(percorsoAvvio("schema.trmo", "/home/gioca/cruciverba"), "/home/gioca/cruciverba/schema.trmo");
    EXPECT_EQ(percorsoAvvio(" \"../a b.trmo\" ", "/home/gioca/cruciverba"), "/home/gioca/a b.trmo");
    EXPECT_EQ(percorsoAvvio("  ", "/home/gioca"), "");
}

TEST(RigaComando, MessageNamesThePathWhenItIsMissing) {
    EXPECT_EQ(messaggioRigaComando(EsitoApertura::inesistente, "/tmp/a b.trmo"),
              "Errore: file inesistente!\r/tmp/a b.trmo\r\rIl programma si avvia senza cruciverba.");
    const std::string illeggibile = messaggioRigaComando(EsitoApertura::illeggibile, "/root/x.trmo");
    EXPECT_NE(illeggibile.find("/root/x.trmo"), std::string::npos);
    EXPECT_EQ(illeggibile.find("/root/x.trmo"), illeggibile.rfind("/root/x.trmo"));  // named once
}

TEST(BarraDiStato, DateAndTimeWithTwoDigits) {
    EXPECT_EQ(testoData(6, 12, 2026), "06/12/2026");
    EXPECT_EQ(testoData(31, 1, 999), "31/01/0999");
    EXPECT_EQ(testoOra(9, 5), "09:05");
}

}  // namespace
}  // namespace quadrivo
