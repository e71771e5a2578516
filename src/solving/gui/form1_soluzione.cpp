// Form1's solving handlers: hover, clicks on the grid, direct typing, check and clear. The
// behaviour lives in Solutore; this file shows it with the window's widgets.
#include <QKeyEvent>
#include <QPalette>
#include <QTimer>
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
    // Texts the program puts into the typing boxes are not the player's typing.
    bool impostando = false;

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

    void mostraCasella(int i, const GeometriaCasella& g, const std::string& testo,
                       const std::string& suggerimento) override {
        QLineEdit* t = f_.Text1[static_cast<size_t>(i)];
        impostando = true;
        t->setText(QString::fromStdString(testo));
        impostando = false;
        const int lato = static_cast<int>(std::lround(g.lato));
        t->setGeometry(static_cast<int>(std::lround(g.sinistra)), static_cast<int>(std::lround(g.alto)), lato, lato);
        QFont font = t->font();
        font.setPointSizeF(std::max(1.0, g.dimensioneFont));
        t->setFont(font);
        t->setToolTip(QString::fromStdString(suggerimento));
        QPalette tavolozza = t->palette();
        tavolozza.setColor(QPalette::Base, QColor(255, 255, 0));
        tavolozza.setColor(QPalette::Text, Qt::black);
        t->setPalette(tavolozza);
        t->show();
        t->raise();
    }
    void nascondiCasella(int i) override { f_.Text1[static_cast<size_t>(i)]->hide(); }
    bool casellaVisibile(int i) override { return !f_.Text1[static_cast<size_t>(i)]->isHidden(); }
    std::string testoCasella(int i) override { return f_.Text1[static_cast<size_t>(i)]->text().toStdString(); }
    void impostaTestoCasella(int i, const std::string& testo) override {
        impostando = true;
        f_.Text1[static_cast<size_t>(i)]->setText(QString::fromStdString(testo));
        impostando = false;
    }
    void fuocoCasella(int i) override { f_.Text1[static_cast<size_t>(i)]->setFocus(Qt::OtherFocusReason); }

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

void Form1::salvaporizz() { soluzione().solutore.salvaporizz(); }

void Form1::Nasconditext() { soluzione().solutore.Nasconditext(); }

void Form1::Text1_KeyDown(int indice, QKeyEvent* e) {
    QKeyEvent& evento = *e;
    Tasto tasto = Tasto::altro;
    char32_t carattere = 0;
    switch (evento.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: tasto = Tasto::invio; break;
    case Qt::Key_Escape: tasto = Tasto::esc; break;
    case Qt::Key_Left: tasto = Tasto::sinistra; break;
    case Qt::Key_Up: tasto = Tasto::su; break;
    case Qt::Key_Right: tasto = Tasto::destra; break;
    case Qt::Key_Down: tasto = Tasto::giu; break;
    case Qt::Key_Backspace: tasto = Tasto::cancellaIndietro; break;
    default: {
        // Shortcuts with Ctrl or Alt are not typing; Delete, Tab and the like go to the box.
        const QString testo = evento.text();
        const bool comando = evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!comando && !testo.isEmpty() && testo.front().isPrint()) {
            tasto = Tasto::carattere;
            carattere = testo.toUcs4().value(0);
        }
    }
    }
    e->setAccepted(soluzione().solutore.tastoCasella(indice, tasto, carattere));
}

void Form1::Text1_Change(int indice) {
    SoluzioneForm1& s = soluzione();
    if (s.impostando) return;
    QLineEdit* t = Text1[static_cast<size_t>(indice)];
    s.solutore.casellaModificata(indice, t->text().toStdString(), t->cursorPosition());
}

void Form1::Text1_GotFocus(int indice) {
    // Later than the click that brought the focus, which would place the caret instead.
    QTimer::singleShot(0, Text1[static_cast<size_t>(indice)], &QLineEdit::selectAll);
}

void Form1::Text1_MouseMove(int) { soluzione().solutore.movimentoSuControllo(); }

void Form1::Label1_MouseMove() { soluzione().solutore.movimentoSuControllo(); }

void Form1::MenuAzzera_Click() {
    if (soluzione().solutore.azzeraSoluzioni()) dopoAzzeramento();
}

}  // namespace quadrivo
