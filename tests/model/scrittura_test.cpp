// Writes that either finish or change nothing: every step failing in turn, and a disk really full.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "formats/formato.h"
#include "formats/trmo.h"
#include "model/file.h"
#include "model/piattaforma_registro.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;
using prova::DiscoGuasto;
using prova::Passo;

namespace {

// Only the files the test put there: no temporary file left behind by a failed write.
long fileNellaCartella(const std::string& cartella) { return std::distance(std::filesystem::directory_iterator(cartella), {}); }

// The puzzle on disk, and with a letter typed.
const std::string schemaVecchio = prova::fileTrmo({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
Cruciverba schemaCasa() { return prova::cruciverbaDa({"CASA", "A#RE"}, {"C...", ".#.."}, {"  1  11-Casa"}); }

}  // namespace

TEST(ScritturaSicura, AnyFailingStepKeepsTheOldBytesAndLeavesNothingBehind) {
    CartellaTemporanea t;
    const std::string f = t.scrivi("f.trmo", "vecchio contenuto");
    for (Passo passo : {Passo::apertura, Passo::scrittura, Passo::svuotamento, Passo::conferma}) {
        const std::string p = t.scrivi("p.trmo", schemaVecchio);
        SCOPED_TRACE(int(passo));
        DiscoGuasto guasto(passo);
        EXPECT_FALSE(scriviFileSicuro(f, std::string(40000, 'n')));
        EXPECT_EQ(t.leggi("f.trmo"), "vecchio contenuto");
        EXPECT_EQ(fileNellaCartella(t.percorso()), 2L);
        // The puzzle says so once and keeps its file.
        PiattaformaRegistro reg;
        EXPECT_FALSE(scriviCruciverba(schemaCasa(), reg, p));
        ASSERT_EQ(reg.messaggi.size(), 1u);
        EXPECT_EQ(reg.messaggi[0].testo, msgErroreScrittura);
        EXPECT_EQ(t.leggi("p.trmo"), schemaVecchio);
    }
    // A new file that fails is not created at all; once the disk works again the write goes through.
    {
        DiscoGuasto guasto(Passo::svuotamento);
        EXPECT_FALSE(scriviFileSicuro(t.percorso("nuovo.trmo"), "x"));
        EXPECT_FALSE(std::filesystem::exists(t.percorso("nuovo.trmo")));
    }
    EXPECT_TRUE(scriviFileSicuro(t.percorso("nuovo.trmo"), "x"));
}

namespace {

// A 64 KiB tmpfs over a temporary folder for the length of a test, unmounted whatever happens.
struct DiscoPiccolo {
    CartellaTemporanea t;
    bool montato = ::geteuid() == 0 && ::mount("tmpfs", t.percorso().c_str(), "tmpfs", 0, "size=64k") == 0;
    std::string motivo = ::geteuid() != 0 ? "mounting a tmpfs needs root" : std::string("mount tmpfs not allowed here: ") + std::strerror(errno);
    ~DiscoPiccolo() {
        if (montato) ::umount2(t.percorso().c_str(), MNT_DETACH);
    }
};

}  // namespace

TEST(DiscoPieno, SavingOntoAFullTmpfsKeepsTheOldFile) {
    DiscoPiccolo disco;
    if (!disco.montato) GTEST_SKIP() << disco.motivo;
    std::string vecchio = schemaVecchio;
    while (vecchio.size() < 5000) vecchio += rigaDefinizione(1, 1, Direzione::verticale, std::string(60, 'x')) + "\r\n";
    const std::string f = disco.t.percorso("schema.trmo");
    ASSERT_TRUE(scriviFileSicuro(f, vecchio));
    std::ofstream zavorra(disco.t.percorso("zavorra"), std::ios::binary);  // up to the last byte
    while (zavorra.put('z') && zavorra.flush()) {
    }
    PiattaformaRegistro p;
    EXPECT_FALSE(scriviCruciverba(schemaCasa(), p, f));
    // The lack of space is named, with the folder.
    EXPECT_EQ(p.messaggi.size() == 1 ? p.messaggi[0].testo : "", "Spazio esaurito sul disco: impossibile scrivere " + f +
                                                                    " nella cartella " + f.substr(0, f.rfind('/')) + ". Liberare spazio e riprovare.");
    EXPECT_EQ(leggiFile(f), std::optional<std::string>(vecchio));
    EXPECT_EQ(fileNellaCartella(disco.t.percorso()), 2);  // the puzzle and the ballast only
}
