// Printing's part on its own: a real session on a puzzle, a bare window and its drawing area.
#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/comandi_stampa.h"
#include "qt/area_disegno.h"
#include "sessione/sessione.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ProvaComandiStampa : public QObject {
    Q_OBJECT

    struct Banco {
        prova::CartellaTemporanea dir;
        Stato stato;
        PiattaformaQt piattaforma;
        QWidget finestra;
        AreaDisegno* area = new AreaDisegno(&finestra);
        Sessione sessione{stato, piattaforma, dir.percorso("partite")};
        ComandiStampa stampa{stato, sessione, piattaforma, area, &finestra};

        explicit Banco(bool schema) {
            stato.cartelle.programma = dir.percorso();
            area->resize(600, 400);
            finestra.show();
            finestra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&finestra));  // Esc is a shortcut of the active window
            if (schema)
                QCOMPARE(sessione.apri(dir.scrivi("p.trmo", prova::fileTrmo({"CASA#", "ALTO#", "NEVE#"}, {}, {}))),
                         EsitoApertura::ok);
        }
        bool chiudiVisibile() const { return stampa.pulsanteChiudi()->isVisible(); }
    };

private slots:
    // Without a puzzle there is nothing to preview: the grid mode stays.
    void noPreviewWithoutAPuzzle() {
        Banco b(false);
        b.stampa.mostraAnteprima();
        QVERIFY(b.sessione.modo() != ModoVista::anteprima);
        QCOMPARE(b.chiudiVisibile(), false);
    }

    // The preview shows its close button and takes the zoom keys; Esc gives the grid back.
    void escClosesThePreview() {
        Banco b(true);
        QSignalSpy chiusa(&b.stampa, &ComandiStampa::anteprimaChiusa);
        b.stampa.mostraAnteprima();
        QCOMPARE(b.sessione.modo(), ModoVista::anteprima);
        QTRY_VERIFY(b.chiudiVisibile());
        QCOMPARE(b.stampa.zoom(1), true);
        QTest::keyClick(&b.finestra, Qt::Key_Escape);
        QTRY_COMPARE(b.sessione.modo(), ModoVista::griglia);
        QCOMPARE(b.chiudiVisibile(), false);
        QCOMPARE(chiusa.size(), 1);
        QCOMPARE(b.stampa.zoom(1), false);
    }

    // Esc belongs to the grid's keys while no preview is shown.
    void escIsFreeInTheGrid() {
        Banco b(true);
        QSignalSpy chiusa(&b.stampa, &ComandiStampa::anteprimaChiusa);
        QTest::keyClick(&b.finestra, Qt::Key_Escape);
        QCOMPARE(chiusa.size(), 0);
    }
};

QTEST_MAIN(ProvaComandiStampa)
#include "comandi_stampa_test.moc"
