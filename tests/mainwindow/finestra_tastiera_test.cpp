// Solving on the real main window, by mouse and keys, what a blind player hears there, where the
// keyboard goes after each dialog, and the looks keeping every icon and indicator readable.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QPainter>
#include <QTemporaryDir>

#include "dialogs/gui/finestra_apri.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "qt/voce.h"
#include "solving/cronometro.h"
#include "solving/dizionario_prova.h"
#include "solving/gui/finestra_parola.h"
#include "solving/schema_prova.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using V = prova::Voci;

namespace {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrasto(const QColor& a, const QColor& b) {
    const auto luce = [](const QColor& c) {
        const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
    };
    const double x = luce(a), y = luce(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The pixels of an icon painted over `fondo` that stand clearly apart from it.
int pixelVisibili(const QIcon& icona, const QColor& fondo) {
    QImage immagine(24, 24, QImage::Format_ARGB32);
    immagine.fill(fondo);
    {
        QPainter p(&immagine);
        icona.paint(&p, immagine.rect());
    }
    int visibili = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) visibili += contrasto(immagine.pixelColor(x, y), fondo) >= 3;
    return visibili;
}

}  // namespace

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

    static Posizione o(int c, int r) { return {c, r, Direzione::orizzontale}; }
    static QSettings opzioniUtente() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo"); }

    QString rigaDefinizione() { return prova::figlio<QLabel>(f, "RigaDefinizione")->text(); }
    // The next word dialog, answered with `testo` typed and the button `pulsante`.
    auto dialogo(const char* testo, const char* pulsante) {
        return std::make_unique<prova::AlProssimoModale<FinestraParola>>([=](FinestraParola* d) {
            prova::digita(testo);
            QTest::mouseClick(d->findChild<QPushButton*>(pulsante), Qt::LeftButton);
        });
    }
    Voce* voce() const { return prova::figlio<Voce>(f, "Voce"); }
    QString cella() const { return descrizioneCorrente(f->area()); }
    // The keys, then what the voice said last.
    QString dopo(const QKeySequence& tasti) {
        const int prima = voce()->annunci();
        b->tasto(tasti[0].key(), tasti[0].keyboardModifiers());
        return voce()->annunci() > prima ? voce()->text() : QString("(niente)");
    }

private slots:
    // The player's options in a folder of this run: neither the real ones nor another run's.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        opzioniUtente().clear();
        testi.clear(), titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }

    void hoverShowsTheWordsShapeAndTheButtonsOpenTheWordDialog() {
        b->muovi(b->alto(1, 1));  // the shape off the grid is the hover's test
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
        // The word dialog: OK and Annulla both count as a change.
        auto ok = dialogo("cane", "pulsanteOk");
        b->clic(b->basso(1, 1), Qt::RightButton);
        {  // The dialog left the default pointer: a press before the next move opens nothing.
            auto nessuno = dialogo("", "pulsanteAnnulla");
            QTest::mouseClick(f->area(), Qt::RightButton, {}, b->basso(1, 1));
            QVERIFY(!nessuno->eseguita());
        }
        const V atteso{"C...#", "A#ORO", "N.#.#", "E...#"};
        QTRY_COMPARE(b->copia(), atteso);
        f->sessione().impostaModificato(false);
        auto annulla = dialogo("zzz", "pulsanteAnnulla");
        b->clic(b->alto(3, 2), Qt::MiddleButton);
        QVERIFY(annulla->eseguita());
        QVERIFY(f->sessione().modificato());
        QCOMPARE(b->memoria(), atteso);
    }

    // A puzzle just opened gives the grid the keyboard on its first word; what is typed after a
    // click reaches the session and the working copy (the caption's mark is the start's test).
    void aClickAndTypingReachTheSessionAndTheWorkingCopy() {
        QCOMPARE(b->pos(), o(1, 1));
        QCOMPARE(cella(), QString("1 orizzontale, lettera 1 di 4: Abitazione"));
        const QPoint origine(b->griglia().x0, b->griglia().y0);
        b->clic(b->cella(2, 4));  // R of ERBA
        // The clue line shows the word's clue, and never moves the grid.
        QCOMPARE(rigaDefinizione(), QString(" 7 oriz. - Città d'erba"));
        QCOMPARE(QPoint(b->griglia().x0, b->griglia().y0), origine);
        prova::digita("rb");
        QCOMPARE(b->pos(), o(4, 4));
        QCOMPARE(b->memoria()[3], std::string(".RB.#"));
        QTRY_COMPARE(b->copia(), b->memoria());
    }

    // Asked (F12), the list of the current word takes the keyboard: Enter picks a clue and the
    // grid has the keyboard back. The print preview has the whole area; closed, the panel
    // and the keyboard's place come back.
    void theListTakesTheKeyboardOnlyWhenAskedAndThePreviewGivesThePanelBack() {
        QListWidget* l = prova::figlio<QListWidget>(f, "ListaOrizzontali");
        b->esegui("MenuVaiElenco");
        QTRY_VERIFY(l->hasFocus());
        QTest::keyClick(l, Qt::Key_Down);
        QTest::keyClick(l, Qt::Key_Return);
        QTRY_COMPARE(b->pos(), o(3, 2));
        QTRY_VERIFY(b->grigliaHaFuoco());
        QWidget* pannello = prova::figlio<QWidget>(f, "PannelloDefinizioni");
        QVERIFY(pannello->isVisible());
        f->mostraAnteprima();
        QVERIFY(pannello->isHidden());
        QTest::mouseClick(prova::figlio<QPushButton>(f, "chiudiAnteprima"), Qt::LeftButton);
        QTRY_VERIFY(pannello->isVisible());
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    // One of each way a result reaches the voice, after `scritte` typed from the first cell (the
    // texts of checks, readings and moves are the solving tests').
    void eachKindOfResultIsSpoken_data() {
        QTest::addColumn<QString>("scritte");
        QTest::addColumn<QKeySequence>("tasti");
        QTest::addColumn<QString>("detto");
        QTest::newRow("check") << "cb" << QKeySequence("F8") << "1 orizzontale: 1 lettera sbagliata";
        QTest::newRow("spelling") << "cb" << QKeySequence("Ctrl+Shift+L") << "C B _ _";
        QTest::newRow("completed") << "cas" << QKeySequence("A") << "1 orizzontale completata: CASA";
        QTest::newRow("turn") << "cb" << QKeySequence("Space") << "verticale, 2 verticale, lettera 1 di 2";
        QTest::newRow("undo") << "c" << QKeySequence("Ctrl+Z") << "Annullato: C cancellata";
        QTest::newRow("pause") << "" << QKeySequence("F6") << "In pausa: il cronometro è fermo";
        QTest::newRow("no current cell") << "c" << QKeySequence("Esc")
                                         << "Nessuna casella corrente: Tab torna a 1 orizzontale, lettera 2 di 4";
    }
    void eachKindOfResultIsSpoken() {
        QFETCH(QString, scritte);
        QFETCH(QKeySequence, tasti);
        prova::digita(scritte);
        QTEST(dopo(tasti), "detto");
        QVERIFY(voce()->isVisible());  // shown as it is said
    }

    void theKeyboardComesBackToTheCellAfterAMessageAndTheWordDialog() {
        prova::digita("c");
        rispondi("OK");
        b->tasto(Qt::Key_C, Qt::ControlModifier);  // Controlla Soluzioni: a message
        QTRY_COMPARE(testi.size(), 1);
        f->activateWindow();  // the window manager's part once a modal is gone
        QTRY_VERIFY(b->grigliaHaFuoco());
        // Back on the grid, the cell is said with its clue.
        QTRY_COMPARE(cella(), QString("1 orizzontale, lettera 2 di 4: Abitazione"));

        QString titolo, nomi;
        prova::AlProssimoModale<FinestraParola> parola([&](FinestraParola* d) {
            titolo = d->windowTitle();
            nomi = d->findChild<QLineEdit*>("caselle_0")->accessibleName() + "|" + d->findChild<QLineEdit*>("caselle_1")->accessibleName();
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteAnnulla"), Qt::LeftButton);
        });
        b->tasto(Qt::Key_F2);
        QVERIFY(parola.eseguita());
        QCOMPARE(titolo, QString("1 orizzontale \u2013 Abitazione"));
        QCOMPARE(nomi, QString("Lettera 1 di 4: C|Lettera 2 di 4, vuota"));  // each box says its letter
        f->activateWindow();
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    void ctrlOOpensOnTheFileListAndCtrlQAsksBeforeQuitting() {
        b->tasto(Qt::Key_O, Qt::ControlModifier);
        QTRY_COMPARE(prova::fuoco() ? prova::fuoco()->objectName() : QString(), QString("elencoFile"));
        QCOMPARE(f->sessione().partita().cronometro().sospeso(Sosta::dialogo), true);  // the window it disables holds the clock
        qobject_cast<FinestraApri*>(prova::fuoco()->window())->annulla();
        QTRY_VERIFY(b->grigliaHaFuoco());
        QCOMPARE(f->sessione().partita().cronometro().sospeso(Sosta::dialogo), false);

        prova::digita("c");
        rispondi("Annulla");
        b->tasto(Qt::Key_Q, Qt::ControlModifier);
        QTRY_COMPARE(testi.size(), 1);  // one letter typed is an unsaved answer: asked first, and Annulla stays
        QVERIFY(f->isVisible());
        QVERIFY(esisteFile(f->sessione().documento().fileLavoro));

        // Salva: the answers reach the puzzle's file, the window closes and its working copy goes.
        rispondi("Salva");
        QVERIFY(f->close());
        QCOMPARE(prova::salvati(b->puzzle).at(0), std::string("C...#"));
        QVERIFY(!esisteFile(f->sessione().documento().fileLavoro));
    }

    void looksKeepIconsIndicatorsAndTheCurrentCell() {
        b->clic(b->cella(2, 1));
        const Posizione prima = b->pos();
        const QString riga = rigaDefinizione();
        for (const char* aspetto : {"MenuAspetto3", "MenuAspetto2", "MenuAspetto3"}) {
            b->esegui(aspetto);
            QTRY_COMPARE(b->pos(), prima);
            QCOMPARE(rigaDefinizione(), riga);
        }
        // Scuro: every toolbar image shows on the dark window; black squares stand apart from
        // empty cells.
        const QColor finestra = QApplication::palette().color(QPalette::Window);
        QVERIFY(finestra.lightness() < 60);
        int icone = 0;
        for (QToolButton* a : f->findChildren<QToolButton*>())
            if (a->objectName().startsWith("pulsante") && !a->icon().isNull()) {
                ++icone;
                QVERIFY2(pixelVisibili(a->icon(), finestra) >= 40, qPrintable(a->objectName()));
            }
        QVERIFY(icone >= 9);
        QTRY_VERIFY(contrasto(b->pixel(b->cella(2, 2).x(), b->cella(2, 2).y()),
                              b->pixel(b->cella(1, 3).x(), b->cella(1, 3).y())) >= 3);
        // Alto contrasto: an indicator that is off is drawn apart from one that is on.
        b->esegui("MenuAspetto2");
        const QPalette p = QApplication::palette();
        QVERIFY(contrasto(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Active, QPalette::WindowText)) >= 3);
        QVERIFY(contrasto(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Window)) >= 3);
        b->esegui("MenuAspetto1");  // the look belongs to the application, not to this window
    }

};

QTEST_MAIN(ProvaTastieraFinestra)
#include "finestra_tastiera_test.moc"
