#include "mainwindow/gui/barra_strumenti.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "mainwindow/finestra.h"
#include "mainwindow/gui/immagini.h"

namespace quadrivo {

namespace {

// The author's site button, drawn at its first paint: at the screen's density by then, and its
// label's bold font not loaded before the window is up.
class EtichettaSito : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return {120, 29}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        if (immagine_.isNull() || immagine_.devicePixelRatio() != devicePixelRatioF()) immagine_ = immagineSito(devicePixelRatioF());
        QPainter p(this);
        p.drawPixmap(QPoint(0, (height() - sizeHint().height()) / 2), immagine_);  // as a label places it
    }

private:
    QPixmap immagine_;
};

}  // namespace

BarraStrumenti::BarraStrumenti(QWidget* finestra, const std::function<QAction*(const char*)>& azione) : QToolBar(finestra) {
    setObjectName("barraStrumenti");
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(22, 22));
    setAutoFillBackground(true);
    for (const PulsanteToolbar& p : pulsantiToolbar()) {
        if (!*p.chiave) {
            if (p.posizione == 2) {
                addSeparator();
            } else {
                auto* vuoto = new QWidget(this);
                vuoto->setFixedWidth(14);
                addWidget(vuoto);
            }
            continue;
        }
        QAction* a = azione(p.azione);
        if (!a) continue;
        a->setIcon(immagineLista(p.immagine));
        a->setToolTip(QString::fromUtf8(p.suggerimento));
        // A button of its own rather than addAction: it stays in view while its menu item is
        // hidden (no puzzle open), disabled with it.
        auto* b = new QToolButton(this);
        b->setObjectName(QString("pulsante") + p.chiave);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(iconSize());
        b->setDefaultAction(a);
        // A reader names the button by its tooltip's first words: "Controlla la parola", not the menu's text.
        b->setAccessibleName(QString::fromUtf8(p.suggerimento).section(':', 0, 0).section(" (", 0, 0));
        pulsanti_[static_cast<size_t>(p.posizione)] = b;
        addWidget(b);
    }
    auto* spinta = new QWidget(this);
    spinta->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spinta);
    sitoAutore_ = new EtichettaSito(this);
    sitoAutore_->setObjectName("sitoAutore");
    sitoAutore_->setCursor(Qt::PointingHandCursor);
    sitoAutore_->setToolTip("Visita il sito dell'autore");
    sitoAutore_->setAccessibleName("Sito dell'autore");
    sitoAutore_->installEventFilter(this);
    addWidget(sitoAutore_);
    auto* margine = new QWidget(this);
    margine->setFixedWidth(8);
    addWidget(margine);
    if (auto* altri = findChild<QWidget*>("qt_toolbar_ext_button")) altri->setAccessibleName("Altri pulsanti");
}

QToolButton* BarraStrumenti::pulsante(int posizione) const {
    return posizione >= 0 && posizione < static_cast<int>(pulsanti_.size()) ? pulsanti_[static_cast<size_t>(posizione)]
                                                                            : nullptr;
}

int BarraStrumenti::finePulsanti() const {
    int x = 260;
    for (QToolButton* b : pulsanti_)
        if (b) x = b->geometry().right() + 24;
    return x;
}

void BarraStrumenti::abilitaPerSchema(bool schema) {
    for (int i = 1; i < static_cast<int>(pulsanti_.size()); ++i)
        if (QToolButton* b = pulsante(i); b && pulsanteRichiedeSchema(i)) b->defaultAction()->setEnabled(schema);
}

bool BarraStrumenti::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == sitoAutore_ && evento->type() == QEvent::MouseButtonPress) {
        emit sitoChiesto();
        return true;
    }
    return QToolBar::eventFilter(oggetto, evento);
}

void BarraStrumenti::enterEvent(QEnterEvent* evento) {
    emit puntatoreSopra();
    QToolBar::enterEvent(evento);
}

void BarraStrumenti::mousePressEvent(QMouseEvent* evento) {
    emit puntatoreSopra();
    QToolBar::mousePressEvent(evento);
}

}  // namespace quadrivo
