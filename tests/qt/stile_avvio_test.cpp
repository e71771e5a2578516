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
#include <cstring>
#include <link.h>
#include <memory>

#include "qt/stile_avvio.h"

using namespace quadrivo;

namespace {

// Whether a library whose file name holds `nome` is mapped into this process.
bool mappata(const char* nome) {
    struct Cerca {
        const char* nome;
        bool trovata = false;
    } cerca{nome};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* dati) {
            auto* c = static_cast<Cerca*>(dati);
            if (info->dlpi_name && std::strstr(info->dlpi_name, c->nome)) c->trovata = true;
            return 0;
        },
        &cerca);
    return cerca.trovata;
}

}  // namespace

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
        QCOMPARE(mappata("imageformats/"), false);
    }

    void eachIconIsTheStylesOwn_data() {
        QTest::addColumn<int>("icona");
        QTest::newRow("toolbar overflow") << int(QStyle::SP_ToolBarVerticalExtensionButton);
        QTest::newRow("dock close") << int(QStyle::SP_TitleBarCloseButton);
        QTest::newRow("warning") << int(QStyle::SP_MessageBoxWarning);
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
