// The main window's printing commands: print, print preview and its close button, the layout dialog.
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/finestra_principale.h"
#include "mainwindow/finestra.h"
#include "model/numeri.h"
#include "printing/pagina.h"
#include "printing/gui/anteprima.h"
#include "printing/gui/settaggi.h"
#include "printing/gui/stampante.h"

namespace quadrivo {

void FinestraPrincipale::stampa() {
    lasciaLaGriglia();
    stampaSchema();
}

void FinestraPrincipale::mostraAnteprima() { anteprimaStampa(); }

void FinestraPrincipale::stampaSchema() {
    // The printer keeps the style the font chooser gave it; the job sets face and sizes and
    // hands the bold flag back as it found it.
    Carattere stile;
    stile.nome = stato_.carattereStampante.nome;
    stile.corsivo = stato_.carattereStampante.corsivo;
    stile.grassetto = stato_.carattereStampante.grassetto;
    stampaConDialogo(this, stato_, stile, piattaforma_);
    stato_.carattereStampante.grassetto = stile.grassetto;
}

void FinestraPrincipale::anteprimaStampa() {
    if (!sessione_->aperto()) return;
    nascondiPassaggio();
    piattaforma_.impostaPuntatore(Puntatore::clessidra);
    sessione_->impostaModo(ModoVista::anteprima);
    nascondiEtichettaPassaggio();
    disegnaPaginaAnteprima();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void FinestraPrincipale::disegnaPaginaAnteprima() {
    // The sheets as the printer draws them: its font style and the paper's own text measures.
    if (anteprima_->fogli()->sfondo() != area_->sfondo()) anteprima_->fogli()->impostaSfondo(area_->sfondo());
    anteprima_->mostra({stato_.nomeFont, superficie().carattere().dimensione, stato_.carattereStampante.grassetto,
                        stato_.carattereStampante.corsivo},
                       dataDiOggi());
}

void FinestraPrincipale::lasciaAnteprima() {
    if (sessione_->modo() == ModoVista::anteprima) chiudiAnteprima();
}

void FinestraPrincipale::chiudiAnteprima() {
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    nascondiEtichettaPassaggio();
    sessione_->impostaModo(ModoVista::griglia);
    area_->setFocus(Qt::OtherFocusReason);  // typing goes on where it was
    mostraIconeMenu();
}

void FinestraPrincipale::dopoCambioModo() {
    const bool anteprima = sessione_->modo() == ModoVista::anteprima;
    menuUtilita->menuAction()->setVisible(sessione_->aperto() && !anteprima);
    menuModifica->menuAction()->setVisible(sessione_->aperto() && !anteprima);
    escAnteprima_->setEnabled(anteprima);
    anteprima_->setVisible(anteprima);
    if (anteprima) {
        anteprima_->setFocus(Qt::OtherFocusReason);  // the arrows and the page keys scroll the sheets
        pulsanteChiudiAnteprima_->adjustSize();
        pulsanteChiudiAnteprima_->move((area_->width() - pulsanteChiudiAnteprima_->width()) / 2, 1);
        pulsanteChiudiAnteprima_->show();
        pulsanteChiudiAnteprima_->raise();
    } else {
        pulsanteChiudiAnteprima_->hide();
    }
    disponiBarre();  // the page takes the whole area: the clue column goes
    disegnaGriglia();
}

void FinestraPrincipale::settaggioSchema() {
    Settaggi dialogo(stato_, piattaforma_, this);
    dialogo.exec();
    disegnaGriglia();
}

}  // namespace quadrivo
