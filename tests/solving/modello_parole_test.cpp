// The words' model behind a drop-down list: rows, texts, and a list replaced as a whole.
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QStyle>
#include <QSignalSpy>
#include <QTest>

#include "solving/gui/modello_parole.h"

using namespace quadrivo;

class ModelloParoleTest : public QObject {
    Q_OBJECT

private slots:
    void rowsShowTheWordsAndANewResultReplacesTheOldInOneReset() {
        QComboBox lista;
        ModelloParole* modello = ModelloParole::perLista(&lista);
        modello->imposta(ParoleTrovate(5, "MELAS\xC8LITE" "CASAS"));  // a Windows-1252 byte shows as È
        QCOMPARE(lista.count(), 3);
        QCOMPARE(lista.itemText(1), QString::fromUtf8("ÈLITE"));
        QCOMPARE(lista.findText("CASAS"), 2);
        QVERIFY(!modello->data(modello->index(3), Qt::DisplayRole).isValid());
        QCOMPARE(modello->rowCount(modello->index(0)), 0);  // a list: rows have no children
        lista.setCurrentIndex(1);
        QSignalSpy azzerato(modello, &QAbstractItemModel::modelReset);
        QSignalSpy inserite(modello, &QAbstractItemModel::rowsInserted);
        modello->imposta(ParoleTrovate(4, std::string(4 * 50000, 'A')));
        QCOMPARE(lista.count(), 50000);
        QCOMPARE(azzerato.count(), 1);
        QCOMPARE(inserite.count(), 0);
        // The drop-down opens below the box, without measuring every row first.
        lista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lista));
        QCOMPARE(lista.style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &lista), 0);
        lista.showPopup();
        QTRY_VERIFY(lista.view()->isVisible());
        QCOMPARE(lista.view()->indexAt(QPoint(2, 2)).data().toString(), QString("AAAA"));
        lista.hidePopup();
        modello->svuota();
        QCOMPARE(lista.count(), 0);
        QCOMPARE(lista.currentText(), QString());
    }
};

QTEST_MAIN(ModelloParoleTest)
#include "modello_parole_test.moc"
