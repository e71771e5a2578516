#include <gtest/gtest.h>

#include "formats/puz.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// The format's checksum, written out again here so the reader's is checked against another.
unsigned somma(const std::string& d, unsigned s = 0) {
    for (unsigned char b : d) s = (((s & 1) ? (s >> 1) | 0x8000 : s >> 1) + b) & 0xffff;
    return s;
}

std::string due(unsigned v) { return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)}; }

struct Puz {
    std::string soluzione, griglia;  // rows joined
    int colonne;
    std::vector<std::string> testi;  // title, author, copyright, clues..., notes
    std::vector<std::pair<std::string, std::string>> sezioni = {};
    std::string versione = "1.3";
    unsigned cifrata = 0;
    std::string riservati = std::string(12, '\0');
    unsigned sommaCifrata = 0;  // the letters' checksum before they were locked

    std::string byte() const {
        const int righe = static_cast<int>(soluzione.size()) / colonne;
        std::string coda = std::string(1, static_cast<char>(colonne)) + static_cast<char>(righe) +
                           due(static_cast<unsigned>(testi.size() - 4)) + due(1) + due(cifrata);
        // The texts' sum: clues without their terminator, the other texts with it unless empty.
        const auto sommaTesti = [&](unsigned s) {
            for (size_t i = 0; i < testi.size(); ++i)
                s = i >= 3 && i + 1 < testi.size() ? somma(testi[i], s)
                    : testi[i].empty()             ? s
                                                   : somma(testi[i] + '\0', s);
            return s;
        };
        const unsigned cib = somma(coda), tutto = sommaTesti(somma(griglia, somma(soluzione, cib)));
        const unsigned parti[4] = {cib, somma(soluzione), somma(griglia), sommaTesti(0)};
        std::string basse, alte;
        for (int i = 0; i < 4; ++i) {
            basse += static_cast<char>("ICHE"[i] ^ (parti[i] & 0xff));
            alte += static_cast<char>("ATED"[i] ^ (parti[i] >> 8));
        }
        std::string f = due(tutto) + std::string("ACROSS&DOWN\0", 12) + due(cib) + basse + alte + versione +
                        std::string(1, '\0') + due(0) + due(sommaCifrata) + riservati + coda + soluzione + griglia;
        for (const std::string& t : testi) f += t + '\0';
        for (const auto& [nome, dati] : sezioni) f += nome + due(static_cast<unsigned>(dati.size())) + due(somma(dati)) + dati + '\0';
        return f;
    }
};

// CAT / A.O / BUS with a rebus "OW" in the corner, a circle, a player grid, an unknown section
// and non-zero reserved bytes.
Puz campione() {
    return {"CATA.OBUS",
            "C--A.----",
            3,
            {"Gatt\xec", "Ada", "(c)", "Felino", "Taxi", "Cabina", "Toro", "Note"},
            {{"GRBS", std::string(8, '\0') + '\x02'}, {"RTBL", " 1:OW;"}, {"GEXT", std::string("\x80") + std::string(8, '\0')},
             {"ZZZZ", "boh"}},
            "1.3",
            0,
            "riservato..."};
}

Lettura leggi(const std::string& dati) { return FormatoPuz().leggi(dati); }

}  // namespace

TEST(Puz, ReadsGridsCluesRebusAndFlagsAndWritesTheSameBytes) {
    const std::string f = "prefisso" + campione().byte() + "coda";
    const Lettura l = leggi(f);
    ASSERT_EQ(l.esito, EsitoLettura::ok);
    EXPECT_EQ(l.spiegazione, "");
    const Cruciverba& x = l.cruciverba;
    EXPECT_EQ(x.titolo, "Gattì");
    EXPECT_EQ(x.cella(3, 3).soluzione, "OW");
    EXPECT_EQ(prova::inserimenti(x), (std::vector<std::string>{"C..", "A#.", "..."}));
    EXPECT_TRUE(x.cella(1, 1).cerchio);
    // Clues in the format's order (1 across, 1 down, 2 down, 3 across): any other order moves one of these.
    const auto testo = [&x](Casella k, Direzione d) { return definizioneDa(x, k, d)->testo; };
    EXPECT_EQ(testo({1, 1}, Direzione::verticale), "Taxi");
    EXPECT_EQ(testo({1, 3}, Direzione::orizzontale), "Toro");
    EXPECT_EQ(FormatoPuz().scrivi(x), f);
}

TEST(Puz, SavesThePlayersGridAndRebusWithFreshChecksums) {
    Cruciverba x = leggi(campione().byte()).cruciverba;
    x.cella(2, 1).voce = "A";
    x.cella(3, 3).voce = "OW";
    x.titolo = "Gatto";
    const std::string scritto = FormatoPuz().scrivi(x);
    Puz atteso = campione();
    atteso.griglia = "CA-A.---O";
    atteso.testi[0] = "Gatto";
    atteso.sezioni.push_back({"RUSR", std::string(8, '\0') + "OW" + '\0'});
    EXPECT_EQ(scritto, atteso.byte());  // the checksums as the format's description has them
    // A player's entry kept only in RUSR stays when another cell changes.
    Puz c = campione();
    c.sezioni.push_back({"RUSR", std::string("\0W\0", 3) + std::string(7, '\0')});
    Cruciverba w = leggi(c.byte()).cruciverba;
    EXPECT_EQ(w.cella(2, 1).voce, "W");
    w.cella(1, 2).voce = "A";
    EXPECT_EQ(leggi(FormatoPuz().scrivi(w)).cruciverba.cella(2, 1).voce, "W");
    // A file ending after its last clue gets empty notes before the player's rebus section.
    Puz senzaNote = campione();
    senzaNote.testi.back().clear();
    senzaNote.sezioni.clear();
    const std::string corto = senzaNote.byte();
    Cruciverba y = leggi(corto.substr(0, corto.size() - 1)).cruciverba;
    y.cella(1, 1).voce = "QU";
    const Lettura z = leggi(FormatoPuz().scrivi(y));
    EXPECT_EQ(z.spiegazione, "");
    EXPECT_EQ(z.cruciverba.cella(1, 1).voce, "QU");
}

TEST(Puz, OpensWithANoticeOrRefusesWithAReason) {
    std::string rotta = campione().byte();
    rotta[0] ^= 1;
    EXPECT_NE(leggi(rotta).spiegazione.find("modificato"), std::string::npos);
    Puz c = campione();
    c.cifrata = 4;
    const Lettura l = leggi(c.byte());
    EXPECT_EQ(l.esito, EsitoLettura::ok);
    EXPECT_NE(l.spiegazione.find("cifrata"), std::string::npos) << l.spiegazione;
    c = campione();
    c.versione = "2.0";
    c.testi[0] = "Citt\xc3\xa0";
    EXPECT_EQ(leggi(c.byte()).cruciverba.titolo, "Città");

    const std::string buona = campione().byte();
    const size_t testi = 0x34 + 18;
    Puz grande = campione();
    grande.colonne = 1;
    grande.soluzione = grande.griglia = std::string(65, 'A');
    grande.testi = {"", "", "", ""};
    const std::pair<std::string, std::string> casi[] = {
        {"ACROSS&DOWN", "Across Lite"},
        {buona.substr(0, 0x30), "intestazione"},
        {buona.substr(0, testi + 10), "definizioni annunciate"},
        {buona.substr(0, 0x2e) + '\x05' + buona.substr(0x2f), "annuncia 5"},
        {grande.byte(), "1×65"},
    };
    for (const auto& [dati, motivo] : casi) prova::rifiuta(FormatoPuz(), dati, motivo);
}

// Across Lite's lock, worked out by hand from its public description: odd and even lengths, a cut past the end.
TEST(Puz, TheLockUndoesWhatItDoes) {
    const std::tuple<std::string, int, std::string> casi[] = {
        {"ABCDEFGHI", 7001, "HZREKKBJT"}, {"ZYXWVUTSRQPONMLKJIHGFEDCBA", 7001, "PTBJHUSYAYLPDVXWOTSUUFYXKE"}, {"AB", 9999, "KL"}};
    for (const auto& [chiaro, codice, chiuso] : casi) {
        EXPECT_EQ(cifraLetterePuz(chiaro, codice), chiuso) << chiaro << " " << codice;
        EXPECT_EQ(decifraLetterePuz(chiuso, codice), chiaro) << chiaro << " " << codice;
    }
}

// The marks go where other programs read them: GEXT's 0x20 wrong now, 0x10 wrong once, 0x40
// revealed, beside the circles already there.
TEST(Puz, MarksGoInGextBesideTheCircles) {
    Cruciverba x = leggi(campione().byte()).cruciverba;
    EXPECT_EQ(x.segniFile, Cruciverba::SegniFile{});
    x.segniFile.sbagliate = {{2, 1}};
    x.segniFile.corrette = {{3, 1}};
    x.segniFile.rivelate = {{1, 3}};
    const std::string scritto = FormatoPuz().scrivi(x);
    const size_t gext = scritto.find("GEXT");
    ASSERT_NE(gext, std::string::npos);
    EXPECT_EQ(scritto.substr(gext + 8, 9), std::string("\x80\x20\x10\0\0\0\x40\0\0", 9));
    const Lettura riletta = leggi(scritto);
    EXPECT_EQ(riletta.spiegazione, "");  // the section's checksum follows it
    EXPECT_EQ(riletta.cruciverba.segniFile, x.segniFile);
}
