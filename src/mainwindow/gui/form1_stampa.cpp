// Form1's printing handlers: print, print preview and its close button, the layout dialog.
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/form1.h"
#include "mainwindow/finestra.h"
#include "model/numeri.h"
#include "printing/pagina.h"
#include "printing/gui/anteprima.h"
#include "printing/gui/settaggi.h"
#include "printing/gui/stampante.h"

namespace quadrivo {

void Form1::MenuStampa_Click() {
    lasciaLaGriglia();
    stampaSchema();
}

void Form1::MenuAnteprima_Click() { anteprimaStampa(); }

void Form1::stampaSchema() {
    // The printer keeps the style the font chooser gave it; the job sets face and sizes and
    // hands the bold flag back as it found it.
    Carattere stile;
    stile.nome = stato_.carattereStampante.nome;
    stile.corsivo = stato_.carattereStampante.corsivo;
    stile.grassetto = stato_.carattereStampante.grassetto;
    stampaConDialogo(this, sessione_->documento(), stato_, stile, piattaforma_);
    stato_.carattereStampante.grassetto = stile.grassetto;
}

void Form1::anteprimaStampa() {
    if (!sessione_->aperto()) return;
    nascondiPassaggio();
    piattaforma_.impostaPuntatore(Puntatore::clessidra);
    sessione_->impostaModo(ModoVista::anteprima);
    nascondiLabel1();
    disegnaPaginaAnteprima();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void Form1::disegnaPaginaAnteprima() {
    // The sheets as the printer draws them: its font style and the paper's own text measures.
    if (anteprima_->fogli()->sfondo() != area_->sfondo()) anteprima_->fogli()->impostaSfondo(area_->sfondo());
    anteprima_->mostra({stato_.nomeFont, superficie().carattere().dimensione, stato_.carattereStampante.grassetto,
                        stato_.carattereStampante.corsivo},
                       dataDiOggi());
}

void Form1::lasciaAnteprima() {
    if (sessione_->modo() == ModoVista::anteprima) Command3d15_Click();
}

void Form1::Command3d15_Click() {
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    nascondiLabel1();
    sessione_->impostaModo(ModoVista::griglia);
    area_->setFocus(Qt::OtherFocusReason);  // typing goes on where it was
    mettiGraficaAimenu();
}

void Form1::dopoCambioModo() {
    const bool anteprima = sessione_->modo() == ModoVista::anteprima;
    MenuUtil->menuAction()->setVisible(sessione_->aperto() && !anteprima);
    MenuModifica->menuAction()->setVisible(sessione_->aperto() && !anteprima);
    escAnteprima_->setEnabled(anteprima);
    anteprima_->setVisible(anteprima);
    if (anteprima) {
        anteprima_->setFocus(Qt::OtherFocusReason);  // the arrows and the page keys scroll the sheets
        Command3d15->adjustSize();
        Command3d15->move((area_->width() - Command3d15->width()) / 2, 1);
        Command3d15->show();
        Command3d15->raise();
    } else {
        Command3d15->hide();
    }
    disponiBarre();  // the page takes the whole area: the clue column goes
    disegnaGriglia();
}

void Form1::menusetschema_Click() {
    Settaggi dialogo(stato_, piattaforma_, this);
    dialogo.exec();
    disegnaGriglia();
}

}  // namespace quadrivo
