#include "mainwindow/gui/comandi_stampa.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>

#include "mainwindow/finestra.h"
#include "model/numeri.h"
#include "printing/gui/anteprima.h"
#include "printing/gui/settaggi.h"
#include "printing/gui/stampante.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"

namespace quadrivo {

ComandiStampa::ComandiStampa(Sessione& sessione, PiattaformaQt& piattaforma, AreaDisegno* area, QWidget* finestra)
    : QObject(finestra), sessione_(sessione), piattaforma_(piattaforma), area_(area), finestra_(finestra),
      anteprima_(new VistaAnteprima(sessione_.documento(), sessione_.impostazioni().valori(), area)), chiudi_(new QPushButton("&Chiude anteprima", area)),
      esc_(new QShortcut(QKeySequence(Qt::Key_Escape), finestra)) {
    anteprima_->hide();
    chiudi_->setObjectName("chiudiAnteprima");
    chiudi_->setToolTip("Chiude anteprima di stampa");
    chiudi_->hide();
    chiudi_->move(chiudi_->x(), 1);
    connect(chiudi_, &QPushButton::clicked, this, &ComandiStampa::chiudiAnteprima);
    esc_->setEnabled(false);
    connect(esc_, &QShortcut::activated, this, &ComandiStampa::chiudiAnteprima);
    connect(&sessione_, &Sessione::modoCambiato, this, &ComandiStampa::seguiModo);
    // Sheets in view are drawn again with the proportions and the font they now have.
    connect(&sessione_.impostazioni(), &Impostazioni::cambiate, this, [this] {
        if (sessione_.modo() == ModoVista::anteprima) disegnaPagina();
    });
}

void ComandiStampa::collega(const std::function<QAction*(const char*)>& azione) {
    if (QAction* a = azione("azioneStampa")) connect(a, &QAction::triggered, this, &ComandiStampa::stampa);
    if (QAction* a = azione("azioneAnteprima")) connect(a, &QAction::triggered, this, &ComandiStampa::mostraAnteprima);
    if (QAction* a = azione("azioneSettaggioSchema"))
        connect(a, &QAction::triggered, this, [this] {
            Settaggi dialogo(sessione_.impostazioni(), finestra_);
            dialogo.exec();
        });
}

void ComandiStampa::stampa() {
    emit primaDiAgire();
    lascia();
    stampaSchema();
}

void ComandiStampa::stampaSchema() {
    // The printer keeps the style the font chooser gave it; the job sets face and sizes and
    // hands the bold flag back as it found it.
    ValoriImpostazioni valori = sessione_.impostazioni().valori();
    Carattere stile;
    stile.nome = valori.carattereStampante.nome;
    stile.corsivo = valori.carattereStampante.corsivo;
    stile.grassetto = valori.carattereStampante.grassetto;
    stampaConDialogo(finestra_, sessione_.documento(), valori, stile, piattaforma_);
    valori.carattereStampante.grassetto = stile.grassetto;
    sessione_.impostazioni().cambia(valori);
}

void ComandiStampa::mostraAnteprima() {
    if (!sessione_.aperto()) return;
    emit primaDiAgire();
    piattaforma_.impostaPuntatore(Puntatore::clessidra);
    sessione_.impostaModo(ModoVista::anteprima);
    disegnaPagina();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void ComandiStampa::disegnaPagina() {
    // The sheets as the printer draws them: its font style and the paper's own text measures.
    if (anteprima_->fogli()->sfondo() != area_->sfondo()) anteprima_->fogli()->impostaSfondo(area_->sfondo());
    const ValoriImpostazioni& valori = sessione_.impostazioni().valori();
    anteprima_->mostra({valori.nomeFont, area_->superficie().carattere().dimensione, valori.carattereStampante.grassetto,
                        valori.carattereStampante.corsivo},
                       dataDiOggi());
}

void ComandiStampa::lascia() {
    if (sessione_.modo() == ModoVista::anteprima) chiudiAnteprima();
}

void ComandiStampa::chiudiAnteprima() {
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
    emit primaDiAgire();
    sessione_.impostaModo(ModoVista::griglia);
    area_->setFocus(Qt::OtherFocusReason);  // typing goes on where it was
    emit anteprimaChiusa();
}

bool ComandiStampa::zoom(int verso) {
    if (sessione_.modo() != ModoVista::anteprima) return false;
    anteprima_->zoom(verso);
    return true;
}

void ComandiStampa::disponi(int alto, int basso, int xPulsante) {
    anteprima_->setGeometry(0, alto, area_->width(), std::max(0, area_->height() - alto - basso));
    chiudi_->resize(chiudi_->sizeHint());
    chiudi_->move(xPulsante, chiudi_->y());
}

void ComandiStampa::seguiModo() {
    const bool anteprima = sessione_.modo() == ModoVista::anteprima;
    esc_->setEnabled(anteprima);
    anteprima_->setVisible(anteprima);
    if (anteprima) {
        anteprima_->setFocus(Qt::OtherFocusReason);  // the arrows and the page keys scroll the sheets
        chiudi_->adjustSize();
        chiudi_->move((area_->width() - chiudi_->width()) / 2, 1);
        chiudi_->show();
        chiudi_->raise();
    } else {
        chiudi_->hide();
    }
}

}  // namespace quadrivo
