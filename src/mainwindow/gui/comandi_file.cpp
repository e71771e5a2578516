#include "mainwindow/gui/comandi_file.h"

#include <QAction>
#include <QMenu>
#include <QWindow>
#include <unistd.h>

#include "dialogs/apertura_schema.h"
#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_apri.h"
#include "dialogs/gui/finestra_archivio.h"
#include "dialogs/gui/finestra_salva.h"
#include "dialogs/libreria.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"
#include "model/file.h"
#include "model/opzioni_utente.h"
#include "qt/area_disegno.h"
#include "qt/voce.h"
#include "sessione/lavoro.h"
#include "sessione/salvataggio.h"
#include "sessione/sessione.h"

namespace quadrivo {

namespace {

// A dialog without a parent widget (so that disabling the main window leaves it usable) is
// still kept above the main window by the window manager.
void sopraDi(QWidget* dialogo, QWidget* finestra) {
    dialogo->winId();
    if (dialogo->windowHandle() && finestra->windowHandle())
        dialogo->windowHandle()->setTransientParent(finestra->windowHandle());
}

}  // namespace

ComandiFile::ComandiFile(Sessione& sessione, Piattaforma& piattaforma, AreaDisegno* area, Sfondo* sfondo,
                         QWidget* finestra)
    : QObject(finestra), sessione_(sessione), piattaforma_(piattaforma), area_(area), sfondo_(sfondo),
      finestra_(finestra), recenti_(new MenuRecenti(sessione.impostazioni(), finestra)) {
    // The menu table gives the texts and the keys of the items it lists.
    for (const VoceMenu& v : vociMenu())
        for (const char* nome : {"azioneApri", "azioneSalva", "azioneSalvaConNome", "azioneEsci"})
            if (std::string(v.nome) == nome) {
                QAction* a = new QAction(QString::fromUtf8(v.testo), this);
                a->setObjectName(nome);
                a->setShortcut(QKeySequence(QString::fromUtf8(v.scorciatoia)));
                azioni_[nome] = a;
            }
    QAction* archivio = new QAction("Archi&vio ...", this);
    archivio->setObjectName("azioneArchivio");
    archivio->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    azioni_["azioneArchivio"] = archivio;
    // The keys every desktop program has, beside the ones the menus show.
    QAction* apri = azioni_.at("azioneApri");
    QAction* esci = azioni_.at("azioneEsci");
    apri->setShortcuts({apri->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O)});
    esci->setShortcuts({esci->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    connect(apri, &QAction::triggered, this, &ComandiFile::apri);
    connect(azioni_.at("azioneSalva"), &QAction::triggered, this, &ComandiFile::salva);
    connect(azioni_.at("azioneSalvaConNome"), &QAction::triggered, this, [this] { salvaConNome(); });
    connect(archivio, &QAction::triggered, this, &ComandiFile::mostraArchivio);
    connect(esci, &QAction::triggered, this, &ComandiFile::uscitaChiesta);
    connect(recenti_, &MenuRecenti::scelto, this, &ComandiFile::apriScelto);
    connect(&sessione_, &Sessione::salvaConNomeRichiesto, this, [this] { salvaConNome(); });
    connect(&sessione_, &Sessione::schemaCambiato, this, &ComandiFile::seguiSchema);
    seguiSchema();
}

QAction* ComandiFile::azione(const std::string& nome) const {
    const auto i = azioni_.find(nome);
    return i == azioni_.end() ? nullptr : i->second;
}

void ComandiFile::creaVoci(QMenu* file) {
    QAction* salva = azioni_.at("azioneSalva");
    file->insertMenu(salva, recenti_);
    file->insertAction(salva, azioni_.at("azioneArchivio"));
}

void ComandiFile::seguiSchema() {
    for (const char* nome : {"azioneSalva", "azioneSalvaConNome"}) azioni_.at(nome)->setVisible(sessione_.aperto());
    if (sessione_.aperto()) recenti_->ricorda(sessione_.nomeFile());
}

void ComandiFile::apri() {
    emit primaDiAgire();
    piattaforma_.impostaPuntatore(Puntatore::clessidra);
    // The background picture, never the grid: a puzzle stays drawn behind the dialog.
    if (sfondo_->isVisible() && !sessione_.aperto()) {
        sfondo_->hide();
        area_->superficie().pulisci();
        area_->update();
    }
    if (!lasciaSchema()) {
        piattaforma_.impostaPuntatore(Puntatore::predefinito);
        emit grigliaDaRidisegnare();
        return;
    }

    finestra_->setEnabled(false);
    auto* finestraApri = new FinestraApri(sessione_.cartelle(), sessione_.impostazioni(), sessione_.documento(), piattaforma_,
                                          [this](const std::string& p) { return sessione_.apri(p); }, finestra_);
    // Still no puzzle: the background picture hidden for the dialog comes back.
    connect(finestraApri, &FinestraApri::chiuso, this, [this](bool) {
        if (!sessione_.aperto()) sfondo_->mostra();
        emit dialogoChiuso();
    });
    sopraDi(finestraApri, finestra_);
    finestraApri->show();
    emit dialogoAperto();
}

void ComandiFile::salva() {
    emit primaDiAgire();
    const std::string cartella = cartellaDi(sessione_.nomeFile());
    if (!sessione_.haNome())
        salvaConNome();
    else if (::access(cartella.c_str(), W_OK) != 0)
        // The samples of an installed copy, a read-only disk: the player picks a folder of their own.
        salvaConNome(
            QString("La cartella %1 non si può scrivere: scegli dove salvare il cruciverba.").arg(nomeQt(cartella)));
    else if (sessione_.salva()) {
        recenti_->ricorda(sessione_.nomeFile());
        annuncia(area_, "Salvato: " + nomeQt(sessione_.nomeFile()).section('/', -1));
    }
}

void ComandiFile::salvaConNome(const QString& avviso) {
    emit primaDiAgire();
    finestra_->setEnabled(false);
    {
        FinestraSalva dialogo(sessione_.cartelle(), sessione_.impostazioni(), sessione_.documento(), piattaforma_,
                              [this](const std::string& cartella, const std::string& nome, const std::string& autore) {
                                  return sessione_.salvaConNome(cartella, nome, autore);
                              },
                              finestra_);
        dialogo.avvisa(avviso);
        sopraDi(&dialogo, finestra_);
        if (dialogo.exec() == QDialog::Accepted && dialogo.esito() == EsitoSalvataggio::salvato) {
            recenti_->ricorda(sessione_.nomeFile());
            annuncia(area_, "Salvato: " + nomeQt(sessione_.nomeFile()).section('/', -1));
        }
    }
    finestra_->setEnabled(true);
    emit dialogoChiuso();
}

void ComandiFile::apriRigaComando(const std::string& rigaComando) {
    if (!lasciaSchema()) return;
    const std::string percorso = percorsoRigaComando(rigaComando);
    const EsitoApertura esito = sessione_.apri(percorso);
    if (esito == EsitoApertura::ok) return;
    // The background picture comes back into view.
    if (esito != EsitoApertura::giaAperto)
        piattaforma_.messaggio(messaggioRigaComando(esito, percorso), {}, Icona::attenzione, Pulsanti::ok);
    sfondo_->mostra();
}

bool ComandiFile::lasciaSchema() {
    switch (chiediPrimaDiLasciare(sessione_.documento(), sessione_.modificato(), piattaforma_)) {
    case Risposta::nonSalvare: return true;
    case Risposta::annulla: return false;
    case Risposta::ok: break;
    }
    salva();
    // A save that failed or was given up keeps the player where the answers are.
    return !sessione_.modificato();
}

void ComandiFile::apriScelto(const std::string& percorso) {
    emit primaDiAgire();
    if (!lasciaSchema()) return;
    sfondo_->hide();
    apriSchemaScelto([this](const std::string& p) { return sessione_.apri(p); }, piattaforma_, "/", percorso);
}

void ComandiFile::mostraArchivio() {
    emit primaDiAgire();
    if (!archivio_) {
        archivio_ = new FinestraArchivio(cartellaDatiGiocatore(), cartelleLibreria(sessione_.impostazioni()),
                                         fileRecenti(sessione_.impostazioni()), finestra_);
        connect(archivio_, &FinestraArchivio::cartellaAggiunta, this,
                [this](const std::string& c) { aggiungiCartellaLibreria(sessione_.impostazioni(), c); });
        archivio_->setWindowFlag(Qt::Window);
        archivio_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(archivio_, &FinestraArchivio::apri, this, [this](const std::string& percorso) {
            finestra_->raise();
            finestra_->activateWindow();
            apriScelto(percorso);
        });
    } else {
        // What was played since the window was last shown.
        archivio_->aggiorna();
    }
    archivio_->show();
    archivio_->raise();
    archivio_->activateWindow();
}

}  // namespace quadrivo
