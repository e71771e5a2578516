// Writes that either finish or change nothing: every step failing in turn, and a disk really full.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/cruciverba.h"
#include "model/file.h"
#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;
using prova::DiscoGuasto;
using prova::Passo;

namespace {

constexpr Passo passi[] = {Passo::apertura, Passo::scrittura, Passo::svuotamento, Passo::conferma};

// Only the files the test put there: no temporary file left behind by a failed write.
long fileNellaCartella(const std::string& cartella) {
    return std::distance(std::filesystem::directory_iterator(cartella), {});
}

Stato schemaCasa() { return prova::statoDaSchema({"CASA", "A#RE"}, {}, {"  1  11-Casa"}); }

}  // namespace

TEST(ScritturaSicura, AnyFailingStepKeepsTheOldBytesAndLeavesNothingBehind) {
    CartellaTemporanea t;
    const std::string f = t.scrivi("f.trmo", "vecchio contenuto");
    for (Passo passo : passi) {
        DiscoGuasto guasto(passo);
        EXPECT_FALSE(scriviFileSicuro(f, std::string(40000, 'n'))) << int(passo);
        EXPECT_EQ(guasto.tentativi, 1);
        EXPECT_EQ(t.leggi("f.trmo"), "vecchio contenuto") << int(passo);
        EXPECT_EQ(fileNellaCartella(t.percorso()), 1) << int(passo);
    }
    // A new file that fails is not created at all.
    DiscoGuasto guasto(Passo::svuotamento);
    EXPECT_FALSE(scriviFileSicuro(t.percorso("nuovo.trmo"), "x"));
    EXPECT_FALSE(std::filesystem::exists(t.percorso("nuovo.trmo")));
}

TEST(ScritturaSicura, PuzzleSaveThatFailsShowsTheMessageAndKeepsFileAndMemory) {
    CartellaTemporanea t;
    const std::string vecchio = prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    const std::string f = t.scrivi("p.trmo", vecchio);
    Stato s = schemaCasa();
    s.impostaInserimento(1, 1, 'C');
    const auto righe = s.righeFile;
    for (Passo passo : passi) {
        DiscoGuasto guasto(passo);
        PiattaformaRegistro p;
        EXPECT_FALSE(scriviCruciverba(s, p, f));
        ASSERT_EQ(p.messaggi.size(), 1u);
        EXPECT_EQ(p.messaggi[0].testo, msgErroreScrittura);
        EXPECT_EQ(t.leggi("p.trmo"), vecchio);
        EXPECT_TRUE(s.righeFile == righe && s.inserimento(1, 1) == 'C');
    }
}

TEST(ScritturaSicura, SettingsThatFailShowTheirMessageAndKeepFileAndValues) {
    CartellaTemporanea t;
    const std::string vecchio = "PercentualeRiquadro= 90 \r\n";
    t.scrivi("tramerio.ini", vecchio);
    Stato s;
    s.cartellaProgramma = t.percorso();
    s.PercentualeRiquadro = 70;
    s.tastoSinistro = true;
    for (Passo passo : passi) {
        DiscoGuasto guasto(passo);
        PiattaformaRegistro p;
        EXPECT_FALSE(salvaImpostazioni(s, p));
        ASSERT_EQ(p.messaggi.size(), 1u);
        EXPECT_EQ(p.messaggi[0].testo, msgErroreImpostazioni);
        EXPECT_EQ(t.leggi("tramerio.ini"), vecchio);
        EXPECT_TRUE(s.PercentualeRiquadro == 70 && s.tastoSinistro);
    }
    PiattaformaRegistro p;
    EXPECT_TRUE(salvaImpostazioni(s, p));
    EXPECT_NE(t.leggi("tramerio.ini").find("PercentualeRiquadro= 70 "), std::string::npos);
}

namespace {

// A 64 KiB tmpfs for the length of a test, unmounted whatever happens.
class DiscoPiccolo {
public:
    DiscoPiccolo() {
        char modello[] = "/tmp/qdv_pieno_XXXXXX";
        if (!::mkdtemp(modello)) {
            motivo = std::string("mkdtemp: ") + std::strerror(errno);
            return;
        }
        cartella = modello;
        if (::geteuid() != 0) {
            motivo = "mounting a tmpfs needs root";
        } else if (::mount("tmpfs", modello, "tmpfs", 0, "size=64k") != 0) {
            motivo = std::string("mount tmpfs not allowed here: ") + std::strerror(errno);
        } else {
            montato = true;
        }
    }
    ~DiscoPiccolo() {
        if (montato) ::umount2(cartella.c_str(), MNT_DETACH);
        if (!cartella.empty()) ::rmdir(cartella.c_str());
    }
    // Fills the disk up to the last byte.
    void riempi() const {
        std::ofstream f(cartella + "/zavorra", std::ios::binary);
        const std::string blocco(4096, 'z');
        while (f.write(blocco.data(), static_cast<std::streamsize>(blocco.size())) && f.flush()) {
        }
        std::ofstream g(cartella + "/briciole", std::ios::binary);
        while (g.put('z') && g.flush()) {
        }
    }
    std::string cartella;
    std::string motivo;
    bool montato = false;
};

}  // namespace

TEST(DiscoPieno, SavingOntoAFullTmpfsKeepsTheOldFile) {
    DiscoPiccolo disco;
    if (!disco.montato) {
        std::printf("skipped: %s\n", disco.motivo.c_str());
        GTEST_SKIP() << disco.motivo;
    }
    std::string vecchio = prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    while (vecchio.size() < 5000) vecchio += rigaDefinizione(1, 1, 2, std::string(60, 'x')) + "\r\n";
    const std::string f = disco.cartella + "/schema.trmo";
    ASSERT_TRUE(scriviFileSicuro(f, vecchio));
    disco.riempi();

    Stato s = schemaCasa();
    s.impostaInserimento(1, 1, 'C');
    PiattaformaRegistro p;
    EXPECT_FALSE(scriviCruciverba(s, p, f));
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].testo, msgErroreScrittura);
    EXPECT_EQ(leggiFile(f), std::optional<std::string>(vecchio));
    EXPECT_EQ(fileNellaCartella(disco.cartella), 3);  // the puzzle and the ballast only
}
