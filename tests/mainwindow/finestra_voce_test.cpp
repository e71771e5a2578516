// What a blind player hears on the real main window: every result and reading through the
// window's voice, the keyboard back on the current cell after each dialog, the word dialog, the
// help, and the keys every desktop program has.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>

#include "dialogs/gui/finestra_guida.h"
#include "dialogs/gui/finestra_apri.h"
#include "solving/dizionario_prova.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "qt/voce.h"
#include "solving/schema_prova.h"
#include "solving/gui/finestra_parola.h"
#include "supporto/finestre.h"

using namespace quadrivo;

//      1 2 3 4 5
//   1  . . . . #     across 1 CASA, 4 ORO, 5 NO, 7 ERBA
//   2  A # O R O     down 1 CANE, 2 SO, 3 AREA, 6 OR
//   3  . . # . #     (the letters as the window opens)
//   4  . . . . #
class ProvaVoceFinestra : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;
    FinestraPrincipale* f = nullptr;

    static Posizione o(int c, int r) { return {c, r, Direzione::orizzontale}; }
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
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo").clear();
        testi.clear(), titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }

    void aPuzzleOpensWithTheKeyboardOnItsFirstWordAndTheCellSaysWhereItIs() {
        QCOMPARE(b->pos(), o(1, 1));
        QVERIFY(b->grigliaHaFuoco());
        QCOMPARE(cella(), QString("1 orizzontale, lettera 1 di 4: Abitazione"));
        prova::digita("c");
        QCOMPARE(cella(), QString("1 orizzontale, lettera 2 di 4"));  // the same word: no clue again
        // A numbered cell inside the current word tells the current word, not its own.
        b->tasto(Qt::Key_Right);
        QCOMPARE(cella(), QString("1 orizzontale, lettera 3 di 4"));
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
        QTRY_COMPARE(testi.size(), 1);  // unsaved answers: asked first, and Annulla stays
        QVERIFY(f->isVisible());

        b->esegui("azioneTasti");
        auto* guida = prova::figlio<FinestraGuida>(f, "FinestraGuida");
        QTRY_VERIFY(guida->isVisible());
        const QStringList righe = guida->testo().split('\n');
        QVERIFY(righe.contains("F8: controlla la parola: le lettere sbagliate vengono barrate in rosso, e si sente quante sono"));
        QVERIFY(righe.contains("F3 o Ctrl+O: apre un cruciverba"));
        QVERIFY(righe.contains("Ctrl+F4 o Ctrl+Q: esce"));
    }
};

QTEST_MAIN(ProvaVoceFinestra)
#include "finestra_voce_test.moc"
