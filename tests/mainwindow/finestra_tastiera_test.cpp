// Solving on the real main window: hover, the word dialog, one click then keys, the clue panel.
#include <QAccessible>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "solving/dizionario_prova.h"
#include "solving/schema_prova.h"
#include "qt/voce.h"
#include "solving/gui/finestra_parola.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using V = prova::Voci;

//      1 2 3 4 5
//   1  . . . . #     across 1 CASA, 4 ORO, 5 NO, 7 ERBA
//   2  A # O R O     down 1 CANE, 2 SO, 3 AREA, 6 OR
//   3  . . # . #     (the letters as the window opens)
//   4  . . . . #
class ProvaTastieraFinestra : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;
    FinestraPrincipale* f = nullptr;
    QStringList definizioni;  // the clue each word dialog opened on

    static Posizione o(int c, int r) { return {c, r, Direzione::orizzontale}; }
    static Posizione v(int c, int r) { return {c, r, Direzione::verticale}; }
    static QSettings opzioniUtente() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo"); }

    void clic(int c, int r) { b->clic(b->cella(c, r)); }
    // Each key, and where the cursor is after it.
    void percorri(std::initializer_list<std::pair<Qt::Key, Posizione>> passi) {
        for (const auto& [tasto, dopo] : passi) {
            b->tasto(tasto);
            QCOMPARE(b->pos(), dopo);
        }
    }
    QListWidget* lista(Direzione d) { return prova::figlio<QListWidget>(f, d == Direzione::orizzontale ? "ListaOrizzontali" : "ListaVerticali"); }
    QString corrente(Direzione d) { return lista(d)->currentItem() ? lista(d)->currentItem()->text() : QString(); }
    QString rigaDefinizione() { return prova::figlio<QLabel>(f, "RigaDefinizione")->text(); }
    // The next word dialog, answered with `testo` typed and the button `pulsante` (Annulla unless told).
    auto dialogo(const char* testo = "", const char* pulsante = "pulsanteAnnulla") {
        return std::make_unique<prova::AlProssimoModale<FinestraParola>>([=, this](FinestraParola* d) {
            definizioni << d->findChild<QLineEdit*>("campoDefinizione")->text();
            prova::digita(testo);
            QTest::mouseClick(d->findChild<QPushButton*>(pulsante), Qt::LeftButton);
        });
    }

private slots:
    // The player's options in a folder of this run: neither the real ones nor another run's.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        opzioniUtente().clear();
        testi.clear(), titoli.clear(), definizioni.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }

    void hoverShowsClueShapeAndRectangleAndTheButtonsOpenTheWordDialog() {
        const int L = b->griglia().lato, x0 = b->griglia().x0, y0 = b->griglia().y0;
        const QPoint a = b->alto(1, 1);
        b->muovi(a);
        auto* etichetta = prova::figlio<QLabel>(f, "etichettaPassaggio");
        auto* rettangolo = prova::figlio<Rettangolo>(f, "rettangoloPassaggio");
        QVERIFY(f->etichettaPassaggioVisibile());
        QCOMPARE(etichetta->text(), QString("  1 oriz. - Abitazione "));
        QCOMPARE(etichetta->pos(), QPoint(a.x() - 19, a.y() + 12));
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(rettangolo->geometry(), QRect(x0 + 1, y0 + 1, 4 * L - 2, L - 2));
        QCOMPARE(rettangolo->colore(), giallo);
        b->muovi(QPoint(x0 - 3, y0 + 10));  // outside the grid
        QVERIFY(!f->etichettaPassaggioVisibile());
        QCOMPARE(f->area()->cursor().shape(), Qt::ArrowCursor);
        // The word dialog: OK and Annulla both count as a change.
        auto ok = dialogo("cane", "pulsanteOk");
        b->clic(b->basso(1, 1), Qt::RightButton);
        {  // The dialog left the default pointer: a press before the next move opens nothing.
            auto nessuno = dialogo();
            QTest::mouseClick(f->area(), Qt::RightButton, {}, b->basso(1, 1));
            QVERIFY(!nessuno->eseguita());
        }
        const V atteso{"C...#", "A#ORO", "N.#.#", "E...#"};
        QTRY_COMPARE(b->copia(), atteso);
        f->sessione().impostaModificato(false);
        auto annulla = dialogo("zzz");
        b->clic(b->alto(3, 2), Qt::MiddleButton);
        QVERIFY(annulla->eseguita());
        QVERIFY(f->sessione().modificato());
        QVERIFY(prova::titoloMostrato(*f).startsWith("*"));
        QCOMPARE(b->memoria(), atteso);
    }

    void aSingleTypedLetterIsAskedAboutBeforeClosing() {
        const std::string prima = b->dir.leggi("prova.trmo");
        clic(1, 1);
        prova::digita("m");  // no Enter: a letter is an answer as soon as it is typed
        // Annulla: the window stays, with its answers and its working copy.
        rispondi("Annulla");
        QVERIFY(!f->close());
        QCOMPARE(titoli.value(0), QString("Modifica del file corrente"));
        QVERIFY(f->isVisible());
        QVERIFY(esisteFile(f->sessione().documento().fileLavoro));
        QCOMPARE(b->dir.leggi("prova.trmo"), prima);
        // Salva: the answers reach the puzzle's file, the window closes and its working copy goes.
        rispondi("Salva");
        QVERIFY(f->close());
        QCOMPARE(prova::salvati(b->puzzle).at(0), std::string("M...#"));
        QVERIFY(!f->sessione().modificato());
        QVERIFY(!esisteFile(f->sessione().documento().fileLavoro));
    }

    void clickTypeAndEveryKeyReachesTheSession() {
        const QPoint origine(b->griglia().x0, b->griglia().y0);
        clic(2, 4);  // R of ERBA
        // The clue line shows the word's clue, and never moves the grid.
        QCOMPARE(rigaDefinizione(), QString(" 7 oriz. - Città d'erba"));
        QCOMPARE(QPoint(b->griglia().x0, b->griglia().y0), origine);
        const std::uint8_t p = segnoParolaCorrente, c = segnoCasellaCorrente;
        QVERIFY((f->decorazioni().segni == std::map<Casella, std::uint8_t>{{{1, 4}, p}, {{2, 4}, std::uint8_t(p | c)}, {{3, 4}, p}, {{4, 4}, p}}));
        prova::digita(QString::fromUtf8("à5r"));  // the digit is swallowed, the accent folds
        QVERIFY(prova::titoloMostrato(*f).startsWith("*"));
        QTRY_COMPARE(b->copia(), b->memoria());
        // Each key once: its move, and the panel following the moves that write.
        percorri({{Qt::Key_Space, v(4, 4)}, {Qt::Key_Up, v(4, 3)}, {Qt::Key_Up, v(4, 2)}, {Qt::Key_Left, o(3, 2)},
                  {Qt::Key_Left, v(1, 2)}, {Qt::Key_Delete, v(1, 2)}, {Qt::Key_Return, v(1, 2)}, {Qt::Key_Down, v(1, 3)},
                  {Qt::Key_Right, o(2, 3)}, {Qt::Key_Tab, o(1, 4)}, {Qt::Key_Backtab, o(1, 3)}, {Qt::Key_Backspace, o(5, 2)}});
        QCOMPARE(corrente(Direzione::orizzontale), QString("4 Metallo prezioso"));
        // Esc: no word is current, and typing writes nothing until the next click.
        b->tasto(Qt::Key_Escape);
        QVERIFY(!b->pos().valida());
        QCOMPARE(rigaDefinizione(), QString());
        QVERIFY(f->decorazioni().segni.empty());
        prova::digita("yz");
        b->tasto(Qt::Key_Return);
        QCOMPARE(b->memoria(), (V{"....#", ".#OR.", "..#.#", ".AR.#"}));
        QVERIFY(b->grigliaHaFuoco());
    }

    void thePanelListsFollowsChoosesAndGivesWayAndTabCanSkipFullWords() {
        // The entries as the page prints them (the core navigation test has them all); complete words look done.
        QListWidget* l = lista(Direzione::orizzontale);
        QCOMPARE(l->count(), 4);
        QCOMPARE(l->item(3)->text(), QString("7 Città d'erba"));
        QCOMPARE(l->item(1)->foreground().color(), QColor(128, 128, 128));
        QCOMPARE(l->item(0)->foreground().style(), Qt::NoBrush);
        // A puzzle just opened gives the grid the keyboard on its first word; Shift+Tab goes round to the last.
        QCOMPARE(b->pos(), o(1, 1));
        percorri({{Qt::Key_Backtab, v(2, 3)}});
        QVERIFY(l->selectedItems().isEmpty());
        QVERIFY(corrente(Direzione::verticale).startsWith("6 __"));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(3)).center());  // 7 ERBA
        QCOMPARE(b->pos(), o(1, 4));
        QTRY_VERIFY(b->grigliaHaFuoco());  // the panel never keeps the keyboard
        // Asked (F12), the list of the current word takes it: arrows, Enter picks a word, the grid has it back.
        b->esegui("MenuVaiElenco");
        QTRY_VERIFY(l->hasFocus());
        QTest::keyClick(l, Qt::Key_Up);
        QTest::keyClick(l, Qt::Key_Return);
        QTRY_COMPARE(b->pos(), o(1, 3));
        QTRY_VERIFY(b->grigliaHaFuoco());
        b->esegui("MenuVaiElenco");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(b->pos(), o(1, 3));
        QTRY_VERIFY(b->grigliaHaFuoco());
        // Skipping full words, kept as the player's option: ORO is passed over.
        b->esegui("azioneSaltaComplete");
        QVERIFY(opzioniUtente().value("soluzione/saltaParoleComplete").toBool());
        clic(1, 1);
        percorri({{Qt::Key_Tab, o(1, 3)}});
        // The panel takes its room beside the grid; hidden, or in the print preview, it gives it back.
        QWidget* pannello = prova::figlio<QWidget>(f, "PannelloDefinizioni");
        const int L = b->griglia().lato;
        QVERIFY(pannello->isVisible());
        QCOMPARE_LT(b->griglia().x0 + 5 * L, pannello->mapTo(f->area()->window(), QPoint()).x());  // the grid stays left of it
        b->esegui("MenuElenco");
        QVERIFY(!pannello->isVisible());
        QVERIFY(!prova::figlio<QLabel>(f, "RigaDefinizione")->isVisible());
        QCOMPARE(b->griglia().lato, geometriaFinestra(f->sessione().cruciverba(), f->sessione().impostazioni().valori(), f->areaFinestra()).lato);
        QCOMPARE_GE(b->griglia().lato, L);
        b->esegui("MenuElenco");
        f->mostraAnteprima();  // the print preview has the whole area
        QVERIFY(pannello->isHidden());
        QTest::mouseClick(prova::figlio<QPushButton>(f, "chiudiAnteprima"), Qt::LeftButton);
        QTRY_VERIFY(pannello->isVisible());
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    void shortcutsReachTheMenusWhileTypingAndTheWordDialogOpensByTheOldModesLeftButtonAndByF2() {
        clic(1, 1);
        prova::digita("ca");
        rispondi("OK");
        b->tasto(Qt::Key_C, Qt::ControlModifier);  // a check, not a C
        f->activateWindow();  // the window manager's part once a modal is gone
        QTRY_VERIFY(f->isActiveWindow());
        QTRY_VERIFY(b->grigliaHaFuoco());
        prova::digita("s");  // the typing carries on where it was
        rispondi("OK");
        b->premi("pulsanteControlla");
        QCOMPARE(testi.size(), 2);
        QCOMPARE(b->memoria()[0], std::string("CAS.#"));
        // The old mode: the right button types, the left one opens the word dialog from the
        // word's start as the pointer shows it; F2 on the current word.
        b->esegui("azioneTastoSinistro");
        b->clic(b->cella(1, 3), Qt::RightButton);
        auto sinistro = dialogo();
        b->clic(b->alto(3, 2));
        QCOMPARE(b->pos(), o(1, 3));
        b->esegui("azioneTastoSinistro");
        f->activateWindow();
        clic(1, 4);
        QTRY_VERIFY(b->grigliaHaFuoco());
        auto f2 = dialogo();
        b->tasto(Qt::Key_F2);
        QCOMPARE(definizioni, (QStringList{"Metallo prezioso", "Città d'erba"}));
    }

    void theGridIsATableAScreenReaderReadsCellByCell() {
        QAccessibleInterface* griglia = QAccessible::queryAccessibleInterface(f->area())->child(0);  // beside the bars
        QAccessibleTableInterface* t = griglia->tableInterface();
        QCOMPARE(griglia->role(), QAccessible::Table);
        QCOMPARE(t->rowCount(), 4);
        QCOMPARE(t->columnCount(), 5);
        const auto testo = [&](int r, int c, QAccessible::Text q = QAccessible::Name) { return t->cellAt(r, c)->text(q); };
        // The current cell says where it lies in its word; another word's first cell, the words starting there.
        QCOMPARE((QStringList{testo(0, 0), testo(1, 0), testo(0, 4), testo(0, 0, QAccessible::Description), testo(0, 3, QAccessible::Description)}),
                 (QStringList{"vuota, numero 1", "A", "nera", "1 orizzontale, lettera 1 di 4: Abitazione", "3 verticale, 4 lettere: Superficie"}));
        clic(1, 1);
        b->tasto(Qt::Key_Right);  // the focus follows the current cell
        QCOMPARE(griglia->focusChild(), t->cellAt(0, 1));
        QVERIFY(t->cellAt(0, 1)->state().focused);
        QVERIFY(!t->cellAt(0, 0)->state().focused);
        QCOMPARE(testo(0, 1, QAccessible::Description), QString("1 orizzontale, lettera 2 di 4"));
        // A reading is the window's voice, shown and spoken; the cell keeps saying where it is.
        b->tasto(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(prova::figlio<Voce>(f, "Voce")->text(), QString("_ _ _ _"));
        QCOMPARE(testo(0, 1, QAccessible::Description), QString("1 orizzontale, lettera 2 di 4"));
    }
};

QTEST_MAIN(ProvaTastieraFinestra)
#include "finestra_tastiera_test.moc"
