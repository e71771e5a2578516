#include "mainwindow/gui/vista_passaggio.h"

#include <QEvent>
#include <QLabel>
#include <cmath>

#include "mainwindow/gui/vista_griglia.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"
#include "solving/gui/tessodef.h"
#include "solving/lessico.h"

namespace quadrivo {

VistaPassaggio::VistaPassaggio(Sessione& sessione, PiattaformaQt& piattaforma, AreaDisegno* area,
                               const VistaGriglia& griglia)
    : QObject(area),
      sessione_(sessione),
      piattaforma_(piattaforma),
      area_(area),
      griglia_(griglia),
      Label1(new QLabel(area)),
      Shape1(new Rettangolo(area)),
      solutore_(sessione.cruciverba(), sessione.stato(), piattaforma, *this) {
    Shape1->setObjectName("Shape1");
    Label1->setObjectName("Label1");
    Label1->setMouseTracking(true);
    Label1->setAutoFillBackground(true);
    Label1->setStyleSheet(
        "QLabel { background: rgb(255, 255, 225); color: black; border: 1px solid rgb(90, 90, 90);"
        " padding: 1px 2px; }");
    Label1->installEventFilter(this);
}

bool VistaPassaggio::etichettaVisibile() const { return Label1->isVisible(); }

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
    Label1->setText(QString::fromStdString(testo));
    Label1->adjustSize();
}

double VistaPassaggio::larghezzaEtichetta(const std::string& didascalia) {
    impostaTesto(didascalia);
    return Label1->width();
}

void VistaPassaggio::mostraEtichetta(const std::string& didascalia, double x, double y) {
    if (Label1->text() != QString::fromStdString(didascalia)) impostaTesto(didascalia);
    Label1->move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    Label1->show();
}

ModoVista VistaPassaggio::modo() { return sessione_.modo(); }

void VistaPassaggio::nascondiEtichetta() { Label1->hide(); }

void VistaPassaggio::mostraRettangolo(const RettangoloParola& r) {
    Shape1->impostaColore(r.colore);
    Shape1->setGeometry(static_cast<int>(std::lround(r.sinistra)), static_cast<int>(std::lround(r.alto)),
                        std::max(0, static_cast<int>(std::lround(r.larghezza))),
                        std::max(0, static_cast<int>(std::lround(r.altezza))));
    Shape1->show();
}

void VistaPassaggio::nascondiRettangolo() { Shape1->hide(); }

std::optional<SceltaParola> VistaPassaggio::apriDialogo(const VoceDialogo& voce) {
    Stato& stato = sessione_.stato();
    TessoDef dialogo(
        voce, piattaforma_,
        [this, &stato](const std::string& maschera, VistaRicerca& vista) {
            // The block of that length is read and scanned: no index to build first.
            cercaNelLessico(stato, piattaforma_, maschera, vista);
        },
        area_->window());
    dialogo.impostaElenco([this, &stato, parola = voce.parola](ModoRicerca modo, const std::string& maschera) {
        // The index is built when a way of searching first needs it; the damage was said at loading.
        if (!stato.indiceParole && !indicizzaLessico(stato)) {
            const std::string motivo = motivoLessico(stato.cartellaProgramma + stato.fileLessico);
            piattaforma_.messaggio("Impossibile usare il dizionario " + stato.fileLessico + " (" +
                                       (motivo.empty() ? "memoria insufficiente" : motivo) +
                                       "): la ricerca non è possibile.",
                                   {}, Icona::attenzione, Pulsanti::ok);
        }
        return elencoParole(sessione_.cruciverba(), stato, parola, modo, maschera);
    });
    dialogo.exec();
    return dialogo.scelta();
}

void VistaPassaggio::dialogoChiuso(const Posizione& parola, const std::optional<SceltaParola>& scelta) {
    sessione_.applicaDialogo(parola, scelta);
}
void VistaPassaggio::azzera() { sessione_.azzera(); }

}  // namespace quadrivo
