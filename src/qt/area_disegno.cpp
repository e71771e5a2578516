#include "qt/area_disegno.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "qt/superficie_qt.h"

namespace quadrivo {

// ---- SuperficieFinestra

void SuperficieFinestra::pulisci() { area_.pulisci(); }
void SuperficieFinestra::rettangolo(double x1, double y1, double x2, double y2, Colore c) {
    area_.tela().rettangolo(x1, y1, x2, y2, c);
    area_.disegnato();
}
void SuperficieFinestra::ellisse(double x1, double y1, double x2, double y2, Colore c) {
    area_.tela().ellisse(x1, y1, x2, y2, c);
    area_.disegnato();
}
void SuperficieFinestra::rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) {
    area_.tela().rettangoloPieno(x1, y1, x2, y2, c);
    area_.disegnato();
}
void SuperficieFinestra::disegnaTesto(double x, double y, const std::string& s) {
    area_.tela().disegnaTesto(x, y, s);
    area_.disegnato();
}
double SuperficieFinestra::larghezzaTesto(const std::string& s) {
    return area_.metrica().horizontalAdvance(QString::fromStdString(s));
}
double SuperficieFinestra::altezzaTesto(const std::string&) { return area_.metrica().height(); }
double SuperficieFinestra::larghezzaScala() const { return area_.contentsRect().width(); }
double SuperficieFinestra::altezzaScala() const { return area_.contentsRect().height(); }
void SuperficieFinestra::caratterCambiato() {
    area_.metrica_.reset();
    if (area_.tela_) area_.tela_->impostaCarattere(carattere());
}

// ---- AreaDisegno

AreaDisegno::AreaDisegno(QWidget* genitore, ModoArea modo)
    : QFrame(genitore), modo_(modo), sfondo_(modo.sfondo), superficie_(*this) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

AreaDisegno::~AreaDisegno() { chiudiTela(); }

void AreaDisegno::impostaSfondo(const QColor& c) {
    sfondo_ = c;
    update();
}

void AreaDisegno::controllaDensita() {
    const qreal dpr = devicePixelRatioF();
    // Point sizes become pixels as they do in the window's own widgets.
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    if (dpr == dpr_ && dpi == dpi_) return;
    dpr_ = dpr, dpi_ = dpi;
    misura_ = QImage(1, 1, QImage::Format_RGB32);
    misura_.setDevicePixelRatio(dpr);
    misura_.setDotsPerMeterX(std::lround(dpi / 0.0254));
    misura_.setDotsPerMeterY(std::lround(dpi / 0.0254));
    metrica_.reset();
}

const QFontMetricsF& AreaDisegno::metrica() {
    controllaDensita();
    if (!metrica_) metrica_ = std::make_unique<QFontMetricsF>(qtDaCarattere(superficie_.carattere()), &misura_);
    return *metrica_;
}

SuperficieQt& AreaDisegno::tela() {
    const QSize l = contentsRect().size().expandedTo(QSize(1, 1));
    const qreal dpr = devicePixelRatioF();
    const QSize voluta(static_cast<int>(std::ceil(l.width() * dpr)), static_cast<int>(std::ceil(l.height() * dpr)));
    if (tela_ && immagine_.size() == voluta) return *tela_;
    chiudiTela();
    controllaDensita();
    if (immagine_.size() != voluta) {
        // What was drawn before a resize stays where it was, the new room is background.
        QImage nuova(voluta, QImage::Format_RGB32);
        nuova.setDevicePixelRatio(dpr);
        nuova.setDotsPerMeterX(std::lround(dpi_ / 0.0254));
        nuova.setDotsPerMeterY(std::lround(dpi_ / 0.0254));
        nuova.fill(sfondo_);
        if (!immagine_.isNull()) {
            QPainter p(&nuova);
            p.drawImage(QPointF(0, 0), immagine_);
        }
        immagine_ = std::move(nuova);
    }
    pittore_ = std::make_unique<QPainter>(&immagine_);
    pittore_->setRenderHint(QPainter::TextAntialiasing);
    tela_ = std::make_unique<SuperficieQt>(*pittore_, l.width(), l.height(), sfondo_);
    tela_->impostaCarattere(superficie_.carattere());
    return *tela_;
}

void AreaDisegno::chiudiTela() {
    tela_.reset();
    pittore_.reset();
}

void AreaDisegno::pulisci() {
    chiudiTela();
    immagine_ = QImage();
    if (modo_.mostra == ModoArea::differito) update();
    else repaint();
}

void AreaDisegno::disegnato() { update(); }

void AreaDisegno::mostraOra() { repaint(); }

void AreaDisegno::dipingi(QPainter& p, const QRect& dove) const {
    p.fillRect(dove, sfondo_);
    if (!immagine_.isNull()) p.drawImage(QPointF(0, 0), immagine_);
}

QImage AreaDisegno::immagine() const {
    const_cast<AreaDisegno*>(this)->chiudiTela();
    const qreal dpr = devicePixelRatioF();
    const QSize l = contentsRect().size().expandedTo(QSize(1, 1));
    QImage im(QSize(static_cast<int>(std::ceil(l.width() * dpr)), static_cast<int>(std::ceil(l.height() * dpr))),
              QImage::Format_RGB32);
    im.setDevicePixelRatio(dpr);
    QPainter p(&im);
    dipingi(p, QRect(QPoint(0, 0), l));
    return im;
}

void AreaDisegno::paintEvent(QPaintEvent* e) {
    if (frameWidth() > 0) QFrame::paintEvent(e);
    chiudiTela();
    const QRect dentro = contentsRect();
    QPainter p(this);
    p.setClipRegion(e->region() & dentro);
    p.translate(dentro.topLeft());
    dipingi(p, QRect(QPoint(0, 0), dentro.size()));
}

void AreaDisegno::mouseMoveEvent(QMouseEvent* e) {
    if (alMovimento) alMovimento(e->position().x() - contentsRect().x(), e->position().y() - contentsRect().y());
}

void AreaDisegno::mousePressEvent(QMouseEvent* e) {
    int pulsante = 0;
    switch (e->button()) {
    case Qt::LeftButton: pulsante = 1; break;
    case Qt::RightButton: pulsante = 2; break;
    case Qt::MiddleButton: pulsante = 4; break;
    default: return;
    }
    if (allaPressione) allaPressione(pulsante, e->position().x() - contentsRect().x(), e->position().y() - contentsRect().y());
}

// ---- Rettangolo

Rettangolo::Rettangolo(QWidget* genitore) : QWidget(genitore) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void Rettangolo::impostaColore(Colore c) {
    colore_ = c;
    update();
}

void Rettangolo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QColor pieno = coloreQt(colore_);
    QColor velo = pieno;
    velo.setAlpha(110);
    p.fillRect(rect(), velo);
    p.setPen(QPen(pieno, 2));
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

}  // namespace quadrivo
