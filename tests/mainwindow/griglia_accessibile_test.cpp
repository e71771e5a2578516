// The grid as a screen reader finds it, on a drawing area holding the grid's view and nothing of
// the window around it: a table of the puzzle's cells, each named by what it holds, the focus on
// the cursor's cell and following a move, and a point of the screen leading to its cell.
#include <QAccessible>
#include <QtTest>

#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/vista_griglia.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaGrigliaAccessibile : public QObject {
    Q_OBJECT

    //   CASA#
    //   ALTO#
    //   NEVE#
    struct Banco : prova::BancoParte {
        VistaGriglia* vista = new VistaGriglia(sessione, area);
        QAccessibleInterface* griglia() const { return QAccessible::queryAccessibleInterface(area)->child(0); }
        QAccessibleTableInterface* tabella() const { return griglia()->tableInterface(); }
        // The text of the cell at row r, column c, counted from 0 as a reader counts them.
        QString testo(int r, int c, QAccessible::Text t = QAccessible::Name) const { return tabella()->cellAt(r, c)->text(t); }
        void disponi() {
            vista->setGeometry(0, 0, 600, 400);
            vista->disponi(AreaFinestra{600, 400, 0, 0}, {});
        }
    };

private slots:
    void initTestCase() { installaGrigliaAccessibile(); }

    void withoutAPuzzleTheTableIsEmptyAndHidden() {
        Banco b;
        QCOMPARE(b.griglia()->role(), QAccessible::Table);
        QCOMPARE(b.tabella()->rowCount(), 0);
        QCOMPARE(bool(b.griglia()->state().invisible), true);
    }

    void theTableHasThePuzzlesRowsAndColumns() {
        Banco b;
        b.apri();
        QCOMPARE(b.griglia()->text(QAccessible::Name), "Griglia del cruciverba");
        QCOMPARE(b.tabella()->rowCount(), 3);
        QCOMPARE(b.tabella()->columnCount(), 5);
        QCOMPARE(bool(b.griglia()->state().invisible), false);
    }

    void eachCellIsNamedByWhatItHolds_data() {
        QTest::addColumn<int>("riga");
        QTest::addColumn<int>("colonna");
        QTest::addColumn<QString>("nome");
        QTest::newRow("numerata") << 0 << 0 << "vuota, numero 1";
        QTest::newRow("scritta") << 1 << 1 << "L";
        QTest::newRow("vuota") << 1 << 2 << "vuota";
        QTest::newRow("nera") << 0 << 4 << "nera";
    }
    void eachCellIsNamedByWhatItHolds() {
        QFETCH(int, riga);
        QFETCH(int, colonna);
        Banco b;
        b.apri();
        QVERIFY(b.sessione.scrivi({Scrittura{2, 2, "L"}}));
        QTEST(b.testo(riga, colonna), "nome");
    }

    // The cursor's cell has the focus and says where it lies in its word; the focus follows a move.
    void theFocusIsTheCursorsCellAndFollowsAMove() {
        Banco b;
        b.apri();
        b.sessione.impostaPosizione({2, 1, Direzione::orizzontale});
        annunciaCellaCorrente(b.area);
        QCOMPARE(b.griglia()->focusChild(), b.tabella()->cellAt(0, 1));
        QCOMPARE(bool(b.tabella()->cellAt(0, 1)->state().focused), true);
        QCOMPARE(b.testo(0, 1, QAccessible::Description), "1 orizzontale, lettera 2 di 4");
        b.sessione.impostaPosizione({2, 2, Direzione::verticale});
        annunciaCellaCorrente(b.area);
        QCOMPARE(b.griglia()->focusChild(), b.tabella()->cellAt(1, 1));
        QCOMPARE(bool(b.tabella()->cellAt(0, 1)->state().focused), false);
        QCOMPARE(b.testo(1, 1, QAccessible::Description), "2 verticale, lettera 2 di 3");
    }

    // Any other cell tells the words that start there (this puzzle has no clues).
    void anotherCellTellsTheWordsStartingThere() {
        Banco b;
        b.apri();
        QCOMPARE(b.testo(0, 2, QAccessible::Description), "3 verticale, 3 lettere: nessuna definizione");
    }

    void aPointOnTheScreenLeadsToItsCell() {
        Banco b;
        b.apri();
        b.disponi();
        const QPoint centro = b.vista->mapToGlobal(b.vista->rettangoloCella({4, 3}).center());
        QCOMPARE(b.griglia()->childAt(centro.x(), centro.y()), b.tabella()->cellAt(2, 3));
        QCOMPARE(b.tabella()->cellAt(2, 3)->rect().center(), centro);
    }
};

QTEST_MAIN(ProvaGrigliaAccessibile)
#include "griglia_accessibile_test.moc"
