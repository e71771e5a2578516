// The menus' parts on their own (File, Modifica, Stampa, ?, Gioca come, the options, the checks):
// each on a real session and a bare window, driven through its actions and its signals.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_apri.h"
#include "dialogs/gui/finestra_guida.h"
#include "dialogs/gui/finestra_informazioni.h"
#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/comandi_aiuto.h"
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

struct BancoAiuto : prova::BancoMostrato {
    std::map<std::string, QAction*> azioni;
    ComandiAiuto aiuto{sessione, piattaforma, &finestra};
    BancoAiuto() {
        for (const char* nome : {"azioneAiuto", "azioneTasti", "azioneInfo"}) azioni[nome] = new QAction(&finestra);
        aiuto.collega([this](const char* nome) { return azioni.count(nome) ? azioni[nome] : nullptr; });
    }
    int guide() const { return static_cast<int>(finestra.findChildren<FinestraGuida*>().size()); }
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
    QAction* azione(const char* nome) { return opzioni.findChild<QAction*>(nome); }
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
    QString tempo() const { return barra->findChild<QLabel*>("TempoSoluzione")->text(); }
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
    // Apri over the background picture: the window waits for the dialog, the picture comes back
    // when the dialog is given up with no puzzle open.
    void fileOpenDialogDisablesTheWindowUntilItCloses() {
        BancoFile b;
        b.sfondo->show();
        QSignalSpy chiuso(&b.file, &ComandiFile::dialogoChiuso);
        b.file.azione("azioneApri")->trigger();
        FinestraApri* dialogo = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<FinestraApri*>(w)) dialogo = d;
        QVERIFY(dialogo);
        // The dialog is a window of its own: it must not outlive the session it reads.
        QScopeGuard chiudi([dialogo] { dialogo->annulla(); });
        QCOMPARE(b.finestra.isEnabled(), false);
        QCOMPARE(b.sfondo->isVisible(), false);
        QTRY_VERIFY(dialogo->isVisible());
        chiudi.dismiss();
        dialogo->annulla();
        QTRY_COMPARE(chiuso.size(), 1);
        QCOMPARE(b.sfondo->isVisible(), true);
    }

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

    // A paused grid shows no letters: a step there would change what the player cannot see.
    void editNoStepWhilePaused() {
        BancoModifica b;
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        QSignalSpy prima(&b.modifica, &ComandiModifica::primaDiAgire);
        b.sessione.impostaPausa(true);
        b.annulla.trigger();
        QCOMPARE(b.prima(), "X");
        QCOMPARE(prima.size(), 0);
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

    // ?: Aiuto and Tasti share one help window and leave a print preview alone; the about box
    // is modal over the window and leaves a print preview first.
    void helpOneWindowForBothItemsAndTheAboutBoxClosesThePreview() {
        BancoAiuto b;
        QSignalSpy prima(&b.aiuto, &ComandiAiuto::primaDiAgire);
        b.azioni["azioneAiuto"]->trigger();
        b.azioni["azioneTasti"]->trigger();
        QCOMPARE(b.guide(), 1);
        QCOMPARE(prima.at(1).at(0).toBool(), false);
        prova::AlProssimoModale<FinestraInformazioni> chiudi([](FinestraInformazioni* d) { d->reject(); });
        b.azioni["azioneInfo"]->trigger();
        QVERIFY(chiudi.eseguita());
        QCOMPARE(prima.at(2).at(0).toBool(), true);
    }

    // Gioca come: greyed without a puzzle; each item turns the open puzzle into its game and is
    // checked, and one that cannot be made says why.
    void playAsEachItemPlaysItsGame_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("variante");
        QTest::newRow("senza schema") << "azioneGiocaSenzaSchema" << int(Variante::senzaSchema);
        QTest::newRow("crittografato") << "azioneGiocaCrittografato" << int(Variante::crittografato);
    }
    void playAsEachItemPlaysItsGame() {
        QFETCH(QString, nome);
        QFETCH(int, variante);
        BancoGioco b;
        QCOMPARE(b.menu()->isEnabled(), false);
        b.apri({"CASA", "A#RE", "SOLE"});
        b.menu()->findChild<QAction*>(nome)->trigger();
        QCOMPARE(int(b.sessione.cruciverba().variante), variante);
        QCOMPARE(b.segnata(static_cast<Variante>(variante)), true);
        QCOMPARE(b.segnata(Variante::cruciverba), false);
    }

    // A cell of two letters cannot be a code.
    void playAsSaysWhyAChangeCannotBeMade() {
        prova::CartellaTemporanea cartella;  // outlives the session that holds the file
        BancoGioco b;
        QCOMPARE(b.sessione.apri(cartella.scrivi("r.ipuz", "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": "
                                                        "{\"width\": 2, \"height\": 1}, \"puzzle\": [[1, 0]], \"solution\": "
                                                        "[[\"OR\", \"A\"]], \"clues\": {\"Across\": [[1, \"Ora\"]]}}")),
                 EsitoApertura::ok);
        prova::RisposteMessaggi messaggi;
        messaggi.rispondi("OK");
        b.gioco.voce(Variante::crittografato)->trigger();
        QCOMPARE(messaggi.testi.size(), 1);
        QCOMPARE(b.sessione.cruciverba().variante, Variante::cruciverba);
        QCOMPARE(b.segnata(Variante::crittografato), false);
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

    // The clock's option is on at first and kept for the next start.
    void optionsTheClocksOptionIsKept() {
        BancoOpzioni b;
        QCOMPARE(b.comandi.pausaFuori(), true);
        QSignalSpy cambiata(&b.comandi, &ComandiOpzioni::pausaFuoriCambiata);
        b.azione("azionePausaFuori")->trigger();
        QCOMPARE(cambiata.size(), 1);
        QCOMPARE(b.sessione.impostazioni().opzione("cronometro/pausaFuoriDallaFinestra", true).toBool(), false);
    }

    // The checks mark the wrong letters of the current cell, word or grid and say how many.
    void checkMarksTheWrongLettersAndSaysHowMany_data() {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<int>("segnate");
        QTest::addColumn<QString>("detto");
        QTest::newRow("lettera") << "azioneControllaLettera" << 1 << "lettera sbagliata";
        QTest::newRow("parola") << "azioneControllaParola" << 2 << "1 orizzontale: 2 lettere sbagliate";
        QTest::newRow("schema") << "azioneSegnaErrori" << 3 << "3 lettere sbagliate";
    }
    void checkMarksTheWrongLettersAndSaysHowMany() {
        QFETCH(QString, azione);
        BancoVerifica b;
        b.esegui(qPrintable(azione));
        QTEST(int(b.sessione.partita().segni().size()), "segnate");
        QTEST(b.detto(), "detto");
        QCOMPARE(b.riga1(), "CUSE");  // the letters stay
    }

    // A reveal writes the solution as a step Annulla takes back.
    void checkARevealIsUndoable_data() {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("rivelata");
        QTest::newRow("lettera") << "azioneRivelaLettera" << "CASE";
        QTest::newRow("parola") << "azioneRivelaParola" << "CASA";
    }
    void checkARevealIsUndoable() {
        QFETCH(QString, azione);
        QFETCH(QString, rivelata);
        BancoVerifica b;
        b.esegui(qPrintable(azione));
        QCOMPARE(b.riga1(), rivelata.toStdString());
        b.sessione.storia().undo();
        QCOMPARE(b.riga1(), "CUSE");
        QCOMPARE(b.sessione.partita().rivelate().size(), size_t{0});
    }

    // Pausa holds the clock shown in the status bar and greys the checks.
    void checkPauseHoldsTheClockAndGreysTheChecks() {
        BancoVerifica b;
        b.esegui("azionePausa");
        QCOMPARE(b.azioni.at("azionePausa")->isChecked(), true);
        QCOMPARE(b.azioni.at("azioneControllaParola")->isEnabled(), false);
        QCOMPARE(b.tempo().startsWith("In pausa "), true);
        b.esegui("azionePausa");
        QCOMPARE(b.azioni.at("azioneControllaParola")->isEnabled(), true);
        QCOMPARE(b.tempo().startsWith("In pausa"), false);
    }
};

QTEST_MAIN(ProvaComandi)
#include "comandi_test.moc"
