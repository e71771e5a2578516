// Form1's checks, reveals and solving clock: the marks and revealed letters on the grid, the
// time in the status bar, Pausa, and the solve kept per puzzle in the user's data folder. The
// rules live in PartitaInCorso; this file shows them with the window's widgets.
#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTimer>

#include "mainwindow/gui/form1.h"
#include "mainwindow/gui/immagini.h"
#include "model/file.h"
#include "solving/navigazione.h"
#include "solving/partita.h"
#include "solving/passaggio.h"

namespace quadrivo {

namespace {

constexpr const char* titoloRivelaSchema = "Rivela schema";
constexpr const char* domandaRivelaSchema =
    "Premendo il bottone <OK> tutte le lettere mancanti o sbagliate verranno sostituite con quelle della "
    "soluzione.";

// A puzzle under a name of its own (not the new puzzle's placeholder) keeps its solve.
bool nomeProprio(const std::string& nomeFile) { return !nomeFile.empty() && nomeFile != nomeNuovoCruciverba; }

// A cell the pointer met, with the direction it pointed.
struct PuntoGriglia {
    Casella casella;
    int direzione = orizzontale;
};

}  // namespace

class VerificaForm1 : public QObject {
    Form1& f_;

public:
    explicit VerificaForm1(Form1& f)
        : QObject(&f), f_(f),
          archivio(percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))) {
        battito_.setSingleShot(true);
        connect(&battito_, &QTimer::timeout, this, &VerificaForm1::mostraTempo);
        f_.installEventFilter(this);
        f_.area()->installEventFilter(this);
    }

    ArchivioPartite archivio;
    PartitaInCorso partita;
    std::optional<PuntoGriglia> premuto, passaggio;

    std::int64_t adesso() const { return f_.piattaforma().millisecondi(); }
    bool schemaAperto() const { return aperturaVista_ != 0 && f_.stato().nColonne > 0; }
    bool pausa() const { return schemaAperto() && partita.cronometro().sospeso(Sosta::pausa); }

    // The puzzle just opened starts its solve, continued from the archive; the one it replaces
    // is kept first.
    void segui() {
        Stato& s = f_.stato();
        if (s.aperture == aperturaVista_) return;
        scrivi(percorso_);
        aperturaVista_ = s.aperture;
        percorso_ = s.nomeFile;
        impronta_ = improntaSoluzione(s);
        premuto.reset();
        passaggio.reset();
        const Partita salvata =
            nomeProprio(s.nomeFile) ? archivio.leggi(s.nomeFile, impronta_) : Partita{};
        partita.inizia(s, salvata, adesso());
        if (f_.isMinimized()) partita.cronometro().sospendi(Sosta::ridotta, adesso());
        aggiornaComandi();
        mostraTempo();
    }

    // After any change of the entries: marks of changed letters go; the grid just come right
    // stops the clock and is congratulated once the drawing is done.
    void dopoModifica() {
        if (!partita.dopoModifica(f_.stato(), adesso())) return;
        mostraTempo();
        QTimer::singleShot(0, this, [this] {
            f_.piattaforma().messaggio(partita.messaggio(f_.stato(), adesso()), {}, Icona::informazione, Pulsanti::ok);
        });
    }

    // Writes the solve under the puzzle's present name (Salva con nome gives it a new one).
    void conserva() {
        segui();
        percorso_ = f_.stato().nomeFile;
        scrivi(percorso_);
    }

    void mostraTempo() {
        battito_.stop();
        if (!schemaAperto()) {
            f_.StatusBar1->impostaTempo({});
            return;
        }
        const std::int64_t ms = partita.cronometro().trascorsi(adesso());
        const QString tempo = QString::fromStdString(testoTempo(ms));
        f_.StatusBar1->impostaTempo(pausa() ? "In pausa " + tempo : tempo);
        // The next whole second, when the display changes.
        if (partita.cronometro().inCorso()) battito_.start(static_cast<int>(1000 - ms % 1000));
    }

    void impostaPausa(bool attiva) {
        if (!schemaAperto()) return;
        if (attiva)
            partita.cronometro().sospendi(Sosta::pausa, adesso());
        else
            partita.cronometro().riprendi(Sosta::pausa, adesso());
        aggiornaComandi();
        mostraTempo();
    }

    // Checks and reveals wait while the grid is hidden.
    void aggiornaComandi() {
        const bool attivi = !pausa();
        for (QAction* a : {f_.azione("MenuControllaLettera"), f_.azione("MenuControllaParola"),
                           f_.azione("MenuSegnaErrori"), f_.azione("MenuRivelaLettera"), f_.azione("MenuRivelaParola"),
                           f_.azione("MenuRivelaSchema")})
            if (a) a->setEnabled(attivi);
        if (f_.pulsanteToolbar[10]) f_.pulsanteToolbar[10]->setEnabled(attivi);
        for (QAction* a : {f_.azione("MenuPausa"), f_.pulsanteToolbar[11]})
            if (a) a->setChecked(pausa());
    }

    // The white cell at a point of the drawing area, as hovering finds it, and the half it falls in.
    std::optional<PuntoGriglia> puntoA(QPointF p) const {
        const Stato& s = f_.stato();
        if (!schemaAperto()) return std::nullopt;
        const Cella k = cellaSotto(s, p.x(), p.y());
        if (fuoriGriglia(s, p.x(), p.y(), k)) return std::nullopt;
        const int c = static_cast<int>(k.colonna), r = static_cast<int>(k.riga);
        const char sol = soluzioneCasella(s, c, r);
        if (sol == '\0' || sol == '*') return std::nullopt;
        return PuntoGriglia{{c, r}, metaOrizzontale(s, p.x(), p.y(), k) ? orizzontale : verticale};
    }

    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (oggetto == &f_) {
            if (evento->type() == QEvent::WindowStateChange && schemaAperto()) {
                if (f_.isMinimized())
                    partita.cronometro().sospendi(Sosta::ridotta, adesso());
                else
                    partita.cronometro().riprendi(Sosta::ridotta, adesso());
                mostraTempo();
            }
            return false;
        }
        if (evento->type() == QEvent::Leave) passaggio.reset();
        const bool movimento = evento->type() == QEvent::MouseMove;
        const bool pressione = evento->type() == QEvent::MouseButtonPress;
        if (!movimento && !pressione) return false;
        // A hidden grid is not played on.
        if (pausa()) return true;
        const auto* m = static_cast<QMouseEvent*>(evento);
        std::optional<PuntoGriglia> punto = puntoA(m->position());
        if (movimento) {
            passaggio = punto;
        } else if (punto) {
            // A press keeps the direction the pointer shows.
            const Puntatore forma = f_.piattaforma().puntatore();
            if (forma == Puntatore::frecciaOrizzontale) punto->direzione = orizzontale;
            if (forma == Puntatore::frecciaVerticale) punto->direzione = verticale;
            premuto = punto;
        }
        return false;
    }

private:
    // A puzzle without a name of its own keeps nothing.
    void scrivi(const std::string& percorso) {
        if (!schemaAperto() || !nomeProprio(percorso)) return;
        archivio.scrivi(percorso, impronta_, partita.partita(adesso()));
    }

    long long aperturaVista_ = 0;
    std::string percorso_;  // the name the solve is kept under
    std::string impronta_;
    QTimer battito_;
};

void Form1::creaVerifica() {
    verifica_ = new VerificaForm1(*this);
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

// ---- What the checks act on

std::optional<Parola> Form1::parolaPerVerifica() const {
    if (stato_.nColonne < 1 || stato_.latoCasella < 1) return std::nullopt;
    // The word being solved by keyboard, else the one under (or last clicked by) the pointer.
    if (const Parola* w = parolaCorrente()) return *w;
    const auto& p = verifica_->passaggio ? verifica_->passaggio : verifica_->premuto;
    if (!p) return std::nullopt;
    // A cell with no word its way gives the word the other way.
    for (int verso : {p->direzione, p->direzione == orizzontale ? verticale : orizzontale})
        if (const Parola* w = navigazione_.parolaCorrente(Posizione{p->casella.colonna, p->casella.riga, verso})) return *w;
    return std::nullopt;
}

std::optional<Casella> Form1::casellaPerVerifica() const {
    if (stato_.nColonne < 1 || stato_.latoCasella < 1) return std::nullopt;
    if (posizioneCorrente().valida()) return Casella{posizioneCorrente().colonna, posizioneCorrente().riga};
    if (const auto& p = verifica_->passaggio ? verifica_->passaggio : verifica_->premuto) return p->casella;
    return std::nullopt;
}

void Form1::seguiVerifica() {
    verifica_->segui();
    verifica_->dopoModifica();
    // The window's refresh turns the toolbar on again; a pause keeps its checks off.
    verifica_->aggiornaComandi();
}

void Form1::decorazioniVerifica(DecorazioniGriglia& d) const {
    // A paused grid shows neither letters nor what was said about them.
    if (verifica_->pausa()) {
        d.lettereNascoste = true;
        return;
    }
    for (const auto& [k, lettera] : verifica_->partita.segni())
        if (k.colonna >= 1 && k.colonna <= maxColonne && k.riga >= 1 && k.riga <= maxRighe)
            d.segni[k.colonna][k.riga] |= segnoLetteraSbagliata;
    for (const Casella& k : verifica_->partita.rivelate())
        if (k.colonna >= 1 && k.colonna <= maxColonne && k.riga >= 1 && k.riga <= maxRighe)
            d.segni[k.colonna][k.riga] |= segnoLetteraRivelata;
}

void Form1::salvaPartita() { verifica_->conserva(); }

std::int64_t Form1::tempoSoluzione() const {
    return verifica_->partita.cronometro().trascorsi(verifica_->adesso());
}

bool Form1::inPausa() const { return verifica_->pausa(); }

// ---- Commands

namespace {

std::string contoErrori(size_t n) {
    if (n == 0) return "Nessuna lettera sbagliata";
    if (n == 1) return "1 lettera sbagliata";
    return std::to_string(n) + " lettere sbagliate";
}

}  // namespace

void Form1::MenuCS_Click() {
    if (stato_.grigliaAttiva == -1) Command3d15_Click();
    piattaforma_.messaggio(verifica_->partita.messaggio(stato_, verifica_->adesso()), {}, Icona::nessuna, Pulsanti::ok);
}

void Form1::dopoAzzeramento() {
    verifica_->partita.azzera(stato_, verifica_->adesso());
    verifica_->aggiornaComandi();
    verifica_->mostraTempo();
    disegnaGriglia();
}

namespace {

// Before anything is checked: no hover label, and a print preview gives the area back to the grid.
void primaDiVerificare(Form1& f) {
    f.nascondiLabel1();
    if (f.stato().grigliaAttiva == -1) f.Command3d15_Click();
}

}  // namespace

void Form1::MenuControllaLettera_Click() {
    const std::optional<Casella> k = casellaPerVerifica();
    if (!k || inPausa()) return;
    primaDiVerificare(*this);
    StatusBar1->showMessage(QString::fromStdString(contoErrori(verifica_->partita.controlla(stato_, {*k}).size())), 5000);
    disegnaGriglia();
}

void Form1::MenuControllaParola_Click() {
    const std::optional<Parola> w = parolaPerVerifica();
    if (!w || inPausa()) return;
    primaDiVerificare(*this);
    const size_t n = verifica_->partita.controlla(stato_, caselleParola(*w)).size();
    StatusBar1->showMessage(QString::fromStdString(contoErrori(n)), 5000);
    disegnaGriglia();
}

void Form1::MenuSegnaErrori_Click() {
    if (stato_.nColonne < 1 || inPausa()) return;
    primaDiVerificare(*this);
    const size_t n = verifica_->partita.controlla(stato_, caselleSchema(stato_)).size();
    StatusBar1->showMessage(QString::fromStdString(contoErrori(n)), 5000);
    disegnaGriglia();
}

namespace {

// A reveal goes through the update cycle as typing does: written, read back, redrawn.
void scriviRivelate(Form1& f, const std::vector<Scrittura>& scritture) {
    if (scritture.empty()) return;
    applicaScritture(f.stato(), scritture);
    f.stato().fileModificato = true;
    f.cicloAggiornamento();
    f.aggiornaTitolo();
}

}  // namespace

void Form1::MenuRivelaLettera_Click() {
    const std::optional<Casella> k = casellaPerVerifica();
    if (!k || inPausa()) return;
    primaDiVerificare(*this);
    scriviRivelate(*this, verifica_->partita.rivela(stato_, {*k}));
}

void Form1::MenuRivelaParola_Click() {
    const std::optional<Parola> w = parolaPerVerifica();
    if (!w || inPausa()) return;
    primaDiVerificare(*this);
    scriviRivelate(*this, verifica_->partita.rivela(stato_, caselleParola(*w)));
}

void Form1::MenuRivelaSchema_Click() {
    if (stato_.nColonne < 1 || inPausa()) return;
    primaDiVerificare(*this);
    if (piattaforma_.messaggio(domandaRivelaSchema, titoloRivelaSchema, Icona::domanda, Pulsanti::okAnnulla) !=
        Risposta::ok)
        return;
    scriviRivelate(*this, verifica_->partita.rivela(stato_, caselleSchema(stato_)));
}

void Form1::MenuPausa_Click() {
    if (!verifica_->schemaAperto()) return;
    const bool pausa = !inPausa();
    if (stato_.grigliaAttiva == -1) Command3d15_Click();
    if (pausa) {
        nascondiLabel1();
    }
    verifica_->impostaPausa(pausa);
    disegnaGriglia();
}

}  // namespace quadrivo
