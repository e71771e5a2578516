#include "mainwindow/gui/tastiera_griglia.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <optional>
#include <utility>

#include "mainwindow/gui/aspetto_schermo.h"
#include "model/impostazioni.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/immagini.h"
#include "mainwindow/gui/vista_griglia.h"
#include "model/opzioni_utente.h"
#include "qt/voce.h"
#include "sessione/sessione.h"
#include "solving/inserimento.h"
#include "solving/lettura.h"
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

TastieraGriglia::TastieraGriglia(Sessione& sessione, Impostazioni& impostazioni, const AspettoSchermo& aspetto, QWidget* area,
                                 const VistaGriglia& griglia, QWidget* finestra)
    : QObject(area), sessione_(sessione), impostazioni_(impostazioni), aspetto_(aspetto), area_(area), griglia_(griglia),
      finestra_(finestra) {
    // Tab from the panels comes back to the grid, at the current cell.
    area_->setFocusPolicy(Qt::StrongFocus);
    area_->installEventFilter(this);
    finestra_->installEventFilter(this);
}

void TastieraGriglia::creaVoci(QMenu* opzioni, QAction* matita, QAction* pulsanteMatita) {
    azioneSaltaComplete = opzioni->addAction("&Salta parole complete");
    azioneSaltaComplete->setObjectName("azioneSaltaComplete");
    azioneSaltaComplete->setCheckable(true);
    azioneSaltaComplete->setChecked(impostazioni_.opzione(chiaveSaltaComplete, false).toBool());
    connect(azioneSaltaComplete, &QAction::triggered, this,
            [this](bool segnata) { impostazioni_.salvaOpzione(chiaveSaltaComplete, segnata); });

    // Pencil, from the Modifica menu, its toolbar button or F7: both show the mode.
    for (QAction* a : {matita, pulsanteMatita}) {
        if (!a) continue;
        a->setCheckable(true);
        a->setIcon(immagineLista(11));
        connect(a, &QAction::triggered, this, [this, matita, pulsanteMatita](bool attiva) {
            sessione_.impostaMatita(attiva);
            annuncia(area_, QString(attiva ? "Matita attiva" : "Matita tolta"));
            for (QAction* b : {matita, pulsanteMatita})
                if (b) b->setChecked(attiva);
        });
    }
}

DecorazioniGriglia TastieraGriglia::decorazioni() const {
    DecorazioniGriglia d;
    d.aspetto = aspetto_.aspetto();
    d.zoom = aspetto_.zoom();
    if (sessione_.posizione().valida()) d.fuoco = Casella{sessione_.posizione().colonna, sessione_.posizione().riga};
    // A paused grid shows neither letters nor what was said about them.
    if (sessione_.inPausa()) {
        d.lettereNascoste = true;
        return d;
    }
    for (const auto& [k, lettera] : sessione_.partita().segni()) d.segni[k] |= segnoLetteraSbagliata;
    for (const Casella& k : sessione_.partita().rivelate()) d.segni[k] |= segnoLetteraRivelata;
    if (const Parola* w = sessione_.parolaCorrente())
        for (const Casella& k : w->caselle) d.segni[k] |= segnoParolaCorrente;
    const Posizione& p = sessione_.posizione();
    if (p.valida()) d.segni[{p.colonna, p.riga}] |= segnoCasellaCorrente;
    return d;
}

void TastieraGriglia::impostaPosizione(const Posizione& p) {
    area_->setFocus(Qt::OtherFocusReason);
    sessione_.impostaPosizione(p);
}

bool TastieraGriglia::clic(int pulsante, double x, double y) {
    if (!griglia_.conGriglia() || sessione_.modo() != ModoVista::griglia) return false;
    if (viaPerPulsante(pulsante, sessione_.impostazioni().valori().tastoSinistro) != Via::digitazione) return false;
    const std::optional<Casella> k = griglia_.cellaIn(QPointF(x, y));
    if (!k) return false;
    emit parolaPresa();
    // The cell the grid opened on is no choice of the player's: a first click picks as on a fresh grid.
    const Posizione attuale = sessione_.posizioneIniziale() ? Posizione{} : sessione_.posizione();
    impostaPosizione(sessione_.navigazione().clic(attuale, k->colonna, k->riga));
    return true;
}

bool TastieraGriglia::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == area_ && evento->type() == QEvent::FocusIn) ritornoAllaGriglia();
    if (evento->type() != QEvent::KeyPress || (oggetto != area_ && oggetto != finestra_)) return false;
    const QWidget* fuoco = QApplication::focusWidget();
    return (!fuoco || fuoco == area_ || fuoco == finestra_) && premi(static_cast<QKeyEvent*>(evento));
}

bool TastieraGriglia::premi(QKeyEvent* e) {
    if (sessione_.modo() != ModoVista::griglia || !griglia_.conGriglia() ||
        sessione_.navigazione().parole().empty())
        return false;
    // Shortcuts belong to the menus and the toolbar.
    if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    // A paused grid hides its letters: nothing is typed on it.
    if (sessione_.inPausa()) return sessione_.posizione().valida();
    if (e->key() == Qt::Key_Insert && sessione_.posizione().valida()) {
        // Ins opens the cell for several letters, and closes it again.
        if (sessione_.cellaAperta())
            sessione_.chiudiCella();
        else
            sessione_.apriCella();
        return true;
    }
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!sessione_.posizione().valida()) return false;
        if (sessione_.cellaAperta()) {
            sessione_.chiudiCella();
            return true;
        }
        // Every letter is already in the grid: Enter has nothing to keep, Esc drops the word.
        if (e->key() == Qt::Key_Escape) {
            lasciata_ = sessione_.posizione();
            impostaPosizione({});
            diciSenzaCasella();
        }
        return true;
    }
    const std::optional<TastoGriglia> tasto = tastoDi(*e);
    if (!tasto) return false;
    // Tab after Esc goes back where the player was, not to the first word.
    if (!sessione_.posizione().valida() && lasciata_.valida() &&
        (*tasto == TastoGriglia::tab || *tasto == TastoGriglia::tabIndietro)) {
        impostaPosizione(std::exchange(lasciata_, {}));
        // The reader still holds this cell as its focus and would say nothing of it: the voice does.
        const Posizione& p = sessione_.posizione();
        const PartitaInCorso& partita = sessione_.partita();
        annuncia(area_, nomeCella(sessione_.cruciverba(), partita.segni(), partita.rivelate(), {p.colonna, p.riga}) + ", " +
                            letturaCellaCorrente(sessione_.cruciverba(), sessione_.navigazione(), p, true));
        return true;
    }
    const char32_t carattere = *tasto == TastoGriglia::carattere ? e->text().toUcs4().value(0) : 0;
    const Cruciverba& x = sessione_.cruciverba();
    const Navigazione& nav = sessione_.navigazione();
    // What is said after the key is known from the grid before it.
    const Parola* parola = sessione_.parolaCorrente();
    const bool eraCompleta = parola && nav.completa(x, *parola);
    const Direzione direzione = sessione_.posizione().direzione;
    const bool cancella = *tasto == TastoGriglia::cancellaIndietro || *tasto == TastoGriglia::cancella;
    const std::vector<std::string> prima = cancella ? vociSchema(x) : std::vector<std::string>{};
    if (!sessione_.tasto(*tasto, carattere, azioneSaltaComplete->isChecked())) {
        // A stray character is swallowed all the same: it must not reach a shortcut by accident.
        if (sessione_.posizione().valida()) return true;
        if (*tasto == TastoGriglia::carattere) diciSenzaCasella();
        return false;
    }
    if (cancella) annuncia(area_, letturaCambi(cambiTra(prima, vociSchema(x))));
    // Only a letter completes a word; "." on a grid without its diagram remakes the words, and
    // `parola` with them.
    if (*tasto == TastoGriglia::carattere && letteraDigitata(carattere) && parola && !eraCompleta &&
        nav.completa(x, *parola))
        annuncia(area_, letturaCompletata(x, *parola));
    if (*tasto == TastoGriglia::spazio && sessione_.posizione().direzione != direzione)
        // The cell stays the same, so its focus is not said again: the new word comes with the direction.
        annuncia(area_, nomeDirezione(x, sessione_.posizione().direzione) + ", " +
                            letturaCellaCorrente(x, nav, sessione_.posizione(), true));
    return true;
}

void TastieraGriglia::diciSenzaCasella() {
    const std::string dove = letturaCellaCorrente(sessione_.cruciverba(), sessione_.navigazione(), lasciata_, false);
    annuncia(area_, "Nessuna casella corrente: " +
                        (dove.empty() ? std::string("un clic o Tab sceglie una parola") : "Tab torna a " + dove));
}

void TastieraGriglia::ritornoAllaGriglia() {
    if (sessione_.modo() != ModoVista::griglia || sessione_.navigazione().parole().empty()) return;
    // After the dialog or the panel, the reader hears where the keyboard is: the cell and its word.
    QMetaObject::invokeMethod(
        this, [this] { if (area_->hasFocus()) annunciaCellaCorrente(area_, true); }, Qt::QueuedConnection);
}

}  // namespace quadrivo
