#include "mainwindow/gui/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
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
#include "mainwindow/gui/comandi_verifica.h"
#include "mainwindow/gui/dati_giocatore.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/immagini.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "mainwindow/gui/lingue.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "model/file.h"
#include "model/numeri.h"
#include "printing/gui/anteprima.h"
#include "qt/voce.h"
#include "sessione/lavoro.h"
#include "sessione/salvataggio.h"
#include "solving/lettura.h"

namespace quadrivo {

Form1::Form1(Stato& stato, PiattaformaQt& piattaforma, const std::string& rigaComando)
    : stato_(stato), piattaforma_(piattaforma), rigaComando_(rigaComando) {
    sessione_ = new Sessione(stato_, piattaforma_,
                             percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)), this);
    setWindowTitle(QString::fromUtf8(titoloFinestraIniziale));
    setWindowIcon(immagineLista(5));
    installaGrigliaAccessibile();
    area_ = new AreaDisegno(this);
    setCentralWidget(area_);
    area_->installEventFilter(this);
    creaMenu();
    creaMenuRecenti();
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
    Form_Load();
}

Form1::~Form1() {
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

void Form1::creaMenu() {
    std::map<Menu, QMenu*> menu;
    for (const TitoloMenu& t : titoliMenu()) {
        QMenu* m = t.menu == Menu::lingua ? new QMenu(QString::fromUtf8(t.testo), this)
                                          : menuBar()->addMenu(QString::fromUtf8(t.testo));
        m->setObjectName(t.nome);
        menu[t.menu] = m;
    }
    MenuFile = menu[Menu::file];
    MenuUtil = menu[Menu::utilita];
    MenuModifica = menu[Menu::modifica];
    Menuimpo = menu[Menu::opzioni];
    menul = menu[Menu::lingua];
    MenuHelp = menu[Menu::aiuto];

    for (const VoceMenu& v : vociMenu()) {
        QMenu* m = menu[v.menu];
        QAction* a = std::string(v.testo) == "-" ? m->addSeparator() : m->addAction(QString::fromUtf8(v.testo));
        a->setObjectName(v.nome);
        if (*v.scorciatoia) a->setShortcut(QKeySequence(QString::fromUtf8(v.scorciatoia)));
        // The dictionary submenu sits after Menurett in Opzioni.
        if (std::string(v.nome) == "Menurett") Menuimpo->addMenu(menul);
    }
    // Every named item, and what choosing it runs.
    struct Voce {
        const char* nome;
        QAction* Form1::*azione;
        void (Form1::*gestore)();
    };
    static const Voce voci[] = {
        {"MenuApri", &Form1::MenuApri, &Form1::MenuApri_Click},
        {"MenuSalva", &Form1::MenuSalva, &Form1::MenuSalva_Click},
        {"MenuSalvaCN", &Form1::MenuSalvaCN, &Form1::MenuSalvaCN_Click},
        {"Meno3", &Form1::Meno3, nullptr},
        {"MenuAnteprima", &Form1::MenuAnteprima, &Form1::MenuAnteprima_Click},
        {"MenuStampa", &Form1::MenuStampa, &Form1::MenuStampa_Click},
        {"menommm", &Form1::menommm, nullptr},
        {"MenuEsci", &Form1::MenuEsci, &Form1::MenuEsci_Click},
        {"MenuCS", &Form1::MenuCS, &Form1::MenuCS_Click},
        {"MenuAzzera", &Form1::MenuAzzera, &Form1::MenuAzzera_Click},
        {"Meno5", &Form1::Meno5, nullptr},
        {"MenuFont", &Form1::MenuFont, &Form1::MenuFont_Click},
        {"menusetschema", &Form1::menusetschema, &Form1::menusetschema_Click},
        {"menooo", &Form1::menooo, nullptr},
        {"menuold", &Form1::menuold, &Form1::menuold_Click},
        {"Menurett", &Form1::Menurett, &Form1::Menurett_Click},
        {"MenuL1", &Form1::MenuL1, nullptr},
        {"Menul2", &Form1::Menul2, nullptr},
        {"MenuL3", &Form1::MenuL3, nullptr},
        {"menul4", &Form1::menul4, nullptr},
        {"MenuAiuto", &Form1::MenuAiuto, &Form1::MenuAiuto_Click},
        {"MenuTasti", &Form1::MenuTasti, &Form1::MenuTasti_Click},
        {"menuPHP", &Form1::menuPHP, &Form1::menuPHP_Click},
        {"ManueMail", &Form1::ManueMail, &Form1::ManueMail_Click},
        {"MenuMeno1", &Form1::MenuMeno1, nullptr},
        {"MenuInfo", &Form1::MenuInfo, &Form1::MenuInfo_Click},
    };
    for (const Voce& v : voci) {
        this->*v.azione = azione(v.nome);
        if (v.gestore) connect(this->*v.azione, &QAction::triggered, this, v.gestore);
    }

    for (const VoceMenu& v : vociMenu()) {
        QAction* a = azione(v.nome);
        if (v.menu == Menu::opzioni || v.menu == Menu::lingua) {
            if (std::string(v.testo) != "-" && a != menusetschema) a->setCheckable(true);
            a->setChecked(v.segnata);
        }
    }

    menul->setToolTipsVisible(true);  // a language says why its file cannot be used

    // The keys every desktop program has, beside the ones the menus show.
    MenuApri->setShortcuts({MenuApri->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O)});
    MenuEsci->setShortcuts({MenuEsci->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)});
}

QAction* Form1::azione(const std::string& nome) const {
    for (QMenu* m : {MenuFile, MenuModifica, MenuUtil, Menuimpo, menul, MenuHelp}) {
        if (!m) continue;
        for (QAction* a : m->actions())
            if (a->objectName().toStdString() == nome) return a;
    }
    return nullptr;
}

void Form1::creaToolbar() {
    Toolbar1 = new BarraStrumenti(area_);
    connect(Toolbar1, &BarraStrumenti::premuto, this, &Form1::Toolbar1_ButtonClick);
    connect(Toolbar1, &BarraStrumenti::sitoChiesto, this, &Form1::Picture2_Click);
    connect(Toolbar1, &BarraStrumenti::puntatoreSopra, this, &Form1::Toolbar1_MouseMove);
}

void Form1::creaControlli() {
    StatusBar1 = new BarraStato(area_);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setAccessibleName("Barra di stato");
    connect(StatusBar1, &BarraStato::doppioClic, this, &Form1::StatusBar1_DblClick);
    Picture1 = new Sfondo(stato_, area_);
    anteprima_ = new VistaAnteprima(sessione_->documento(), stato_, area_);
    anteprima_->hide();
    Command3d15 = new QPushButton("&Chiude anteprima", area_);
    Command3d15->setObjectName("Command3d15");
    Command3d15->setToolTip("Chiude anteprima di stampa");
    Command3d15->hide();
    connect(Command3d15, &QPushButton::clicked, this, &Form1::Command3d15_Click);
    escAnteprima_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escAnteprima_->setEnabled(false);
    connect(escAnteprima_, &QShortcut::activated, this, &Form1::Command3d15_Click);
}

void Form1::creaParti() {
    dati_ = new DatiGiocatore(stato_, this);
    connect(dati_, &DatiGiocatore::avviso, this,
            [this](const QString& testo) { StatusBar1->showMessage(testo, 15000); });
    lingue_ = new Lingue(stato_, piattaforma_, *dati_, {MenuL1, Menul2, MenuL3, menul4}, this);

    vistaPassaggio_ = new VistaPassaggio(*sessione_, piattaforma_, area_);
    connect(vistaPassaggio_, &VistaPassaggio::toolbarDaRidisegnare, Toolbar1, qOverload<>(&QWidget::repaint));
    connect(vistaPassaggio_, &VistaPassaggio::anteprimaDaChiudere, this, &Form1::Command3d15_Click);

    colonna_ = new ColonnaDefinizioni(*sessione_, piattaforma_, *dati_, area_);
    colonna_->creaVoci(Menuimpo, MenuHelp);
    connect(colonna_, &ColonnaDefinizioni::disposizioneCambiata, this, [this] {
        if (sessione_->modo() == ModoVista::griglia)
            disegnaGriglia();
        else
            disponiBarre();
    });
    connect(lingue_, &Lingue::cambiata, colonna_, &ColonnaDefinizioni::pianificaSuggerimenti);

    aspetto_ = new AspettoSchermo(area_);
    tastiera_ = new TastieraGriglia(*sessione_, *dati_, *aspetto_, area_, this);
    tastiera_->creaVoci(Menuimpo, azione("MenuMatita"), Toolbar1->pulsante(12));
    connect(tastiera_, &TastieraGriglia::parolaPresa, this, &Form1::nascondiLabel1);
    aspetto_->creaVoci(Menuimpo);
    // The zoom's keys size the sheets while the print preview is shown.
    aspetto_->primaDelloZoom = [this](int verso) {
        if (sessione_->modo() != ModoVista::anteprima) return false;
        anteprima_->zoom(verso);
        return true;
    };
    connect(aspetto_, &AspettoSchermo::cambiato, this, [this] {
        if (sessione_->aperto()) disegnaGriglia();
    });
    intestazione_ = new IntestazioneSchema(*sessione_, area_);
    intestazione_->creaVoce(MenuFile, menommm);
    scorrimento_ = new BarreScorrimento(area_);
    connect(scorrimento_, &BarreScorrimento::scorso, this, [this] {
        // The hover label and the word outline belong to cells that have moved.
        nascondiLabel1();
        vistaPassaggio_->nascondiRettangolo();
        disegnaGriglia();
    });

    verifica_ = new ComandiVerifica(*sessione_, piattaforma_, StatusBar1, area_);
    verifica_->collega([this](const char* nome) { return azione(nome); }, Toolbar1->pulsante(10),
                       Toolbar1->pulsante(11));
    connect(verifica_, &ComandiVerifica::primaDiAgire, this, [this] {
        nascondiLabel1();
        lasciaAnteprima();
    });

    creaVociArchivio();

    MenuParola = MenuUtil->addAction("Scrivi &parola corrente...");
    MenuParola->setObjectName("MenuParola");
    MenuParola->setShortcut(QKeySequence(Qt::Key_F2));
    connect(MenuParola, &QAction::triggered, this, &Form1::MenuParola_Click);

    // Over the grid: the hover label, then the bars, then the preview's close button.
    for (QWidget* w : std::initializer_list<QWidget*>{vistaPassaggio_->etichetta(), Toolbar1, StatusBar1, Command3d15})
        w->raise();
}

void Form1::disponiBarre() {
    const int w = area_->width(), h = area_->height();
    const int t = Toolbar1->sizeHint().height();
    Toolbar1->setGeometry(0, 0, w, t);
    const int s = StatusBar1->sizeHint().height();
    StatusBar1->setGeometry(0, h - s, w, s);
    if (anteprima_) anteprima_->setGeometry(0, t, w, std::max(0, h - t - s));
    // The preview's close button sits on the toolbar, past its last button.
    Command3d15->resize(Command3d15->sizeHint());
    Command3d15->move(Toolbar1->finePulsanti(), Command3d15->y());
    if (!intestazione_) return;  // the parts are made after the bars
    intestazione_->disponi(Toolbar1->height());
    colonna_->disponi(Toolbar1->height() + intestazione_->altezza(), StatusBar1->height());
}

AreaFinestra Form1::areaFinestra() const {
    AreaFinestra a;
    a.larghezza = area_->width();
    a.altezza = area_->height();
    a.altezzaToolbar = Toolbar1->height();
    a.altezzaStatusBar = StatusBar1->height();
    return a;
}

AreaFinestra Form1::areaGriglia() const {
    AreaFinestra a = areaFinestra();
    a.altezzaToolbar += intestazione_->altezza();
    return scorrimento_->riduci(colonna_->areaGriglia(a));
}

DecorazioniGriglia Form1::decorazioni() const { return tastiera_->decorazioni(); }

// ---- Start-up

void Form1::Form_Load() {
    // Told once the window is up; the grid is drawn with the shipped proportions meanwhile.
    avvisoImpostazioni_ = preparaAvvio(stato_, *sessione_);
    menuold->setChecked(stato_.tastoSinistro);
    Menurett->setChecked(stato_.rettangoloParola);
    StatusBar1->impostaTesto(QString::fromStdString(testoVersione()));
    lingue_->segna();
    if (QScreen* s = screen()) setGeometry(s->availableGeometry());
    superficie().impostaCarattere(Carattere{stato_.nomeFont, superficie().carattere().dimensione,
                                            stato_.carattereSchermo.grassetto, stato_.carattereSchermo.corsivo});
    disponiBarre();
    Command3d15->move(Command3d15->x(), 1);
    aggiornaFinestra();
    if (percorsoRigaComando(rigaComando_).empty())
        Picture1->disponiAlCaricamento(Toolbar1->height());
    else
        Picture1->hide();
    nascondiLabel1();
    setWindowState(windowState() | Qt::WindowMaximized);
}

void Form1::Form_Activate() {
    if (giaAttivato_ == 0) {
        if (percorsoRigaComando(rigaComando_).empty()) Picture1->mostra();
        MenuApri->setIcon(immagineLista(1));
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

void Form1::offriRipristino() {
    sessione_->offriCopie(cartellaCopie(), std::time(nullptr), [this] { return lasciaSchema(); });
}

void Form1::apriRigaComando() {
    fileRigaComando_ = rigaComando_;
    if (!lasciaSchema()) return;
    const std::string percorso = percorsoRigaComando(fileRigaComando_);
    const EsitoApertura esito = sessione_->apri(percorso);
    if (esito == EsitoApertura::ok) return;
    // The program starts without a puzzle; the background picture comes back into view.
    if (esito != EsitoApertura::giaAperto)
        piattaforma_.messaggio(messaggioRigaComando(esito, percorso), {}, Icona::attenzione, Pulsanti::ok);
    Picture1->mostra();
}

void Form1::aggiornaFinestra() {
    const bool schema = sessione_->aperto();
    if (!schema) superficie().pulisci();
    Toolbar1->abilitaPerSchema(schema);
    for (QAction* a : {MenuSalva, MenuSalvaCN, MenuStampa, MenuAnteprima, Meno3}) a->setVisible(schema);
    MenuUtil->menuAction()->setVisible(schema);
    MenuModifica->menuAction()->setVisible(schema);
    if (!schema) return;
    mettiGraficaAimenu();
    verifica_->aggiornaComandi();
    if (sessione_->modo() == ModoVista::griglia) disegnaGriglia();
}

void Form1::mettiGraficaAimenu() {
    const std::pair<QAction*, int> voci[] = {{MenuApri, 1},      {MenuSalva, 2},  {MenuAnteprima, 4}, {MenuStampa, 3},
                                             {MenuCS, 7},        {MenuAzzera, 6}, {MenuFont, 8}};
    for (auto [a, n] : voci) a->setIcon(immagineLista(n));
}

void Form1::disegnaGriglia() {
    dimensioneDisegnata_ = area_->size();
    // The print preview owns the area while it is shown.
    if (sessione_->modo() != ModoVista::griglia) {
        scorrimento_->nascondi();
        intestazione_->disponi(Toolbar1->height());
        return;
    }
    intestazione_->disponi(Toolbar1->height());
    colonna_->disponi(Toolbar1->height() + intestazione_->altezza(), StatusBar1->height());
    try {
        // A scroll bar that comes or goes changes the room: the grid is laid out once more.
        for (int giro = 0; giro < 2; ++giro) {
            const AreaFinestra a = areaGriglia();
            DecorazioniGriglia d = decorazioni();
            scorrimento_->decora(d, a);
            ScorrimentoGriglia s;
            titoloGriglia_ = quadrivo::disegnaGriglia(sessione_->documento(), stato_, superficie(), a, d, &s);
            if (!scorrimento_->aggiorna(s, a)) break;
        }
        aggiornaTitolo();
        colonna_->aggiorna();
    } catch (const ErroreOverflow&) {
        // A window too small for any cell: nothing is drawn until it grows again.
        stato_.latoCasella = 0;
        superficie().pulisci();
        scorrimento_->nascondi();
    }
}

void Form1::aggiornaTitolo() {
    if (titoloGriglia_.empty()) return;
    titoloGriglia_ = titoloGriglia(sessione_->documento());  // a save under another name changes it
    setWindowTitle(QString::fromStdString(titoloConModifiche(titoloGriglia_, sessione_->modificato())));
}

void Form1::collegaSessione() {
    // Annulla and Ripeti follow the session's history; Ctrl+Shift+Z repeats as well.
    QAction* annulla = azione("MenuAnnulla");
    QAction* ripeti = azione("MenuRipeti");
    ripeti->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    annulla->setEnabled(false);
    ripeti->setEnabled(false);
    connect(&sessione_->storia(), &QUndoStack::canUndoChanged, annulla, &QAction::setEnabled);
    connect(&sessione_->storia(), &QUndoStack::canRedoChanged, ripeti, &QAction::setEnabled);
    const auto passo = [this](bool indietro) {
        // A paused grid or the print preview shows no letters to change.
        if (sessione_->modo() != ModoVista::griglia || sessione_->inPausa()) return;
        nascondiLabel1();
        const std::vector<std::string> prima = vociSchema(sessione_->cruciverba());
        indietro ? sessione_->storia().undo() : sessione_->storia().redo();
        const std::string cambi = letturaCambi(cambiTra(prima, vociSchema(sessione_->cruciverba())));
        if (!cambi.empty()) annuncia(area_, (indietro ? "Annullato: " : "Ripetuto: ") + cambi);
    };
    connect(annulla, &QAction::triggered, this, [passo] { passo(true); });
    connect(ripeti, &QAction::triggered, this, [passo] { passo(false); });
    connect(sessione_, &Sessione::schemaCambiato, this, &Form1::dopoNuovoSchema);
    connect(sessione_, &Sessione::modoCambiato, this, &Form1::dopoCambioModo);
    connect(sessione_, &Sessione::celleCambiate, this, [this] {
        // Options that could not be written are tried again at every change.
        if (dati_->inAttesa()) dati_->salva();
        disegnaGriglia();
        annunciaCellaCorrente(area_);
    });
    connect(sessione_, &Sessione::segniCambiati, this, &Form1::disegnaGriglia);
    connect(sessione_, &Sessione::posizioneCambiata, this, [this] {
        vistaPassaggio_->nascondiRettangolo();  // the hover's word outline would blur which word is current
        disegnaGriglia();
        annunciaCellaCorrente(area_);
    });
    connect(sessione_, &Sessione::modificatoCambiato, this, &Form1::aggiornaTitolo);
    connect(sessione_, &Sessione::avviso, this, [this](const std::string& testo) {
        StatusBar1->showMessage(QString::fromStdString(testo), 15000);
    });
    connect(sessione_, &Sessione::salvaConNomeRichiesto, this, &Form1::MenuSalvaCN_Click);
    // Said once the grid shows the last letter.
    connect(sessione_, &Sessione::risolto, this, [this](const std::string& messaggio) {
        QTimer::singleShot(0, this, [this, messaggio] {
            piattaforma_.messaggio(messaggio, {}, Icona::informazione, Pulsanti::ok);
        });
    });
}

void Form1::dopoNuovoSchema() {
    Picture1->hide();
    scorrimento_->ricomincia();
    if (isMinimized()) sessione_->impostaRidotta(true);
    area_->setFocus(Qt::OtherFocusReason);
    menuRecenti_->ricorda(sessione_->nomeFile());
    aggiornaFinestra();
    // The keyboard is on the first word: its cell and clue are said.
    annunciaCellaCorrente(area_, true);
}

// ---- Commands of this window

void Form1::MenuSalva_Click() {
    lasciaLaGriglia();
    const std::string cartella = cartellaDi(sessione_->nomeFile());
    if (!sessione_->haNome())
        MenuSalvaCN_Click();
    else if (::access(cartella.c_str(), W_OK) != 0)
        // The samples of an installed copy, a read-only disk: the player picks a folder of their own.
        salvaConNome(
            QString("La cartella %1 non si può scrivere: scegli dove salvare il cruciverba.").arg(nomeQt(cartella)));
    else if (sessione_->salva()) {
        menuRecenti_->ricorda(sessione_->nomeFile());
        annuncia(area_, "Salvato: " + nomeQt(sessione_->nomeFile()).section('/', -1));
    }
}

bool Form1::lasciaSchema() {
    switch (chiediPrimaDiLasciare(sessione_->documento(), sessione_->modificato(), piattaforma_)) {
    case Risposta::nonSalvare: return true;
    case Risposta::annulla: return false;
    case Risposta::ok: break;
    }
    MenuSalva_Click();
    // A save that failed or was given up keeps the player where the answers are.
    return !sessione_->modificato();
}

void Form1::primaDellaFine() {
    // What the copy still waits to receive must be there for the next start to offer back.
    if (sessione_->modificato()) sessione_->scriviCopiaOra();
    if (sessione_->modificato() && sessione_->aperto() &&
        piattaforma_.messaggio(domandaPrimaDellaFine(sessione_->nomeFile()), titoloModifica, Icona::domanda,
                               Pulsanti::okAnnulla) == Risposta::ok) {
        if (sessione_->haNome())
            sessione_->salva();
        else
            MenuSalvaCN_Click();
    }
    if (!sessione_->modificato()) cancellaCopiaLavoro(sessione_->documento().fileLavoro);
}

void Form1::chiusura(bool tieniRisposte) {
    if (chiuso_) return;
    chiuso_ = true;
    if (dati_->inAttesa()) dati_->salva();
    sessione_->chiudi(tieniRisposte);
    nascondiLabel1();
    piattaforma_.impostaPuntatore(Puntatore::predefinito);
}

void Form1::terminaPerSegnale() {
    chiusura(true);
    QCoreApplication::quit();
}

void Form1::mettiAlSicuro() { sessione_->alSicuro(); }

bool Form1::chiusuraConfermata() {
    if (chiuso_) return true;
    nascondiPassaggio();
    return lasciaSchema();
}

void Form1::MenuEsci_Click() {
    if (!chiusuraConfermata()) return;
    chiusura();
    close();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* e) {
    if (!chiusuraConfermata()) {
        e->ignore();
        return;
    }
    chiusura();
    e->accept();
}

void Form1::menuold_Click() {
    stato_.tastoSinistro = menuold->isChecked();
    dati_->impostazioniCambiate();
}

void Form1::Menurett_Click() {
    stato_.rettangoloParola = Menurett->isChecked();
    vistaPassaggio_->nascondiRettangolo();
    dati_->impostazioniCambiate();
}

// ---- Events

bool Form1::event(QEvent* e) {
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
void Form1::adattaAllaDimensione() {
    adattamentoInCoda_ = false;
    if (area_->size() == dimensioneDisegnata_) return;
    if (sessione_->aperto() && sessione_->modo() == ModoVista::anteprima) {
        dimensioneDisegnata_ = area_->size();  // the preview scales its sheets by itself
        return;
    }
    if (!sessione_->aperto()) {
        Picture1->seguiArea();
        dimensioneDisegnata_ = area_->size();
        return;
    }
    disegnaGriglia();
}

void Form1::accodaAttivazione() {
    if (attivazioneInCoda_) return;
    attivazioneInCoda_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            attivazioneInCoda_ = false;
            Form_Activate();
        },
        Qt::QueuedConnection);
}

bool Form1::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == area_) {
        if (evento->type() == QEvent::Resize) {
            nascondiLabel1();  // the hover label belongs to a cell that has moved
            disponiBarre();
            if (giaAttivato_ && !adattamentoInCoda_) {
                adattamentoInCoda_ = true;
                QMetaObject::invokeMethod(this, &Form1::adattaAllaDimensione, Qt::QueuedConnection);
            }
        }
        return false;
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

}  // namespace quadrivo
