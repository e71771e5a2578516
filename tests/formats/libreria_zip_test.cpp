#include <gtest/gtest.h>
#include <link.h>

#include <string>

#include "formats/libreria_zip.h"

using namespace quadrivo;

namespace {

// Whether a library whose file name holds `nome` is mapped into this process.
bool mappata(const std::string& nome) {
    struct Cerca {
        const std::string& nome;
        bool trovata = false;
    } cerca{nome};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* dati) {
            auto* c = static_cast<Cerca*>(dati);
            if (info->dlpi_name && std::string(info->dlpi_name).find(c->nome) != std::string::npos) c->trovata = true;
            return 0;
        },
        &cerca);
    return cerca.trovata;
}

// Taken before any test runs: whatever the program's own libraries bring in at start.
const bool zipAllAvvio = mappata("libzip.so");

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
    EXPECT_TRUE(mappata("libzip.so"));
}

}  // namespace
