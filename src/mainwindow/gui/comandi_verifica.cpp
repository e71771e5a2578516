#include "mainwindow/gui/comandi_verifica.h"

#include <QAction>
#include <QEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/immagini.h"
#include "mainwindow/gui/vista_griglia.h"
#include "model/varianti.h"
#include "sessione/sessione.h"
#include "qt/voce.h"
#include "solving/lettura.h"
#include "solving/passaggio.h"
#include "solving/verifica.h"

namespace quadrivo {

namespace {

constexpr const char* titoloRivelaSchema = "Rivela schema";
constexpr const char* titoloSblocca = "Sblocca soluzione";
constexpr const char* domandaRivelaSchema =
    "Premendo il bottone <OK> tutte le lettere mancanti o sbagliate verranno sostituite con quelle della "
    "soluzione.";

}  // namespace

ComandiVerifica::ComandiVerifica(Sessione& sessione, Piattaforma& piattaforma, BarraStato* barra, QWidget* area,
                                 const VistaGriglia& griglia)
    : QObject(area),
      sessione_(sessione),
      piattaforma_(piattaforma),
      barra_(barra),
      area_(area),
      griglia_(griglia),
      battito_(new QTimer(this)) {
    battito_->setSingleShot(true);
    connect(battito_, &QTimer::timeout, this, &ComandiVerifica::mostraTempo);
    connect(&sessione_, &Sessione::tempoCambiato, this, [this] {
        aggiornaComandi();
        mostraTempo();
    });
    connect(&sessione_, &Sessione::schemaCambiato, this, [this] {
        passaggio_.reset();
        premuto_.reset();
        mostraSblocca();
        aggiornaComandi();
    });
    // Said once the grid shows the last letter.
    connect(&sessione_, &Sessione::risolto, this, [this](const std::string& messaggio) {
        QTimer::singleShot(0, this, [this, messaggio] {
            piattaforma_.messaggio(messaggio, {}, Icona::informazione, Pulsanti::ok);
        });
    });
    area->installEventFilter(this);
}

void ComandiVerifica::collega(const std::function<QAction*(const char*)>& azione) {
    const auto parola = [this] {
        const std::optional<Parola> w = parolaPerVerifica();
        if (!w) return;
        if (const std::optional<size_t> n = controlla(w->caselle))
            annuncia(area_, esitoControlloParola(sessione_.cruciverba(), *w, *n));
    };
    const auto lettera = [this] {
        const std::optional<Casella> k = casellaPerVerifica();
        if (!k) return;
        if (const std::optional<size_t> n = controlla({*k}))
            annuncia(area_, esitoControlloLettera(sessione_.cruciverba(), *k, *n > 0));
    };
    const auto rivela = [this](bool soloLettera) {
        std::vector<Casella> caselle;
        if (!soloLettera) {
            if (const std::optional<Parola> w = parolaPerVerifica()) caselle = w->caselle;
        } else if (const std::optional<Casella> k = casellaPerVerifica()) {
            caselle = {*k};
        }
        if (caselle.empty() || sessione_.inPausa()) return;
        emit primaDiAgire();
        sessione_.rivela(caselle);
        std::string lettere;
        // A black square the reveal put in place is said, not left silent.
        for (const Casella& k : caselle) {
            const Cella& z = sessione_.cruciverba().cella(k);
            lettere += z.tipo == TipoCella::nera && senzaDiagramma(sessione_.cruciverba())
                           ? std::string(lettere.empty() ? "nera " : " nera ")
                           : z.voce;
        }
        if (!lettere.empty() && lettere.back() == ' ') lettere.pop_back();
        annuncia(area_, (soloLettera ? "Lettera rivelata: " : "Parola rivelata: ") + lettere);
    };
    struct Voce {
        const char* nome;
        std::function<void()> gestore;
        int immagine;
    };
    const Voce voci[] = {
        {"azioneControllaLettera", lettera, 0},
        {"azioneControllaParola", parola, 9},
        {"azioneSegnaErrori",
         [this] {
             if (!sessione_.aperto()) return;
             if (const std::optional<size_t> n = controlla(caselleSchema(sessione_.cruciverba())))
                 annuncia(area_, contoErrori(*n));
         },
         0},
        {"azioneRivelaLettera", [rivela] { rivela(true); }, 0},
        {"azioneRivelaParola", [rivela] { rivela(false); }, 0},
        {"azioneRivelaSchema", [this] { rivelaSchema(); }, 0},
        {"azioneSblocca", [this] { sblocca(); }, 0},
    };
    for (const Voce& v : voci) {
        QAction* a = azione(v.nome);
        if (!a) continue;
        if (v.immagine) a->setIcon(immagineLista(v.immagine));
        connect(a, &QAction::triggered, this, v.gestore);
        comandi_.push_back(a);
    }
    // The whole grid's verdict, paused or not.
    if (QAction* a = azione("azioneControllaSoluzioni"))
        connect(a, &QAction::triggered, this, [this] {
            emit primaDiAgire();
            piattaforma_.messaggio(sessione_.messaggioVerifica(), {}, Icona::nessuna, Pulsanti::ok);
        });
    sblocca_ = azione("azioneSblocca");
    mostraSblocca();
    // The Pause key too, for keyboards that have one.
    if (QAction* a = azione("azionePausa")) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, &ComandiVerifica::pausa);
        pause_.push_back(a);
        a->setIcon(immagineLista(10));
        a->setShortcuts({a->shortcut(), QKeySequence(Qt::Key_Pause)});
    }
}

void ComandiVerifica::mostraTempo() {
    battito_->stop();
    if (!sessione_.aperto()) {
        barra_->impostaTempo({});
        return;
    }
    const std::int64_t ms = sessione_.tempo();
    const QString tempo = QString::fromStdString(testoTempo(ms));
    barra_->impostaTempo(sessione_.inPausa() ? "In pausa " + tempo : tempo);
    // The next whole second, when the display changes.
    if (sessione_.partita().cronometro().inCorso()) battito_->start(static_cast<int>(1000 - ms % 1000));
}

void ComandiVerifica::aggiornaComandi() {
    for (QAction* a : comandi_) a->setEnabled(!sessione_.inPausa());
    for (QAction* a : pause_) a->setChecked(sessione_.inPausa());
}

// The white cell at a point of the drawing area, as hovering finds it, and the half it falls in.
std::optional<ComandiVerifica::Punto> ComandiVerifica::puntoSotto(QPointF p) const {
    if (sessione_.modo() != ModoVista::griglia) return std::nullopt;
    const std::optional<Casella> k = griglia_.cellaIn(p);
    if (!k || !sessione_.cruciverba().bianca(k->colonna, k->riga)) return std::nullopt;
    return Punto{*k, griglia_.metaOrizzontale(p, *k) ? Direzione::orizzontale : Direzione::verticale};
}

bool ComandiVerifica::eventFilter(QObject*, QEvent* evento) {
    if (evento->type() == QEvent::Leave) passaggio_.reset();
    const bool movimento = evento->type() == QEvent::MouseMove;
    const bool pressione = evento->type() == QEvent::MouseButtonPress;
    if (!movimento && !pressione) return false;
    // A hidden grid is not played on.
    if (sessione_.inPausa()) return true;
    std::optional<Punto> punto = puntoSotto(static_cast<QMouseEvent*>(evento)->position());
    if (movimento) {
        passaggio_ = punto;
    } else if (punto) {
        // A press keeps the direction the pointer shows.
        if (const Direzione d = direzioneDi(piattaforma_.puntatore()); d != Direzione::nessuna) punto->direzione = d;
        premuto_ = punto;
    }
    return false;
}

std::optional<Parola> ComandiVerifica::parolaPerVerifica() const {
    if (!sessione_.aperto() || !griglia_.conGriglia()) return std::nullopt;
    // The word the grid opened on gives way to one the pointer shows.
    const Parola* corrente = sessione_.parolaCorrente();
    if (corrente && !(sessione_.posizioneIniziale() && (passaggio_ || premuto_))) return *corrente;
    const auto& p = passaggio_ ? passaggio_ : premuto_;
    if (!p) return std::nullopt;
    // A cell with no word its way gives the word the other way.
    for (Direzione verso : {p->direzione, altra(p->direzione)})
        if (const Parola* w =
                sessione_.navigazione().parolaCorrente(Posizione{p->casella.colonna, p->casella.riga, verso}))
            return *w;
    return std::nullopt;
}

std::optional<Casella> ComandiVerifica::casellaPerVerifica() const {
    if (!sessione_.aperto() || !griglia_.conGriglia()) return std::nullopt;
    const Posizione& p = sessione_.posizione();
    if (p.valida() && !(sessione_.posizioneIniziale() && (passaggio_ || premuto_))) return Casella{p.colonna, p.riga};
    if (const auto& q = passaggio_ ? passaggio_ : premuto_) return q->casella;
    return std::nullopt;
}

std::optional<size_t> ComandiVerifica::controlla(const std::vector<Casella>& caselle) {
    if (sessione_.inPausa()) return std::nullopt;
    emit primaDiAgire();
    return sessione_.controlla(caselle).size();
}

void ComandiVerifica::rivelaSchema() {
    if (!sessione_.aperto() || sessione_.inPausa()) return;
    emit primaDiAgire();
    if (piattaforma_.messaggio(domandaRivelaSchema, titoloRivelaSchema, Icona::domanda, Pulsanti::annullaOk) ==
        Risposta::ok) {
        sessione_.rivela(caselleSchema(sessione_.cruciverba()));
        annuncia(area_, QString("Schema rivelato"));
    }
}

// Only a locked solution has a code to ask for.
void ComandiVerifica::mostraSblocca() {
    if (sblocca_) sblocca_->setVisible(sessione_.soluzioneBloccata());
}

void ComandiVerifica::sblocca() {
    if (!sessione_.aperto() || sessione_.inPausa()) return;
    emit primaDiAgire();
    if (!sessione_.soluzioneBloccata()) {
        piattaforma_.messaggio(sessione_.sblocca({}), titoloSblocca, Icona::informazione);
        return;
    }
    QInputDialog d(qobject_cast<QWidget*>(parent()));
    d.setObjectName("CodiceSblocco");
    d.setWindowTitle(titoloSblocca);
    d.setLabelText("Il codice di quattro cifre che sblocca la soluzione:");
    d.setOkButtonText("OK");
    d.setCancelButtonText("Annulla");
    if (auto* campo = d.findChild<QLineEdit*>()) {
        campo->setMaxLength(4);
        campo->setAccessibleName("Codice di sblocco");
    }
    if (d.exec() != QDialog::Accepted) return;
    if (const std::string errore = sessione_.sblocca(d.textValue().trimmed().toStdString()); !errore.empty())
        piattaforma_.messaggio(errore, titoloSblocca, Icona::attenzione);
    mostraSblocca();
}

void ComandiVerifica::pausa() {
    if (!sessione_.aperto()) return;
    emit primaDiAgire();
    sessione_.impostaPausa(!sessione_.inPausa());
    annuncia(area_, QString(sessione_.inPausa() ? "In pausa: il cronometro è fermo" : "Pausa finita: il cronometro riparte"));
}

}  // namespace quadrivo
