#include "qt/superficie_qt.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <cmath>

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
    // One unit to the pixel, on whole pixels: four one-pixel fills give the pen's pixels at a
    // fraction of its cost (a codeword's letter outlines thirty cells of a scattered region).
    // A whole-pixel shift keeps them whole: the grid's view paints a cell onto an image so.
    const QRectF r = QRectF(punto(x1, y1), punto(x2, y2)).normalized();
    const auto intero = [](double v) { return v == std::floor(v) && std::abs(v) < 1e6; };
    if (sx_ == 1 && sy_ == 1 && r.width() > 0 && r.height() > 0 && intero(r.left()) && intero(r.top()) && intero(r.right()) && intero(r.bottom()) &&
        p_.transform().type() <= QTransform::TxTranslate && intero(p_.transform().dx()) && intero(p_.transform().dy()) &&
        !p_.testRenderHint(QPainter::Antialiasing) && p_.device() &&
        p_.device()->devicePixelRatio() == 1) {
        const QColor colore = coloreQt(c);
        const int s = static_cast<int>(r.left()), t = static_cast<int>(r.top());
        const int w = static_cast<int>(r.width()) + 1, h = static_cast<int>(r.height()) + 1;
        p_.fillRect(QRect(s, t, w, 1), colore);
        p_.fillRect(QRect(s, t + h - 1, w, 1), colore);
        p_.fillRect(QRect(s, t, 1, h), colore);
        p_.fillRect(QRect(s + w - 1, t, 1, h), colore);
        return;
    }
    QPen penna(coloreQt(c));
    pennaTesto_.reset();
    penna.setWidthF(std::max(1.0, std::min(sx_, sy_)));  // one unit, never thinner than a pixel
    penna.setJoinStyle(Qt::MiterJoin);
    p_.setPen(penna);
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(r);
}

void SuperficieQt::ellisse(double x1, double y1, double x2, double y2, Colore c) {
    QPen penna(coloreQt(c));
    pennaTesto_.reset();
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

const QFontMetricsF& SuperficieQt::metriche() {
    if (!attuale_->metriche) attuale_->metriche.emplace(attuale_->font, p_.device());
    return *attuale_->metriche;
}

void SuperficieQt::disegnaTesto(double x, double y, const std::string& s) {
    if (fontDato_ != attuale_) p_.setFont(attuale_->font), fontDato_ = attuale_;
    if (const QRgb penna = qRgb(coloreTesto.r, coloreTesto.g, coloreTesto.b); pennaTesto_ != penna)
        p_.setPen(QColor(penna)), pennaTesto_ = penna;
    const QPointF base = punto(x, y);
    if (!p_.paintEngine() || p_.paintEngine()->type() != QPaintEngine::Raster)
        return p_.drawText(QPointF(base.x(), base.y() + metriche().ascent()), QString::fromStdString(s));
    if (attuale_->testi.size() > 4096) attuale_->testi.clear();
    auto [voce, nuova] = attuale_->testi.try_emplace(s);
    if (nuova) {
        voce->second.setText(QString::fromStdString(s));
        voce->second.setTextFormat(Qt::PlainText);
    }
    p_.drawStaticText(base, voce->second);
}

double SuperficieQt::larghezzaTesto(const std::string& s) {
    // A surface kept for a window's life (the print preview's measures) stays small.
    if (attuale_->larghezze.size() > 4096) attuale_->larghezze.clear();
    const auto [voce, nuova] = attuale_->larghezze.try_emplace(s, 0.0);
    if (nuova) voce->second = metriche().horizontalAdvance(QString::fromStdString(s));
    return voce->second / sx_;
}

double SuperficieQt::altezzaTesto(const std::string&) { return metriche().height() / sy_; }

QFont qtDaCarattere(const Carattere& c) {
    QFont f(QString::fromStdString(c.nome));
    // A size of zero or less cannot be drawn; the smallest real size stands in for it.
    f.setPointSizeF(c.dimensione > 0.5 ? c.dimensione : 0.5);
    f.setBold(c.grassetto);
    f.setItalic(c.corsivo);
    return f;
}

void SuperficieQt::caratterCambiato() {
    const Carattere& c = carattere();
    if (misure_.size() > 64) misure_.clear(), fontDato_ = nullptr;
    const auto [voce, nuova] = misure_.try_emplace(std::tuple(c.nome, c.dimensione, c.grassetto, c.corsivo));
    if (nuova) voce->second.font = qtDaCarattere(c);
    attuale_ = &voce->second;
}

}  // namespace quadrivo
