#include <gtest/gtest.h>

#include <QString>
#include <QStringDecoder>

#include <array>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "model/file.h"
#include "model/testo.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

TEST(DividiRighe, CrEndsALineAndLfOnlyWhereThereIsNoCr) {
    using V = std::vector<std::string>;
    const std::pair<const char*, V> casi[] = {
        {"a\r\nb\r\n", {"a", "b"}}, {"a\rb", {"a", "b"}}, {"a\nb", {"a", "b"}}, {"a\r\n\r\nb", {"a", "", "b"}}, {"", {}},
        // with any CR in the text a lone LF is part of its line, wherever it stands
        {"\n\r", {"\n"}}, {"Nido\ndi rondini\r\nfine\n", {"Nido\ndi rondini", "fine\n"}}, {"a\r\r\nb\n\r\n", {"a", "", "b\n"}}};
    for (const auto& [testo, righe] : casi) EXPECT_EQ(dividiRighe(testo), righe) << testo;
}

TEST(Windows1252, RealCodePageNotLatin1) {
    EXPECT_EQ(daWindows1252("citt\xe0 \x93x\x94 \x80"), "città “x” €");
    EXPECT_EQ(aWindows1252("è € 日本 a😀b \u0080"), "\xe8 \x80 ?? a?b ?");
    std::string tutti;
    for (int i = 0; i < 256; ++i) tutti += static_cast<char>(i);
    EXPECT_EQ(aWindows1252(daWindows1252(tutti)), tutti);
}

// Our table against Qt's own converter, byte by byte.
TEST(Windows1252, EveryByteReadsAsQtReadsIt) {
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        QStringDecoder qt("windows-1252");
        EXPECT_EQ(daWindows1252(std::string_view(&c, 1)), QString(qt.decode(QByteArrayView(&c, 1))).toStdString()) << i;
    }
}

TEST(PercorsoAssoluto, RelativeNamesAreTakenFromTheGivenFolder) {
    const std::array<const char*, 3> casi[] = {
        {"./a/../schema.trmo", "/home/gioca/", "/home/gioca/schema.trmo"},
        {"../../../x.trmo", "/home/gioca", "/x.trmo"},  // no step above the root
        {"/tmp//b/./c.trmo", "/home/gioca", "/tmp/b/c.trmo"},
        {"caf\xe9.trmo", "/d\xe8", "/d\xe8/caf\xe9.trmo"}};  // bytes kept as they are
    for (const auto& [nome, cartella, atteso] : casi) EXPECT_EQ(percorsoAssoluto(nome, cartella), atteso) << nome;
}

// A name in Latin-1 bytes is not valid UTF-8: Qt alone can neither list nor open it.
TEST(NomiNonUtf8, ReadWriteAndRemoveByTheirBytesAndAProposedNameKeepsThemUntilEdited) {
    CartellaTemporanea t;
    const std::string nome = t.percorso("caf\xe9.trmo");
    ASSERT_TRUE(scriviFileSicuro(nome, "prima"));
    ASSERT_TRUE(scriviFileSicuro(nome, "dopo"));
    EXPECT_EQ(leggiFile(nome), std::optional<std::string>("dopo"));
    // Nothing left beside it: the stand-in name used while writing is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.percorso()), {}), 1);
    EXPECT_TRUE(cancellaFile(nome));
    EXPECT_FALSE(esisteFile(nome));
    EXPECT_FALSE(scriviFileSicuro(t.percorso("manca\xe9/f\xe9"), "x"));

    const std::string proposto = "/d/caf\xe9.trmo";
    EXPECT_EQ(percorsoDaQt(nomeQt(proposto), proposto), proposto);
    EXPECT_EQ(percorsoDaQt(QString::fromUtf8("/d/caf\u00e9.trmo"), proposto), "/d/caf\xc3\xa9.trmo");
    EXPECT_EQ(percorsoDaQt(QString("/d/altro.trmo"), proposto), "/d/altro.trmo");
}

// The working copy's quick write: private; the same length goes over the old bytes in place,
// another length (or a file not private) is replaced whole.
TEST(ScritturaRapida, SameLengthInPlaceOtherwiseReplaced) {
    CartellaTemporanea t;
    namespace fs = std::filesystem;
    const std::string f = t.percorso("copia.tmp");
    auto inode = [&] { struct stat s {}; return ::stat(f.c_str(), &s) == 0 ? s.st_ino : 0; };
    ASSERT_TRUE(scriviFileRapido(f, "abc"));
    EXPECT_EQ((fs::status(f).permissions() & fs::perms::all), fs::perms::owner_read | fs::perms::owner_write);
    for (const auto& [testo, nelPosto, leggibile] : {std::tuple{"xyz", true, false}, {"xy", false, false}, {"ab", false, true}}) {
        if (leggibile) fs::permissions(f, fs::perms::group_read, fs::perm_options::add);
        const auto prima = inode();
        EXPECT_TRUE(scriviFileRapido(f, testo)) << testo;
        EXPECT_EQ(inode() == prima, nelPosto) << testo;
        EXPECT_EQ(t.leggi(f), testo);
    }
}

// A replaced file keeps its mode whoever writes it (root included).
TEST(ScritturaSicura, AReplacedFileKeepsItsMode) {
    CartellaTemporanea t;
    const auto modo = [](const std::string& f) {
        struct stat st {};
        return ::stat(f.c_str(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
    };
    const bool root = ::geteuid() == 0;
    // The mode before, whether the write goes through.
    const std::pair<int, bool> casi[] = {{0640, true}, {0755, true}, {0444, root}};
    for (const auto& [prima, scritto] : casi) {
        const std::string f = t.scrivi("m" + std::to_string(prima) + ".trmo", "vecchio");
        ASSERT_EQ(::chmod(f.c_str(), static_cast<mode_t>(prima)), 0);
        const EsitoScrittura esito = scriviFileSicuro(f, "nuovo");
        EXPECT_EQ(static_cast<bool>(esito), scritto) << prima;
        EXPECT_EQ(modo(f), prima) << prima;
        EXPECT_EQ(t.leggi(f.substr(f.rfind('/') + 1)), scritto ? "nuovo" : "vecchio") << prima;
        if (!scritto) EXPECT_NE(messaggioScrittura(f, esito, "altro").find("sola lettura"), std::string::npos);
    }
}
