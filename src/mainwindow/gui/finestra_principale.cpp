#include "mainwindow/gui/finestra_principale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <ctime>
#include <utility>

#include "dialogs/cartelle.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barre_scorrimento.h"
#include "mainwindow/gui/colonna_definizioni.h"
#include "mainwindow/gui/comandi_aiuto.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/comandi_gioco.h"
#include "mainwindow/gui/comandi_modifica.h"
#include "mainwindow/gui/comandi_opzioni.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/comandi_verifica.h"
#include "mainwindow/gui/disposizione_finestra.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/immagini.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "mainwindow/gui/lingue.h"
#include "mainwindow/gui/menu_principale.h"
#include "mainwindow/gui/presenza_finestra.h"
#include "mainwindow/gui/riquadri_giochi.h"
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "model/file.h"
#include "sessione/lavoro.h"

namespace quadrivo {

namespace {

// While it lives, a message box about to be shown brings the window, not shown yet, up first:
// the question comes over the window, as it does once the window is up.
class SottoLeDomande : public QObject {
public:
    explicit SottoLeDomande(QWidget* finestra) : finestra_(finestra) { qApp->installEventFilter(this); }
    ~SottoLeDomande() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && qobject_cast<QMessageBox*>(o) && !finestra_->isVisible()) finestra_->show();
        return false;
    }

private:
    QWidget* finestra_;
};

}  // namespace

FinestraPrincipale::FinestraPrincipale(Cartelle cartelle, PiattaformaQt& piattaforma, const std::string& rigaComando)
    : piattaforma_(piattaforma), rigaComando_(rigaComando) {
    sessione_ = new Sessione(cartelleComplete(std::move(cartelle)), piattaforma_,
                             percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), this);
    setWindowTitle(QString::fromUtf8(titoloFinestraIniziale));
    setWindowIcon(iconaFinestra());
    installaGrigliaAccessibile();
    area_ = new AreaDisegno(this);
    setCentralWidget(area_);
    vista_ = new VistaGriglia(*sessione_, area_);
    sfondo_ = new Sfondo(sessione_->cartelle(), area_);
    creaParti();
    piattaforma_.impostaGenitore(this);
    piattaforma_.impostaArea(area_);
    // A puzzle that turns out unreadable ends the program: unsaved answers are offered a save
    // first; unless saved, the working copy stays for the next start to offer back.
    piattaforma_.primaDiTerminare = [this] { primaDellaFine(); };
    caricamento();
}

FinestraPrincipale::~FinestraPrincipale() {
    // The session outlives this body, as a child: it must not reach a window half gone.
    sessione_->disconnect(this);
    disconnect(&sessione_->storia(), nullptr, this, nullptr);
    // Activation events sent while the children go must not reach a part through this window.
    removeEventFilter(presenza_);
    // Gone without Esci: a copy with nothing unsaved in it is of no use to anyone.
    if (!chiuso_ && !sessione_->modificato()) cancellaCopiaLavoro(sessione_->documento().fileLavoro);
    piattaforma_.primaDiTerminare = nullptr;
    piattaforma_.impostaArea(nullptr);
    piattaforma_.impostaGenitore(nullptr);
}

QAction* FinestraPrincipale::azione(const std::string& nome) const { return menu_->azione(nome); }

// The parts, in the order their items take in the menus.
void FinestraPrincipale::creaParti() {
    const auto azione = [this](const char* nome) { return menu_->azione(nome); };
    file_ = new ComandiFile(*sessione_, piattaforma_, area_, sfondo_, this);
    menu_ = new MenuPrincipale(
        *sessione_, menuBar(), [this](const std::string& n) { return file_->azione(n); }, this);
    QMenu* opzioni = menu_->menu(Menu::opzioni);
    barra_ = new BarraStrumenti(this, azione);
    addToolBar(Qt::TopToolBarArea, barra_);
    menu_->mostraIcone(MenuPrincipale::Icone::nessuna);
    // The pointer over the toolbar is the default arrow again.
    connect(barra_, &BarraStrumenti::puntatoreSopra, this, [this] {
        if (piattaforma_.puntatore() != Puntatore::predefinito) piattaforma_.impostaPuntatore(Puntatore::predefinito);
    });
    barraStato_ = new BarraStato(this);
    setStatusBar(barraStato_);
    stampa_ = new ComandiStampa(*sessione_, piattaforma_, area_, this);
    stampa_->collega(azione);
    stampa_->pulsanteChiudi()->setParent(barra_);  // past the toolbar's last button

    Impostazioni& impostazioni = sessione_->impostazioni();
    connect(&impostazioni, &Impostazioni::avviso, barraStato_, &BarraStato::avvisa);
    lingue_ = new Lingue(
        sessione_->lessico(), piattaforma_, impostazioni,
        {azione("azioneItaliano"), azione("azioneInglese"), azione("azioneLatino"), azione("azioneFrancese")}, this);
    passaggio_ = new VistaPassaggio(*sessione_, piattaforma_, area_, *vista_);
    auto* colonna = new ColonnaDefinizioni(*sessione_, piattaforma_, impostazioni, area_);
    colonna->creaVoci(opzioni, menu_->menu(Menu::aiuto));
    connect(lingue_, &Lingue::cambiata, colonna, &ColonnaDefinizioni::pianificaSuggerimenti);
    new RiquadriGiochi(*sessione_, this);  // a codeword's key, a grid to fill's words
    auto* aspetto = new AspettoSchermo(area_, impostazioni);
    tastiera_ = new TastieraGriglia(*sessione_, impostazioni, *aspetto, area_, *vista_, this);
    tastiera_->creaVoci(opzioni, azione("azioneMatita"), nullptr);
    aspetto->creaVoci(opzioni);
    vista_->impostaSfondo(area_->sfondo());
    aspetto->primaDelloZoom = [this](int verso) { return stampa_->zoom(verso); };  // sheets of a preview
    auto* intestazione = new IntestazioneSchema(*sessione_, area_);
    intestazione->creaVoce(menu_->menu(Menu::file), azione("separatoreEsci"));
    scorrimento_ = new BarreScorrimento(area_);
    verifica_ = new ComandiVerifica(*sessione_, piattaforma_, barraStato_, area_, *vista_);
    verifica_->collega(azione);
    auto* gioco = new ComandiGioco(*sessione_, piattaforma_, this);
    gioco->creaVoci(opzioni);
    file_->creaVoci(menu_->menu(Menu::file));
    opzioni_ = new ComandiOpzioni(*sessione_, piattaforma_, impostazioni, area_);
    opzioni_->collega(azione);
    opzioni_->creaVoce(opzioni);
    auto* aiuto = new ComandiAiuto(*sessione_, piattaforma_, this);
    aiuto->collega(azione);
    passaggio_->creaVoci(azione, menu_->menu(Menu::utilita));
    auto* modifica = new ComandiModifica(*sessione_, area_, this);
    modifica->collega(azione);
    disposizione_ = new DisposizioneFinestra(
        *sessione_,
        {area_, vista_, barra_, stampa_, sfondo_, intestazione, colonna, scorrimento_, tastiera_, aspetto, passaggio_},
        this);
    presenza_ = new PresenzaFinestra(*sessione_, this, [this] { return opzioni_->pausaFuori(); });

    // What each part asks of the others.
    const auto nascondiEtichetta = [this] { passaggio_->nascondiEtichetta(); };
    const auto lasciaGrigliaPerComando = [this, nascondiEtichetta] {
        nascondiEtichetta();
        stampa_->lascia();
    };
    connect(disposizione_, &DisposizioneFinestra::grigliaDisegnata, presenza_, &PresenzaFinestra::grigliaDisegnata);
    connect(stampa_, &ComandiStampa::primaDiAgire, this, [this, nascondiEtichetta] {
        passaggio_->solutore().nascondiPassaggio();
        nascondiEtichetta();
    });
    connect(stampa_, &ComandiStampa::anteprimaChiusa, this,
            [this] { menu_->mostraIcone(MenuPrincipale::Icone::tutte); });
    connect(passaggio_, &VistaPassaggio::toolbarDaRidisegnare, barra_, qOverload<>(&QWidget::repaint));
    connect(passaggio_, &VistaPassaggio::anteprimaDaChiudere, stampa_, &ComandiStampa::chiudiAnteprima);
    connect(tastiera_, &TastieraGriglia::parolaPresa, this, nascondiEtichetta);
    connect(verifica_, &ComandiVerifica::primaDiAgire, this, lasciaGrigliaPerComando);
    connect(gioco, &ComandiGioco::primaDiAgire, this, lasciaGrigliaPerComando);
    connect(modifica, &ComandiModifica::primaDiAgire, this, nascondiEtichetta);
    connect(opzioni_, &ComandiOpzioni::primaDiAgire, this, nascondiEtichetta);
    connect(opzioni_, &ComandiOpzioni::rettangoloCambiato, passaggio_, &VistaPassaggio::nascondiRettangolo);
    connect(opzioni_, &ComandiOpzioni::pausaFuoriCambiata, presenza_, &PresenzaFinestra::attivitaCambiata);
    connect(file_, &ComandiFile::primaDiAgire, this, [this, lasciaGrigliaPerComando] {
        passaggio_->solutore().nascondiPassaggio();
        lasciaGrigliaPerComando();
    });
    connect(file_, &ComandiFile::grigliaDaRidisegnare, disposizione_, &DisposizioneFinestra::disegnaGriglia);
    connect(file_, &ComandiFile::dialogoAperto, barra_, qOverload<>(&QWidget::repaint));
    connect(file_, &ComandiFile::dialogoChiuso, this, [this] {
        // The keyboard goes back to the grid once the closing dialog has let go of it.
        QTimer::singleShot(0, this, [this] {
            if (sessione_->aperto() && sessione_->modo() == ModoVista::griglia && isEnabled() &&
                !QApplication::activeModalWidget())
                area_->setFocus(Qt::OtherFocusReason);
        });
        presenza_->aggiornaTitolo();
        barra_->repaint();
    });
    connect(file_, &ComandiFile::uscitaChiesta, this, &FinestraPrincipale::esci);
    connect(barra_, &BarraStrumenti::sitoChiesto, aiuto, &ComandiAiuto::visitaSito);
    connect(barraStato_, &BarraStato::doppioClic, aiuto, &ComandiAiuto::informazioni);
    connect(aiuto, &ComandiAiuto::primaDiAgire, this, [this, nascondiEtichetta](bool anteprima) {
        if (anteprima) stampa_->lascia();
        nascondiEtichetta();
    });
    connect(aiuto, &ComandiAiuto::informazioniChiuse, barra_, qOverload<>(&QWidget::repaint));
    connect(presenza_, &PresenzaFinestra::primaVoltaMostrata, this, &FinestraPrincipale::attivazione);
    area_->alMovimento = [this](double x, double y) { passaggio_->solutore().movimentoMouse(x, y); };
    area_->allaPressione = [this](int b, double x, double y) {
        if (!tastiera_->clic(b, x, y)) passaggio_->solutore().pressioneMouse(b, x, y);
    };

    connect(sessione_, &Sessione::avviso, this,
            [this](const std::string& t) { barraStato_->avvisa(QString::fromStdString(t)); });
    // Over the grid: the hover label; over the toolbar's own widgets: the preview's close button.
    passaggio_->etichetta()->raise();
    stampa_->pulsanteChiudi()->raise();
    vista_->lower();
}

AreaFinestra FinestraPrincipale::areaFinestra() const { return disposizione_->areaFinestra(); }
AreaFinestra FinestraPrincipale::areaGriglia() const { return disposizione_->areaGriglia(); }
DecorazioniGriglia FinestraPrincipale::decorazioni() const { return tastiera_->decorazioni(); }
bool FinestraPrincipale::etichettaPassaggioVisibile() const { return passaggio_->etichettaVisibile(); }
void FinestraPrincipale::mostraAnteprima() { stampa_->mostraAnteprima(); }

// ---- Start-up

void FinestraPrincipale::caricamento() {
    // Told once the window is up; the grid is drawn with the shipped proportions meanwhile.
    avvisoImpostazioni_ = preparaAvvio(*sessione_);
    opzioni_->segna();
    barraStato_->impostaTesto(QString::fromStdString(testoVersione()));
    lingue_->segna();
    if (QScreen* s = screen()) setGeometry(s->availableGeometry());
    disposizione_->disponiBarre();
    aggiornaFinestra();
    if (percorsoRigaComando(rigaComando_).empty())
        sfondo_->disponiAlCaricamento(0);
    else
        sfondo_->hide();
    passaggio_->nascondiEtichetta();
    setWindowState(windowState() | Qt::WindowMaximized);
    if (percorsoRigaComando(rigaComando_).empty()) return;
    // The puzzle opens before the window is first shown: the window comes up with its caption
    // and the grid laid out at its size, painted once. A question the opening asks brings the
    // window up first, under it; the first activation waits for the opening's end.
    disposizione_->disponiAllaDimensione();
    inApertura_ = true;
    {
        SottoLeDomande sotto(this);
        file_->apriRigaComando(rigaComando_);
    }
    inApertura_ = false;
    if (attivazioneRinviata_) QMetaObject::invokeMethod(this, &FinestraPrincipale::attivazione, Qt::QueuedConnection);
}

void FinestraPrincipale::attivazione() {
    if (inApertura_) {
        attivazioneRinviata_ = true;
        return;
    }
    if (percorsoRigaComando(rigaComando_).empty()) sfondo_->mostra();
    menu_->mostraIcone(MenuPrincipale::Icone::apri);
    disposizione_->segui();
    giaAttivato_ = 1;
    // Once the window is up: a question asked before it is mapped ends up behind it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!avvisoImpostazioni_.empty())
                piattaforma_.messaggio(std::exchange(avvisoImpostazioni_, {}), {}, Icona::attenzione, Pulsanti::ok);
            // Answers left by a run that ended badly are offered back.
            sessione_->offriCopie(cartellaCopie(), std::time(nullptr), [this] { return file_->lasciaSchema(); });
        },
        Qt::QueuedConnection);
    aggiornaFinestra();
    if (!(windowState() & Qt::WindowMaximized)) setWindowState(windowState() | Qt::WindowMaximized);
}

void FinestraPrincipale::aggiornaFinestra() {
    menu_->aggiorna();
    disposizione_->aggiorna();
    if (sessione_->aperto()) verifica_->aggiornaComandi();
}

// ---- The end of a run

void FinestraPrincipale::primaDellaFine() {
    // What the copy still waits to receive must be there for the next start to offer back.
    if (sessione_->modificato()) sessione_->scriviCopiaOra();
    if (sessione_->modificato() && sessione_->aperto() &&
        piattaforma_.messaggio(domandaPrimaDellaFine(sessione_->nomeFile()), titoloModifica, Icona::domanda,
                               Pulsanti::okAnnulla) == Risposta::ok) {
        if (sessione_->haNome())
            sessione_->salva();
        else
            file_->salvaConNome();
    }
    if (!sessione_->modificato()) cancellaCopiaLavoro(sessione_->documento().fileLavoro);
}

void FinestraPrincipale::chiusura(bool tieniRisposte) {
    if (std::exchange(chiuso_, true)) return;
    if (sessione_->impostazioni().inAttesa()) sessione_->impostazioni().salva();
    sessione_->chiudi(tieniRisposte);
    passaggio_->nascondiEtichetta();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void FinestraPrincipale::terminaPerSegnale() {
    chiusura(true);
    QCoreApplication::quit();
}

bool FinestraPrincipale::chiusuraConfermata() {
    if (chiuso_) return true;
    passaggio_->solutore().nascondiPassaggio();
    return file_->lasciaSchema();
}

void FinestraPrincipale::esci() {
    if (!chiusuraConfermata()) return;
    chiusura();
    close();
    QCoreApplication::exit(0);
}

void FinestraPrincipale::closeEvent(QCloseEvent* e) {
    if (!chiusuraConfermata()) {
        e->ignore();
        return;
    }
    chiusura();
    e->accept();
}

}  // namespace quadrivo
