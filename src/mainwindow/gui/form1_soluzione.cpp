// Form1's solving commands: hovering and pressing on the grid, the word dialog from the menu,
// clearing and the solution check. The behaviour lives in Solutore and the session.
#include <QApplication>
#include <QTimer>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/form1.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"

namespace quadrivo {

void Form1::movimentoMouse(double x, double y) { vistaPassaggio_->solutore().movimentoMouse(x, y); }

void Form1::pressioneMouse(int pulsante, double x, double y) {
    if (tastiera_->clic(pulsante, x, y)) return;
    vistaPassaggio_->solutore().pressioneMouse(pulsante, x, y);
}

void Form1::MenuParola_Click() {
    const Parola* w = sessione_->parolaCorrente();
    if (!w || sessione_->modo() != ModoVista::griglia) return;
    vistaPassaggio_->solutore().apriParola(w->colonna, w->riga, w->direzione);
}

void Form1::nascondiPassaggio() { vistaPassaggio_->solutore().nascondiPassaggio(); }

void Form1::lasciaLaGriglia() {
    nascondiPassaggio();
    lasciaAnteprima();
    nascondiLabel1();
}

void Form1::tornaAllaGriglia() {
    if (!sessione_->aperto() || sessione_->modo() != ModoVista::griglia) return;
    // Focus moves once the closing dialog has let go of the keyboard.
    QTimer::singleShot(0, this, [this] {
        if (isEnabled() && !QApplication::activeModalWidget()) area_->setFocus(Qt::OtherFocusReason);
    });
}

void Form1::nascondiLabel1() { vistaPassaggio_->nascondiEtichetta(); }

bool Form1::label1Visibile() const { return vistaPassaggio_->etichettaVisibile(); }

void Form1::MenuAzzera_Click() { vistaPassaggio_->solutore().azzeraSoluzioni(); }

void Form1::MenuCS_Click() {
    lasciaAnteprima();
    piattaforma_.messaggio(sessione_->messaggioVerifica(), {}, Icona::nessuna, Pulsanti::ok);
}

}  // namespace quadrivo
