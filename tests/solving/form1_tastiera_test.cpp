// Keyboard solving on the real main window: one click, then keys; the clue panel beside it.
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <memory>

#include "dizionario_prova.h"
#include "printing/elenchi.h"
#include "schema_prova.h"
#include "solving/gui/tessodef.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using V = prova::Voci;

namespace {

Posizione o(int c, int r) { return {c, r, orizzontale}; }
Posizione v(int c, int r) { return {c, r, verticale}; }
QSettings opzioniUtente() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo"); }

}  // namespace

//      1 2 3 4 5
//   1  . . . . #     across 1 CASA, 4 ORO, 5 NO, 7 ERBA
//   2  A # O R O     down 1 CANE, 2 SO, 3 AREA, 6 OR
//   3  . . # . #     (the letters as the window opens)
//   4  . . . . #
class Form1TastieraTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    std::unique_ptr<prova::BancoFinestra<>> b;
    Form1* f = nullptr;

    void clic(int c, int r) { b->clic(b->cella(c, r)); }
    // Each key, and where the cursor is after it.
    void percorri(std::initializer_list<std::pair<Qt::Key, Posizione>> passi) {
        for (const auto& [tasto, dopo] : passi) {
            b->tasto(tasto);
            QCOMPARE(b->pos(), dopo);
        }
    }
    QListWidget* lista(int d) {
        return prova::figlio<QListWidget>(f, d == orizzontale ? "ListaOrizzontali" : "ListaVerticali");
    }
    QStringList voci(int d) {
        QStringList v;
        for (int i = 0; i < lista(d)->count(); ++i) v << lista(d)->item(i)->text();
        return v;
    }
    QString corrente(int d) { return lista(d)->currentItem() ? lista(d)->currentItem()->text() : QString(); }
    QString rigaDefinizione() { return prova::figlio<QLabel>(f, "RigaDefinizione")->text(); }
    void cliccaVoce(int d, int i) {
        QTest::mouseClick(lista(d)->viewport(), Qt::LeftButton, {}, lista(d)->visualItemRect(lista(d)->item(i)).center());
    }
    int segno(int c, int r) {
        const auto& segni = f->decorazioni().segni;
        const auto k = segni.find(Casella{c, r});
        return k == segni.end() ? 0 : int(k->second);
    }
    void saltaComplete() { b->esegui("MenuSaltaComplete"); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);  // the options go to a test folder
        opzioniUtente().clear();
    }
    void init() {
        testi.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }
    void cleanup() { b.reset(); }

    void clickAMiddleCellTypeAWholeWordAndTurn() {
        QVERIFY(!b->pos().valida());
        const QPoint origine(b->stato.xGriglia, b->stato.yGriglia);
        clic(2, 4);  // R of ERBA
        QTRY_VERIFY(b->grigliaHaFuoco());
        QCOMPARE(QPoint(b->stato.xGriglia, b->stato.yGriglia), origine);  // the clue line never moves the grid
        QCOMPARE(b->pos(), o(2, 4));
        QCOMPARE(rigaDefinizione(), QString(" 7 oriz. - Città d'erba"));
        const int p = segnoParolaCorrente, c = segnoCasellaCorrente;
        QCOMPARE((std::vector{segno(1, 4), segno(2, 4), segno(4, 4), segno(4, 3)}), (std::vector{p, p | c, p, 0}));
        b->digita("rba");
        QCOMPARE(b->memoria()[3], ".RBA#");
        QVERIFY(b->stato.fileModificato && f->windowTitle().startsWith("*"));
        QCOMPARE(b->pos(), o(4, 4));  // the last cell keeps the cursor
        QTRY_COMPARE(b->copia(), b->memoria());
        clic(4, 4);  // the current cell again: down, AREA
        QCOMPARE(b->pos(), v(4, 4));
        QCOMPARE(rigaDefinizione(), QString(" 3 vert. - Superficie"));
        // Space turns; arrows move by cells, jump over black ones and take their own direction
        // where the cell has a word that way; Enter keeps and opens nothing.
        percorri({{Qt::Key_Space, o(4, 4)}, {Qt::Key_Up, v(4, 3)}, {Qt::Key_Up, v(4, 2)}, {Qt::Key_Left, o(3, 2)},
                  {Qt::Key_Left, v(1, 2)}, {Qt::Key_Return, v(1, 2)}});
        b->tasto(Qt::Key_Delete);  // erases in place
        QCOMPARE(b->memoria()[1], ".#ORO");
        QCOMPARE(b->pos(), v(1, 2));
    }

    void tabGoesThroughTheWordsAndCanSkipFullOnes() {
        // A puzzle just opened gives the grid the keyboard: Tab alone starts at the first word.
        // ORO is full: its first cell; across done: CANE's first empty cell.
        percorri({{Qt::Key_Tab, o(1, 1)}, {Qt::Key_Tab, o(3, 2)}, {Qt::Key_Tab, o(1, 3)}, {Qt::Key_Tab, o(1, 4)},
                  {Qt::Key_Tab, v(1, 1)}});
        QVERIFY(lista(orizzontale)->selectedItems().isEmpty());
        QCOMPARE(corrente(verticale), QString("1 Fedele amico"));
        percorri({{Qt::Key_Backtab, o(1, 4)}});
        QCOMPARE(corrente(orizzontale), QString("7 Città d'erba"));
        // Skipping full words, kept as the player's option.
        saltaComplete();
        QVERIFY(opzioniUtente().value("soluzione/saltaParoleComplete").toBool());
        clic(1, 1);
        percorri({{Qt::Key_Tab, o(1, 3)}});
        saltaComplete();
    }

    void backspaceStepsBackAndEscDropsTheWord() {
        clic(1, 3);  // NO, empty; the word before is ORO
        b->digita("n");
        percorri({{Qt::Key_Backspace, o(1, 3)}});  // empty cell: back one and erase it
        QCOMPARE(b->memoria()[2], "..#.#");
        percorri({{Qt::Key_Backspace, o(5, 2)}});  // first cell: the last cell of ORO
        QCOMPARE(b->memoria()[1], "A#OR.");
        QCOMPARE(corrente(orizzontale), QString("4 Metallo prezioso"));
        // Esc: no word is current, and typing writes nothing until the next click.
        b->tasto(Qt::Key_Escape);
        QVERIFY(!b->pos().valida() && rigaDefinizione().isEmpty() && segno(5, 2) == 0);
        b->digita("yz");
        b->tasto(Qt::Key_Return);
        QCOMPARE(b->memoria(), (V{"....#", "A#OR.", "..#.#", "....#"}));
        QVERIFY(b->grigliaHaFuoco());
        clic(5, 2);
        QCOMPARE(b->pos(), o(5, 2));
    }

    void accentedLettersAreTheirCapitals() {
        clic(1, 4);
        b->digita(QString::fromUtf8("è5rbà"));  // the digit never lands
        clic(1, 1);
        b->digita(QString::fromUtf8("ùìòé"));
        QCOMPARE(b->memoria(), (V{"UIOE#", "A#ORO", "..#.#", "ERBA#"}));
        // Complete words look done in the panel.
        QCOMPARE(lista(orizzontale)->item(3)->foreground().color(), QColor(128, 128, 128));
        QCOMPARE(lista(orizzontale)->item(2)->foreground().style(), Qt::NoBrush);
    }

    void shortcutsAndToolbarWorkWhileTyping() {
        clic(1, 1);
        b->digita("ca");
        rispondi("OK");
        b->tasto(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(testi.value(0).startsWith("Sul cruciverba ci sono 15 lettere; ci sono però ancora 9 lettere"));
        // After the message box, the window manager's part: the window active again.
        f->activateWindow();
        QTRY_VERIFY(f->isActiveWindow() && b->grigliaHaFuoco());
        // The typing carries on where it was, and the toolbar's check counts every letter.
        b->digita("s");
        rispondi("OK");
        b->esegui("Toolbar1_Controlla");
        QVERIFY(testi.size() == 2 && testi[1].contains("ancora 8 lettere"));
        QCOMPARE(b->memoria()[0], "CAS.#");
    }

    void thePanelListsWhatThePagePrintsAndAClickChoosesTheWord() {
        QCOMPARE(voci(verticale).value(1), "2 " + QString(30, '_'));  // a clue the puzzle lacks, as printed
        for (int d : {orizzontale, verticale}) {
            QStringList stampate;
            for (const std::string& s : vociDefinizioni(b->stato.cruciverba, d)) stampate << QString::fromStdString(s).trimmed();
            QCOMPARE(voci(d), stampate);
        }
        cliccaVoce(orizzontale, 3);  // 7 ERBA
        QCOMPARE(b->pos(), o(1, 4));
        QTRY_VERIFY(b->grigliaHaFuoco());  // the panel never keeps the keyboard
        b->digita("erba");
        QCOMPARE(b->memoria()[3], "ERBA#");
        cliccaVoce(verticale, 2);
        QCOMPARE(b->pos(), v(4, 1));  // AREA: its first empty cell
    }

    void thePanelTakesItsRoomAndHiddenGivesItBack() {
        QWidget* pannello = prova::figlio<QWidget>(f, "PannelloDefinizioni");
        const int L = b->stato.latoCasella;
        QVERIFY(pannello->isVisible() && b->stato.xGriglia + 5 * L < pannello->x());  // the grid stays left of it
        b->esegui("MenuElenco");
        QVERIFY(!pannello->isVisible() && !prova::figlio<QLabel>(f, "RigaDefinizione")->isVisible());
        QCOMPARE(b->stato.latoCasella, geometriaFinestra(b->stato, f->areaFinestra()).lato);
        QVERIFY(b->stato.latoCasella >= L);
        b->esegui("MenuElenco");
        QVERIFY(pannello->isVisible());
        // The print preview has the whole area.
        f->MenuAnteprima_Click();
        QVERIFY(!pannello->isVisible());
        QTest::mouseClick(prova::figlio<QPushButton>(f, "Command3d15"), Qt::LeftButton);
        QVERIFY(pannello->isVisible());
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    void oneClickThenTheWholePuzzleByKeyboard() {
        saltaComplete();
        clic(1, 1);
        for (const char* parola : {"casa", "no", "erba"}) {  // ORO is full: passed over
            b->digita(parola);
            b->tasto(Qt::Key_Tab);
        }
        // Every down word but AREA is full now: Tab went past them to its one empty cell.
        QCOMPARE(b->pos(), v(4, 3));
        rispondi("OK");  // the last letter makes the grid right: the congratulation
        b->digita(QString::fromUtf8("è"));
        QTRY_VERIFY(risposta->eseguita());
        QTRY_COMPARE(b->copia(), prova::soluzioniProva);
        saltaComplete();
    }

    void theWordDialogByTheOldModesLeftButtonAndByF2() {
        b->esegui("menuold");
        QTest::mouseMove(f->area(), b->cella(1, 3));
        QTest::mouseClick(f->area(), Qt::RightButton, {}, b->cella(1, 3));
        QCOMPARE(b->pos(), o(1, 3));
        // The left button opens the word dialog, from the word's start as the pointer shows it;
        // F2 on the current word.
        QStringList definizioni;
        auto annulla = [&] {
            return std::make_unique<prova::AlProssimoModale<TessoDef>>([&](TessoDef* d) {
                definizioni << d->findChild<QLineEdit*>("Text1")->text();
                d->reject();
            });
        };
        auto sinistro = annulla();
        b->clic(b->alto(3, 2));
        QVERIFY(sinistro->eseguita());
        QCOMPARE(b->pos(), o(1, 3));
        b->esegui("menuold");
        f->activateWindow();  // the window manager's part once the dialog is gone
        clic(1, 4);
        QTRY_VERIFY(b->grigliaHaFuoco());
        auto f2 = annulla();
        b->tasto(Qt::Key_F2);
        QVERIFY(f2->eseguita());
        QCOMPARE(definizioni, (QStringList{"Metallo prezioso", "Città d'erba"}));
        QCOMPARE(b->memoria()[1], "A#ORO");
    }
};

QTEST_MAIN(Form1TastieraTest)
#include "form1_tastiera_test.moc"
