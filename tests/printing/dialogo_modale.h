#pragma once
// Drives the modal dialogs a command opens: the test cannot click them from its own code path
// while exec() runs, so a timer looks for the dialog until it is up.
#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace quadrivo::prova {

// Runs `azione` on the next modal dialog as soon as it is shown (within about ten seconds).
template <typename F>
void conIlProssimoDialogo(F azione, int tentativi = 200) {
    QTimer::singleShot(50, [azione, tentativi] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            azione(d);
        else if (tentativi > 0)
            conIlProssimoDialogo(azione, tentativi - 1);
    });
}

}  // namespace quadrivo::prova
