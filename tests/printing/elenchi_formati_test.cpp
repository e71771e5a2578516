#include <gtest/gtest.h>

#include <algorithm>

#include "model/superficie_registro.h"
#include "printing/elenchi.h"
#include "supporto/schema.h"

using namespace quadrivo;

TEST(ElenchiFormati, TheFilesOtherListsPrintAfterTheDownOneUnderTheirNames) {
    Stato s = prova::statoDaSchema({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    s.cruciverba.elenchi.push_back({nomeDiagonali, {{"7", "Obliqua", {{1, 1}, {2, 2}}, ""}}});
    s.cruciverba.elenchi.push_back({"Vuota", {}});
    SuperficieRegistro sup(1024, 1422);
    stampaDefinizioni(s, sup, ColonneElenchi{0, 900, 20, 1, 0, 0, 1400, 9}, "02-06-2013", [] {});
    const std::vector<std::string> t = sup.testi();
    const auto dove = [&](const std::string& x) { return std::find(t.begin(), t.end(), x) - t.begin(); };
    EXPECT_LT(dove("VERTICALI:"), dove("DIAGONALI:"));
    EXPECT_LT(dove("DIAGONALI:"), dove("7"));
    EXPECT_EQ(dove("VUOTA:"), static_cast<long>(t.size()));  // an empty list prints nothing
}
