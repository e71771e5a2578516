#include "mainwindow/gui/intestazione_schema.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "mainwindow/finestra.h"
#include "sessione/sessione.h"

namespace quadrivo {

IntestazioneSchema::IntestazioneSchema(Sessione& sessione, QWidget* area)
    : QObject(area), sessione_(sessione), area_(area), riga_(new QLabel(area)) {
    riga_->setObjectName("RigaIntestazione");
    riga_->setTextFormat(Qt::PlainText);
    riga_->setAttribute(Qt::WA_TransparentForMouseEvents);
    riga_->setAutoFillBackground(true);  // a zoomed grid runs under it
    riga_->setContentsMargins(6, 0, 6, 0);
    riga_->setFixedHeight(riga_->fontMetrics().height() + 4);
}

void IntestazioneSchema::creaVoce(QMenu* file, QAction* prima) {
    azioneProprieta = new QAction("Pr&oprietà...", file);
    azioneProprieta->setObjectName("azioneProprieta");
    file->insertAction(prima, azioneProprieta);
    connect(azioneProprieta, &QAction::triggered, this, &IntestazioneSchema::mostraNote);
}

bool IntestazioneSchema::aggiorna() {
    const bool griglia = sessione_.modo() == ModoVista::griglia;
    if (azioneProprieta) azioneProprieta->setEnabled(sessione_.aperto());
    const QString testo = griglia ? QString::fromStdString(rigaIntestazione(sessione_.cruciverba())) : QString();
    riga_->setText(testo);
    riga_->setToolTip(testo);
    return !testo.isEmpty();
}

void IntestazioneSchema::mostraNote() {
    if (!sessione_.aperto()) return;
    QDialog finestra(area_->window());
    finestra.setObjectName("FinestraNote");
    finestra.setWindowTitle("Note");
    auto* testo = new QPlainTextEdit(QString::fromStdString(testoNote(sessione_.cruciverba())), &finestra);
    testo->setObjectName("TestoNote");
    testo->setReadOnly(true);
    testo->setAccessibleName("Note del cruciverba");
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, &finestra);
    connect(pulsanti, &QDialogButtonBox::rejected, &finestra, &QDialog::reject);
    auto* colonna = new QVBoxLayout(&finestra);
    colonna->addWidget(testo);
    colonna->addWidget(pulsanti);
    finestra.resize(520, 380);
    // A dialog that holds the window holds the clock too.
    sessione_.impostaDialogo(true);
    finestra.exec();
    sessione_.impostaDialogo(false);
}

}  // namespace quadrivo
