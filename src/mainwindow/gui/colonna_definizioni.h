#pragma once
// The window's right-hand column and the line above the grid: the clue list, the words that fit
// the current word ("Suggerimenti"), the current clue, and the readings asked for from the help
// menu. Each follows the session's signals by itself.
#include <QObject>

#include "model/griglia.h"

class QLabel;
class QMenu;
class QAction;
class QWidget;

namespace quadrivo {

class Impostazioni;
class PannelloDefinizioni;
class PannelloSuggerimenti;
class Sessione;
class Piattaforma;

class ColonnaDefinizioni : public QObject {
    Q_OBJECT
public:
    // Its widgets are children of `area`, the drawing area the grid lives on.
    ColonnaDefinizioni(Sessione& sessione, Piattaforma& piattaforma, Impostazioni& impostazioni, QWidget* area);

    // Opzioni gets the two panels' items; the help menu the readings, with F12 to the list.
    void creaVoci(QMenu* opzioni, QMenu* aiuto);
    // Either panel shown (the clue line comes with them).
    bool visibile() const;
    // What the grid keeps of `a`: the column's width off the right, the clue line off the top.
    AreaFinestra areaGriglia(AreaFinestra a) const;
    // The clue list and the suggestions, one above the other, for the window to place.
    QWidget* pannelli() const { return pannelli_; }
    // The column's width in a window `larghezza` pixels wide; true when it changed.
    bool adattaLarghezza(int larghezza);
    // Whether the column has the width a window `larghezza` pixels wide gives it.
    bool haLarghezza(int larghezza) const;
    // Shows or hides the panels and places the clue line at the top of the area.
    void disponi();
    // After a grid pass: the list marks the current clue, the line shows it.
    void aggiorna();
    // The suggestions are worked out once the pending events are handled, however many changes came.
    void pianificaSuggerimenti();

signals:
    // A panel was shown or hidden: the grid is laid out again.
    void disposizioneCambiata();

private:
    bool elencoVisibile() const;
    bool suggerimentiVisibili() const;
    void aggiornaSuggerimenti();
    void scriviSuggerimento(const QString& parola);
    void leggi(int cosa);
    void disponiPannelli();
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

    Sessione& sessione_;
    Piattaforma& piattaforma_;
    Impostazioni& impostazioni_;
    QWidget* area_;
    QWidget* pannelli_ = nullptr;
    PannelloDefinizioni* elenco_ = nullptr;
    PannelloSuggerimenti* suggerimenti_ = nullptr;
    QLabel* rigaDefinizione_ = nullptr;
    QAction* MenuElenco = nullptr;
    QAction* MenuSuggerimenti = nullptr;
    bool suggerimentiInAttesa_ = false;
};

}  // namespace quadrivo
