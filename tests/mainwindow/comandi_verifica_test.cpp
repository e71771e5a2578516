// The checks, reveals and Pausa on their own: a check marks the wrong letters of the current word,
// cell or grid and says how many, a reveal writes the solution as a step Annulla takes back, and
// Pausa holds the clock shown in the status bar and greys the checks.
#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>
#include <map>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/comandi_verifica.h"
#include "mainwindow/gui/vista_griglia.h"
#include "qt/voce.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaComandiVerifica : public QObject {
    Q_OBJECT

    // CASA / ALTO / NEVE with CUSE typed on the first row (U and E wrong) and an X down from the C.
    struct Banco : prova::BancoMostrato {
        BarraStato* barra = new BarraStato(&finestra);
        VistaGriglia* vista = new VistaGriglia(sessione, area);
        ComandiVerifica verifica{sessione, piattaforma, barra, area, *vista};
        std::map<std::string, QAction*> azioni;
        Banco() {
            finestra.setStatusBar(barra);
            barra->show();  // came after the window was shown
            verifica.collega([this](const char* nome) { return azioni[nome] = new QAction(nome, &finestra); });
            apri();
            vista->setGeometry(0, 0, 600, 400);
            vista->disponi(AreaFinestra{600, 400, 0, 0}, {});
            QVERIFY(sessione.scrivi({{1, 1, "C"}, {2, 1, "U"}, {3, 1, "S"}, {4, 1, "E"}, {1, 2, "X"}}));
            sessione.impostaPosizione({2, 1, Direzione::orizzontale});
        }
        void esegui(const char* nome) { azioni.at(nome)->trigger(); }
        QString detto() const { return barra->findChild<Voce*>("Voce")->text(); }
        QString tempo() const { return barra->findChild<QLabel*>("TempoSoluzione")->text(); }
        std::string riga1() const {
            std::string r;
            for (int c = 1; c <= 4; ++c) r += sessione.cruciverba().cella(c, 1).voce;
            return r;
        }
    };

private slots:
    void aCheckMarksTheWrongLettersAndSaysHowMany_data() {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<int>("segnate");
        QTest::addColumn<QString>("detto");
        QTest::newRow("lettera") << "azioneControllaLettera" << 1 << "lettera sbagliata";
        QTest::newRow("parola") << "azioneControllaParola" << 2 << "1 orizzontale: 2 lettere sbagliate";
        QTest::newRow("schema") << "azioneSegnaErrori" << 3 << "3 lettere sbagliate";
    }
    void aCheckMarksTheWrongLettersAndSaysHowMany() {
        QFETCH(QString, azione);
        Banco b;
        b.esegui(qPrintable(azione));
        QTEST(int(b.sessione.partita().segni().size()), "segnate");
        QTEST(b.detto(), "detto");
        QCOMPARE(b.riga1(), "CUSE");  // the letters stay
    }

    void aRevealWritesTheSolutionAndAnnullaTakesItBack_data() {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("rivelata");
        QTest::newRow("lettera") << "azioneRivelaLettera" << "CASE";
        QTest::newRow("parola") << "azioneRivelaParola" << "CASA";
    }
    void aRevealWritesTheSolutionAndAnnullaTakesItBack() {
        QFETCH(QString, azione);
        QFETCH(QString, rivelata);
        Banco b;
        b.esegui(qPrintable(azione));
        QCOMPARE(b.riga1(), rivelata.toStdString());
        QCOMPARE(b.detto().startsWith(azione.endsWith("Lettera") ? "Lettera rivelata: " : "Parola rivelata: "), true);
        b.sessione.storia().undo();
        QCOMPARE(b.riga1(), "CUSE");
        QCOMPARE(b.sessione.partita().rivelate().size(), size_t{0});
    }

    void pauseHoldsTheClockAndGreysTheChecks() {
        Banco b;
        b.esegui("azionePausa");
        QCOMPARE(b.azioni.at("azionePausa")->isChecked(), true);
        QCOMPARE(b.azioni.at("azioneControllaParola")->isEnabled(), false);
        QCOMPARE(b.tempo().startsWith("In pausa "), true);
        QCOMPARE(b.detto(), "In pausa: il cronometro è fermo");
        b.esegui("azionePausa");
        QCOMPARE(b.azioni.at("azioneControllaParola")->isEnabled(), true);
        QCOMPARE(b.tempo().startsWith("In pausa"), false);
    }

    // The solving time in minutes and seconds, shown from the puzzle's opening.
    void theClockShowsWithThePuzzle() {
        Banco b;
        QCOMPARE(b.barra->findChild<QLabel*>("TempoSoluzione")->isVisible(), true);
        QVERIFY2(QRegularExpression("^\\d+:\\d\\d$").match(b.tempo()).hasMatch(), qPrintable(b.tempo()));
    }

    // Only a locked solution has a code to ask for.
    void anUnlockedPuzzleOffersNoUnlocking() {
        Banco b;
        QCOMPARE(b.azioni.at("azioneSblocca")->isVisible(), false);
    }
};

QTEST_MAIN(ProvaComandiVerifica)
#include "comandi_verifica_test.moc"
