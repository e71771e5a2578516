// File → Archivio and the clock that stops while the player is in another program.
#include <QAction>
#include <QApplication>
#include <QMenu>

#include "dialogs/apertura_schema.h"
#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_archivio.h"
#include "dialogs/libreria.h"
#include "mainwindow/gui/dati_giocatore.h"
#include "mainwindow/gui/finestra_principale.h"
#include "mainwindow/gui/sfondo.h"
#include "model/opzioni_utente.h"

namespace quadrivo {

namespace {
constexpr const char* chiavePausaFuori = "cronometro/pausaFuoriDallaFinestra";
}

void FinestraPrincipale::creaVociArchivio() {
    azioneArchivio = new QAction("Archi&vio ...", this);
    azioneArchivio->setObjectName("azioneArchivio");
    azioneArchivio->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    menuFile->insertAction(azioneSalva, azioneArchivio);
    connect(azioneArchivio, &QAction::triggered, this, &FinestraPrincipale::mostraArchivio);

    azionePausaFuori = menuOpzioni->addAction("Ferma il &cronometro quando la finestra non è attiva");
    azionePausaFuori->setObjectName("azionePausaFuori");
    azionePausaFuori->setCheckable(true);
    azionePausaFuori->setChecked(valoreUtente(chiavePausaFuori, true).toBool());
    connect(azionePausaFuori, &QAction::toggled, this, [this](bool attiva) {
        dati_->salvaOpzione(chiavePausaFuori, attiva);
        attivitaCambiata();
    });
}

void FinestraPrincipale::attivitaCambiata() {
    // Only a deactivation by another program counts: a dialog of ours already stops the clock.
    sessione_->impostaFuori(azionePausaFuori && azionePausaFuori->isChecked() && !isActiveWindow() &&
                            QApplication::activeWindow() == nullptr);
}

void FinestraPrincipale::mostraArchivio() {
    lasciaLaGriglia();
    if (!archivio_) {
        archivio_ = new FinestraArchivio(cartellaDatiGiocatore(), cartelleLibreria(), fileRecenti(), this);
        archivio_->setWindowFlag(Qt::Window);
        archivio_->setAttribute(Qt::WA_DeleteOnClose, false);
        connect(archivio_, &FinestraArchivio::apri, this, [this](const std::string& percorso) {
            raise();
            activateWindow();
            lasciaLaGriglia();
            if (!lasciaSchema()) return;
            sfondo_->hide();
            apriSchemaScelto([this](const std::string& p) { return sessione_->apri(p); }, piattaforma_, "/", percorso);
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
