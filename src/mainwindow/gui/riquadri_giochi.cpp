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
    // Above the clue column, which was there first.
    if (auto* colonna = finestra->findChild<QDockWidget*>("dockDefinizioni", Qt::FindDirectChildrenOnly))
        finestra->splitDockWidget(d, colonna, Qt::Vertical);
    return d;
}

}  // namespace

RiquadriGiochi::RiquadriGiochi(Sessione& sessione, QMainWindow* finestra)
    : QObject(finestra), sessione_(sessione), finestra_(finestra) {
    for (auto segnale : {&Sessione::schemaCambiato, &Sessione::segniCambiati})
        connect(&sessione_, segnale, this, &RiquadriGiochi::aggiorna);
    connect(&sessione_, &Sessione::celleCambiate, this, &RiquadriGiochi::dopoCelle);
    connect(&sessione_, &Sessione::modoCambiato, this, &RiquadriGiochi::aggiorna);
    // F12 brings the keyboard to the clue list; a game without clues has its key or its words
    // there instead, and Esc takes it back to the grid.
    if (QAction* vai = finestra->findChild<QAction*>("MenuVaiElenco"))
        connect(vai, &QAction::triggered, this, [this] {
            if (sessione_.inPausa()) return;
            if (chiave_) chiave_->prendiTastiera();
            if (banca_) banca_->prendiTastiera();
        });
}

// Made when its game is first played: most runs play crosswords only, and a start need not
// build them.
void RiquadriGiochi::creaPannelli() {
    if (chiave_) return;
    chiave_ = new PannelloChiave;
    banca_ = new PannelloBanca;
    dockChiave_ = nuovoDock(finestra_, "DockChiave", "Chiave", chiave_);
    dockBanca_ = nuovoDock(finestra_, "DockBanca", "Parole", banca_);
    for (PannelloGioco* p : std::initializer_list<PannelloGioco*>{chiave_, banca_})
        connect(p, &PannelloGioco::tastieraResa, finestra_,
                [f = finestra_] { f->centralWidget()->setFocus(Qt::OtherFocusReason); });
}

void RiquadriGiochi::aggiorna() {
    const Cruciverba& x = sessione_.cruciverba();
    // The print preview takes the whole window, as it does from the clue column.
    const bool griglia = sessione_.aperto() && sessione_.modo() == ModoVista::griglia;
    const bool chiave = griglia && x.variante == Variante::crittografato;
    const bool banca = griglia && x.variante == Variante::daRiempire;
    if (!chiave && !banca && !chiave_) return;
    creaPannelli();
    // A paused grid hides its letters; the key and the crossed-off words would tell them.
    tabellaTenuta_ = false;
    if (chiave && sessione_.inPausa()) chiave_->mostraPausa();
    if (chiave && !sessione_.inPausa()) {
        tabella_ = tabellaChiave(x);
        celleCodici_ = celleDeiCodici(x, tabella_.codici.size());
        tabellaTenuta_ = true;
        chiave_->mostra(tabella_);
    }
    if (banca) sessione_.inPausa() ? banca_->mostraPausa() : banca_->mostra(righeBanca(x));
    if (dockChiave_->isHidden() == chiave) dockChiave_->setVisible(chiave);
    if (dockBanca_->isHidden() == banca) dockBanca_->setVisible(banca);
}

void RiquadriGiochi::dopoCelle(const std::vector<Casella>& caselle) {
    const Cruciverba& x = sessione_.cruciverba();
    if (!tabellaTenuta_ || !sessione_.aperto() || sessione_.modo() != ModoVista::griglia ||
        x.variante != Variante::crittografato || sessione_.inPausa())
        return aggiorna();
    std::vector<char> toccati(tabella_.codici.size(), 0);
    for (const Casella& k : caselle) {
        // A cell that is no longer white changes which cells the codes have.
        if (!x.dentro(k) || !x.bianca(k.colonna, k.riga)) return aggiorna();
        if (const int c = x.cella(k).codice; c >= 1 && static_cast<size_t>(c) <= toccati.size())
            toccati[static_cast<size_t>(c - 1)] = 1;
    }
    for (size_t i = 0; i < toccati.size(); ++i) {
        if (!toccati[i]) continue;
        std::string& lettera = tabella_.codici[i].lettera;
        lettera.clear();
        for (const Casella& z : celleCodici_[i])
            if (!x.cella(z).voce.empty()) {
                lettera = x.cella(z).voce;
                break;
            }
    }
    contaLettereChiave(tabella_);
    chiave_->mostra(tabella_);
}

}  // namespace quadrivo
