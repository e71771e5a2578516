// The main window's font chooser and the pointer over the toolbar.
#include <QDir>
#include <QStandardPaths>
#include <QWindow>
#include <algorithm>

#include "dialogs/gui/collegamenti.h"
#include "dialogs/gui/finestra_carattere.h"
#include "dialogs/gui/finestra_apri.h"
#include "dialogs/gui/finestra_guida.h"
#include "dialogs/gui/finestra_informazioni.h"
#include "dialogs/cartelle.h"
#include "model/file.h"
#include "model/impostazioni.h"
#include "model/opzioni_utente.h"
#include "dialogs/periferia.h"
#include "mainwindow/finestra.h"
#include "sessione/lavoro.h"
#include "sessione/salvataggio.h"
#include "dialogs/gui/finestra_salva.h"
#include "model/impostazioni.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/finestra_principale.h"

#include "qt/voce.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"

namespace quadrivo {

void FinestraPrincipale::scegliFont() {
    nascondiEtichettaPassaggio();
    if (!sceltaCarattere_) sceltaCarattere_ = new FinestraCarattere(stato_, piattaforma_, {}, {}, this);
    sceltaCarattere_->exec();
    impostazioni_->salvaOpzione(chiaveCarattere, QString::fromStdString(stato_.nomeFont));
    impostazioni_->salvaOpzione(chiaveCorsivo, stato_.carattereSchermo.corsivo);
    impostazioni_->salvaOpzione(chiaveGrassetto, stato_.carattereSchermo.grassetto);
    // The grid drawing sets name and size itself and keeps the window font's style.
    superficie().impostaCorsivo(stato_.carattereSchermo.corsivo);
    superficie().impostaGrassetto(stato_.carattereSchermo.grassetto);
    disegnaGriglia();
}

void FinestraPrincipale::puntatoreSullaBarra() {
    if (piattaforma_.puntatore() != Puntatore::predefinito) piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

}  // namespace quadrivo
