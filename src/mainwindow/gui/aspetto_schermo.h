#pragma once
// How the grid looks on screen: the size of its cells past what the window holds (zoom) and the
// colours of the grid and the window (Normale, Alto contrasto, Scuro). The printed page never
// follows either.
#include <QObject>
#include <functional>

#include "model/disegno_schema.h"

class QMenu;

namespace quadrivo {

class AreaDisegno;
class Impostazioni;

class AspettoSchermo : public QObject {
    Q_OBJECT
public:
    AspettoSchermo(AreaDisegno* area, Impostazioni& impostazioni);

    // The zoom items and the Aspetto submenu; the look of the last run is applied.
    void creaVoci(QMenu* opzioni);
    Aspetto aspetto() const { return aspetto_; }
    double zoom() const { return zoom_; }
    // Asked first with the zoom's step (+1, -1, 0 for the normal size): true when another view
    // took it (the print preview), and the grid's zoom stays.
    std::function<bool(int)> primaDelloZoom;

signals:
    // The grid must be drawn again.
    void cambiato();

private:
    void impostaAspetto(Aspetto aspetto);

    AreaDisegno* area_;
    Impostazioni& impostazioni_;
    Aspetto aspetto_ = Aspetto::normale;
    double zoom_ = 1;
};

}  // namespace quadrivo
