#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <filesystem>

#include "model/impostazioni.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;
using prova::CartellaTemporanea;

namespace {
ValoriImpostazioni conImpostazioni(const std::string& testo) {
    ValoriImpostazioni s;
    applicaImpostazioni(s, testo);
    return s;
}
// A whole tramerio.ini as the program writes it, every key with a value of its own.
const char* const testoUtente =
    "RettangoloParola= 0 \r\nTastoSin=-1 \r\nStampaSoluzioni= 1 \r\nPercentualeRiquadro= 80 \r\n"
    "SpessoreBordo= 2 \r\nAltezzaCaratteri= 55 \r\nAltezzaNumeri= 20 \r\nDistanzaDaSpigolo= 4 \r\n"
    "DistanzaDaCentro=-10 \r\n";
}  // namespace

TEST(Impostazioni, OptionConversionsAndKeyMatching) {
    // TastoSin: not 0 before any rounding; the last line wins; a lone LF in a file with CR ends no line.
    // RettangoloParola: words too, an empty value is 0; an unreadable value is skipped.
    // A blank before "=" hides the key, the key is found anywhere in the line, the value follows
    // the first "=", values out of range or without digits are skipped.
    for (auto [testo, sinistro, rettangolo, bordo] : std::initializer_list<std::tuple<const char*, bool, bool, int>>{
             {"TastoSin= 0 ", false, true, 0}, {"TastoSin=abc\nTastoSin=0.4\nTastoSin=3x", true, true, 0},
             {"RettangoloParola=0\nRettangoloParola=True", false, true, 0}, {"RettangoloParola=0\nRettangoloParola=", false, false, 0},
             {"TastoSin=0 \nSpessoreBordo=3\r\n", false, true, 0}, {"SpessoreBordo =3", false, true, 0},
             {"a=9 SpessoreBordo=3", false, true, 9}, {"SpessoreBordo=5\r\nSpessoreBordo=40000\r\nSpessoreBordo=1e99", false, true, 5}}) {
        const ValoriImpostazioni s = conImpostazioni(testo);
        EXPECT_EQ(std::tuple(s.tastoSinistro, s.rettangoloParola, int(s.SpessoreBordo)), std::tuple(sinistro, rettangolo, bordo)) << testo;
    }
    // the first key in the fixed order wins on a line holding two
    ValoriImpostazioni s = conImpostazioni("AltezzaCaratteri=1 AltezzaNumeri=2");
    EXPECT_EQ(s.AltezzaNumeri * 10 + s.AltezzaCaratteri, 10);
}

// An unwritable program folder (its file a folder, which not even root can replace): the options
// go to the player's copy, byte for byte what was read but the option changed, read first from then on.
TEST(ImpostazioniUtente, AnUnwritableProgramFolderSendsTheOptionsToThePlayersCopy) {
    CartellaTemporanea programma, utente;
    const Cartelle cartelle{programma.percorso(), utente.percorso("Quadrivo") + "/"};
    ValoriImpostazioni s;
    programma.scrivi("tramerio.INI", testoUtente);  // found whatever the letter case
    leggiImpostazioni(s, cartelle);
    std::filesystem::remove(programma.percorso("tramerio.INI"));
    std::filesystem::create_directory(programma.percorso("tramerio.ini"));
    s.tastoSinistro = false;
    ASSERT_TRUE(scriviImpostazioni(s, cartelle));
    // What was read from the program folder, with the option changed.
    std::string atteso = testoUtente;
    atteso.replace(0, atteso.find("StampaSoluzioni"), "RettangoloParola= 0 \r\nTastoSin= 0 \r\n");
    EXPECT_EQ(utente.leggi("Quadrivo/tramerio.ini"), atteso);
    // With the copy there, the program folder's file is neither read nor written.
    std::filesystem::remove(programma.percorso("tramerio.ini"));
    programma.scrivi("tramerio.ini", "TastoSin=-1 \r\n");
    leggiImpostazioni(s, cartelle);
    s.rettangoloParola = true;
    ASSERT_TRUE(scriviImpostazioni(s, cartelle));
    EXPECT_FALSE(s.tastoSinistro);
    EXPECT_EQ(utente.leggi("Quadrivo/tramerio.ini").substr(0, 22), "RettangoloParola=-1 \r\n");
    EXPECT_EQ(programma.leggi("tramerio.ini"), "TastoSin=-1 \r\n");
}

namespace {
const std::string nonScritte =
    "Impossibile scrivere le opzioni (tramerio.ini): restano in memoria e si riprova alla prossima modifica e all'uscita.";
const std::string diNuovoScritte = "Le opzioni sono di nuovo scritte.";

// The settings object on a program folder holding the player's tramerio.ini, its lines collected.
struct Scrittura : ::testing::Test {
    CartellaTemporanea programma;
    Impostazioni impostazioni{Cartelle{programma.percorso(), {}}};
    std::vector<std::string> avvisi;
    int cambi = 0;

    void SetUp() override {
        programma.scrivi("tramerio.ini", testoUtente);
        impostazioni.leggi();
        QObject::connect(&impostazioni, &Impostazioni::avviso, [this](const QString& a) { avvisi.push_back(a.toStdString()); });
        QObject::connect(&impostazioni, &Impostazioni::cambiate, [this] { ++cambi; });
    }
};
}  // namespace

// A failure is said once and kept; each later change tries again, silently while it fails; the
// write that goes through says so, and the next failure is said again. What waits at the end is
// written without a change.
TEST_F(Scrittura, AFailureIsSaidOnceAndTriedAgainAtEachChange) {
    using prova::Passo;
    struct Tappa {
        Passo guasto;
        bool sinistro;  // the option set before the change
        std::vector<std::string> avvisi;
        bool inAttesa;
    };
    const Tappa passi[] = {
        {Passo::scrittura, false, {nonScritte}, true},
        {Passo::conferma, true, {nonScritte}, true},
        {Passo::nessuno, false, {nonScritte, diNuovoScritte}, false},
        {Passo::nessuno, true, {nonScritte, diNuovoScritte}, false},
        {Passo::apertura, false, {nonScritte, diNuovoScritte, nonScritte}, true},
    };
    int i = 0;
    for (const Tappa& p : passi) {
        const std::string prima = programma.leggi("tramerio.ini");
        prova::DiscoGuasto guasto(p.guasto);
        ValoriImpostazioni v = impostazioni.valori();
        v.tastoSinistro = p.sinistro;
        impostazioni.cambia(v);
        EXPECT_EQ(avvisi, p.avvisi) << i;
        EXPECT_EQ(impostazioni.inAttesa(), p.inAttesa) << i;
        EXPECT_EQ(programma.leggi("tramerio.ini"), p.inAttesa ? prima : testoImpostazioni(v)) << i;
        ++i;
    }
    EXPECT_TRUE(impostazioni.salva());
    EXPECT_EQ(programma.leggi("tramerio.ini"), testoImpostazioni(impostazioni.valori()));
    EXPECT_EQ(avvisi.back(), diNuovoScritte);
    EXPECT_FALSE(impostazioni.inAttesa());
}

// A change is heard once and rewrites only its line; taken back, the file is again the bytes it
// was. The font is not one of the file's nine values, so it leaves the file alone (here replaced
// by bytes the writer never makes); no change tells nobody.
TEST_F(Scrittura, AChangeIsHeardOnceAndTheFileKeepsItsBytes) {
    const ValoriImpostazioni letti = impostazioni.valori();
    ValoriImpostazioni v = letti;
    v.DistanzaDaSpigolo = 7;
    impostazioni.cambia(v);
    EXPECT_EQ(cambi, 1);
    std::string atteso = testoUtente;
    atteso.replace(atteso.find("DistanzaDaSpigolo= 4"), 20, "DistanzaDaSpigolo= 7");
    EXPECT_EQ(programma.leggi("tramerio.ini"), atteso);
    impostazioni.cambia(letti);
    EXPECT_EQ(programma.leggi("tramerio.ini"), testoUtente);
    const std::string segno = "scritto a mano";
    programma.scrivi("tramerio.ini", segno);
    v = letti;
    v.carattereSchermo = {"Courier New", true, false};
    impostazioni.cambia(v);
    EXPECT_EQ(cambi, 3);
    EXPECT_EQ(impostazioni.valori(), v);
    impostazioni.cambia(v);
    EXPECT_EQ(cambi, 3);
    EXPECT_EQ(programma.leggi("tramerio.ini"), segno);
}

// Reading at start fills the values and is heard, yet writes nothing back.
TEST(ImpostazioniLettura, ReadingIsHeardAndWritesNothing) {
    CartellaTemporanea programma;
    const std::string scritto = "PercentualeRiquadro=70\r\n";  // not as the writer would put it
    programma.scrivi("tramerio.ini", scritto);
    Impostazioni impostazioni{Cartelle{programma.percorso(), {}}};
    QSignalSpy cambiate(&impostazioni, &Impostazioni::cambiate);
    EXPECT_EQ(impostazioni.leggi(), "");
    EXPECT_EQ(cambiate.count(), 1);
    EXPECT_EQ(programma.leggi("tramerio.ini"), scritto);
}

// One reading of Quadrivo.conf serves a turn of the event loop; at the next turn an option
// another window wrote meanwhile shows.
TEST(ImpostazioniUtente, AnotherWindowsOptionShowsAtTheNextTurn) {
    int argc = 1;
    char nome[] = "prova";
    char* argv[] = {nome, nullptr};
    QCoreApplication app(argc, argv);
    CartellaTemporanea config, programma;
    const auto cartellaConfig = [](const QByteArray& c) {
        c.isEmpty() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", c);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    };
    const QByteArray prima = qgetenv("XDG_CONFIG_HOME");
    cartellaConfig(QByteArray::fromStdString(config.percorso()));
    Impostazioni impostazioni{Cartelle{programma.percorso(), {}}};
    EXPECT_EQ(impostazioni.opzione("prova", 0).toInt(), 0);
    std::filesystem::create_directory(config.percorso("Quadrivo"));
    config.scrivi("Quadrivo/Quadrivo.conf", "[General]\nprova=7\n");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(impostazioni.opzione("prova", 0).toInt(), 7);
    cartellaConfig(prima);
}
