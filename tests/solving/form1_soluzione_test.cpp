// The solving behaviour on the real main window, driven by mouse and keyboard events.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "dizionario_prova.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "schema_prova.h"
#include "solving/gui/tessodef.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using prova::digitaNelFuoco;
using prova::fuoco;
using V = std::vector<std::string>;

class Form1SoluzioneTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    std::unique_ptr<prova::BancoFinestra<>> b;
    Form1* f = nullptr;

    Stato& s() { return b->stato; }
    V salvati() { return prova::salvati(s().fileLavoro); }
    QPoint alto(int c, int r) { return b->alto(c, r); }
    QPoint basso(int c, int r) { return b->basso(c, r); }
    void muovi(QPoint p) { prova::muoviSu(f->area(), p); }
    void clic(Qt::MouseButton pulsante, QPoint p) { prova::clicSu(f->area(), p, pulsante); }

private slots:
    void init() {
        testi.clear();
        titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }
    void cleanup() { b.reset(); }

    void hoverShowsClueShapeAndRectangle() {
        const int L = s().latoCasella, x0 = s().xGriglia, y0 = s().yGriglia;
        const QPoint a = alto(1, 1);
        muovi(a);
        QCOMPARE(prova::figlio<QLabel>(&*f, "Label1")->text(), QString("  1 oriz. -Abitazione "));
        QVERIFY(f->label1Visibile());
        QCOMPARE(prova::figlio<QLabel>(&*f, "Label1")->pos(), QPoint(a.x() - 19, a.y() + 12));
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(prova::figlio<Rettangolo>(&*f, "Shape1")->geometry(), QRect(x0 + 1, y0 + 1, 4 * L - 2, L - 2));
        QCOMPARE(prova::figlio<Rettangolo>(&*f, "Shape1")->colore(), giallo);
        muovi(QPoint(x0 - 3, y0 + 10));  // outside the grid
        QVERIFY(!f->label1Visibile());
        QCOMPARE(f->area()->cursor().shape(), Qt::ArrowCursor);
    }

    void dialogOkAndAnnullaBothCountAsAChange() {
        prova::AlProssimoModale<TessoDef> ok([](TessoDef* d) {
            digitaNelFuoco("cane");
            QTest::mouseClick(d->findChild<QPushButton*>("Command3d1"), Qt::LeftButton);
        });
        clic(Qt::RightButton, basso(1, 1));
        QVERIFY(ok.eseguita());
        // The dialog left the default pointer: a press before the next move opens nothing.
        QCOMPARE(f->area()->cursor().shape(), Qt::ArrowCursor);
        {
            prova::AlProssimoModale<TessoDef> nessuno([](TessoDef* d) { d->reject(); });
            QTest::mouseClick(f->area(), Qt::RightButton, {}, basso(1, 1));
            QVERIFY(!nessuno.eseguita());
        }
        QCOMPARE(salvati(), (V{"C...#", "A#ORO", "N.#.#", "E...#"}));
        QVERIFY(s().fileModificato);
        s().fileModificato = false;
        prova::AlProssimoModale<TessoDef> annulla([](TessoDef* d) {
            digitaNelFuoco("zzz");
            QTest::mouseClick(d->findChild<QPushButton*>("Command3d2"), Qt::LeftButton);
        });
        clic(Qt::MiddleButton, alto(3, 2));
        QVERIFY(annulla.eseguita());
        QCOMPARE(salvati()[1], "A#ORO");
        QVERIFY(s().fileModificato);
    }

    void aSingleTypedLetterIsAskedAboutBeforeClosing() {
        const std::string puzzle = s().nomeFile, prima = b->dir.leggi("prova.trmo");
        clic(Qt::LeftButton, alto(1, 1));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        digitaNelFuoco("m");  // no Enter: a letter is an answer as soon as it is typed
        // Annulla: the window stays, with its answers and its working copy.
        rispondi("Annulla");
        QVERIFY(!f->close());
        QCOMPARE(titoli.value(0), QString("Modifica del file corrente"));
        QVERIFY(f->isVisible() && esisteFile(s().fileLavoro));
        QCOMPARE(b->dir.leggi("prova.trmo"), prima);
        // Salva: the answers reach the puzzle's file, the title loses its mark, the window closes.
        rispondi("Salva");
        QVERIFY(f->close());
        Stato letto;
        leggiCruciverba(letto, b->piattaforma, puzzle);
        QCOMPARE(letto.inserimento(1, 1), 'M');
        QVERIFY(!s().fileModificato && !f->windowTitle().startsWith("*"));
        QVERIFY(!esisteFile(s().fileLavoro));
    }
};

QTEST_MAIN(Form1SoluzioneTest)
#include "form1_soluzione_test.moc"
