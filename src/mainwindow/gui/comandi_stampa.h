#pragma once
// Printing: File → Stampa, the print preview over the drawing area with its close button and
// Esc, and Opzioni → Settaggio schema. The preview is the session's mode; this part shows
// whichever mode the session is in.
#include <QObject>
#include <functional>


class QAction;
class QPushButton;
class QShortcut;
class QWidget;

namespace quadrivo {

class AreaDisegno;
class PiattaformaQt;
class Sessione;
class VistaAnteprima;

class ComandiStampa : public QObject {
    Q_OBJECT
public:
    // The sheets and the close button live on `area`; Esc and the dialogs belong to `finestra`.
    ComandiStampa(Sessione& sessione, PiattaformaQt& piattaforma, AreaDisegno* area, QWidget* finestra);

    // File → Stampa, Anteprima di stampa and Opzioni → Settaggio schema, found by name.
    void collega(const std::function<QAction*(const char*)>& azione);

    void stampa();
    void mostraAnteprima();
    void chiudiAnteprima();
    // A preview shown gives the area back to the grid.
    void lascia();
    // The zoom's keys size the sheets while the preview is shown; false when it is not.
    bool zoom(int verso);
    // The sheets between the bars (`alto` and `basso` pixels), the close button from `xPulsante`.
    void disponi(int alto, int basso, int xPulsante);
    QPushButton* pulsanteChiudi() const { return chiudi_; }

signals:
    // Before printing or a preview change: the window hides its hover marks.
    void primaDiAgire();
    // The grid is shown again after a preview.
    void anteprimaChiusa();

private:
    void stampaSchema();
    void disegnaPagina();
    void seguiModo();

    Sessione& sessione_;
    PiattaformaQt& piattaforma_;
    AreaDisegno* area_;
    QWidget* finestra_;
    VistaAnteprima* anteprima_;
    QPushButton* chiudi_;
    QShortcut* esc_;
};

}  // namespace quadrivo
