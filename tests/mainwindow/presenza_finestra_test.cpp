// The window's caption and state on their own: the caption names the grid once one is drawn, the
// unsaved mark follows the document, and what holds the window holds the clock.
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/presenza_finestra.h"
#include "model/griglia.h"
#include "solving/cronometro.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaPresenzaFinestra : public QObject {
    Q_OBJECT

    struct Banco : prova::BancoParte {
        bool pausaFuori = true;
        PresenzaFinestra presenza{sessione, &finestra, [this] { return pausaFuori; }};
        bool ferma(Sosta s) const { return sessione.partita().cronometro().sospeso(s); }
    };

private slots:
    void theCaptionNamesTheGridOnceOneIsDrawn() {
        Banco b;
        b.finestra.setWindowTitle("Quadrivo");
        b.apri();
        QCOMPARE(b.finestra.windowTitle(), "Quadrivo");
        b.presenza.grigliaDisegnata();
        QCOMPARE(b.finestra.windowTitle(), "[*]" + QString::fromStdString(titoloGriglia(b.sessione.documento())));
    }

    void theUnsavedMarkFollowsTheDocument() {
        Banco b;
        b.apri();
        b.presenza.grigliaDisegnata();
        QCOMPARE(b.finestra.isWindowModified(), false);
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        QCOMPARE(b.finestra.isWindowModified(), true);
        b.sessione.storia().undo();
        QCOMPARE(b.finestra.isWindowModified(), false);
    }

    // A disabled window (the open dialog) holds the clock as a modal dialog does.
    void aDisabledWindowHoldsTheClock() {
        Banco b;
        b.apri();
        b.finestra.setEnabled(false);
        QCOMPARE(b.ferma(Sosta::dialogo), true);
        b.finestra.setEnabled(true);
        QCOMPARE(b.ferma(Sosta::dialogo), false);
    }

    void theFirstShowIsToldOnceItsEventsSettle() {
        Banco b;
        QSignalSpy mostrata(&b.presenza, &PresenzaFinestra::primaVoltaMostrata);
        b.finestra.show();
        b.finestra.hide();
        b.finestra.show();
        QCOMPARE(mostrata.size(), 0);
        b.smaltisci();
        QCOMPARE(mostrata.size(), 1);
    }
};

QTEST_MAIN(ProvaPresenzaFinestra)
#include "presenza_finestra_test.moc"
