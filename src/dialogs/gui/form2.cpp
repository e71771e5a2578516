#include "dialogs/gui/form2.h"

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

Form2::Form2(Stato& stato, const Documento& documento, Piattaforma& piattaforma, ApriSchema apri, QWidget* principale)
    : DialogoFile("Form2", "Quadrivo  -  Apertura schema", false, stato, piattaforma, principale),
      documento_(documento), apri_(std::move(apri)) {
    // A white sunken picture of 348 x 257 at 96 dpi, border included, growing on denser screens.
    Picture1 = new AreaDisegno(this, ModoArea{Qt::white, ModoArea::allaPulizia});
    Picture1->setObjectName("Picture1");
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    const double scala = std::max(1.0, Picture1->logicalDpiX() / 96.0);
    Picture1->setFixedSize(static_cast<int>(std::lround(348 * scala)), static_cast<int>(std::lround(257 * scala)));
    Label2 = new QLabel("Anteprima", this);
    Label2->setObjectName("Label2");
    Label4 = new QLabel("Files di cruciverba ", this);
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    pannelloAutore = new QLabel("Dati autore", StatusBar1);
    pannelloAutore->setObjectName("pannelloAutore");
    pannelloAutore->setWordWrap(true);  // a long title goes on a second line, never cut
    StatusBar1->addWidget(pannelloAutore, 1);
    Command3d1 = new QPushButton("&OK", this);
    Command3d2 = new QPushButton("&Annulla", this);

    // Three columns: name and files, folders and volumes, preview and buttons.
    auto* nomi = new QVBoxLayout;
    nomi->addWidget(Label1);
    nomi->addWidget(Text1);
    nomi->addWidget(Label4);
    nomi->addWidget(File1, 1);
    auto* cartelle = new QVBoxLayout;
    cartelle->addWidget(Label3);
    cartelle->addWidget(scelta_->percorso);
    cartelle->addWidget(Dir1, 1);
    cartelle->addWidget(Drive1);
    auto* anteprima = new QVBoxLayout;
    anteprima->addWidget(Label2);
    anteprima->addWidget(Picture1);
    anteprima->addStretch();
    anteprima->addLayout(rigaPulsanti(Command3d1, Command3d2));
    auto* griglia = new QHBoxLayout;
    griglia->addLayout(nomi, 1);
    griglia->addLayout(cartelle, 1);
    griglia->addLayout(anteprima);
    File1->setMinimumWidth(200);
    // Long names are shown whole: the list scrolls sideways rather than cut them.
    File1->setTextElideMode(Qt::ElideNone);
    File1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Dir1->setMinimumWidth(200);
    auto* tutto = new QVBoxLayout(this);
    tutto->addWidget(luoghi);
    tutto->addLayout(griglia);
    tutto->addWidget(StatusBar1);
    tutto->setContentsMargins(8, 8, 8, 0);

    connect(scelta_, &SceltaCartella::cartellaCambiata, this, [this](const QString& c) {
        QDir::setCurrent(c);
        // The old name and preview belong to the old folder: OK must not open what is no longer listed.
        Text1->clear();
        scelto_.clear();
        Picture1->superficie().pulisci();
        Label2->setText("Anteprima");
        pannelloAutore->setText("Dati autore");
    });
    connect(scelta_, &SceltaCartella::fileSelezionato, this, [this](const QString& n) {
        if (!n.isEmpty()) File1_Click(n);
    });
    connect(scelta_, &SceltaCartella::fileScelto, this, &Form2::Command3d1_Click);
    connect(Command3d1, &QPushButton::clicked, this, &Form2::Command3d1_Click);
    connect(Command3d2, &QPushButton::clicked, this, &Form2::Command3d2_Click);
    selezionaTuttoAlFuoco(Text1);

    Form_Load();
}

void Form2::Form_Load() {
    scelta_->vaiAllaCartellaIniziale();
    adjustSize();
    centraSulloSchermo(this);
}

void Form2::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!attivato_) {
        attivato_ = true;
        // After the dialog is on screen, so that a message about the first file has it behind.
        QMetaObject::invokeMethod(this, &Form2::Form_Activate, Qt::QueuedConnection);
    }
}

void Form2::changeEvent(QEvent* e) {
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

void Form2::Form_Activate() {
    if (chiuso_) return;  // closed before its first activation came round
    // The puzzle last opened when it is in this folder, the first file otherwise.
    int riga = 0;
    const std::string& ultimo = documento_.nomeFile;
    if (!ultimo.empty() && QDir(nomeQt(cartellaDi(ultimo))).absolutePath() == QDir(scelta_->cartella()).absolutePath())
        for (int i = 0; i < File1->count(); ++i)
            if (File1->item(i)->data(Qt::UserRole).toByteArray().toStdString() == ultimo.substr(ultimo.find_last_of('/') + 1))
                riga = i;
    if (File1->count() > 0) File1->setCurrentRow(riga);
    // The keyboard starts on the puzzles: arrows pick one, Enter opens it.
    File1->setFocus(Qt::OtherFocusReason);
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void Form2::File1_Click(const QString& nome) {
    Text1->setText(nome);
    // The list's own bytes when the name came from it, so a name Qt cannot spell still opens.
    scelto_ = percorsoDaQt(nome, scelta_->nomeSelezionato());
    // Cleared first: a file that cannot be shown must not keep the last one's size and author.
    Label2->setText("Anteprima");
    pannelloAutore->setText("Dati autore");
    const Anteprima esito = disegnaAnteprima(stato_, Picture1->superficie(), piattaforma_,
                                             percorsoDaQt(scelta_->cartella()), scelto_);
    if (esito.riuscita) {
        Label2->setText(QString::fromStdString(esito.etichetta));
        pannelloAutore->setText(QString::fromStdString(esito.datiAutore));
    }
}

void Form2::Command3d1_Click() {
    if (chiuso_ || vaiACartellaDigitata()) return;
    if (apriSchemaScelto(apri_, piattaforma_, percorsoDaQt(scelta_->cartella()), percorsoDaQt(Text1->text(), scelto_)))
        chiudi(true);
}

void Form2::Command3d2_Click() {
    if (chiuso_) return;
    chiudi(false);
}

void Form2::chiudi(bool aperto) {
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
