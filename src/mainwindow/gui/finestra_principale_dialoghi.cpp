// The main window's dialog commands: open, save as, font.
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
#include "mainwindow/gui/dati_giocatore.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/finestra_principale.h"

#include "qt/voce.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"

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

void FinestraPrincipale::apri() {
    nascondiPassaggio();
    piattaforma_.impostaPuntatore(Puntatore::clessidra);
    // The background picture, never the grid: a puzzle stays drawn behind the dialog.
    if (sfondo_->isVisible() && !sessione_->aperto()) {
        sfondo_->hide();
        superficie().pulisci();
        area_->update();
    }
    lasciaAnteprima();
    nascondiEtichettaPassaggio();
    if (!lasciaSchema()) {
        piattaforma_.impostaPuntatore(Puntatore::predefinito);
        disegnaGriglia();
        return;
    }

    setEnabled(false);
    auto* finestraApri = new FinestraApri(stato_, sessione_->documento(), piattaforma_, [this](const std::string& p) { return sessione_->apri(p); }, this);
    // Still no puzzle: the background picture hidden for the dialog comes back.
    connect(finestraApri, &FinestraApri::chiuso, this, [this](bool) {
        if (!sessione_->aperto()) sfondo_->mostra();
        tornaAllaGriglia();
    });
    sopraDi(finestraApri, this);
    finestraApri->show();
    barraStrumenti_->repaint();
}

void FinestraPrincipale::salvaConNome() { salvaConNome({}); }

void FinestraPrincipale::salvaConNome(const QString& avviso) {
    lasciaLaGriglia();
    setEnabled(false);
    {
        FinestraSalva dialogo(stato_, sessione_->documento(), piattaforma_,
                         [this](const std::string& cartella, const std::string& nome, const std::string& autore) {
                             return sessione_->salvaConNome(cartella, nome, autore);
                         },
                         this);
        dialogo.avvisa(avviso);
        sopraDi(&dialogo, this);
        if (dialogo.exec() == QDialog::Accepted && dialogo.esito() == EsitoSalvataggio::salvato) {
            menuRecenti_->ricorda(sessione_->nomeFile());
            annuncia(area_, "Salvato: " + nomeQt(sessione_->nomeFile()).section('/', -1));
        }
    }
    setEnabled(true);
    tornaAllaGriglia();
    aggiornaTitolo();
    barraStrumenti_->repaint();
}

void FinestraPrincipale::creaMenuRecenti() {
    menuRecenti_ = new MenuRecenti(menuFile);
    menuFile->insertMenu(azioneSalva, menuRecenti_);
    connect(menuRecenti_, &MenuRecenti::scelto, this, [this](const std::string& percorso) {
        lasciaLaGriglia();
        if (!lasciaSchema()) return;
        sfondo_->hide();
        apriSchemaScelto([this](const std::string& p) { return sessione_->apri(p); }, piattaforma_, "/", percorso);
    });
}

void FinestraPrincipale::scegliFont() {
    nascondiEtichettaPassaggio();
    if (!sceltaCarattere_) sceltaCarattere_ = new FinestraCarattere(stato_, piattaforma_, {}, {}, this);
    sceltaCarattere_->exec();
    salvaValoreUtente(chiaveCarattere, QString::fromStdString(stato_.nomeFont));
    salvaValoreUtente(chiaveCorsivo, stato_.carattereSchermo.corsivo);
    salvaValoreUtente(chiaveGrassetto, stato_.carattereSchermo.grassetto);
    dati_->salva();
    // The grid drawing sets name and size itself and keeps the window font's style.
    superficie().impostaCorsivo(stato_.carattereSchermo.corsivo);
    superficie().impostaGrassetto(stato_.carattereSchermo.grassetto);
    disegnaGriglia();
}

void FinestraPrincipale::puntatoreSullaBarra() {
    if (piattaforma_.puntatore() != Puntatore::predefinito) piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

}  // namespace quadrivo
