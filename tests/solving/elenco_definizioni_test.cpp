// The clue lists laid out inside a resize, and painted from kept pictures as Qt's own delegate paints.
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
    // The first entry's height and the scroll range now (the range first: the height runs a layout).
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
    // Read straight after the resize, where a layout left for the next paint shows the old range.
    void aResizeLaysTheEntriesOutAtOnce_data() {
        QTest::addColumn<QSize>("prima");
        QTest::addColumn<QSize>("dopo");
        QTest::newRow("narrower") << QSize(400, 300) << QSize(150, 300);
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

    // Each state painted from the kept pictures and by Qt's delegate: the same pixels, so a picture
    // never stands for another state (own black vs the palette's red, a width gone back to).
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
            [lista] { lista->item(2)->setText("3 Re"); },
            [colore] { colore(QPalette::Text, QColor(200, 0, 0)); },
            [lista] { lista->item(2)->setForeground(QBrush(Qt::black)); },
            [lista] { lista->item(2)->setForeground(QBrush()); },
            [&b] { b.pannello.resize(260, 360); },
            [lista] { lista->setFont(QFont(lista->font().family(), lista->font().pointSize() * 3 / 2)); },
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
        for (size_t n = 0; n < std::size(stati); ++n) {
            stati[n]();
            QTRY_VERIFY2(uguali(), qPrintable(QString("state %1").arg(n)));
        }
    }
};

QTEST_MAIN(ProvaElencoDefinizioni)
#include "elenco_definizioni_test.moc"
