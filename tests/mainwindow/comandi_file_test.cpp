// The file commands' part on its own: a real session, a bare window with its drawing area.
#include <QAction>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/cartelle.h"
#include "dialogs/gui/finestra_apri.h"
#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"
#include "qt/area_disegno.h"
#include "sessione/sessione.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ProvaComandiFile : public QObject {
    Q_OBJECT

    struct Banco {
        prova::CartellaTemporanea dir;
        Stato stato;
        PiattaformaQt piattaforma;
        QWidget finestra;
        AreaDisegno* area = new AreaDisegno(&finestra);
        Sfondo* sfondo = new Sfondo(stato, area);
        Sessione sessione{stato, piattaforma, dir.percorso("partite")};
        ComandiFile file{stato, sessione, piattaforma, area, sfondo, &finestra};

        Banco() {
            stato.cartelle.programma = dir.percorso();
            area->resize(600, 400);
            finestra.show();
            finestra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&finestra));
        }
        void apriSchema(const std::string& nome = "p.trmo") {
            QCOMPARE(sessione.apri(dir.scrivi(nome, prova::fileTrmo({"CASA#", "ALTO#", "NEVE#"}))), EsitoApertura::ok);
        }
        bool visibile(const char* nome) const { return file.azione(nome)->isVisible(); }
    };

private slots:
    // Each item with its menu text and keys, the desktop's usual ones after the menu's own.
    void itemsCarryTheirTextsAndKeys_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("tasti");
        QTest::newRow("apri") << QString("azioneApri") << QString("&Apri ...") << QString("F3; Ctrl+O");
        QTest::newRow("salva") << QString("azioneSalva") << QString("&Salva") << QString("Ctrl+S");
        QTest::newRow("con nome") << QString("azioneSalvaConNome") << QString("Salva &Con nome ...") << QString("");
        QTest::newRow("archivio") << QString("azioneArchivio") << QString("Archi&vio ...") << QString("Ctrl+Shift+A");
        QTest::newRow("esci") << QString("azioneEsci") << QString("&Esci") << QString("Ctrl+F4; Ctrl+Q");
    }
    void itemsCarryTheirTextsAndKeys() {
        QFETCH(QString, nome);
        QFETCH(QString, testo);
        QFETCH(QString, tasti);
        Banco b;
        QAction* a = b.file.azione(nome.toStdString());
        QVERIFY(a);
        QCOMPARE(a->text(), testo);
        QCOMPARE(QKeySequence::listToString(a->shortcuts()), tasti);
    }

    void anItemOfAnotherMenuIsNotIts() {
        Banco b;
        QCOMPARE(b.file.azione("azioneStampa"), nullptr);
    }

    // Recenti and Archivio come between Apri and Salva.
    void recentAndLibraryGoBeforeSave() {
        Banco b;
        QMenu menu;
        for (const char* nome : {"azioneApri", "azioneSalva", "azioneSalvaConNome"}) menu.addAction(b.file.azione(nome));
        b.file.creaVoci(&menu);
        QStringList testi;
        for (QAction* a : menu.actions()) testi << a->text();
        QCOMPARE(testi, (QStringList{"&Apri ...", "&Recenti", "Archi&vio ...", "&Salva", "Salva &Con nome ..."}));
    }

    // Salva and Salva con nome need a puzzle; opening one puts it first in Recenti.
    void savingFollowsTheOpenPuzzle() {
        Banco b;
        QCOMPARE(b.visibile("azioneSalva"), false);
        QCOMPARE(b.visibile("azioneSalvaConNome"), false);
        b.apriSchema();
        QCOMPARE(b.visibile("azioneSalva"), true);
        QCOMPARE(b.visibile("azioneSalvaConNome"), true);
        QCOMPARE(fileRecenti().front(), b.dir.percorso("p.trmo"));
    }

    // Esci is the window's business: the part only says it was chosen.
    void exitIsHandedToTheWindow() {
        Banco b;
        QSignalSpy uscita(&b.file, &ComandiFile::uscitaChiesta);
        b.file.azione("azioneEsci")->trigger();
        QCOMPARE(uscita.size(), 1);
    }

    // Apri over the background picture: the window waits for the dialog, the picture comes back
    // when the dialog is given up with no puzzle open.
    void openDialogDisablesTheWindowUntilItCloses() {
        Banco b;
        b.sfondo->show();
        QSignalSpy prima(&b.file, &ComandiFile::primaDiAgire);
        QSignalSpy chiuso(&b.file, &ComandiFile::dialogoChiuso);
        b.file.azione("azioneApri")->trigger();
        FinestraApri* dialogo = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<FinestraApri*>(w)) dialogo = d;
        QVERIFY(dialogo);
        // The dialog is a window of its own: it must not outlive the session it reads.
        QScopeGuard chiudi([dialogo] { dialogo->annulla(); });
        QCOMPARE(prima.size(), 1);
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
    void theSessionsRequestOpensSaveAs() {
        Banco b;
        b.apriSchema();
        QSignalSpy chiuso(&b.file, &ComandiFile::dialogoChiuso);
        bool disabilitata = false;
        prova::AlProssimoModale<FinestraSalva> salva([&](FinestraSalva* d) {
            disabilitata = !b.finestra.isEnabled();
            d->campoNome->setText("copia.trmo"), d->conferma();
        });
        emit b.sessione.salvaConNomeRichiesto();
        QVERIFY(salva.eseguita());
        QCOMPARE(disabilitata, true);
        QCOMPARE(b.finestra.isEnabled(), true);
        QCOMPARE(chiuso.size(), 1);
        QVERIFY(b.sessione.nomeFile().ends_with("/copia.trmo"));
        QCOMPARE(fileRecenti().front(), b.sessione.nomeFile());
    }

    // Leaving a puzzle: with nothing unsaved no question; unsaved answers ask, and Annulla
    // keeps the player on them.
    void leavingAsksOnlyAboutUnsavedAnswers_data() {
        QTest::addColumn<bool>("modificato");
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<bool>("lascia");
        QTest::addColumn<int>("domande");
        QTest::newRow("salvato") << false << QString("") << true << 0;
        QTest::newRow("non salvare") << true << QString("Non salvare") << true << 1;
        QTest::newRow("annulla") << true << QString("Annulla") << false << 1;
    }
    void leavingAsksOnlyAboutUnsavedAnswers() {
        QFETCH(bool, modificato);
        QFETCH(QString, risposta);
        QFETCH(bool, lascia);
        QFETCH(int, domande);
        Banco b;
        b.apriSchema();
        if (modificato) QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        prova::RisposteMessaggi messaggi;
        if (domande) messaggi.rispondi(risposta);
        QCOMPARE(b.file.lasciaSchema(), lascia);
        QCOMPARE(messaggi.testi.size(), domande);
    }
};

QTEST_MAIN(ProvaComandiFile)
#include "comandi_file_test.moc"
