#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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

namespace {
const char* const testoUtente =
    "RettangoloParola= 0 \r\nTastoSin=-1 \r\nStampaSoluzioni= 0 \r\nPercentualeRiquadro= 90 \r\n"
    "SpessoreBordo= 3 \r\nAltezzaCaratteri= 60 \r\nAltezzaNumeri= 25 \r\nDistanzaDaSpigolo= 5 \r\n"
    "DistanzaDaCentro= 0 \r\n";
}

TEST(ImpostazioniUtente, ThePlayersCopyIsReadFirstAndWrittenFromThenOn) {
    CartellaTemporanea programma, utente;
    programma.scrivi("tramerio.ini", "PercentualeRiquadro= 70 \r\n");
    Stato s;
    s.cartellaProgramma = programma.percorso();
    s.cartellaUtente = utente.percorso("Quadrivo") + "/";
    leggiImpostazioni(s);
    EXPECT_EQ(s.PercentualeRiquadro, 70);  // no copy yet: the program folder's file

    std::filesystem::create_directory(utente.percorso("Quadrivo"));
    utente.scrivi("Quadrivo/tramerio.ini", testoUtente);
    Stato letto;
    letto.cartellaProgramma = s.cartellaProgramma;
    letto.cartellaUtente = s.cartellaUtente;
    leggiImpostazioni(letto);
    EXPECT_EQ(letto.PercentualeRiquadro, 90);
    PiattaformaRegistro p;
    letto.rettangoloParola = true;
    ASSERT_TRUE(salvaImpostazioni(letto, p));
    EXPECT_EQ(utente.leggi("Quadrivo/tramerio.ini").substr(0, 22), "RettangoloParola=-1 \r\n");
    EXPECT_EQ(programma.leggi("tramerio.ini"), "PercentualeRiquadro= 70 \r\n");  // untouched
}

// The program folder is made read-only for a process that cannot write it whatever its mode:
// a child process that gives up root, as an installed copy runs for a player.
TEST(ImpostazioniUtente, AReadOnlyProgramFolderSendsTheOptionsToThePlayersCopy) {
    CartellaTemporanea radice;
    const std::string programma = radice.percorso("programma"), utente = radice.percorso("casa");
    std::filesystem::create_directory(programma);
    std::filesystem::create_directory(utente);
    radice.scrivi("programma/tramerio.ini", testoUtente);
    using std::filesystem::perms;
    std::filesystem::permissions(radice.percorso(), perms::owner_all | perms::group_exec | perms::others_exec);
    std::filesystem::permissions(programma, perms::owner_all | perms::others_read | perms::others_exec);
    std::filesystem::permissions(radice.percorso("programma/tramerio.ini"), perms::owner_read | perms::owner_write | perms::others_read);
    const uid_t giocatore = ::geteuid() == 0 ? 65534 : ::geteuid();  // nobody, when run as root
    if (::geteuid() == 0 && ::chown(utente.c_str(), giocatore, giocatore) != 0) GTEST_SKIP() << "chown refused";
    if (::geteuid() != 0) std::filesystem::permissions(programma, perms::owner_read | perms::owner_exec | perms::others_read | perms::others_exec);

    const pid_t figlio = ::fork();
    ASSERT_GE(figlio, 0);
    if (figlio == 0) {
        // Exit codes: 0 fine, 2 could not give up root, 3 still writable, 4 settings not read,
        // 5 the save failed or showed a message.
        if (::geteuid() == 0 && (::setgid(giocatore) != 0 || ::setuid(giocatore) != 0)) ::_exit(2);
        if (::access(programma.c_str(), W_OK) == 0) ::_exit(3);
        Stato s;
        s.cartellaProgramma = programma + "/";
        s.cartellaUtente = utente + "/.config/Quadrivo/";
        leggiImpostazioni(s);
        if (s.PercentualeRiquadro != 90) ::_exit(4);
        s.tastoSinistro = false;
        PiattaformaRegistro p;
        if (!salvaImpostazioni(s, p) || !p.messaggi.empty()) ::_exit(5);
        ::_exit(0);
    }
    int stato = 0;
    ASSERT_EQ(::waitpid(figlio, &stato, 0), figlio);
    std::filesystem::permissions(programma, perms::owner_all, std::filesystem::perm_options::add);
    ASSERT_TRUE(WIFEXITED(stato));
    if (WEXITSTATUS(stato) == 2) GTEST_SKIP() << "cannot run as an unprivileged user here";
    ASSERT_EQ(WEXITSTATUS(stato), 0);
    EXPECT_EQ(radice.leggi("programma/tramerio.ini"), testoUtente);
    std::string atteso = testoUtente;
    atteso.replace(0, atteso.find("StampaSoluzioni"), "RettangoloParola= 0 \r\nTastoSin= 0 \r\n");
    EXPECT_EQ(radice.leggi("casa/.config/Quadrivo/tramerio.ini"), atteso);

    // Back as the owner: the player's copy is the one read from now on.
    Stato s;
    s.cartellaProgramma = programma + "/";
    s.cartellaUtente = utente + "/.config/Quadrivo/";
    leggiImpostazioni(s);
    EXPECT_FALSE(s.tastoSinistro);
}
