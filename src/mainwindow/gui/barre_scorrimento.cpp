#include "mainwindow/gui/barre_scorrimento.h"

#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>
#include <algorithm>

namespace quadrivo {

BarreScorrimento::BarreScorrimento(QWidget* area)
    : QObject(area),
      area_(area),
      orizzontale_(new QScrollBar(Qt::Horizontal, area)),
      verticale_(new QScrollBar(Qt::Vertical, area)) {
    orizzontale_->setObjectName("ScorrimentoOrizzontale");
    verticale_->setObjectName("ScorrimentoVerticale");
    for (QScrollBar* b : {orizzontale_, verticale_}) {
        b->hide();
        b->setFocusPolicy(Qt::NoFocus);  // the keys stay with the grid
        connect(b, &QScrollBar::valueChanged, this, [this] {
            if (!aggiornando_) emit scorso();
        });
    }
    orizzontale_->setAccessibleName("Scorrimento orizzontale dello schema");
    verticale_->setAccessibleName("Scorrimento verticale dello schema");
    area_->installEventFilter(this);
}

AreaFinestra BarreScorrimento::riduci(AreaFinestra a) const {
    const int spessore = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (verticale_->isVisibleTo(area_)) a.larghezza -= spessore;
    if (orizzontale_->isVisibleTo(area_)) a.altezzaStatusBar += spessore;
    return a;
}

void BarreScorrimento::decora(DecorazioniGriglia& d, const AreaFinestra& area) {
    d.scostamento = std::pair(orizzontale_->value(), verticale_->value());
    const Vista ora{d.fuoco, d.zoom, area.larghezza, area.altezza};
    d.mostraFuoco = ora != vista_;
    vista_ = ora;
}

bool BarreScorrimento::aggiorna(const ScorrimentoGriglia& s, const AreaFinestra& a) {
    const int spessore = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int alto = static_cast<int>(a.altezzaToolbar), basso = static_cast<int>(a.altezza - a.altezzaStatusBar);
    const int largo = static_cast<int>(a.larghezza);
    bool cambiate = false;
    aggiornando_ = true;
    const auto imposta = [&](QScrollBar* b, const AsseScorrimento& asse, QRect posto) {
        const bool serve = asse.massimo > 0;
        cambiate |= serve != b->isVisibleTo(area_);
        b->setVisible(serve);
        if (!serve) return;
        // A step set again repaints the bar, and the grid under it: only what changed is set.
        if (b->maximum() != asse.massimo || b->minimum() != 0) b->setRange(0, asse.massimo);
        if (b->pageStep() != std::max(1, asse.pagina)) b->setPageStep(std::max(1, asse.pagina));
        if (b->singleStep() != std::max(1, asse.pagina / 10)) b->setSingleStep(std::max(1, asse.pagina / 10));
        b->setValue(asse.valore);
        b->setGeometry(posto);
    };
    imposta(orizzontale_, s.orizzontale, QRect(0, basso, largo, spessore));
    imposta(verticale_, s.verticale, QRect(largo, alto, spessore, basso - alto));
    // Over everything else on the area; raised only when they are not, as a raise repaints
    // the grid under them.
    const QObjectList& figli = area_->children();
    const qsizetype n = figli.size();
    const bool inCima = n >= 2 && ((figli[n - 1] == verticale_ && figli[n - 2] == orizzontale_) ||
                                   (figli[n - 1] == orizzontale_ && figli[n - 2] == verticale_));
    if (!inCima) orizzontale_->raise(), verticale_->raise();
    aggiornando_ = false;
    return cambiate;
}

void BarreScorrimento::nascondi() {
    orizzontale_->hide();
    verticale_->hide();
}

void BarreScorrimento::ricomincia() {
    aggiornando_ = true;
    orizzontale_->setValue(0);
    verticale_->setValue(0);
    aggiornando_ = false;
    vista_ = {};
}

bool BarreScorrimento::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto != area_ || evento->type() != QEvent::Wheel) return false;
    auto* e = static_cast<QWheelEvent*>(evento);
    if (e->modifiers() & Qt::ControlModifier) return false;
    QPoint passi = e->angleDelta();
    // Shift turns the wheel sideways, as in most programs.
    if (e->modifiers() & Qt::ShiftModifier) passi = QPoint(passi.y(), passi.x());
    bool mosso = false;
    for (auto [b, delta] : {std::pair(orizzontale_, passi.x()), std::pair(verticale_, passi.y())}) {
        if (!b->isVisibleTo(area_) || delta == 0) continue;
        // A notch (120) moves three steps, as a list would.
        b->setValue(b->value() - delta * 3 * b->singleStep() / 120);
        mosso = true;
    }
    return mosso;
}

}  // namespace quadrivo
