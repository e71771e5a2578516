#pragma once
// Solving by keyboard: keys and clicks on the grid become the session's moves and letters, Ins
// opens a cell for several letters, and the pencil and "Salta parole complete" are its options.
// Also the marks the grid shows for them: the current word and cell, wrong and revealed letters.
#include <QObject>

#include "model/griglia.h"
#include "solving/navigazione.h"

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace quadrivo {

class AspettoSchermo;
class Impostazioni;
class Sessione;

class VistaGriglia;

class TastieraGriglia : public QObject {
    Q_OBJECT
public:
    // Keys reach it while the drawing area or, before any click, the window has the keyboard.
    // `griglia` lies over the whole area: its pixels are the area's.
    TastieraGriglia(Sessione& sessione, Impostazioni& impostazioni, const AspettoSchermo& aspetto, QWidget* area,
                    const VistaGriglia& griglia, QWidget* finestra);

    // "Salta parole complete" in Opzioni; the pencil from its menu item and its toolbar button.
    void creaVoci(QMenu* opzioni, QAction* matita, QAction* pulsanteMatita);
    // A press of the typing button on a white cell makes its word current. False when the press
    // is not one for this (another button, outside the grid, no grid shown).
    bool clic(int pulsante, double x, double y);
    // Makes p current, keyboard on the grid.
    void impostaPosizione(const Posizione& p);
    DecorazioniGriglia decorazioni() const;

signals:
    // A click took the current word: the hover label goes.
    void parolaPresa();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    bool premi(QKeyEvent* e);
    // No cell is current: says so, and where Tab goes back to.
    void diciSenzaCasella();
    // The keyboard came back to the grid.
    void ritornoAllaGriglia();

    Sessione& sessione_;
    Impostazioni& impostazioni_;
    const AspettoSchermo& aspetto_;
    QWidget* area_;
    const VistaGriglia& griglia_;
    QWidget* finestra_;
    QAction* azioneSaltaComplete = nullptr;
    Posizione lasciata_;  // where Esc left the grid

};

}  // namespace quadrivo
