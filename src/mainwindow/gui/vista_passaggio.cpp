#include "mainwindow/gui/vista_passaggio.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QLabel>
#include <cmath>

#include "mainwindow/gui/vista_griglia.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"
#include "solving/gui/finestra_parola.h"
#include "solving/lessico.h"
#include "solving/ricerca_giochi.h"

namespace quadrivo {

VistaPassaggio::VistaPassaggio(Sessione& sessione, PiattaformaQt& piattaforma, AreaDisegno* area,
                               const VistaGriglia& griglia)
    : QObject(area),
      sessione_(sessione),
      piattaforma_(piattaforma),
      area_(area),
      griglia_(griglia),
      etichetta_(new QLabel(area)),
      rettangolo_(new Rettangolo(area)),
      solutore_(sessione.cruciverba(), sessione.impostazioni().valori(), piattaforma, *this) {
    rettangolo_->setObjectName("rettangoloPassaggio");
    etichetta_->setObjectName("etichettaPassaggio");
    etichetta_->setMouseTracking(true);
    etichetta_->setAutoFillBackground(true);
    etichetta_->setStyleSheet(
        "QLabel { background: rgb(255, 255, 225); color: black; border: 1px solid rgb(90, 90, 90);"
        " padding: 1px 2px; }");
    etichetta_->installEventFilter(this);
}

void VistaPassaggio::creaVoci(const std::function<QAction*(const char*)>& azione, QMenu* utilita) {
    connect(azione("azioneAzzera"), &QAction::triggered, this, [this] { solutore_.azzeraSoluzioni(); });
    QAction* parola = utilita->addAction("Scr&ivi parola corrente...");
    parola->setObjectName("azioneParola");
    parola->setShortcut(QKeySequence(Qt::Key_F2));
    connect(parola, &QAction::triggered, this, [this] {
        const Parola* w = sessione_.parolaCorrente();
        if (!w || sessione_.modo() != ModoVista::griglia) return;
        solutore_.apriParola(w->colonna, w->riga, w->direzione);
    });
}

bool VistaPassaggio::etichettaVisibile() const { return etichetta_->isVisible(); }

bool VistaPassaggio::eventFilter(QObject*, QEvent* evento) {
    // The pointer moved over the hover label.
    if (evento->type() == QEvent::MouseMove) solutore_.movimentoSuControllo();
    return false;
}

double VistaPassaggio::larghezzaSuperficie() { return area_->width(); }

GeometriaSchema VistaPassaggio::griglia() const { return griglia_.geometria(); }
Puntatore VistaPassaggio::puntatore() { return piattaforma_.puntatore(); }
void VistaPassaggio::mostraPuntatore(Puntatore p) { piattaforma_.impostaPuntatore(p); }

void VistaPassaggio::impostaTesto(const std::string& testo) {
    etichetta_->setText(QString::fromStdString(testo));
    etichetta_->adjustSize();
}

double VistaPassaggio::larghezzaEtichetta(const std::string& didascalia) {
    impostaTesto(didascalia);
    return etichetta_->width();
}

void VistaPassaggio::mostraEtichetta(const std::string& didascalia, double x, double y) {
    if (etichetta_->text() != QString::fromStdString(didascalia)) impostaTesto(didascalia);
    etichetta_->move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    etichetta_->show();
}

ModoVista VistaPassaggio::modo() { return sessione_.modo(); }

void VistaPassaggio::nascondiEtichetta() { etichetta_->hide(); }

void VistaPassaggio::mostraRettangolo(const RettangoloParola& r) {
    rettangolo_->impostaColore(r.colore);
    rettangolo_->setGeometry(static_cast<int>(std::lround(r.sinistra)), static_cast<int>(std::lround(r.alto)),
                        std::max(0, static_cast<int>(std::lround(r.larghezza))),
                        std::max(0, static_cast<int>(std::lround(r.altezza))));
    rettangolo_->show();
}

void VistaPassaggio::nascondiRettangolo() { rettangolo_->hide(); }

std::optional<SceltaParola> VistaPassaggio::apriDialogo(const VoceDialogo& voce) {
    Lessico& lessico = sessione_.lessico();
    FinestraParola dialogo(
        voce, piattaforma_,
        [this, &lessico, parola = voce.parola](const std::string& maschera, VistaRicerca& vista) {
            // A codeword searches by its codes, a grid to fill its bank.
            if (cercaNelGioco(sessione_.cruciverba(), lessico, piattaforma_, parola, maschera, vista)) return;
            // The block of that length is read and scanned: no index to build first.
            cercaNelLessico(lessico, piattaforma_, maschera, vista);
        },
        area_->window());
    if (!ricercaDelGioco(sessione_.cruciverba()))
        dialogo.impostaElenco([this, &lessico, parola = voce.parola](ModoRicerca modo, const std::string& maschera) {
            // The index is built when a way of searching first needs it; the damage was said at loading.
            if (!lessico.indice && !indicizzaLessico(lessico)) {
                const std::string motivo = motivoLessico(lessico.percorso());
                piattaforma_.messaggio("Impossibile usare il dizionario " + lessico.file + " (" +
                                           (motivo.empty() ? "memoria insufficiente" : motivo) +
                                           "): la ricerca non è possibile.",
                                       {}, Icona::attenzione, Pulsanti::ok);
            }
            return elencoParole(sessione_.cruciverba(), lessico, parola, modo, maschera);
        });
    dialogo.exec();
    return dialogo.scelta();
}

void VistaPassaggio::dialogoChiuso(const Posizione& parola, const std::optional<SceltaParola>& scelta) {
    sessione_.applicaDialogo(parola, scelta);
}
void VistaPassaggio::azzera() { sessione_.azzera(); }

}  // namespace quadrivo
