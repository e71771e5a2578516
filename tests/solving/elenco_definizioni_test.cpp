// The clue lists as a resize meets them: their entries laid out for a new width inside the
// resize itself, and painted from their kept pictures exactly as Qt's own delegate paints them,
// whatever changed since the pictures were kept.
#include <QListWidget>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QtTest>
#include <functional>

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
        QTest::newRow("a little wider") << QSize(220, 300) << QSize(300, 300);
        QTest::newRow("taller") << QSize(300, 350) << QSize(300, 500);
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

    // Each state is painted twice, from the kept pictures and by Qt's own delegate, once the list
    // has taken the change in: the same pixels, and a picture kept for one state never stands for
    // another (an entry told to be black is not one in the palette's red text, a width gone back
    // to is measured as before).
    void theListPaintsAsAPlainListDoes() {
        Banco b(QSize(200, 360), 3);
        QVERIFY(QTest::qWaitForWindowExposed(&b.pannello));
        QListWidget* lista = b.lista;
        const auto colore = [lista](QPalette::ColorRole ruolo, QColor c) {
            QPalette p = lista->palette();
            for (const auto gruppo : {QPalette::Active, QPalette::Inactive}) p.setColor(gruppo, ruolo, c);
            lista->setPalette(p);
        };
        const std::function<void()> stati[] = {
            [] {},
            [lista] { lista->item(1)->setForeground(QColor(128, 128, 128)); },
            [lista] { lista->setCurrentRow(0); },
            [lista] { lista->item(1)->setForeground(QBrush()); },
            [lista] { lista->item(2)->setText("3 Re"); },
            [colore] { colore(QPalette::Text, QColor(200, 0, 0)); },
            [lista] { lista->item(2)->setForeground(QBrush(Qt::black)); },
            [lista] { lista->item(2)->setForeground(QBrush()); },
            [&b] { b.pannello.resize(260, 360); },
            [lista] {
                QFont f = lista->font();
                f.setPointSizeF(f.pointSizeF() * 1.5);
                lista->setFont(f);
            },
            [colore] { colore(QPalette::Highlight, QColor(200, 40, 40)); },
            [&b] { b.pannello.resize(200, 360); },
        };
        QAbstractItemDelegate* nostro = lista->itemDelegate();
        QStyledItemDelegate semplice;
        const auto uguali = [&] {
            const QImage kept = lista->viewport()->grab().toImage();
            lista->setItemDelegate(&semplice);
            const QImage plain = lista->viewport()->grab().toImage();
            lista->setItemDelegate(nostro);
            return kept == plain;
        };
        int n = 0;
        for (const auto& stato : stati) {
            stato();
            QTRY_VERIFY2(uguali(), qPrintable(QString("state %1").arg(n)));
            ++n;
        }
    }
};

QTEST_MAIN(ProvaElencoDefinizioni)
#include "elenco_definizioni_test.moc"
