#include "mainwindow/finestra.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "versione.h"

namespace quadrivo {
namespace {

TEST(TestoVersione, OgniNumeroHaIlPostoDelSegno) {
    EXPECT_EQ(testoVersione(7, 0, 3), "Quadrivo 7 - Versione  7. 0. 3");
    EXPECT_EQ(testoVersione(10, 12, 0), "Quadrivo 7 - Versione  10. 12. 0");
    // The build's own version goes through the same form.
    EXPECT_EQ(testoVersione(), testoVersione(versioneMaggiore, versioneMinore, versioneRevisione));
}

TEST(DecisioneSalva, SoloUnNomeProprioSiScriveSulPosto) {
    EXPECT_EQ(decisioneSalva(""), AzioneSalva::salvaConNome);
    EXPECT_EQ(decisioneSalva("NUOVOCRU.trmo"), AzioneSalva::salvaConNome);
    // The comparison is exact: a path to a file of that name, or another letter case, is a real name.
    EXPECT_EQ(decisioneSalva("/home/anna/NUOVOCRU.trmo"), AzioneSalva::scrivi);
    EXPECT_EQ(decisioneSalva("nuovocru.trmo"), AzioneSalva::scrivi);
    EXPECT_EQ(decisioneSalva("NUOVOCRU.trmo "), AzioneSalva::scrivi);
    EXPECT_EQ(decisioneSalva("/tmp/prova.trmo"), AzioneSalva::scrivi);
}

TEST(ComandiDelloSchema, DipendonoDalNomeDelFile) {
    Stato s;
    EXPECT_FALSE(comandiSchemaAttivi(s));
    s.nomeFile = "NUOVOCRU.trmo";
    EXPECT_TRUE(comandiSchemaAttivi(s));
    std::set<int> richiedono;
    for (int i = 0; i <= 10; ++i)
        if (pulsanteRichiedeSchema(i)) richiedono.insert(i);
    EXPECT_EQ(richiedono, (std::set<int>{3, 4, 5, 6, 8, 9}));
}

TEST(Sfondo, ImmaginePerLarghezzaDelloSchermo) {
    EXPECT_EQ(immagineSfondo(1024), "Quadrivoa.jpg");
    EXPECT_EQ(immagineSfondo(1280), "Quadrivoa.jpg");
    EXPECT_EQ(immagineSfondo(1299), "Quadrivoa.jpg");
    EXPECT_EQ(immagineSfondo(1300), "Quadrivob.jpg");
    EXPECT_EQ(immagineSfondo(3840), "Quadrivob.jpg");
}

TEST(Sfondo, CentratoNelleDuePosizioni) {
    // Load step: centred in the area, pushed down by half the toolbar.
    EXPECT_EQ(sfondoAlCaricamento(1280, 900, 760, 520, 36), (Posizione{260, 208}));
    // First activation: centred, ten pixels higher, toolbar ignored.
    EXPECT_EQ(sfondoAllAttivazione(1280, 900, 760, 520), (Posizione{260, 180}));
    // A picture bigger than the area goes off both edges alike.
    EXPECT_EQ(sfondoAllAttivazione(700, 500, 760, 520), (Posizione{-30, -20}));
}

TEST(RigaComando, VirgoletteEBlankAttornoSiTolgono) {
    EXPECT_EQ(percorsoRigaComando("/home/anna/prova.trmo"), "/home/anna/prova.trmo");
    EXPECT_EQ(percorsoRigaComando("\"/home/anna/Le mie parole/prova.trmo\""), "/home/anna/Le mie parole/prova.trmo");
    EXPECT_EQ(percorsoRigaComando("  \"a b.trmo\"  "), "a b.trmo");
    // Only one surrounding pair goes; quotes inside the path, or on one side only, stay.
    EXPECT_EQ(percorsoRigaComando("\"\"x\"\""), "\"x\"");
    EXPECT_EQ(percorsoRigaComando("\"aperta.trmo"), "\"aperta.trmo");
    EXPECT_EQ(percorsoRigaComando("\""), "\"");
    EXPECT_EQ(percorsoRigaComando("\"\""), "");
    EXPECT_EQ(percorsoRigaComando(""), "");
}

TEST(RigaComando, MessaggioConIlPercorsoQuandoManca) {
    EXPECT_EQ(messaggioRigaComando(EsitoApertura::ok, "/a.trmo"), "");
    EXPECT_EQ(messaggioRigaComando(EsitoApertura::inesistente, "/tmp/a b.trmo"),
              "Errore: file inesistente!\r/tmp/a b.trmo\r\rIl programma si avvia senza cruciverba.");
    const std::string illeggibile = messaggioRigaComando(EsitoApertura::illeggibile, "/root/x.trmo");
    EXPECT_NE(illeggibile.find("/root/x.trmo"), std::string::npos);
    EXPECT_EQ(illeggibile.find("/root/x.trmo"), illeggibile.rfind("/root/x.trmo"));  // named once
}

TEST(BarraDiStato, DataEOraConDueCifre) {
    EXPECT_EQ(testoData(6, 12, 2026), "06/12/2026");
    EXPECT_EQ(testoData(31, 1, 999), "31/01/0999");
    EXPECT_EQ(testoOra(9, 5), "09:05");
    EXPECT_EQ(testoOra(23, 59), "23:59");
}

TEST(Menu, VociUnicheESchemaNecessario) {
    std::set<std::string> nomi;
    std::set<std::string> conSchema;
    for (const VoceMenu& v : vociMenu()) {
        EXPECT_TRUE(nomi.insert(v.nome).second) << v.nome;
        if (v.richiedeSchema) conSchema.insert(v.nome);
    }
    EXPECT_EQ(nomi.size(), 25u);
    EXPECT_EQ(conSchema, (std::set<std::string>{"MenuSalva", "MenuSalvaCN", "Meno3", "MenuAnteprima", "MenuStampa"}));
}

TEST(Menu, ImmaginiDelleVoci) {
    std::map<std::string, int> immagini;
    for (const VoceMenu& v : vociMenu())
        if (v.immagine) immagini[v.nome] = v.immagine;
    EXPECT_EQ(immagini, (std::map<std::string, int>{{"MenuApri", 1}, {"MenuSalva", 2}, {"MenuAnteprima", 4},
                                                    {"MenuStampa", 3}, {"MenuCS", 7}, {"MenuAzzera", 6},
                                                    {"MenuFont", 8}}));
}

TEST(Menu, SegniIniziali) {
    std::set<std::string> segnate;
    for (const VoceMenu& v : vociMenu())
        if (v.segnata) segnate.insert(v.nome);
    EXPECT_EQ(segnate, (std::set<std::string>{"Menurett", "MenuL1"}));
}

TEST(Toolbar, NovePosizioniConSeparatoreEVuoto) {
    const auto& p = pulsantiToolbar();
    ASSERT_EQ(p.size(), 9u);
    for (size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i].posizione, static_cast<int>(i) + 1);
    EXPECT_STREQ(p[1].chiave, "");
    EXPECT_STREQ(p[6].chiave, "");
    std::set<int> immagini;
    for (const PulsanteToolbar& b : p)
        if (*b.chiave) immagini.insert(b.immagine);
    // Image 5 is the only one of the eight the toolbar does not use.
    EXPECT_EQ(immagini, (std::set<int>{1, 2, 3, 4, 6, 7, 8}));
    // A button that needs a puzzle is never the open button or a gap.
    for (const PulsanteToolbar& b : p) EXPECT_EQ(pulsanteRichiedeSchema(b.posizione), *b.chiave && b.posizione != 1);
}

}  // namespace
}  // namespace quadrivo
