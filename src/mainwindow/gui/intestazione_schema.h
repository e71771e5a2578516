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
    // `area` is the drawing area the grid lives on; the line goes where the window puts it.
    IntestazioneSchema(Sessione& sessione, QWidget* area);
    QLabel* riga() const { return riga_; }

    // File → Proprietà..., placed before `prima`.
    void creaVoce(QMenu* file, QAction* prima);
    // The line's text for what the grid shows; false when there is nothing to say.
    bool aggiorna();
    // The "Note" window, modal over the main window.
    void mostraNote();

private:
    Sessione& sessione_;
    QWidget* area_;
    QLabel* riga_;
    QAction* azioneProprieta = nullptr;
};

}  // namespace quadrivo
