// The print preview on the real main window: what it hides, where it draws the page, how it ends.
#include <QDialog>
#include <QtTest>

#include "printing/pagina.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ProvaForm1Stampa : public QObject {
    Q_OBJECT

private slots:
    void previewClosesByItsButtonAndByPrinting() {
        prova::BancoFinestra<> b(std::string(408, '\0'));
        QVERIFY(b.apri(prova::fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#"})));
        Form1& f = *b.f;
        auto* chiudi = prova::figlio<QPushButton>(&f, "Command3d15");
        QAction* util = prova::figlio<QMenu>(&f, "MenuUtil")->menuAction();
        auto anteprima = [&](bool attesa) {
            return chiudi->isVisible() == attesa && util->isVisible() == !attesa &&
                   (f.sessione().modo() == ModoVista::anteprima) == attesa;
        };

        const QColor chiaro(Qt::white), bordo(128, 0, 0);
        f.MenuAnteprima_Click();
        // The white page and its dark-red grid frame, where the page's layout puts them.
        const FoglioAnteprima foglio = posaAnteprima(f.areaFinestra(), {}, 1).fogli[0];
        const int x = int(foglio.x), y = int(foglio.y);
        QCOMPARE(std::pair(b.pixel(x + 4, y + 4), b.pixel(x - 1, y + 40)), std::pair(chiaro, bordo));
        const Posizione prima = b.pos();
        b.clic(b.cella(1, 2));  // the grid does not react to the mouse meanwhile
        QVERIFY(anteprima(true) && b.pos() == prima);
        QTest::mouseClick(chiudi, Qt::LeftButton);
        QVERIFY(anteprima(false));  // and the screen grid is back
        const int gx = b.stato.xGriglia, gy = b.stato.yGriglia + 5;
        const auto cornice = [&] { return std::pair(b.pixel(gx - 1, gy), b.pixel(gx - 3, gy)); };
        QCOMPARE(cornice(), std::pair(chiaro, bordo));

        // Esc closes it as well.
        f.MenuAnteprima_Click();
        QVERIFY(anteprima(true));
        QTest::keyClick(&f, Qt::Key_Escape);
        QTRY_VERIFY(anteprima(false));

        // Printing from the toolbar closes the preview too; the print dialog is cancelled once it is up.
        f.MenuAnteprima_Click();
        QVERIFY(anteprima(true));
        prova::AlProssimoModale<QDialog> annulla([](QDialog* d) { d->reject(); });
        f.Toolbar1_ButtonClick("Stampa");
        QVERIFY(annulla.eseguita());
        QTRY_VERIFY(anteprima(false));
        QCOMPARE(cornice(), std::pair(chiaro, bordo));
    }
};

QTEST_MAIN(ProvaForm1Stampa)
#include "form1_stampa_test.moc"
