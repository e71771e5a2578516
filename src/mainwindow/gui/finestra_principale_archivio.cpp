// The clock that stops while the player is in another program.
#include <QAction>
#include <QApplication>
#include <QMenu>

#include "model/impostazioni.h"
#include "mainwindow/gui/finestra_principale.h"
#include "model/opzioni_utente.h"

namespace quadrivo {

namespace {
constexpr const char* chiavePausaFuori = "cronometro/pausaFuoriDallaFinestra";
}

void FinestraPrincipale::creaVociArchivio() {
    azionePausaFuori = menuOpzioni->addAction("Ferma il &cronometro quando la finestra non è attiva");
    azionePausaFuori->setObjectName("azionePausaFuori");
    azionePausaFuori->setCheckable(true);
    azionePausaFuori->setChecked(impostazioni_->opzione(chiavePausaFuori, true).toBool());
    connect(azionePausaFuori, &QAction::toggled, this, [this](bool attiva) {
        impostazioni_->salvaOpzione(chiavePausaFuori, attiva);
        attivitaCambiata();
    });
}

void FinestraPrincipale::attivitaCambiata() {
    // Only a deactivation by another program counts: a dialog of ours already stops the clock.
    sessione_->impostaFuori(azionePausaFuori && azionePausaFuori->isChecked() && !isActiveWindow() &&
                            QApplication::activeWindow() == nullptr);
}

}  // namespace quadrivo
