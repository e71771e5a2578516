#pragma once
// Form1, the main window: menu bar, toolbar, status bar and the drawing area the grid lives on.
// The open puzzle is the session's: the window forwards the player's commands to it and redraws
// what its signals name. Start-up, refresh, Save and Exit are in form1.cpp; the handlers of
// solving, checking, printing and the dialogs each have a file of their own beside it.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <array>
#include <optional>
#include <string>

#include "qt/area_disegno.h"
#include "mainwindow/gui/barra_stato.h"
#include "model/griglia.h"
#include "model/stato.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"
#include "solving/navigazione.h"
#include "solving/solutore.h"

class QKeyEvent;

namespace quadrivo {

class FinestraGuida;

class FONTEN;  // dialogs
class AspettoSchermo;
class BarraStrumenti;
class ComandiVerifica;
class Lingue;
class MenuRecenti;
class Sfondo;
class TastieraGriglia;
class VistaPassaggio;
class ColonnaDefinizioni;
class DatiGiocatore;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // `rigaComando`: the puzzle to open at start, as file system bytes ("" for none).
    Form1(Stato& stato, PiattaformaQt& piattaforma, const std::string& rigaComando);
    ~Form1() override;

    Stato& stato() { return stato_; }
    PiattaformaQt& piattaforma() { return piattaforma_; }
    Sessione& sessione() { return *sessione_; }
    Superficie& superficie() { return area_->superficie(); }
    AreaDisegno* area() const { return area_; }

    // The action of a menu item by its name ("MenuApri", "Meno3", ...); nullptr if unknown.
    QAction* azione(const std::string& nome) const;

    // Hides the hover label.
    void nascondiLabel1();
    // True while the hover label is shown.
    bool label1Visibile() const;

    // ---- Core routines
    void Form_Load();
    void Form_Activate();
    void aggiornaFinestra();
    void mettiGraficaAimenu();
    // The layout-and-draw pass on this window; sets the caption. The drawing area repaints only
    // what differs from what it shows.
    void disegnaGriglia();
    // The caption of the drawn grid, with "*" while answers are not saved.
    void aggiornaTitolo();
    // Before the open puzzle is left: asks about unsaved answers; false to stay.
    bool lasciaSchema();
    // A SIGTERM, SIGHUP or SIGINT: unsaved answers stay in the working copy with their time,
    // for the next start to offer back, and the program ends.
    void terminaPerSegnale();
    // The desktop session is ending: everything that must survive goes to disk now.
    void mettiAlSicuro();
    // The drawing area and the bars over it, as the layout pass measures them.
    AreaFinestra areaFinestra() const;
    // The part of it the window's grid is laid out in: without the clue panel and the clue line.
    AreaFinestra areaGriglia() const;

    // ---- Handlers of this window
    void MenuSalva_Click();
    void MenuEsci_Click();
    void menuold_Click();
    void Menurett_Click();

    // ---- Solving (form1_soluzione.cpp)
    void movimentoMouse(double x, double y);
    void pressioneMouse(int pulsante, double x, double y);
    // Before a dialog, printing or closing: the default pointer, no word rectangle.
    void nascondiPassaggio();

    // ---- Checking and clearing; the other checks, the reveals and the clock are ComandiVerifica's.
    void MenuCS_Click();
    void MenuAzzera_Click();
    // The solving time shown (milliseconds), and whether Pausa holds it.
    std::int64_t tempoSoluzione() const { return sessione_->tempo(); }
    bool inPausa() const { return sessione_->inPausa(); }

    // ---- Keyboard solving: TastieraGriglia's
    // The current cell and direction (not valid while no word is current).
    const Posizione& posizioneCorrente() const { return sessione_->posizione(); }
    // The on-screen marks of the window's grid: the current word and cell, wrong and revealed letters.
    DecorazioniGriglia decorazioni() const;
    // F2: the word dialog on the current word.
    void MenuParola_Click();

    // ---- Printing (form1_stampa.cpp)
    void MenuStampa_Click();
    void MenuAnteprima_Click();
    void stampaSchema();
    void anteprimaStampa();
    void disegnaPaginaAnteprima();
    void Command3d15_Click();
    void menusetschema_Click();

    // ---- Dialogs (form1_dialoghi.cpp)
    void MenuApri_Click();
    void MenuSalvaCN_Click();
    // Salva con nome, with a line saying why it came up ("" for none).
    void salvaConNome(const QString& avviso);
    void MenuFont_Click();
    void Toolbar1_ButtonClick(const QString& chiave);
    void MenuAiuto_Click();
    void MenuTasti_Click();
    void menuPHP_Click();
    void ManueMail_Click();
    void MenuInfo_Click();
    void Picture2_Click();
    void StatusBar1_DblClick();
    // The pointer came onto the toolbar or pressed on it: the default arrow again.
    void Toolbar1_MouseMove();

    // 1 once the first activation has run.
    int giaAttivato() const { return giaAttivato_; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // Widgets are found by object name from outside (findChild); the names are these.
    // ---- Menu bar
    QMenu* MenuFile = nullptr;
    QAction* MenuApri = nullptr;
    QAction* MenuSalva = nullptr;
    QAction* MenuSalvaCN = nullptr;
    QAction* Meno3 = nullptr;
    QAction* MenuAnteprima = nullptr;
    QAction* MenuStampa = nullptr;
    QAction* menommm = nullptr;
    QAction* MenuEsci = nullptr;
    QMenu* MenuModifica = nullptr;
    QMenu* MenuUtil = nullptr;
    QAction* MenuCS = nullptr;
    QAction* MenuAzzera = nullptr;
    QAction* Meno5 = nullptr;
    QAction* MenuFont = nullptr;
    QMenu* Menuimpo = nullptr;
    QAction* menusetschema = nullptr;
    QAction* menooo = nullptr;
    QAction* menuold = nullptr;
    QAction* Menurett = nullptr;
    QMenu* menul = nullptr;
    QAction* MenuL1 = nullptr;
    QAction* Menul2 = nullptr;
    QAction* MenuL3 = nullptr;
    QAction* menul4 = nullptr;
    QMenu* MenuHelp = nullptr;
    QAction* MenuAiuto = nullptr;
    QAction* MenuTasti = nullptr;
    QAction* menuPHP = nullptr;
    QAction* ManueMail = nullptr;
    QAction* MenuMeno1 = nullptr;
    QAction* MenuInfo = nullptr;

    // ---- Toolbar: buttons by position 1..11 (2 separator, 7 empty gap; both nullptr)
    BarraStrumenti* Toolbar1 = nullptr;
    // ---- Status bar
    BarraStato* StatusBar1 = nullptr;

    // ---- Controls on the drawing area (coordinates are the area's pixels)
    Sfondo* Picture1 = nullptr;          // background picture while no puzzle is open
    QPushButton* Command3d15 = nullptr;  // closes the print preview
    QShortcut* escAnteprima_ = nullptr;  // Esc closes it too

    // The font chooser, loaded at its first use and then only hidden until the program ends.
    FONTEN* fONTEN = nullptr;

    void creaMenu();
    Lingue* lingue_ = nullptr;  // the four dictionary languages, one marked
    void creaToolbar();
    void creaControlli();
    void disponiBarre();
    void apriRigaComando();
    // Answers left by a run that ended badly, offered back at the first activation.
    void offriRipristino();
    // Closing by Esci or by the frame: unsaved answers asked about.
    bool chiusuraConfermata();
    // Just before an unavoidable end.
    void primaDellaFine();
    // The working copy goes when the program ends, by Esci or by the window's frame.
    // The run ends; with tieniRisposte unsaved answers stay in the working copy for the next start.
    void chiusura(bool tieniRisposte = false);
    void accodaAttivazione();
    void adattaAllaDimensione();
    // The views follow the session.
    void collegaSessione();
    void dopoNuovoSchema();
    void dopoCambioModo();
    // Keyboard solving: its menu items; the clue column and the looks add theirs.
    void creaTastiera();

    Stato& stato_;
    PiattaformaQt& piattaforma_;
    Sessione* sessione_ = nullptr;
    std::string rigaComando_;
    AreaDisegno* area_ = nullptr;
    int giaAttivato_ = 0;
    std::string fileRigaComando_;
    bool chiuso_ = false;
    DatiGiocatore* dati_ = nullptr;
    bool attivazioneInCoda_ = false;
    bool adattamentoInCoda_ = false;
    QSize dimensioneDisegnata_;
    std::string titoloGriglia_;

    VistaPassaggio* vistaPassaggio_ = nullptr;  // hover: the clue label, the word rectangle, the word dialog

    ComandiVerifica* verifica_ = nullptr;    // checks, reveals, Pausa and the clock
    ColonnaDefinizioni* colonna_ = nullptr;  // the clue list, the suggestions and the clue line
    TastieraGriglia* tastiera_ = nullptr;
    QAction* MenuParola = nullptr;
    QPointer<FinestraGuida> guida_;  // one help window, brought forward when asked again
    void mostraGuida(bool soloTasti);
    // File → Recenti, and the folder the file dialogs start in, follow the puzzle just opened or saved.
    MenuRecenti* menuRecenti_ = nullptr;
    void creaMenuRecenti();
    std::string avvisoImpostazioni_;  // a settings file that could not be used, said at the first activation
    AspettoSchermo* aspetto_ = nullptr;
    bool daRiposizionare_ = false;  // just un-maximised: brought back on screen if it lands off it
    bool bloccata_ = false;         // a modal dialog holds the window
};

}  // namespace quadrivo
