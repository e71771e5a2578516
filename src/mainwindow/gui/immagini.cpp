#include "mainwindow/gui/immagini.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPalette>
#include <QPainter>
#include <vector>
#include <QPainterPath>
#include <QResource>

namespace quadrivo {

namespace {

// Every image is drawn in a 16 x 16 design box scaled to the requested size.
void disegna(QPainter& p, int indice) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor inchiostro(40, 48, 64);
    QPen penna(inchiostro, 1.1);
    penna.setJoinStyle(Qt::RoundJoin);
    penna.setCapStyle(Qt::RoundCap);
    p.setPen(penna);
    switch (indice) {
    case 1: {  // open: a folder with its flap lifted
        p.setBrush(QColor(230, 180, 70));
        QPainterPath dorso;
        dorso.moveTo(1.5, 3.5); dorso.lineTo(6, 3.5); dorso.lineTo(7.5, 5); dorso.lineTo(13.5, 5);
        dorso.lineTo(13.5, 13.5); dorso.lineTo(1.5, 13.5); dorso.closeSubpath();
        p.drawPath(dorso);
        p.setBrush(QColor(250, 210, 110));
        QPainterPath aletta;
        aletta.moveTo(1.5, 13.5); aletta.lineTo(4, 7.5); aletta.lineTo(15, 7.5); aletta.lineTo(13.5, 13.5);
        aletta.closeSubpath();
        p.drawPath(aletta);
        break;
    }
    case 2: {  // save: a diskette
        p.setBrush(QColor(60, 100, 170));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.2, 1.2);
        p.setBrush(QColor(245, 245, 245));
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(200, 205, 215));
        p.drawRect(QRectF(4, 9, 8, 5.5));
        p.fillRect(QRectF(9.5, 2.5, 1.5, 3), inchiostro);
        break;
    }
    case 3: {  // print: a printer with a sheet
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 1.5, 8, 5));
        p.setBrush(QColor(170, 175, 185));
        p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.2, 1.2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 10, 8, 4.5));
        p.drawLine(QPointF(5.5, 12), QPointF(10.5, 12));
        p.fillRect(QRectF(12, 7.5, 1.2, 1.2), QColor(60, 170, 80));
        break;
    }
    case 4: {  // preview: a page under a magnifying glass
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 9, 12));
        p.drawLine(QPointF(3.5, 4.5), QPointF(8.5, 4.5));
        p.drawLine(QPointF(3.5, 7), QPointF(7, 7));
        p.setBrush(QColor(200, 225, 250, 220));
        p.drawEllipse(QPointF(9.5, 9), 3.5, 3.5);
        QPen manico(inchiostro, 2.2);
        manico.setCapStyle(Qt::RoundCap);
        p.setPen(manico);
        p.drawLine(QPointF(12, 11.5), QPointF(14.5, 14));
        break;
    }
    case 6: {  // clear: an eraser over a grid line
        p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
        p.save();
        p.translate(8, 8);
        p.rotate(-35);
        p.setBrush(QColor(235, 110, 120));
        p.drawRoundedRect(QRectF(-6.5, -3, 9, 6), 1, 1);
        p.setBrush(QColor(240, 240, 240));
        p.drawRoundedRect(QRectF(2.5, -3, 4, 6), 1, 1);
        p.restore();
        break;
    }
    case 7: {  // check: a green tick in a cell
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        QPen spunta(QColor(30, 150, 60), 2.4);
        spunta.setCapStyle(Qt::RoundCap);
        spunta.setJoinStyle(Qt::RoundJoin);
        p.setPen(spunta);
        QPainterPath s;
        s.moveTo(4, 8.5); s.lineTo(7, 11.5); s.lineTo(12.5, 4.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(s);
        break;
    }
    case 8: {  // font: a serif capital A
        QFont f("DejaVu Serif");
        f.setPixelSize(14);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 60, 140));
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "A");
        break;
    }
    case 9: {  // check a word: three cells in a row, the wrong one struck through in red
        p.setBrush(Qt::white);
        for (int i = 0; i < 3; ++i) p.drawRect(QRectF(0.8 + i * 4.8, 5.5, 4.8, 5.5));
        QPen tratto(QColor(210, 30, 30), 1.6);
        tratto.setCapStyle(Qt::RoundCap);
        p.setPen(tratto);
        p.drawLine(QPointF(6.3, 10.3), QPointF(10.1, 6.2));
        QPen spunta(QColor(30, 150, 60), 1.8);
        spunta.setCapStyle(Qt::RoundCap);
        spunta.setJoinStyle(Qt::RoundJoin);
        p.setPen(spunta);
        p.setBrush(Qt::NoBrush);
        QPainterPath s;
        s.moveTo(1.8, 8.4); s.lineTo(3, 9.8); s.lineTo(4.8, 6.8);
        p.drawPath(s);
        p.drawPath(s.translated(9.6, 0));
        break;
    }
    case 10: {  // pause: two bars on a clock face
        p.setBrush(QColor(245, 245, 240));
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 60, 140));
        p.drawRoundedRect(QRectF(5.3, 4.8, 2, 6.4), 0.6, 0.6);
        p.drawRoundedRect(QRectF(8.7, 4.8, 2, 6.4), 0.6, 0.6);
        break;
    }
    case 11: {  // pencil: a slanted yellow body with a sharpened grey tip
        p.translate(8, 8);
        p.rotate(45);
        p.setBrush(QColor(240, 190, 40));
        p.drawRect(QRectF(-2, -7, 4, 9.5));
        p.setBrush(QColor(235, 205, 160));
        QPainterPath punta;
        punta.moveTo(-2, 2.5), punta.lineTo(2, 2.5), punta.lineTo(0, 7), punta.closeSubpath();
        p.drawPath(punta);
        p.setBrush(QColor(90, 90, 90));
        p.drawEllipse(QPointF(0, 6.2), 0.7, 0.7);
        break;
    }
    default: break;
    }
}

// Paints the image afresh for every size and density, so it is crisp everywhere.
class MotoreImmagine : public QIconEngine {
public:
    explicit MotoreImmagine(int indice, QList<QSize> lati = {}) : indice_(indice), lati_(std::move(lati)) {}
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return lati_; }
    void paint(QPainter* p, const QRect& r, QIcon::Mode modo, QIcon::State) override {
        p->save();
        p->translate(r.topLeft());
        p->scale(r.width() / 16.0, r.height() / 16.0);
        if (modo == QIcon::Disabled) p->setOpacity(0.35);
        // On a dark window the ink strokes and the font's "A" would vanish: a light tile goes
        // under every image, keeping its own colours as they are.
        if (QGuiApplication::palette().color(QPalette::Window).lightness() < 128) {
            p->setRenderHint(QPainter::Antialiasing);
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(222, 226, 234));
            p->drawRoundedRect(QRectF(0.25, 0.25, 15.5, 15.5), 3, 3);
        }
        disegna(*p, indice_);
        p->restore();
    }
    QPixmap pixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato) override {
        return scaledPixmap(dimensione, modo, stato, 1.0);
    }
    // Kept per size, mode and the window's shade: a toolbar's buttons ask at every paint, and
    // a resize repaints them all.
    QPixmap scaledPixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato, qreal scala) override {
        const bool scuro = QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
        for (const Pronta& k : pronte_)
            if (k.dimensione == dimensione && k.modo == modo && k.stato == stato && k.scala == scala && k.scuro == scuro)
                return k.px;
        QPixmap px(dimensione * scala);
        px.setDevicePixelRatio(scala);
        px.fill(Qt::transparent);
        {
            QPainter p(&px);
            paint(&p, QRect(QPoint(0, 0), dimensione), modo, stato);
        }
        if (pronte_.size() >= 8) pronte_.erase(pronte_.begin());
        pronte_.push_back({dimensione, modo, stato, scala, scuro, px});
        return px;
    }
    QIconEngine* clone() const override { return new MotoreImmagine(indice_, lati_); }

private:
    struct Pronta {
        QSize dimensione;
        QIcon::Mode modo;
        QIcon::State stato;
        qreal scala;
        bool scuro;
        QPixmap px;
    };
    int indice_;
    QList<QSize> lati_;
    std::vector<Pronta> pronte_;
};

}  // namespace

QIcon immagineLista(int indice) {
    if (indice < 1 || indice > immaginiNellaLista) return {};
    return QIcon(new MotoreImmagine(indice));
}

QIcon iconaFinestra() {
    QIcon icona;
    for (int lato : latiIconaFinestra) {
        const QByteArray pixel = QResource(QString(":/icona/%1x%1/quadrivo.argb").arg(lato)).uncompressedData();
        if (pixel.size() != lato * lato * 4) continue;
        // A copy: the bytes may be a decompressed buffer that goes with this turn of the loop.
        const QImage immagine(reinterpret_cast<const uchar*>(pixel.constData()), lato, lato,
                              QImage::Format_ARGB32_Premultiplied);
        icona.addPixmap(QPixmap::fromImage(immagine.copy()));
    }
    return icona;
}

QPixmap immagineSito(qreal densita) {
    const QSize dim(120, 29);
    QPixmap px(dim * densita);
    px.setDevicePixelRatio(densita);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, dim.height());
    g.setColorAt(0, QColor(70, 110, 170));
    g.setColorAt(1, QColor(35, 65, 115));
    p.setBrush(g);
    p.setPen(QColor(25, 45, 85));
    p.drawRoundedRect(QRectF(0.5, 0.5, dim.width() - 1, dim.height() - 1), 5, 5);
    // A tiny grid of three cells, then the label.
    for (int i = 0; i < 3; ++i) {
        QRectF cella(7 + i * 6.5, 8, 6.5, 6.5);
        p.fillRect(cella, i == 1 ? QColor(25, 45, 85) : QColor(250, 250, 245));
        QRectF sotto(7 + i * 6.5, 14.5, 6.5, 6.5);
        p.fillRect(sotto, i == 2 ? QColor(25, 45, 85) : QColor(250, 250, 245));
    }
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(30, 0, dim.width() - 34, dim.height()), Qt::AlignVCenter | Qt::AlignLeft, "Sito autore");
    return px;
}

}  // namespace quadrivo
