#pragma once
// Typing as the player does: every key goes to whichever widget has the focus by then.
#include <QApplication>
#include <QTest>

namespace quadrivo::prova {

inline QWidget* fuoco() { return QApplication::focusWidget(); }

inline void digitaNelFuoco(const char* testo) {
    for (const char* p = testo; *p; ++p) {
        QTest::keyClick(fuoco(), *p);
        QCoreApplication::processEvents();  // focus moves and selections are queued
    }
}

}  // namespace quadrivo::prova
