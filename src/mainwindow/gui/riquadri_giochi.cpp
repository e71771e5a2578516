#include "mainwindow/gui/riquadri_giochi.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>

#include "sessione/sessione.h"
#include "solving/gui/pannelli_giochi.h"

namespace quadrivo {

namespace {

QDockWidget* nuovoDock(QMainWindow* finestra, const char* nome, const char* titolo, QWidget* contenuto) {
    auto* d = new QDockWidget(titolo, finestra);
    d->setObjectName(nome);
    // Always there while its game is played: moved or floated, never closed.
    d->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    d->setWidget(contenuto);
    d->hide();
    finestra->addDockWidget(Qt::RightDockWidgetArea, d);
    return d;
}

}  // namespace

RiquadriGiochi::RiquadriGiochi(Sessione& sessione, QMainWindow* finestra) : QObject(finestra), sessione_(sessione) {
    chiave_ = new PannelloChiave;
    banca_ = new PannelloBanca;
    dockChiave_ = nuovoDock(finestra, "DockChiave", "Chiave", chiave_);
    dockBanca_ = nuovoDock(finestra, "DockBanca", "Parole", banca_);
    for (auto segnale : {&Sessione::schemaCambiato, &Sessione::segniCambiati})
        connect(&sessione_, segnale, this, &RiquadriGiochi::aggiorna);
    connect(&sessione_, &Sessione::celleCambiate, this, &RiquadriGiochi::aggiorna);
    connect(&sessione_, &Sessione::modoCambiato, this, &RiquadriGiochi::aggiorna);
    // F12 brings the keyboard to the clue list; a game without clues has its key or its words
    // there instead, and Esc takes it back to the grid.
    if (QAction* vai = finestra->findChild<QAction*>("MenuVaiElenco"))
        connect(vai, &QAction::triggered, this, [this] {
            if (sessione_.inPausa()) return;
            chiave_->prendiTastiera();
            banca_->prendiTastiera();
        });
    for (PannelloGioco* p : std::initializer_list<PannelloGioco*>{chiave_, banca_})
        connect(p, &PannelloGioco::tastieraResa, finestra,
                [finestra] { finestra->centralWidget()->setFocus(Qt::OtherFocusReason); });
}

void RiquadriGiochi::aggiorna() {
    const Cruciverba& x = sessione_.cruciverba();
    // The print preview takes the whole window, as it does from the clue column.
    const bool griglia = sessione_.aperto() && sessione_.modo() == ModoVista::griglia;
    const bool chiave = griglia && x.variante == Variante::crittografato;
    const bool banca = griglia && x.variante == Variante::daRiempire;
    // A paused grid hides its letters; the key and the crossed-off words would tell them.
    if (chiave) sessione_.inPausa() ? chiave_->mostraPausa() : chiave_->mostra(tabellaChiave(x));
    if (banca) sessione_.inPausa() ? banca_->mostraPausa() : banca_->mostra(righeBanca(x));
    if (dockChiave_->isHidden() == chiave) dockChiave_->setVisible(chiave);
    if (dockBanca_->isHidden() == banca) dockBanca_->setVisible(banca);
}

}  // namespace quadrivo
