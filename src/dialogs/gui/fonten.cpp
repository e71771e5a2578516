#include "dialogs/gui/fonten.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QWindow>

#include "dialogs/gui/finestre_comuni.h"

namespace quadrivo {

FONTEN::FONTEN(Stato& stato, Piattaforma& piattaforma, Famiglie famiglie, StileInStato::Verifica disponibile,
               QWidget* genitore)
    : QDialog(genitore),
      stato_(stato),
      piattaforma_(piattaforma),
      famiglie_(std::move(famiglie)),
      disponibile_(std::move(disponibile)) {
    if (!famiglie_) famiglie_ = [] { return QFontDatabase::families(); };
    if (!disponibile_)
        disponibile_ = [](const std::string& nome) { return QFontDatabase::families().contains(QString::fromStdString(nome)); };

    setObjectName("fONTEN");
    setWindowTitle("Quadrivo - Scelta carattere");
    setModal(true);
    usaFamiglia(this, "Tahoma");

    LstFonts = new QListWidget(this);
    LstFonts->setObjectName("LstFonts");
    Label1 = new QLabel(this);
    TxtFontPreview = new QLineEdit(this);
    TxtFontPreview->setObjectName("TxtFontPreview");
    TxtFontPreview->setReadOnly(true);
    TxtFontPreview->setMinimumWidth(420);
    Check3d1 = new QCheckBox("Corsivo", this);
    Check3d2 = new QCheckBox("Grassetto", this);
    QFont f = Check3d1->font();
    f.setItalic(true);
    Check3d1->setFont(f);
    f = Check3d2->font();
    f.setBold(true);
    Check3d2->setFont(f);
    cmdOK = new QPushButton("OK", this);
    cmdCancel = new QPushButton("&Annulla", this);

    auto* g = new QGridLayout(this);
    g->addWidget(Label1, 0, 0);
    g->addWidget(LstFonts, 1, 0, 4, 1);
    g->addWidget(Check3d1, 1, 1);
    g->addWidget(Check3d2, 2, 1);
    g->addWidget(TxtFontPreview, 5, 0, 1, 2);
    g->addLayout(rigaPulsanti(cmdOK, cmdCancel), 6, 0, 1, 2);

    // The list makes its first row current when it takes the focus, without selecting it: only
    // a selected row is a choice.
    connect(LstFonts, &QListWidget::itemSelectionChanged, this, [this] { aggiornaCampione(); });
    connect(Check3d1, &QCheckBox::clicked, this, [this] { aggiornaCampione(); });
    connect(Check3d2, &QCheckBox::clicked, this, [this] { aggiornaCampione(); });
    connect(cmdOK, &QPushButton::clicked, this, &FONTEN::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FONTEN::cmdCancel_Click);
}

void FONTEN::Form_Load() {
    LstFonts->clear();
    std::vector<std::string> nomi;
    for (const QString& famiglia : famiglie_()) nomi.push_back(famiglia.toStdString());
    for (const std::string& famiglia : famiglieSenzaFonderia(nomi)) LstFonts->addItem(QString::fromStdString(famiglia));
    Label1->setText(QString::fromStdString(rigaConteggioFont(static_cast<size_t>(LstFonts->count()))));
    adjustSize();
    centraSulloSchermo(this);
}

void FONTEN::showEvent(QShowEvent* e) {
    if (!caricato_) {
        caricato_ = true;
        Form_Load();
    }
    QDialog::showEvent(e);
    Form_Paint();
    // Uncovering the window repaints it as a whole: the preselection runs again then.
    if (windowHandle()) windowHandle()->installEventFilter(this);
}

bool FONTEN::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == windowHandle() && evento->type() == QEvent::Expose && isVisible()) Form_Paint();
    return QDialog::eventFilter(oggetto, evento);
}

void FONTEN::Form_Paint() {
    std::vector<std::string> nomi;
    nomi.reserve(static_cast<size_t>(LstFonts->count()));
    for (int i = 0; i < LstFonts->count(); ++i) nomi.push_back(LstFonts->item(i)->text().toStdString());
    const int i = indiceFamigliaInUso(nomi, stato_.nomeFont);
    if (i >= 0) LstFonts->setCurrentRow(i);
}

const QListWidgetItem* FONTEN::sceltaFatta() const {
    const QList<QListWidgetItem*> scelte = LstFonts->selectedItems();
    return scelte.isEmpty() ? nullptr : scelte.front();
}

void FONTEN::aggiornaCampione() {
    QFont f = TxtFontPreview->font();
    if (const QListWidgetItem* voce = sceltaFatta()) {
        TxtFontPreview->setText(QString::fromStdString(testoCampione(voce->text().toStdString())));
        f.setFamily(voce->text());
        f.setPointSizeF(puntiAnteprimaCarattere);
    }
    f.setItalic(Check3d1->checkState() != Qt::Unchecked);
    f.setBold(Check3d2->checkState() != Qt::Unchecked);
    TxtFontPreview->setFont(f);
}

void FONTEN::cmdOK_Click() {
    if (const QListWidgetItem* voce = sceltaFatta()) {
        StileInStato stampante(stato_.carattereStampante, disponibile_);
        StileInStato schermo(stato_.carattereSchermo, disponibile_);
        applicaCarattere(stato_, piattaforma_, stampante, schermo, voce->text().toStdString(),
                         Check3d1->checkState() != Qt::Unchecked, Check3d2->checkState() != Qt::Unchecked);
    }
    QDialog::done(QDialog::Accepted);
}

void FONTEN::cmdCancel_Click() { QDialog::done(QDialog::Rejected); }

}  // namespace quadrivo
