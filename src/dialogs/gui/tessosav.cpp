#include "dialogs/gui/tessosav.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QDir>
#include <QShowEvent>
#include <algorithm>
#include <QVBoxLayout>
#include <unistd.h>

#include "dialogs/gui/finestre_comuni.h"
#include "dialogs/cartelle.h"
#include "model/file.h"

namespace quadrivo {

TessoSav::TessoSav(Stato& stato, const Documento& documento, Piattaforma& piattaforma, Salva salva, QWidget* principale)
    : DialogoFile("TessoSav", "Quadrivo - Salvataggio", true, stato, piattaforma, principale), documento_(documento),
      salva_(std::move(salva)) {
    Text2 = new QLineEdit("Anonimo", this);
    Text2->setObjectName("Text2");
    Label2 = new QLabel("Dati autore:", this);
    Label4 = new QLabel("Elenco files di cruciverba", this);
    Command3d1 = new QPushButton("&OK", this);
    Command3d2 = new QPushButton("&Annulla", this);

    avviso_ = new QLabel(this);
    avviso_->setObjectName("Avviso");
    avviso_->setWordWrap(true);
    avviso_->hide();
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(avviso_);
    tutto->addWidget(luoghi);
    auto* g = new QGridLayout;
    tutto->addLayout(g);
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
    // The name box follows the folder: only the file's own name goes along.
    connect(scelta_, &SceltaCartella::cartellaCambiata, this, [this] {
        const QString n = Text1->text();
        if (n.contains('/')) {
            const std::string byte = percorsoDaQt(n, proposto_);
            proposto_ = byte.substr(byte.rfind('/') + 1);
            Text1->setText(nomeQt(proposto_));
        }
    });
    connect(scelta_, &SceltaCartella::fileScelto, this, &TessoSav::Command3d1_Click);
    connect(Command3d1, &QPushButton::clicked, this, &TessoSav::Command3d1_Click);
    connect(Command3d2, &QPushButton::clicked, this, &TessoSav::Command3d2_Click);
    selezionaTuttoAlFuoco(Text1);
    selezionaTuttoAlFuoco(Text2);

    // Load: the author from header line 1, the start folder as in the open dialog.
    Text2->setText(QString::fromStdString(documento_.cruciverba.autore));
    Text2->selectAll();
    // The first folder that can be written: the puzzle's own, where the dialogs start, the
    // player's puzzle folder, the home; else the usual start, for the player to choose.
    const std::string inizi[] = {documento_.nomeFile.substr(0, documento_.nomeFile.rfind('/') + 1),
                                 cartellaDiPartenza(percorsoDaQt(QDir::currentPath())), cartellaCruciverba(),
                                 percorsoDaQt(QDir::homePath())};
    const auto scrivibile = [](const std::string& c) { return !c.empty() && ::access(c.c_str(), W_OK) == 0; };
    if (std::none_of(std::begin(inizi), std::end(inizi),
                     [&](const std::string& c) { return scrivibile(c) && scelta_->vaiA(nomeQt(c)); }))
        scelta_->vaiAllaCartellaIniziale();
    adjustSize();
    centraSulloSchermo(this);
}

void TessoSav::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (attivato_) return;
    attivato_ = true;
    proposto_ = nomeProposto(documento_);
    proposto_ = proposto_.substr(proposto_.rfind('/') + 1);
    Text1->setText(nomeQt(proposto_));
    if (avviso_->text().isEmpty()) avvisa({});
}

void TessoSav::avvisa(const QString& testo) {
    // Why the proposed name differs from the puzzle's stays, under any other reason.
    const QString motivo = QString::fromStdString(motivoNomeProposto(documento_));
    const QString tutto = testo.isEmpty() ? motivo : motivo.isEmpty() ? testo : testo + "\n" + motivo;
    avviso_->setText(tutto);
    avviso_->setVisible(!tutto.isEmpty());
}

void TessoSav::Command3d1_Click() {
    if (vaiACartellaDigitata()) return;
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
