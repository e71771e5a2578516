#include "dialogs/gui/superficie_anteprima.h"

#include <QPainter>
#include <cmath>

#include "qt/superficie_qt.h"

namespace quadrivo {

SuperficieAnteprima::SuperficieAnteprima(int larghezza96, int altezza96, QWidget* genitore) : QFrame(genitore) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    const double scala = std::max(1.0, logicalDpiX() / 96.0);
    setFixedSize(static_cast<int>(std::lround(larghezza96 * scala)), static_cast<int>(std::lround(altezza96 * scala)));
    immagine_ = QImage(contentsRect().size(), QImage::Format_RGB32);
    immagine_.fill(Qt::white);
}

void SuperficieAnteprima::disegna(const std::function<void(Superficie&)>& disegno) {
    const QSize area = contentsRect().size();
    const qreal dpr = devicePixelRatioF();
    QImage nuova(area * dpr, QImage::Format_RGB32);
    nuova.setDevicePixelRatio(dpr);
    nuova.fill(Qt::white);
    {
        QPainter p(&nuova);
        p.setRenderHint(QPainter::TextAntialiasing);
        SuperficieQt s(p, area.width(), area.height(), Qt::white);
        disegno(s);
    }
    immagine_ = std::move(nuova);
    update();
}

void SuperficieAnteprima::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), immagine_);
}

}  // namespace quadrivo
