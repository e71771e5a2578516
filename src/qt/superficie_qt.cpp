#include "qt/superficie_qt.h"

#include <QFontMetricsF>

namespace quadrivo {

QColor coloreQt(Colore c) { return QColor(c.r, c.g, c.b); }

SuperficieQt::SuperficieQt(QPainter& painter, double larghezza, double altezza, QColor sfondo)
    : p_(painter), dispL_(larghezza), dispA_(altezza), scalaL_(larghezza), scalaA_(altezza), sfondo_(sfondo) {
    caratterCambiato();
}

void SuperficieQt::impostaScala(double larghezza, double altezza) {
    if (larghezza <= 0 || altezza <= 0) return;
    scalaL_ = larghezza;
    scalaA_ = altezza;
    sx_ = dispL_ / larghezza;
    sy_ = dispA_ / altezza;
}

void SuperficieQt::pulisci() { p_.fillRect(QRectF(0, 0, dispL_, dispA_), sfondo_); }

void SuperficieQt::rettangolo(double x1, double y1, double x2, double y2, Colore c) {
    QPen penna(coloreQt(c));
    penna.setWidthF(std::max(1.0, std::min(sx_, sy_)));  // one unit, never thinner than a pixel
    penna.setJoinStyle(Qt::MiterJoin);
    p_.setPen(penna);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(QRectF(punto(x1, y1), punto(x2, y2)).normalized());
}

void SuperficieQt::ellisse(double x1, double y1, double x2, double y2, Colore c) {
    QPen penna(coloreQt(c));
    penna.setWidthF(std::max(1.0, std::min(sx_, sy_)));
    p_.save();
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setPen(penna);
    p_.setBrush(Qt::NoBrush);
    p_.drawEllipse(QRectF(punto(x1, y1), punto(x2, y2)).normalized());
    p_.restore();
}

void SuperficieQt::rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) {
    QRectF r = QRectF(punto(x1, y1), punto(x2, y2)).normalized();
    p_.fillRect(r.adjusted(0, 0, 1, 1), coloreQt(c));
}

void SuperficieQt::disegnaTesto(double x, double y, const std::string& s) {
    p_.setFont(font_);
    p_.setPen(QColor(coloreTesto.r, coloreTesto.g, coloreTesto.b));
    QFontMetricsF fm(font_, p_.device());
    QPointF base = punto(x, y);
    p_.drawText(QPointF(base.x(), base.y() + fm.ascent()), QString::fromStdString(s));
}

double SuperficieQt::larghezzaTesto(const std::string& s) {
    QFontMetricsF fm(font_, p_.device());
    return fm.horizontalAdvance(QString::fromStdString(s)) / sx_;
}

double SuperficieQt::altezzaTesto(const std::string&) {
    QFontMetricsF fm(font_, p_.device());
    return fm.height() / sy_;
}

QFont qtDaCarattere(const Carattere& c) {
    QFont f(QString::fromStdString(c.nome));
    // A size of zero or less cannot be drawn; the smallest real size stands in for it.
    f.setPointSizeF(c.dimensione > 0.5 ? c.dimensione : 0.5);
    f.setBold(c.grassetto);
    f.setItalic(c.corsivo);
    return f;
}

void SuperficieQt::caratterCambiato() { font_ = qtDaCarattere(carattere()); }

}  // namespace quadrivo
