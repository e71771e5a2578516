// Form1's solving handlers: hover, the word dialog from a click or the menu, check and clear.
// The behaviour lives in Solutore; this file shows it with the window's widgets.
#include <cmath>

#include "mainwindow/gui/form1.h"
#include "solving/lessico.h"
#include "solving/solutore.h"
#include "solving/gui/tessodef.h"

namespace quadrivo {

class SoluzioneForm1 : public QObject, public VistaSolutore {
    Form1& f_;

public:
    explicit SoluzioneForm1(Form1& f) : QObject(&f), f_(f), solutore(f.stato(), f.piattaforma(), *this) {}

    Solutore solutore;

    double larghezzaSuperficie() override { return f_.area()->width(); }
    Puntatore puntatore() override { return f_.piattaforma().puntatore(); }
    void mostraPuntatore(Puntatore p) override { f_.piattaforma().impostaPuntatore(p); }

    double larghezzaEtichetta(const std::string& didascalia) override {
        f_.impostaTestoLabel1(didascalia);
        return f_.Label1->width();
    }
    void mostraEtichetta(const std::string& didascalia, double x, double y) override {
        if (f_.Label1->text() != QString::fromStdString(didascalia)) f_.impostaTestoLabel1(didascalia);
        f_.Label1->move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
        f_.Label1->show();
    }
    void nascondiEtichetta() override { f_.nascondiLabel1(); }

    void mostraRettangolo(const RettangoloParola& r) override {
        f_.Shape1->impostaColore(r.colore);
        f_.Shape1->setGeometry(static_cast<int>(std::lround(r.sinistra)), static_cast<int>(std::lround(r.alto)),
                               std::max(0, static_cast<int>(std::lround(r.larghezza))),
                               std::max(0, static_cast<int>(std::lround(r.altezza))));
        f_.Shape1->show();
    }
    void nascondiRettangolo() override { f_.Shape1->hide(); }

    std::optional<SceltaParola> apriDialogo(const VoceDialogo& voce) override {
        Stato& stato = f_.stato();
        Piattaforma& piattaforma = f_.piattaforma();
        TessoDef dialogo(voce, piattaforma, [&stato, &piattaforma](const std::string& maschera, VistaRicerca& vista) {
            cercaNelLessico(stato, piattaforma, maschera, vista);
        }, &f_);
        dialogo.exec();
        return dialogo.scelta();
    }
    void ridisegnaToolbar() override { f_.Toolbar1->repaint(); }
    void disegnaGriglia() override { f_.disegnaGriglia(); }
    void chiudiAnteprima() override { f_.Command3d15_Click(); }
};

SoluzioneForm1& Form1::soluzione() {
    if (!soluzione_) soluzione_ = new SoluzioneForm1(*this);
    return *soluzione_;
}

void Form1::movimentoMouse(double x, double y) { soluzione().solutore.movimentoMouse(x, y); }

void Form1::pressioneMouse(int pulsante, double x, double y) {
    if (clicGriglia(pulsante, x, y)) return;
    soluzione().solutore.pressioneMouse(pulsante, x, y);
}

void Form1::MenuParola_Click() {
    const Parola* w = parolaCorrente();
    if (!w || stato_.grigliaAttiva != 1) return;
    soluzione().solutore.apriParola(w->colonna, w->riga, w->direzione);
}

void Form1::nascondiPassaggio() { soluzione().solutore.nascondiPassaggio(); }

void Form1::Label1_MouseMove() { soluzione().solutore.movimentoSuControllo(); }

void Form1::MenuAzzera_Click() {
    if (soluzione().solutore.azzeraSoluzioni()) dopoAzzeramento();
}

}  // namespace quadrivo
