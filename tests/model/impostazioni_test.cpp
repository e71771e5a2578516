#include <gtest/gtest.h>

#include <filesystem>

#include "model/impostazioni.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {
Stato conImpostazioni(const std::string& testo) {
    Stato s;
    applicaImpostazioni(s, testo);
    return s;
}
// A whole tramerio.ini as the program writes it, every key with a value of its own.
const char* const testoUtente =
    "RettangoloParola= 0 \r\nTastoSin=-1 \r\nStampaSoluzioni= 1 \r\nPercentualeRiquadro= 80 \r\n"
    "SpessoreBordo= 2 \r\nAltezzaCaratteri= 55 \r\nAltezzaNumeri= 20 \r\nDistanzaDaSpigolo= 4 \r\n"
    "DistanzaDaCentro=-10 \r\n";
// The settings as the program reads them at start from these folders.
Stato dalleCartelle(const std::string& programma, const std::string& utente) {
    Stato s;
    s.cartellaProgramma = programma;
    s.cartellaUtente = utente;
    leggiImpostazioni(s);
    return s;
}
}  // namespace

TEST(Impostazioni, OptionConversionsAndKeyMatching) {
    // TastoSin: not 0 before any rounding; the last line wins; a lone LF in a file with CR ends no line.
    // RettangoloParola: words too; an unreadable value is skipped, an empty one is 0.
    // A blank before "=" hides the key, case matters, the key is found anywhere in the line, the value
    // follows the first "=", halves go to even, values out of range or without digits are skipped.
    for (auto [testo, sinistro, rettangolo, bordo] : std::initializer_list<std::tuple<const char*, bool, bool, int>>{
             {"TastoSin= 0 ", false, true, 0}, {"TastoSin=abc\nTastoSin=0.4\nTastoSin=3x", true, true, 0},
             {"RettangoloParola=  false  ", false, false, 0},
             {"RettangoloParola=0\nRettangoloParola=True", false, true, 0}, {"RettangoloParola=0\nRettangoloParola=forse", false, false, 0},
             {"RettangoloParola=0\nRettangoloParola=", false, false, 0}, {"RettangoloParola= 7 ", false, true, 0},
             {"TastoSin=0 \nSpessoreBordo=3\r\n", false, true, 0}, {"TastoSin=0 \nSpessoreBordo=3\n", false, true, 3},
             {"SpessoreBordo =3", false, true, 0}, {"xSpessoreBordo=3", false, true, 3}, {"spessorebordo=3", false, true, 0},
             {"a=9 SpessoreBordo=3", false, true, 9}, {"SpessoreBordo=2.5", false, true, 2}, {"SpessoreBordo=3.5", false, true, 4},
             {"SpessoreBordo=5\r\nSpessoreBordo=40000\r\nSpessoreBordo=1e99", false, true, 5}}) {
        const Stato s = conImpostazioni(testo);
        EXPECT_EQ(std::tuple(s.tastoSinistro, s.rettangoloParola, int(s.SpessoreBordo)), std::tuple(sinistro, rettangolo, bordo)) << testo;
    }
    // the first key in the fixed order wins on a line holding two
    Stato s = conImpostazioni("AltezzaCaratteri=1 AltezzaNumeri=2");
    EXPECT_EQ(s.AltezzaNumeri * 10 + s.AltezzaCaratteri, 10);
}

// The program folder cannot be written, as for an installed copy: its file is here a folder of
// that name, which not even root can replace. The options go to the player's copy, read first from then on,
// byte for byte what was read but the option changed.
TEST(ImpostazioniUtente, AnUnwritableProgramFolderSendsTheOptionsToThePlayersCopy) {
    CartellaTemporanea programma, utente;
    Stato s = dalleCartelle(programma.percorso(), utente.percorso("Quadrivo") + "/");  // no file anywhere: the shipped values
    EXPECT_EQ(testoImpostazioni(s), testoImpostazioniPredefinite);
    programma.scrivi("tramerio.INI", testoUtente);  // found whatever the letter case
    leggiImpostazioni(s);
    std::filesystem::remove(programma.percorso("tramerio.INI"));
    std::filesystem::create_directory(programma.percorso("tramerio.ini"));
    s.tastoSinistro = false;
    PiattaformaRegistro p;
    ASSERT_TRUE(salvaImpostazioni(s, p) && p.messaggi.empty());
    // What was read from the program folder, with the option changed.
    std::string atteso = testoUtente;
    atteso.replace(0, atteso.find("StampaSoluzioni"), "RettangoloParola= 0 \r\nTastoSin= 0 \r\n");
    EXPECT_EQ(utente.leggi("Quadrivo/tramerio.ini"), atteso);
    // With the copy there, the program folder's file is neither read nor written.
    std::filesystem::remove(programma.percorso("tramerio.ini"));
    programma.scrivi("tramerio.ini", "TastoSin=-1 \r\n");
    leggiImpostazioni(s);
    s.rettangoloParola = true;
    ASSERT_TRUE(salvaImpostazioni(s, p) && !s.tastoSinistro);
    EXPECT_EQ(utente.leggi("Quadrivo/tramerio.ini").substr(0, 22) + programma.leggi("tramerio.ini"), "RettangoloParola=-1 \r\nTastoSin=-1 \r\n");
}
