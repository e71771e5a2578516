#pragma once
// FinestraPrincipale, the main window: its menus, its layout, and the start and the end of a run. The open
// puzzle is the session's; each part of the window is a view of its own that follows the
// session's signals (the clue column, the keyboard, the checks and the clock, hovering, the
// toolbar, the looks), and the menus hand the player's commands to them or to the session.
// Start-up, refresh, Save and Exit are in finestra_principale.cpp; the solving, printing and dialog commands
// each have a file beside it.
#include <QMainWindow>
#include <string>

#include "model/griglia.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"


namespace quadrivo {

class AspettoSchermo;
class ComandiAiuto;
class ComandiFile;
class ComandiStampa;
class BarraStato;
class BarraStrumenti;
class BarreScorrimento;
class ColonnaDefinizioni;
class ComandiVerifica;
class ComandiGioco;
class Impostazioni;
class FinestraCarattere;
class IntestazioneSchema;
class Lingue;
class Sfondo;
class TastieraGriglia;
class VistaGriglia;
class VistaPassaggio;

class FinestraPrincipale : public QMainWindow {
    Q_OBJECT
public:
    // `rigaComando`: the puzzle to open at start, as file system bytes ("" for none).
    FinestraPrincipale(Stato& stato, PiattaformaQt& piattaforma, const std::string& rigaComando);
    ~FinestraPrincipale() override;

    Stato& stato() { return stato_; }
    Sessione& sessione() { return *sessione_; }
    AreaDisegno* area() const { return area_; }
    // The grid as the window shows it, over the whole area: where each cell lies.
    VistaGriglia* vista() const { return vista_; }
    // The action of a menu item by its name ("azioneApri", "separatoreStampa", ...); nullptr if unknown.
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
    bool etichettaPassaggioVisibile() const;  // the hover label

    // A SIGTERM, SIGHUP or SIGINT: unsaved answers stay in the working copy with their time,
    // for the next start to offer back, and the program ends.
    void terminaPerSegnale();
    // The desktop session is ending: everything that must survive goes to disk now.
    void mettiAlSicuro();
    // The bars are part of the frame, not things a player hides: no menu of them.
    QMenu* createPopupMenu() override { return nullptr; }

    // The file commands: Apri, Recenti, Archivio, Salva, Salva con nome, Esci's item.
    ComandiFile& file() const { return *file_; }
    // Commands a player gives from the menus and the toolbar.
    void mostraAnteprima();
    void esci();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    // ---- Building (finestra_principale.cpp). Widgets are found by object name from outside (findChild).
    void creaMenu();
    void creaToolbar();
    void creaControlli();
    // The window's parts, with their menu items after the menu table's.
    void creaParti();
    void collegaSessione();
    void disponiBarre();
    Superficie& superficie() { return area_->superficie(); }

    // ---- Start and refresh (finestra_principale.cpp)
    void caricamento();
    void attivazione();
    void accodaAttivazione();
    void apriRigaComando();
    // Answers left by a run that ended badly, offered back at the first activation.
    void offriRipristino();
    void aggiornaFinestra();
    // The menu items whose toolbar image shows in the menu only while a puzzle is open.
    std::vector<QAction*> iconeMenu() const;
    void mostraIconeMenu();
    // The caption of the drawn grid; the window's modified flag puts "*" before it while answers are not saved.
    void aggiornaTitolo();
    void adattaAllaDimensione();
    void dopoNuovoSchema();
    void dopoCambioModo();

    // ---- The end of a run (finestra_principale.cpp)
    // Closing by Esci or by the frame: unsaved answers asked about.
    bool chiusuraConfermata();
    // Just before an unavoidable end.
    void primaDellaFine();
    // The run ends; with tieniRisposte unsaved answers stay in the working copy for the next start.
    void chiusura(bool tieniRisposte = false);
    void tastoSinistroCambiato();
    void rettangoloParolaCambiato();

    // ---- Solving (finestra_principale_soluzione.cpp)
    void movimentoMouse(double x, double y);
    void pressioneMouse(int pulsante, double x, double y);
    // Before a dialog, printing or closing: the default pointer, no word rectangle.
    void nascondiPassaggio();
    void nascondiEtichettaPassaggio();
    // Before a command that takes the player away from the grid: no hover, no preview, no hover label.
    void lasciaLaGriglia();
    // After a dialog that disabled the window: the keyboard back on the current cell, which is said.
    void tornaAllaGriglia();
    void controllaSoluzioni();
    void azzeraSoluzioni();
    // F2: the word dialog on the current word.
    void scriviParola();
    // A print preview shown gives the area back to the grid.
    void lasciaAnteprima();

    // ---- Dialogs (finestra_principale_dialoghi.cpp)
    void scegliFont();
    // The pointer came onto the toolbar or pressed on it: the default arrow again.
    void puntatoreSullaBarra();

    // ---- Menu bar
    QMenu* menuFile = nullptr;
    QAction* azioneApri = nullptr;
    QAction* azioneSalva = nullptr;
    QAction* azioneSalvaConNome = nullptr;
    QAction* separatoreStampa = nullptr;
    QAction* azioneAnteprima = nullptr;
    QAction* azioneStampa = nullptr;
    QAction* separatoreEsci = nullptr;
    QAction* azioneEsci = nullptr;
    QMenu* menuModifica = nullptr;
    QMenu* menuUtilita = nullptr;
    QAction* azioneControllaSoluzioni = nullptr;
    QAction* azioneAzzera = nullptr;
    QAction* separatoreFont = nullptr;
    QAction* azioneFont = nullptr;
    QAction* azioneParola = nullptr;
    QMenu* menuOpzioni = nullptr;
    QAction* azioneSettaggioSchema = nullptr;
    QAction* separatoreOpzioni = nullptr;
    QAction* azioneTastoSinistro = nullptr;
    QAction* azioneRettangoloParola = nullptr;
    QMenu* menuLingua = nullptr;
    QAction* azioneItaliano = nullptr;
    QAction* azioneInglese = nullptr;
    QAction* azioneLatino = nullptr;
    QAction* azioneFrancese = nullptr;
    QMenu* menuAiuto = nullptr;
    QAction* azioneAiuto = nullptr;
    QAction* azioneTasti = nullptr;
    QAction* azioneSitoAutore = nullptr;
    QAction* azioneMailAutore = nullptr;
    QAction* separatoreInfo = nullptr;
    QAction* azioneInfo = nullptr;
    Lingue* lingue_ = nullptr;            // the four dictionary languages, one marked

    // ---- The bars and the controls on the drawing area (coordinates are the area's pixels)
    BarraStrumenti* barraStrumenti_ = nullptr;
    BarraStato* barraStato_ = nullptr;
    Sfondo* sfondo_ = nullptr;          // background picture while no puzzle is open
    ComandiStampa* stampa_ = nullptr;    // printing, the print preview and its close button

    // ---- The window's parts
    Impostazioni* impostazioni_ = nullptr;      // the session's settings
    VistaPassaggio* vistaPassaggio_ = nullptr;  // hover: the clue label, the word rectangle, the word dialog
    ComandiVerifica* verifica_ = nullptr;       // checks, reveals, Pausa and the clock
    ComandiGioco* gioco_ = nullptr;             // Gioca come
    ColonnaDefinizioni* colonna_ = nullptr;     // the clue list, the suggestions and the clue line
    TastieraGriglia* tastiera_ = nullptr;       // keys and clicks on the grid, the grid's marks
    AspettoSchermo* aspetto_ = nullptr;         // zoom and colours
    BarreScorrimento* scorrimento_ = nullptr;   // the scroll bars of a grid past the window
    IntestazioneSchema* intestazione_ = nullptr;  // the title line and the "Note" window
    FinestraCarattere* sceltaCarattere_ = nullptr;                   // the font chooser, made at its first use and kept
    ComandiFile* file_ = nullptr;               // File: open, the recent list, the library, save
    ComandiAiuto* aiuto_ = nullptr;             // the ? menu: help, the author's site and mail, the about box

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
    // ---- The honest clock (finestra_principale_archivio.cpp)
    void creaVociArchivio();
    // The window became active or inactive: the clock follows when the player wants it so.
    void attivitaCambiata();
    QAction* azionePausaFuori = nullptr;  // Opzioni: the clock stops while another window is active
};

}  // namespace quadrivo
