#include "dialogs/gui/finestra_salva.h"

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

FinestraSalva::FinestraSalva(const Cartelle& cartelle, Impostazioni& impostazioni, const Documento& documento, Piattaforma& piattaforma, Salva salva, QWidget* principale)
    : DialogoFile("FinestraSalva", "Quadrivo - Salvataggio", true, cartelle, impostazioni, piattaforma, principale), documento_(documento),
      salva_(std::move(salva)) {
    campoAutore = new QLineEdit("Anonimo", this);
    campoAutore->setObjectName("campoAutore");
    etichettaAutore = new QLabel("Dati autore:", this);
    etichettaElenco = new QLabel("Elenco files di cruciverba", this);
    pulsanteOk = new QPushButton("&OK", this);
    pulsanteAnnulla = new QPushButton("&Annulla", this);

    avviso_ = new QLabel(this);
    avviso_->setObjectName("Avviso");
    avviso_->setWordWrap(true);
    avviso_->hide();
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(avviso_);
    tutto->addWidget(luoghi);
    auto* g = new QGridLayout;
    tutto->addLayout(g);
    g->addWidget(etichettaNome, 0, 0);
    g->addWidget(campoNome, 1, 0);
    g->addWidget(etichettaElenco, 2, 0);
    g->addWidget(elencoFile, 3, 0, 2, 1);
    g->addWidget(etichettaCartella, 0, 1);
    g->addWidget(scelta_->percorso, 1, 1);
    g->addWidget(listaCartelle, 2, 1, 2, 1);
    g->addWidget(volumi, 4, 1);
    g->addWidget(etichettaAutore, 5, 0);
    g->addWidget(campoAutore, 6, 0, 1, 2);
    g->addLayout(rigaPulsanti(pulsanteOk, pulsanteAnnulla), 7, 0, 1, 2);
    g->setColumnMinimumWidth(0, 220);
    g->setColumnMinimumWidth(1, 220);

    // The file list fills the name box; unlike the open dialog the process's folder stays put.
    connect(scelta_, &SceltaCartella::fileSelezionato, this, [this](const QString& n) {
        if (n.isEmpty()) return;
        campoNome->setText(n);
        proposto_ = scelta_->nomeSelezionato();
    });
    // The name box follows the folder: only the file's own name goes along.
    connect(scelta_, &SceltaCartella::cartellaCambiata, this, [this] {
        const QString n = campoNome->text();
        if (n.contains('/')) {
            const std::string byte = percorsoDaQt(n, proposto_);
            proposto_ = byte.substr(byte.rfind('/') + 1);
            campoNome->setText(nomeQt(proposto_));
        }
    });
    connect(scelta_, &SceltaCartella::fileScelto, this, &FinestraSalva::conferma);
    connect(pulsanteOk, &QPushButton::clicked, this, &FinestraSalva::conferma);
    connect(pulsanteAnnulla, &QPushButton::clicked, this, &FinestraSalva::annulla);
    selezionaTuttoAlFuoco(campoNome);
    selezionaTuttoAlFuoco(campoAutore);

    // Load: the author from header line 1, the start folder as in the open dialog.
    campoAutore->setText(QString::fromStdString(documento_.cruciverba.autore));
    campoAutore->selectAll();
    // The first folder that can be written: the puzzle's own, where the dialogs start, the
    // player's puzzle folder, the home; else the usual start, for the player to choose.
    const std::string inizi[] = {documento_.nomeFile.substr(0, documento_.nomeFile.rfind('/') + 1),
                                 cartellaDiPartenza(impostazioni_, percorsoDaQt(QDir::currentPath())), cartellaCruciverba(),
                                 percorsoDaQt(QDir::homePath())};
    const auto scrivibile = [](const std::string& c) { return !c.empty() && ::access(c.c_str(), W_OK) == 0; };
    if (std::none_of(std::begin(inizi), std::end(inizi),
                     [&](const std::string& c) { return scrivibile(c) && scelta_->vaiA(nomeQt(c)); }))
        scelta_->vaiAllaCartellaIniziale(impostazioni_);
    adjustSize();
    centraSulloSchermo(this);
}

void FinestraSalva::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (attivato_) return;
    attivato_ = true;
    proposto_ = nomeProposto(documento_);
    proposto_ = proposto_.substr(proposto_.rfind('/') + 1);
    campoNome->setText(nomeQt(proposto_));
    if (avviso_->text().isEmpty()) avvisa({});
}

void FinestraSalva::avvisa(const QString& testo) {
    // Why the proposed name differs from the puzzle's stays, under any other reason.
    const QString motivo = QString::fromStdString(motivoNomeProposto(documento_));
    const QString tutto = testo.isEmpty() ? motivo : motivo.isEmpty() ? testo : testo + "\n" + motivo;
    avviso_->setText(tutto);
    avviso_->setVisible(!tutto.isEmpty());
}

void FinestraSalva::conferma() {
    if (vaiACartellaDigitata()) return;
    esito_ = salva_(percorsoDaQt(scelta_->cartella()), percorsoDaQt(campoNome->text(), proposto_), campoAutore->text().toStdString());
    // After a failure the dialog stays: OK tries again, Annulla gives up.
    if (esito_ != EsitoSalvataggio::errore) accept();
}

void FinestraSalva::annulla() { done(QDialog::Rejected); }

void FinestraSalva::done(int r) {
    if (principale_) principale_->setEnabled(true);
    QDialog::done(r);
}

}  // namespace quadrivo
