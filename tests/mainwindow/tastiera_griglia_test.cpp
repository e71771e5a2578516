// Solving by keyboard on its own: each key on the drawing area becomes the session's step, a
// shortcut's key is left to the menus, Esc leaves the word and Tab comes back to it, a click
// makes its word current, and the current word and cell are what the grid marks.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "model/impostazioni.h"
#include "supporto/parte.h"

using namespace quadrivo;

namespace {
Posizione o(int c, int r) { return {c, r, Direzione::orizzontale}; }
Posizione v(int c, int r) { return {c, r, Direzione::verticale}; }
}  // namespace

class ProvaTastieraGriglia : public QObject {
    Q_OBJECT

    //   CASA#
    //   ALTO#
    //   NEVE#
    struct Banco : prova::BancoMostrato {
        VistaGriglia* vista = new VistaGriglia(sessione, area);
        AspettoSchermo aspetto{area, sessione.impostazioni()};
        TastieraGriglia tastiera{sessione, sessione.impostazioni(), aspetto, area, *vista, &finestra};
        QMenu opzioni;
        QAction matita{"Matita"};
        Banco() {
            tastiera.creaVoci(&opzioni, &matita, nullptr);
            apri();
            vista->setGeometry(0, 0, 600, 400);
            vista->disponi(AreaFinestra{600, 400, 0, 0}, {});
            tastiera.impostaPosizione(o(1, 1));
            QTRY_VERIFY(area->hasFocus());
        }
        std::string voce(int c, int r) const { return sessione.cruciverba().cella(c, r).voce; }
        QPointF centro(int c, int r) const { return QRectF(vista->rettangoloCella({c, r})).center(); }
    };

private slots:
    void eachKeyIsASessionStep_data() {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<Posizione>("dopo");
        QTest::newRow("destra") << int(Qt::Key_Right) << o(2, 1);
        QTest::newRow("giù") << int(Qt::Key_Down) << v(1, 2);
        QTest::newRow("spazio") << int(Qt::Key_Space) << v(1, 1);
        QTest::newRow("tab") << int(Qt::Key_Tab) << o(1, 2);
        QTest::newRow("tab indietro") << int(Qt::Key_Backtab) << v(4, 1);
    }
    void eachKeyIsASessionStep() {
        QFETCH(int, tasto);
        Banco b;
        QTest::keyClick(b.area, static_cast<Qt::Key>(tasto));
        QTEST(b.sessione.posizione(), "dopo");
    }

    void aLetterIsWrittenAndTheCursorMovesOn() {
        Banco b;
        QTest::keyClicks(b.area, "cb");
        QCOMPARE(b.voce(1, 1), "C");
        QCOMPARE(b.voce(2, 1), "B");
        QCOMPARE(b.sessione.posizione(), o(3, 1));
        QTest::keyClick(b.area, Qt::Key_Backspace);
        QCOMPARE(b.voce(2, 1), "");
    }

    // Ctrl+C is a check, never a C.
    void aShortcutsKeyIsLeftToTheMenus() {
        Banco b;
        QTest::keyClick(b.area, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(b.voce(1, 1), "");
    }

    // Esc leaves no word current and typing writes nothing; Tab goes back where the player was.
    void escLeavesTheWordAndTabComesBack() {
        Banco b;
        QTest::keyClick(b.area, Qt::Key_Right);
        QTest::keyClick(b.area, Qt::Key_Escape);
        QCOMPARE(b.sessione.posizione().valida(), false);
        QTest::keyClicks(b.area, "x");
        QCOMPARE(b.voce(2, 1), "");
        QTest::keyClick(b.area, Qt::Key_Tab);
        QCOMPARE(b.sessione.posizione(), o(2, 1));
    }

    void aPausedGridTakesNoLetter() {
        Banco b;
        b.sessione.impostaPausa(true);
        QTest::keyClicks(b.area, "c");
        QCOMPARE(b.voce(1, 1), "");
    }

    void aClickMakesItsWordCurrent() {
        Banco b;
        QSignalSpy presa(&b.tastiera, &TastieraGriglia::parolaPresa);
        QCOMPARE(b.tastiera.clic(Qt::LeftButton, b.centro(3, 3).x(), b.centro(3, 3).y()), true);
        QCOMPARE(b.sessione.posizione().colonna, 3);
        QCOMPARE(b.sessione.posizione().riga, 3);
        QCOMPARE(presa.size(), 1);
        QCOMPARE(b.tastiera.clic(Qt::LeftButton, 599, 399), false);  // outside the grid
    }

    // The grid marks the current word, and the cursor's cell within it.
    void theCurrentWordAndCellAreMarked() {
        Banco b;
        const std::map<Casella, std::uint8_t> segni = b.tastiera.decorazioni().segni;
        QCOMPARE(segni.size(), size_t{4});
        QCOMPARE(segni.at({1, 1}), std::uint8_t(segnoParolaCorrente | segnoCasellaCorrente));
        QCOMPARE(segni.at({4, 1}), std::uint8_t(segnoParolaCorrente));
    }

    // The pencil comes from its item; skipping full words is kept for the next start.
    void theOptionsItemsSetTheirMode() {
        Banco b;
        b.matita.trigger();
        QCOMPARE(b.sessione.matita(), true);
        b.opzioni.findChild<QAction*>("azioneSaltaComplete")->trigger();
        QCOMPARE(b.sessione.impostazioni().opzione("soluzione/saltaParoleComplete", false).toBool(), true);
    }
};

QTEST_MAIN(ProvaTastieraGriglia)
#include "tastiera_griglia_test.moc"
