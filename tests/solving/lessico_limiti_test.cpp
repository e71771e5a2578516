// Dictionary files the program cannot use are refused with a message, never by an abort.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "dizionario_prova.h"
#include "model/piattaforma_registro.h"
#include "solving/lessico.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {

// A file of `byte` bytes that takes no room on disk.
std::string sparso(const CartellaTemporanea& t, const std::string& nome, long long byte) {
    const std::string f = t.scrivi(nome, "");
    std::filesystem::resize_file(f, static_cast<std::uintmax_t>(byte));
    return f;
}

}  // namespace

TEST(LimitiLessico, OnlyOrdinaryFilesUpTo64MegabytesAreUsed) {
    CartellaTemporanea t;
    EXPECT_TRUE(lessicoUtilizzabile(t.scrivi("piccolo.dat", std::string(420, '0'))));
    EXPECT_TRUE(lessicoUtilizzabile(sparso(t, "limite.dat", 64LL << 20)));
    EXPECT_FALSE(lessicoUtilizzabile(sparso(t, "enorme.dat", (64LL << 20) + 1)));
    EXPECT_FALSE(lessicoUtilizzabile(t.percorso("manca.dat")));
    EXPECT_FALSE(lessicoUtilizzabile(t.percorso()));
    EXPECT_FALSE(lessicoUtilizzabile("/dev/zero"));
}

TEST(LimitiLessico, ALanguageWhoseFileCannotBeUsedIsRefusedAndAtStartItEndsTheProgram) {
    CartellaTemporanea t;
    t.scrivi("LessicoItaliano.dat", std::string(420, '0'));
    sparso(t, "LessicoLatino.dat", 100LL << 20);
    t.scrivi("LessicoFrancese.dat", prova::dizionario({{4, {"ROSA"}}}));
    Stato s;
    s.cartellaProgramma = t.percorso();
    PiattaformaRegistro p;
    caricaLessico(s, p);
    for (int lingua : {2, 3}) {  // English missing, Latin too large
        EXPECT_FALSE(scegliLingua(s, p, lingua));
        EXPECT_EQ(std::tuple(s.linguaLessico, s.fileLessico, p.terminato), std::tuple(1, "LessicoItaliano.dat", false));
    }
    ASSERT_EQ(p.messaggi.size(), 2u);
    EXPECT_NE(p.messaggi[0].testo.find("LessicoInglese.dat"), std::string::npos);
    EXPECT_NE(p.messaggi[1].testo.find("LessicoLatino.dat"), std::string::npos);
    EXPECT_NE(p.messaggi[1].testo.find("resta in uso il dizionario LessicoItaliano.dat"), std::string::npos);
    // A language is loaded only when it changes: the one in use is not read again.
    EXPECT_TRUE(scegliLingua(s, p, 4));
    std::filesystem::remove(t.percorso("LessicoFrancese.dat"));
    EXPECT_FALSE(scegliLingua(s, p, 4));
    EXPECT_EQ(std::tuple(s.linguaLessico, s.fileLessico, p.messaggi.size()), std::tuple(4, "LessicoFrancese.dat", 2u));
    // At start there is nothing to fall back on: far more than memory ends the program.
    sparso(t, "LessicoItaliano.dat", 1LL << 40);
    Stato inizio;
    inizio.cartellaProgramma = t.percorso();
    EXPECT_THROW(caricaLessico(inizio, p), ProgrammaTerminato);
    EXPECT_EQ(p.messaggi.back().testo, "Errore fatale! non trovato file di vocabolario: LessicoItaliano.dat");
}
