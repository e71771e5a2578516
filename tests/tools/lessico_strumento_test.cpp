// `lessico crea` on inputs that are no word lists, and on a target it cannot write.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "strumento.h"
#include "supporto/schema.h"

using namespace quadrivo;
using std::filesystem::exists;

TEST(LessicoCrea, FoldersDevicesAndMissingListsAreRefusedLeavingNoFile) {
    prova::CartellaTemporanea t;
    const std::string buona = t.scrivi("parole.txt", "casa\nmela\n"), uscita = t.percorso("Prova.dat");
    auto crea = [](const std::vector<std::string>& a) {
        std::ostringstream out, err;
        const int codice = eseguiLessico(a, out, err);
        return std::pair(codice, err.str());
    };
    const std::pair<std::string, std::string> casi[] = {
        {t.percorso(), "non è un file di parole leggibile"}, {"/dev/zero", "non è un file di parole leggibile"},
        {t.percorso("manca.txt"), "lista di parole non trovata"}};
    for (const auto& [lista, motivo] : casi) {
        const auto [codice, err] = crea({"crea", "Italiano", uscita, buona, lista});
        EXPECT_EQ(codice, 1) << lista;
        EXPECT_NE(err.find(motivo), std::string::npos) << err;
        EXPECT_FALSE(exists(uscita) || exists(uscita + ".parziale")) << lista;
    }
    EXPECT_EQ(crea({"crea", "Italiano", uscita, buona}).first, 0);
    EXPECT_TRUE(exists(uscita) && !exists(uscita + ".parziale"));
    const auto [codice, err] = crea({"crea", "Italiano", t.percorso("no/Prova.dat"), buona});
    EXPECT_EQ(codice, 1);
    EXPECT_NE(err.find("impossibile scrivere"), std::string::npos);
}
