// Form1's checks, reveals and solving clock: the menu items, the time in the status bar, and
// which cell or word a check acts on when no word is current. The rules and the clock are the
// session's; this file shows them with the window's widgets.
#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>

#include "mainwindow/gui/form1.h"
#include "mainwindow/gui/immagini.h"
#include "solving/passaggio.h"
#include "solving/verifica.h"

namespace quadrivo {

namespace {

constexpr const char* titoloRivelaSchema = "Rivela schema";
constexpr const char* domandaRivelaSchema =
    "Premendo il bottone <OK> tutte le lettere mancanti o sbagliate verranno sostituite con quelle della "
    "soluzione.";

std::string contoErrori(size_t n) {
    if (n == 0) return "Nessuna lettera sbagliata";
    if (n == 1) return "1 lettera sbagliata";
    return std::to_string(n) + " lettere sbagliate";
}

}  // namespace

void Form1::creaVerifica() {
    battito_ = new QTimer(this);
    battito_->setSingleShot(true);
    connect(battito_, &QTimer::timeout, this, &Form1::mostraTempo);
    struct Voce {
        const char* nome;
        void (Form1::*gestore)();
        int immagine;
    };
    static const Voce voci[] = {
        {"MenuControllaLettera", &Form1::MenuControllaLettera_Click, 0},
        {"MenuControllaParola", &Form1::MenuControllaParola_Click, 9},
        {"MenuSegnaErrori", &Form1::MenuSegnaErrori_Click, 0},
        {"MenuRivelaLettera", &Form1::MenuRivelaLettera_Click, 0},
        {"MenuRivelaParola", &Form1::MenuRivelaParola_Click, 0},
        {"MenuRivelaSchema", &Form1::MenuRivelaSchema_Click, 0},
        {"MenuPausa", &Form1::MenuPausa_Click, 10},
    };
    for (const Voce& v : voci) {
        QAction* a = azione(v.nome);
        if (!a) continue;
        if (v.immagine) a->setIcon(immagineLista(v.immagine));
        connect(a, &QAction::triggered, this, v.gestore);
    }
    // The Pause key too, for keyboards that have one.
    if (QAction* a = azione("MenuPausa")) {
        a->setCheckable(true);
        a->setShortcuts({a->shortcut(), QKeySequence(Qt::Key_Pause)});
    }
    if (QAction* a = pulsanteToolbar[10]) connect(a, &QAction::triggered, this, &Form1::MenuControllaParola_Click);
    if (QAction* a = pulsanteToolbar[11]) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, &Form1::MenuPausa_Click);
    }
}

void Form1::mostraTempo() {
    battito_->stop();
    if (!sessione_->aperto()) {
        StatusBar1->impostaTempo({});
        return;
    }
    const std::int64_t ms = tempoSoluzione();
    const QString tempo = QString::fromStdString(testoTempo(ms));
    StatusBar1->impostaTempo(inPausa() ? "In pausa " + tempo : tempo);
    // The next whole second, when the display changes.
    if (sessione_->partita().cronometro().inCorso()) battito_->start(static_cast<int>(1000 - ms % 1000));
}

// Checks and reveals wait while the grid is hidden.
void Form1::aggiornaComandiVerifica() {
    const bool attivi = !inPausa();
    for (QAction* a : {azione("MenuControllaLettera"), azione("MenuControllaParola"), azione("MenuSegnaErrori"),
                       azione("MenuRivelaLettera"), azione("MenuRivelaParola"), azione("MenuRivelaSchema")})
        if (a) a->setEnabled(attivi);
    if (pulsanteToolbar[10]) pulsanteToolbar[10]->setEnabled(attivi);
    for (QAction* a : {azione("MenuPausa"), pulsanteToolbar[11]})
        if (a) a->setChecked(inPausa());
}

// The white cell at a point of the drawing area, as hovering finds it, and the half it falls in.
std::optional<Form1::PuntoVerifica> Form1::puntoVerifica(QPointF p) const {
    if (sessione_->modo() != ModoVista::griglia) return std::nullopt;
    const PuntoGriglia k = cellaSotto(stato_, p.x(), p.y());
    if (fuoriGriglia(stato_, p.x(), p.y(), k)) return std::nullopt;
    const int c = static_cast<int>(k.colonna), r = static_cast<int>(k.riga);
    if (!stato_.cruciverba.bianca(c, r)) return std::nullopt;
    return PuntoVerifica{{c, r}, metaOrizzontale(stato_, p.x(), p.y(), k) ? orizzontale : verticale};
}

bool Form1::filtroVerifica(QObject* oggetto, QEvent* evento) {
    if (oggetto == this) {
        if (evento->type() == QEvent::WindowStateChange) sessione_->impostaRidotta(isMinimized());
        // A modal dialog blocks the window; the open dialog disables it: either way the clock waits.
        if (evento->type() == QEvent::WindowBlocked || evento->type() == QEvent::WindowUnblocked)
            bloccata_ = evento->type() == QEvent::WindowBlocked;
        if (evento->type() == QEvent::WindowBlocked || evento->type() == QEvent::WindowUnblocked ||
            evento->type() == QEvent::EnabledChange)
            sessione_->impostaDialogo(bloccata_ || !isEnabled());
        return false;
    }
    if (oggetto != area_) return false;
    if (evento->type() == QEvent::Leave) passaggio_.reset();
    const bool movimento = evento->type() == QEvent::MouseMove;
    const bool pressione = evento->type() == QEvent::MouseButtonPress;
    if (!movimento && !pressione) return false;
    // A hidden grid is not played on.
    if (inPausa()) return true;
    std::optional<PuntoVerifica> punto = puntoVerifica(static_cast<QMouseEvent*>(evento)->position());
    if (movimento) {
        passaggio_ = punto;
    } else if (punto) {
        // A press keeps the direction the pointer shows.
        const Puntatore forma = piattaforma_.puntatore();
        if (forma == Puntatore::frecciaOrizzontale) punto->direzione = orizzontale;
        if (forma == Puntatore::frecciaVerticale) punto->direzione = verticale;
        premuto_ = punto;
    }
    return false;
}

// ---- What the checks act on

std::optional<Parola> Form1::parolaPerVerifica() const {
    if (!sessione_->aperto() || stato_.latoCasella < 1) return std::nullopt;
    // The word being solved by keyboard, else the one under (or last clicked by) the pointer.
    if (const Parola* w = parolaCorrente()) return *w;
    const auto& p = passaggio_ ? passaggio_ : premuto_;
    if (!p) return std::nullopt;
    // A cell with no word its way gives the word the other way.
    for (int verso : {p->direzione, p->direzione == orizzontale ? verticale : orizzontale})
        if (const Parola* w = navigazione().parolaCorrente(Posizione{p->casella.colonna, p->casella.riga, verso}))
            return *w;
    return std::nullopt;
}

std::optional<Casella> Form1::casellaPerVerifica() const {
    if (!sessione_->aperto() || stato_.latoCasella < 1) return std::nullopt;
    if (posizioneCorrente().valida()) return Casella{posizioneCorrente().colonna, posizioneCorrente().riga};
    if (const auto& p = passaggio_ ? passaggio_ : premuto_) return p->casella;
    return std::nullopt;
}

// ---- Commands

void Form1::MenuCS_Click() {
    if (sessione_->modo() == ModoVista::anteprima) Command3d15_Click();
    piattaforma_.messaggio(sessione_->messaggioVerifica(), {}, Icona::nessuna, Pulsanti::ok);
}

namespace {

// Before anything is checked: no hover label, and a print preview gives the area back to the grid.
void primaDiVerificare(Form1& f) {
    f.nascondiLabel1();
    if (f.sessione().modo() == ModoVista::anteprima) f.Command3d15_Click();
}

}  // namespace

void Form1::MenuControllaLettera_Click() {
    const std::optional<Casella> k = casellaPerVerifica();
    if (!k || inPausa()) return;
    primaDiVerificare(*this);
    StatusBar1->showMessage(QString::fromStdString(contoErrori(sessione_->controlla({*k}).size())), 5000);
}

void Form1::MenuControllaParola_Click() {
    const std::optional<Parola> w = parolaPerVerifica();
    if (!w || inPausa()) return;
    primaDiVerificare(*this);
    StatusBar1->showMessage(QString::fromStdString(contoErrori(sessione_->controlla(w->caselle).size())), 5000);
}

void Form1::MenuSegnaErrori_Click() {
    if (!sessione_->aperto() || inPausa()) return;
    primaDiVerificare(*this);
    const size_t n = sessione_->controlla(caselleSchema(stato_.cruciverba)).size();
    StatusBar1->showMessage(QString::fromStdString(contoErrori(n)), 5000);
}

void Form1::MenuRivelaLettera_Click() {
    const std::optional<Casella> k = casellaPerVerifica();
    if (!k || inPausa()) return;
    primaDiVerificare(*this);
    sessione_->rivela({*k});
}

void Form1::MenuRivelaParola_Click() {
    const std::optional<Parola> w = parolaPerVerifica();
    if (!w || inPausa()) return;
    primaDiVerificare(*this);
    sessione_->rivela(w->caselle);
}

void Form1::MenuRivelaSchema_Click() {
    if (!sessione_->aperto() || inPausa()) return;
    primaDiVerificare(*this);
    if (piattaforma_.messaggio(domandaRivelaSchema, titoloRivelaSchema, Icona::domanda, Pulsanti::okAnnulla) !=
        Risposta::ok)
        return;
    sessione_->rivela(caselleSchema(stato_.cruciverba));
}

void Form1::MenuPausa_Click() {
    if (!sessione_->aperto()) return;
    const bool pausa = !inPausa();
    if (sessione_->modo() == ModoVista::anteprima) Command3d15_Click();
    if (pausa) nascondiLabel1();
    sessione_->impostaPausa(pausa);
}

}  // namespace quadrivo
