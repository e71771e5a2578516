#pragma once
// The docks of the games without clues, beside the grid: a codeword's key (DockChiave) and a grid
// to fill's word bank (DockBanca). Each shows only while its game is played on the grid, follows
// the session's signals by itself and is made when its game is first played, above the clue
// column, whose F12 it answers too.
#include <QObject>
#include <vector>

#include "model/varianti.h"

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
    void creaPannelli();
    void aggiorna();
    // A key's letter changes the rows of the codes typed into only.
    void dopoCelle(const std::vector<Casella>& caselle);

    Sessione& sessione_;
    QMainWindow* finestra_;
    QDockWidget* dockChiave_ = nullptr;
    QDockWidget* dockBanca_ = nullptr;
    PannelloChiave* chiave_ = nullptr;
    PannelloBanca* banca_ = nullptr;
    // The key shown, while it stands for the grid, and each code's cells.
    TabellaChiave tabella_;
    std::vector<std::vector<Casella>> celleCodici_;
    bool tabellaTenuta_ = false;
};

}  // namespace quadrivo
