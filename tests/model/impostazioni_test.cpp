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
    for (auto [testo, sinistro] : {std::pair{"TastoSin= 0 ", false}, {"TastoSin=abc\nTastoSin=0.4\nTastoSin=3x", true},
                                   {"TastoSin=-0.2", true}, {"TastoSin=0.0", false}})
        EXPECT_EQ(conImpostazioni(testo).tastoSinistro, sinistro) << testo;
    EXPECT_NE(testoImpostazioni(conImpostazioni("TastoSin=0.4")).find("\r\nTastoSin=-1 \r\n"), std::string::npos);
    // RettangoloParola: words too; an unreadable value is skipped, an empty one is 0.
    for (auto [testo, rettangolo] : {std::pair{"RettangoloParola=  false  ", false}, {"RettangoloParola=0\nRettangoloParola=True", true},
                                     {"RettangoloParola=0\nRettangoloParola=forse", false},
                                     {"RettangoloParola=0\nRettangoloParola=", false}, {"RettangoloParola= 7 ", true}})
        EXPECT_EQ(conImpostazioni(testo).rettangoloParola, rettangolo) << testo;
    // A blank before "=" hides the key, case matters, the key is found anywhere in the line, the value
    // follows the first "=", halves go to even, values out of range or without digits are skipped.
    for (auto [testo, bordo] : {std::pair{"TastoSin=0 \nSpessoreBordo=3\r\n", 0}, {"TastoSin=0 \nSpessoreBordo=3\n", 3},
                                {"SpessoreBordo =3", 0}, {"xSpessoreBordo=3", 3}, {"spessorebordo=3", 0},
                                {"a=9 SpessoreBordo=3", 9}, {"SpessoreBordo=2.5", 2}, {"SpessoreBordo=3.5", 4},
                                {"SpessoreBordo=5\r\nSpessoreBordo=40000\r\nSpessoreBordo=1e99", 5}, {"SpessoreBordo=x", 0}})
        EXPECT_EQ(conImpostazioni(testo).SpessoreBordo, bordo) << testo;
    // the first key in the fixed order wins on a line holding two
    Stato s = conImpostazioni("AltezzaCaratteri=1 AltezzaNumeri=2");
    EXPECT_EQ(s.AltezzaNumeri * 10 + s.AltezzaCaratteri, 10);
}

TEST(Impostazioni, RewritingWhatWasReadIsByteForByteTheSame) {
    CartellaTemporanea dir;
    dir.scrivi("tramerio.INI", testoUtente);  // found whatever the letter case
    Stato s = dalleCartelle(dir.percorso(), "");
    PiattaformaRegistro p;
    ASSERT_TRUE(salvaImpostazioni(s, p));
    EXPECT_EQ(dir.leggi("tramerio.ini"), testoUtente);
    EXPECT_TRUE(p.messaggi.empty());
}

TEST(ImpostazioniUtente, ThePlayersCopyIsReadFirstAndWrittenFromThenOn) {
    CartellaTemporanea programma, utente;
    Stato s;
    s.cartellaProgramma = programma.percorso();
    s.cartellaUtente = utente.percorso("Quadrivo") + "/";
    leggiImpostazioni(s);  // no file anywhere: everything keeps its start
    EXPECT_EQ(s.PercentualeRiquadro + s.SpessoreBordo + s.AltezzaCaratteri + s.StampaSoluzioni, 0);
    EXPECT_TRUE(s.rettangoloParola && !s.tastoSinistro);
    programma.scrivi("tramerio.ini", "PercentualeRiquadro= 70 \r\n");
    leggiImpostazioni(s);
    EXPECT_EQ(s.PercentualeRiquadro, 70);  // no copy yet: the program folder's file
    std::filesystem::create_directory(utente.percorso("Quadrivo"));
    utente.scrivi("Quadrivo/tramerio.ini", testoUtente);
    leggiImpostazioni(s);
    EXPECT_EQ(s.PercentualeRiquadro, 80);
    PiattaformaRegistro p;
    s.rettangoloParola = true;
    ASSERT_TRUE(salvaImpostazioni(s, p));
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
        Stato s = dalleCartelle(programma + "/", utente + "/.config/Quadrivo/");
        if (s.PercentualeRiquadro != 80) ::_exit(4);
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
    EXPECT_FALSE(dalleCartelle(programma + "/", utente + "/.config/Quadrivo/").tastoSinistro);
}
