// The menus' parts on their own (File, Modifica, Gioca come): each on a real session and a bare
// window, driven through its actions and its signals.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/comandi_gioco.h"
#include "mainwindow/gui/comandi_modifica.h"
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

struct BancoModifica : prova::BancoMostrato {
    QAction annulla, ripeti;
    ComandiModifica modifica{sessione, area, &finestra};
    BancoModifica() {
        apri();
        modifica.collega([this](const char* nome) {
            return std::string(nome) == "azioneAnnulla" ? &annulla : std::string(nome) == "azioneRipeti" ? &ripeti : nullptr;
        });
    }
    std::string prima() const { return sessione.cruciverba().cella(1, 1).voce; }
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

    // Leaving a puzzle: with nothing unsaved no question; unsaved answers ask, and Annulla
    // keeps the player on them.
    void fileLeavingAsksOnlyAboutUnsavedAnswers_data() {
        QTest::addColumn<bool>("modificato");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<bool>("lascia");
        QTest::addColumn<int>("domande");
        QTest::newRow("salvato") << false << QString("") << true << 0;
        QTest::newRow("non salvare") << true << QString("Non salvare") << true << 1;
        QTest::newRow("annulla") << true << QString("Annulla") << false << 1;
    }
    void fileLeavingAsksOnlyAboutUnsavedAnswers() {
        QFETCH(bool, modificato);
        QFETCH(QString, risposta);
        QFETCH(bool, lascia);
        QFETCH(int, domande);
        BancoFile b;
        b.apri();
        if (modificato) QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        prova::RisposteMessaggi messaggi;
        if (domande) messaggi.rispondi(risposta);
        QCOMPARE(b.file.lasciaSchema(), lascia);
        QCOMPARE(messaggi.testi.size(), domande);
    }

    // Modifica: each item is usable exactly when the history has a step that way.
    void editItemsFollowTheHistory() {
        BancoModifica b;
        QCOMPARE(b.annulla.isEnabled(), false);
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        QCOMPARE(b.annulla.isEnabled(), true);
        b.annulla.trigger();
        QCOMPARE(b.prima(), "");
        QCOMPARE(b.ripeti.isEnabled(), true);
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
