// The print preview on the real main window, on a 1024x768 screen: what it hides, where it
// draws the page, its zoom, how it ends.
#include <QDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "printing/gui/anteprima.h"
#include "printing/pagina.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ProvaStampaFinestra : public QObject {
    Q_OBJECT

private slots:
    void previewClosesByItsButtonAndByPrinting() {
        prova::BancoFinestra<> b(std::string(408, '\0'));
        QVERIFY(b.apri(prova::fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#"})));
        FinestraPrincipale& f = *b.f;
        auto* chiudi = prova::figlio<QPushButton>(&f, "chiudiAnteprima");
        QAction* util = prova::figlio<QMenu>(&f, "menuUtilita")->menuAction();
        auto anteprima = [&](bool attesa) {
            return chiudi->isVisible() == attesa && util->isVisible() == !attesa &&
                   (f.sessione().modo() == ModoVista::anteprima) == attesa;
        };

        const QColor chiaro(Qt::white), bordo(128, 0, 0);
        f.mostraAnteprima();
        // The white page and its dark-red border, where the page's layout puts them.
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QVERIFY(vista && vista->isVisible());
        const FoglioAnteprima foglio = vista->posa().fogli.at(0);
        const int x = int(foglio.x), y = int(foglio.y);
        QCOMPARE(std::pair(prova::pixel(*vista->fogli(), x + 4, y + 4), prova::pixel(*vista->fogli(), x - 1, y + 40)),
                 std::pair(chiaro, bordo));
        const Posizione prima = b.pos();
        b.clic(b.cella(1, 2));  // the grid does not react to the mouse meanwhile
        QVERIFY(anteprima(true) && b.pos() == prima);
        QTest::mouseClick(chiudi, Qt::LeftButton);
        QVERIFY(anteprima(false));  // and the screen grid is back
        const int gx = b.griglia().x0, gy = b.griglia().y0 + 5;
        const auto cornice = [&] { return std::pair(b.pixel(gx - 1, gy), b.pixel(gx - 3, gy)); };
        QCOMPARE(cornice(), std::pair(chiaro, bordo));

        // Esc closes it as well.
        f.mostraAnteprima();
        QVERIFY(anteprima(true));
        QTest::keyClick(&f, Qt::Key_Escape);
        QTRY_VERIFY(anteprima(false));

        // Printing from the toolbar closes the preview too; the print dialog is cancelled once it is up.
        f.mostraAnteprima();
        QVERIFY(anteprima(true));
        prova::AlProssimoModale<QDialog> annulla([](QDialog* d) { d->reject(); });
        prova::premi(&f, "pulsanteStampa");
        QVERIFY(annulla.eseguita());
        QTRY_VERIFY(anteprima(false));
        QCOMPARE(cornice(), std::pair(chiaro, bordo));
    }

    void previewReadableAt1024x768WithAZoomThatNeverLaysTheSheetsOutAgain() {
        prova::BancoFinestra<> b(std::string(408, '\0'));
        QVERIFY(b.apri(prova::fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#"})));
        FinestraPrincipale& f = *b.f;
        QTRY_VERIFY(f.width() > 1000 && f.width() <= 1024);  // maximised on the screen
        const auto lato = b.griglia().lato;
        f.mostraAnteprima();
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QVERIFY(vista && vista->isVisible());
        QTRY_VERIFY(prova::fuocoDentro(vista));
        QScrollBar *barraGiu = vista->verticalScrollBar(), *barraLato = vista->horizontalScrollBar();
        // The paper's true size: the lists' 9 points are 12 pixels; one sheet across, scrolled down.
        const double vera = vista->logicalDpiY() / 72.0;
        QCOMPARE(vista->scala(), vera);
        QVERIFY(vista->scala() * puntiElenchiMinimi >= 12);
        QTRY_VERIFY(barraGiu->isVisible() && !barraLato->isVisible());
        QCOMPARE(vista->posa().fogli.size(), size_t(1));
        QVERIFY(vista->posa().fogli[0].x >= 0 && vista->posa().fogli[0].x + vista->posa().fogli[0].larghezza <= vista->viewport()->width());

        // Ctrl+plus: larger, scrolled both ways; Ctrl+minus back and then down to the whole sheet.
        b.tasto(Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 1.25 * vera);
        QTRY_VERIFY(barraGiu->isVisible() && barraLato->isVisible());
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vera);
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 0.75 * vera);
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vista->scalaIntera());
        QTRY_VERIFY(!barraGiu->isVisible() && !barraLato->isVisible());
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);  // no smaller than whole
        QCOMPARE(vista->scala(), vista->scalaIntera());
        // Ctrl and the wheel zoom as well; Ctrl+0 gives the opening size back.
        QWheelEvent rotella(QPointF(50, 50), vista->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton,
                            Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(vista->viewport(), &rotella);
        QTRY_COMPARE(vista->scala(), 0.75 * vera);
        b.tasto(Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vera);
        QCOMPARE(vista->impaginazioni(), 1);

        // The grid's own zoom stayed; opening the preview again scales the same sheets.
        QTest::mouseClick(prova::figlio<QPushButton>(&f, "chiudiAnteprima"), Qt::LeftButton);
        QTRY_VERIFY(!vista->isVisible());
        QCOMPARE(b.griglia().lato, lato);
        f.mostraAnteprima();
        QCOMPARE(vista->scala(), vera);
        QCOMPARE(vista->impaginazioni(), 1);
    }
};

int main(int argc, char** argv) {
    // A 1024x768 screen, the smallest the preview must be readable on.
    QTemporaryDir cartella;
    QFile schermo(cartella.path() + "/schermo.json");
    if (!schermo.open(QIODevice::WriteOnly)) return 1;
    schermo.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1024, "height": 768,
                                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    schermo.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + schermo.fileName()).toUtf8());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    ProvaStampaFinestra prova;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&prova, argc, argv);
}

#include "finestra_stampa_test.moc"
