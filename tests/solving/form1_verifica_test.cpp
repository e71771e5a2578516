// Checks, reveals, the solving clock and the kept solve on the real main window.
#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "dialogs/gui/tessosav.h"
#include "dizionario_prova.h"
#include "model/file.h"
#include "schema_prova.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using prova::fuoco;
using V = std::vector<std::string>;

namespace {

// The desktop platform with a steady clock the test sets.
class PiattaformaOrologio : public PiattaformaQt {
public:
    std::int64_t ms = 0;
    std::int64_t millisecondi() override { return ms; }
};

bool rosso(QColor c) { return c.red() > 170 && c.green() < 80 && c.blue() < 80; }
bool verde(QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 60; }

}  // namespace

class Form1VerificaTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    QTemporaryDir dati;  // the user's data folder for the whole run
    std::unique_ptr<prova::BancoFinestra<PiattaformaOrologio>> b;
    Form1* f = nullptr;
    std::string& puzzle() { return b->puzzle; }

    Stato& s() { return b->stato; }
    V salvati() { return prova::salvati(s().fileLavoro); }
    QString tempo() const { return prova::figlio<QLabel>(f, "TempoSoluzione")->text(); }
    void esegui(const char* azione) { prova::figlio<QAction>(f, azione)->trigger(); }

    QPoint alto(int c, int r) { return b->alto(c, r); }
    QPoint basso(int c, int r) { return b->basso(c, r); }
    void muovi(QPoint p) { prova::muoviSu(f->area(), p); }
    void clic(QPoint p) { prova::clicSu(f->area(), p); }
    QColor pixel(QPoint p) {
        const QImage& img = f->area()->immagine();
        const qreal d = img.devicePixelRatio();
        return img.pixelColor(static_cast<int>(p.x() * d), static_cast<int>(p.y() * d));
    }
    // The wrong-letter stroke passes near the bottom-left corner; the revealed mark sits in
    // the top-right one.
    bool segnata(int c, int r) {
        const int L = s().latoCasella;
        const double t = std::max(2.0, L / 14.0);
        return rosso(pixel(QPoint(s().xGriglia + (c - 1) * L + static_cast<int>(4 + t / 2),
                                  s().yGriglia + r * L - static_cast<int>(4 + t / 2))));
    }
    bool rivelata(int c, int r) {
        const int L = s().latoCasella;
        return verde(pixel(QPoint(s().xGriglia + c * L - 3, s().yGriglia + (r - 1) * L + 3)));
    }

    // A new window on the puzzle, as a new start of the program opening it; no answers: the last file.
    void apri(const V& voci, const V& soluzioni = prova::soluzioniProva) {
        if (!b) b = std::make_unique<prova::BancoFinestra<PiattaformaOrologio>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(voci.empty() ? std::string() : prova::fileTrmo(soluzioni, voci, prova::definizioniProva)));
        f = &*b->f;
    }
    void chiudi() {
        b->chiudi();
        f = nullptr;
    }

private slots:
    void initTestCase() {
        QVERIFY(dati.isValid());
        qputenv("XDG_DATA_HOME", dati.path().toUtf8());
    }
    void init() {
        testi.clear();
        titoli.clear();
    }
    void cleanup() {
        risposta.reset();
        b.reset();
    }

    void wordCheckMarksExactlyItsWrongLettersUntilTheyChange() {
        // Across 1 is CASA: U and E are wrong. Down 1 is CANE: its second cell is empty.
        apri({"CUSE#", ".#...", "X.#.#", "E.Z.#"});
        muovi(alto(3, 1));
        QVERIFY(f->parolaPerVerifica().has_value());
        QCOMPARE(f->parolaPerVerifica()->lunghezza, 4);
        auto* pulsante = prova::figlio<QAction>(f, "Toolbar1_ControllaParola");
        QVERIFY(pulsante && pulsante->isEnabled() && !pulsante->toolTip().isEmpty());
        pulsante->trigger();
        QVERIFY(!segnata(1, 1) && segnata(2, 1) && !segnata(3, 1) && segnata(4, 1));
        QVERIFY(!segnata(1, 3));  // another word's wrong letter is not this check's
        QCOMPARE(prova::figlio<QStatusBar>(f, "StatusBar1")->currentMessage(), QString("2 lettere sbagliate"));
        // The down word through the pointer's lower half: the empty cell is not wrong.
        muovi(basso(1, 2));
        esegui("MenuControllaParola");
        QVERIFY(segnata(1, 3) && !segnata(1, 2) && segnata(2, 1));
        // The marks stay on the window's grid only: the puzzle file holds the letters.
        QCOMPARE(salvati(), (V{"CUSE#", ".#...", "X.#.#", "E.Z.#"}));
        // A letter typed over a mark takes it away; the other mark stays.
        clic(alto(1, 1));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        QTest::keyClicks(f->area(), "ca");
        QCOMPARE(salvati()[0], "CASE#");
        QVERIFY(!segnata(2, 1) && segnata(4, 1) && segnata(1, 3));
        // One letter, then the whole grid. Once the pointer is off the grid (on its way to the menu), the cell last pressed on.
        clic(alto(3, 4));
        QCOMPARE(f->posizioneCorrente(), (Posizione{3, 4, orizzontale}));
        muovi(alto(4, 2));
        muovi(QPoint(s().xGriglia / 2, s().yGriglia + 5));
        esegui("MenuControllaLettera");
        QVERIFY(segnata(3, 4) && !segnata(4, 2));
        QCOMPARE(prova::figlio<QStatusBar>(f, "StatusBar1")->currentMessage(), QString("1 lettera sbagliata"));
        esegui("MenuSegnaErrori");
        QCOMPARE(prova::figlio<QStatusBar>(f, "StatusBar1")->currentMessage(), QString("3 lettere sbagliate"));
    }

    void revealGoesThroughTheWorkingCopyAndLooksRevealed() {
        apri({"CUS.#", ".#...", "..#.#", "....#"});
        muovi(alto(2, 1));
        esegui("MenuControllaLettera");
        QVERIFY(segnata(2, 1));
        esegui("MenuRivelaLettera");
        QCOMPARE(salvati()[0], "CAS.#");
        QVERIFY(rivelata(2, 1) && !segnata(2, 1) && !rivelata(1, 1));
        QVERIFY(s().fileModificato && f->windowTitle().startsWith("*"));
        esegui("MenuRivelaParola");
        QCOMPARE(salvati()[0], "CASA#");
        QVERIFY(rivelata(4, 1) && !rivelata(3, 1));  // S was right already
        // The whole grid asks first; Annulla leaves it.
        rispondi("Annulla");
        esegui("MenuRivelaSchema");
        QVERIFY(risposta->eseguita());
        QCOMPARE(salvati()[1], ".#...");
        // Printing keeps its own painter pass without marks: the reveal count is the solve's.
        rispondi("OK");
        esegui("MenuRivelaSchema");
        QVERIFY(risposta->eseguita());
        QCOMPARE(salvati(), prova::soluzioniProva);
        // The grid came right by revealing: the congratulation counts the letters given away.
        QTRY_COMPARE(testi.size(), 2);
        rispondi("OK");
        QTRY_VERIFY(risposta->eseguita());
        QCOMPARE(testi.value(2), QString("Bravo! hai risolto il cruciverba in 0 minuti e 0 secondi (13 lettere rivelate)"));
    }

    void clockTicksPausesHidesTheGridAndStopsWhenMinimised() {
        apri({"C...#", "A#ORO", "..#.#", "....#"});
        QCOMPARE(tempo(), QString("0:00"));
        b->piattaforma.ms = 65'400;
        QTRY_COMPARE(tempo(), QString("1:05"));
        const QImage giocando = f->area()->immagine();
        prova::figlio<QAction>(f, "Toolbar1_Pausa")->trigger();
        QVERIFY(f->inPausa());
        QCOMPARE(tempo(), QString("In pausa 1:05"));
        QVERIFY(f->area()->immagine() != giocando);  // the C is gone
        QVERIFY(!prova::figlio<QAction>(f, "MenuRivelaLettera")->isEnabled());
        b->piattaforma.ms = 500'000;
        // A hidden grid opens no word.
        clic(alto(1, 1));
        QVERIFY(!f->posizioneCorrente().valida());
        QCOMPARE(f->tempoSoluzione(), 65'400);
        esegui("MenuPausa");
        QVERIFY(!f->inPausa());
        QCOMPARE(f->area()->immagine(), giocando);
        b->piattaforma.ms = 501'000;
        QTRY_COMPARE(tempo(), QString("1:06"));
        // Minimised, the clock stands still.
        f->setWindowState(Qt::WindowMinimized);
        b->piattaforma.ms = 900'000;
        QCOMPARE(f->tempoSoluzione(), 66'400);
        f->setWindowState(Qt::WindowMaximized);
        b->piattaforma.ms = 3'600'000 + 900'000 - 66'400 + 6'000;
        QTRY_COMPARE(tempo(), QString("1:00:06"));
        // Azzera Soluzioni asks, Annulla leaves all; OK clears every answer, given ones too, and
        // starts the clock again.
        rispondi("Annulla");
        esegui("MenuAzzera");
        QCOMPARE(titoli.value(0), QString("Azzeramento soluzioni"));
        QCOMPARE(salvati()[1], "A#ORO");
        rispondi("OK");
        esegui("MenuAzzera");
        QVERIFY(risposta->eseguita());
        QCOMPARE(salvati(), (V{"....#", ".#...", "..#.#", "....#"}));
        QCOMPARE(tempo(), QString("0:00"));
    }

    void theSolveContinuesAfterSalvaAndANewStart() {
        apri({"CUSA#", ".#...", "..#.#", "....#"});
        b->piattaforma.ms = 125'000;
        muovi(alto(2, 1));
        esegui("MenuControllaLettera");
        muovi(alto(3, 2));
        esegui("MenuRivelaLettera");
        esegui("MenuSalva");
        QVERIFY(!s().fileModificato);
        const std::string file = b->dir.leggi("prova.trmo");
        // Nothing of the solve went into the puzzle file: its 4 + 4 + 5 lines, the answers in the grid.
        QCOMPARE(std::count(file.begin(), file.end(), '\n'), 13);
        QCOMPARE(prova::salvati(puzzle()), (V{"CUSA#", ".#O..", "..#.#", "....#"}));
        QVERIFY(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/partite.json"));
        chiudi();

        b->piattaforma.ms = 1'000'000;  // a later run of the program
        apri({});
        QCOMPARE(f->tempoSoluzione(), 125'000);
        QCOMPARE(tempo(), QString("2:05"));
        QVERIFY(segnata(2, 1) && rivelata(3, 2));
        b->piattaforma.ms = 1'010'000;
        QTRY_COMPARE(tempo(), QString("2:15"));
        // Closing keeps the time too.
        QVERIFY(f->close());
        apri({});
        QCOMPARE(f->tempoSoluzione(), 135'000);
        chiudi();

        // The same path with another solution is another puzzle.
        apri({"CUSA#", ".#...", "..#.#", "....#"}, {"CASO#", "A#ORO", "NO#E#", "ERBA#"});
        QCOMPARE(f->tempoSoluzione(), 0);
        QVERIFY(!segnata(2, 1) && !rivelata(3, 2));
    }

    void salvaConNomeTakesTheSolveToTheNewName() {
        apri({"CUSA#", ".#...", "..#.#", "....#"});
        b->piattaforma.ms = 30'000;
        muovi(alto(2, 1));
        esegui("MenuControllaLettera");
        prova::AlProssimoModale<TessoSav> salva([](TessoSav* d) {
            // With its extension: ".trmo" is added only to a path with no dot anywhere.
            d->Text1->setText("copia.trmo");
            d->Command3d1_Click();
        });
        f->MenuSalvaCN_Click();
        QVERIFY(salva.eseguita());
        b->puzzle = s().nomeFile;
        QVERIFY(b->puzzle.ends_with("/copia.trmo"));
        apri({});
        QCOMPARE(f->tempoSoluzione(), 30'000);
        QVERIFY(segnata(2, 1) && !segnata(3, 1));
    }

    void theLastLetterCongratulatesOnceAndStopsTheClock() {
        apri({"CASA#", "A#ORO", "NO#E#", "ERB.#"});
        b->piattaforma.ms = 42'000;
        clic(alto(1, 4));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        rispondi("OK");
        QTest::keyClicks(f->area(), "erba");
        QTRY_VERIFY(risposta->eseguita());
        QCOMPARE(testi, QStringList{"Bravo! hai risolto il cruciverba in 0 minuti e 42 secondi"});
        b->piattaforma.ms = 99'000;
        QCOMPARE(f->tempoSoluzione(), 42'000);
        // Another pass over a right grid says nothing more.
        QTRY_VERIFY(!QApplication::activeModalWidget());
        f->activateWindow();
        QTRY_VERIFY(f->isActiveWindow());
        rispondi("OK");
        clic(alto(1, 4));
        QTRY_COMPARE(fuoco(), static_cast<QWidget*>(f->area()));
        QTest::keyClicks(f->area(), "erba");
        QCoreApplication::processEvents();
        QVERIFY(!risposta->eseguita());
        // Controlla Soluzioni reports the same time from the stopped clock.
        esegui("MenuCS");
        QTRY_VERIFY(risposta->eseguita());
        QCOMPARE(testi.value(1), QString("Bravo! hai risolto il cruciverba in 0 minuti e 42 secondi"));
    }
};

QTEST_MAIN(Form1VerificaTest)
#include "form1_verifica_test.moc"
