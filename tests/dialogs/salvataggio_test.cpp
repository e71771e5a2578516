#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/salvataggio.h"
#include "mainwindow/griglia.h"
#include "model/cruciverba.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

TEST(PercorsoSalvataggio, CartellaNomeEdEstensione) {
    EXPECT_EQ(percorsoSalvataggio("/giochi", "prova"), "/giochi/prova.trmo");
    EXPECT_EQ(percorsoSalvataggio("/", "prova"), "/prova.trmo");
    EXPECT_EQ(percorsoSalvataggio("/", "a.trmo"), "/a.trmo");
    EXPECT_EQ(percorsoSalvataggio("/giochi", "/altro/prova"), "/altro/prova.trmo");  // absolute: folder ignored
    EXPECT_EQ(percorsoSalvataggio("/Giochi.2013", "prova"), "/Giochi.2013/prova");  // a "." anywhere is enough
    EXPECT_EQ(percorsoSalvataggio("/giochi", "prova.txt"), "/giochi/prova.txt");
    EXPECT_EQ(percorsoSalvataggio("/giochi", ""), "/giochi/.trmo");
    EXPECT_EQ(percorsoSalvataggio("/giochi", "NUOVOCRU.trmo"), "/giochi/NUOVOCRU.trmo");
}

TEST(RigaAutore, TrediciCaratteriFissiPoiIlNome) {
    EXPECT_EQ(rigaConAutore("Autore:      Bianchi", "Rossi"), "Autore:      Rossi");
    EXPECT_EQ(rigaConAutore("Autore:      ", "Rossi"), "Autore:      Rossi");  // exactly 13
    EXPECT_EQ(rigaConAutore("Autore", "Rossi"), "AutoreRossi");                // shorter: kept whole
    EXPECT_EQ(rigaConAutore("Autore:      X", "Niccolò"), "Autore:      Niccol\xF2");  // stored as Windows-1252
    EXPECT_EQ(autoreDaRiga("Autore:      Niccol\xF2"), "Niccolò");
    EXPECT_EQ(autoreDaRiga("Autore:      "), "");
    EXPECT_EQ(autoreDaRiga(""), "");
}

TEST(Domande, TestiConIlPercorsoInMaiuscolo) {
    EXPECT_EQ(testoSovrascrittura("/giochi/a.trmo"), "Il file /GIOCHI/A.TRMO esiste già; vuoi riscriverlo?");
    EXPECT_EQ(testoChiediSeSalvare("/home/Schemi/prova.trmo"),
              "Il file /HOME/SCHEMI/PROVA.TRMO è cambiato, si desidera salvare");

    Stato s;
    s.nomeFile = "/schemi/è.trmo";
    PiattaformaRegistro p;
    p.risposte = {Risposta::annulla, Risposta::ok};
    EXPECT_FALSE(vuoleSalvare(s, p));
    EXPECT_TRUE(vuoleSalvare(s, p));
    ASSERT_EQ(p.messaggi.size(), 2u);
    EXPECT_EQ(p.messaggi[0].testo, "Il file /SCHEMI/È.TRMO è cambiato, si desidera salvare");
    EXPECT_EQ(p.messaggi[0].titolo, "Modifica del file corrente");
    EXPECT_EQ(p.messaggi[0].pulsanti, Pulsanti::okAnnulla);
}

TEST(NomeProposto, IlFileApertoOppureIlPredefinito) {
    Stato s;
    EXPECT_EQ(nomeProposto(s), "Tesso000.trmo");
    s.nomeFile = "NUOVOCRU.trmo";
    EXPECT_EQ(nomeProposto(s), "NUOVOCRU.trmo");
}

struct Salvataggio : ::testing::Test {
    CartellaTemporanea dir;
    PiattaformaRegistro piattaforma;
    Stato stato;

    Salvataggio() {
        const std::string dati = prova::fileTrmo({"CASA", "A#MI"}, {"CA..", ".#.I"}, {rigaDefinizione(1, 1, 1, "Abitazione")}, "Bianchi");
        leggiCruciverbaDaDati(stato, piattaforma, dati);
        numeraGriglia(stato);
        stato.fileLavoro = dir.percorso("lavoro.tmp");
        stato.nomeFile = "/vecchio.trmo";
    }

    // The puzzle read back from a written file.
    Stato rilettura(const std::string& percorso) {
        Stato s;
        leggiCruciverba(s, piattaforma, percorso);
        return s;
    }
};

TEST_F(Salvataggio, ScriveIlFileELaCopiaDiLavoroConIlNuovoAutore) {
    EXPECT_EQ(salvaConNome(stato, piattaforma, dir.percorso(), "prova", "Rossi"), EsitoSalvataggio::salvato);
    const std::string n = dir.percorso("prova.trmo");
    EXPECT_EQ(stato.nomeFile, n);
    EXPECT_EQ(stato.righeFile[0], "Autore:      Rossi");
    EXPECT_TRUE(piattaforma.messaggi.empty());
    const Stato letto = rilettura(n);
    EXPECT_EQ(letto.righeFile, stato.righeFile);
    EXPECT_EQ(letto.definizione[1][1][1], "Abitazione");
    EXPECT_EQ(prova::inserimenti(letto), (std::vector<std::string>{"CA..", ".#.I"}));
    EXPECT_EQ(dir.leggi("lavoro.tmp"), dir.leggi(n));
    EXPECT_FALSE(stato.fileModificato);  // saving as does not touch it
}

TEST_F(Salvataggio, SovrascritturaConfermata) {
    const std::string n = dir.scrivi("a.trmo", "vecchio");
    EXPECT_EQ(salvaConNome(stato, piattaforma, dir.percorso(), "a.trmo", "Rossi"), EsitoSalvataggio::salvato);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo, testoSovrascrittura(n));
    EXPECT_EQ(piattaforma.messaggi[0].titolo, "Salvataggio file");
    EXPECT_EQ(piattaforma.messaggi[0].pulsanti, Pulsanti::okAnnulla);
    EXPECT_EQ(rilettura(n).righeFile[0], "Autore:      Rossi");
}

TEST_F(Salvataggio, AnnullaAllaDomandaScriveSoloLaCopiaDiLavoro) {
    dir.scrivi("a.trmo", "vecchio");
    piattaforma.risposte = {Risposta::annulla};
    const auto riga1 = stato.righeFile[0];
    EXPECT_EQ(salvaConNome(stato, piattaforma, dir.percorso(), "a.trmo", "Rossi"), EsitoSalvataggio::rinunciato);
    EXPECT_EQ(dir.leggi("a.trmo"), "vecchio");
    EXPECT_EQ(stato.nomeFile, "/vecchio.trmo");
    EXPECT_EQ(stato.righeFile[0], riga1);
    EXPECT_EQ(rilettura(stato.fileLavoro).righeFile[0], riga1);
}

TEST_F(Salvataggio, UnErroreSiMostraUnaVoltaEPermetteDiRiprovare) {
    const std::string cartella = dir.percorso("manca");
    const auto riga1 = stato.righeFile[0];
    EXPECT_EQ(salvaConNome(stato, piattaforma, cartella, "prova", "Rossi"), EsitoSalvataggio::errore);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo, "Errore di nome file o accesso al disco!");
    EXPECT_EQ(piattaforma.messaggi[0].pulsanti, Pulsanti::ok);
    EXPECT_EQ(stato.nomeFile, "/vecchio.trmo");
    EXPECT_EQ(stato.righeFile[0], riga1);
    EXPECT_FALSE(std::filesystem::exists(stato.fileLavoro));

    // The cause goes away: the same OK now saves.
    std::filesystem::create_directory(cartella);
    EXPECT_EQ(salvaConNome(stato, piattaforma, cartella, "prova", "Rossi"), EsitoSalvataggio::salvato);
    EXPECT_EQ(stato.nomeFile, cartella + "/prova.trmo");
}

TEST_F(Salvataggio, CopiaDiLavoroNonScrivibileDopoIlSalvataggio) {
    stato.fileLavoro = dir.percorso("manca/lavoro.tmp");
    EXPECT_EQ(salvaConNome(stato, piattaforma, dir.percorso(), "prova", "Rossi"), EsitoSalvataggio::salvato);
    EXPECT_EQ(stato.nomeFile, dir.percorso("prova.trmo"));
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo, msgErroreDisco);
}

}  // namespace
