#pragma once
// Where things go on the window's drawing area: the grid in the room the clue line, the clue
// column and the scroll bars leave, the print preview's close button, the background picture
// while no puzzle is open. It lays the grid out again when the session, the area's size, the
// zoom, the scrolling or a panel changes it.
#include <QObject>
#include <QSize>

#include "model/griglia.h"

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
    DisposizioneFinestra(Sessione& sessione, const PartiArea& parti, QObject* genitore);

    // Follows whether a puzzle is open: the toolbar's buttons that need one, the grid or a blank area.
    void aggiorna();
    // The bars and panels over the area, without laying the grid out.
    void disponiBarre();
    // The layout pass: the panels, then the grid in what they leave.
    void disegnaGriglia();
    // The drawing area as the layout pass measures it ...
    AreaFinestra areaFinestra() const;
    // ... and the part the grid is laid out in: without the clue column and the clue line.
    AreaFinestra areaGriglia() const;
    // From the first activation on, a new size of the area is followed once its events settle.
    void segui();

signals:
    // A grid was laid out: the caption names it.
    void grigliaDisegnata();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void adattaAllaDimensione();

    Sessione& sessione_;
    PartiArea p_;
    QSize dimensioneDisegnata_;
    bool segue_ = false;
    bool adattamentoInCoda_ = false;
};

}  // namespace quadrivo
