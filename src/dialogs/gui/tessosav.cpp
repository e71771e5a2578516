#include "dialogs/gui/tessosav.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>

#include "dialogs/gui/finestre_comuni.h"
#include "model/file.h"

namespace quadrivo {

TessoSav::TessoSav(Stato& stato, Piattaforma& piattaforma, Salva salva, QWidget* principale)
    : DialogoFile("TessoSav", "Quadrivo - Salvataggio", true, stato, piattaforma, principale), salva_(std::move(salva)) {
    Text2 = new QLineEdit("Anonimo", this);
    Text2->setObjectName("Text2");
    Label2 = new QLabel("Dati autore:", this);
    Label4 = new QLabel("Elenco files di cruciverba", this);
    Command3d1 = new QPushButton("&OK", this);
    Command3d2 = new QPushButton("&Annulla", this);

    auto* g = new QGridLayout(this);
    g->addWidget(Label1, 0, 0);
    g->addWidget(Text1, 1, 0);
    g->addWidget(Label4, 2, 0);
    g->addWidget(File1, 3, 0, 2, 1);
    g->addWidget(Label3, 0, 1);
    g->addWidget(scelta_->percorso, 1, 1);
    g->addWidget(Dir1, 2, 1, 2, 1);
    g->addWidget(Drive1, 4, 1);
    g->addWidget(Label2, 5, 0);
    g->addWidget(Text2, 6, 0, 1, 2);
    g->addLayout(rigaPulsanti(Command3d1, Command3d2), 7, 0, 1, 2);
    g->setColumnMinimumWidth(0, 220);
    g->setColumnMinimumWidth(1, 220);

    // The file list fills the name box; unlike the open dialog the process's folder stays put.
    connect(scelta_, &SceltaCartella::fileSelezionato, this, [this](const QString& n) {
        if (n.isEmpty()) return;
        Text1->setText(n);
        proposto_ = scelta_->nomeSelezionato();
    });
    connect(scelta_, &SceltaCartella::fileScelto, this, &TessoSav::Command3d1_Click);
    connect(Command3d1, &QPushButton::clicked, this, &TessoSav::Command3d1_Click);
    connect(Command3d2, &QPushButton::clicked, this, &TessoSav::Command3d2_Click);
    selezionaTuttoAlFuoco(Text1);
    selezionaTuttoAlFuoco(Text2);

    // Load: the author from header line 1, the start folder as in the open dialog.
    Text2->setText(QString::fromStdString(stato_.cruciverba.autore));
    Text2->selectAll();
    scelta_->vaiAllaCartellaIniziale();
    adjustSize();
    centraSulloSchermo(this);
}

void TessoSav::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (attivato_) return;
    attivato_ = true;
    proposto_ = nomeProposto(stato_);
    Text1->setText(nomeQt(proposto_));
}

void TessoSav::Command3d1_Click() {
    esito_ = salva_(percorsoDaQt(scelta_->cartella()), percorsoDaQt(Text1->text(), proposto_), Text2->text().toStdString());
    // After a failure the dialog stays: OK tries again, Annulla gives up.
    if (esito_ != EsitoSalvataggio::errore) accept();
}

void TessoSav::Command3d2_Click() { done(QDialog::Rejected); }

void TessoSav::done(int r) {
    if (principale_) principale_->setEnabled(true);
    QDialog::done(r);
}

}  // namespace quadrivo
