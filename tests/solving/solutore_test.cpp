#include <gtest/gtest.h>

#include <map>

#include "schema_prova.h"
#include "solving/controllo.h"
#include "solving/solutore.h"

using namespace quadrivo;
using prova::SchemaProva;

namespace {

// The window's widgets reduced to what the solver sees of them.
struct VistaProva : VistaSolutore {
    struct Casella {
        bool visibile = false;
        GeometriaCasella g;
        std::string testo, suggerimento;
    };
    Puntatore forma = Puntatore::predefinito;
    bool etichetta = false;
    std::string didascalia;
    bool rettangolo = false;
    RettangoloParola r;
    std::map<int, Casella> caselle;
    int fuoco = 0;
    int dialoghi = 0, toolbar = 0, disegni = 0, anteprimeChiuse = 0;
    std::function<void()> dialogo;  // what the player does in the dialog
    std::function<void()> ridisegno;

    double larghezzaSuperficie() override { return 1000; }
    Puntatore puntatore() override { return forma; }
    void mostraPuntatore(Puntatore p) override { forma = p; }
    double larghezzaEtichetta(const std::string& d) override { return 7.0 * static_cast<double>(d.size()); }
    void mostraEtichetta(const std::string& d, double, double) override {
        etichetta = true;
        didascalia = d;
    }
    void nascondiEtichetta() override { etichetta = false; }
    void mostraRettangolo(const RettangoloParola& x) override {
        rettangolo = true;
        r = x;
    }
    void nascondiRettangolo() override { rettangolo = false; }
    void mostraCasella(int i, const GeometriaCasella& g, const std::string& t, const std::string& s) override {
        caselle[i] = {true, g, t, s};
    }
    void nascondiCasella(int i) override { caselle[i].visibile = false; }
    bool casellaVisibile(int i) override { return caselle[i].visibile; }
    std::string testoCasella(int i) override { return caselle[i].testo; }
    void impostaTestoCasella(int i, const std::string& t) override { caselle[i].testo = t; }
    void fuocoCasella(int i) override { fuoco = i; }
    void apriDialogo() override {
        ++dialoghi;
        if (dialogo) dialogo();
    }
    void ridisegnaToolbar() override { ++toolbar; }
    void disegnaGriglia() override {
        ++disegni;
        if (ridisegno) ridisegno();
    }
    void chiudiAnteprima() override { ++anteprimeChiuse; }

    int visibili() {
        int n = 0;
        for (auto& [i, c] : caselle) n += c.visibile;
        return n;
    }
};

struct Solutore_ : ::testing::Test {
    SchemaProva p{{"....#", "A#ORO", "N.#.#", "....#"}};
    Stato& s = p.stato;
    VistaProva vista;
    Solutore sol{s, p.piattaforma, vista};

    Solutore_() { vista.ridisegno = [this] { p.disponi(); }; }

    // Hover then press, as the player does.
    void clic(int pulsante, double x, double y) {
        sol.movimentoMouse(x, y);
        sol.pressioneMouse(pulsante, x, y);
    }
    // Typing into the focused box: the box's text becomes the letter and the solver is told.
    void digita(const std::string& lettere) {
        for (char ch : lettere) {
            if (sol.tastoCasella(vista.fuoco, Tasto::carattere, static_cast<unsigned char>(ch))) continue;
            const int i = vista.fuoco;
            vista.caselle[i].testo = std::string(1, ch);
            sol.casellaModificata(i, vista.caselle[i].testo, 1);
        }
    }
};

}  // namespace

TEST_F(Solutore_, HoverDrivesPointerLabelAndRectangleAndTheClickUsesItsDirection) {
    sol.movimentoMouse(110, 75);  // lower half of (1, 1): down
    EXPECT_EQ(vista.forma, Puntatore::frecciaVerticale);
    EXPECT_EQ(sol.direzionePassaggio(), Direzione::verticale);
    EXPECT_TRUE(vista.etichetta);
    EXPECT_EQ(vista.didascalia, "  1 vert. -Fedele amico ");
    EXPECT_TRUE(vista.rettangolo);
    sol.movimentoMouse(100 + 200, 60);  // outside: the rectangle stays
    EXPECT_EQ(vista.forma, Puntatore::predefinito);
    sol.pressioneMouse(pulsanteSinistro, SchemaProva::x(3), SchemaProva::y(2));
    EXPECT_EQ(vista.visibili(), 0);
    EXPECT_FALSE(vista.etichetta);
    EXPECT_TRUE(vista.rettangolo);
    sol.movimentoMouse(SchemaProva::x(2), SchemaProva::y(1));  // white cell without a start
    EXPECT_FALSE(vista.rettangolo);

    // A press without moving uses the direction shown last.
    sol.movimentoMouse(110, 75);
    sol.pressioneMouse(pulsanteSinistro, 110, 60);
    EXPECT_EQ(s.direzioneCorrente, verticale);
    EXPECT_EQ(vista.visibili(), 4);
    EXPECT_FALSE(vista.etichetta);
    EXPECT_EQ(vista.caselle[4].g, (GeometriaCasella{100, 140, 30, 15}));
}

TEST_F(Solutore_, TypingAWordAndEnterKeepsItInTheWorkingCopy) {
    clic(pulsanteSinistro, SchemaProva::x(1), SchemaProva::y(4));  // ERBA across, row 4
    ASSERT_EQ(vista.visibili(), 4);
    EXPECT_EQ(s.lunghezzaDigitazione, 4);
    EXPECT_EQ(vista.fuoco, 1);
    EXPECT_EQ(vista.caselle[1].testo, ".");
    EXPECT_EQ(vista.caselle[1].suggerimento, "Città d'erba");
    EXPECT_FALSE(vista.rettangolo);  // typing hides the word rectangle
    digita("er1b");                  // the digit never reaches a box
    EXPECT_EQ(vista.fuoco, 4);
    digita("a");
    EXPECT_EQ(vista.fuoco, 1);  // the last letter sends the focus back to the first box
    EXPECT_EQ(vista.caselle[1].testo, "E");
    EXPECT_TRUE(sol.tastoCasella(1, Tasto::invio));
    EXPECT_EQ(vista.visibili(), 0);
    EXPECT_EQ(p.inserimentiSalvati()[3], "ERBA#");
    EXPECT_EQ(prova::inserimenti(s)[3], "ERBA#");
    EXPECT_FALSE(s.fileModificato);  // typing alone is not a change to save
    EXPECT_GE(vista.disegni, 1);
}

TEST_F(Solutore_, EscDropsTheLettersAndAnEmptiedBoxKeepsItsCell) {
    clic(pulsanteSinistro, SchemaProva::x(3), SchemaProva::y(2));  // ORO, entered already
    EXPECT_EQ(vista.caselle[2].testo, "R");
    digita("xyz");
    EXPECT_TRUE(sol.tastoCasella(vista.fuoco, Tasto::esc));
    EXPECT_EQ(vista.visibili(), 0);
    EXPECT_EQ(p.inserimentiSalvati()[1], "A#ORO");
    // Esc leaves the default pointer: a press without moving opens nothing.
    EXPECT_EQ(vista.forma, Puntatore::predefinito);
    sol.pressioneMouse(pulsanteSinistro, SchemaProva::x(3), SchemaProva::y(2));
    EXPECT_EQ(vista.visibili(), 0);

    clic(pulsanteSinistro, SchemaProva::x(3), SchemaProva::y(2));
    vista.caselle[1].testo = "";  // character deleted
    vista.caselle[2].testo = "@";
    sol.tastoCasella(2, Tasto::invio);
    EXPECT_EQ(prova::inserimenti(s)[1], "A#O@O");
}

TEST_F(Solutore_, ANewPressFirstKeepsTheTypingThenHandlesItself) {
    clic(pulsanteSinistro, SchemaProva::x(1), SchemaProva::y(4));
    digita("er");
    clic(pulsanteSinistro, SchemaProva::x(3), SchemaProva::y(2));  // another word
    EXPECT_EQ(prova::inserimenti(s)[3], "ER..#");
    EXPECT_EQ(s.colonnaClic, 3);
    EXPECT_EQ(vista.visibili(), 3);
    // A press outside the grid keeps the letters too and opens nothing.
    digita("b");
    sol.pressioneMouse(pulsanteSinistro, 20, 20);
    EXPECT_EQ(prova::inserimenti(s)[1], "A#BRO");
    EXPECT_EQ(vista.visibili(), 0);
}

TEST_F(Solutore_, DialogRouteWritesTheWordAndAlwaysCountsAsAChange) {
    // CANE down from (1, 1): the player leaves the third box blank and confirms.
    vista.dialogo = [&] {
        EXPECT_EQ(s.parolaInserita[1][1][2], ".AN.");
        s.parolaInserita[1][1][2] = "CA E";
    };
    clic(pulsanteDestro, 110, 75);
    EXPECT_EQ(vista.dialoghi, 1);
    EXPECT_TRUE(s.fileModificato);
    EXPECT_EQ(p.inserimentiSalvati(), (std::vector<std::string>{"C...#", "A#ORO", "..#.#", "E...#"}));
    EXPECT_EQ(vista.toolbar, 2);

    // Cancelled: the entries go back unchanged, yet the puzzle counts as changed.
    s.fileModificato = false;
    vista.dialogo = nullptr;
    clic(pulsanteCentrale, SchemaProva::x(3), SchemaProva::y(2));
    EXPECT_EQ(vista.dialoghi, 2);
    EXPECT_TRUE(s.fileModificato);
    EXPECT_EQ(p.inserimentiSalvati()[1], "A#ORO");
}

TEST_F(Solutore_, PressesThatOpenNothing) {
    s.xGriglia = 0;  // nothing laid out yet
    clic(pulsanteSinistro, SchemaProva::x(3), SchemaProva::y(2));
    EXPECT_EQ(s.colonnaClic, 0);
    p.disponi();
    sol.movimentoMouse(SchemaProva::x(3), SchemaProva::y(2));
    s.grigliaAttiva = -1;  // a preview covers the grid
    sol.pressioneMouse(pulsanteDestro, SchemaProva::x(3), SchemaProva::y(2));
    EXPECT_EQ(vista.dialoghi, 0);
    EXPECT_EQ(vista.toolbar, 1);
    s.grigliaAttiva = 1;
    clic(pulsanteDestro, SchemaProva::x(2), SchemaProva::y(1));  // no word starts there
    EXPECT_EQ(vista.dialoghi, 0);
    EXPECT_FALSE(s.fileModificato);
    EXPECT_EQ(p.inserimentiSalvati()[0], "....#");
}

TEST_F(Solutore_, CheckClosesThePreviewFirstAndReportsWithTheClock) {
    s.grigliaAttiva = -1;
    sol.controllaSoluzioni();
    EXPECT_EQ(vista.anteprimeChiuse, 1);
    ASSERT_EQ(p.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(p.piattaforma.messaggi[0].testo,
              "Sul cruciverba ci sono 15 lettere; ci sono però ancora 10 lettere diverse o non risolte! (67% non "
              "risolto)");
    EXPECT_EQ(p.piattaforma.messaggi[0].pulsanti, Pulsanti::ok);
}

TEST_F(Solutore_, ClearAsksAndOnOkEmptiesTheGridAndRestartsTheClock) {
    s.inizioGioco = 5;
    p.piattaforma.ora = 500;
    p.piattaforma.risposte = {Risposta::annulla};
    sol.azzeraSoluzioni();
    ASSERT_EQ(p.piattaforma.messaggi.size(), 1u);
    EXPECT_EQ(p.piattaforma.messaggi[0].titolo, "Azzeramento soluzioni");
    EXPECT_EQ(p.piattaforma.messaggi[0].testo, domandaAzzeramento);
    EXPECT_EQ(p.piattaforma.messaggi[0].pulsanti, Pulsanti::okAnnulla);
    EXPECT_EQ(p.inserimentiSalvati()[1], "A#ORO");
    EXPECT_EQ(s.inizioGioco, 5);

    s.fileModificato = false;
    sol.azzeraSoluzioni();  // OK
    EXPECT_EQ(p.inserimentiSalvati(), (std::vector<std::string>{"....#", ".#...", "..#.#", "....#"}));
    EXPECT_EQ(s.inizioGioco, 500);
    EXPECT_FALSE(s.fileModificato);

    // Solve it all, then the check congratulates with the time since the clearing.
    for (int r = 1; r <= 4; ++r) {
        std::string& riga = s.rigaGriglia(r);
        for (size_t k = 0; k + 1 < riga.size(); k += 2) riga[k + 1] = riga[k];
    }
    p.piattaforma.ora = 500 + 61.9;
    sol.controllaSoluzioni();
    EXPECT_EQ(p.piattaforma.messaggi.back().testo, "Bravo! hai risolto il cruciverba in 1 minuti e 1 secondi");
}
