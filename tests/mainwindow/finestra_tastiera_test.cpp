// Solving on the real main window, by mouse and keys, and what a blind player hears there: hover,
// the word dialog, the clue panel, the suggestions, every result and reading through the window's
// voice, the keyboard back on the current cell after each dialog, and the keys every desktop
// program has.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include "dialogs/gui/finestra_apri.h"
#include "dialogs/gui/finestra_guida.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "qt/voce.h"
#include "solving/dizionario_prova.h"
#include "solving/gui/finestra_parola.h"
#include "solving/schema_prova.h"
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

    // A new window on the puzzle, with the words of length 4 `parole` in its dictionary.
    void avvia(const std::vector<std::string>& parole) {
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, parole}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }
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
    Voce* voce() const { return prova::figlio<Voce>(f, "Voce"); }
    QString detto() const { return voce()->text(); }
    QString cella() const { return descrizioneCorrente(f->area()); }
    // The keys, then what the voice said last.
    QString dopo(Qt::Key k, Qt::KeyboardModifiers m = {}) {
        const int prima = voce()->annunci();
        b->tasto(k, m);
        return voce()->annunci() > prima ? detto() : QString("(niente)");
    }

private slots:
    // The player's options in a folder of this run: neither the real ones nor another run's.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        opzioniUtente().clear();
        testi.clear(), titoli.clear(), definizioni.clear();
        avvia({"CASA"});
    }

    void hoverShowsClueShapeAndRectangleAndTheButtonsOpenTheWordDialog() {
        const int L = b->griglia().lato, x0 = b->griglia().x0, y0 = b->griglia().y0;
        const QPoint a = b->alto(1, 1);
        b->muovi(a);
        auto* rettangolo = prova::figlio<Rettangolo>(f, "rettangoloPassaggio");
        QCOMPARE(prova::figlio<QLabel>(f, "etichettaPassaggio")->pos(), QPoint(a.x() - 19, a.y() + 12));
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
        QCOMPARE(rettangolo->geometry(), QRect(x0 + 1, y0 + 1, 4 * L - 2, L - 2));
        QCOMPARE(rettangolo->colore(), giallo);
        b->muovi(QPoint(x0 - 3, y0 + 10));  // outside the grid
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

    // The old mode: the right button types, the left one opens the word dialog from the word's
    // start as the pointer shows it, leaving the cursor where it was.
    void theOldModesLeftButtonOpensTheWordDialog() {
        b->esegui("azioneTastoSinistro");
        b->clic(b->cella(1, 3), Qt::RightButton);
        auto sinistro = dialogo();
        b->clic(b->alto(3, 2));
        QCOMPARE(b->pos(), o(1, 3));
        QCOMPARE(definizioni, QStringList{"Metallo prezioso"});
    }

    void clickTypeAndEveryKeyReachesTheSession() {
        const QPoint origine(b->griglia().x0, b->griglia().y0);
        clic(2, 4);  // R of ERBA
        // The clue line shows the word's clue, and never moves the grid.
        QCOMPARE(rigaDefinizione(), QString(" 7 oriz. - Città d'erba"));
        QCOMPARE(QPoint(b->griglia().x0, b->griglia().y0), origine);
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
        QCOMPARE(rigaDefinizione(), QString());
        prova::digita("yz");
        b->tasto(Qt::Key_Return);
        QCOMPARE(b->memoria(), (V{"....#", ".#OR.", "..#.#", ".AR.#"}));
        QVERIFY(b->grigliaHaFuoco());
    }

    void thePanelFollowsChoosesAndGivesWayToThePreviewAndTabCanSkipFullWords() {
        // Complete words look done (the entries themselves are the clue column's test).
        QListWidget* l = lista(Direzione::orizzontale);
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
        // Skipping full words: ORO is passed over.
        b->esegui("azioneSaltaComplete");
        clic(1, 1);
        percorri({{Qt::Key_Tab, o(1, 3)}});
        // The print preview has the whole area; closed, the panel and the keyboard's place come back
        // (the room the panel takes and gives back is the layout's test).
        QWidget* pannello = prova::figlio<QWidget>(f, "PannelloDefinizioni");
        QVERIFY(pannello->isVisible());
        f->mostraAnteprima();
        QVERIFY(pannello->isHidden());
        QTest::mouseClick(prova::figlio<QPushButton>(f, "chiudiAnteprima"), Qt::LeftButton);
        QTRY_VERIFY(pannello->isVisible());
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    // Shown, the suggestions follow the current word and its letters; a word chosen there is
    // written as one undoable step.
    void theSuggestionsFollowTheCurrentWordAndWriteUndoably() {
        avvia({"CASA", "CANE", "AREA", "ERBA", "MARE", "ORCA", "MAGA"});
        auto* lista = prova::figlio<QListView>(f, "ListaSuggerimenti");
        QVERIFY(!lista->isVisible());
        b->esegui("MenuSuggerimenti");
        QVERIFY(lista->isVisible());
        QVERIFY(opzioniUtente().value("soluzione/mostraSuggerimenti").toBool());
        auto righe = [&] {
            QStringList r;
            for (int i = 0; i < lista->model()->rowCount(); ++i) r << lista->model()->index(i, 0).data().toString();
            return r.join(", ");
        };
        // Across 1 crosses down 1 (?A??) and down 3 (?R??): AREA, ERBA and ORCA would leave down 1
        // without a word, ?A?? gives C and M.
        clic(1, 1);
        QTRY_COMPARE(righe(), QString("CASA  (3), CANE  (3), MARE  (3), MAGA  (3)"));
        b->tasto(Qt::Key_M);
        QTRY_COMPARE(righe(), QString("MARE  (3), MAGA  (3)"));
        // Across 7 ends on down 3 (?R??, all ending in A) and starts on down 1, now MA??.
        clic(1, 4);
        QTRY_COMPARE(righe(), QString("AREA  (4), ERBA  (4)"));
        emit lista->activated(lista->model()->index(0, 0));
        QCOMPARE(b->memoria()[3], std::string("AREA#"));
        b->esegui("azioneAnnulla");
        QCOMPARE(b->memoria()[3], std::string("....#"));
        QCOMPARE(b->memoria()[0], std::string("M...#"));
    }

    void aPuzzleOpensWithTheKeyboardOnItsFirstWordAndTheCellSaysWhereItIs() {
        QCOMPARE(b->pos(), o(1, 1));
        QVERIFY(b->grigliaHaFuoco());
        QCOMPARE(cella(), QString("1 orizzontale, lettera 1 di 4: Abitazione"));
        prova::digita("c");
        QCOMPARE(cella(), QString("1 orizzontale, lettera 2 di 4"));  // the same word: no clue again
        // A numbered cell inside the current word tells the current word, not its own; the
        // reader's focus, on the table it finds beside the bars, follows.
        b->tasto(Qt::Key_Right);
        QCOMPARE(cella(), QString("1 orizzontale, lettera 3 di 4"));
        QAccessibleInterface* griglia = QAccessible::queryAccessibleInterface(f->area())->child(0);
        QCOMPARE(griglia->focusChild(), griglia->tableInterface()->cellAt(0, 2));
        // A first click picks as on a fresh grid: across, not the other way.
        b->clic(b->cella(1, 3));
        QCOMPARE(b->pos(), o(1, 3));
        QCOMPARE(cella(), QString("5 orizzontale, lettera 1 di 2"));
    }

    void checksAndReadingsAreSpoken() {
        prova::digita("cb");
        QCOMPARE(dopo(Qt::Key_F8), QString("1 orizzontale: 1 lettera sbagliata"));
        QCOMPARE(dopo(Qt::Key_F8, Qt::ShiftModifier), QString("casella vuota"));
        QCOMPARE(dopo(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier), QString("C B _ _"));
        QCOMPARE(cella(), QString("1 orizzontale, lettera 3 di 4"));  // a reading leaves the cell saying where it is
        QCOMPARE(dopo(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier), QString("1 orizzontale, 4 lettere: Abitazione"));
        QCOMPARE(dopo(Qt::Key_F9), QString("Parola rivelata: CASA"));
        QCOMPARE(dopo(Qt::Key_F8), QString("1 orizzontale: parola giusta"));
        QVERIFY(voce()->isVisible());  // shown as it is said
    }

    // Played as a senza schema: a revealed row is said as its words, a black square as one.
    void aSenzaSchemasBlackSquaresAreSaid() {
        QCOMPARE(f->sessione().giocaCome(Variante::senzaSchema), std::string());
        f->sessione().impostaPosizione(o(3, 2));
        QCOMPARE(dopo(Qt::Key_F9), QString("Parola rivelata: A ORO"));  // the whole row, its two words apart
        f->sessione().impostaPosizione(o(2, 2));
        QCOMPARE(dopo(Qt::Key_F9, Qt::ShiftModifier), QString("Lettera rivelata: nera"));
        f->sessione().impostaPosizione(o(1, 1));
        b->tasto(Qt::Key_Period);
        f->sessione().impostaPosizione(o(1, 1));
        QCOMPARE(dopo(Qt::Key_F8, Qt::ShiftModifier), QString("nera sbagliata"));
    }

    void spaceBackspaceUndoAndRedoSayWhatTheyDid() {
        prova::digita("cb");
        QCOMPARE(dopo(Qt::Key_Space), QString("verticale, 2 verticale, lettera 1 di 2"));
        QCOMPARE(cella(), QString("2 verticale, lettera 1 di 2"));
        QCOMPARE(dopo(Qt::Key_Space), QString("orizzontale, 1 orizzontale, lettera 3 di 4: Abitazione"));
        QCOMPARE(dopo(Qt::Key_Backspace), QString("B cancellata"));
        QCOMPARE(dopo(Qt::Key_Backspace), QString("C cancellata"));
        QCOMPARE(dopo(Qt::Key_Z, Qt::ControlModifier), QString("Annullato: C scritta"));
        QCOMPARE(dopo(Qt::Key_Y, Qt::ControlModifier), QString("Ripetuto: C cancellata"));
        QCOMPARE(dopo(Qt::Key_Backspace), QString("(niente)"));  // nothing left to erase before the first cell
    }

    void aCompletedWordPencilAndPauseAreSaid() {
        const QStringList attesi = {"1 orizzontale completata: CASA"};
        QStringList detti;
        connect(voce(), &Voce::annunciato, this, [&](const QString& t) { detti << t; });
        prova::digita("casa");
        QCOMPARE(detti, attesi);
        QCOMPARE(dopo(Qt::Key_F7), QString("Matita attiva"));
        QCOMPARE(dopo(Qt::Key_F7), QString("Matita tolta"));
        QCOMPARE(dopo(Qt::Key_F6), QString("In pausa: il cronometro è fermo"));
        QCOMPARE(dopo(Qt::Key_F6), QString("Pausa finita: il cronometro riparte"));
    }

    void escSaysWhereTheKeyboardIsAndTabComesBack() {
        prova::digita("c");
        QCOMPARE(dopo(Qt::Key_Escape), QString("Nessuna casella corrente: Tab torna a 1 orizzontale, lettera 2 di 4"));
        QVERIFY(!b->pos().valida());
        QCOMPARE(dopo(Qt::Key_X), QString("Nessuna casella corrente: Tab torna a 1 orizzontale, lettera 2 di 4"));
        QCOMPARE(dopo(Qt::Key_Tab), QString("vuota, 1 orizzontale, lettera 2 di 4: Abitazione"));
        QCOMPARE(b->pos(), o(2, 1));
    }

    void theKeyboardComesBackToTheCellAfterAMessageAndTheWordDialog() {
        prova::digita("c");
        rispondi("OK");
        b->tasto(Qt::Key_C, Qt::ControlModifier);  // Controlla Soluzioni: a message
        QTRY_COMPARE(testi.size(), 1);
        f->activateWindow();  // the window manager's part once a modal is gone
        QTRY_VERIFY(f->isActiveWindow());
        QTRY_VERIFY(b->grigliaHaFuoco());
        // Back on the grid, the cell is said with its clue.
        QTRY_COMPARE(cella(), QString("1 orizzontale, lettera 2 di 4: Abitazione"));

        QString titolo, combo, trovate, nomi;
        bool selezionata = true;
        prova::AlProssimoModale<FinestraParola> parola([&](FinestraParola* d) {
            titolo = d->windowTitle();
            combo = d->findChild<QComboBox*>("elencoTrovate")->accessibleName();
            auto* prima = d->findChild<QLineEdit*>("caselle_0");
            QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
            QTest::keyClick(d->focusWidget(), Qt::Key_Backtab);
            prova::smaltisciCoda();
            selezionata = prima->hasFocus() && prima->hasSelectedText();
            nomi = prima->accessibleName() + "|" + d->findChild<QLineEdit*>("caselle_1")->accessibleName();
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteCerca"), Qt::LeftButton);  // Cerca
            trovate = d->findChild<Voce*>("esitoRicerca")->accessibleName();
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteAnnulla"), Qt::LeftButton);
        });
        b->tasto(Qt::Key_F2);
        QVERIFY(parola.eseguita());
        QCOMPARE(titolo, QString("1 orizzontale \u2013 Abitazione"));
        QCOMPARE(combo, QString("Parole trovate"));
        QVERIFY(!selezionata);
        QCOMPARE(nomi, QString("Lettera 1 di 4: C|Lettera 2 di 4, vuota"));  // each box says its letter
        QCOMPARE(trovate, QString("1 parola trovata"));
        f->activateWindow();
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    void f12SaysTheCurrentClueAndWhetherItIsSolved() {
        QCOMPARE(dopo(Qt::Key_F12), QString("1 orizzontale, 4 lettere: Abitazione"));
        b->tasto(Qt::Key_Escape);
        QTRY_VERIFY(b->grigliaHaFuoco());
        prova::digita("casa");
        f->sessione().impostaPosizione(o(1, 1));
        QCOMPARE(dopo(Qt::Key_F12), QString("1 orizzontale, 4 lettere: Abitazione, risolta"));
        auto* lista = prova::figlio<QListWidget>(f, "ListaOrizzontali");
        QCOMPARE(lista->currentItem()->data(Qt::AccessibleTextRole).toString(), lista->currentItem()->text() + ", risolta");
    }

    void ctrlOOpensOnTheFileListCtrlQAsksBeforeQuittingAndHelpIsLines() {
        b->tasto(Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(prova::fuoco() ? prova::fuoco()->objectName() : QString(), QString("elencoFile"));
        auto* apertura = qobject_cast<FinestraApri*>(prova::fuoco()->window());
        QVERIFY(apertura);
        apertura->annulla();
        QTRY_VERIFY(b->grigliaHaFuoco());

        prova::digita("c");
        rispondi("Annulla");
        b->tasto(Qt::Key_Q, Qt::ControlModifier);
        QTRY_COMPARE(testi.size(), 1);  // one letter typed is an unsaved answer: asked first, and Annulla stays
        QVERIFY(f->isVisible());
        QVERIFY(esisteFile(f->sessione().documento().fileLavoro));

        b->esegui("azioneTasti");
        auto* guida = prova::figlio<FinestraGuida>(f, "FinestraGuida");
        QTRY_VERIFY(guida->isVisible());
        const QStringList righe = guida->testo().split('\n');
        QVERIFY(righe.contains("F8: controlla la parola: le lettere sbagliate vengono barrate in rosso, e si sente quante sono"));
        QVERIFY(righe.contains("F3 o Ctrl+O: apre un cruciverba"));
        QVERIFY(righe.contains("Ctrl+F4 o Ctrl+Q: esce"));

        // Salva: the answers reach the puzzle's file, the window closes and its working copy goes.
        rispondi("Salva");
        QVERIFY(f->close());
        QCOMPARE(prova::salvati(b->puzzle).at(0), std::string("C...#"));
        QVERIFY(!esisteFile(f->sessione().documento().fileLavoro));
    }
};

QTEST_MAIN(ProvaTastieraFinestra)
#include "finestra_tastiera_test.moc"
