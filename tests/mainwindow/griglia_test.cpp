#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>

#include "mainwindow/griglia.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// A state holding the given grid: solution letters with '#' for black, entries '.' by default.
Stato statoCon(const std::vector<std::string>& soluzioni, const std::vector<std::string>& ins = {}) {
    return prova::statoDaSchema(soluzioni, ins);
}

struct Passo : ::testing::Test {
    SuperficieRegistro sup{1016, 700};
    PiattaformaRegistro piattaforma;
    AreaFinestra area{1016, 700, 30, 20};

    std::string disegna(Stato& s, const DecorazioniGriglia& d = {}) { return disegnaGriglia(s, sup, piattaforma, area, d); }

    std::vector<Operazione> di(Operazione::Tipo t, std::optional<Colore> colore = {}) const {
        std::vector<Operazione> v;
        std::copy_if(sup.operazioni.begin(), sup.operazioni.end(), std::back_inserter(v),
                     [&](const Operazione& o) { return o.tipo == t && (!colore || o.colore == *colore); });
        return v;
    }
    static std::array<double, 4> angoli(const Operazione& o) { return {o.x1, o.y1, o.x2, o.y2}; }
};

}  // namespace

TEST_F(Passo, WorkedGeometryOfA15x10Grid) {
    Stato s = statoCon(std::vector<std::string>(10, std::string(15, 'A')));
    s.nomeFile = "/giochi/a.trmo";
    EXPECT_EQ(disegna(s), "Quadrivo - Cruciverba 15x10  /giochi/a.trmo");
    EXPECT_EQ(s.latoCasella, 63);
    EXPECT_EQ(s.xGriglia, 36);
    EXPECT_EQ(s.yGriglia, 39);
    ASSERT_GE(sup.operazioni.size(), 3u);
    EXPECT_EQ(sup.operazioni[0].tipo, Operazione::pulisci);
    EXPECT_EQ(sup.operazioni[1].colore, bianco);
    EXPECT_EQ(angoli(sup.operazioni[1]), (std::array<double, 4>{34, 37, 36 + 945 + 2, 39 + 630 + 2}));
    EXPECT_EQ(sup.operazioni[2].colore, rossoScuro);
    EXPECT_EQ(angoli(sup.operazioni[2]), (std::array<double, 4>{33, 36, 36 + 945 + 3, 39 + 630 + 3}));
    // 150 cell outlines, one frame line with no extra thickness
    EXPECT_EQ(di(Operazione::rettangolo, nero).size(), 150u);
    EXPECT_EQ(di(Operazione::rettangolo, rossoScuro).size(), 1u);
}

TEST_F(Passo, FrameThicknessAddsOutlines) {
    Stato s = statoCon({"AB", "CD"});
    s.SpessoreBordo = 3;
    disegna(s);
    auto rossi = di(Operazione::rettangolo, rossoScuro);
    ASSERT_EQ(rossi.size(), 4u);
    EXPECT_EQ(rossi[3].x1, s.xGriglia - 5);
    EXPECT_EQ(rossi[3].y1, s.yGriglia - 5);
}

TEST_F(Passo, BlackSquareInset) {
    // 99 and 100 leave one pixel; below, the inset is the remaining share of the cell
    for (auto [percentuale, quota] : std::vector<std::pair<int, double>>{{99, -1}, {100, -1}, {80, 10}, {0, 50}}) {
        Stato s = statoCon({"A#", "CD"});
        s.PercentualeRiquadro = static_cast<std::int16_t>(percentuale);
        sup.operazioni.clear();
        disegna(s);
        const double L = s.latoCasella, atteso = quota < 0 ? 1 : L * quota / 100;
        auto neri = di(Operazione::rettangoloPieno, nero);
        ASSERT_EQ(neri.size(), 1u) << percentuale;
        EXPECT_DOUBLE_EQ(neri[0].x1, s.xGriglia + L + atteso) << percentuale;
        EXPECT_DOUBLE_EQ(neri[0].y2, s.yGriglia + L - atteso) << percentuale;
    }
}

TEST_F(Passo, LettersCentredWithTheMinimumSize) {
    Stato s = statoCon({"AB", "CD"}, {"A.", ".D"});
    s.AltezzaCaratteri = 5;  // far below the 6-point floor
    area = {200, 200, 30, 20};
    s.DistanzaDaCentro = 10;
    disegna(s);
    auto testi = di(Operazione::scritta);
    ASSERT_GE(testi.size(), 2u);
    EXPECT_EQ(testi[0].testo, "A");
    EXPECT_EQ(testi[0].carattere.dimensione, 6);
    EXPECT_EQ(testi[0].carattere.nome, "Arial");
    const double L = s.latoCasella;
    // The fake measures 0.6 x 6 = 3.6 wide and 9 high: halves 1.8 -> 2 and 4.5 -> 4.
    EXPECT_DOUBLE_EQ(testi[0].x1, s.xGriglia + L / 2 - 2);
    EXPECT_DOUBLE_EQ(testi[0].y1, s.yGriglia + L / 2 - 4 + L * 10 / 100);
    EXPECT_EQ(testi[1].testo, "D");
}

TEST_F(Passo, NumberingWordsAndTypes) {
    Stato s = statoCon({"CASA", "A#RE", "SOLE"});
    s.AltezzaNumeri = 20;
    s.DistanzaDaSpigolo = 10;
    disegna(s);
    const int N = casellaNera, B = casellaBianca, O = inizioOrizzontale, V = inizioVerticale, E = inizioEntrambe;
    // the last column is never an across start; (1, 2) is a one-letter run beside a black cell
    const int tipi[3][4] = {{E, B, V, V}, {B, N, O, B}, {O, B, B, B}};
    const int numero[3][4] = {{1, 0, 2, 3}, {0, 0, 4, 0}, {5, 0, 0, 0}};
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 4; ++c) {
            EXPECT_EQ(s.tipoCasella[c][r], tipi[r - 1][c - 1]) << c << "," << r;
            EXPECT_EQ(s.numeroCasella[c][r], numero[r - 1][c - 1]) << c << "," << r;
        }
    EXPECT_EQ(s.parolaSoluzione[1][1][1], "CASA");
    EXPECT_EQ(s.parolaSoluzione[2][1][1], "ASA");  // every white cell followed by a white cell
    EXPECT_EQ(s.parolaSoluzione[1][1][2], "CAS");
    EXPECT_EQ(s.parolaSoluzione[2][1][2], "");
    EXPECT_EQ(s.parolaSoluzione[4][3][1], "");
    EXPECT_EQ(sup.testi(), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    const Operazione due = di(Operazione::scritta)[1];
    const double L = s.latoCasella;
    EXPECT_DOUBLE_EQ(due.x1, s.xGriglia + 2 * L + 2 + L * 10 / 100);
    EXPECT_DOUBLE_EQ(due.y1, s.yGriglia + L * 10 / 100);
    EXPECT_DOUBLE_EQ(due.carattere.dimensione, L / 100 * 20);
}

TEST_F(Passo, BlackSolutionWithALetterShowsTheLetter) {
    Stato s = statoCon({"A#", "CD"}, {".X"});
    disegna(s);
    EXPECT_TRUE(di(Operazione::rettangoloPieno, nero).empty());
    EXPECT_EQ(sup.testi().front(), "X");
}

TEST_F(Passo, WhiteCellWithABlackEntryEndsTheProgram) {
    Stato s = statoCon({"AB", "CD"}, {"A#"});
    EXPECT_THROW(disegna(s), ProgrammaTerminato);
    ASSERT_EQ(piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(piattaforma.messaggi[0].testo, "Tipo di file non valido: Esecuzione terminata!");
}

TEST_F(Passo, LongLinesDrawMoreCellsThanTheNumberingSees) {
    Stato s = statoCon({"ABCD", "EFGH"});
    s.nColonne = 2;
    disegna(s);
    EXPECT_EQ(di(Operazione::rettangolo, nero).size(), 8u);
    EXPECT_EQ(s.parolaSoluzione[1][1][1], "AB");
    EXPECT_EQ(s.tipoCasella[3][1], 0);
}

TEST(Disposizione, FrameStaysInsideTheDrawingArea) {
    Stato s;
    s.nColonne = 26;
    s.nRighe = 16;
    // 1,264 / 26 rounds up to 49: the frame would end on pixel 1,280 of a 1,280-pixel area.
    const GeometriaSchema g = geometriaFinestra(s, {1280, 1000, 30, 20});
    EXPECT_EQ(g.lato, 48);
    EXPECT_EQ(g.x0, 16);
    EXPECT_LE(g.x0 + 26 * g.lato + 3, 1279);
    // At 1,024 the frame just fits: the cell keeps its rounded size.
    EXPECT_EQ(geometriaFinestra(s, {1024, 1000, 30, 20}).lato, 39);
    // Two extra lines end on its last pixel and still fit.
    s.SpessoreBordo = 2;
    EXPECT_EQ(geometriaFinestra(s, {1024, 1000, 30, 20}).lato, 39);
    // Three extra lines there would end one pixel past it.
    s.SpessoreBordo = 3;
    const GeometriaSchema spesso = geometriaFinestra(s, {1024, 1000, 30, 20});
    EXPECT_EQ(spesso.lato, 38);
    EXPECT_EQ(spesso.x0, 18);
}

TEST(Disposizione, ThickFrameOfATallGridClearsTheBars) {
    Stato s;
    s.nColonne = 2;
    s.nRighe = 16;
    // (700 - 30 - 20 - 18) / 16 = 39.5 rounds to 40: a plain frame fits between the bars...
    EXPECT_EQ(geometriaFinestra(s, {1000, 700, 30, 20}).lato, 40);
    // ...three extra lines would reach one row into the toolbar.
    s.SpessoreBordo = 3;
    const GeometriaSchema g = geometriaFinestra(s, {1000, 700, 30, 20});
    EXPECT_EQ(g.lato, 39);
    EXPECT_EQ(g.y0, 42);
}

TEST_F(Passo, DecorationsReachTheirCellAndPauseHidesLetters) {
    Stato s = statoCon({"AB", "CD"}, {"A.", ".D"});
    DecorazioniGriglia d;
    d.segni[2][1] = segnoParolaCorrente;
    d.lettereNascoste = true;
    disegna(s, d);
    const StileSchema stile;
    const auto velo = di(Operazione::rettangoloPieno, stile.coloreParola);
    ASSERT_EQ(velo.size(), 1u);
    EXPECT_EQ(velo[0].x1, s.xGriglia + s.latoCasella + 1);
    EXPECT_EQ(velo[0].y1, s.yGriglia + 1);
    EXPECT_EQ(sup.testi(), (std::vector<std::string>{"1", "2", "3"}));  // numbers only
}
