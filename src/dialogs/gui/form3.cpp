#include "dialogs/gui/form3.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "dialogs/gui/collegamenti.h"
#include "dialogs/gui/finestre_comuni.h"
#include "dialogs/indirizzi.h"
#include "dialogs/periferia.h"

namespace quadrivo {

Form3::Form3(Piattaforma& piattaforma, std::function<std::string()> infoSistema, QWidget* genitore)
    : QDialog(genitore), piattaforma_(piattaforma), infoSistema_(std::move(infoSistema)) {
    setObjectName("Form3");
    setWindowTitle("Quadrivo - Informazioni");
    setModal(true);
    usaFamiglia(this, "Verdana");

    Label3 = new QLabel(this);
    Label3->setObjectName("Label3");
    QFont grande = Label3->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.3);
    Label3->setFont(grande);
    Label9 = new QLabel("Software italiano", this);
    Label5 = new QLabel("per sistemi Linux", this);
    Label8 = new QLabel(QString::fromUtf8(postaAutore), this);
    Label8->setObjectName("Label8");
    QFont sottolineato = Label8->font();
    sottolineato.setUnderline(true);
    Label8->setFont(sottolineato);
    Label8->setStyleSheet("color: #000080");
    Label8->setToolTip("scrivi all'autore");
    Label8->setCursor(Qt::PointingHandCursor);
    Picture5 = new QLabel(QString::fromUtf8(sitoAutore), this);
    Picture5->setObjectName("Picture5");
    Picture5->setFrameStyle(QFrame::Box | QFrame::Plain);
    Picture5->setAlignment(Qt::AlignCenter);
    Picture5->setMinimumSize(120, 29);
    Picture5->setStyleSheet("color: #000080; background: #ffffe0");
    Picture5->setCursor(Qt::PointingHandCursor);
    Command1 = new QPushButton("&System Info", this);
    Command3d1 = new QPushButton("&OK", this);
    Command3d1->setDefault(true);
    Command1->setAutoDefault(false);

    auto* g = new QGridLayout(this);
    g->addWidget(Label3, 0, 0, 1, 2);
    g->addWidget(Label9, 1, 0, 1, 2);
    g->addWidget(Label5, 2, 0, 1, 2);
    g->addWidget(Label8, 3, 0, 1, 2);
    g->addWidget(Picture5, 4, 0, 1, 2);
    g->addWidget(Command1, 5, 0);
    g->addWidget(Command3d1, 5, 1);
    g->setVerticalSpacing(10);

    Label8->installEventFilter(this);
    Picture5->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] {
        piattaforma_.messaggio(infoSistema_ ? infoSistema_() : testoVersione(), titoloInfoSistema, Icona::informazione);
    });
    connect(Command3d1, &QPushButton::clicked, this, &QDialog::accept);
    adjustSize();
    centraSulloSchermo(this);
}

void Form3::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Form_Activate();
}

void Form3::Form_Activate() {
    Label3->setText(QString::fromStdString(testoVersione()));
    Command3d1->setFocus();
}

bool Form3::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evento)->button() == Qt::LeftButton) {
        if (oggetto == Label8) {
            piattaforma_.impostaPuntatore(Puntatore::predefinito);
            apriPostaAutore(piattaforma_);
            return true;
        }
        if (oggetto == Picture5) {
            piattaforma_.impostaPuntatore(Puntatore::predefinito);
            apriSitoAutore(piattaforma_);
            return true;
        }
    }
    return QDialog::eventFilter(oggetto, evento);
}

}  // namespace quadrivo
