// The menus' parts on their own (File, Modifica, Stampa, Gioca come, the options, the checks):
// each on a real session and a bare window, driven through its actions and its signals.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/comandi_gioco.h"
#include "mainwindow/gui/comandi_modifica.h"
#include "mainwindow/gui/comandi_opzioni.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/comandi_verifica.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/vista_griglia.h"
#include "model/opzioni_utente.h"
#include "qt/voce.h"
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

struct BancoStampa : prova::BancoMostrato {
    ComandiStampa stampa{sessione, piattaforma, area, &finestra};
    bool chiudiVisibile() const { return stampa.pulsanteChiudi()->isVisible(); }
};

struct BancoGioco : prova::BancoMostrato {
    QMenu opzioni;
    ComandiGioco gioco{sessione, piattaforma};
    BancoGioco() { gioco.creaVoci(&opzioni); }
    QMenu* menu() const { return opzioni.findChild<QMenu*>("MenuGiocaCome"); }
    bool segnata(Variante v) const { return gioco.voce(v)->isChecked(); }
};

struct BancoOpzioni : prova::BancoParte {
    QMenu opzioni;
    ComandiOpzioni comandi{sessione, piattaforma, sessione.impostazioni(), area};
    BancoOpzioni() {
        for (const char* nome : {"azioneTastoSinistro", "azioneRettangoloParola", "azioneFont"}) {
            QAction* a = opzioni.addAction(nome);
            a->setObjectName(nome);
            a->setCheckable(std::string(nome) != "azioneFont");
        }
        comandi.collega([this](const char* nome) { return opzioni.findChild<QAction*>(nome); });
        comandi.creaVoce(&opzioni);
    }
};

// CASA / ALTO / NEVE with CUSE typed on the first row (U and E wrong) and an X down from the C.
struct BancoVerifica : prova::BancoMostrato {
    BarraStato* barra = new BarraStato(&finestra);
    VistaGriglia* vista = new VistaGriglia(sessione, area);
    ComandiVerifica verifica{sessione, piattaforma, barra, area, *vista};
    std::map<std::string, QAction*> azioni;
    BancoVerifica() {
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
    std::string riga1() const {
        std::string r;
        for (int c = 1; c <= 4; ++c) r += sessione.cruciverba().cella(c, 1).voce;
        return r;
    }
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

    // The preview shows its close button and takes the zoom keys; Esc gives the grid back.
    // Esc belongs to the grid's keys while no preview is shown.
    void printEscClosesThePreviewOnly() {
        BancoStampa b;
        b.apri();
        QSignalSpy chiusa(&b.stampa, &ComandiStampa::anteprimaChiusa);
        QTest::keyClick(&b.finestra, Qt::Key_Escape);
        QCOMPARE(chiusa.size(), 0);
        b.stampa.mostraAnteprima();
        QTRY_VERIFY(b.chiudiVisibile());
        QCOMPARE(b.stampa.zoom(1), true);
        QTest::keyClick(&b.finestra, Qt::Key_Escape);
        QTRY_COMPARE(b.sessione.modo(), ModoVista::griglia);
        QCOMPARE(b.stampa.zoom(1), false);
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

    // A font chosen anywhere reaches the grid's surface before anyone draws with it.
    void optionsTheScreensStyleFollowsTheSettings() {
        BancoOpzioni b;
        b.comandi.segna();
        bool corsivoVisto = false;
        connect(&b.sessione.impostazioni(), &Impostazioni::cambiate, this,
                [&] { corsivoVisto = b.area->superficie().carattere().corsivo; });
        ValoriImpostazioni v = b.sessione.impostazioni().valori();
        v.carattereSchermo.corsivo = true;
        b.sessione.impostazioni().cambia(v);
        QCOMPARE(corsivoVisto, true);
    }

    // Segna errori marks every wrong letter of the grid and says how many; the letters stay (the
    // word's and the letter's checks are the window's tests).
    void checkMarksTheWrongLettersAndSaysHowMany() {
        BancoVerifica b;
        b.esegui("azioneSegnaErrori");
        QCOMPARE(b.sessione.partita().segni().size(), size_t{3});
        QCOMPARE(b.detto(), "3 lettere sbagliate");
        QCOMPARE(b.riga1(), "CUSE");
    }

    // Pausa greys the checks until the clock runs again.
    void checkPauseHoldsTheClockAndGreysTheChecks() {
        BancoVerifica b;
        b.esegui("azionePausa");
        QCOMPARE(b.azioni.at("azionePausa")->isChecked(), true);
        QCOMPARE(b.azioni.at("azioneControllaParola")->isEnabled(), false);
        b.esegui("azionePausa");
        QCOMPARE(b.azioni.at("azioneControllaParola")->isEnabled(), true);
    }
};

QTEST_MAIN(ProvaComandi)
#include "comandi_test.moc"
