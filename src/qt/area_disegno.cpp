#include "qt/area_disegno.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace quadrivo {

// ---- SuperficieFinestra

SuperficieQt& SuperficieFinestra::qt() { return area_.superficieQt(); }

void SuperficieFinestra::pulisci() {
    qt().pulisci();
    area_.mostra(true);
}
void SuperficieFinestra::rettangolo(double x1, double y1, double x2, double y2, Colore c) {
    qt().rettangolo(x1, y1, x2, y2, c);
    area_.mostra(false);
}
void SuperficieFinestra::rettangoloPieno(double x1, double y1, double x2, double y2, Colore c) {
    qt().rettangoloPieno(x1, y1, x2, y2, c);
    area_.mostra(false);
}
void SuperficieFinestra::disegnaTesto(double x, double y, const std::string& s) {
    qt().disegnaTesto(x, y, s);
    area_.mostra(false);
}
double SuperficieFinestra::larghezzaTesto(const std::string& s) { return qt().larghezzaTesto(s); }
double SuperficieFinestra::altezzaTesto(const std::string& s) { return qt().altezzaTesto(s); }
double SuperficieFinestra::larghezzaScala() const { return area_.contentsRect().width(); }
double SuperficieFinestra::altezzaScala() const { return area_.contentsRect().height(); }
void SuperficieFinestra::caratterCambiato() { qt().impostaCarattere(carattere()); }

// ---- AreaDisegno

AreaDisegno::AreaDisegno(QWidget* genitore, ModoArea modo)
    : QFrame(genitore), modo_(modo), sfondo_(modo.sfondo), superficie_(*this) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void AreaDisegno::mostra(bool pulizia) {
    if (modo_.mostra == ModoArea::ogniTratto || (pulizia && modo_.mostra == ModoArea::allaPulizia)) repaint();
    else update();
}

AreaDisegno::~AreaDisegno() {
    qt_.reset();
    if (pittore_) pittore_->end();
}

void AreaDisegno::preparaImmagine() {
    const qreal dpr = devicePixelRatioF();
    QSize voluta = contentsRect().size();
    QScreen* schermo = screen();
    if (modo_.grandeComeSchermo && schermo) voluta = voluta.expandedTo(schermo->size());
    voluta = voluta.expandedTo(QSize(1, 1));
    const QSize logica = immagine_.isNull() ? QSize() : (QSizeF(immagine_.size()) / immagine_.devicePixelRatio()).toSize();
    const bool basta = modo_.grandeComeSchermo ? logica.width() >= voluta.width() && logica.height() >= voluta.height()
                                               : logica == voluta;
    if (!immagine_.isNull() && qFuzzyCompare(immagine_.devicePixelRatio(), dpr) && basta) return;

    QImage nuova(QSize(std::ceil(voluta.width() * dpr), std::ceil(voluta.height() * dpr)), QImage::Format_RGB32);
    nuova.setDevicePixelRatio(dpr);
    // Point sizes become pixels as they do in the window's own widgets.
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    nuova.setDotsPerMeterX(std::lround(dpi / 0.0254));
    nuova.setDotsPerMeterY(std::lround(dpi / 0.0254));
    nuova.fill(sfondo_);

    Carattere carattere = superficie_.carattere();
    if (pittore_) {
        qt_.reset();
        pittore_->end();
        QPainter copia(&nuova);
        copia.drawImage(QPointF(0, 0), immagine_);
    }
    immagine_ = std::move(nuova);
    pittore_ = std::make_unique<QPainter>(&immagine_);
    pittore_->setRenderHint(QPainter::TextAntialiasing);
    const QSizeF l = QSizeF(immagine_.size()) / dpr;
    qt_ = std::make_unique<SuperficieQt>(*pittore_, l.width(), l.height(), sfondo_);
    qt_->impostaCarattere(carattere);
}

SuperficieQt& AreaDisegno::superficieQt() {
    preparaImmagine();
    return *qt_;
}

void AreaDisegno::paintEvent(QPaintEvent* e) {
    if (frameWidth() > 0) QFrame::paintEvent(e);
    QPainter p(this);
    const QRect dentro = contentsRect();
    const QRect r = e->rect() & dentro;
    if (immagine_.isNull()) {
        p.fillRect(r, sfondo_);
        return;
    }
    const qreal dpr = immagine_.devicePixelRatio();
    const QPoint o = r.topLeft() - dentro.topLeft();
    p.drawImage(r, immagine_, QRectF(o.x() * dpr, o.y() * dpr, r.width() * dpr, r.height() * dpr));
}

void AreaDisegno::resizeEvent(QResizeEvent*) { preparaImmagine(); }

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
