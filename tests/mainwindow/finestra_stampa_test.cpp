// The print preview on the real main window, on a 1024x768 screen: what it hides, where it
// draws the page, its zoom, how it ends.
#include <QDialog>
#include <QScrollBar>
#include <QtTest>

#include "printing/gui/anteprima.h"
#include "printing/pagina.h"
#include "supporto/finestre.h"
#include "supporto/schermo.h"

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
        // The preview's button in place of the Utilità menu, or the other way round.
        const auto anteprima = [&](bool attesa) {
            QCOMPARE(f.sessione().modo() == ModoVista::anteprima, attesa);
            QCOMPARE(chiudi->isVisible(), attesa);
            QCOMPARE(util->isVisible(), !attesa);
        };

        const QColor chiaro(Qt::white), bordo(128, 0, 0);
        f.mostraAnteprima();
        // The white page and its dark-red border, where the page's layout puts them.
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QVERIFY(vista);
        QCOMPARE(vista->isVisible(), true);
        const FoglioAnteprima foglio = vista->posa().fogli.at(0);
        const int x = int(foglio.x), y = int(foglio.y);
        QCOMPARE(std::pair(prova::pixel(*vista->fogli(), x + 4, y + 4), prova::pixel(*vista->fogli(), x - 1, y + 40)),
                 std::pair(chiaro, bordo));
        const Posizione prima = b.pos();
        b.clic(b.cella(1, 2));  // the grid does not react to the mouse meanwhile
        anteprima(true);
        QCOMPARE(b.pos(), prima);
        QTest::mouseClick(chiudi, Qt::LeftButton);
        anteprima(false);  // and the screen grid is back
        const int gx = b.griglia().x0, gy = b.griglia().y0 + 5;
        const auto cornice = [&] { return std::pair(b.pixel(gx - 1, gy), b.pixel(gx - 3, gy)); };
        QCOMPARE(cornice(), std::pair(chiaro, bordo));

        // Esc closes it as well.
        f.mostraAnteprima();
        anteprima(true);
        QTest::keyClick(&f, Qt::Key_Escape);
        QTRY_COMPARE(f.sessione().modo(), ModoVista::griglia);
        anteprima(false);

        // Printing from the toolbar closes the preview too; the print dialog is cancelled once it is up.
        f.mostraAnteprima();
        anteprima(true);
        prova::AlProssimoModale<QDialog> annulla([](QDialog* d) { d->reject(); });
        prova::premi(&f, "pulsanteStampa");
        QVERIFY(annulla.eseguita());
        QTRY_COMPARE(f.sessione().modo(), ModoVista::griglia);
        anteprima(false);
        QCOMPARE(cornice(), std::pair(chiaro, bordo));
    }

    void previewReadableAt1024x768WithAZoomThatNeverLaysTheSheetsOutAgain() {
        prova::BancoFinestra<> b(std::string(408, '\0'));
        QVERIFY(b.apri(prova::fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#"})));
        FinestraPrincipale& f = *b.f;
        QTRY_VERIFY(f.width() > 1000);  // maximised on the screen
        QVERIFY(f.width() <= 1024);
        const auto lato = b.griglia().lato;
        f.mostraAnteprima();
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QVERIFY(vista);
        QCOMPARE(vista->isVisible(), true);
        QTRY_VERIFY(prova::fuocoDentro(vista));
        QScrollBar *barraGiu = vista->verticalScrollBar(), *barraLato = vista->horizontalScrollBar();
        // The paper's true size: the lists' 9 points are 12 pixels; one sheet across, scrolled down.
        const double vera = vista->logicalDpiY() / 72.0;
        QCOMPARE(vista->scala(), vera);
        QVERIFY(vista->scala() * puntiElenchiMinimi >= 12);
        QTRY_COMPARE(barraGiu->isVisible(), true);
        QCOMPARE(barraLato->isVisible(), false);
        QCOMPARE(vista->posa().fogli.size(), size_t(1));
        QVERIFY(vista->posa().fogli[0].x >= 0);
        QVERIFY(vista->posa().fogli[0].x + vista->posa().fogli[0].larghezza <= vista->viewport()->width());

        // Ctrl+plus: larger, scrolled both ways; Ctrl+minus back and then down to the whole sheet.
        b.tasto(Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 1.25 * vera);
        QTRY_COMPARE(barraLato->isVisible(), true);
        QCOMPARE(barraGiu->isVisible(), true);
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vera);
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 0.75 * vera);
        b.tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vista->scalaIntera());
        QTRY_COMPARE(barraGiu->isVisible(), false);
        QTRY_COMPARE(barraLato->isVisible(), false);
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

QUADRIVO_MAIN_1024X768(ProvaStampaFinestra)

#include "finestra_stampa_test.moc"
