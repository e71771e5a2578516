#include <gtest/gtest.h>

#include <QString>

#include <filesystem>

#include "model/file.h"
#include "model/testo.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

TEST(DividiRighe, CrEndsALineAndLfOnlyWhereThereIsNoCr) {
    using V = std::vector<std::string>;
    for (const char* s : {"a\r\nb\r\n", "a\rb", "a\nb\n", "a\nb"}) EXPECT_EQ(dividiRighe(s), (V{"a", "b"})) << s;
    EXPECT_EQ(dividiRighe("a\r\n\r\nb"), (V{"a", "", "b"}));
    EXPECT_EQ(dividiRighe("\r\n"), (V{""}));
    EXPECT_EQ(dividiRighe("\n\n"), (V{"", ""}));
    EXPECT_EQ(dividiRighe(""), V{});
    // With any CR in the text a lone LF is part of its line, wherever it stands.
    EXPECT_EQ(dividiRighe("\n\r"), (V{"\n"}));
    EXPECT_EQ(dividiRighe("Nido\ndi rondini\r\nfine\n"), (V{"Nido\ndi rondini", "fine\n"}));
    EXPECT_EQ(dividiRighe("a\r\r\nb\n\r\n"), (V{"a", "", "b\n"}));
}

TEST(RigheCrLf, NormalisesLineEndsToCrLf) {
    EXPECT_EQ(righeCrLf("uno\rdue\ntre\r\nquattro\x80"), "uno\r\ndue\ntre\r\nquattro\x80\r\n");
    EXPECT_EQ(righeCrLf("uno\ndue\n"), "uno\r\ndue\r\n");  // no CR at all: LF ends the lines
    EXPECT_EQ(righeCrLf(""), "");
}

TEST(FileTemporaneo, UniqueAndCreated) {
    const std::string a = nomeFileTemporaneo(""), b = nomeFileTemporaneo("");
    EXPECT_NE(a, b);
    EXPECT_TRUE(cancellaFile(a) && cancellaFile(b));  // both exist until removed
}

TEST(TrovaSenzaMaiuscole, PrefersTheExactName) {
    CartellaTemporanea t;
    EXPECT_EQ(trovaSenzaMaiuscole(t.percorso(), "tramerio.ini"), "");
    t.scrivi("Tramerio.INI", "x");
    EXPECT_EQ(trovaSenzaMaiuscole(t.percorso(), "tramerio.ini"), "Tramerio.INI");
    t.scrivi("tramerio.ini", "y");
    EXPECT_EQ(trovaSenzaMaiuscole(t.percorso(), "tramerio.ini"), "tramerio.ini");
}

TEST(Windows1252, RealCodePageNotLatin1) {
    EXPECT_EQ(daWindows1252("\x80"), "€");
    EXPECT_EQ(daWindows1252("citt\xe0 \x93x\x94"), "città “x”");
    EXPECT_EQ(aWindows1252("è €"), "\xe8 \x80");
    EXPECT_EQ(aWindows1252("日本 a😀b"), "?? a?b");
    std::string tutti;
    for (int i = 32; i < 256; ++i)
        if (i != 0x81 && i != 0x8d && i != 0x8f && i != 0x90 && i != 0x9d) tutti += static_cast<char>(i);
    EXPECT_EQ(aWindows1252(daWindows1252(tutti)), tutti);
}

TEST(PercorsoAssoluto, RelativeNamesAreTakenFromTheGivenFolder) {
    EXPECT_EQ(percorsoAssoluto("schema.trmo", "/home/gioca/cruciverba"), "/home/gioca/cruciverba/schema.trmo");
    EXPECT_EQ(percorsoAssoluto("./a/../schema.trmo", "/home/gioca/"), "/home/gioca/schema.trmo");
    EXPECT_EQ(percorsoAssoluto("../../../x.trmo", "/home/gioca"), "/x.trmo");  // no step above the root
    EXPECT_EQ(percorsoAssoluto("/tmp//b/./c.trmo", "/home/gioca"), "/tmp/b/c.trmo");
    EXPECT_EQ(percorsoAssoluto("caf\xe9.trmo", "/d\xe8"), "/d\xe8/caf\xe9.trmo");  // bytes kept as they are
    EXPECT_EQ(percorsoAssoluto("", "/home/gioca"), "");
}

// A name in Latin-1 bytes is not valid UTF-8: Qt alone can neither list nor open it.
TEST(NomiNonUtf8, ReadWriteAndRemoveByTheirBytes) {
    CartellaTemporanea t;
    const std::string nome = t.percorso("caf\xe9.trmo");
    ASSERT_TRUE(scriviFileSicuro(nome, "prima") && esisteFile(nome));
    ASSERT_TRUE(scriviFileSicuro(nome, "dopo"));
    EXPECT_EQ(leggiFile(nome), std::optional<std::string>("dopo"));
    // Nothing left beside it: the stand-in name used while writing is gone.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.percorso()), {}), 1);
    EXPECT_TRUE(cancellaFile(nome) && !esisteFile(nome));
    EXPECT_FALSE(scriviFileSicuro(t.percorso("manca\xe9/f\xe9"), "x"));
}

TEST(NomiNonUtf8, AProposedNameKeepsItsBytesUntilItIsEdited) {
    const std::string proposto = "/d/caf\xe9.trmo";
    EXPECT_EQ(percorsoDaQt(nomeQt(proposto), proposto), proposto);
    EXPECT_EQ(percorsoDaQt(QString::fromUtf8("/d/caf\u00e9.trmo"), proposto), "/d/caf\xc3\xa9.trmo");
    EXPECT_EQ(percorsoDaQt(QString("/d/altro.trmo"), proposto), "/d/altro.trmo");
}
