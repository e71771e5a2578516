// Form1's keyboard solving: the current word and cell, the keys that move and fill them, and
// the marks the grid shows. The moves are Navigazione's; this file routes events to it.
#include <QKeyEvent>
#include <optional>

#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/colonna_definizioni.h"
#include "mainwindow/gui/dati_giocatore.h"
#include "mainwindow/gui/form1.h"
#include "mainwindow/gui/immagini.h"
#include "model/opzioni_utente.h"
#include "solving/passaggio.h"

namespace quadrivo {

namespace {

const char* const chiaveSaltaComplete = "soluzione/saltaParoleComplete";

std::optional<TastoGriglia> tastoDi(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Backspace: return TastoGriglia::cancellaIndietro;
    case Qt::Key_Delete: return TastoGriglia::cancella;
    case Qt::Key_Left: return TastoGriglia::sinistra;
    case Qt::Key_Right: return TastoGriglia::destra;
    case Qt::Key_Up: return TastoGriglia::su;
    case Qt::Key_Down: return TastoGriglia::giu;
    case Qt::Key_Tab: return TastoGriglia::tab;
    case Qt::Key_Backtab: return TastoGriglia::tabIndietro;
    case Qt::Key_Space: return TastoGriglia::spazio;
    default: break;
    }
    const QString testo = e.text();
    if (!testo.isEmpty() && testo.front().isPrint()) return TastoGriglia::carattere;
    return std::nullopt;
}

}  // namespace

void Form1::creaTastiera() {
    area_->setFocusPolicy(Qt::ClickFocus);
    MenuParola = MenuUtil->addAction("Scrivi &parola corrente...");
    MenuParola->setObjectName("MenuParola");
    MenuParola->setShortcut(QKeySequence(Qt::Key_F2));
    connect(MenuParola, &QAction::triggered, this, &Form1::MenuParola_Click);

    colonna_->creaVoci(Menuimpo, MenuHelp);
    MenuSaltaComplete = Menuimpo->addAction("&Salta parole complete");
    MenuSaltaComplete->setObjectName("MenuSaltaComplete");
    MenuSaltaComplete->setCheckable(true);
    MenuSaltaComplete->setChecked(valoreUtente(chiaveSaltaComplete, false).toBool());
    connect(MenuSaltaComplete, &QAction::triggered, this, &Form1::MenuSaltaComplete_Click);

    aspetto_->creaVoci(Menuimpo);

    // Pencil, from the Modifica menu, its toolbar button or F7: both show the mode.
    QAction* matita = azione("MenuMatita");
    for (QAction* a : {matita, Toolbar1->pulsante(12)}) {
        if (!a) continue;
        a->setCheckable(true);
        a->setIcon(immagineLista(11));
        connect(a, &QAction::triggered, this, [this, matita](bool attiva) {
            sessione_->impostaMatita(attiva);
            for (QAction* b : {matita, Toolbar1->pulsante(12)})
                if (b) b->setChecked(attiva);
        });
    }
}

DecorazioniGriglia Form1::decorazioni() const {
    DecorazioniGriglia d;
    d.aspetto = aspetto_->aspetto();
    d.zoom = aspetto_->zoom();
    if (posizioneCorrente().valida()) d.fuoco = Casella{posizioneCorrente().colonna, posizioneCorrente().riga};
    // A paused grid shows neither letters nor what was said about them.
    if (inPausa()) {
        d.lettereNascoste = true;
        return d;
    }
    for (const auto& [k, lettera] : sessione_->partita().segni()) d.segni[k] |= segnoLetteraSbagliata;
    for (const Casella& k : sessione_->partita().rivelate()) d.segni[k] |= segnoLetteraRivelata;
    if (const Parola* w = parolaCorrente())
        for (const Casella& k : w->caselle) d.segni[k] |= segnoParolaCorrente;
    const Posizione& p = posizioneCorrente();
    if (p.valida()) d.segni[{p.colonna, p.riga}] |= segnoCasellaCorrente;
    return d;
}

void Form1::impostaPosizione(const Posizione& p) {
    area_->setFocus(Qt::OtherFocusReason);
    sessione_->impostaPosizione(p);
}

bool Form1::clicGriglia(int pulsante, double x, double y) {
    if (stato_.xGriglia == 0 || stato_.latoCasella == 0 || sessione_->modo() != ModoVista::griglia) return false;
    if (viaPerPulsante(pulsante, stato_.tastoSinistro) != Via::digitazione) return false;
    const PuntoGriglia k = cellaSotto(stato_, x, y);
    if (fuoriGriglia(stato_, x, y, k)) return false;
    nascondiLabel1();
    impostaPosizione(navigazione().clic(posizioneCorrente(), static_cast<int>(k.colonna), static_cast<int>(k.riga)));
    return true;
}

bool Form1::tastoGriglia(QKeyEvent* e) {
    if (sessione_->modo() != ModoVista::griglia || stato_.latoCasella == 0 || navigazione().parole().empty())
        return false;
    // Shortcuts belong to the menus and the toolbar.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    // A paused grid hides its letters: nothing is typed on it.
    if (inPausa()) return posizioneCorrente().valida();
    if (e->key() == Qt::Key_Insert && posizioneCorrente().valida()) {
        // Ins opens the cell for several letters, and closes it again.
        if (sessione_->cellaAperta()) sessione_->chiudiCella();
        else sessione_->apriCella();
        return true;
    }
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!posizioneCorrente().valida()) return false;
        if (sessione_->cellaAperta()) {
            sessione_->chiudiCella();
            return true;
        }
        // Every letter is already in the grid: Enter has nothing to keep, Esc drops the word.
        if (e->key() == Qt::Key_Escape) impostaPosizione({});
        return true;
    }
    const std::optional<TastoGriglia> tasto = tastoDi(*e);
    if (!tasto) return false;
    const char32_t carattere = *tasto == TastoGriglia::carattere ? e->text().toUcs4().value(0) : 0;
    // A stray character is swallowed all the same: it must not reach a shortcut by accident.
    if (!sessione_->tasto(*tasto, carattere, MenuSaltaComplete->isChecked())) return posizioneCorrente().valida();
    return true;
}

void Form1::MenuSaltaComplete_Click() { dati_->salvaOpzione(chiaveSaltaComplete, MenuSaltaComplete->isChecked()); }

}  // namespace quadrivo
