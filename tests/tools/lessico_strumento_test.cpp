// `lessico crea` on inputs that are no word lists, and on a target it cannot write.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "strumento.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {
struct Esito {
    int codice;
    std::string err;
};
Esito lessico(const std::vector<std::string>& a) {
    std::ostringstream out, err;
    const int c = eseguiLessico(a, out, err);
    return {c, err.str()};
}
}  // namespace

TEST(LessicoCrea, FoldersDevicesAndMissingListsAreRefusedLeavingNoFile) {
    CartellaTemporanea t;
    const std::string buona = t.scrivi("parole.txt", "casa\nmela\n");
    const std::string uscita = t.percorso("Prova.dat");
    const std::pair<std::string, std::string> casi[] = {
        {t.percorso(), "non è un file di parole leggibile"},
        {"/dev/zero", "non è un file di parole leggibile"},
        {t.percorso("manca.txt"), "lista di parole non trovata"},
    };
    for (const auto& [lista, motivo] : casi) {
        const Esito e = lessico({"crea", "Italiano", uscita, buona, lista});
        EXPECT_EQ(e.codice, 1) << lista;
        EXPECT_NE(e.err.find(motivo), std::string::npos) << e.err;
        EXPECT_FALSE(std::filesystem::exists(uscita));
        EXPECT_FALSE(std::filesystem::exists(uscita + ".parziale"));
    }
    EXPECT_EQ(lessico({"crea", "Italiano", uscita, buona}).codice, 0);
    EXPECT_TRUE(std::filesystem::exists(uscita));
    EXPECT_FALSE(std::filesystem::exists(uscita + ".parziale"));

    // A target in a folder that does not exist: a message, nothing written.
    const Esito e = lessico({"crea", "Italiano", t.percorso("no/Prova.dat"), buona});
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("impossibile scrivere"), std::string::npos);
}
