#pragma once
// The puzzle's own words on screen: its title, author and copyright in a line just below the
// toolbar, and the "Note" window (File → Proprietà) with those and the notes whole (a .puz's
// notepad often holds the solving instructions).
#include <QObject>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace quadrivo {

class Sessione;

class IntestazioneSchema : public QObject {
    Q_OBJECT
public:
    // The line is a child of `area`, the drawing area the grid lives on.
    IntestazioneSchema(Sessione& sessione, QWidget* area);

    // File → Proprietà..., placed before `prima`.
    void creaVoce(QMenu* file, QAction* prima);
    // Pixels the line takes below the toolbar: 0 while it is hidden.
    int altezza() const;
    // Places the line below the toolbar (`alto` pixels) and shows it when there is something to say.
    void disponi(int alto);
    // The "Note" window, modal over the main window.
    void mostraNote();

private:
    Sessione& sessione_;
    QWidget* area_;
    QLabel* riga_;
    QAction* azioneProprieta = nullptr;
};

}  // namespace quadrivo
