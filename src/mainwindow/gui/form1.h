#pragma once
// Form1, the main window: its menus, its layout, and the start and the end of a run. The open
// puzzle is the session's; each part of the window is a view of its own that follows the
// session's signals (the clue column, the keyboard, the checks and the clock, hovering, the
// toolbar, the looks), and the menus hand the player's commands to them or to the session.
// Start-up, refresh, Save and Exit are in form1.cpp; the solving, printing and dialog commands
// each have a file beside it.
#include <QMainWindow>
#include <QPointer>
#include <string>

#include "dialogs/gui/finestra_archivio.h"
#include "model/griglia.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"

class QPushButton;
class QShortcut;

namespace quadrivo {

class AspettoSchermo;
class BarraStato;
class BarraStrumenti;
class BarreScorrimento;
class ColonnaDefinizioni;
class ComandiVerifica;
class DatiGiocatore;
class FinestraGuida;
class FONTEN;
class IntestazioneSchema;
class Lingue;
class MenuRecenti;
class Sfondo;
class TastieraGriglia;
class VistaAnteprima;
class VistaGriglia;
class VistaPassaggio;

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // `rigaComando`: the puzzle to open at start, as file system bytes ("" for none).
    Form1(Stato& stato, PiattaformaQt& piattaforma, const std::string& rigaComando);
    ~Form1() override;

    Stato& stato() { return stato_; }
    Sessione& sessione() { return *sessione_; }
    AreaDisegno* area() const { return area_; }
    // The grid as the window shows it, over the whole area: where each cell lies.
    VistaGriglia* vista() const { return vista_; }
    // The action of a menu item by its name ("MenuApri", "Meno3", ...); nullptr if unknown.
    QAction* azione(const std::string& nome) const;
    // 1 once the first activation has run.
    int giaAttivato() const { return giaAttivato_; }

    // The layout pass on this window; sets the caption. The grid's view repaints only what
    // differs from what it shows.
    void disegnaGriglia();
    // The drawing area and the bars over it, as the layout pass measures them.
    AreaFinestra areaFinestra() const;
    // The part of it the window's grid is laid out in: without the clue column and the clue line.
    AreaFinestra areaGriglia() const;
    // What the window shows of the solve: the current cell, the grid's marks, the clock.
    const Posizione& posizioneCorrente() const { return sessione_->posizione(); }
    DecorazioniGriglia decorazioni() const;
    std::int64_t tempoSoluzione() const { return sessione_->tempo(); }
    bool label1Visibile() const;  // the hover label

    // A SIGTERM, SIGHUP or SIGINT: unsaved answers stay in the working copy with their time,
    // for the next start to offer back, and the program ends.
    void terminaPerSegnale();
    // The desktop session is ending: everything that must survive goes to disk now.
    void mettiAlSicuro();

    // Commands a player gives from the menus and the toolbar.
    void MenuApri_Click();
    // File → Archivio: the library window, made at its first use and kept.
    void MenuArchivio_Click();
    FinestraArchivio* archivio() const { return archivio_; }
    void MenuSalvaCN_Click();
    void MenuAnteprima_Click();
    void MenuEsci_Click();
    void Toolbar1_ButtonClick(const QString& chiave);

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // ---- Building (form1.cpp). Widgets are found by object name from outside (findChild).
    void creaMenu();
    void creaToolbar();
    void creaControlli();
    void creaMenuRecenti();
    // The window's parts, with their menu items after the menu table's.
    void creaParti();
    void collegaSessione();
    void disponiBarre();
    Superficie& superficie() { return area_->superficie(); }

    // ---- Start and refresh (form1.cpp)
    void Form_Load();
    void Form_Activate();
    void accodaAttivazione();
    void apriRigaComando();
    // Answers left by a run that ended badly, offered back at the first activation.
    void offriRipristino();
    void aggiornaFinestra();
    void mettiGraficaAimenu();
    // The caption of the drawn grid, with "*" while answers are not saved.
    void aggiornaTitolo();
    void adattaAllaDimensione();
    void dopoNuovoSchema();
    void dopoCambioModo();

    // ---- Save and the end of a run (form1.cpp)
    void MenuSalva_Click();
    // Before the open puzzle is left: asks about unsaved answers; false to stay.
    bool lasciaSchema();
    // Closing by Esci or by the frame: unsaved answers asked about.
    bool chiusuraConfermata();
    // Just before an unavoidable end.
    void primaDellaFine();
    // The run ends; with tieniRisposte unsaved answers stay in the working copy for the next start.
    void chiusura(bool tieniRisposte = false);
    void menuold_Click();
    void Menurett_Click();

    // ---- Solving (form1_soluzione.cpp)
    void movimentoMouse(double x, double y);
    void pressioneMouse(int pulsante, double x, double y);
    // Before a dialog, printing or closing: the default pointer, no word rectangle.
    void nascondiPassaggio();
    void nascondiLabel1();
    // Before a command that takes the player away from the grid: no hover, no preview, no hover label.
    void lasciaLaGriglia();
    // After a dialog that disabled the window: the keyboard back on the current cell, which is said.
    void tornaAllaGriglia();
    void MenuCS_Click();
    void MenuAzzera_Click();
    // F2: the word dialog on the current word.
    void MenuParola_Click();

    // ---- Printing (form1_stampa.cpp)
    void MenuStampa_Click();
    void stampaSchema();
    void anteprimaStampa();
    void disegnaPaginaAnteprima();
    void Command3d15_Click();
    // A print preview shown gives the area back to the grid.
    void lasciaAnteprima();
    void menusetschema_Click();

    // ---- Dialogs (form1_dialoghi.cpp)
    // Salva con nome, with a line saying why it came up ("" for none).
    void salvaConNome(const QString& avviso);
    void MenuFont_Click();
    void MenuAiuto_Click();
    void MenuTasti_Click();
    void mostraGuida(bool soloTasti);
    void menuPHP_Click();
    void ManueMail_Click();
    void MenuInfo_Click();
    // The about box's System Info: versions, the folders in use, the dictionary loaded.
    std::string infoSistema() const;
    void Picture2_Click();
    void StatusBar1_DblClick();
    // The pointer came onto the toolbar or pressed on it: the default arrow again.
    void Toolbar1_MouseMove();

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
    QAction* MenuParola = nullptr;
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
    MenuRecenti* menuRecenti_ = nullptr;  // File → Recenti
    Lingue* lingue_ = nullptr;            // the four dictionary languages, one marked

    // ---- The bars and the controls on the drawing area (coordinates are the area's pixels)
    BarraStrumenti* Toolbar1 = nullptr;
    BarraStato* StatusBar1 = nullptr;
    Sfondo* Picture1 = nullptr;          // background picture while no puzzle is open
    QPushButton* Command3d15 = nullptr;  // closes the print preview
    VistaAnteprima* anteprima_ = nullptr; // the print preview's sheets, between the bars
    QShortcut* escAnteprima_ = nullptr;  // Esc closes it too

    // ---- The window's parts
    DatiGiocatore* dati_ = nullptr;             // the options on disk
    VistaPassaggio* vistaPassaggio_ = nullptr;  // hover: the clue label, the word rectangle, the word dialog
    ComandiVerifica* verifica_ = nullptr;       // checks, reveals, Pausa and the clock
    ColonnaDefinizioni* colonna_ = nullptr;     // the clue list, the suggestions and the clue line
    TastieraGriglia* tastiera_ = nullptr;       // keys and clicks on the grid, the grid's marks
    AspettoSchermo* aspetto_ = nullptr;         // zoom and colours
    BarreScorrimento* scorrimento_ = nullptr;   // the scroll bars of a grid past the window
    IntestazioneSchema* intestazione_ = nullptr;  // the title line and the "Note" window
    FONTEN* fONTEN = nullptr;                   // the font chooser, made at its first use and kept
    QPointer<FinestraGuida> guida_;             // one help window, brought forward when asked again

    Stato& stato_;
    PiattaformaQt& piattaforma_;
    Sessione* sessione_ = nullptr;
    AreaDisegno* area_ = nullptr;
    VistaGriglia* vista_ = nullptr;  // the grid, under the bars and the panels of the area
    std::string rigaComando_;
    std::string fileRigaComando_;
    std::string avvisoImpostazioni_;  // a settings file that could not be used, said at the first activation
    std::string titoloGriglia_;
    QSize dimensioneDisegnata_;
    int giaAttivato_ = 0;
    bool chiuso_ = false;
    bool attivazioneInCoda_ = false;
    bool adattamentoInCoda_ = false;
    bool daRiposizionare_ = false;  // just un-maximised: brought back on screen if it lands off it
    bool bloccata_ = false;         // a modal dialog holds the window
    // ---- The library and the honest clock (form1_archivio.cpp)
    void creaVociArchivio();
    // The window became active or inactive: the clock follows when the player wants it so.
    void attivitaCambiata();
    QAction* MenuArchivio = nullptr;
    QAction* MenuPausaFuori = nullptr;  // Opzioni: the clock stops while another window is active
    QPointer<FinestraArchivio> archivio_;
};

}  // namespace quadrivo
