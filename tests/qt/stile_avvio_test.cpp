// The application's style: the bars and docks a window is made of read no image file, so no
// image plug-in is loaded before the window is up, and each standard icon, once drawn, is the
// one the style would have given.
#include <QApplication>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "qt/stile_avvio.h"
#include "supporto/librerie.h"

using namespace quadrivo;

class ProvaStileAvvio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new StileAvvio(QApplication::style())); }

    // First: nothing before it may have drawn an icon.
    void barsAndDocksLoadNoImagePlugin() {
        QMainWindow finestra;
        finestra.menuBar()->addMenu("File");
        finestra.addToolBar(new QToolBar(&finestra));
        finestra.addDockWidget(Qt::RightDockWidgetArea, new QDockWidget("Chiave", &finestra));
        finestra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finestra));
        QCOMPARE(prova::mappata("imageformats/"), false);
    }

    void eachIconIsTheStylesOwn_data() {
        QTest::addColumn<int>("icona");
        QTest::newRow("toolbar overflow") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("dock close") << int(QStyle::SP_TitleBarCloseButton);
    }
    void eachIconIsTheStylesOwn() {
        QFETCH(int, icona);
        const auto sp = static_cast<QStyle::StandardPixmap>(icona);
        const auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
        QVERIFY(proxy);
        std::unique_ptr<QStyle> base(QStyleFactory::create(proxy->baseStyle()->name()));
        QVERIFY(base);
        const QIcon rinviata = QApplication::style()->standardIcon(sp);
        QCOMPARE(rinviata.pixmap(16, 16).toImage(), base->standardIcon(sp).pixmap(16, 16).toImage());
        QCOMPARE(rinviata.actualSize(QSize(64, 64)), base->standardIcon(sp).actualSize(QSize(64, 64)));
    }
};

QTEST_MAIN(ProvaStileAvvio)
#include "stile_avvio_test.moc"
