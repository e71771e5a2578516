#pragma once
// Driving windows as a player does, without fixed waits: act once the state is there.
#include <QApplication>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace quadrivo::prova {

inline QWidget* fuoco() { return QApplication::focusWidget(); }

// A window's widget or action by its object name, nullptr when there is none.
template <typename T = QWidget>
T* figlio(const QObject* padre, const QString& nome) {
    return padre->findChild<T*>(nome);
}

// True once `w` is the active window and the keyboard focus is on it or inside it.
inline bool fuocoDentro(const QWidget* w) {
    const QWidget* f = QApplication::focusWidget();
    return w && w->isVisible() && w->isActiveWindow() && f && (f == w || w->isAncestorOf(f));
}

// Every key goes to whichever widget has the focus by then; no focus is a test failure.
inline void digitaNelFuoco(const char* testo) {
    for (const char* p = testo; *p; ++p) {
        QVERIFY2(fuoco(), "nessun widget ha il fuoco");
        QTest::keyClick(fuoco(), *p);
        QCoreApplication::processEvents();  // focus moves and selections are queued
    }
}

// Runs `azione` on the next modal widget of type T once it has the focus, while this object
// lives. A modal that is up but never gets the focus within five seconds is closed and the
// test fails; whether one came at all the test asks with eseguita().
template <typename T = QWidget>
class AlProssimoModale : public QObject {
public:
    explicit AlProssimoModale(std::function<void(T*)> a) : azione_(std::move(a)) {
        connect(&sonda_, &QTimer::timeout, this, &AlProssimoModale::guarda);
        sonda_.start(10);
        limite_.start();
    }
    bool eseguita() const { return eseguita_; }

private:
    void guarda() {
        QWidget* m = QApplication::activeModalWidget();
        T* w = qobject_cast<T*>(m);
        if (w && fuocoDentro(w)) {
            sonda_.stop();
            eseguita_ = true;
            azione_(w);
        } else if (limite_.hasExpired(5000)) {
            sonda_.stop();
            if (!w) return;
            w->close();
            QTest::qFail("nessuna finestra modale col fuoco entro cinque secondi", __FILE__, __LINE__);
        }
    }
    std::function<void(T*)> azione_;
    QTimer sonda_;
    QElapsedTimer limite_;
    bool eseguita_ = false;
};

// For a window test: answers the next message box with the button of a caption and keeps the
// texts and titles of the boxes it answered.
struct RisposteMessaggi {
    QStringList testi, titoli;
    std::unique_ptr<AlProssimoModale<QMessageBox>> risposta;

    void rispondi(const QString& pulsante) {
        risposta = std::make_unique<AlProssimoModale<QMessageBox>>([this, pulsante](QMessageBox* m) {
            testi << m->text();
            titoli << m->windowTitle();
            for (QAbstractButton* scelto : m->buttons())
                if (scelto->text() == pulsante) return scelto->click();
        });
    }
};

}  // namespace quadrivo::prova
