// The printed sheets, laid out for the paper: the same from any window, title, lists of at
// least 9 points filling the page and going on to a second sheet, the file's other lists last.
#include <gtest/gtest.h>

#include <QString>

#include "formats/formato.h"
#include "model/file.h"
#include "printing/pagina.h"
#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

const FormatoPagina a4;
const std::string oggi = "02-06-2013";

Stato campione(const std::string& nome) {
    const std::optional<std::string> dati = leggiFile(std::string(CARTELLA_ARCHIVIO) + "/" + nome);
    Stato s;
    if (dati) s.cruciverba = leggiCruciverba(nome, *dati).cruciverba;
    s.nomeFile = "/home/anna/Cruciverba/" + nome;
    s.AltezzaCaratteri = 55, s.AltezzaNumeri = 18, s.PercentualeRiquadro = 90;
    return s;
}

// The sheets on paper: the operations of each sheet, split where a new sheet begins.
std::vector<std::vector<Operazione>> fogli(const Stato& s) {
    SuperficieRegistro carta(a4.larghezza, a4.altezza);
    std::vector<size_t> inizi{0};
    disegnaPagine(s, carta, carta, a4, oggi, [&] { inizi.push_back(carta.operazioni.size()); });
    inizi.push_back(carta.operazioni.size());
    std::vector<std::vector<Operazione>> v;
    for (size_t i = 0; i + 1 < inizi.size(); ++i)
        v.emplace_back(carta.operazioni.begin() + long(inizi[i]), carta.operazioni.begin() + long(inizi[i + 1]));
    return v;
}

}  // namespace

TEST(Pagina, TheSameSheetsFromASmallAndALargeWindowAsOnPaper) {
    for (const char* nome : {"primi-passi.trmo", "grande-schema.trmo"}) {
        const Stato s = campione(nome);
        ASSERT_GT(s.cruciverba.colonne(), 0) << nome;
        const auto carta = fogli(s);
        const size_t n = carta.size();
        for (AreaFinestra area : {AreaFinestra{700, 500, 30, 20}, AreaFinestra{1920, 1080, 30, 20}}) {
            SuperficieRegistro finestra(area.larghezza, area.altezza), misura(a4.larghezza, a4.altezza);
            ASSERT_EQ(disegnaAnteprima(s, finestra, misura, area, oggi), int(n));
            const PosaAnteprima posa = posaAnteprima(area, a4, int(n));
            // Cleared, each white sheet with its border, then the sheets scaled into them.
            const auto& o = finestra.operazioni;
            EXPECT_EQ(o[0].tipo, Operazione::pulisci);
            size_t w = 1 + 2 * n;
            for (size_t f = 0; f < n; ++f) {
                const FoglioAnteprima& foglio = posa.fogli[f];
                EXPECT_TRUE(o[1 + 2 * f].colore == bianco && o[2 + 2 * f].colore == rossoScuro);
                EXPECT_NEAR(foglio.altezza / foglio.larghezza, a4.altezza / a4.larghezza, 1e-9);
                EXPECT_LE(foglio.x + foglio.larghezza, area.larghezza);
                for (const Operazione& p : carta[f]) {
                    ASSERT_LT(w, o.size());
                    const Operazione& q = o[w++];
                    const double k = posa.scala;
                    EXPECT_NEAR((q.x1 - foglio.x) / k, p.x1, 1e-6) << p.testo;
                    EXPECT_NEAR((q.y1 - foglio.y) / k, p.y1, 1e-6) << p.testo;
                    if (p.tipo == Operazione::scritta)
                        EXPECT_NEAR(q.carattere.dimensione / k, p.carattere.dimensione, 1e-6);
                    EXPECT_EQ(std::tuple(q.testo, q.carattere.grassetto), std::tuple(p.testo, p.carattere.grassetto));
                }
            }
            EXPECT_EQ(w, o.size());
        }
    }
}

TEST(Pagina, TitleGridAndListsFillOneSheetInsideTheMargins) {
    const Stato s = campione("primi-passi.trmo");
    const auto carta = fogli(s);
    ASSERT_EQ(carta.size(), 1u);
    const Operazione& titolo = carta[0][0];
    EXPECT_EQ(titolo.testo, s.cruciverba.titolo.empty() ? "primi-passi" : s.cruciverba.titolo);
    EXPECT_TRUE(titolo.y1 == a4.margine && titolo.carattere.grassetto && titolo.carattere.dimensione >= 12);
    EXPECT_NEAR(titolo.x1 + titolo.x2, a4.larghezza, 1e-6);  // centred
    double basso = 0, larghezzaGriglia = 0;
    for (const Operazione& o : carta[0]) {
        EXPECT_TRUE(o.x1 >= a4.margine - 4 && o.y1 >= a4.margine - 4 && o.y2 <= a4.altezza - a4.margine) << o.testo;
        basso = std::max(basso, o.y2);
        if (o.tipo == Operazione::rettangolo) larghezzaGriglia = std::max(larghezzaGriglia, o.x2 - o.x1);
    }
    // Either the grid spans the page's width or the text reaches the bottom margin.
    const double utile = a4.larghezza - 2 * a4.margine;
    EXPECT_TRUE(larghezzaGriglia >= utile * 0.9 || basso >= a4.altezza - a4.margine - 30)
        << larghezzaGriglia << " " << basso;
}

TEST(Pagina, ABigPuzzleGoesOnToASecondSheetWithEveryClueInOrder) {
    const Stato s = campione("grande-schema.trmo");
    ASSERT_EQ(s.cruciverba.colonne(), 26);
    const auto carta = fogli(s);
    ASSERT_EQ(carta.size(), 2u);
    double alto = 1e9, griglia = 0;
    for (const Operazione& o : carta[0])
        if (o.tipo == Operazione::rettangolo) griglia = std::max(griglia, o.y2);
    for (size_t f = 0; f < carta.size(); ++f)
        for (const Operazione& o : carta[f]) {
            EXPECT_LE(o.y2, a4.altezza - a4.margine) << o.testo;
            if (o.tipo != Operazione::scritta || (f == 0 && o.y1 < griglia)) continue;  // title and grid
            if (f == 1) alto = std::min(alto, o.y1);
            EXPECT_GE(o.carattere.dimensione, puntiElenchiMinimi) << o.testo;
        }
    EXPECT_EQ(alto, a4.margine);  // the second sheet starts at its top margin
    // Every clue in the list's order, then the footer with the credit line last.
    std::string t;  // all texts joined: the flow may have broken an entry between words
    for (const auto& foglio : carta)
        for (const Operazione& o : foglio)
            if (o.tipo == Operazione::scritta) t += o.testo;
    size_t da = 0;
    std::vector<std::string> attesi{intestazioneOrizzontali};
    for (const std::string& v : vociDefinizioni(s.cruciverba, orizzontale)) attesi.push_back(v);
    attesi.push_back(intestazioneVerticali);
    for (const std::string& v : vociDefinizioni(s.cruciverba, verticale)) attesi.push_back(v);
    attesi.insert(attesi.end(), {oggi + separatoreData + s.nomeFile, rigaAutore(s.cruciverba), rigaCrediti});
    for (const std::string& a : attesi) {
        const size_t p = t.find(a, da);
        ASSERT_NE(p, std::string::npos) << a;
        da = p + a.size();
    }
    EXPECT_EQ(da, t.size());
}

TEST(Elenchi, EntriesMoveWholeAndBreakOnlyWhenWiderThanAColumnHeadingsStayWithTheirFirstLine) {
    // Two columns 20 characters wide (10 points: 6 units a character, 15 a line), 4 lines each.
    const Stato s = statoStampa({"CASA", "#ORO", "TE#N"}, {},
                                {{1, 1, 1, "Dimora"}, {2, 1, 2, "Citt\xe0 senza fine mai finita qui"}});
    ColonneElenchi c{0, 120, 10, 2, 0, 5, 60, 10};
    SuperficieRegistro sup(1000, 1000);
    int nuovi = 0;
    const int quanti = stampaDefinizioni(s, sup, c, oggi, [&] { ++nuovi; });
    EXPECT_EQ(quanti, nuovi + 1);
    for (const Operazione& o : sup.operazioni) {
        const double sinistra = o.x1 < 125 ? 0 : 130;
        const std::string nudo = o.testo.ends_with(' ') ? o.testo.substr(0, o.testo.size() - 1) : o.testo;
        EXPECT_LE(o.x1 + 6 * double(QString::fromStdString(nudo).size()), sinistra + 120 + 1e-9) << o.testo;
        EXPECT_LE(o.y2, 60) << o.testo;
    }
    // "1 Dimora " whole on the heading's next line, its number bold.
    const Operazione *uno = sup.scritta("1"), *dimora = sup.scritta(" Dimora ");
    ASSERT_TRUE(uno && dimora);
    EXPECT_TRUE(uno->carattere.grassetto && !dimora->carattere.grassetto && uno->y1 == 15 && dimora->x1 == 6);
    // No heading ends a column: the line below it holds its first entry.
    for (const char* h : {intestazioneOrizzontali, intestazioneVerticali}) {
        const Operazione* o = sup.scritta(h);
        ASSERT_TRUE(o);
        EXPECT_LE(o->y2 + 15, 60) << h;
    }
    std::string t;  // the credit line last, broken across lines
    for (const std::string& x : sup.testi()) t += x;
    EXPECT_TRUE(t.ends_with(std::string(rigaCrediti))) << t;
}

TEST(Pagina, TitleFallsBackToTheFileNameAndTheGridShowsOnlyThePlayersLetters) {
    Stato s = statoStampa({"CASA", "#ORO", "TE#N"}, {"CA..", "#...", "...."});
    EXPECT_EQ(titoloPagina(s), "Prova");
    // A title wider than the page at 10 points is cut and ends with an ellipsis.
    s.cruciverba.titolo = std::string(200, 'x');
    const Operazione lungo = fogli(s)[0][0];
    EXPECT_TRUE(lungo.testo.ends_with("…") && lungo.x1 >= a4.margine && lungo.x2 <= a4.larghezza - a4.margine);
    s.cruciverba.titolo.clear();
    s.cruciverba.cella(2, 1).matita = true;  // a guess in pencil stays on the screen
    s.cruciverba.cella(1, 1).cerchio = true;  // a circle reaches the paper
    const auto carta = fogli(s);
    EXPECT_EQ(carta[0][0].testo, "prova");
    SuperficieRegistro r;
    r.operazioni = carta[0];
    EXPECT_TRUE(r.scritta("C") && !r.scritta("A") && !r.scritta("S") && !r.scritta(".") &&
                r.di(Operazione::ellisse).size() == 1);
    // Black squares keep 90 % of the cell, centred.
    const auto pieni = r.di(Operazione::rettangoloPieno);
    ASSERT_EQ(pieni.size(), 2u);
    const double lato = pieni[0].x2 - pieni[0].x1;
    EXPECT_NEAR(pieni[1].x2 - pieni[1].x1, lato, 1e-9);
    EXPECT_GT(lato, 100);  // a 4 x 3 grid is large on the page
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
}

TEST(ElenchiFormati, TheFilesOtherListsPrintAfterTheDownOneUnderTheirNames) {
    Stato s = prova::statoDaSchema({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    s.cruciverba.elenchi.push_back({nomeDiagonali, {{"7", "Obliqua", {{1, 1}, {2, 2}}, ""}}});
    s.cruciverba.elenchi.push_back({"Vuota", {}});
    SuperficieRegistro sup(1024, 1422);
    stampaDefinizioni(s, sup, ColonneElenchi{0, 900, 20, 1, 0, 0, 1400, 9}, oggi, [] {});
    const std::vector<std::string> t = sup.testi();
    const auto dove = [&](const std::string& x) { return std::find(t.begin(), t.end(), x) - t.begin(); };
    EXPECT_TRUE(dove("VERTICALI:") < dove("DIAGONALI:") && dove("DIAGONALI:") < dove("7"));
    EXPECT_EQ(dove("VUOTA:"), static_cast<long>(t.size()));  // an empty list prints nothing
}
