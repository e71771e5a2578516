#pragma once
// How the window stands among the desktop's: its caption follows the document (the unsaved mark
// through setWindowModified), and its state tells the session's clock when to wait (minimised,
// behind another program, held by a dialog). Un-maximised, it comes back on screen.
#include <QObject>
#include <functional>
#include <string>

class QMainWindow;

namespace quadrivo {

class Sessione;

class PresenzaFinestra : public QObject {
    Q_OBJECT
public:
    // `pausaFuori` tells whether the clock stops while another program is in front.
    PresenzaFinestra(Sessione& sessione, QMainWindow* finestra, std::function<bool()> pausaFuori);

    // A grid was drawn: from now on the caption names it.
    void grigliaDisegnata();
    // The caption again, for a save under another name.
    void aggiornaTitolo();
    // The window became active or inactive, or the player changed the option.
    void attivitaCambiata();

signals:
    // The window was shown for the first time, once its events have settled (the program's
    // activation starts there: without a window manager it may never become active).
    void primaVoltaMostrata();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void riposiziona();

    Sessione& sessione_;
    QMainWindow* finestra_;
    std::function<bool()> pausaFuori_;
    bool titoloGriglia_ = false;
    bool mostrata_ = false;
    bool daRiposizionare_ = false;  // just un-maximised: brought back on screen if it lands off it
    bool bloccata_ = false;         // a modal dialog holds the window
};

}  // namespace quadrivo
