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
}  // namespace

TEST(Impostazioni, WithoutAFileEverythingKeepsItsStart) {
    CartellaTemporanea dir;
    Stato s;
    s.cartellaProgramma = dir.percorso();
    leggiImpostazioni(s);
    EXPECT_EQ(s.PercentualeRiquadro + s.SpessoreBordo + s.AltezzaCaratteri + s.StampaSoluzioni, 0);
    EXPECT_TRUE(s.rettangoloParola);
    EXPECT_FALSE(s.tastoSinistro);
}

TEST(Impostazioni, OptionConversions) {
    EXPECT_FALSE(conImpostazioni("TastoSin= 0 ").tastoSinistro);
    EXPECT_TRUE(conImpostazioni("TastoSin=2").tastoSinistro);
    EXPECT_TRUE(conImpostazioni("TastoSin=abc\nTastoSin=0.4\nTastoSin=3x").tastoSinistro);  // last line wins
    // Not 0 sets the mark before any rounding to a whole number.
    EXPECT_NE(testoImpostazioni(conImpostazioni("TastoSin=0.4")).find("\r\nTastoSin=-1 \r\n"), std::string::npos);
    EXPECT_TRUE(conImpostazioni("TastoSin=-0.2").tastoSinistro);
    EXPECT_FALSE(conImpostazioni("TastoSin=0.0").tastoSinistro);
    // A lone LF in a file that has CR does not end the line: the second key is not seen.
    EXPECT_FALSE(conImpostazioni("TastoSin=0 \nSpessoreBordo=3\r\n").tastoSinistro);
    EXPECT_EQ(conImpostazioni("TastoSin=0 \nSpessoreBordo=3\r\n").SpessoreBordo, 0);
    EXPECT_EQ(conImpostazioni("TastoSin=0 \nSpessoreBordo=3\n").SpessoreBordo, 3);
    EXPECT_FALSE(conImpostazioni("RettangoloParola=False").rettangoloParola);
    EXPECT_FALSE(conImpostazioni("RettangoloParola=  false  ").rettangoloParola);
    EXPECT_TRUE(conImpostazioni("RettangoloParola=0\nRettangoloParola=True").rettangoloParola);
    EXPECT_FALSE(conImpostazioni("RettangoloParola=0\nRettangoloParola=forse").rettangoloParola);  // skipped
    EXPECT_FALSE(conImpostazioni("RettangoloParola=0\nRettangoloParola=").rettangoloParola);
    EXPECT_TRUE(conImpostazioni("RettangoloParola= 7 ").rettangoloParola);
}

TEST(Impostazioni, KeyMatchingRules) {
    EXPECT_EQ(conImpostazioni("SpessoreBordo =3").SpessoreBordo, 0);   // a blank before "=" hides the key
    EXPECT_EQ(conImpostazioni("xSpessoreBordo=3").SpessoreBordo, 3);   // found anywhere in the line
    EXPECT_EQ(conImpostazioni("spessorebordo=3").SpessoreBordo, 0);    // case matters
    EXPECT_EQ(conImpostazioni("a=9 SpessoreBordo=3").SpessoreBordo, 9);  // value after the first "="
    EXPECT_EQ(conImpostazioni("SpessoreBordo=2.5").SpessoreBordo, 2);
    EXPECT_EQ(conImpostazioni("SpessoreBordo=3.5").SpessoreBordo, 4);
    // the first key in the fixed order wins on a line holding two
    Stato s = conImpostazioni("AltezzaCaratteri=1 AltezzaNumeri=2");
    EXPECT_EQ(s.AltezzaNumeri, 1);
    EXPECT_EQ(s.AltezzaCaratteri, 0);
}

TEST(Impostazioni, UnconvertibleValuesAreSkippedSilently) {
    Stato s = conImpostazioni("AltezzaCaratteri=50\r\nAltezzaCaratteri=40000\r\nAltezzaCaratteri=1e99\r\nSpessoreBordo=x\r\n");
    EXPECT_EQ(s.AltezzaCaratteri, 50);
    EXPECT_EQ(s.SpessoreBordo, 0);  // no digits read as 0
}

// Every key holds a value of its own, so a key read into the wrong field shows in the rewrite.
TEST(Impostazioni, RewritingWhatWasReadIsByteForByteTheSame) {
    CartellaTemporanea dir;
    const std::string testo =
        "RettangoloParola= 0 \r\nTastoSin=-1 \r\nStampaSoluzioni= 1 \r\nPercentualeRiquadro= 80 \r\n"
        "SpessoreBordo= 2 \r\nAltezzaCaratteri= 55 \r\nAltezzaNumeri= 20 \r\nDistanzaDaSpigolo= 4 \r\n"
        "DistanzaDaCentro=-10 \r\n";
    dir.scrivi("tramerio.INI", testo);  // found whatever the letter case
    Stato s;
    s.cartellaProgramma = dir.percorso();
    leggiImpostazioni(s);
    PiattaformaRegistro p;
    ASSERT_TRUE(salvaImpostazioni(s, p));
    EXPECT_EQ(dir.leggi("tramerio.ini"), testo);
    EXPECT_TRUE(p.messaggi.empty());
}

TEST(Impostazioni, WriteErrorShowsItsMessage) {
    Stato s;
    s.cartellaProgramma = "/percorso/che/non/esiste/";
    PiattaformaRegistro p;
    EXPECT_FALSE(salvaImpostazioni(s, p));
    ASSERT_EQ(p.messaggi.size(), 1u);
    EXPECT_EQ(p.messaggi[0].testo, msgErroreImpostazioni);
    EXPECT_FALSE(p.terminato);
}
