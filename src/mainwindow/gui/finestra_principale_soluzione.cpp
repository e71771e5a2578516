// The main window's solving commands: hovering and pressing on the grid, the word dialog from the menu,
// clearing and the solution check. The behaviour lives in Solutore and the session.
#include <QApplication>
#include <QTimer>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/finestra_principale.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"

namespace quadrivo {

void FinestraPrincipale::movimentoMouse(double x, double y) { vistaPassaggio_->solutore().movimentoMouse(x, y); }

void FinestraPrincipale::pressioneMouse(int pulsante, double x, double y) {
    if (tastiera_->clic(pulsante, x, y)) return;
    vistaPassaggio_->solutore().pressioneMouse(pulsante, x, y);
}

void FinestraPrincipale::scriviParola() {
    const Parola* w = sessione_->parolaCorrente();
    if (!w || sessione_->modo() != ModoVista::griglia) return;
    vistaPassaggio_->solutore().apriParola(w->colonna, w->riga, w->direzione);
}

void FinestraPrincipale::mostraAnteprima() { stampa_->mostraAnteprima(); }

void FinestraPrincipale::lasciaAnteprima() { stampa_->lascia(); }

void FinestraPrincipale::nascondiPassaggio() { vistaPassaggio_->solutore().nascondiPassaggio(); }

void FinestraPrincipale::lasciaLaGriglia() {
    nascondiPassaggio();
    lasciaAnteprima();
    nascondiEtichettaPassaggio();
}

void FinestraPrincipale::tornaAllaGriglia() {
    if (!sessione_->aperto() || sessione_->modo() != ModoVista::griglia) return;
    // Focus moves once the closing dialog has let go of the keyboard.
    QTimer::singleShot(0, this, [this] {
        if (isEnabled() && !QApplication::activeModalWidget()) area_->setFocus(Qt::OtherFocusReason);
    });
}

void FinestraPrincipale::nascondiEtichettaPassaggio() { vistaPassaggio_->nascondiEtichetta(); }

bool FinestraPrincipale::etichettaPassaggioVisibile() const { return vistaPassaggio_->etichettaVisibile(); }

void FinestraPrincipale::azzeraSoluzioni() { vistaPassaggio_->solutore().azzeraSoluzioni(); }

void FinestraPrincipale::controllaSoluzioni() {
    lasciaAnteprima();
    piattaforma_.messaggio(sessione_->messaggioVerifica(), {}, Icona::nessuna, Pulsanti::ok);
}

}  // namespace quadrivo
