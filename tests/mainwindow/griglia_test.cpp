#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/griglia.h"
#include "model/piattaforma_registro.h"
#include "model/superficie_registro.h"

using namespace quadrivo;

namespace {

// A state holding the given grid: solution letters with '#' for black, entries '.' by default.
Stato statoCon(const std::vector<std::string>& soluzioni, const std::vector<std::string>& ins = {}) {
    Stato s;
    s.nRighe = static_cast<std::int16_t>(soluzioni.size());
    s.nColonne = static_cast<std::int16_t>(soluzioni[0].size());
    for (size_t r = 0; r < soluzioni.size(); ++r) {
        std::string riga;
        for (size_t c = 0; c < soluzioni[r].size(); ++c) {
            char sol = soluzioni[r][c] == '#' ? '*' : soluzioni[r][c];
            char e = sol == '*' ? '*' : '.';
            if (r < ins.size() && c < ins[r].size()) e = ins[r][c] == '#' ? '*' : ins[r][c];
            riga += sol;
            riga += e;
        }
        s.righeFile[4 + r] = riga;
    }
    return s;
}

struct Passo : ::testing::Test {
    SuperficieRegistro sup{1016, 700};
    PiattaformaRegistro piattaforma;
    AreaFinestra area{1016, 700, 30, 20};

    std::string disegna(Stato& s) { return disegnaGriglia(s, sup, piattaforma, area); }

    std::vector<Operazione> di(Operazione::Tipo t) const {
        std::vector<Operazione> v;
        std::copy_if(sup.operazioni.begin(), sup.operazioni.end(), std::back_inserter(v),
                     [t](const Operazione& o) { return o.tipo == t; });
        return v;
    }
    std::vector<Operazione> pieniNeri() const {
        std::vector<Operazione> v;
        for (const Operazione& o : di(Operazione::rettangoloPieno))
            if (o.colore == nero) v.push_back(o);
        return v;
    }
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
    const Operazione& fondo = sup.operazioni[1];
    EXPECT_EQ(fondo.tipo, Operazione::rettangoloPieno);
    EXPECT_EQ(fondo.colore, bianco);
    EXPECT_EQ(fondo.x1, 34);
    EXPECT_EQ(fondo.y1, 37);
    EXPECT_EQ(fondo.x2, 36 + 945 + 2);
    EXPECT_EQ(fondo.y2, 39 + 630 + 2);
    const Operazione& cornice = sup.operazioni[2];
    EXPECT_EQ(cornice.colore, rossoScuro);
    EXPECT_EQ(cornice.x1, 33);
    EXPECT_EQ(cornice.y2, 39 + 630 + 3);
    // 150 cell outlines, one frame line, no extra thickness
    auto box = di(Operazione::rettangolo);
    EXPECT_EQ(std::count_if(box.begin(), box.end(), [](auto& o) { return o.colore == nero; }), 150);
    EXPECT_EQ(std::count_if(box.begin(), box.end(), [](auto& o) { return o.colore == rossoScuro; }), 1);
}

TEST_F(Passo, FrameThicknessAddsOutlines) {
    Stato s = statoCon({"AB", "CD"});
    s.SpessoreBordo = 3;
    disegna(s);
    auto box = di(Operazione::rettangolo);
    std::vector<Operazione> rossi;
    std::copy_if(box.begin(), box.end(), std::back_inserter(rossi), [](auto& o) { return o.colore == rossoScuro; });
    ASSERT_EQ(rossi.size(), 4u);
    EXPECT_EQ(rossi[3].x1, s.xGriglia - 5);
    EXPECT_EQ(rossi[3].y1, s.yGriglia - 5);
}

TEST_F(Passo, BlackSquareInset) {
    for (auto [percentuale, inset] : std::vector<std::pair<int, double>>{{99, 1}, {100, 1}, {80, -1}, {0, -2}}) {
        Stato s = statoCon({"A#", "CD"});
        s.PercentualeRiquadro = static_cast<std::int16_t>(percentuale);
        sup.operazioni.clear();
        disegna(s);
        const double L = s.latoCasella;
        double atteso = inset == -1 ? L * 10 / 100 : inset == -2 ? L * 50 / 100 : inset;
        auto neri = pieniNeri();
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
    EXPECT_EQ(s.tipoCasella[1][1], inizioEntrambe);
    EXPECT_EQ(s.tipoCasella[2][1], casellaBianca);
    EXPECT_EQ(s.tipoCasella[3][1], inizioVerticale);
    EXPECT_EQ(s.tipoCasella[4][1], inizioVerticale);
    EXPECT_EQ(s.tipoCasella[2][2], casellaNera);
    EXPECT_EQ(s.tipoCasella[3][2], inizioOrizzontale);
    EXPECT_EQ(s.tipoCasella[1][3], inizioOrizzontale);
    EXPECT_EQ(s.tipoCasella[4][2], casellaBianca);  // last column: never an across start
    EXPECT_EQ(s.numeroCasella[1][1], 1);
    EXPECT_EQ(s.numeroCasella[3][1], 2);
    EXPECT_EQ(s.numeroCasella[4][1], 3);
    EXPECT_EQ(s.numeroCasella[3][2], 4);
    EXPECT_EQ(s.numeroCasella[1][3], 5);
    EXPECT_EQ(s.numeroCasella[1][2], 0);  // one-letter run between the edge and a black cell
    EXPECT_EQ(s.parolaSoluzione[1][1][1], "CASA");
    EXPECT_EQ(s.parolaSoluzione[2][1][1], "ASA");  // every white cell followed by a white cell
    EXPECT_EQ(s.parolaSoluzione[1][1][2], "CAS");
    EXPECT_EQ(s.parolaSoluzione[2][1][2], "");
    EXPECT_EQ(s.parolaSoluzione[4][3][1], "");
    auto testi = sup.testi();
    EXPECT_EQ(testi, (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    auto numeri = di(Operazione::scritta);
    const double L = s.latoCasella;
    EXPECT_DOUBLE_EQ(numeri[1].x1, s.xGriglia + 2 * L + 2 + L * 10 / 100);
    EXPECT_DOUBLE_EQ(numeri[1].y1, s.yGriglia + L * 10 / 100);
    EXPECT_DOUBLE_EQ(numeri[1].carattere.dimensione, L / 100 * 20);
}

TEST_F(Passo, BlackSolutionWithALetterShowsTheLetter) {
    Stato s = statoCon({"A#", "CD"}, {".X"});
    disegna(s);
    EXPECT_TRUE(pieniNeri().empty());
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
    auto box = di(Operazione::rettangolo);
    EXPECT_EQ(std::count_if(box.begin(), box.end(), [](auto& o) { return o.colore == nero; }), 8);
    EXPECT_EQ(s.parolaSoluzione[1][1][1], "AB");
    EXPECT_EQ(s.tipoCasella[3][1], 0);
}
