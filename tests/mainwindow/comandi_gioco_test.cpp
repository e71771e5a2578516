// Opzioni → Gioca come on its own: greyed without a puzzle, each item turns the open puzzle into
// its game and is checked, a change made elsewhere is followed, and one that cannot be made says
// why and leaves the game as it was.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/comandi_gioco.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaComandiGioco : public QObject {
    Q_OBJECT

    struct Banco : prova::BancoMostrato {
        QMenu opzioni;
        ComandiGioco gioco{sessione, piattaforma};
        Banco() { gioco.creaVoci(&opzioni); }
        QMenu* menu() const { return opzioni.findChild<QMenu*>("MenuGiocaCome"); }
        bool segnata(Variante v) const { return gioco.voce(v)->isChecked(); }
    };

private slots:
    void withoutAPuzzleTheMenuIsGreyedAndNothingChecked() {
        Banco b;
        QCOMPARE(b.menu()->isEnabled(), false);
        QCOMPARE(b.segnata(Variante::cruciverba), false);
        b.apri({"CASA", "A#RE", "SOLE"});
        QCOMPARE(b.menu()->isEnabled(), true);
        QCOMPARE(b.segnata(Variante::cruciverba), true);
    }

    void eachItemPlaysItsGame_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("variante");
        QTest::newRow("senza schema") << "azioneGiocaSenzaSchema" << int(Variante::senzaSchema);
        QTest::newRow("crittografato") << "azioneGiocaCrittografato" << int(Variante::crittografato);
        QTest::newRow("da riempire") << "azioneGiocaDaRiempire" << int(Variante::daRiempire);
    }
    void eachItemPlaysItsGame() {
        QFETCH(QString, nome);
        QFETCH(int, variante);
        Banco b;
        b.apri({"CASA", "A#RE", "SOLE"});
        QSignalSpy prima(&b.gioco, &ComandiGioco::primaDiAgire);
        b.menu()->findChild<QAction*>(nome)->trigger();
        QCOMPARE(int(b.sessione.cruciverba().variante), variante);
        QCOMPARE(b.segnata(static_cast<Variante>(variante)), true);
        QCOMPARE(b.segnata(Variante::cruciverba), false);
        QCOMPARE(prima.size(), 1);
    }

    // Annulla turns the game back in the session: the check follows.
    void aChangeMadeElsewhereIsFollowed() {
        Banco b;
        b.apri({"CASA", "A#RE", "SOLE"});
        b.gioco.voce(Variante::crittografato)->trigger();
        b.sessione.storia().undo();
        QCOMPARE(b.segnata(Variante::cruciverba), true);
        QCOMPARE(b.segnata(Variante::crittografato), false);
    }

    // A cell of two letters cannot be a code.
    void aChangeThatCannotBeMadeSaysWhyAndKeepsTheGame() {
        prova::CartellaTemporanea cartella;  // outlives the session that holds the file
        Banco b;
        QCOMPARE(b.sessione.apri(cartella.scrivi("r.ipuz", "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": "
                                                        "{\"width\": 2, \"height\": 1}, \"puzzle\": [[1, 0]], \"solution\": "
                                                        "[[\"OR\", \"A\"]], \"clues\": {\"Across\": [[1, \"Ora\"]]}}")),
                 EsitoApertura::ok);
        prova::RisposteMessaggi messaggi;
        messaggi.rispondi("OK");
        b.gioco.voce(Variante::crittografato)->trigger();
        QCOMPARE(messaggi.risposta->eseguita(), true);
        QCOMPARE(messaggi.testi.size(), 1);
        QCOMPARE(b.sessione.cruciverba().variante, Variante::cruciverba);
        QCOMPARE(b.segnata(Variante::cruciverba), true);
        QCOMPARE(b.segnata(Variante::crittografato), false);
    }
};

QTEST_MAIN(ProvaComandiGioco)
#include "comandi_gioco_test.moc"
