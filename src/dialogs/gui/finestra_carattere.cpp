#include "dialogs/gui/finestra_carattere.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QWindow>

#include "dialogs/gui/finestre_comuni.h"

namespace quadrivo {

FinestraCarattere::FinestraCarattere(Impostazioni& impostazioni, Piattaforma& piattaforma, Famiglie famiglie, StileInValori::Verifica disponibile,
               QWidget* genitore)
    : QDialog(genitore),
      impostazioni_(impostazioni),
      piattaforma_(piattaforma),
      famiglie_(std::move(famiglie)),
      disponibile_(std::move(disponibile)) {
    if (!famiglie_) famiglie_ = [] { return QFontDatabase::families(); };
    if (!disponibile_)
        disponibile_ = [](const std::string& nome) { return QFontDatabase::families().contains(QString::fromStdString(nome)); };

    setObjectName("finestraCarattere");
    setWindowTitle("Quadrivo - Scelta carattere");
    setModal(true);
    usaFamiglia(this, "Tahoma");

    elencoFamiglie = new QListWidget(this);
    elencoFamiglie->setObjectName("elencoFamiglie");
    rigaConteggio = new QLabel(this);
    rigaCampione = new QLineEdit(this);
    rigaCampione->setObjectName("rigaCampione");
    rigaCampione->setReadOnly(true);
    rigaCampione->setMinimumWidth(420);
    casellaCorsivo = new QCheckBox("Corsivo", this);
    casellaGrassetto = new QCheckBox("Grassetto", this);
    QFont f = casellaCorsivo->font();
    f.setItalic(true);
    casellaCorsivo->setFont(f);
    f = casellaGrassetto->font();
    f.setBold(true);
    casellaGrassetto->setFont(f);
    pulsanteOk = new QPushButton("OK", this);
    pulsanteAnnulla = new QPushButton("&Annulla", this);

    auto* g = new QGridLayout(this);
    g->addWidget(rigaConteggio, 0, 0);
    g->addWidget(elencoFamiglie, 1, 0, 4, 1);
    g->addWidget(casellaCorsivo, 1, 1);
    g->addWidget(casellaGrassetto, 2, 1);
    g->addWidget(rigaCampione, 5, 0, 1, 2);
    g->addLayout(rigaPulsanti(pulsanteOk, pulsanteAnnulla), 6, 0, 1, 2);

    // The list makes its first row current when it takes the focus, without selecting it: only
    // a selected row is a choice.
    connect(elencoFamiglie, &QListWidget::itemSelectionChanged, this, [this] { aggiornaCampione(); });
    connect(casellaCorsivo, &QCheckBox::clicked, this, [this] { aggiornaCampione(); });
    connect(casellaGrassetto, &QCheckBox::clicked, this, [this] { aggiornaCampione(); });
    connect(pulsanteOk, &QPushButton::clicked, this, &FinestraCarattere::conferma);
    connect(pulsanteAnnulla, &QPushButton::clicked, this, &FinestraCarattere::annulla);
}

void FinestraCarattere::carica() {
    elencoFamiglie->clear();
    std::vector<std::string> nomi;
    for (const QString& famiglia : famiglie_()) nomi.push_back(famiglia.toStdString());
    for (const std::string& famiglia : famiglieSenzaFonderia(nomi)) elencoFamiglie->addItem(QString::fromStdString(famiglia));
    rigaConteggio->setText(QString::fromStdString(rigaConteggioFont(static_cast<size_t>(elencoFamiglie->count()))));
    adjustSize();
    centraSulloSchermo(this);
}

void FinestraCarattere::showEvent(QShowEvent* e) {
    if (!caricato_) {
        caricato_ = true;
        carica();
    }
    QDialog::showEvent(e);
    selezionaCorrente();
    // Uncovering the window repaints it as a whole: the preselection runs again then.
    if (windowHandle()) windowHandle()->installEventFilter(this);
}

bool FinestraCarattere::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == windowHandle() && evento->type() == QEvent::Expose && isVisible()) selezionaCorrente();
    return QDialog::eventFilter(oggetto, evento);
}

void FinestraCarattere::selezionaCorrente() {
    std::vector<std::string> nomi;
    nomi.reserve(static_cast<size_t>(elencoFamiglie->count()));
    for (int i = 0; i < elencoFamiglie->count(); ++i) nomi.push_back(elencoFamiglie->item(i)->text().toStdString());
    const int i = indiceFamigliaInUso(nomi, impostazioni_.valori().nomeFont);
    if (i >= 0) elencoFamiglie->setCurrentRow(i);
}

const QListWidgetItem* FinestraCarattere::sceltaFatta() const {
    const QList<QListWidgetItem*> scelte = elencoFamiglie->selectedItems();
    return scelte.isEmpty() ? nullptr : scelte.front();
}

void FinestraCarattere::aggiornaCampione() {
    QFont f = rigaCampione->font();
    if (const QListWidgetItem* voce = sceltaFatta()) {
        rigaCampione->setText(QString::fromStdString(testoCampione(voce->text().toStdString())));
        f.setFamily(voce->text());
        f.setPointSizeF(puntiAnteprimaCarattere);
    }
    f.setItalic(casellaCorsivo->checkState() != Qt::Unchecked);
    f.setBold(casellaGrassetto->checkState() != Qt::Unchecked);
    rigaCampione->setFont(f);
}

void FinestraCarattere::conferma() {
    if (const QListWidgetItem* voce = sceltaFatta()) {
        ValoriImpostazioni valori = impostazioni_.valori();
        StileInValori stampante(valori.carattereStampante, disponibile_);
        StileInValori schermo(valori.carattereSchermo, disponibile_);
        applicaCarattere(valori, piattaforma_, stampante, schermo, voce->text().toStdString(),
                         casellaCorsivo->checkState() != Qt::Unchecked, casellaGrassetto->checkState() != Qt::Unchecked);
        impostazioni_.cambia(valori);
    }
    QDialog::done(QDialog::Accepted);
}

void FinestraCarattere::annulla() { QDialog::done(QDialog::Rejected); }

}  // namespace quadrivo
