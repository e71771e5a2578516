// The status bar on its own: its first panel is the window's voice, a passing message goes over
// it until the voice speaks again, the clock's panel shows only with a time, Ins lights its
// indicator, a double click anywhere on it is told, and the date panel reads the calendar.
#include <QDate>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/finestra.h"
#include "mainwindow/gui/barra_stato.h"
#include "qt/voce.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaBarraStato : public QObject {
    Q_OBJECT

    struct Banco : prova::BancoMostrato {
        BarraStato* barra = new BarraStato(&finestra);
        Banco() {
            finestra.setStatusBar(barra);
            barra->show();  // came after the window was shown
        }
        Voce* voce() const { return barra->findChild<Voce*>("Voce"); }
        QLabel* tempo() const { return barra->findChild<QLabel*>("TempoSoluzione"); }
        // The panel showing `testo`, nullptr when none does.
        QLabel* pannello(const QString& testo) const {
            for (QLabel* l : barra->findChildren<QLabel*>())
                if (l->text() == testo) return l;
            return nullptr;
        }
    };

private slots:
    // What any part of the window says reaches the first panel.
    void theFirstPanelIsTheWindowsVoice() {
        Banco b;
        b.barra->impostaTesto("Quadrivo 7");
        QCOMPARE(b.voce()->text(), "Quadrivo 7");
        QCOMPARE(voceDi(b.area), b.voce());
        annuncia(b.area, QString("Parola rivelata: CASA"));
        QCOMPARE(b.voce()->text(), "Parola rivelata: CASA");
    }

    void aPassingMessageGoesOverTheVoiceUntilItSpeaks() {
        Banco b;
        b.barra->avvisa("Impossibile scrivere le opzioni");
        QCOMPARE(b.barra->currentMessage(), "Impossibile scrivere le opzioni");
        annuncia(b.area, QString("lettera sbagliata"));
        QCOMPARE(b.barra->currentMessage(), QString());
    }

    void theClocksPanelShowsOnlyWithATime() {
        Banco b;
        QCOMPARE(b.tempo()->isVisible(), false);
        b.barra->impostaTempo("1:05");
        QCOMPARE(b.tempo()->isVisible(), true);
        QCOMPARE(b.tempo()->text(), "1:05");
        b.barra->impostaTempo({});
        QCOMPARE(b.tempo()->isVisible(), false);
    }

    // Ins is followed from the keys: the keyboard has no light for it.
    void insertLightsItsIndicatorAndPutsItOutAgain() {
        Banco b;
        b.area->setFocusPolicy(Qt::StrongFocus);
        b.area->setFocus();
        QTRY_VERIFY(b.area->hasFocus());
        QLabel* ins = b.pannello("INS");
        QCOMPARE(ins->isEnabled(), false);
        QTest::keyClick(b.area, Qt::Key_Insert);
        QTRY_COMPARE(ins->isEnabled(), true);
        QTest::keyClick(b.area, Qt::Key_Insert);
        QTRY_COMPARE(ins->isEnabled(), false);
    }

    void aDoubleClickOnAnyPanelIsTold_data() {
        QTest::addColumn<QString>("dove");
        QTest::newRow("voce") << "voce";
        QTest::newRow("indicatore") << "NUM";
        QTest::newRow("tempo") << "tempo";
    }
    void aDoubleClickOnAnyPanelIsTold() {
        QFETCH(QString, dove);
        Banco b;
        b.barra->impostaTempo("0:10");
        QSignalSpy doppio(b.barra, &BarraStato::doppioClic);
        QLabel* pannello = dove == "voce" ? b.voce() : dove == "tempo" ? b.tempo() : b.pannello(dove);
        QTest::mouseDClick(pannello, Qt::LeftButton);
        QCOMPARE(doppio.size(), 1);
    }

    void theDatePanelShowsToday() {
        Banco b;
        const QDate oggi = QDate::currentDate();
        QVERIFY(b.pannello(QString::fromStdString(testoData(oggi.day(), oggi.month(), oggi.year()))));
    }
};

QTEST_MAIN(ProvaBarraStato)
#include "barra_stato_test.moc"
