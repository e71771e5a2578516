#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/apertura_schema.h"
#include "mainwindow/apertura.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

// Header lines as the preview reads them, the size field starting at character 14.
std::string intestazione(const std::string& dimensioni, const std::string& autore = "Mario Rossi") {
    return "Autore:      " + autore + "\r\nData:         01-02-2013\r\nTitolo:       Prova\r\nDimensioni:  " +
           dimensioni + "\r\n";
}

// A grid file whose rows are written as given (two characters per cell, raw).
std::string grezzo(const std::string& dimensioni, const std::vector<std::string>& righe) {
    std::string s = intestazione(dimensioni);
    for (const std::string& r : righe) s += r + "\r\n";
    return s;
}

// A row of `n` empty white cells (solution 'A' stored as 'A' + 26).
std::string vuota(int n) {
    std::string r;
    for (int i = 0; i < n; ++i) r += std::string(1, static_cast<char>('A' + 26)) + ".";
    return r;
}

struct Anteprime : ::testing::Test {
    CartellaTemporanea dir;
    SuperficieRegistro sup{344, 253};
    PiattaformaRegistro piattaforma;
    Stato stato;

    Anteprime() {
        stato.AltezzaCaratteri = 60;
        stato.PercentualeRiquadro = 80;
        stato.DistanzaDaCentro = 5;
    }

    Anteprima mostra(const std::string& dati, const std::string& nome = "p.trmo") {
        dir.scrivi(nome, dati);
        return disegnaAnteprima(stato, sup, piattaforma, dir.percorso(), nome);
    }

    std::vector<Operazione> di(Operazione::Tipo t) const {
        std::vector<Operazione> v;
        for (const Operazione& o : sup.operazioni)
            if (o.tipo == t) v.push_back(o);
        return v;
    }

    std::vector<std::string> messaggi() const {
        std::vector<std::string> v;
        for (const auto& m : piattaforma.messaggi) v.push_back(m.testo);
        return v;
    }
};

TEST_F(Anteprime, GrigliaCentrataConLatoAdattato) {
    std::vector<std::string> righe(10, vuota(13));
    const Anteprima a = mostra(grezzo("13x10", righe));
    ASSERT_TRUE(a.riuscita);
    EXPECT_EQ(a.lato, 24);
    EXPECT_EQ(a.x0, 16);
    EXPECT_EQ(a.y0, 6);
    const auto celle = di(Operazione::rettangolo);
    ASSERT_EQ(celle.size(), 130u);
    EXPECT_EQ(celle.front().x1, 16);
    EXPECT_EQ(celle.front().y1, 6);
    EXPECT_EQ(celle.front().x2, 40);
    EXPECT_EQ(celle.front().y2, 30);
    EXPECT_EQ(celle.back().x1, 12 * 24 + 16);
    EXPECT_EQ(celle.back().y1, 9 * 24 + 6);
    EXPECT_TRUE(piattaforma.messaggi.empty());
    EXPECT_EQ(sup.operazioni.front().tipo, Operazione::pulisci);
}

TEST_F(Anteprime, MezziArrotondatiAlPari) {
    sup = SuperficieRegistro(55, 1000);  // (55 - 10) / 2 = 22.5
    EXPECT_EQ(mostra(grezzo(" 2x 1", {vuota(2)})).lato, 22);
    sup = SuperficieRegistro(57, 1000);  // 23.5
    EXPECT_EQ(mostra(grezzo(" 2x 1", {vuota(2)})).lato, 24);
}

TEST_F(Anteprime, LettereInArialCentrateNellaCasella) {
    std::string riga = vuota(13);
    riga[1] = 'A';
    std::vector<std::string> righe(10, vuota(13));
    righe[0] = riga;
    ASSERT_TRUE(mostra(grezzo("13x10", righe)).riuscita);
    const auto scritte = di(Operazione::scritta);
    ASSERT_EQ(scritte.size(), 1u);
    const Operazione& a = scritte[0];
    EXPECT_EQ(a.testo, "A");
    EXPECT_EQ(a.carattere.nome, "Arial");
    EXPECT_EQ(a.carattere.dimensione, 14);  // 24 / 100 * 60 = 14.4
    // Width 8.4 and height 21 halve to 4 and 10 (10.5 goes to the even side); centre (28, 18).
    EXPECT_DOUBLE_EQ(a.x1, 24);
    EXPECT_DOUBLE_EQ(a.y1, 8 + 24 / 100.0 * 5);
}

TEST_F(Anteprime, CarattereMaiSottoCinquePunti) {
    stato.AltezzaCaratteri = 18;  // 24 / 100 * 18 = 4.32
    std::string riga = vuota(13);
    riga[1] = 'Z';
    std::vector<std::string> righe(10, vuota(13));
    righe[3] = riga;
    ASSERT_TRUE(mostra(grezzo("13x10", righe)).riuscita);
    ASSERT_EQ(di(Operazione::scritta).size(), 1u);
    EXPECT_EQ(di(Operazione::scritta)[0].carattere.dimensione, 5);
}

TEST_F(Anteprime, RientroDelleCaselleNere) {
    std::string riga = vuota(13);
    riga[0] = static_cast<char>('*' + 26);
    riga[1] = '*';
    std::vector<std::string> righe(10, vuota(13));
    righe[0] = riga;
    const std::string dati = grezzo("13x10", righe);

    mostra(dati);  // 80: margin 10, inset 24 / 10
    auto nere = di(Operazione::rettangoloPieno);
    ASSERT_EQ(nere.size(), 1u);
    EXPECT_DOUBLE_EQ(nere[0].x1, 16 + 2.4);
    EXPECT_DOUBLE_EQ(nere[0].y2, 6 + 24 - 2.4);
    EXPECT_EQ(nere[0].colore, nero);

    for (int percentuale : {100, 99}) {  // margins 0 and 0.5 both give an inset of one pixel
        sup.operazioni.clear();
        stato.PercentualeRiquadro = static_cast<std::int16_t>(percentuale);
        mostra(dati);
        nere = di(Operazione::rettangoloPieno);
        ASSERT_EQ(nere.size(), 1u);
        EXPECT_DOUBLE_EQ(nere[0].x1, 17) << percentuale;
        EXPECT_DOUBLE_EQ(nere[0].x2, 39) << percentuale;
    }
}

TEST_F(Anteprime, SoloIlSecondoCarattereDiOgniCoppiaConta) {
    // Odd positions hold anything; a trailing odd character is ignored; the line's own length
    // decides how many cells are drawn, whatever the header says.
    std::string lunga = std::string("a.b.") + vuota(11) + "x";  // 27 characters: 13 cells
    std::vector<std::string> righe(10, vuota(13));
    righe[0] = lunga;
    righe[1] = vuota(15);  // two cells beyond the centred grid
    ASSERT_TRUE(mostra(grezzo("13x10", righe)).riuscita);
    EXPECT_TRUE(piattaforma.messaggi.empty());
    EXPECT_EQ(di(Operazione::rettangolo).size(), 132u);
}

TEST_F(Anteprime, TestiDiEtichettaEBarraDiStato) {
    std::string dati = "Autore:      Niccol\xF2 Rossi\r\nData:         01-02-2013\r\nTitolo:       Estate\r\n"
                       "Dimensioni:   2x 1\r\n" +
                       vuota(2) + "\r\n";
    const Anteprima a = mostra(dati);
    ASSERT_TRUE(a.riuscita);
    EXPECT_EQ(a.datiAutore, " Niccolò Rossi -  01-02-2013 -  Estate");
    EXPECT_EQ(a.etichetta, "Anteprima:  2x 1");
}

TEST_F(Anteprime, OgniFileMalformatoHaIlSuoMessaggio) {
    struct Caso {
        const char* nome;
        std::string dati;
        const char* messaggio;
    };
    const std::vector<Caso> casi = {
        {"zero colonne", grezzo(" 0x 1", {vuota(2)}), msgFormatoAnteprima},
        {"zero righe", grezzo(" 2x 0", {vuota(2)}), msgFormatoAnteprima},
        {"nessun numero", grezzo("abcde", {vuota(2)}), msgFormatoAnteprima},
        {"righe negative", grezzo(" 2x-1", {vuota(2)}), msgFormatoAnteprima},
        {"oltre il buffer", grezzo(" 2x21", std::vector<std::string>(21, vuota(2))), msgFormatoAnteprima},
        {"colonne fuori scala", grezzo("99999x 1", {vuota(2)}), msgFormatoAnteprima},
        {"intestazione monca", "Autore:      X\r\nData:\r\n", msgFormatoAnteprima},
        {"file vuoto", "", msgFormatoAnteprima},
        {"righe mancanti", grezzo(" 2x 3", {vuota(2), vuota(2)}), msgFormatoAnteprima},
        {"celle oltre la scala", grezzo(" 1x 1", {vuota(3000)}), msgFormatoAnteprima},
        {"minuscola", grezzo(" 2x 1", {"[a[."}), msgTipoAnteprima},
        {"spazio", grezzo(" 2x 1", {"[.[ "}), msgTipoAnteprima},
        {"cifra", grezzo(" 2x 1", {"[1[."}), msgTipoAnteprima},
    };
    for (const Caso& c : casi) {
        sup.operazioni.clear();
        piattaforma.messaggi.clear();
        const Anteprima a = mostra(c.dati);
        EXPECT_FALSE(a.riuscita) << c.nome;
        ASSERT_EQ(messaggi(), std::vector<std::string>{c.messaggio}) << c.nome;
        EXPECT_EQ(piattaforma.messaggi[0].titolo, "") << c.nome;
        EXPECT_EQ(piattaforma.messaggi[0].pulsanti, Pulsanti::ok) << c.nome;
        EXPECT_EQ(piattaforma.messaggi[0].icona, Icona::nessuna) << c.nome;
        // Whatever was drawn before the fault is wiped.
        EXPECT_EQ(sup.operazioni.back().tipo, Operazione::pulisci) << c.nome;
    }
}

TEST_F(Anteprime, NessunFileDaMostrare) {
    for (const std::string nome : {"", "manca.trmo"}) {
        piattaforma.messaggi.clear();
        sup.operazioni.clear();
        EXPECT_FALSE(disegnaAnteprima(stato, sup, piattaforma, dir.percorso(), nome).riuscita);
        EXPECT_EQ(messaggi(), std::vector<std::string>{msgNessunFile});
        ASSERT_EQ(sup.operazioni.size(), 1u);
        EXPECT_EQ(sup.operazioni[0].tipo, Operazione::pulisci);
    }
    std::filesystem::create_directory(dir.percorso("cartella.trmo"));
    piattaforma.messaggi.clear();
    disegnaAnteprima(stato, sup, piattaforma, dir.percorso(), "cartella.trmo");
    EXPECT_EQ(messaggi(), std::vector<std::string>{msgNessunFile});
}

TEST_F(Anteprime, NonToccaLoSchemaAperto) {
    stato.nColonne = 5;
    stato.righeFile[0] = "aperto";
    mostra(grezzo("13x10", std::vector<std::string>(10, vuota(13))));
    EXPECT_EQ(stato.nColonne, 5);
    EXPECT_EQ(stato.righeFile[0], "aperto");
}

TEST_F(Anteprime, UnFileEnormeVieneLettoSoloInTesta) {
    std::string dati = grezzo(" 2x 1", {vuota(2)}) + std::string(3 << 20, 'x');
    EXPECT_TRUE(mostra(dati).riuscita);
}

TEST(CartellaIniziale, ScendeInArchivioCruciverbaSeEsiste) {
    CartellaTemporanea dir;
    const std::string base = dir.percorso().substr(0, dir.percorso().size() - 1);
    EXPECT_EQ(cartellaIniziale(base), base);  // no subfolder: stays

    std::filesystem::create_directory(dir.percorso("archivio cruciverba"));  // other case does not count
    EXPECT_EQ(cartellaIniziale(base), base);

    std::filesystem::create_directory(dir.percorso("Archivio cruciverba"));
    const std::string sotto = dir.percorso("Archivio cruciverba");
    EXPECT_EQ(cartellaIniziale(base), sotto);

    // Already inside one: stays, even when it has a subfolder of the same name.
    std::filesystem::create_directory(sotto + "/Archivio cruciverba");
    EXPECT_EQ(cartellaIniziale(sotto), sotto);
    // The match is case-sensitive: a lower-case path still moves down.
    const std::string minuscolo = dir.percorso("archivio cruciverba");
    std::filesystem::create_directory(minuscolo + "/Archivio cruciverba");
    EXPECT_EQ(cartellaIniziale(minuscolo), minuscolo + "/Archivio cruciverba");
}

TEST(ElencoFile, EstensioniTrmInOgniMaiuscolaOrdinatePerNome) {
    CartellaTemporanea dir;
    for (const char* n : {"b.trmo", "A.TRM", "c.Trmx", "d.txt", "e.trm.bak", "trmo", "f.tr", "Bz.trmo"})
        dir.scrivi(n, "x");
    std::filesystem::create_directory(dir.percorso("g.trmo"));
    std::filesystem::create_symlink(dir.percorso("b.trmo"), dir.percorso("h.trmo"));
    const std::vector<std::string> attesi = {"A.TRM", "b.trmo", "Bz.trmo", "c.Trmx", "e.trm.bak", "h.trmo"};
    EXPECT_EQ(filesCruciverba(dir.percorso()), attesi);
    EXPECT_TRUE(filesCruciverba(dir.percorso("non-esiste")).empty());
}

TEST(ComposizionePercorso, UnaSolaBarraTraCartellaENome) {
    EXPECT_EQ(componiPercorso("/", "a.trmo"), "/a.trmo");
    EXPECT_EQ(componiPercorso("/giochi", "a.trmo"), "/giochi/a.trmo");
    EXPECT_EQ(componiPercorso("/giochi/", "a.trmo"), "/giochi/a.trmo");
    EXPECT_EQ(componiPercorso("/giochi", ""), "/giochi/");
}

struct Apertura : ::testing::Test {
    CartellaTemporanea dir;
    PiattaformaRegistro piattaforma;
    Stato stato;

    Apertura() {
        stato.fileLavoro = dir.percorso("lavoro.tmp");
        stato.nomeFile = "vecchio.trmo";
        stato.fileModificato = true;
        stato.grigliaAttiva = -1;
        piattaforma.ora = 4321;
    }
    void invariato() {
        EXPECT_EQ(stato.nomeFile, "vecchio.trmo");
        EXPECT_TRUE(stato.fileModificato);
        EXPECT_EQ(stato.grigliaAttiva, -1);
        EXPECT_FALSE(std::filesystem::exists(stato.fileLavoro));
    }
};

TEST_F(Apertura, CopiaRigaPerRigaNellaCopiaDiLavoro) {
    dir.scrivi("p.trmo", "uno\ndue\r\ntre\rquattro");
    ASSERT_TRUE(apriSchemaScelto(stato, piattaforma, dir.percorso(), "p.trmo"));
    EXPECT_EQ(dir.leggi("lavoro.tmp"), "uno\r\ndue\r\ntre\r\nquattro\r\n");
    EXPECT_EQ(stato.nomeFile, dir.percorso("p.trmo"));
    EXPECT_FALSE(stato.fileModificato);
    EXPECT_EQ(stato.grigliaAttiva, 1);
    EXPECT_EQ(stato.inizioGioco, 4321);
    EXPECT_TRUE(piattaforma.messaggi.empty());
}

TEST_F(Apertura, NomiCheNonIndicanoUnFileDellaCartella) {
    dir.scrivi("p.trmo", "x\r\n");
    CartellaTemporanea altrove;
    const std::string assoluto = altrove.scrivi("q.trmo", "y\r\n");
    // Empty box, missing file, a pattern that would match, an absolute path elsewhere.
    for (const std::string& nome : {std::string(), std::string("manca.trmo"), std::string("*.trmo"),
                                   std::string("?.trmo"), assoluto}) {
        piattaforma.messaggi.clear();
        EXPECT_FALSE(apriSchemaScelto(stato, piattaforma, dir.percorso(), nome)) << nome;
        ASSERT_EQ(piattaforma.messaggi.size(), 1u) << nome;
        EXPECT_EQ(piattaforma.messaggi[0].testo, msgFileInesistente) << nome;
        invariato();
    }
}

TEST(AnnullaApertura, SoloSenzaSchemaLaGrigliaDiventaInattiva) {
    Stato s;
    s.grigliaAttiva = 1;
    annullaApertura(s);
    EXPECT_EQ(s.grigliaAttiva, -1);
    s.nomeFile = "/a.trmo";
    s.grigliaAttiva = 1;
    annullaApertura(s);
    EXPECT_EQ(s.grigliaAttiva, 1);
}

}  // namespace
