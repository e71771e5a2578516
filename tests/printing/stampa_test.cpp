#include <gtest/gtest.h>

#include "printing/elenchi.h"
#include "formats/formato.h"
#include "model/file.h"
#include "printing/pagina.h"
#include "puzzle.h"

using namespace quadrivo;
using namespace quadrivo::prova;

namespace {

// C A S A     across: 1 CASA, 5 ORO, 6 TE
// # O R O     down:   2 AOE, 3 SR, 4 AON
// T E # N
Stato piccolo(const std::vector<std::string>& ins = {}) {
    return statoStampa({"CASA", "#ORO", "TE#N"}, ins, {{1, 1, 1, "Dimora"}, {2, 1, 2, "Citt\xe0 senza fine"}}, "Jos\xe9");
}

BloccoTesto blocco(TipoPagina tipo, const SaltoPagina* salto = nullptr, int lato = 40, int alto = 63, int sx = 275) {
    return {tipo, lato, alto, sx, 670, "02-06-2013", salto};
}

const AreaFinestra finestra{1024, 700, 30, 20};

// 15 x 15 with one black cell at (3,1) and the given entries in the first row.
Stato quindici(const std::string& primaRiga = "") {
    auto sol = grigliaPiena(15, 15);
    sol[0][2] = '#';
    return statoStampa(sol, {primaRiga}, {{1, 1, 1, "Primo"}});
}

}  // namespace

TEST(Voci, WholeEntryWithABoldNumberWrapsOnlyPastTheLimitFromTheRoundedPen) {
    // "1 AB " is 30 wide at 10 points; the printer's limit is 1000 - 200, the preview's 1000 - x0.
    for (auto [schermo, x, aCapo] : {std::tuple{false, 770.0, false}, {false, 770.4, false}, {false, 770.6, true},
                                     {false, 771.0, true}, {true, 670.0, false}, {true, 671.0, true}}) {
        SuperficieRegistro sup(1000, 2000);
        sup.impostaDimensione(10);
        sup.CurrentX = x, sup.CurrentY = 50;
        schermo ? anteprimaVoce(sup, "1 AB ", 300) : stampaVoce(sup, "1 AB ", 85);
        const auto& v = sup.operazioni;
        ASSERT_EQ(v.size(), 2u);
        EXPECT_TRUE(
            v[0].testo == "1" && v[0].carattere.grassetto && v[1].testo == " AB " && !v[1].carattere.grassetto &&
            std::pair(v[0].x1, v[0].y1) == (aCapo ? std::pair(schermo ? 300.0 : 85.0, 65.0) : std::pair(x, 50.0)))
            << x;
    }
    // Wider than a whole line: an empty line comes first, then the entry runs past the limit.
    SuperficieRegistro sup(1000, 2000);
    sup.impostaDimensione(10);
    stampaVoce(sup, "7 " + std::string(200, 'x') + " ", 0);
    EXPECT_TRUE(sup.operazioni[0].y1 == 15 && sup.operazioni[1].testo.size() == 202u);
}

TEST(Blocco, HeadingsEntriesAndFooterOnPaperAndOnScreen) {
    for (auto [tipo, punti, x0, piede] : {std::tuple{TipoPagina::stampante, 8.25, 85, "02-06-2013   -   "},
                                          {TipoPagina::anteprima, 275 / 29.7 / 1.4, 314, "02-06-2013  -  "}}) {
        SuperficieRegistro sup(1024, 1422);
        sup.impostaCorsivo(true);
        stampaDefinizioni(piccolo(), sup, blocco(tipo));
        // The preview leaves one more empty line before the footer.
        const double h = 1.5 * punti, y0 = 40 * 3 + 63 + 10, y = y0 + (tipo == TipoPagina::stampante ? 6 : 7) * h;
        const std::pair<std::string, double> attese[] = {
            {"ORIZZONTALI:", y0}, {"1", y0 + h}, {" " + std::string(30, '_') + " ", y0 + h},  // 5 across too
            {"VERTICALI:", y0 + 3 * h}, {" Città senza fine ", y0 + 4 * h},  // after one empty line
            {piede + std::string("/home/anna/Archivio cruciverba/prova.trmo"), y},
            {"Autore:      José", y + h}, {rigaCrediti, y + 2 * h},
        };
        for (const auto& [testo, alto] : attese) {
            const Operazione* o = sup.scritta(testo);
            ASSERT_TRUE(o) << testo;  // the caller's italics stay
            EXPECT_EQ(std::tuple(std::lround(o->y1 * 1e6), o->carattere.grassetto, o->carattere.dimensione, o->carattere.corsivo),
                      std::tuple(std::lround(alto * 1e6), testo.ends_with(":") || testo == "1", punti, true)) << testo;
        }
        EXPECT_EQ(sup.scritta("ORIZZONTALI:")->x1, x0);
    }
    // The preview's list font follows the page's edge down to a readable minimum.
    for (auto [sinistra, attesi] : {std::pair{500, 500 / 29.7 / 1.4}, {100, 6.0}, {-40, 6.0}})
        EXPECT_DOUBLE_EQ(puntiElenchi(blocco(TipoPagina::anteprima, nullptr, 40, 63, sinistra)), attesi);
    EXPECT_EQ(dataStampa(2, 6, 2013), "02-06-2013");
}

TEST(Blocco, PrinterListsContinueOnFreshSheets) {
    // 12 across and 12 down clues, one to a line: more lines than two short sheets hold.
    const std::string lunga(120, 'o');
    std::vector<DefinizioneProva> def;
    for (int i = 1; i <= 12; ++i) def.insert(def.end(), {{1, i, 1, lunga}, {i, 1, 2, lunga}});
    const Stato s = statoStampa(grigliaPiena(12, 12), {}, def);
    int fogli = 1, ritorni = 0;
    const SaltoPagina salto{[&] { ++fogli; }, 20};
    SuperficieRegistro carta(1024, 250);
    stampaDefinizioni(s, carta, blocco(TipoPagina::stampante, &salto, 10, 20));
    // Nothing below the printable area; each further sheet starts at 20.
    const auto& o = carta.operazioni;
    for (size_t i = 0; i < o.size(); ++i) {
        EXPECT_LE(o[i].y2, 250) << i;
        if (i > 0 && o[i].y1 < o[i - 1].y1) ritorni += o[i].y1 == 20 ? 1 : 100;
    }
    EXPECT_TRUE(fogli > 2 && ritorni == fogli - 1) << fogli << " " << ritorni;
    EXPECT_EQ(carta.testi().back(), rigaCrediti);
}

TEST(Pagina, A15x15GridOnPaperAndOnScreenItsNumbersLettersSquaresAndFrameInTheCallersStyle) {
    const GeometriaPagina g = geometriaStampa(quindici(), finestra);  // the status bar plays no part
    EXPECT_NEAR(g.altezza, 1422.03, 0.005);
    EXPECT_EQ(std::vector<double>({g.larghezza, double(g.cw), double(g.ch), double(g.s), double(g.gx), double(g.gy),
                                   g.puntiLettere, double(g.inizioElenchi), double(g.margineElenchi), g.limiteDestro}),
              std::vector<double>({1024, 61, 40, 40, 212, 63, 16, 673, 85, 824}));
    const GeometriaPagina a = geometriaAnteprima(quindici(), finestra);
    // gx 399.5 goes to the even neighbour; gy is centred in the band that starts behind the toolbar.
    EXPECT_EQ(std::vector<int>({a.cw, a.ch, a.s, a.altezzaPagina, a.sinistraPagina, a.margineElenchi, a.gx, a.gy}),
              std::vector<int>({24, 15, 15, 670, 275, 314, 400, 70}));
    // A tiny window: letters stay at 5 points.
    EXPECT_EQ(geometriaAnteprima(quindici(), {400, 300, 30, 20}).puntiLettere, 5);
    // Entered letters, numbers, squares and the frame.
    Stato s = quindici("BC#\xc8");
    s.DistanzaDaCentro = -10, s.DistanzaDaSpigolo = 10, s.nomeFont = "Times New Roman";
    s.cruciverba.cella(2, 1).matita = true;  // a guess in pencil
    SuperficieRegistro carta(4960, 7016), schermo;  // the printer's area in device pixels
    for (SuperficieRegistro* sup : {&carta, &schermo}) sup->impostaGrassetto(true), sup->impostaCorsivo(true);
    disegnaStampa(s, carta, finestra, "02-06-2013");
    disegnaAnteprima(s, schermo, finestra, "02-06-2013");
    EXPECT_TRUE(carta.larghezzaScala() == 1024 && std::abs(carta.altezzaScala() - 1422.03) < 0.005);
    const auto box = carta.di(Operazione::rettangolo);
    ASSERT_EQ(box.size(), 1u + 225u);
    EXPECT_EQ(std::vector<double>({box[0].x1, box[0].y2, box[1].x1, box[1].x2}),  // the frame 3 units outside
              std::vector<double>({209, 63 + 600 + 3, 212, 252}));
    ASSERT_TRUE(carta.scritta("B") && schermo.scritta("B") && carta.scritta("2") && carta.scritta("È"));
    // Neither solutions, empty cells nor pencil guesses show.
    EXPECT_FALSE(carta.scritta("A") || carta.scritta(".") || carta.scritta("C") || schermo.scritta("C"));
    // Centred on paper (half width 4.8, half height 12) one unit right; on screen at 9 points the
    // halves 2.7 and 6.75 are rounded to Integers. Cell (2,1) starts 2 down.
    const auto [b, s2, bs] = std::tuple(*carta.scritta("B"), *carta.scritta("2"), *schermo.scritta("B"));
    const std::vector<double> attese{20 + 212 - 4.8 + 1, 20 + 63 - 12 - 40 / 100.0 / 1.3 * 10, 7.5 + 400 - 3, 7.5 + 70 - 7 - 1.5,
                                     40 + 212 + 1 + 4, 40 / 1.5 / 100 * 20};
    const std::vector<double> misure{b.x1, b.y1, bs.x1, bs.y1, s2.x1, s2.carattere.dimensione};
    for (size_t i = 0; i < attese.size(); ++i) EXPECT_NEAR(misure[i], attese[i], 1e-9) << i;
    EXPECT_EQ(b.carattere.nome, "Times New Roman");
    for (const auto* sup : {&carta, &schermo})  // the caller's style stays
        EXPECT_TRUE(sup->carattere().grassetto && sup->carattere().corsivo);
    // Black squares lose a margin of the cell that is never below 1.
    for (auto [percentuale, margine] : {std::pair{100, 1.0}, {99, 1.0}, {98, 0.4}, {50, 10.0}}) {
        s.PercentualeRiquadro = static_cast<std::int16_t>(percentuale);
        SuperficieRegistro sup;
        disegnaStampa(s, sup, finestra, "");
        const auto pieni = sup.di(Operazione::rettangoloPieno);
        ASSERT_EQ(pieni.size(), 1u);
        EXPECT_NEAR(pieni[0].x1 - 2 * 40 - 212, margine, 1e-9) << percentuale;
        EXPECT_NEAR(3 * 40 + 212 - pieni[0].x2, margine, 1e-9) << percentuale;
    }
}

TEST(Pagina, PreviewTextStaysOnTheSheetAndSaysWhenItGoesOn) {
    // The 26 x 16 sample in the client area of a 1024 x 768 window: its lists need a second sheet.
    const std::optional<std::string> dati = leggiFile(std::string(CARTELLA_ARCHIVIO) + "/grande-schema.trmo");
    ASSERT_TRUE(dati) << CARTELLA_ARCHIVIO;
    Stato grande;
    grande.cruciverba = leggiCruciverba("g.trmo", *dati).cruciverba;
    const double fondo = finestra.altezza - finestra.altezzaStatusBar - 1;  // the page's bottom edge

    for (const auto& [s, segue] : {std::pair{grande, true}, std::pair{piccolo(), false}}) {
        SuperficieRegistro schermo(finestra.larghezza, finestra.altezza);
        disegnaAnteprima(s, schermo, finestra, "02-06-2013");
        for (const Operazione& o : schermo.di(Operazione::scritta))
            EXPECT_LE(o.y1 + 1.5 * o.carattere.dimensione, fondo - 2) << o.testo;
        const Operazione* segno = schermo.scritta(msgSegueAnteprima);
        EXPECT_EQ(std::tuple(segno != nullptr, schermo.scritta(rigaCrediti) == nullptr, schermo.carattere().corsivo),
                  std::tuple(segue, segue, false));
        if (segno) EXPECT_TRUE(segno->carattere.corsivo && !segno->carattere.grassetto);
    }
}
