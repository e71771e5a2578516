#include "mainwindow/gui/casella_digitazione.h"

#include <QKeyEvent>

namespace quadrivo {

CasellaDigitazione::CasellaDigitazione(int indice, QWidget* genitore) : QLineEdit(genitore), indice_(indice) {
    setObjectName(QString("Text1_%1").arg(indice));
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    setMouseTracking(true);
    hide();
    connect(this, &QLineEdit::textChanged, this, [this] { emit testoCambiato(indice_); });
}

void CasellaDigitazione::keyPressEvent(QKeyEvent* e) {
    e->ignore();
    emit tasto(indice_, e);
    if (e->isAccepted()) return;
    e->accept();
    QLineEdit::keyPressEvent(e);
}

void CasellaDigitazione::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    emit fuocoRicevuto(indice_);
}

void CasellaDigitazione::mouseMoveEvent(QMouseEvent* e) {
    emit puntatoreSopra(indice_);
    QLineEdit::mouseMoveEvent(e);
}

}  // namespace quadrivo
