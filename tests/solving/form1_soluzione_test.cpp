// The solving behaviour on the real main window, driven by mouse and keyboard events.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>

#include "dizionario_prova.h"
#include "mainwindow/apertura.h"
#include "mainwindow/gui/form1.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "model/testo.h"
#include "schema_prova.h"
#include "supporto/finestre.h"
#include "solving/gui/tessodef.h"

using namespace quadrivo;
using prova::digitaNelFuoco;
using prova::fuoco;
using V = std::vector<std::string>;

class Form1SoluzioneTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    struct Banco {
        prova::CartellaTemporanea dir;
        Stato stato;
        PiattaformaQt piattaforma;
        std::optional<Form1> f;  // made once the program folder holds a dictionary
    };
    std::unique_ptr<Banco> b;
    Form1* f = nullptr;

    Stato& s() { return b->stato; }
    V salvati() { return prova::salvati(s().fileLavoro); }
    // The centre of cell (c, r) moved by (dx, dy) quarters of a cell.
    QPoint cella(int c, int r, int dx = 0, int dy = 0) {
        const int L = s().latoCasella;
        return {s().xGriglia + (c - 1) * L + L / 2 + dx * L / 4, s().yGriglia + (r - 1) * L + L / 2 + dy * L / 4};
    }
    QPoint alto(int c, int r) { return cella(c, r, 1, -1); }   // in the across half
    QPoint basso(int c, int r) { return cella(c, r, -1, 1); }  // in the down half
    void muovi(QPoint p) {
        // A move to where the pointer already is never reaches the window: come from aside.
        QTest::mouseMove(f->area(), p + QPoint(1, 0));
        QTest::mouseMove(f->area(), p);
    }
    void clic(Qt::MouseButton pulsante, QPoint p) {
        muovi(p);
        QTest::mouseClick(f->area(), pulsante, {}, p);
    }

private slots:
    void init() {
        testi.clear();
        titoli.clear();
        b = std::make_unique<Banco>();
        b->dir.scrivi("LessicoItaliano.dat", prova::dizionario({{4, {"CASA"}}}));
        s().cartellaProgramma = b->dir.percorso();
        f = &b->f.emplace(s(), b->piattaforma, std::string());
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        const std::string puzzle =
            b->dir.scrivi("prova.trmo", prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva));
        QCOMPARE(int(apriInLavoro(s(), b->piattaforma, puzzle)), int(EsitoApertura::ok));
        f->aggiornaFinestra();
        QVERIFY(s().latoCasella > 10);
    }
    void cleanup() {
        // Answers left unsaved would stay behind as a working copy the next window offers back.
        s().fileModificato = false;
        b.reset();
    }

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

    void aClickTypesIntoTheGrid() {
        clic(Qt::LeftButton, alto(1, 1));
        QVERIFY(!f->label1Visibile());
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        const QImage prima = f->area()->immagine();
        digitaNelFuoco("ca5sa");  // the digit never lands; the last letter stays on the last cell
        QTest::keyClick(fuoco(), Qt::Key_Return);
        QCOMPARE(salvati()[0], "CASA#");
        QVERIFY(s().fileModificato);  // typed answers count as a change
        QVERIFY(f->windowTitle().startsWith("*Quadrivo - Cruciverba 5x4"));
        QVERIFY(f->area()->immagine() != prima);  // redrawn with the letters
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

    void checkAndClear() {
        rispondi("OK");
        prova::figlio<QAction>(&*f, "MenuCS")->trigger();
        QCOMPARE(testi.value(0), QString("Sul cruciverba ci sono 15 lettere; ci sono però ancora 11 lettere diverse o "
                                         "non risolte! (73% non risolto)"));
        rispondi("Annulla");
        prova::figlio<QAction>(&*f, "MenuAzzera")->trigger();
        QCOMPARE(titoli.value(1), QString("Azzeramento soluzioni"));
        QCOMPARE(salvati()[1], "A#ORO");
        s().inizioGioco = 0;
        rispondi("OK");
        prova::figlio<QAction>(&*f, "MenuAzzera")->trigger();
        QCOMPARE(salvati(), (V{"....#", ".#...", "..#.#", "....#"}));
        QVERIFY(s().inizioGioco > 0);  // the time runs from the clearing
        QVERIFY(s().fileModificato);
    }

    void typedAnswersAreAskedAboutBeforeClosing() {
        const std::string puzzle = s().nomeFile, prima = b->dir.leggi("prova.trmo");
        clic(Qt::LeftButton, alto(1, 1));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        digitaNelFuoco("casa");
        QTest::keyClick(fuoco(), Qt::Key_Return);
        QVERIFY(s().fileModificato);
        // Annulla: the window stays, with its answers and its working copy.
        rispondi("Annulla");
        QVERIFY(!f->close());
        QCOMPARE(testi.value(0), QString::fromStdString("Il file " + maiuscolo(puzzle) +
                                                        " è cambiato, si desidera salvare"));
        QCOMPARE(titoli.value(0), QString("Modifica del file corrente"));
        QVERIFY(f->isVisible() && esisteFile(s().fileLavoro));
        QCOMPARE(b->dir.leggi("prova.trmo"), prima);
        // Salva: the answers reach the puzzle's file, the title loses its mark, the window closes.
        rispondi("Salva");
        QVERIFY(f->close());
        Stato letto;
        leggiCruciverba(letto, b->piattaforma, puzzle);
        QCOMPARE(letto.inserimento(1, 1), 'C');
        QCOMPARE(letto.inserimento(4, 1), 'A');
        QVERIFY(!s().fileModificato && !f->windowTitle().startsWith("*"));
        QVERIFY(!esisteFile(s().fileLavoro));
    }

    void aSingleTypedLetterIsAChangeAndEsciCanDropIt() {
        const std::string prima = b->dir.leggi("prova.trmo");
        clic(Qt::LeftButton, alto(1, 1));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        digitaNelFuoco("m");  // no Enter: a letter is an answer as soon as it is typed
        rispondi("Non salvare");
        f->MenuEsci_Click();
        QCOMPARE(testi.size(), 1);  // the pending letter made the puzzle changed
        QVERIFY(!f->isVisible());
        QCOMPARE(b->dir.leggi("prova.trmo"), prima);
    }
};

QTEST_MAIN(Form1SoluzioneTest)
#include "form1_soluzione_test.moc"
