#include <gtest/gtest.h>

#include <string>

#include "formats/libreria_zip.h"
#include "supporto/librerie.h"

using namespace quadrivo;

namespace {

// Taken before any test runs: whatever the program's own libraries bring in at start.
const bool zipAllAvvio = prova::mappata("libzip.so");

struct CasoCarica {
    const char* nome;
    bool caricata;
    std::string perche;
};

TEST(LibreriaZip, CaricaONeDiceIlMotivo) {
    const CasoCarica casi[] = {
        {nomeLibreriaZip, true, ""},
        {"libquadrivo-assente.so.9", false,
         "manca la libreria libquadrivo-assente.so.9, che serve ai file compressi (va installato il pacchetto "
         "libzip4)"},
        // A library that loads but is not libzip.
        {"libz.so.1", false, "la libreria libz.so.1 installata non ha tutte le funzioni che servono ai file compressi"},
    };
    for (const CasoCarica& c : casi) {
        SCOPED_TRACE(c.nome);
        FunzioniZip f;
        std::string perche;
        EXPECT_EQ(caricaFunzioniZip(c.nome, f, perche), c.caricata);
        EXPECT_EQ(perche, c.perche);
        // A failed load leaves no function half set.
        EXPECT_EQ(f.discard != nullptr, c.caricata);
    }
}

// The program's libraries do not bring libzip in: it comes with the first zip read, once.
TEST(LibreriaZip, CaricataUnaVoltaAllaPrimaRichiesta) {
    EXPECT_FALSE(zipAllAvvio);
    std::string perche;
    const FunzioniZip* prima = funzioniZip(perche);
    ASSERT_NE(prima, nullptr);
    EXPECT_EQ(funzioniZip(perche), prima);
    EXPECT_EQ(perche, "");
    EXPECT_TRUE(prova::mappata("libzip.so"));
}

}  // namespace
