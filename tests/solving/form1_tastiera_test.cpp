// Keyboard solving on the real main window: one click, then keys; the clue panel beside it.
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
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

    QTemporaryDir config;
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
    QString corrente(int d) { return lista(d)->currentItem() ? lista(d)->currentItem()->text() : QString(); }
    QString rigaDefinizione() { return prova::figlio<QLabel>(f, "RigaDefinizione")->text(); }
    void cliccaVoce(int d, int i) {
        QTest::mouseClick(lista(d)->viewport(), Qt::LeftButton, {}, lista(d)->visualItemRect(lista(d)->item(i)).center());
    }

private slots:
    // The player's options in a folder of this run: neither the real ones nor another run's.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        opzioniUtente().clear();
        testi.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }
    void cleanup() { b.reset(); }

    void clickTypeAndEveryKeyReachesTheSession() {
        const QPoint origine(b->stato.xGriglia, b->stato.yGriglia);
        clic(2, 4);  // R of ERBA
        QTRY_VERIFY(b->grigliaHaFuoco());
        QCOMPARE(QPoint(b->stato.xGriglia, b->stato.yGriglia), origine);  // the clue line never moves the grid
        QCOMPARE(rigaDefinizione(), QString(" 7 oriz. - Città d'erba"));
        const std::uint8_t p = segnoParolaCorrente, c = segnoCasellaCorrente;
        QVERIFY((f->decorazioni().segni == std::map<Casella, std::uint8_t>{{{1, 4}, p}, {{2, 4}, std::uint8_t(p | c)}, {{3, 4}, p}, {{4, 4}, p}}));
        b->digita(QString::fromUtf8("r5bà"));  // the digit is swallowed, the accent folds
        QVERIFY(b->stato.fileModificato && f->windowTitle().startsWith("*"));
        QTRY_COMPARE(b->copia(), b->memoria());
        // Each key once: its move, and the panel following the moves that write.
        percorri({{Qt::Key_Space, v(4, 4)}, {Qt::Key_Up, v(4, 3)}, {Qt::Key_Up, v(4, 2)}, {Qt::Key_Left, o(3, 2)},
                  {Qt::Key_Left, v(1, 2)}, {Qt::Key_Delete, v(1, 2)}, {Qt::Key_Return, v(1, 2)}, {Qt::Key_Down, v(1, 3)},
                  {Qt::Key_Right, o(2, 3)}, {Qt::Key_Tab, o(1, 4)}, {Qt::Key_Backtab, o(1, 3)}, {Qt::Key_Backspace, o(5, 2)}});
        QCOMPARE(corrente(orizzontale), QString("4 Metallo prezioso"));
        // Esc: no word is current, and typing writes nothing until the next click.
        b->tasto(Qt::Key_Escape);
        QVERIFY(!b->pos().valida() && rigaDefinizione().isEmpty() && f->decorazioni().segni.empty());
        b->digita("yz");
        b->tasto(Qt::Key_Return);
        QCOMPARE(b->memoria(), (V{"....#", ".#OR.", "..#.#", ".RBA#"}));
        QVERIFY(b->grigliaHaFuoco());
    }

    void thePanelListsFollowsAndChoosesAndTabCanSkipFullWords() {
        for (int d : {orizzontale, verticale}) {  // what the page prints
            QStringList mostrate, stampate;
            for (int i = 0; i < lista(d)->count(); ++i) mostrate << lista(d)->item(i)->text();
            for (const std::string& s : vociDefinizioni(b->stato.cruciverba, d)) stampate << QString::fromStdString(s).trimmed();
            QCOMPARE(mostrate, stampate);
        }
        // Complete words look done.
        QVERIFY(lista(orizzontale)->item(1)->foreground().color() == QColor(128, 128, 128) &&
                lista(orizzontale)->item(0)->foreground().style() == Qt::NoBrush);
        // A puzzle just opened gives the grid the keyboard: Tab alone starts at the first word.
        percorri({{Qt::Key_Tab, o(1, 1)}, {Qt::Key_Backtab, v(2, 3)}});
        QVERIFY(lista(orizzontale)->selectedItems().isEmpty() && corrente(verticale).startsWith("6 __"));
        cliccaVoce(orizzontale, 3);  // 7 ERBA
        QCOMPARE(b->pos(), o(1, 4));
        QTRY_VERIFY(b->grigliaHaFuoco());  // the panel never keeps the keyboard
        // Skipping full words, kept as the player's option: ORO is passed over.
        b->esegui("MenuSaltaComplete");
        QVERIFY(opzioniUtente().value("soluzione/saltaParoleComplete").toBool());
        clic(1, 1);
        percorri({{Qt::Key_Tab, o(1, 3)}});
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

    void shortcutsReachTheMenusWhileTypingAndTheWordDialogOpensByTheOldModesLeftButtonAndByF2() {
        clic(1, 1);
        b->digita("ca");
        rispondi("OK");
        b->tasto(Qt::Key_C, Qt::ControlModifier);  // a check, not a C
        f->activateWindow();  // the window manager's part once a modal is gone
        QTRY_VERIFY(f->isActiveWindow() && b->grigliaHaFuoco());
        b->digita("s");  // the typing carries on where it was
        rispondi("OK");
        b->esegui("Toolbar1_Controlla");
        QVERIFY(testi.size() == 2 && b->memoria()[0] == "CAS.#");
        // The old mode: the right button types, the left one opens the word dialog from the
        // word's start as the pointer shows it; F2 on the current word.
        b->esegui("menuold");
        b->clic(b->cella(1, 3), Qt::RightButton);
        QStringList definizioni;
        auto annulla = [&] {
            return std::make_unique<prova::AlProssimoModale<TessoDef>>([&](TessoDef* d) {
                definizioni << d->findChild<QLineEdit*>("Text1")->text();
                d->reject();
            });
        };
        auto sinistro = annulla();
        b->clic(b->alto(3, 2));
        QVERIFY(sinistro->eseguita() && b->pos() == o(1, 3));
        b->esegui("menuold");
        f->activateWindow();
        clic(1, 4);
        QTRY_VERIFY(b->grigliaHaFuoco());
        auto f2 = annulla();
        b->tasto(Qt::Key_F2);
        QVERIFY(f2->eseguita());
        QCOMPARE(definizioni, (QStringList{"Metallo prezioso", "Città d'erba"}));
    }
};

QTEST_MAIN(Form1TastieraTest)
#include "form1_tastiera_test.moc"
