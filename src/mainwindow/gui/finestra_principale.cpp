#include "mainwindow/gui/finestra_principale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <ctime>
#include <map>
#include <unistd.h>
#include <utility>

#include "dialogs/apertura_schema.h"
#include "dialogs/cartelle.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barre_scorrimento.h"
#include "mainwindow/gui/colonna_definizioni.h"
#include "mainwindow/gui/riquadri_giochi.h"
#include "mainwindow/gui/comandi_aiuto.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/comandi_modifica.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/comandi_gioco.h"
#include "mainwindow/gui/comandi_verifica.h"
#include "model/impostazioni.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/immagini.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "mainwindow/gui/lingue.h"
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "model/file.h"
#include "model/numeri.h"
#include "qt/voce.h"
#include "sessione/lavoro.h"
#include "sessione/salvataggio.h"

namespace quadrivo {

FinestraPrincipale::FinestraPrincipale(Stato& stato, PiattaformaQt& piattaforma, const std::string& rigaComando)
    : stato_(stato), piattaforma_(piattaforma), rigaComando_(rigaComando) {
    sessione_ = new Sessione(stato_, piattaforma_,
                             percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), this);
    setWindowTitle(QString::fromUtf8(titoloFinestraIniziale));
    setWindowIcon(immagineLista(5));
    installaGrigliaAccessibile();
    area_ = new AreaDisegno(this);
    setCentralWidget(area_);
    area_->installEventFilter(this);
    vista_ = new VistaGriglia(*sessione_, area_);
    sfondo_ = new Sfondo(stato_, area_);
    file_ = new ComandiFile(stato_, *sessione_, piattaforma_, area_, sfondo_, this);
    creaMenu();
    creaToolbar();
    creaControlli();
    creaParti();
    collegaSessione();
    area_->alMovimento = [this](double x, double y) { movimentoMouse(x, y); };
    area_->allaPressione = [this](int b, double x, double y) { pressioneMouse(b, x, y); };
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
    // Gone without Esci: a copy with nothing unsaved in it is of no use to anyone.
    if (!chiuso_ && !sessione_->modificato()) cancellaCopiaLavoro(sessione_->documento().fileLavoro);
    piattaforma_.primaDiTerminare = nullptr;
    piattaforma_.impostaArea(nullptr);
    piattaforma_.impostaGenitore(nullptr);
}

// ---- Building the window

void FinestraPrincipale::creaMenu() {
    std::map<Menu, QMenu*> menu;
    for (const TitoloMenu& t : titoliMenu()) {
        QMenu* m = t.menu == Menu::lingua ? new QMenu(QString::fromUtf8(t.testo), this)
                                          : menuBar()->addMenu(QString::fromUtf8(t.testo));
        m->setObjectName(t.nome);
        menu[t.menu] = m;
    }
    menuFile = menu[Menu::file];
    menuUtilita = menu[Menu::utilita];
    menuModifica = menu[Menu::modifica];
    menuOpzioni = menu[Menu::opzioni];
    menuLingua = menu[Menu::lingua];
    menuAiuto = menu[Menu::aiuto];

    for (const VoceMenu& v : vociMenu()) {
        QMenu* m = menu[v.menu];
        if (QAction* proprio = file_->azione(v.nome)) {
            m->addAction(proprio);
            continue;
        }
        QAction* a = std::string(v.testo) == "-" ? m->addSeparator() : m->addAction(QString::fromUtf8(v.testo));
        a->setObjectName(v.nome);
        if (*v.scorciatoia) a->setShortcut(QKeySequence(QString::fromUtf8(v.scorciatoia)));
        // The dictionary submenu sits after azioneRettangoloParola in Opzioni.
        if (std::string(v.nome) == "azioneRettangoloParola") menuOpzioni->addMenu(menuLingua);
    }
    // Every named item, and what choosing it runs.
    struct Voce {
        const char* nome;
        QAction* FinestraPrincipale::*azione;
        void (FinestraPrincipale::*gestore)();
    };
    static const Voce voci[] = {
        {"azioneApri", &FinestraPrincipale::azioneApri, nullptr},
        {"azioneSalva", &FinestraPrincipale::azioneSalva, nullptr},
        {"azioneSalvaConNome", &FinestraPrincipale::azioneSalvaConNome, nullptr},
        {"separatoreStampa", &FinestraPrincipale::separatoreStampa, nullptr},
        {"azioneAnteprima", &FinestraPrincipale::azioneAnteprima, nullptr},
        {"azioneStampa", &FinestraPrincipale::azioneStampa, nullptr},
        {"separatoreEsci", &FinestraPrincipale::separatoreEsci, nullptr},
        {"azioneEsci", &FinestraPrincipale::azioneEsci, nullptr},
        {"azioneControllaSoluzioni", &FinestraPrincipale::azioneControllaSoluzioni, &FinestraPrincipale::controllaSoluzioni},
        {"azioneAzzera", &FinestraPrincipale::azioneAzzera, &FinestraPrincipale::azzeraSoluzioni},
        {"separatoreFont", &FinestraPrincipale::separatoreFont, nullptr},
        {"azioneFont", &FinestraPrincipale::azioneFont, &FinestraPrincipale::scegliFont},
        {"azioneSettaggioSchema", &FinestraPrincipale::azioneSettaggioSchema, nullptr},
        {"separatoreOpzioni", &FinestraPrincipale::separatoreOpzioni, nullptr},
        {"azioneTastoSinistro", &FinestraPrincipale::azioneTastoSinistro, &FinestraPrincipale::tastoSinistroCambiato},
        {"azioneRettangoloParola", &FinestraPrincipale::azioneRettangoloParola, &FinestraPrincipale::rettangoloParolaCambiato},
        {"azioneItaliano", &FinestraPrincipale::azioneItaliano, nullptr},
        {"azioneInglese", &FinestraPrincipale::azioneInglese, nullptr},
        {"azioneLatino", &FinestraPrincipale::azioneLatino, nullptr},
        {"azioneFrancese", &FinestraPrincipale::azioneFrancese, nullptr},
        {"azioneAiuto", &FinestraPrincipale::azioneAiuto, nullptr},
        {"azioneTasti", &FinestraPrincipale::azioneTasti, nullptr},
        {"azioneSitoAutore", &FinestraPrincipale::azioneSitoAutore, nullptr},
        {"azioneMailAutore", &FinestraPrincipale::azioneMailAutore, nullptr},
        {"separatoreInfo", &FinestraPrincipale::separatoreInfo, nullptr},
        {"azioneInfo", &FinestraPrincipale::azioneInfo, nullptr},
    };
    for (const Voce& v : voci) {
        this->*v.azione = azione(v.nome);
        if (v.gestore) connect(this->*v.azione, &QAction::triggered, this, v.gestore);
    }

    for (const VoceMenu& v : vociMenu()) {
        QAction* a = azione(v.nome);
        if (v.menu == Menu::opzioni || v.menu == Menu::lingua) {
            if (std::string(v.testo) != "-" && a != azioneSettaggioSchema) a->setCheckable(true);
            a->setChecked(v.segnata);
        }
    }

    menuLingua->setToolTipsVisible(true);  // a language says why its file cannot be used
}

QAction* FinestraPrincipale::azione(const std::string& nome) const {
    for (QMenu* m : {menuFile, menuModifica, menuUtilita, menuOpzioni, menuLingua, menuAiuto}) {
        if (!m) continue;
        for (QAction* a : m->actions())
            if (a->objectName().toStdString() == nome) return a;
    }
    return nullptr;
}

void FinestraPrincipale::creaToolbar() {
    barraStrumenti_ = new BarraStrumenti(this, [this](const char* nome) { return azione(nome); });
    addToolBar(Qt::TopToolBarArea, barraStrumenti_);
    // The toolbar's images show in the menus only once a puzzle is open (Apri's from the first activation).
    for (QAction* a : iconeMenu()) a->setIconVisibleInMenu(false);
    connect(barraStrumenti_, &BarraStrumenti::puntatoreSopra, this, &FinestraPrincipale::puntatoreSullaBarra);
}

void FinestraPrincipale::creaControlli() {
    barraStato_ = new BarraStato(this);
    barraStato_->setObjectName("barraStato");
    barraStato_->setAccessibleName("Barra di stato");
    setStatusBar(barraStato_);
    stampa_ = new ComandiStampa(stato_, *sessione_, piattaforma_, area_, this);
    stampa_->collega([this](const char* nome) { return azione(nome); });
    // The preview's close button sits on the toolbar, past its last button.
    stampa_->pulsanteChiudi()->setParent(barraStrumenti_);
    connect(stampa_, &ComandiStampa::primaDiAgire, this, [this] {
        nascondiPassaggio();
        nascondiEtichettaPassaggio();
    });
    connect(stampa_, &ComandiStampa::anteprimaChiusa, this, &FinestraPrincipale::mostraIconeMenu);
}

void FinestraPrincipale::creaParti() {
    impostazioni_ = &sessione_->impostazioni();
    connect(impostazioni_, &Impostazioni::cambiate, this, &FinestraPrincipale::disegnaGriglia);
    connect(impostazioni_, &Impostazioni::avviso, this,
            [this](const QString& testo) { barraStato_->showMessage(testo, 15000); });
    lingue_ = new Lingue(stato_, piattaforma_, *impostazioni_, {azioneItaliano, azioneInglese, azioneLatino, azioneFrancese}, this);

    vistaPassaggio_ = new VistaPassaggio(*sessione_, piattaforma_, area_, *vista_);
    connect(vistaPassaggio_, &VistaPassaggio::toolbarDaRidisegnare, barraStrumenti_, qOverload<>(&QWidget::repaint));
    connect(vistaPassaggio_, &VistaPassaggio::anteprimaDaChiudere, stampa_, &ComandiStampa::chiudiAnteprima);

    colonna_ = new ColonnaDefinizioni(*sessione_, piattaforma_, *impostazioni_, area_);
    colonna_->creaVoci(menuOpzioni, menuAiuto);
    connect(colonna_, &ColonnaDefinizioni::disposizioneCambiata, this, [this] {
        if (sessione_->modo() == ModoVista::griglia)
            disegnaGriglia();
        else
            disponiBarre();
    });
    connect(lingue_, &Lingue::cambiata, colonna_, &ColonnaDefinizioni::pianificaSuggerimenti);
    new RiquadriGiochi(*sessione_, this);  // a codeword's key, a grid to fill's words

    aspetto_ = new AspettoSchermo(area_, *impostazioni_);
    tastiera_ = new TastieraGriglia(*sessione_, *impostazioni_, *aspetto_, area_, *vista_, this);
    tastiera_->creaVoci(menuOpzioni, azione("azioneMatita"), nullptr);
    connect(tastiera_, &TastieraGriglia::parolaPresa, this, &FinestraPrincipale::nascondiEtichettaPassaggio);
    aspetto_->creaVoci(menuOpzioni);
    vista_->impostaSfondo(area_->sfondo());
    // The zoom's keys size the sheets while the print preview is shown.
    aspetto_->primaDelloZoom = [this](int verso) {
        return stampa_->zoom(verso);
    };
    connect(aspetto_, &AspettoSchermo::cambiato, this, [this] {
        vista_->impostaSfondo(area_->sfondo());
        if (sessione_->aperto()) disegnaGriglia();
    });
    intestazione_ = new IntestazioneSchema(*sessione_, area_);
    intestazione_->creaVoce(menuFile, separatoreEsci);
    scorrimento_ = new BarreScorrimento(area_);
    connect(scorrimento_, &BarreScorrimento::scorso, this, [this] {
        // The hover label and the word outline belong to cells that have moved.
        nascondiEtichettaPassaggio();
        vistaPassaggio_->nascondiRettangolo();
        disegnaGriglia();
    });

    verifica_ = new ComandiVerifica(*sessione_, piattaforma_, barraStato_, area_, *vista_);
    verifica_->collega([this](const char* nome) { return azione(nome); });
    connect(verifica_, &ComandiVerifica::primaDiAgire, this, [this] {
        nascondiEtichettaPassaggio();
        lasciaAnteprima();
    });
    gioco_ = new ComandiGioco(*sessione_, piattaforma_, this);
    gioco_->creaVoci(menuOpzioni);
    connect(gioco_, &ComandiGioco::primaDiAgire, this, [this] {
        nascondiEtichettaPassaggio();
        lasciaAnteprima();
    });

    file_->creaVoci(menuFile);
    connect(file_, &ComandiFile::primaDiAgire, this, &FinestraPrincipale::lasciaLaGriglia);
    connect(file_, &ComandiFile::grigliaDaRidisegnare, this, &FinestraPrincipale::disegnaGriglia);
    connect(file_, &ComandiFile::dialogoAperto, barraStrumenti_, qOverload<>(&QWidget::repaint));
    connect(file_, &ComandiFile::dialogoChiuso, this, [this] {
        tornaAllaGriglia();
        aggiornaTitolo();
        barraStrumenti_->repaint();
    });
    connect(file_, &ComandiFile::uscitaChiesta, this, &FinestraPrincipale::esci);
    creaVociArchivio();

    aiuto_ = new ComandiAiuto(stato_, *sessione_, piattaforma_, this);
    aiuto_->collega([this](const char* nome) { return azione(nome); });
    connect(barraStrumenti_, &BarraStrumenti::sitoChiesto, aiuto_, &ComandiAiuto::visitaSito);
    connect(barraStato_, &BarraStato::doppioClic, aiuto_, &ComandiAiuto::informazioni);
    connect(aiuto_, &ComandiAiuto::primaDiAgire, this, [this](bool anteprima) {
        if (anteprima) lasciaAnteprima();
        nascondiEtichettaPassaggio();
    });
    connect(aiuto_, &ComandiAiuto::informazioniChiuse, barraStrumenti_, qOverload<>(&QWidget::repaint));

    azioneParola = menuUtilita->addAction("Scrivi &parola corrente...");
    azioneParola->setObjectName("azioneParola");
    azioneParola->setShortcut(QKeySequence(Qt::Key_F2));
    connect(azioneParola, &QAction::triggered, this, &FinestraPrincipale::scriviParola);

    // Over the grid: the hover label; over the toolbar's own widgets: the preview's close button.
    for (QWidget* w : std::initializer_list<QWidget*>{vistaPassaggio_->etichetta(), stampa_->pulsanteChiudi()})
        w->raise();
    vista_->lower();
}

void FinestraPrincipale::disponiBarre() {
    // The frame keeps the bars off the area: everything on it starts at its top.
    vista_->setGeometry(area_->rect());
    if (stampa_) stampa_->disponi(0, 0, barraStrumenti_->finePulsanti());
    if (!intestazione_) return;  // the parts are made after the bars
    intestazione_->disponi(0);
    colonna_->disponi(intestazione_->altezza(), 0);
}

AreaFinestra FinestraPrincipale::areaFinestra() const {
    AreaFinestra a;
    a.larghezza = area_->width();
    a.altezza = area_->height();
    return a;
}

AreaFinestra FinestraPrincipale::areaGriglia() const {
    AreaFinestra a = areaFinestra();
    a.altezzaToolbar += intestazione_->altezza();
    return scorrimento_->riduci(colonna_->areaGriglia(a));
}

DecorazioniGriglia FinestraPrincipale::decorazioni() const { return tastiera_->decorazioni(); }

// ---- Start-up

void FinestraPrincipale::caricamento() {
    // Told once the window is up; the grid is drawn with the shipped proportions meanwhile.
    avvisoImpostazioni_ = preparaAvvio(stato_, *sessione_);
    azioneTastoSinistro->setChecked(stato_.tastoSinistro);
    azioneRettangoloParola->setChecked(stato_.rettangoloParola);
    barraStato_->impostaTesto(QString::fromStdString(testoVersione()));
    lingue_->segna();
    if (QScreen* s = screen()) setGeometry(s->availableGeometry());
    superficie().impostaCarattere(Carattere{stato_.nomeFont, superficie().carattere().dimensione,
                                            stato_.carattereSchermo.grassetto, stato_.carattereSchermo.corsivo});
    disponiBarre();
    aggiornaFinestra();
    if (percorsoRigaComando(rigaComando_).empty())
        sfondo_->disponiAlCaricamento(0);
    else
        sfondo_->hide();
    nascondiEtichettaPassaggio();
    setWindowState(windowState() | Qt::WindowMaximized);
}

void FinestraPrincipale::attivazione() {
    if (giaAttivato_ == 0) {
        if (percorsoRigaComando(rigaComando_).empty()) sfondo_->mostra();
        azioneApri->setIconVisibleInMenu(true);
        dimensioneDisegnata_ = area_->size();
        giaAttivato_ = 1;
        // Once the window is up: a question asked before it is mapped ends up behind it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!avvisoImpostazioni_.empty())
                    piattaforma_.messaggio(std::exchange(avvisoImpostazioni_, {}), {}, Icona::attenzione, Pulsanti::ok);
                offriRipristino();
            },
            Qt::QueuedConnection);
    }
    if (!percorsoRigaComando(rigaComando_).empty() && fileRigaComando_.empty()) apriRigaComando();
    aggiornaFinestra();
    if (!(windowState() & Qt::WindowMaximized)) setWindowState(windowState() | Qt::WindowMaximized);
}

void FinestraPrincipale::offriRipristino() {
    sessione_->offriCopie(cartellaCopie(), std::time(nullptr), [this] { return file_->lasciaSchema(); });
}

void FinestraPrincipale::apriRigaComando() {
    fileRigaComando_ = rigaComando_;
    if (!file_->lasciaSchema()) return;
    const std::string percorso = percorsoRigaComando(fileRigaComando_);
    const EsitoApertura esito = sessione_->apri(percorso);
    if (esito == EsitoApertura::ok) return;
    // The program starts without a puzzle; the background picture comes back into view.
    if (esito != EsitoApertura::giaAperto)
        piattaforma_.messaggio(messaggioRigaComando(esito, percorso), {}, Icona::attenzione, Pulsanti::ok);
    sfondo_->mostra();
}

void FinestraPrincipale::aggiornaFinestra() {
    const bool schema = sessione_->aperto();
    if (!schema) superficie().pulisci();
    barraStrumenti_->abilitaPerSchema(schema);
    for (QAction* a : {azioneStampa, azioneAnteprima, separatoreStampa}) a->setVisible(schema);
    menuUtilita->menuAction()->setVisible(schema);
    menuModifica->menuAction()->setVisible(schema);
    if (!schema) return;
    mostraIconeMenu();
    verifica_->aggiornaComandi();
    if (sessione_->modo() == ModoVista::griglia) disegnaGriglia();
}

std::vector<QAction*> FinestraPrincipale::iconeMenu() const {
    return {azioneApri, azioneSalva, azioneAnteprima, azioneStampa, azioneControllaSoluzioni, azioneAzzera, azioneFont};
}

void FinestraPrincipale::mostraIconeMenu() {
    for (QAction* a : iconeMenu()) a->setIconVisibleInMenu(true);
}

void FinestraPrincipale::disegnaGriglia() {
    dimensioneDisegnata_ = area_->size();
    // The print preview owns the area while it is shown.
    if (sessione_->modo() != ModoVista::griglia) {
        vista_->togliGriglia();
        scorrimento_->nascondi();
        intestazione_->disponi(0);
        return;
    }
    intestazione_->disponi(0);
    colonna_->disponi(intestazione_->altezza(), 0);
    try {
        // A scroll bar that comes or goes changes the room: the grid is laid out once more.
        for (int giro = 0; giro < 2; ++giro) {
            const AreaFinestra a = areaGriglia();
            DecorazioniGriglia d = decorazioni();
            scorrimento_->decora(d, a);
            const ScorrimentoGriglia s = vista_->disponi(a, d);
            if (!scorrimento_->aggiorna(s, a)) break;
        }
        titoloGriglia_ = titoloGriglia(sessione_->documento());
        aggiornaTitolo();
        colonna_->aggiorna();
    } catch (const ErroreOverflow&) {
        // A window too small for any cell: nothing is drawn until it grows again.
        vista_->togliGriglia();
        scorrimento_->nascondi();
    }
}

void FinestraPrincipale::aggiornaTitolo() {
    if (titoloGriglia_.empty()) return;
    titoloGriglia_ = titoloGriglia(sessione_->documento());  // a save under another name changes it
    // "[*]" is where the unsaved mark goes; one in a file's name is doubled to stay as it is.
    setWindowTitle("[*]" + QString::fromStdString(titoloGriglia_).replace("[*]", "[*][*]"));
}

void FinestraPrincipale::collegaSessione() {
    // Annulla and Ripeti follow the session's history.
    auto* modifica = new ComandiModifica(*sessione_, area_, this);
    modifica->collega([this](const char* nome) { return azione(nome); });
    connect(modifica, &ComandiModifica::primaDiAgire, this, &FinestraPrincipale::nascondiEtichettaPassaggio);
    connect(sessione_, &Sessione::schemaCambiato, this, &FinestraPrincipale::dopoNuovoSchema);
    connect(sessione_, &Sessione::modoCambiato, this, &FinestraPrincipale::dopoCambioModo);
    connect(sessione_, &Sessione::celleCambiate, this, [this] {
        // Options that could not be written are tried again at every change.
        if (impostazioni_->inAttesa()) impostazioni_->salva();
        disegnaGriglia();
        annunciaCellaCorrente(area_);
    });
    connect(sessione_, &Sessione::segniCambiati, this, &FinestraPrincipale::disegnaGriglia);
    connect(sessione_, &Sessione::posizioneCambiata, this, [this] {
        vistaPassaggio_->nascondiRettangolo();  // the hover's word outline would blur which word is current
        disegnaGriglia();
        annunciaCellaCorrente(area_);
    });
    // The unsaved mark follows the document; a save under another name renames the caption.
    connect(sessione_, &Sessione::modificatoCambiato, this, [this] {
        setWindowModified(sessione_->modificato());
        aggiornaTitolo();
    });
    connect(sessione_, &Sessione::avviso, this, [this](const std::string& testo) {
        barraStato_->showMessage(QString::fromStdString(testo), 15000);
    });
    // Said once the grid shows the last letter.
    connect(sessione_, &Sessione::risolto, this, [this](const std::string& messaggio) {
        QTimer::singleShot(0, this, [this, messaggio] {
            piattaforma_.messaggio(messaggio, {}, Icona::informazione, Pulsanti::ok);
        });
    });
}

void FinestraPrincipale::dopoCambioModo() {
    const bool anteprima = sessione_->modo() == ModoVista::anteprima;
    menuUtilita->menuAction()->setVisible(sessione_->aperto() && !anteprima);
    menuModifica->menuAction()->setVisible(sessione_->aperto() && !anteprima);
    disponiBarre();  // the page takes the whole area: the clue column goes
    disegnaGriglia();
}

void FinestraPrincipale::dopoNuovoSchema() {
    sfondo_->hide();
    scorrimento_->ricomincia();
    if (isMinimized()) sessione_->impostaRidotta(true);
    area_->setFocus(Qt::OtherFocusReason);
    aggiornaFinestra();
    // The keyboard is on the first word: its cell and clue are said.
    annunciaCellaCorrente(area_, true);
}

// ---- Commands of this window

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
    if (chiuso_) return;
    chiuso_ = true;
    if (impostazioni_->inAttesa()) impostazioni_->salva();
    sessione_->chiudi(tieniRisposte);
    nascondiEtichettaPassaggio();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void FinestraPrincipale::terminaPerSegnale() {
    chiusura(true);
    QCoreApplication::quit();
}

void FinestraPrincipale::mettiAlSicuro() { sessione_->alSicuro(); }

bool FinestraPrincipale::chiusuraConfermata() {
    if (chiuso_) return true;
    nascondiPassaggio();
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

void FinestraPrincipale::tastoSinistroCambiato() {
    stato_.tastoSinistro = azioneTastoSinistro->isChecked();
    impostazioni_->valoriCambiati();
}

void FinestraPrincipale::rettangoloParolaCambiato() {
    stato_.rettangoloParola = azioneRettangoloParola->isChecked();
    vistaPassaggio_->nascondiRettangolo();
    impostazioni_->valoriCambiati();
}

// ---- Events

bool FinestraPrincipale::event(QEvent* e) {
    // Without a window manager the window may never become active: being shown is enough for
    // the first time.
    if (e->type() == QEvent::Show && giaAttivato_ == 0) accodaAttivazione();
    // Started maximised over the whole screen: un-maximised, the window would keep that size
    // with its title bar above the screen. It comes back centred, smaller, all of it visible.
    // The window manager applies the old size after the state change: checked as it lands.
    if (e->type() == QEvent::WindowStateChange)
        daRiposizionare_ = (static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMaximized) &&
                           !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
    if (e->type() == QEvent::WindowStateChange) sessione_->impostaRidotta(isMinimized());
    if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate) attivitaCambiata();
    // A modal dialog blocks the window; the open dialog disables it: either way the clock waits.
    if (e->type() == QEvent::WindowBlocked || e->type() == QEvent::WindowUnblocked)
        bloccata_ = e->type() == QEvent::WindowBlocked;
    if (e->type() == QEvent::WindowBlocked || e->type() == QEvent::WindowUnblocked ||
        e->type() == QEvent::EnabledChange)
        sessione_->impostaDialogo(bloccata_ || !isEnabled());
    if (daRiposizionare_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize))
        QTimer::singleShot(0, this, [this] {
            const QScreen* s = screen();
            if (!daRiposizionare_ || !s || isMaximized()) return;
            const QRect a = s->availableGeometry();
            if (a.contains(frameGeometry())) return;
            daRiposizionare_ = false;
            QRect r(QPoint(), a.size() * 0.8);
            r.moveCenter(a.center());
            setGeometry(r);
        });
    return QMainWindow::event(e);
}

// A window manager may give the window its final size after the first activation drew the
// grid: the grid and the picture follow the area, unless a preview is on screen.
void FinestraPrincipale::adattaAllaDimensione() {
    adattamentoInCoda_ = false;
    if (area_->size() == dimensioneDisegnata_) return;
    if (sessione_->aperto() && sessione_->modo() == ModoVista::anteprima) {
        dimensioneDisegnata_ = area_->size();  // the preview scales its sheets by itself
        return;
    }
    if (!sessione_->aperto()) {
        sfondo_->seguiArea();
        dimensioneDisegnata_ = area_->size();
        return;
    }
    disegnaGriglia();
}

void FinestraPrincipale::accodaAttivazione() {
    if (attivazioneInCoda_) return;
    attivazioneInCoda_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            attivazioneInCoda_ = false;
            attivazione();
        },
        Qt::QueuedConnection);
}

bool FinestraPrincipale::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == area_) {
        if (evento->type() == QEvent::Resize) {
            nascondiEtichettaPassaggio();  // the hover label belongs to a cell that has moved
            disponiBarre();
            if (giaAttivato_ && !adattamentoInCoda_) {
                adattamentoInCoda_ = true;
                QMetaObject::invokeMethod(this, &FinestraPrincipale::adattaAllaDimensione, Qt::QueuedConnection);
            }
        }
        return false;
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

}  // namespace quadrivo
