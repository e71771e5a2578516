// Checks, reveals, the solving clock and the kept solve on the real main window.
#include <QTemporaryDir>

#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/comandi_file.h"
#include "solving/dizionario_prova.h"
#include "solving/schema_prova.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using V = prova::Voci;

namespace {

// The desktop platform with a steady clock the test sets.
struct PiattaformaOrologio : PiattaformaQt {
    std::int64_t ms = 0;
    std::int64_t millisecondi() override { return ms; }
};

bool rosso(QColor c) { return c.red() > 170 && c.green() < 80 && c.blue() < 80; }
bool verde(QColor c) { return c.green() > 100 && c.red() < 60 && c.blue() < 60; }

}  // namespace

class ProvaVerificaFinestra : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    QTemporaryDir dati;  // the user's data folder for the whole run
    std::unique_ptr<prova::BancoFinestra<PiattaformaOrologio>> b;
    FinestraPrincipale* f = nullptr;

    std::int64_t& ora() { return b->piattaforma.ms; }
    QString tempo() const { return prova::figlio<QLabel>(f, "TempoSoluzione")->text(); }
    // The cells with the wrong-letter stroke (near the bottom-left corner) or, `rivelate`, with
    // the revealed mark (in the top-right one), as "21 41".
    QString segnate(bool rivelate = false) {
        const int L = b->griglia().lato, t = static_cast<int>(4 + std::max(2.0, L / 14.0) / 2);
        QStringList celle;
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 5; ++c) {
                const int x = b->griglia().x0 + (c - 1) * L, y = b->griglia().y0 + (r - 1) * L;
                if (rivelate ? verde(b->pixel(x + L - 3, y + 3)) : rosso(b->pixel(x + t, y + L - t)))
                    celle << QString("%1%2").arg(c).arg(r);
            }
        return celle.join(' ');
    }
    // A new window on the puzzle, as a new start of the program opening it; no answers: the last file.
    void apri(const V& voci) {
        QVERIFY(b->apri(voci.empty() ? std::string()
                                     : prova::fileTrmo(prova::soluzioniProva, voci, prova::definizioniProva)));
        f = &*b->f;
    }

private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", dati.path().toUtf8()); }
    void init() {
        testi.clear(), titoli.clear();
        b = std::make_unique<prova::BancoFinestra<PiattaformaOrologio>>(prova::dizionario({{4, {"CASA"}}}));
    }
    void cleanup() { risposta.reset(), b.reset(); }

    void theCheckTakesWhatThePointerShowsAndRevealingAllAsksThenCongratulatesOnce() {
        // Across 1 is CASA: U and E are wrong. Down 1 is CANE: its second cell is empty.
        apri({"CUSE#", ".#...", "X.#.#", "E.Z.#"});
        b->muovi(b->alto(3, 1));
        b->premi("pulsanteControllaParola");
        // Another word's wrong letter (1, 3) is not this check's.
        QCOMPARE(segnate(), QString("21 41"));
        // The down word through the pointer's lower half: the empty cell is not wrong.
        b->muovi(b->basso(1, 2));
        b->esegui("azioneControllaParola");
        QCOMPARE(segnate(), QString("21 41 13"));
        // Once the pointer is off the grid (on its way to the menu), the cell last pressed on.
        b->clic(b->alto(3, 4));
        b->muovi(b->alto(4, 2));
        b->muovi(QPoint(b->griglia().x0 / 2, b->griglia().y0 + 5));
        b->esegui("azioneControllaLettera");
        QCOMPARE(segnate(), QString("21 41 13 34"));
        QCOMPARE(b->memoria(), (V{"CUSE#", ".#...", "X.#.#", "E.Z.#"}));  // the marks are the window's, the letters stay
        // Revealing the whole grid asks first: Annulla leaves it. Come right by revealing: the
        // congratulation, once (its text and the clock it stops are the session's test).
        for (const char* scelta : {"Annulla", "OK"}) {
            rispondi(scelta);
            b->esegui("azioneRivelaSchema");
            QCOMPARE(b->memoria()[1], *scelta == 'A' ? ".#..." : "A#ORO");
        }
        rispondi("OK");
        QTRY_VERIFY(risposta->eseguita());
        QCOMPARE(testi.size(), 3);  // asked both times
        QVERIFY(testi[2].startsWith("Bravo! hai risolto il cruciverba in 0 minuti e "));
    }

    void clockTicksPausesHidesTheGridStopsWhenMinimisedAndIsKeptWithThePuzzle() {
        apri({"C...#", "A#ORO", "..#.#", "....#"});
        ora() = 65'400;
        QTRY_COMPARE(tempo(), QString("1:05"));
        const QImage giocando = f->vista()->grab().toImage();
        b->premi("pulsantePausa");
        // The letters are hidden (the C is gone) and the checks greyed.
        QCOMPARE(tempo(), QString("In pausa 1:05"));
        QVERIFY(f->vista()->grab().toImage() != giocando);
        QCOMPARE(prova::figlio<QAction>(f, "azioneControllaParola")->isEnabled(), false);
        ora() = 500'000;
        b->esegui("azionePausa");
        QCOMPARE(prova::figlio<QAction>(f, "azioneControllaParola")->isEnabled(), true);
        QCOMPARE(f->vista()->grab().toImage(), giocando);
        ora() = 501'000;
        QTRY_COMPARE(tempo(), QString("1:06"));
        // Minimised, the clock stands still.
        f->setWindowState(Qt::WindowMinimized);
        ora() = 900'000;
        f->setWindowState(Qt::WindowMaximized);
        ora() = 3'600'000 + 900'000 - 66'400 + 6'000;
        QTRY_COMPARE(tempo(), QString("1:00:06"));
        // Azzera Soluzioni asks: Enter (Annulla is the default) leaves all; OK clears every
        // answer, given ones too, and starts the clock again; Annulla (Ctrl+Z) brings them back
        // with the time.
        for (const char* scelta : {"Invio", "OK"}) {
            rispondi(scelta);
            b->esegui("azioneAzzera");
            QCOMPARE(b->memoria()[1], *scelta == 'O' ? ".#..." : "A#ORO");
        }
        QCOMPARE(titoli, QStringList(2, "Azzeramento soluzioni"));  // asked every time
        QCOMPARE(tempo(), QString("0:00"));
        b->esegui("azioneAnnulla");
        QCOMPARE(b->memoria()[1], "A#ORO");
        QTRY_COMPARE(tempo(), QString("1:00:06"));

        // The solve continues after Salva and a new start, and goes with Salva con nome. The same
        // puzzle: its clock starts from the zero Azzera left. Segna errori marks the grid's one
        // wrong letter.
        apri({"CUSA#", ".#...", "..#.#", "....#"});
        ora() += 125'000;
        b->esegui("azioneSegnaErrori");
        b->muovi(b->alto(3, 2));
        b->esegui("azioneRivelaLettera");
        b->esegui("azioneSalva");
        // Nothing of the solve went into the puzzle file: its 4 + 4 + 5 lines, the answers in the grid.
        QCOMPARE(std::ranges::count(b->dir.leggi("prova.trmo"), '\n'), 13);
        QCOMPARE(prova::salvati(b->puzzle), (V{"CUSA#", ".#O..", "..#.#", "....#"}));
        b->chiudi();

        ora() += 1'000'000;  // a later run of the program
        apri({});
        QCOMPARE(tempo(), QString("2:05"));
        QCOMPARE(segnate(), QString("21"));
        QCOMPARE(segnate(true), QString("32"));
        ora() += 10'000;
        QVERIFY(f->close());  // closing keeps the time too
        apri({});
        prova::AlProssimoModale<FinestraSalva> salva(
            [](FinestraSalva* d) { d->campoNome->setText("copia.trmo"), d->conferma(); });
        f->file().salvaConNome();
        QVERIFY(salva.eseguita());
        QVERIFY(!prova::titoloMostrato(*f).startsWith("*"));
        b->puzzle = f->sessione().nomeFile();
        apri({});
        QCOMPARE(f->tempoSoluzione(), 135'000);
        QCOMPARE(segnate(), QString("21"));
    }
};

QTEST_MAIN(ProvaVerificaFinestra)
#include "finestra_verifica_test.moc"
