#include "dialogs/gui/scelta_cartella.h"

#include "dialogs/gui/finestre_comuni.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

#include "dialogs/apertura_schema.h"
#include "dialogs/cartelle.h"
#include "model/file.h"

namespace quadrivo {

SceltaCartella::SceltaCartella(QWidget* genitore, Piattaforma& piattaforma)
    : QObject(genitore),
      Drive1(new QComboBox(genitore)),
      Dir1(new QListWidget(genitore)),
      File1(new QListWidget(genitore)),
      percorso(new QLabel(genitore)),
      piattaforma_(piattaforma) {
    Drive1->setObjectName("Drive1");
    Dir1->setObjectName("Dir1");
    File1->setObjectName("File1");
    Drive1->setAccessibleName("Volume");
    Dir1->setAccessibleName("Cartelle");
    File1->setAccessibleName("File di cruciverba");
    percorso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    percorso->setWordWrap(true);
    riempiVolumi();

    connect(Drive1, &QComboBox::activated, this, [this](int i) { scegliVolume(Drive1->itemData(i).toString()); });
    connect(Dir1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* voce) { vaiA(voce->data(Qt::UserRole).toString()); });
    connect(File1, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* voce) {
        emit fileSelezionato(voce ? voce->text() : QString());
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { emit fileScelto(); });
    // Enter in the folder list opens the folder instead of confirming the dialog.
    Dir1->installEventFilter(this);
}

bool SceltaCartella::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == Dir1 && evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
            if (QListWidgetItem* voce = Dir1->currentItem()) vaiA(voce->data(Qt::UserRole).toString());
            return true;
        }
    }
    return QObject::eventFilter(oggetto, evento);
}

void SceltaCartella::riempiVolumi() {
    QStringList radici;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid()) radici << v.rootPath();
    radici.removeDuplicates();
    std::sort(radici.begin(), radici.end());
    QSignalBlocker blocco(Drive1);
    Drive1->clear();
    for (const QString& r : radici) Drive1->addItem(r, r);
}

void SceltaCartella::mostraVolumeCorrente() {
    const QString radice = QStorageInfo(cartella_).rootPath();
    int i = Drive1->findData(radice);
    if (i < 0 && !radice.isEmpty()) {
        Drive1->addItem(radice, radice);
        i = Drive1->count() - 1;
    }
    QSignalBlocker blocco(Drive1);
    Drive1->setCurrentIndex(i);
}

void SceltaCartella::scegliVolume(const QString& radice) {
    const QStorageInfo info(radice);
    const QFileInfo fi(radice);
    if (!info.isValid() || !info.isReady() || !fi.isDir() || !fi.isReadable() || !vaiA(radice)) {
        piattaforma_.messaggio(msgErroreDrive);
        mostraVolumeCorrente();
    }
}

bool SceltaCartella::vaiA(const QString& destinazione) {
    const QFileInfo fi(destinazione);
    if (!fi.isDir() || !fi.isExecutable() || !fi.isReadable()) return false;
    const QDir dir(fi.absoluteFilePath());
    cartella_ = QDir::cleanPath(dir.absolutePath());
    percorso->setText(cartella_);

    Dir1->clear();
    if (!dir.isRoot()) {
        auto* su = new QListWidgetItem("..", Dir1);
        su->setData(Qt::UserRole, QFileInfo(cartella_).absolutePath());
    }
    QFileInfoList sotto = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& s : sotto) {
        auto* voce = new QListWidgetItem("[" + s.fileName() + "]", Dir1);
        voce->setData(Qt::UserRole, s.absoluteFilePath());
    }
    aggiornaFile();
    mostraVolumeCorrente();
    emit cartellaCambiata(cartella_);
    return true;
}

void SceltaCartella::vaiAllaCartellaIniziale() {
    const QString corrente = QDir::currentPath();
    if (!vaiA(nomeQt(cartellaDiPartenza(cartellaIniziale(percorsoDaQt(corrente)))))) vaiA(corrente);
}

std::string SceltaCartella::nomeSelezionato() const {
    const QListWidgetItem* voce = File1->currentItem();
    return voce ? voce->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

void SceltaCartella::aggiornaFile() {
    QSignalBlocker blocco(File1);
    File1->clear();
    for (const std::string& n : filesCruciverba(percorsoDaQt(cartella_))) {
        auto* voce = new QListWidgetItem(nomeQt(n), File1);
        voce->setData(Qt::UserRole, QByteArray::fromStdString(n));  // the name's own bytes
        voce->setToolTip(nomeQt(n));
    }
    File1->setCurrentRow(-1);
}

DialogoFile::DialogoFile(const QString& nome, const QString& titolo, bool modale, Stato& stato,
                         Piattaforma& piattaforma, QWidget* principale)
    : QDialog(nullptr), stato_(stato), piattaforma_(piattaforma), principale_(principale) {
    setObjectName(nome);
    setWindowTitle(titolo);
    setModal(modale);
    usaFamiglia(this, "Tahoma");
    scelta_ = new SceltaCartella(this, piattaforma);
    Drive1 = scelta_->Drive1;
    Dir1 = scelta_->Dir1;
    File1 = scelta_->File1;
    Text1 = new QLineEdit(this);
    Text1->setObjectName("Text1");
    Text1->setAccessibleName("Nome file");
    Label1 = new QLabel("Nome File", this);
    Label3 = new QLabel("Cartella", this);

    luoghi = new QWidget(this);
    luoghi->setObjectName("Luoghi");
    auto* riga = new QHBoxLayout(luoghi);
    riga->setContentsMargins(0, 0, 0, 0);
    const auto luogo = [this, riga](const QString& testo, const std::string& cartella, const char* nomeOggetto) {
        auto* b = new QPushButton(testo, luoghi);
        b->setObjectName(nomeOggetto);
        b->setToolTip(nomeQt(cartella));
        b->setAutoDefault(false);
        b->setVisible(QFileInfo(nomeQt(cartella)).isDir());
        connect(b, &QPushButton::clicked, this, [this, cartella] { scelta_->vaiA(nomeQt(cartella)); });
        riga->addWidget(b);
    };
    luogo("Cartella &personale", percorsoDaQt(QDir::homePath()), "LuogoCasa");
    luogo("C&ruciverba", cartellaCruciverba(), "LuogoCruciverba");
    luogo("Archi&vio", componiPercorso(stato.cartellaProgramma, cartellaArchivio), "LuogoArchivio");
    auto* recenti = new QComboBox(luoghi);
    recenti->setObjectName("LuoghiRecenti");
    recenti->setAccessibleName("Cartelle recenti");
    recenti->addItem("Cartelle recenti");
    for (const std::string& c : cartelleRecenti()) recenti->addItem(nomeQt(c), nomeQt(c));
    recenti->setEnabled(recenti->count() > 1);
    connect(recenti, &QComboBox::activated, this, [this, recenti](int i) {
        if (i > 0) scelta_->vaiA(recenti->itemData(i).toString());
        recenti->setCurrentIndex(0);
    });
    riga->addWidget(recenti, 1);
}

bool DialogoFile::vaiACartellaDigitata() {
    const std::string c = cartellaDigitata(percorsoDaQt(scelta_->cartella()), percorsoDaQt(Text1->text()));
    if (c.empty() || !scelta_->vaiA(nomeQt(c))) return false;
    Text1->clear();
    return true;
}

}  // namespace quadrivo
