#include <QApplication>
#include <QDialog>
#include <QtTest>

#include "mainwindow/gui/form1.h"
#include "printing/pagina.h"
#include "supporto/finestre.h"
#include "supporto/schema.h"

using namespace quadrivo;

class ProvaForm1Stampa : public QObject {
    Q_OBJECT

private slots:
    void previewClosesByItsButtonAndByPrinting() {
        prova::CartellaTemporanea dir;
        dir.scrivi("LessicoItaliano.dat", std::string(408, '\0'));
        const std::string schema = dir.scrivi("prova.trmo", prova::fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#"}));
        Stato s;
        s.cartellaProgramma = dir.percorso();
        PiattaformaQt piattaforma;
        Form1 f(s, piattaforma, schema);
        f.show();
        QTRY_COMPARE(s.grigliaAttiva, std::int16_t(1));
        auto pixel = [&](double x, double y) {
            return f.area()->immagine().pixelColor((QPointF(x, y) * f.area()->immagine().devicePixelRatio()).toPoint());
        };
        auto chiudi = prova::figlio<QPushButton>(&f, "Command3d15");
        auto util = prova::figlio<QMenu>(&f, "MenuUtil")->menuAction();

        f.MenuAnteprima_Click();
        QVERIFY(chiudi->isVisible() && !util->isVisible() && s.grigliaAttiva == -1);
        const GeometriaPagina g = geometriaAnteprima(s, f.areaFinestra());
        const double alto = f.areaFinestra().altezzaToolbar;
        QCOMPARE(pixel(g.sinistraPagina + 4, alto + 4), QColor(Qt::white));
        QCOMPARE(pixel(g.sinistraPagina, alto + 40), QColor(128, 0, 0));
        QTest::mouseClick(chiudi, Qt::LeftButton);
        QVERIFY(!chiudi->isVisible() && util->isVisible() && s.grigliaAttiva == 1);
        QCOMPARE(pixel(s.xGriglia - 1, s.yGriglia + 5), QColor(Qt::white));  // the screen grid's frame is back

        // Printing from the toolbar closes the preview too; the print dialog is cancelled once it is up.
        f.MenuAnteprima_Click();
        QVERIFY(chiudi->isVisible());
        prova::AlProssimoModale<QDialog> annulla([](QDialog* d) { d->reject(); });
        f.Toolbar1_ButtonClick("Stampa");
        QVERIFY(annulla.eseguita());
        QTRY_COMPARE(s.grigliaAttiva, std::int16_t(1));
        QVERIFY(!chiudi->isVisible() && util->isVisible());
        QCOMPARE(pixel(s.xGriglia - 3, s.yGriglia + 5), QColor(128, 0, 0));
    }
};

QTEST_MAIN(ProvaForm1Stampa)
#include "form1_stampa_test.moc"
