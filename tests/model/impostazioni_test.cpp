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
    // RettangoloParola: words too; an unreadable value is skipped, an empty one is 0.
    // A blank before "=" hides the key, case matters, the key is found anywhere in the line, the value
    // follows the first "=", halves go to even, values out of range or without digits are skipped.
    for (auto [testo, sinistro, rettangolo, bordo] : std::initializer_list<std::tuple<const char*, bool, bool, int>>{
             {"TastoSin= 0 ", false, true, 0}, {"TastoSin=abc\nTastoSin=0.4\nTastoSin=3x", true, true, 0},
             {"TastoSin=-0.2", true, true, 0}, {"TastoSin=0.0", false, true, 0}, {"RettangoloParola=  false  ", false, false, 0},
             {"RettangoloParola=0\nRettangoloParola=True", false, true, 0}, {"RettangoloParola=0\nRettangoloParola=forse", false, false, 0},
             {"RettangoloParola=0\nRettangoloParola=", false, false, 0}, {"RettangoloParola= 7 ", false, true, 0},
             {"TastoSin=0 \nSpessoreBordo=3\r\n", false, true, 0}, {"TastoSin=0 \nSpessoreBordo=3\n", false, true, 3},
             {"SpessoreBordo =3", false, true, 0}, {"xSpessoreBordo=3", false, true, 3}, {"spessorebordo=3", false, true, 0},
             {"a=9 SpessoreBordo=3", false, true, 9}, {"SpessoreBordo=2.5", false, true, 2}, {"SpessoreBordo=3.5", false, true, 4},
             {"SpessoreBordo=5\r\nSpessoreBordo=40000\r\nSpessoreBordo=1e99", false, true, 5}, {"SpessoreBordo=x", false, true, 0}}) {
        const Stato s = conImpostazioni(testo);
        EXPECT_EQ(std::tuple(s.tastoSinistro, s.rettangoloParola, int(s.SpessoreBordo)), std::tuple(sinistro, rettangolo, bordo)) << testo;
    }
    // the first key in the fixed order wins on a line holding two
    Stato s = conImpostazioni("AltezzaCaratteri=1 AltezzaNumeri=2");
    EXPECT_EQ(s.AltezzaNumeri * 10 + s.AltezzaCaratteri, 10);
}

TEST(Impostazioni, RewritingWhatWasReadIsByteForByteTheSame) {
    CartellaTemporanea dir;
    dir.scrivi("tramerio.INI", testoUtente);  // found whatever the letter case
    Stato s = dalleCartelle(dir.percorso(), "");
    PiattaformaRegistro p;
    ASSERT_TRUE(salvaImpostazioni(s, p) && p.messaggi.empty());
    EXPECT_EQ(dir.leggi("tramerio.ini"), testoUtente);
}

TEST(ImpostazioniUtente, ThePlayersCopyIsReadFirstAndWrittenFromThenOn) {
    CartellaTemporanea programma, utente;
    Stato s;
    s.cartellaProgramma = programma.percorso();
    s.cartellaUtente = utente.percorso("Quadrivo") + "/";
    leggiImpostazioni(s);  // no file anywhere: everything keeps its start
    EXPECT_TRUE(s.PercentualeRiquadro + s.SpessoreBordo + s.AltezzaCaratteri + s.StampaSoluzioni == 0 && s.rettangoloParola && !s.tastoSinistro);
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
    // The player's copy written, the program folder's untouched.
    EXPECT_EQ(utente.leggi("Quadrivo/tramerio.ini").substr(0, 22) + programma.leggi("tramerio.ini"), "RettangoloParola=-1 \r\nPercentualeRiquadro= 70 \r\n");
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
        // Exit codes: 0 fine, 2 could not give up root, 3 still writable, 5 the save failed or showed a message.
        if (::geteuid() == 0 && (::setgid(giocatore) != 0 || ::setuid(giocatore) != 0)) ::_exit(2);
        if (::access(programma.c_str(), W_OK) == 0) ::_exit(3);
        Stato s = dalleCartelle(programma + "/", utente + "/.config/Quadrivo/");
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
    // The program folder's file untouched; the player's copy is what was read, with the option changed.
    std::string atteso = testoUtente;
    atteso.replace(0, atteso.find("StampaSoluzioni"), "RettangoloParola= 0 \r\nTastoSin= 0 \r\n");
    EXPECT_EQ(radice.leggi("programma/tramerio.ini") + radice.leggi("casa/.config/Quadrivo/tramerio.ini"), testoUtente + atteso);
}
