// Keyboard solving on the real main window: one click, then keys; the clue panel beside it.
#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "dizionario_prova.h"
#include "model/file.h"
#include "printing/elenchi.h"
#include "schema_prova.h"
#include "solving/gui/tessodef.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using prova::fuoco;
using V = std::vector<std::string>;

//      1 2 3 4 5
//   1  C A S A #     across 1 CASA, 4 ORO, 5 NO, 7 ERBA
//   2  A # O R O     down 1 CANE, 2 SO, 3 AREA, 6 OR
//   3  N O # E #
//   4  E R B A #
class Form1TastieraTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    std::unique_ptr<prova::BancoFinestra<>> b;
    Form1* f = nullptr;

    Stato& s() { return b->stato; }
    V salvati() { return prova::salvati(s().fileLavoro); }
    QPoint cella(int c, int r) { return b->cella(c, r); }
    void clic(int c, int r) { prova::clicSu(f->area(), cella(c, r)); }
    void tasto(Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QVERIFY2(fuoco(), "nessun widget ha il fuoco");
        QTest::keyClick(fuoco(), k, m);
    }
    // After a message box, the window manager's part: the window active again, the grid with
    // the keyboard.
    void tornaAllaFinestra() {
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
    }
    // Any character, accented ones too, as a key press with that text.
    void digita(const QString& testo) {
        for (const QChar ch : testo) {
            QVERIFY2(fuoco(), "nessun widget ha il fuoco");
            QTest::sendKeyEvent(QTest::Press, fuoco(), Qt::Key_unknown, QString(ch), {});
            QTest::sendKeyEvent(QTest::Release, fuoco(), Qt::Key_unknown, QString(ch), {});
        }
    }
    Posizione pos() const { return f->posizioneCorrente(); }
    QListWidget* lista(int d) {
        return prova::figlio<QListWidget>(&*f, d == orizzontale ? "ListaOrizzontali" : "ListaVerticali");
    }
    QStringList voci(int d) {
        QStringList v;
        for (int i = 0; i < lista(d)->count(); ++i) v << lista(d)->item(i)->text();
        return v;
    }
    QString rigaDefinizione() { return prova::figlio<QLabel>(&*f, "RigaDefinizione")->text(); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);  // the options go to a test folder
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo").clear();
    }
    void init() {
        testi.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }
    void cleanup() { b.reset(); }

    void clickAMiddleCellTypeAWholeWordAndTurn() {
        QVERIFY(!pos().valida());
        const int x0 = s().xGriglia, y0 = s().yGriglia;
        clic(2, 4);  // R of ERBA
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        QCOMPARE(s().xGriglia, x0);  // the clue line's text never moves the grid
        QCOMPARE(s().yGriglia, y0);
        QCOMPARE(pos(), (Posizione{2, 4, orizzontale}));
        QCOMPARE(rigaDefinizione(), QString(" 7 oriz. - Città d'erba"));
        const DecorazioniGriglia d = f->decorazioni();
        QCOMPARE(int(d.segni[1][4]), int(segnoParolaCorrente));
        QCOMPARE(int(d.segni[2][4]), int(segnoParolaCorrente | segnoCasellaCorrente));
        QCOMPARE(int(d.segni[4][4]), int(segnoParolaCorrente));
        QCOMPARE(int(d.segni[4][3]), 0);
        digita("rba");
        QCOMPARE(salvati()[3], ".RBA#");
        QVERIFY(s().fileModificato);
        QVERIFY(f->windowTitle().startsWith("*"));
        QCOMPARE(pos(), (Posizione{4, 4, orizzontale}));  // the last cell keeps the cursor
        clic(4, 4);  // the current cell again: down, AREA
        QCOMPARE(pos(), (Posizione{4, 4, verticale}));
        QCOMPARE(rigaDefinizione(), QString(" 3 vert. - Superficie"));
        tasto(Qt::Key_Space);
        QCOMPARE(pos().direzione, int(orizzontale));
        // Arrows move by cells and jump over black ones.
        tasto(Qt::Key_Up);
        tasto(Qt::Key_Up);
        QCOMPARE(pos(), (Posizione{4, 2, verticale}));
        tasto(Qt::Key_Left);
        QCOMPARE(pos(), (Posizione{3, 2, orizzontale}));
        tasto(Qt::Key_Left);
        QCOMPARE(pos(), (Posizione{1, 2, verticale}));  // past the black cell
        // Enter keeps and opens nothing; Delete erases in place.
        tasto(Qt::Key_Return);
        QCOMPARE(pos(), (Posizione{1, 2, verticale}));
        tasto(Qt::Key_Delete);
        QCOMPARE(salvati()[1], ".#ORO");
    }

    void tabGoesThroughTheWordsAndCanSkipFullOnes() {
        // A puzzle just opened gives the grid the keyboard: Tab alone starts at the first word.
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        tasto(Qt::Key_Tab);
        QCOMPARE(pos(), (Posizione{1, 1, orizzontale}));
        // ORO is full: its first cell; across done: CANE's first empty cell.
        for (const Posizione& attesa : {Posizione{3, 2, orizzontale}, {1, 3, orizzontale}, {1, 4, orizzontale}, {1, 1, verticale}}) {
            tasto(Qt::Key_Tab);
            QCOMPARE(pos(), attesa);
        }
        QVERIFY(lista(orizzontale)->selectedItems().isEmpty());
        QCOMPARE(lista(verticale)->currentItem()->text(), QString("1 Fedele amico"));
        tasto(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(pos(), (Posizione{1, 4, orizzontale}));
        QCOMPARE(lista(orizzontale)->currentItem()->text(), QString("7 Città d'erba"));
        // Skipping full words, kept as the player's option.
        prova::figlio<QAction>(&*f, "MenuSaltaComplete")->trigger();
        QVERIFY(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo")
                    .value("soluzione/saltaParoleComplete").toBool());
        clic(1, 1);
        tasto(Qt::Key_Tab);
        QCOMPARE(pos(), (Posizione{1, 3, orizzontale}));
        prova::figlio<QAction>(&*f, "MenuSaltaComplete")->trigger();
    }

    void backspaceErasesAndStepsBackIntoThePreviousWord() {
        clic(1, 3);  // NO, empty; the word before is ORO
        digita("n");
        QCOMPARE(pos(), (Posizione{2, 3, orizzontale}));
        tasto(Qt::Key_Backspace);  // empty cell: back one and erase it
        QCOMPARE(pos(), (Posizione{1, 3, orizzontale}));
        QCOMPARE(salvati()[2], "..#.#");
        tasto(Qt::Key_Backspace);  // first cell: the last cell of ORO
        QCOMPARE(pos(), (Posizione{5, 2, orizzontale}));
        QCOMPARE(salvati()[1], "A#OR.");
        QCOMPARE(lista(orizzontale)->currentItem()->text(), QString("4 Metallo prezioso"));
    }

    void accentedLettersAreTheirCapitals() {
        clic(1, 4);
        digita(QString::fromUtf8("è5rbà"));  // the digit never lands
        QCOMPARE(salvati()[3], "ERBA#");
        clic(1, 1);
        digita(QString::fromUtf8("ùìòé"));
        QCOMPARE(salvati()[0], "UIOE#");
        // Complete words look done in the panel.
        QCOMPARE(lista(orizzontale)->item(3)->foreground().color(), QColor(128, 128, 128));
        QCOMPARE(lista(orizzontale)->item(2)->foreground().style(), Qt::NoBrush);
    }

    void shortcutsAndToolbarWorkWhileTyping() {
        clic(1, 1);
        digita("ca");
        rispondi("OK");
        tasto(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(testi.size(), 1);
        QVERIFY(testi[0].startsWith("Sul cruciverba ci sono 15 lettere; ci sono però ancora 9 lettere"));
        tornaAllaFinestra();
        // The typing carries on where it was, and the toolbar's check counts every letter.
        digita("s");
        rispondi("OK");
        f->findChild<QAction*>("Toolbar1_Controlla")->trigger();
        QCOMPARE(testi.size(), 2);
        QVERIFY(testi[1].contains("ancora 8 lettere"));
        QCOMPARE(salvati()[0], "CAS.#");
    }

    void escDropsTheWordAndLaterTypingWritesNothing() {
        clic(1, 1);
        digita("x");
        tasto(Qt::Key_Escape);
        QVERIFY(!pos().valida());
        QCOMPARE(rigaDefinizione(), QString());
        QCOMPARE(int(f->decorazioni().segni[2][1]), 0);
        digita("yz");
        tasto(Qt::Key_Return);
        QCOMPARE(salvati()[0], "X...#");
        QCOMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        // The same cell clicked again opens its word again.
        clic(1, 1);
        QCOMPARE(pos(), (Posizione{1, 1, orizzontale}));
    }

    void aClueInThePanelMakesItsWordCurrent() {
        QListWidget* l = lista(orizzontale);
        QListWidgetItem* voce = l->item(3);
        QCOMPARE(voce->text(), QString("7 Città d'erba"));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(voce).center());
        QCOMPARE(pos(), (Posizione{1, 4, orizzontale}));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        digita("erba");
        QCOMPARE(salvati()[3], "ERBA#");
        QListWidget* v = lista(verticale);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualItemRect(v->item(2)).center());
        QCOMPARE(pos(), (Posizione{4, 1, verticale}));  // AREA: its first empty cell
    }

    void thePanelListsWhatThePageprints() {
        QCOMPARE(voci(orizzontale), (QStringList{"1 Abitazione", "4 Metallo prezioso", "5 " + QString(30, '_'), "7 Città d'erba"}));
        QCOMPARE(voci(verticale), (QStringList{"1 Fedele amico", "2 " + QString(30, '_'), "3 Superficie", "6 " + QString(30, '_')}));
        for (int d : {orizzontale, verticale}) {
            QStringList stampate;
            for (const std::string& v : vociDefinizioni(s(), d)) stampate << QString::fromStdString(v).trimmed();
            QCOMPARE(voci(d), stampate);
        }
    }

    void thePanelTakesItsRoomAndHiddenGivesItBack() {
        QWidget* pannello = prova::figlio<QWidget>(&*f, "ElencoDefinizioni");
        QVERIFY(pannello->isVisible());
        const int L = s().latoCasella;
        // The grid stays left of the panel.
        QVERIFY(s().xGriglia + 5 * L < pannello->x());
        prova::figlio<QAction>(&*f, "MenuElenco")->trigger();
        QVERIFY(!pannello->isVisible());
        QVERIFY(!prova::figlio<QLabel>(&*f, "RigaDefinizione")->isVisible());
        QCOMPARE(s().latoCasella, geometriaFinestra(s(), f->areaFinestra()).lato);
        QVERIFY(s().latoCasella >= L);
        prova::figlio<QAction>(&*f, "MenuElenco")->trigger();
        QVERIFY(pannello->isVisible());
        // The print preview has the whole area.
        f->MenuAnteprima_Click();
        QVERIFY(!pannello->isVisible());
        QTest::mouseClick(prova::figlio<QPushButton>(&*f, "Command3d15"), Qt::LeftButton);
        QVERIFY(pannello->isVisible());
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
    }

    void oneClickThenTheWholePuzzleByKeyboard() {
        prova::figlio<QAction>(&*f, "MenuSaltaComplete")->trigger();
        clic(1, 1);
        for (const char* parola : {"casa", "no", "erba"}) {  // ORO is full: passed over
            digita(parola);
            tasto(Qt::Key_Tab);
        }
        // Every down word but AREA is full now: Tab went past them to its one empty cell.
        QCOMPARE(pos(), (Posizione{4, 3, verticale}));
        // The last letter makes the grid right: the congratulation comes by itself, once.
        rispondi("OK");
        digita(QString::fromUtf8("è"));
        QCOMPARE(salvati(), (V{"CASA#", "A#ORO", "NO#E#", "ERBA#"}));
        QTRY_VERIFY(risposta->eseguita());
        QVERIFY(testi.value(0).startsWith("Bravo! hai risolto il cruciverba"));
        prova::figlio<QAction>(&*f, "MenuSaltaComplete")->trigger();
    }

    void theOldModeSwapsTheButtons() {
        prova::figlio<QAction>(&*f, "menuold")->trigger();
        QTest::mouseMove(f->area(), cella(1, 3));
        QTest::mouseClick(f->area(), Qt::RightButton, {}, cella(1, 3));
        QCOMPARE(pos(), (Posizione{1, 3, orizzontale}));
        // The left button now opens the word dialog, from the word's start as the pointer shows it.
        prova::AlProssimoModale<TessoDef> dialogo([](TessoDef* d) { d->reject(); });
        prova::clicSu(f->area(), b->alto(3, 2));
        QVERIFY(dialogo.eseguita());
        QCOMPARE(pos(), (Posizione{1, 3, orizzontale}));
        prova::figlio<QAction>(&*f, "menuold")->trigger();
    }

    void f2OpensTheWordDialogOnTheCurrentWord() {
        clic(3, 2);
        prova::AlProssimoModale<TessoDef> ok([](TessoDef* d) {
            prova::digitaNelFuoco("oro");
            QTest::mouseClick(d->findChild<QPushButton*>("Command3d2"), Qt::LeftButton);
        });
        tasto(Qt::Key_F2);
        QVERIFY(ok.eseguita());
        QCOMPARE(salvati()[1], "A#ORO");
    }
};

QTEST_MAIN(Form1TastieraTest)
#include "form1_tastiera_test.moc"
