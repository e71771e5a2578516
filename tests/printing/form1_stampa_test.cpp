#include <QApplication>
#include <QTimer>
#include <QtTest>

#include "dialogo_modale.h"
#include "mainwindow/form1.h"
#include "model/cruciverba.h"
#include "model/impostazioni.h"
#include "printing/pagina.h"
#include "printing/settaggi.h"
#include "supporto/schema.h"

using namespace quadrivo;
using namespace quadrivo::prova;

class ProvaForm1Stampa : public QObject {
    Q_OBJECT

    CartellaTemporanea dir_;
    Stato stato_;
    PiattaformaQt piattaforma_;
    std::unique_ptr<Form1> f_;

    QRgb pixel(int x, int y) const {
        const QImage& img = f_->area()->immagine();
        const qreal dpr = img.devicePixelRatio();
        return img.pixel(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
    }

    void vediAnteprima() {
        QVERIFY(f_->Command3d15->isVisible());
        QVERIFY(!f_->MenuUtil->menuAction()->isVisible());
        QCOMPARE(stato_.grigliaAttiva, std::int16_t(-1));
        const GeometriaPagina g = geometriaAnteprima(stato_, f_->areaFinestra());
        const int t = static_cast<int>(f_->areaFinestra().altezzaToolbar);
        QCOMPARE(QColor(pixel(g.sinistraPagina + 4, t + 4)), QColor(Qt::white));
        QCOMPARE(QColor(pixel(g.sinistraPagina, t + 40)), QColor(128, 0, 0));
        QVERIFY(QColor(pixel(g.sinistraPagina - 4, t + 40)) != QColor(Qt::white));
        QVERIFY(f_->Command3d15->y() <= 1 && f_->Command3d15->y() >= 0);
    }

    void vediGriglia() {
        QVERIFY(!f_->Command3d15->isVisible());
        QVERIFY(f_->MenuUtil->menuAction()->isVisible());
        QCOMPARE(stato_.grigliaAttiva, std::int16_t(1));
        // The screen grid's white frame is back where the layout pass puts it.
        QCOMPARE(QColor(pixel(stato_.xGriglia - 1, stato_.yGriglia + 5)), QColor(Qt::white));
    }

private slots:
    void initTestCase() {
        dir_.scrivi("LessicoItaliano.dat", std::string(408, '\0'));
        Stato tipico;
        tipico.PercentualeRiquadro = 90;
        tipico.SpessoreBordo = 1;
        tipico.AltezzaCaratteri = 60;
        tipico.AltezzaNumeri = 20;
        dir_.scrivi(nomeFileImpostazioni, testoImpostazioni(tipico));
        const std::string schema = dir_.scrivi(
            "prova.trmo", fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#", "....#", "..#.."},
                                   {rigaDefinizione(1, 1, 1, "Abitazione"), rigaDefinizione(1, 1, 2, "Fido"),
                                    rigaDefinizione(2, 1, 2, "Ira")}));
        stato_.cartellaProgramma = dir_.percorso();
        f_ = std::make_unique<Form1>(stato_, piattaforma_, QString::fromStdString(schema));
        f_->show();
        QTRY_COMPARE(f_->giaAttivato(), 1);
        QTRY_COMPARE(stato_.grigliaAttiva, std::int16_t(1));
        QCOMPARE(stato_.nColonne, std::int16_t(5));
    }

    void anteprimaApreEChiudeDueVolte() {
        f_->MenuAnteprima_Click();
        vediAnteprima();
        if (!qEnvironmentVariableIsEmpty("QUADRIVO_FOTO")) f_->grab().save(qEnvironmentVariable("QUADRIVO_FOTO"));
        f_->anteprimaStampa();  // again while shown: the page is drawn afresh
        vediAnteprima();
        QTest::mouseClick(f_->Command3d15, Qt::LeftButton);
        vediGriglia();
        f_->MenuAnteprima_Click();
        vediAnteprima();
        f_->Command3d15_Click();
        vediGriglia();
    }

    void stampaDalMenuChiudePrimaLAnteprima() {
        f_->anteprimaStampa();
        bool dialogoVisto = false;
        conIlProssimoDialogo([&](QDialog* d) {
            dialogoVisto = true;
            // The preview is already gone when the print dialog comes up.
            QVERIFY(!f_->Command3d15->isVisible());
            d->reject();
        });
        f_->MenuStampa_Click();
        QVERIFY(dialogoVisto);
        vediGriglia();
    }

    void settaggioSchemaAnnullaESalva() {
        const std::int16_t prima = stato_.PercentualeRiquadro;
        conIlProssimoDialogo([](QDialog* d) {
            auto* s = qobject_cast<Settaggi*>(d);
            QVERIFY(s);
            s->HScroll1->setValue(60);
            s->Command2->click();
        });
        const std::string file = dir_.leggi(nomeFileImpostazioni);
        f_->menusetschema_Click();
        QCOMPARE(stato_.PercentualeRiquadro, prima);
        QCOMPARE(dir_.leggi(nomeFileImpostazioni), file);

        conIlProssimoDialogo([](QDialog* d) {
            auto* s = qobject_cast<Settaggi*>(d);
            QVERIFY(s);
            s->HScroll1->setValue(60);
            s->Command1->click();
        });
        f_->menusetschema_Click();
        QCOMPARE(stato_.PercentualeRiquadro, std::int16_t(60));
        QVERIFY(dir_.leggi(nomeFileImpostazioni).find("PercentualeRiquadro= 60 ") != std::string::npos);
        vediGriglia();
    }

    void cleanupTestCase() { f_.reset(); }
};

QTEST_MAIN(ProvaForm1Stampa)
#include "form1_stampa_test.moc"
