#pragma once
// Where things go in the window: the puzzle's title line in a toolbar of its own below the
// buttons, the clue column in a dock on the right, and on the drawing area the grid in the room
// the clue line and the scroll bars leave. It lays the grid out again when the session, the
// area's size, the zoom, the scrolling or a panel changes it.
#include <QObject>
#include <QSize>

#include "model/griglia.h"

class QDockWidget;
class QMainWindow;
class QToolBar;

namespace quadrivo {

class AreaDisegno;
class AspettoSchermo;
class BarraStrumenti;
class BarreScorrimento;
class ColonnaDefinizioni;
class ComandiStampa;
class IntestazioneSchema;
class Sessione;
class Sfondo;
class TastieraGriglia;
class VistaGriglia;
class VistaPassaggio;

// The parts that share the area, made by the window.
struct PartiArea {
    AreaDisegno* area;
    VistaGriglia* vista;
    BarraStrumenti* barra;
    ComandiStampa* stampa;
    Sfondo* sfondo;
    IntestazioneSchema* intestazione;
    ColonnaDefinizioni* colonna;
    BarreScorrimento* scorrimento;
    TastieraGriglia* tastiera;
    AspettoSchermo* aspetto;
    VistaPassaggio* passaggio;
};

class DisposizioneFinestra : public QObject {
    Q_OBJECT
public:
    // The title line's toolbar and the clue column's dock go into `finestra`.
    DisposizioneFinestra(Sessione& sessione, const PartiArea& parti, QMainWindow* finestra);

    // Follows whether a puzzle is open: the toolbar's buttons that need one, the grid or a blank area.
    void aggiorna();
    // The bars and panels over the area, without laying the grid out.
    void disponiBarre();
    // Before the window is first shown: the clue column takes the width the window's gives it
    // and the window is laid out, so a grid laid out now already has its room.
    void disponiAllaDimensione();
    // The layout pass: the panels, then the grid in what they leave.
    void disegnaGriglia();
    // The drawing area as the layout pass measures it ...
    AreaFinestra areaFinestra() const;
    // ... and the part the grid is laid out in: without the clue column and the clue line.
    AreaFinestra areaGriglia() const;
    // From the first activation on, a new size of the area is followed at once: the grid is laid
    // out for it before the paint the resize brings.
    void segui();

signals:
    // A grid was laid out: the caption names it.
    void grigliaDisegnata();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void adattaAllaDimensione();
    // The title line and the clue column shown as the grid asks, the window laid out at once.
    void disponiParti();

    Sessione& sessione_;
    PartiArea p_;
    QMainWindow* finestra_;
    QToolBar* barraIntestazione_;
    QDockWidget* dock_;
    QSize dimensioneDisegnata_;
    bool segue_ = false;
};

}  // namespace quadrivo
