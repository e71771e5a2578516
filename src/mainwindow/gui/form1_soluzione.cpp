// Form1's solving handlers: hover, the word dialog from a click or the menu, clearing. The
// behaviour lives in Solutore; this file is its view over the window's widgets.
#include <cmath>

#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/form1.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "solving/gui/tessodef.h"
#include "solving/lessico.h"

namespace quadrivo {

double Form1::larghezzaSuperficie() { return area_->width(); }
Puntatore Form1::puntatore() { return piattaforma_.puntatore(); }
void Form1::mostraPuntatore(Puntatore p) { piattaforma_.impostaPuntatore(p); }

double Form1::larghezzaEtichetta(const std::string& didascalia) {
    impostaTestoLabel1(didascalia);
    return Label1->width();
}

void Form1::mostraEtichetta(const std::string& didascalia, double x, double y) {
    if (Label1->text() != QString::fromStdString(didascalia)) impostaTestoLabel1(didascalia);
    Label1->move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    Label1->show();
}

void Form1::nascondiEtichetta() { nascondiLabel1(); }

void Form1::mostraRettangolo(const RettangoloParola& r) {
    Shape1->impostaColore(r.colore);
    Shape1->setGeometry(static_cast<int>(std::lround(r.sinistra)), static_cast<int>(std::lround(r.alto)),
                        std::max(0, static_cast<int>(std::lround(r.larghezza))),
                        std::max(0, static_cast<int>(std::lround(r.altezza))));
    Shape1->show();
}

void Form1::nascondiRettangolo() { Shape1->hide(); }

std::optional<SceltaParola> Form1::apriDialogo(const VoceDialogo& voce) {
    TessoDef dialogo(voce, piattaforma_, [this](const std::string& maschera, VistaRicerca& vista) {
        // The index is built at the first search, not at start-up.
        if (!stato_.indiceParole) caricaLessico(stato_, piattaforma_);
        cercaNelLessico(stato_, piattaforma_, maschera, vista);
    }, this);
    dialogo.impostaElenco([this](ModoRicerca modo, const std::string& maschera) {
        if (!stato_.indiceParole && !caricaLessico(stato_, piattaforma_)) {
            const std::string percorso = stato_.cartellaProgramma + stato_.fileLessico;
            const std::string motivo = motivoLessico(percorso);
            piattaforma_.messaggio("Impossibile usare il dizionario " + stato_.fileLessico + " (" +
                                       (motivo.empty() ? "memoria insufficiente" : motivo) + "): la ricerca non è possibile.",
                                   {}, Icona::attenzione, Pulsanti::ok);
        }
        return elencoParole(stato_, modo, maschera);
    });
    dialogo.exec();
    return dialogo.scelta();
}

void Form1::ridisegnaToolbar() { Toolbar1->repaint(); }
void Form1::chiudiAnteprima() { Command3d15_Click(); }
void Form1::dialogoChiuso(const std::optional<SceltaParola>& scelta) { sessione_->applicaDialogo(scelta); }
void Form1::azzera() { sessione_->azzera(); }

void Form1::movimentoMouse(double x, double y) { solutore_.movimentoMouse(x, y); }

void Form1::pressioneMouse(int pulsante, double x, double y) {
    if (tastiera_->clic(pulsante, x, y)) return;
    solutore_.pressioneMouse(pulsante, x, y);
}

void Form1::MenuParola_Click() {
    const Parola* w = sessione_->parolaCorrente();
    if (!w || sessione_->modo() != ModoVista::griglia) return;
    solutore_.apriParola(w->colonna, w->riga, w->direzione);
}

void Form1::nascondiPassaggio() { solutore_.nascondiPassaggio(); }

void Form1::Label1_MouseMove() { solutore_.movimentoSuControllo(); }

void Form1::MenuAzzera_Click() { solutore_.azzeraSoluzioni(); }

void Form1::MenuCS_Click() {
    if (sessione_->modo() == ModoVista::anteprima) Command3d15_Click();
    piattaforma_.messaggio(sessione_->messaggioVerifica(), {}, Icona::nessuna, Pulsanti::ok);
}

}  // namespace quadrivo
