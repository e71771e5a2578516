#pragma once
// FinestraPrincipale, the main window: it makes the window's parts, joins them, and runs the
// start and the closing questions. The open puzzle is the session's; each part owns its menu
// items and follows the session by itself: the menu bar (MenuPrincipale), the layout of the
// drawing area (DisposizioneFinestra), the caption and the window's state (PresenzaFinestra),
// the player's options (ComandiOpzioni), and the file, edit, check, print, play and help commands.
#include <QMainWindow>
#include <string>

#include "model/griglia.h"
#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"

namespace quadrivo {

class BarraStato;
class BarraStrumenti;
class BarreScorrimento;
class ComandiFile;
class ComandiVerifica;
class Lingue;
class ComandiOpzioni;
class ComandiStampa;
class DisposizioneFinestra;
class MenuPrincipale;
class PresenzaFinestra;
class Sfondo;
class TastieraGriglia;
class VistaGriglia;
class VistaPassaggio;

class FinestraPrincipale : public QMainWindow {
    Q_OBJECT
public:
    // `cartelle`: the session's folders, completed by cartelleComplete. `rigaComando`: the puzzle
    // to open at start, as file system bytes ("" for none).
    FinestraPrincipale(Cartelle cartelle, PiattaformaQt& piattaforma, const std::string& rigaComando);
    ~FinestraPrincipale() override;

    Sessione& sessione() { return *sessione_; }
    AreaDisegno* area() const { return area_; }
    // The grid as the window shows it, over the whole area: where each cell lies.
    VistaGriglia* vista() const { return vista_; }
    // A menu item by its name ("azioneApri", "separatoreStampa", ...); nullptr if unknown.
    QAction* azione(const std::string& nome) const;
    // 1 once the first activation has run.
    int giaAttivato() const { return giaAttivato_; }

    // The drawing area as the layout pass measures it, and the part the grid is laid out in.
    AreaFinestra areaFinestra() const;
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
    void mettiAlSicuro() { sessione_->alSicuro(); }
    // The bars are part of the frame, not things a player hides: no menu of them.
    QMenu* createPopupMenu() override { return nullptr; }

    // The file commands: Apri, Recenti, Archivio, Salva, Salva con nome, Esci's item.
    ComandiFile& file() const { return *file_; }
    void mostraAnteprima();
    void esci();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void creaParti();
    void caricamento();
    // Once, when the window is first shown.
    void attivazione();
    void aggiornaFinestra();
    // Closing by Esci or by the frame: unsaved answers asked about.
    bool chiusuraConfermata();
    // Just before an unavoidable end.
    void primaDellaFine();
    // The run ends; with tieniRisposte unsaved answers stay in the working copy for the next start.
    void chiusura(bool tieniRisposte = false);

    PiattaformaQt& piattaforma_;
    Sessione* sessione_ = nullptr;
    AreaDisegno* area_ = nullptr;
    VistaGriglia* vista_ = nullptr;  // the grid, under the bars and the panels of the area
    Sfondo* sfondo_ = nullptr;       // background picture while no puzzle is open
    // ---- The parts. Variants' panels and other docks are made in creaParti, beside these.
    MenuPrincipale* menu_ = nullptr;
    DisposizioneFinestra* disposizione_ = nullptr;
    PresenzaFinestra* presenza_ = nullptr;
    ComandiOpzioni* opzioni_ = nullptr;
    ComandiFile* file_ = nullptr;
    ComandiStampa* stampa_ = nullptr;
    VistaPassaggio* passaggio_ = nullptr;  // hover: the clue label, the word rectangle, the word dialog
    TastieraGriglia* tastiera_ = nullptr;
    BarraStrumenti* barra_ = nullptr;
    BarraStato* barraStato_ = nullptr;
    Lingue* lingue_ = nullptr;
    ComandiVerifica* verifica_ = nullptr;
    BarreScorrimento* scorrimento_ = nullptr;
    std::string rigaComando_;
    std::string avvisoImpostazioni_;  // a settings file that could not be used, said at the first activation
    int giaAttivato_ = 0;
    bool inApertura_ = false;            // the start's puzzle is being opened
    bool attivazioneRinviata_ = false;   // shown by a question of that opening
    bool chiuso_ = false;
};

}  // namespace quadrivo
