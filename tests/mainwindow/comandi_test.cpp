// The menus' parts on their own (File, Modifica, Stampa, ?): each on a real session and a bare
// window, driven through its actions and its signals.
#include <QAction>
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
#include "mainwindow/gui/comandi_aiuto.h"
#include "mainwindow/gui/comandi_file.h"
#include "mainwindow/gui/comandi_modifica.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/menu_recenti.h"
#include "mainwindow/gui/sfondo.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

namespace {

struct BancoFile : prova::BancoMostrato {
    Sfondo* sfondo = new Sfondo(sessione.cartelle(), area);
    ComandiFile file{sessione, piattaforma, area, sfondo, &finestra};
    bool visibile(const char* nome) const { return file.azione(nome)->isVisible(); }
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

}  // namespace

class ProvaComandi : public QObject {
    Q_OBJECT

private slots:
    // File: its items in order with their texts, Recenti and Archivio between Apri and Salva, and
    // their keys, the desktop's usual ones after the menu's own.
    void fileItemsInOrderWithTheirTextsAndKeys() {
        BancoFile b;
        QMenu menu;
        for (const char* nome : {"azioneApri", "azioneSalva", "azioneSalvaConNome", "azioneEsci"}) menu.addAction(b.file.azione(nome));
        b.file.creaVoci(&menu);
        QStringList testi, tasti;
        for (QAction* a : menu.actions()) {
            testi << a->text();
            tasti << QKeySequence::listToString(a->shortcuts());
        }
        QCOMPARE(testi, (QStringList{"&Apri ...", "&Recenti", "Archi&vio ...", "&Salva", "Salva &Con nome ...", "&Esci"}));
        QCOMPARE(tasti, (QStringList{"F3; Ctrl+O", "", "Ctrl+Shift+A", "Ctrl+S", "", "Ctrl+F4; Ctrl+Q"}));
        QCOMPARE(b.file.azione("azioneStampa"), nullptr);  // an item of another menu is not its
    }

    // Salva and Salva con nome need a puzzle; opening one puts it first in Recenti. Esci is the
    // window's business: the part only says it was chosen.
    void fileSavingFollowsTheOpenPuzzleAndExitIsHandedToTheWindow() {
        BancoFile b;
        QCOMPARE(b.visibile("azioneSalva"), false);
        QCOMPARE(b.visibile("azioneSalvaConNome"), false);
        b.apri();
        QCOMPARE(b.visibile("azioneSalva"), true);
        QCOMPARE(b.visibile("azioneSalvaConNome"), true);
        QCOMPARE(fileRecenti(b.sessione.impostazioni()).front(), b.dir.percorso("p.trmo"));
        QSignalSpy uscita(&b.file, &ComandiFile::uscitaChiesta);
        b.file.azione("azioneEsci")->trigger();
        QCOMPARE(uscita.size(), 1);
    }

    // Apri over the background picture: the window waits for the dialog, the picture comes back
    // when the dialog is given up with no puzzle open.
    void fileOpenDialogDisablesTheWindowUntilItCloses() {
        BancoFile b;
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
    void fileTheSessionsRequestOpensSaveAs() {
        BancoFile b;
        b.apri();
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

    // Modifica: each item is usable exactly when the history has a step that way; Ripeti has
    // the desktop's second key.
    void editItemsFollowTheHistory() {
        BancoModifica b;
        QCOMPARE(QKeySequence::listToString(b.ripeti.shortcuts()), "Ctrl+Y; Ctrl+Shift+Z");
        QCOMPARE(b.annulla.isEnabled(), false);
        QCOMPARE(b.ripeti.isEnabled(), false);
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        QCOMPARE(b.annulla.isEnabled(), true);
        b.annulla.trigger();
        QCOMPARE(b.prima(), "");
        QCOMPARE(b.annulla.isEnabled(), false);
        QCOMPARE(b.ripeti.isEnabled(), true);
        b.ripeti.trigger();
        QCOMPARE(b.prima(), "X");
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

    // Stampa: without a puzzle there is nothing to preview, the grid mode stays.
    void printNoPreviewWithoutAPuzzle() {
        BancoStampa b;
        b.stampa.mostraAnteprima();
        QCOMPARE_NE(b.sessione.modo(), ModoVista::anteprima);
        QCOMPARE(b.chiudiVisibile(), false);
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
        QCOMPARE(b.sessione.modo(), ModoVista::anteprima);
        QTRY_VERIFY(b.chiudiVisibile());
        QCOMPARE(b.stampa.zoom(1), true);
        QTest::keyClick(&b.finestra, Qt::Key_Escape);
        QTRY_COMPARE(b.sessione.modo(), ModoVista::griglia);
        QCOMPARE(b.chiudiVisibile(), false);
        QCOMPARE(chiusa.size(), 1);
        QCOMPARE(b.stampa.zoom(1), false);
    }

    // ?: Aiuto and Tasti share one help window; neither leaves a print preview.
    void helpOneWindowForBothItems() {
        BancoAiuto b;
        QSignalSpy prima(&b.aiuto, &ComandiAiuto::primaDiAgire);
        b.azioni["azioneAiuto"]->trigger();
        b.azioni["azioneTasti"]->trigger();
        QCOMPARE(b.guide(), 1);
        QTRY_VERIFY(b.finestra.findChild<FinestraGuida*>()->isVisible());
        QCOMPARE(prima.size(), 2);
        QCOMPARE(prima.at(1).at(0).toBool(), false);
    }

    // The about box is modal over the window and leaves a print preview first.
    void helpTheAboutBoxClosesThePreviewFirst() {
        BancoAiuto b;
        QSignalSpy prima(&b.aiuto, &ComandiAiuto::primaDiAgire);
        QSignalSpy chiuse(&b.aiuto, &ComandiAiuto::informazioniChiuse);
        prova::AlProssimoModale<FinestraInformazioni> chiudi([](FinestraInformazioni* d) { d->reject(); });
        b.azioni["azioneInfo"]->trigger();
        QVERIFY(chiudi.eseguita());
        QCOMPARE(prima.size(), 1);
        QCOMPARE(prima.at(0).at(0).toBool(), true);
        QCOMPARE(chiuse.size(), 1);
    }

    // System Info gives the folders this run really uses: the program's and the session's store.
    void helpSystemInfoGivesTheFoldersInUse() {
        BancoAiuto b;
        const QString info = QString::fromStdString(b.aiuto.infoSistema());
        for (const std::string& cartella : {b.sessione.cartelle().programma, b.sessione.archivio().percorsoFile()})
            QVERIFY2(info.contains(QString::fromStdString(cartella)), qPrintable(info));
    }
};

QTEST_MAIN(ProvaComandi)
#include "comandi_test.moc"
