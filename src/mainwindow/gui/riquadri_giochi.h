#pragma once
// The docks of the games without clues, beside the grid: a codeword's key (DockChiave) and a grid
// to fill's word bank (DockBanca). Each shows only while its game is played on the grid, and
// follows the session's signals by itself. Made after the clue column, whose F12 it answers too.
#include <QObject>

class QDockWidget;
class QMainWindow;

namespace quadrivo {

class PannelloBanca;
class PannelloChiave;
class Sessione;

class RiquadriGiochi : public QObject {
    Q_OBJECT
public:
    RiquadriGiochi(Sessione& sessione, QMainWindow* finestra);

private:
    void aggiorna();

    Sessione& sessione_;
    QDockWidget* dockChiave_ = nullptr;
    QDockWidget* dockBanca_ = nullptr;
    PannelloChiave* chiave_ = nullptr;
    PannelloBanca* banca_ = nullptr;
};

}  // namespace quadrivo
