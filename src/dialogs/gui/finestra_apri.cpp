#include "dialogs/gui/finestra_apri.h"

#include <QAccessible>
#include <QDir>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/apertura_schema.h"
#include "dialogs/gui/finestre_comuni.h"
#include "model/file.h"

namespace quadrivo {

FinestraApri::FinestraApri(const Cartelle& percorsi, Impostazioni& impostazioni, const Documento& documento, Piattaforma& piattaforma, ApriSchema apri, QWidget* principale)
    : DialogoFile("FinestraApri", "Quadrivo  -  Apertura schema", false, percorsi, impostazioni, piattaforma, principale),
      documento_(documento), apri_(std::move(apri)) {
    // A white sunken picture of 348 x 257 at 96 dpi, border included, growing on denser screens.
    disegnoAnteprima = new AreaDisegno(this, ModoArea{Qt::white, ModoArea::allaPulizia});
    disegnoAnteprima->setObjectName("disegnoAnteprima");
    disegnoAnteprima->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    disegnoAnteprima->setLineWidth(2);
    const double scala = std::max(1.0, disegnoAnteprima->logicalDpiX() / 96.0);
    disegnoAnteprima->setFixedSize(static_cast<int>(std::lround(348 * scala)), static_cast<int>(std::lround(257 * scala)));
    didascaliaAnteprima = new QLabel("Anteprima", this);
    didascaliaAnteprima->setObjectName("didascaliaAnteprima");
    etichettaElenco = new QLabel("Files di cruciverba ", this);
    barraStato = new QStatusBar(this);
    barraStato->setSizeGripEnabled(false);
    pannelloAutore = new QLabel("Dati autore", barraStato);
    pannelloAutore->setObjectName("pannelloAutore");
    pannelloAutore->setWordWrap(true);  // a long title goes on a second line, never cut
    barraStato->addWidget(pannelloAutore, 1);
    pulsanteOk = new QPushButton("&OK", this);
    pulsanteAnnulla = new QPushButton("&Annulla", this);

    // Three columns: name and files, folders and volumes, preview and buttons.
    auto* nomi = new QVBoxLayout;
    nomi->addWidget(etichettaNome);
    nomi->addWidget(campoNome);
    nomi->addWidget(etichettaElenco);
    nomi->addWidget(elencoFile, 1);
    auto* cartelle = new QVBoxLayout;
    cartelle->addWidget(etichettaCartella);
    cartelle->addWidget(scelta_->percorso);
    cartelle->addWidget(listaCartelle, 1);
    cartelle->addWidget(volumi);
    auto* anteprima = new QVBoxLayout;
    anteprima->addWidget(didascaliaAnteprima);
    anteprima->addWidget(disegnoAnteprima);
    anteprima->addStretch();
    anteprima->addLayout(rigaPulsanti(pulsanteOk, pulsanteAnnulla));
    auto* griglia = new QHBoxLayout;
    griglia->addLayout(nomi, 1);
    griglia->addLayout(cartelle, 1);
    griglia->addLayout(anteprima);
    elencoFile->setMinimumWidth(200);
    // Long names are shown whole: the list scrolls sideways rather than cut them.
    elencoFile->setTextElideMode(Qt::ElideNone);
    elencoFile->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listaCartelle->setMinimumWidth(200);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(luoghi);
    tutto->addLayout(griglia);
    tutto->addWidget(barraStato);
    tutto->setContentsMargins(8, 8, 8, 0);

    connect(scelta_, &SceltaCartella::cartellaCambiata, this, [this](const QString& c) {
        QDir::setCurrent(c);
        // The old name and preview belong to the old folder: OK must not open what is no longer listed.
        campoNome->clear();
        scelto_.clear();
        disegnoAnteprima->superficie().pulisci();
        didascaliaAnteprima->setText("Anteprima");
        pannelloAutore->setText("Dati autore");
    });
    connect(scelta_, &SceltaCartella::fileSelezionato, this, [this](const QString& n) {
        if (!n.isEmpty()) mostraAnteprima(n);
    });
    connect(scelta_, &SceltaCartella::fileScelto, this, &FinestraApri::conferma);
    connect(pulsanteOk, &QPushButton::clicked, this, &FinestraApri::conferma);
    connect(pulsanteAnnulla, &QPushButton::clicked, this, &FinestraApri::annulla);
    selezionaTuttoAlFuoco(campoNome);

    carica();
}

void FinestraApri::carica() {
    scelta_->vaiAllaCartellaIniziale(impostazioni_);
    adjustSize();
    centraSulloSchermo(this);
}

void FinestraApri::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!attivato_) {
        attivato_ = true;
        // After the dialog is on screen, so that a message about the first file has it behind.
        QMetaObject::invokeMethod(this, &FinestraApri::primaAttivazione, Qt::QueuedConnection);
    }
}

void FinestraApri::changeEvent(QEvent* e) {
    DialogoFile::changeEvent(e);
    // The keyboard was placed before the window manager activated the dialog: a screen reader
    // hears where it is (the list's current file) once the dialog is active.
    if (e->type() != QEvent::ActivationChange || !isActiveWindow() || !QAccessible::isActive()) return;
    if (QAccessibleInterface* w = QAccessible::queryAccessibleInterface(focusWidget())) {
        QAccessibleInterface* dove = w->focusChild() ? w->focusChild() : w;
        QAccessibleEvent fuoco(dove, QAccessible::Focus);
        QAccessible::updateAccessibility(&fuoco);
    }
}

void FinestraApri::primaAttivazione() {
    if (chiuso_) return;  // closed before its first activation came round
    // The puzzle last opened when it is in this folder, the first file otherwise.
    int riga = 0;
    const std::string& ultimo = documento_.nomeFile;
    if (!ultimo.empty() && QDir(nomeQt(cartellaDi(ultimo))).absolutePath() == QDir(scelta_->cartella()).absolutePath())
        for (int i = 0; i < elencoFile->count(); ++i)
            if (elencoFile->item(i)->data(Qt::UserRole).toByteArray().toStdString() == ultimo.substr(ultimo.find_last_of('/') + 1))
                riga = i;
    if (elencoFile->count() > 0) elencoFile->setCurrentRow(riga);
    // The keyboard starts on the puzzles: arrows pick one, Enter opens it.
    elencoFile->setFocus(Qt::OtherFocusReason);
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void FinestraApri::mostraAnteprima(const QString& nome) {
    campoNome->setText(nome);
    // The list's own bytes when the name came from it, so a name Qt cannot spell still opens.
    scelto_ = percorsoDaQt(nome, scelta_->nomeSelezionato());
    // Cleared first: a file that cannot be shown must not keep the last one's size and author.
    didascaliaAnteprima->setText("Anteprima");
    pannelloAutore->setText("Dati autore");
    const Anteprima esito = disegnaAnteprima(impostazioni_.valori(), disegnoAnteprima->superficie(), piattaforma_,
                                             percorsoDaQt(scelta_->cartella()), scelto_);
    if (esito.riuscita) {
        didascaliaAnteprima->setText(QString::fromStdString(esito.etichetta));
        pannelloAutore->setText(QString::fromStdString(esito.datiAutore));
    }
}

void FinestraApri::conferma() {
    if (chiuso_ || vaiACartellaDigitata()) return;
    if (apriSchemaScelto(apri_, piattaforma_, percorsoDaQt(scelta_->cartella()), percorsoDaQt(campoNome->text(), scelto_)))
        chiudi(true);
}

void FinestraApri::annulla() {
    if (chiuso_) return;
    chiudi(false);
}

void FinestraApri::chiudi(bool aperto) {
    chiuso_ = true;
    hide();
    if (principale_) {
        principale_->setEnabled(true);
        principale_->show();
        principale_->raise();
        principale_->activateWindow();
    }
    emit chiuso(aperto);
    deleteLater();
}

}  // namespace quadrivo
