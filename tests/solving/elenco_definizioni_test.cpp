// The clue lists as a resize meets them: their entries laid out for a new width inside the
// resize itself, left alone by a new height, and measured again when the clue or the font
// they were measured with changes. Qt's own delegate is the reference for every height.
#include <QListWidget>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QtTest>

#include "solving/gui/pannello_definizioni.h"

using namespace quadrivo;

namespace {

const char* const lunga = "Abitazione con un giardino e un lungo viale d'ingresso alberato, lontano dal paese";

// A shown clue panel at `dimensione`, its across list holding `voci` long clues.
struct Banco {
    PannelloDefinizioni pannello;
    QListWidget* lista = nullptr;
    explicit Banco(QSize dimensione, int voci = 30) {
        pannello.resize(dimensione);
        lista = pannello.findChild<QListWidget*>("ListaOrizzontali");
        for (int i = 0; i < voci; ++i) new QListWidgetItem(QString("%1 %2").arg(i + 1).arg(lunga), lista);
        pannello.show();
    }
    // The first entry's height and the scroll range as the list has them now; the range first,
    // as asking for an entry's place runs a layout left pending.
    std::pair<int, int> ora() const {
        const int massimo = lista->verticalScrollBar()->maximum();
        return {lista->visualItemRect(lista->item(0)).height(), massimo};
    }
    // The same once Qt's own delegate has laid the entries out afresh.
    std::pair<int, int> attese() {
        QAbstractItemDelegate* nostro = lista->itemDelegate();
        QStyledItemDelegate semplice;
        lista->setItemDelegate(&semplice);
        lista->doItemsLayout();
        const std::pair<int, int> a = ora();
        lista->setItemDelegate(nostro);
        lista->doItemsLayout();
        return a;
    }
};

}  // namespace

class ProvaElencoDefinizioni : public QObject {
    Q_OBJECT

private slots:
    // Read straight after the resize: a layout left for the next paint would show the old
    // width's range there. A new height alone keeps the entries; the scroll range follows.
    void aResizeLaysTheEntriesOutAtOnce_data() {
        QTest::addColumn<QSize>("prima");
        QTest::addColumn<QSize>("dopo");
        QTest::newRow("narrower") << QSize(400, 300) << QSize(150, 300);
        QTest::newRow("wider") << QSize(150, 300) << QSize(400, 300);
        QTest::newRow("a little wider") << QSize(220, 300) << QSize(300, 300);
        QTest::newRow("a little narrower") << QSize(300, 300) << QSize(220, 300);
        QTest::newRow("taller") << QSize(300, 350) << QSize(300, 500);
        QTest::newRow("shorter") << QSize(300, 350) << QSize(300, 200);
    }
    void aResizeLaysTheEntriesOutAtOnce() {
        QFETCH(QSize, prima);
        QFETCH(QSize, dopo);
        Banco b(prima);
        QVERIFY(QTest::qWaitForWindowExposed(&b.pannello));
        const auto primaDelCambio = b.ora();
        b.pannello.resize(dopo);
        const auto subito = b.ora();
        const auto attese = b.attese();
        QCOMPARE(subito.first, attese.first);
        QCOMPARE(subito.second, attese.second);
        QCOMPARE_NE(subito.second, primaDelCambio.second);
        if (dopo.width() == prima.width()) QCOMPARE(subito.first, primaDelCambio.first);
    }

    // A height kept for one width comes back with it, a window toggled between two sizes.
    void bothWidthsOfAToggledWindowKeepTheirHeights() {
        Banco b(QSize(400, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&b.pannello));
        std::vector<int> altezze;
        for (const int larghezza : {400, 150, 400, 150}) {
            b.pannello.resize(larghezza, 300);
            altezze.push_back(b.ora().first);
            QCOMPARE(altezze.back(), b.attese().first);
        }
        QCOMPARE_GT(altezze[1], altezze[0]);
        QCOMPARE(altezze[2], altezze[0]);
        QCOMPARE(altezze[3], altezze[1]);
    }

    // What the kept heights were measured with changes: the entries are measured again.
    void anotherClueOrFontIsMeasuredAgain_data() {
        QTest::addColumn<int>("cambio");
        QTest::newRow("a short clue") << 0;
        QTest::newRow("a longer clue") << 1;
        QTest::newRow("a larger font") << 2;
        QTest::newRow("a smaller font") << 3;
    }
    void anotherClueOrFontIsMeasuredAgain() {
        QFETCH(int, cambio);
        Banco b(QSize(220, 300));
        QVERIFY(QTest::qWaitForWindowExposed(&b.pannello));
        const int prima = b.ora().first;
        QFont f = b.lista->font();
        switch (cambio) {
        case 0: b.lista->item(0)->setText("1 Re"); break;
        case 1: b.lista->item(0)->setText(QString("1 %1, oltre il ponte vecchio sul fiume").arg(lunga)); break;
        case 2: f.setPointSizeF(f.pointSizeF() * 1.6), b.lista->setFont(f); break;
        case 3: f.setPointSizeF(f.pointSizeF() * 0.6), b.lista->setFont(f); break;
        }
        QTRY_COMPARE_NE(b.ora().first, prima);
        QCOMPARE(b.ora().first, b.attese().first);
    }

    // An entry told to be black and one left in the palette's text colour (red here) are two
    // pictures: the one kept for either must not stand for the other.
    void anEntrysOwnBlackIsNotThePalettesText_data() {
        QTest::addColumn<bool>("neraPrima");
        QTest::newRow("none, then black") << false;
        QTest::newRow("black, then none") << true;
    }
    void anEntrysOwnBlackIsNotThePalettesText() {
        QFETCH(bool, neraPrima);
        Banco b(QSize(220, 300), 3);
        QPalette p = b.lista->palette();
        for (const auto gruppo : {QPalette::Active, QPalette::Inactive}) p.setColor(gruppo, QPalette::Text, QColor(200, 0, 0));
        b.lista->setPalette(p);
        QVERIFY(QTest::qWaitForWindowExposed(&b.pannello));
        QAbstractItemDelegate* nostro = b.lista->itemDelegate();
        QStyledItemDelegate semplice;
        for (const bool nera : {neraPrima, !neraPrima}) {
            b.lista->item(0)->setForeground(nera ? QBrush(Qt::black) : QBrush());
            const QImage kept = b.lista->viewport()->grab().toImage();
            b.lista->setItemDelegate(&semplice);
            const QImage plain = b.lista->viewport()->grab().toImage();
            b.lista->setItemDelegate(nostro);
            QCOMPARE(kept, plain);
        }
    }
};

QTEST_MAIN(ProvaElencoDefinizioni)
#include "elenco_definizioni_test.moc"
