// The solving behaviour on the real main window, driven by mouse and keyboard events.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "dizionario_prova.h"
#include "mainwindow/apertura.h"
#include "mainwindow/form1.h"
#include "schema_prova.h"
#include "tastiera_prova.h"
#include "solving/tessodef.h"

using namespace quadrivo;
using prova::digitaNelFuoco;

namespace {

// Answers the next modal message box with the button of the given caption and keeps its text.
class Risponditore : public QObject {
public:
    QStringList testi, titoli;

    void rispondi(const QString& pulsante) {
        pulsante_ = pulsante;
        tentativi_ = 0;
        QTimer::singleShot(10, this, [this] { cerca(); });
    }

private:
    void cerca() {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!m) {
            if (++tentativi_ < 300) QTimer::singleShot(10, this, [this] { cerca(); });
            return;
        }
        testi << m->text();
        titoli << m->windowTitle();
        for (QAbstractButton* b : m->buttons())
            if (b->text() == pulsante_) return b->click();
    }
    QString pulsante_;
    int tentativi_ = 0;
};

// Runs `azione` on the word dialog as soon as it is shown modally.
void nelDialogo(std::function<void(TessoDef&)> azione) {
    auto tentativi = std::make_shared<int>(0);
    auto cerca = std::make_shared<std::function<void()>>();
    *cerca = [azione, tentativi, cerca] {
        auto* d = qobject_cast<TessoDef*>(QApplication::activeModalWidget());
        if (!d) {
            if (++*tentativi < 300) QTimer::singleShot(10, *cerca);
            return;
        }
        azione(*d);
        *cerca = nullptr;  // breaks the self-reference
    };
    QTimer::singleShot(10, *cerca);
}

}  // namespace

class Form1SoluzioneTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CartellaTemporanea> dir;
    std::unique_ptr<Stato> stato;
    std::unique_ptr<PiattaformaQt> piattaforma;
    std::unique_ptr<Form1> f;
    Risponditore risposte;

    Stato& s() { return *stato; }
    // Points inside cell (c, r): its centre, or just inside its top-right / bottom-left half.
    QPoint centro(int c, int r) const {
        const int L = stato->latoCasella;
        return {stato->xGriglia + (c - 1) * L + L / 2, stato->yGriglia + (r - 1) * L + L / 2};
    }
    QPoint alto(int c, int r) const { return centro(c, r) + QPoint(stato->latoCasella / 4, -stato->latoCasella / 4); }
    QPoint basso(int c, int r) const { return centro(c, r) + QPoint(-stato->latoCasella / 4, stato->latoCasella / 4); }

    std::vector<std::string> salvati() {
        Stato letto;
        PiattaformaRegistro p;
        leggiCruciverba(letto, p, stato->fileLavoro);
        return prova::inserimenti(letto);
    }
    void muovi(QPoint p) {
        // A move to where the pointer already is never reaches the window: come from aside.
        QTest::mouseMove(f->area(), p + QPoint(1, 0));
        QTest::mouseMove(f->area(), p);
        QCoreApplication::processEvents();
    }
    void clic(Qt::MouseButton b, QPoint p) {
        muovi(p);
        QTest::mouseClick(f->area(), b, {}, p);
        QCoreApplication::processEvents();
    }
    // Dark pixels drawn inside cell (c, r), its outline left out.
    int inchiostro(int c, int r) const {
        const QImage& img = f->area()->immagine();
        const double k = img.devicePixelRatio();
        const int L = stato->latoCasella;
        const QRect cella(stato->xGriglia + (c - 1) * L + 3, stato->yGriglia + (r - 1) * L + 3, L - 6, L - 6);
        int n = 0;
        for (int y = cella.top(); y <= cella.bottom(); ++y)
            for (int x = cella.left(); x <= cella.right(); ++x)
                n += img.pixelColor(static_cast<int>(x * k), static_cast<int>(y * k)).lightness() < 100;
        return n;
    }
    int caselleVisibili() const {
        int n = 0;
        for (int i = 1; i <= 50; ++i) n += !f->Text1[i]->isHidden();
        return n;
    }

private slots:
    void init() {
        risposte.testi.clear();
        risposte.titoli.clear();
        dir = std::make_unique<prova::CartellaTemporanea>();
        dir->scrivi("LessicoItaliano.dat", prova::dizionario({{4, {"CASA", "MELA", "MALA", "MOLA"}}}));
        const std::string puzzle = dir->scrivi(
            "prova.trmo", prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva()));
        stato = std::make_unique<Stato>();
        stato->cartellaProgramma = dir->percorso();
        piattaforma = std::make_unique<PiattaformaQt>();
        f = std::make_unique<Form1>(*stato, *piattaforma, QString());
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QCOMPARE(int(apriInLavoro(*stato, *piattaforma, puzzle)), int(EsitoApertura::ok));
        f->aggiornaFinestra();
        QCoreApplication::processEvents();
        QVERIFY(stato->latoCasella > 10);
    }
    void cleanup() {
        f.reset();
        piattaforma.reset();
        stato.reset();
        dir.reset();
    }

    void hoverShowsClueShapeAndRectangle() {
        const int L = s().latoCasella, x0 = s().xGriglia, y0 = s().yGriglia;
        const QPoint a = alto(1, 1);
        muovi(a);
        QCOMPARE(f->Label1->text(), QString("  1 oriz. -Abitazione "));
        QVERIFY(f->label1Visibile());
        QCOMPARE(f->Label1->pos(), QPoint(a.x() - 19, a.y() + 12));
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
        QVERIFY(f->Shape1->isVisible());
        QCOMPARE(f->Shape1->geometry(), QRect(x0 + 1, y0 + 1, 4 * L - 2, L - 2));
        QCOMPARE(f->Shape1->colore(), giallo);

        muovi(basso(1, 1));
        QCOMPARE(f->Label1->text(), QString("  1 vert. -Fedele amico "));
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeVerCursor);
        QCOMPARE(f->Shape1->geometry(), QRect(x0 + 1, y0 + 1, L - 2, 4 * L - 2));
        QCOMPARE(f->Shape1->colore(), (Colore{0, 192, 192}));

        // Leaving the grid keeps the rectangle; a cell without a word start hides it.
        muovi(QPoint(x0 - 3, y0 + 10));
        QVERIFY(!f->label1Visibile());
        QCOMPARE(f->area()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(f->Shape1->isVisible());
        muovi(centro(5, 1));
        QVERIFY(!f->Shape1->isVisible());

        // With the option off no rectangle comes back.
        f->Menurett->trigger();
        QVERIFY(!s().rettangoloParola);
        muovi(alto(1, 1));
        QVERIFY(!f->Shape1->isVisible());
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
    }

    void leftClickTypingAndEnterWriteTheWorkingCopy() {
        const int L = s().latoCasella;
        QCOMPARE(inchiostro(2, 1), 0);
        clic(Qt::LeftButton, alto(1, 1));
        QCOMPARE(caselleVisibili(), 4);
        QVERIFY(!f->Shape1->isVisible());
        QVERIFY(!f->label1Visibile());
        QCOMPARE(f->Text1[3]->geometry(), QRect(s().xGriglia + 2 * L, s().yGriglia, L, L));
        QCOMPARE(f->Text1[1]->toolTip(), QString("Abitazione"));
        QCOMPARE(f->Text1[1]->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(f->Text1[1]->font().pointSizeF(), L / 2.0);
        QCOMPARE(f->Text1[1]->text(), QString("."));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
        digitaNelFuoco("ca5sa");  // the digit never lands
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
        QCOMPARE(f->Text1[2]->text(), QString("A"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(caselleVisibili(), 0);
        QCOMPARE(salvati()[0], std::string("CASA#"));
        QVERIFY(!s().fileModificato);
        // The grid was redrawn with the letters: the second cell, white before, holds ink now.
        QVERIFY(inchiostro(2, 1) > 0);
    }

    void escKeepsTheOldEntriesAndArrowsWrap() {
        clic(Qt::LeftButton, alto(3, 2));  // ORO, already entered
        QCOMPARE(f->Text1[2]->text(), QString("R"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
        QTest::keyClick(f->Text1[1], Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[3]));
        QTest::keyClick(f->Text1[3], Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
        digitaNelFuoco("xyz");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(caselleVisibili(), 0);
        QCOMPARE(salvati()[1], std::string("A#ORO"));
        // A new click keeps what is being typed before it handles itself.
        clic(Qt::LeftButton, alto(3, 2));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
        digitaNelFuoco("b");
        clic(Qt::LeftButton, centro(5, 1));  // a black cell
        QCOMPARE(caselleVisibili(), 0);
        QCOMPARE(salvati()[1], std::string("A#BRO"));
    }

    void rightClickOpensTheDialogAndOkChangesTheGrid() {
        nelDialogo([](TessoDef& d) {
            QCOMPARE(d.Label1->text(), QString(" 1 Verticale"));
            d.Text3[0]->setFocus();
            QCoreApplication::processEvents();
            digitaNelFuoco("cane");
            QTest::mouseClick(d.Command3d1, Qt::LeftButton);
        });
        clic(Qt::RightButton, basso(1, 1));
        QCOMPARE(salvati(), (std::vector<std::string>{"C...#", "A#ORO", "N.#.#", "E...#"}));
        QVERIFY(s().fileModificato);
        // The pointer still shows the word's direction, so a press without moving reopens it.
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeVerCursor);

        // Annulla changes nothing, but the puzzle counts as changed all the same.
        s().fileModificato = false;
        nelDialogo([](TessoDef& d) {
            digitaNelFuoco("zzz");
            QTest::mouseClick(d.Command3d2, Qt::LeftButton);
        });
        clic(Qt::MiddleButton, alto(3, 2));
        QCOMPARE(salvati()[1], std::string("A#ORO"));
        QVERIFY(s().fileModificato);
    }

    void theOptionSwapsTheButtons() {
        f->menuold->trigger();
        QVERIFY(s().tastoSinistro);
        bool aperto = false;
        nelDialogo([&](TessoDef& d) {
            aperto = true;
            QTest::mouseClick(d.Command3d2, Qt::LeftButton);
        });
        clic(Qt::LeftButton, alto(3, 2));
        QVERIFY(aperto);
        QCOMPARE(caselleVisibili(), 0);
        clic(Qt::RightButton, alto(3, 2));
        QCOMPARE(caselleVisibili(), 3);
    }

    void checkBeforeAndAfterSolving() {
        risposte.rispondi("OK");
        f->MenuCS->trigger();
        QCOMPARE(risposte.testi.value(0), QString("Sul cruciverba ci sono 15 lettere; ci sono però ancora 11 lettere "
                                                  "diverse o non risolte! (73% non risolto)"));
        // Without a window manager nobody gives the window back its activation.
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        // Solve it all through the typing boxes, then check again.
        const char* parole[][3] = {{"1", "1", "casa"}, {"1", "4", "erba"}, {"1", "3", "no"}};
        for (auto& p : parole) {
            clic(Qt::LeftButton, alto(std::atoi(p[0]), std::atoi(p[1])));
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
            digitaNelFuoco(p[2]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        clic(Qt::LeftButton, basso(4, 1));  // AREA down: its E is still missing
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->Text1[1]));
        digitaNelFuoco("area");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        s().inizioGioco = piattaforma->orologio() - 125.7;
        risposte.rispondi("OK");
        f->MenuCS->trigger();
        QCOMPARE(risposte.testi.value(1), QString("Bravo! hai risolto il cruciverba in 2 minuti e 5 secondi"));
    }

    void clearAsksFirst() {
        risposte.rispondi("Annulla");
        f->MenuAzzera->trigger();
        QCOMPARE(risposte.titoli.value(0), QString("Azzeramento soluzioni"));
        QCOMPARE(salvati()[1], std::string("A#ORO"));
        const double prima = s().inizioGioco;
        QTest::qWait(20);
        risposte.rispondi("OK");
        f->MenuAzzera->trigger();
        QCOMPARE(salvati(), (std::vector<std::string>{"....#", ".#...", "..#.#", "....#"}));
        QVERIFY(s().inizioGioco > prima);
        QVERIFY(!s().fileModificato);
    }
};

QTEST_MAIN(Form1SoluzioneTest)
#include "form1_soluzione_test.moc"
