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
      volumi(new QComboBox(genitore)),
      listaCartelle(new QListWidget(genitore)),
      elencoFile(new QListWidget(genitore)),
      percorso(new QLabel(genitore)),
      piattaforma_(piattaforma) {
    volumi->setObjectName("volumi");
    listaCartelle->setObjectName("listaCartelle");
    elencoFile->setObjectName("elencoFile");
    volumi->setAccessibleName("Volume");
    listaCartelle->setAccessibleName("Cartelle");
    elencoFile->setAccessibleName("File di cruciverba");
    percorso->setTextInteractionFlags(Qt::TextSelectableByMouse);
    percorso->setWordWrap(true);
    riempiVolumi();

    connect(volumi, &QComboBox::activated, this, [this](int i) { scegliVolume(volumi->itemData(i).toString()); });
    connect(listaCartelle, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* voce) { vaiA(voce->data(Qt::UserRole).toString()); });
    connect(elencoFile, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* voce) {
        emit fileSelezionato(voce ? voce->text() : QString());
    });
    connect(elencoFile, &QListWidget::itemDoubleClicked, this, [this] { emit fileScelto(); });
    // Enter in the folder list opens the folder instead of confirming the dialog.
    listaCartelle->installEventFilter(this);
}

bool SceltaCartella::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == listaCartelle && evento->type() == QEvent::KeyPress) {
        auto* tasto = static_cast<QKeyEvent*>(evento);
        if (tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter) {
            if (QListWidgetItem* voce = listaCartelle->currentItem()) vaiA(voce->data(Qt::UserRole).toString());
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
    QSignalBlocker blocco(volumi);
    volumi->clear();
    for (const QString& r : radici) volumi->addItem(r, r);
}

void SceltaCartella::mostraVolumeCorrente() {
    const QString radice = QStorageInfo(cartella_).rootPath();
    int i = volumi->findData(radice);
    if (i < 0 && !radice.isEmpty()) {
        volumi->addItem(radice, radice);
        i = volumi->count() - 1;
    }
    QSignalBlocker blocco(volumi);
    volumi->setCurrentIndex(i);
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

    listaCartelle->clear();
    if (!dir.isRoot()) {
        auto* su = new QListWidgetItem("..", listaCartelle);
        su->setData(Qt::UserRole, QFileInfo(cartella_).absolutePath());
    }
    QFileInfoList sotto = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& s : sotto) {
        auto* voce = new QListWidgetItem("[" + s.fileName() + "]", listaCartelle);
        voce->setData(Qt::UserRole, s.absoluteFilePath());
    }
    aggiornaFile();
    mostraVolumeCorrente();
    emit cartellaCambiata(cartella_);
    return true;
}

void SceltaCartella::vaiAllaCartellaIniziale(const Impostazioni& impostazioni) {
    const QString corrente = QDir::currentPath();
    if (!vaiA(nomeQt(cartellaDiPartenza(impostazioni, cartellaIniziale(percorsoDaQt(corrente)))))) vaiA(corrente);
}

std::string SceltaCartella::nomeSelezionato() const {
    const QListWidgetItem* voce = elencoFile->currentItem();
    return voce ? voce->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

void SceltaCartella::aggiornaFile() {
    QSignalBlocker blocco(elencoFile);
    elencoFile->clear();
    for (const std::string& n : filesCruciverba(percorsoDaQt(cartella_))) {
        auto* voce = new QListWidgetItem(nomeQt(n), elencoFile);
        voce->setData(Qt::UserRole, QByteArray::fromStdString(n));  // the name's own bytes
        voce->setToolTip(nomeQt(n));
    }
    elencoFile->setCurrentRow(-1);
}

DialogoFile::DialogoFile(const QString& nome, const QString& titolo, bool modale, const Cartelle& cartelle,
                         Impostazioni& impostazioni, Piattaforma& piattaforma, QWidget* principale)
    : QDialog(nullptr), impostazioni_(impostazioni), piattaforma_(piattaforma), principale_(principale) {
    setObjectName(nome);
    setWindowTitle(titolo);
    setModal(modale);
    usaFamiglia(this, "Tahoma");
    scelta_ = new SceltaCartella(this, piattaforma);
    volumi = scelta_->volumi;
    listaCartelle = scelta_->listaCartelle;
    elencoFile = scelta_->elencoFile;
    campoNome = new QLineEdit(this);
    campoNome->setObjectName("campoNome");
    campoNome->setAccessibleName("Nome file");
    etichettaNome = new QLabel("Nome File", this);
    etichettaCartella = new QLabel("Cartella", this);

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
    luogo("Archi&vio", componiPercorso(cartelle.programma, cartellaArchivio), "LuogoArchivio");
    auto* recenti = new QComboBox(luoghi);
    recenti->setObjectName("LuoghiRecenti");
    recenti->setAccessibleName("Cartelle recenti");
    recenti->addItem("Cartelle recenti");
    for (const std::string& c : cartelleRecenti(impostazioni_)) recenti->addItem(nomeQt(c), nomeQt(c));
    recenti->setEnabled(recenti->count() > 1);
    connect(recenti, &QComboBox::activated, this, [this, recenti](int i) {
        if (i > 0) scelta_->vaiA(recenti->itemData(i).toString());
        recenti->setCurrentIndex(0);
    });
    riga->addWidget(recenti, 1);
}

bool DialogoFile::vaiACartellaDigitata() {
    const std::string c = cartellaDigitata(percorsoDaQt(scelta_->cartella()), percorsoDaQt(campoNome->text()));
    if (c.empty() || !scelta_->vaiA(nomeQt(c))) return false;
    campoNome->clear();
    return true;
}

}  // namespace quadrivo
