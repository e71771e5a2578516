#include "mainwindow/gui/presenza_finestra.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWindowStateChangeEvent>
#include <utility>

#include "model/griglia.h"
#include "sessione/sessione.h"

namespace quadrivo {

PresenzaFinestra::PresenzaFinestra(Sessione& sessione, QMainWindow* finestra, std::function<bool()> pausaFuori)
    : QObject(finestra), sessione_(sessione), finestra_(finestra), pausaFuori_(std::move(pausaFuori)) {
    finestra_->installEventFilter(this);
    connect(&sessione_, &Sessione::modificatoCambiato, this, [this] {
        finestra_->setWindowModified(sessione_.modificato());
        aggiornaTitolo();
    });
    connect(&sessione_, &Sessione::schemaCambiato, this, [this] {
        if (finestra_->isMinimized()) sessione_.impostaRidotta(true);
    });
}

void PresenzaFinestra::grigliaDisegnata() {
    titoloGriglia_ = true;
    aggiornaTitolo();
}

void PresenzaFinestra::aggiornaTitolo() {
    if (!titoloGriglia_) return;
    // "[*]" is where the unsaved mark goes; one in a file's name is doubled to stay as it is.
    const QString titolo = QString::fromStdString(titoloGriglia(sessione_.documento()));
    finestra_->setWindowTitle("[*]" + QString(titolo).replace("[*]", "[*][*]"));
}

void PresenzaFinestra::attivitaCambiata() {
    // Only a deactivation by another program counts: a dialog of ours already stops the clock.
    sessione_.impostaFuori(pausaFuori_() && !finestra_->isActiveWindow() && QApplication::activeWindow() == nullptr);
}

bool PresenzaFinestra::eventFilter(QObject* oggetto, QEvent* e) {
    if (oggetto != finestra_) return false;
    switch (e->type()) {
    case QEvent::Show:
        if (!std::exchange(mostrata_, true))
            QMetaObject::invokeMethod(this, &PresenzaFinestra::primaVoltaMostrata, Qt::QueuedConnection);
        break;
    case QEvent::WindowStateChange:
        // Started maximised over the whole screen: un-maximised, the window would keep that size
        // with its title bar above the screen. It comes back centred, smaller, all of it visible.
        daRiposizionare_ =
            (static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMaximized) &&
            !(finestra_->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen));
        sessione_.impostaRidotta(finestra_->isMinimized());
        break;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: attivitaCambiata(); break;
    // A modal dialog blocks the window; the open dialog disables it: either way the clock waits.
    case QEvent::WindowBlocked:
    case QEvent::WindowUnblocked: bloccata_ = e->type() == QEvent::WindowBlocked; [[fallthrough]];
    case QEvent::EnabledChange: sessione_.impostaDialogo(bloccata_ || !finestra_->isEnabled()); break;
    // The window manager applies the old size after the state change: checked as it lands.
    case QEvent::Move:
    case QEvent::Resize:
        if (daRiposizionare_) QTimer::singleShot(0, this, &PresenzaFinestra::riposiziona);
        break;
    default: break;
    }
    return false;
}

void PresenzaFinestra::riposiziona() {
    const QScreen* s = finestra_->screen();
    if (!daRiposizionare_ || !s || finestra_->isMaximized()) return;
    const QRect a = s->availableGeometry();
    if (a.contains(finestra_->frameGeometry())) return;
    daRiposizionare_ = false;
    QRect r(QPoint(), a.size() * 0.8);
    r.moveCenter(a.center());
    finestra_->setGeometry(r);
}

}  // namespace quadrivo
