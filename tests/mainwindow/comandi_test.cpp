// The menus' parts on their own (File, Gioca come): each on a real session and a bare window,
// driven through its actions and its signals.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/comandi_gioco.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

namespace {

struct BancoFile : prova::BancoMostrato {
    Sfondo* sfondo = new Sfondo(sessione.cartelle(), area);
    ComandiFile file{sessione, piattaforma, area, sfondo, &finestra};
};

struct BancoGioco : prova::BancoMostrato {
    QMenu opzioni;
    ComandiGioco gioco{sessione, piattaforma};
    BancoGioco() { gioco.creaVoci(&opzioni); }
    QMenu* menu() const { return opzioni.findChild<QMenu*>("MenuGiocaCome"); }
    bool segnata(Variante v) const { return gioco.voce(v)->isChecked(); }
};

}  // namespace

class ProvaComandi : public QObject {
    Q_OBJECT

private slots:
    // A save the session asks for (a format it cannot write back) comes as Salva con nome;
    // the file saved is the first recent one.
    void fileTheSessionsRequestOpensSaveAs() {
        BancoFile b;
        b.apri();
        prova::AlProssimoModale<FinestraSalva> salva([](FinestraSalva* d) { d->campoNome->setText("copia.trmo"), d->conferma(); });
        emit b.sessione.salvaConNomeRichiesto();
        QVERIFY(salva.eseguita());
        QCOMPARE(b.finestra.isEnabled(), true);
        QVERIFY(b.sessione.nomeFile().ends_with("/copia.trmo"));
        QCOMPARE(fileRecenti(b.sessione.impostazioni()).front(), b.sessione.nomeFile());
    }

    // Leaving a puzzle with unsaved answers asks, and Annulla keeps the player on them (when
    // it is asked at all is the session's test).
    void fileLeavingAsksAboutUnsavedAnswers_data() {
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<bool>("lascia");
        QTest::newRow("non salvare") << QString("Non salvare") << true;
        QTest::newRow("annulla") << QString("Annulla") << false;
    }
    void fileLeavingAsksAboutUnsavedAnswers() {
        QFETCH(QString, risposta);
        BancoFile b;
        b.apri();
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        prova::RisposteMessaggi messaggi;
        messaggi.rispondi(risposta);
        QTEST(b.file.lasciaSchema(), "lascia");
        QCOMPARE(messaggi.testi.size(), 1);
    }

    // Gioca come: greyed without a puzzle; an item turns the open puzzle into its game and is
    // checked (the conversions are the session's tests).
    void playAsAnItemPlaysItsGame() {
        BancoGioco b;
        QCOMPARE(b.menu()->isEnabled(), false);
        b.apri({"CASA", "A#RE", "SOLE"});
        b.menu()->findChild<QAction*>("azioneGiocaCrittografato")->trigger();
        QCOMPARE(b.sessione.cruciverba().variante, Variante::crittografato);
        QCOMPARE(b.segnata(Variante::crittografato), true);
        QCOMPARE(b.segnata(Variante::cruciverba), false);
    }
};

QTEST_MAIN(ProvaComandi)
#include "comandi_test.moc"
