#include "dialogs/gui/finestra_informazioni.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "dialogs/gui/collegamenti.h"
#include "dialogs/gui/finestre_comuni.h"
#include "dialogs/indirizzi.h"
#include "dialogs/periferia.h"

namespace quadrivo {

FinestraInformazioni::FinestraInformazioni(Piattaforma& piattaforma, std::function<std::string()> infoSistema, QWidget* genitore)
    : QDialog(genitore), piattaforma_(piattaforma), infoSistema_(std::move(infoSistema)) {
    setObjectName("FinestraInformazioni");
    setWindowTitle("Quadrivo - Informazioni");
    setModal(true);
    usaFamiglia(this, "Verdana");

    rigaVersione = new QLabel(this);
    rigaVersione->setObjectName("rigaVersione");
    QFont grande = rigaVersione->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    rigaVersione->setFont(grande);
    rigaSoftware = new QLabel("Software italiano", this);
    rigaSistema = new QLabel("per sistemi Linux", this);
    indirizzoPosta = new QLabel(QString::fromUtf8(postaAutore), this);
    indirizzoPosta->setObjectName("indirizzoPosta");
    QFont sottolineato = indirizzoPosta->font();
    sottolineato.setUnderline(true);
    indirizzoPosta->setFont(sottolineato);
    indirizzoPosta->setStyleSheet("color: #000080");
    indirizzoPosta->setToolTip("scrivi all'autore");
    indirizzoPosta->setCursor(Qt::PointingHandCursor);
    indirizzoSito = new QLabel(QString::fromUtf8(sitoAutore), this);
    indirizzoSito->setObjectName("indirizzoSito");
    indirizzoSito->setFrameStyle(QFrame::Box | QFrame::Plain);
    indirizzoSito->setAlignment(Qt::AlignCenter);
    indirizzoSito->setMinimumSize(120, 29);
    indirizzoSito->setStyleSheet("color: #000080; background: #ffffe0");
    indirizzoSito->setCursor(Qt::PointingHandCursor);
    pulsanteInfoSistema = new QPushButton("&System Info", this);
    pulsanteOk = new QPushButton("&OK", this);
    pulsanteOk->setDefault(true);
    pulsanteInfoSistema->setAutoDefault(false);

    auto* g = new QGridLayout(this);
    g->addWidget(rigaVersione, 0, 0, 1, 2);
    g->addWidget(rigaSoftware, 1, 0, 1, 2);
    g->addWidget(rigaSistema, 2, 0, 1, 2);
    g->addWidget(indirizzoPosta, 3, 0, 1, 2);
    g->addWidget(indirizzoSito, 4, 0, 1, 2);
    g->addWidget(pulsanteInfoSistema, 5, 0);
    g->addWidget(pulsanteOk, 5, 1);
    g->setVerticalSpacing(10);

    indirizzoPosta->installEventFilter(this);
    indirizzoSito->installEventFilter(this);
    connect(pulsanteInfoSistema, &QPushButton::clicked, this, [this] {
        piattaforma_.messaggio(infoSistema_ ? infoSistema_() : testoVersione(), titoloInfoSistema, Icona::informazione);
    });
    connect(pulsanteOk, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    centraSulloSchermo(this);
}

void FinestraInformazioni::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    primaAttivazione();
}

void FinestraInformazioni::primaAttivazione() {
    rigaVersione->setText(QString::fromStdString(testoVersione()));
    pulsanteOk->setFocus();
}

bool FinestraInformazioni::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (oggetto == indirizzoPosta) {
            piattaforma_.impostaPuntatore(Puntatore::predefinito);
            apriPostaAutore(piattaforma_);
            return true;
        }
        if (oggetto == indirizzoSito) {
            piattaforma_.impostaPuntatore(Puntatore::predefinito);
            apriSitoAutore(piattaforma_);
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

}  // namespace quadrivo
