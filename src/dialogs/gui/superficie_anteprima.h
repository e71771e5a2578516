#pragma once
// A framed picture the dialogs draw on through a Superficie: the drawing goes into an image the
// size of the frame's inside and is shown until the next drawing.
#include <QFrame>
#include <QImage>
#include <functional>

#include "model/superficie.h"

namespace quadrivo {

class SuperficieAnteprima : public QFrame {
public:
    // The size is given at 96 dpi, border included, and grows with denser screens.
    SuperficieAnteprima(int larghezza96, int altezza96, QWidget* genitore = nullptr);

    // Runs `disegno` on a fresh white surface the size of the drawing area, then shows it.
    void disegna(const std::function<void(Superficie&)>& disegno);
    const QImage& immagine() const { return immagine_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QImage immagine_;
};

}  // namespace quadrivo
