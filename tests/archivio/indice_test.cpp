// The library's index: files found, changed ones read again, broken ones listed with the reason.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <chrono>
#include <filesystem>

#include "archivio/indice.h"
#include "supporto/schema.h"

namespace quadrivo {
namespace {

using prova::CartellaTemporanea;

const std::vector<std::string> soluzione = {"CASA", "A#LE", "REMO"};

TEST(Indice, FindsPuzzlesInSubfoldersAndRecentFilesOnceEach) {
    CartellaTemporanea t;
    t.scrivi("a.trmo", prova::fileTrmo(soluzione));
    std::filesystem::create_directories(t.percorso("sotto/ancora"));
    t.scrivi("sotto/ancora/b.ipuz", "{}");
    t.scrivi("sotto/nota.txt", "non un cruciverba");
    CartellaTemporanea altrove;
    const std::string recente = altrove.scrivi("r.puz", "x");
    const auto trovati = trovaFile({t.percorso()}, {recente, t.percorso("a.trmo"), altrove.percorso("sparito.trmo")});
    std::vector<std::string> nomi;
    for (const FileTrovato& f : trovati) nomi.push_back(QFileInfo(QString::fromStdString(f.percorso)).fileName().toStdString());
    std::sort(nomi.begin(), nomi.end());
    EXPECT_EQ(nomi, (std::vector<std::string>{"a.trmo", "b.ipuz", "r.puz"}));
}

TEST(Indice, AReadPuzzleGivesItsRowAndABrokenOneItsReason) {
    const FileTrovato f{"/c/uno.trmo", 100, 5};
    const SchemaIndicizzato x = schemaDa(f, prova::fileTrmo(soluzione, {"CA..", "A#..", "...."}), nullptr);
    EXPECT_EQ(x.colonne, 4);
    EXPECT_EQ(x.miniatura, "aa..a#......");
    EXPECT_EQ(x.riassunto.piene, 3);
    EXPECT_FALSE(x.riassunto.risolto);
    EXPECT_EQ(x.impronta, improntaSoluzione(prova::cruciverbaDa(soluzione)));
    // A file that does not open is listed with the reason.
    const SchemaIndicizzato rotto = schemaDa({"/c/rotto.ipuz", 3, 5}, "{ non è json", nullptr);
    EXPECT_FALSE(rotto.errore.empty());
    EXPECT_EQ(rotto.titolo, "rotto");
    EXPECT_EQ(rotto.formato, "ipuz");
}

TEST(Indice, LaterPassesReadOnlyWhatChanged) {
    CartellaTemporanea dati, cartella;
    Registro r(dati.percorso());
    const std::string uno = cartella.scrivi("uno.trmo", prova::fileTrmo(soluzione));
    const std::string due = cartella.scrivi("due.trmo", prova::fileTrmo(soluzione));
    cartella.scrivi("rotto.jpz", "<niente");
    EsitoIndice e = indicizza(r, {cartella.percorso()}, {});
    EXPECT_EQ(e.letti, 3);
    EXPECT_EQ(e.errori, 1);
    ASSERT_EQ(r.schemi().size(), 3u);

    e = indicizza(r, {cartella.percorso()}, {});
    EXPECT_EQ(e.letti, 0);

    // New bytes: read again. The same bytes with a new time: only the time is taken.
    cartella.scrivi("uno.trmo", prova::fileTrmo(soluzione, soluzione));
    for (const std::string& f : {uno, due})
        std::filesystem::last_write_time(f, std::filesystem::last_write_time(f) + std::chrono::seconds(10));
    std::filesystem::remove(cartella.percorso("rotto.jpz"));
    e = indicizza(r, {cartella.percorso()}, {});
    EXPECT_EQ(e.letti, 2);
    EXPECT_EQ(e.spariti, 1);
    const auto schemi = r.schemi();
    ASSERT_EQ(schemi.size(), 2u);
    EXPECT_EQ(schemi[0].percorso, due);
    EXPECT_EQ(schemi[0].modificato, QFileInfo(QString::fromStdString(due)).lastModified().toMSecsSinceEpoch());
    EXPECT_TRUE(schemi[1].riassunto.risolto);
}

}  // namespace
}  // namespace quadrivo
