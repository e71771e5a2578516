// The open, save and font dialogs, and Qt's own dialogs in Italian.
#include <QDialogButtonBox>
#include <sys/stat.h>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>
#include <QtTest>
#include <filesystem>

#include "dialogs/gui/collegamenti.h"
#include "dialogs/indirizzi.h"
#include "dialogs/gui/finestra_guida.h"
#include "dialogs/guida.h"
#include "aiuti.h"
#include "dialogs/apertura_schema.h"
#include "dialogs/gui/finestra_carattere.h"
#include "dialogs/gui/finestra_apri.h"
#include "sessione/salvataggio.h"
#include "dialogs/gui/finestra_salva.h"
#include "mainwindow/gui/comandi_file.h"
#include "formats/trmo.h"
#include "qt/traduzione_qt.h"
#include "solving/dizionario_prova.h"
#include "supporto/crociato.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using prova::testi;

namespace {

FinestraApri* finestraApriAperta() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* f = qobject_cast<FinestraApri*>(w); f && f->isVisible()) return f;
    return nullptr;
}

// What a file dialog opens over: a document with its working copy, and a main window it disables.
struct Banco {
    prova::CartellaTemporanea dir;
    const Cartelle locale;
    Impostazioni impostazioni{locale};
    Documento documento;
    PiattaformaRegistro p;
    QWidget principale;
    Banco() { documento.fileLavoro = dir.percorso("lavoro.tmp"), principale.setEnabled(false); }
};

}  // namespace

class DialoghiTest : public QObject {
    Q_OBJECT

private slots:
    // Qt's own dialogs speak Italian.
    void initTestCase() {
        QVERIFY(caricaTraduzioneQt(*QCoreApplication::instance()));
        QDialogButtonBox riga(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
        QCOMPARE(riga.button(QDialogButtonBox::Cancel)->text() + riga.button(QDialogButtonBox::Save)->text(), QString("AnnullaSalva"));
    }

    // A warning raised while the player types is not closed unread by a key meant for the grid.
    void aWarningDuringTypingIgnoresTheKeysOnTheirWay() {
        PiattaformaQt p;
        p.millisecondiSenzaTasti = 600'000;  // longer than the test
        bool aperto = false;
        {
            prova::AlProssimoModale<QMessageBox> tasti([&](QMessageBox* m) {
                QTest::keyClick(m, Qt::Key_Return);
                QTest::keyClick(m, Qt::Key_Space);
                aperto = m->isVisible();
                m->buttons().at(0)->click();
            });
            p.avvisoInDigitazione("Impossibile scrivere la copia di lavoro");
            QVERIFY(tasti.eseguita());
            QVERIFY(aperto);
        }
        p.millisecondiSenzaTasti = 0;
        prova::AlProssimoModale<QMessageBox> invio([](QMessageBox* m) { QTest::keyClick(m, Qt::Key_Return); });
        p.avvisoInDigitazione("Impossibile scrivere la copia di lavoro");
        QVERIFY(invio.eseguita());
    }

    void openPreviewAndOk() {
        Banco b;
        const std::string dati = prova::fileTrmo({"CASA", "A#MI"});
        b.dir.scrivi("a.trmo", dati);
        b.dir.scrivi("b.trmo", "");
        std::filesystem::create_directory(b.dir.percorso("estate"));
        const std::string latino = b.dir.scrivi("estate/caff\xe8.trmo", dati);  // Latin-1 bytes, no UTF-8
        // The dialog moves the process's current folder: put back whatever happens.
        const auto ritorno = qScopeGuard([prima = QDir::currentPath()] { QDir::setCurrent(prima); });
        QDir::setCurrent(QString::fromStdString(b.dir.percorso()));
        QPointer<FinestraApri> dialogo = new FinestraApri(
            b.locale, b.impostazioni, b.documento, b.p, [&](const std::string& percorso) { return apriInLavoro(b.documento, b.p, percorso); }, &b.principale);
        dialogo->show();
        QTRY_COMPARE(dialogo->didascaliaAnteprima->text(), QString("Anteprima:  4x 2"));  // the activation previews the first file
        // A bad file: its message; the last good one's texts are gone.
        dialogo->elencoFile->setCurrentRow(1);
        QCOMPARE(dialogo->didascaliaAnteprima->text(), QString("Anteprima"));
        // OK on the file whose preview was refused: the same message, and the dialog stays.
        dialogo->conferma();
        QCOMPARE(testi(b.p), (std::vector<std::string>{msgFormatoAnteprima, msgFormatoAnteprima}));
        QVERIFY(dialogo->isVisible());
        QVERIFY(!b.principale.isEnabled());
        QCOMPARE(b.documento.nomeFile, std::string());
        QVERIFY(!std::filesystem::exists(b.dir.percorso("lavoro.tmp")));

        // Enter on a folder opens it and does not confirm the dialog.
        dialogo->listaCartelle->setCurrentItem(dialogo->listaCartelle->findItems("[estate]", Qt::MatchExactly).value(0));
        QTest::keyClick(dialogo->listaCartelle, Qt::Key_Return);
        QVERIFY(dialogo->isVisible());
        QCOMPARE(QDir::currentPath(), QString::fromStdString(b.dir.percorso("estate")));
        // An unreadable volume: its message, and the list stays where it was.
        dialogo->scelta().scegliVolume("/volume-che-non-esiste");
        QCOMPARE(b.p.messaggi.back().testo, std::string("Errore di lettura dal drive specificato"));
        QCOMPARE(dialogo->scelta().cartella(), QString::fromStdString(b.dir.percorso("estate")));

        // A name that is no UTF-8 is listed, previewed and opened by its own bytes.
        dialogo->elencoFile->setCurrentRow(0);
        QCOMPARE(dialogo->didascaliaAnteprima->text(), QString("Anteprima:  4x 2"));
        QTest::keyClick(dialogo->campoNome, Qt::Key_Return);
        QVERIFY(b.principale.isEnabled());
        QCOMPARE(b.documento.nomeFile, latino);
        QTRY_VERIFY(dialogo.isNull());  // unloaded
    }

    void fontChoiceAndOkWithoutAChoice() {
        Banco b;
        const auto famiglie = [] { return QStringList{"Liberation Sans", "Famiglia 1", "Famiglia 0 [urw]", "Famiglia 5"}; };
        FinestraCarattere d(b.impostazioni, b.p, famiglie, [](const std::string&) { return true; });
        d.show();
        QCOMPARE(d.elencoFamiglie->currentRow(), 0);  // the family really drawn for Arial
        // OK goes to both fonts; the grey state counts as ticked.
        QTest::mouseClick(d.casellaGrassetto, Qt::LeftButton);
        d.casellaCorsivo->setCheckState(Qt::PartiallyChecked);
        d.elencoFamiglie->setCurrentRow(3);
        QTest::mouseClick(d.pulsanteOk, Qt::LeftButton);
        QCOMPARE(b.impostazioni.valori().carattereStampante, (StileCarattere{"Famiglia 5", true, true}));

        // The list makes its first row current when it takes the focus: that is not a choice.
        Impostazioni nuovo(b.locale);  // nomeFont Arial
        FinestraCarattere e(nuovo, b.p, [] { return QStringList{"C059", "Zeta"}; }, [](const std::string&) { return true; });
        e.show();
        e.activateWindow(), e.elencoFamiglie->setFocus();
        QTRY_VERIFY(e.elencoFamiglie->hasFocus());
        QTest::mouseClick(e.pulsanteOk, Qt::LeftButton);
        QCOMPARE(nuovo.valori(), ValoriImpostazioni{});
        QVERIFY(b.p.messaggi.empty());
    }

    // With no browser (xdg-open missing, or failing), the player still gets the address.
    void authorsSiteWithoutABrowserGivesTheAddress() {
        prova::CartellaTemporanea dir;
        const QByteArray percorsi = qgetenv("PATH");
        PiattaformaRegistro p;
        qputenv("PATH", dir.percorso().c_str());
        apriSitoAutore(p);
        ::chmod(dir.scrivi("xdg-open", "#!/bin/sh\nexit 3\n").c_str(), 0755);
        apriPostaAutore(p);
        QTRY_COMPARE(p.messaggi.size(), size_t(2));
        qputenv("PATH", percorsi);
        QVERIFY(testi(p)[0].ends_with(sitoAutore));
        QVERIFY(testi(p)[1].ends_with(postaAutore));
    }

    void saving() {
        Banco b;
        b.documento.cruciverba.autore = "Anna Neri";
        FinestraSalva d(b.locale, b.impostazioni, b.documento, b.p, [&](const std::string& c, const std::string& n, const std::string& a) { return salvaConNome(b.documento, b.p, c, n, a); }, &b.principale);
        d.show();
        QCOMPARE(d.campoAutore->text(), QString("Anna Neri"));
        // A failure keeps the dialog up for another try; Escape then gives up.
        d.campoNome->setText(QString::fromStdString(b.dir.percorso("manca/prova")));
        QTest::keyClick(d.campoAutore, Qt::Key_Return);
        QCOMPARE(testi(b.p), std::vector<std::string>{"Errore di nome file o accesso al disco!"});
        QVERIFY(d.isVisible());
        QVERIFY(!b.principale.isEnabled());
        QTest::keyClick(d.campoNome, Qt::Key_Escape);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(b.principale.isEnabled());
        QCOMPARE(b.documento.nomeFile, std::string());

        // A format read only: the other name comes with its reason.
        b.documento.nomeFile = b.dir.scrivi("c.jpz", "x");
        FinestraSalva jpz(b.locale, b.impostazioni, b.documento, b.p, [](auto&&...) { return EsitoSalvataggio::rinunciato; }, &b.principale);
        jpz.show();
        const QLabel* motivo = prova::figlio<QLabel>(&jpz, "Avviso");
        QCOMPARE(jpz.campoNome->text(), QString("c.ipuz"));
        QCOMPARE(motivo->text(), QString("Il formato .jpz si legge soltanto: il cruciverba sarà salvato come .ipuz"));
        QVERIFY(motivo->isVisible());
    }

    // The main window's Apri and help on a real window, one step after the other.
    void openOnTheArchiveAndHelpShowsEveryKey() {
        // A program folder with its archive, and the window started on it without a puzzle.
        prova::BancoFinestra<> b(prova::dizionario({}));
        const std::string archivio = b.dir.percorso("Archivio cruciverba");
        std::filesystem::create_directory(archivio);
        b.dir.scrivi("Archivio cruciverba/prova.trmo", prova::fileCrociato());
        b.f.emplace(Cartelle{b.dir.percorso(), {}}, b.piattaforma, std::string());
        FinestraPrincipale* f = &*b.f;
        f->show();
        QTRY_COMPARE(f->giaAttivato(), 1);
        // Apri, then OK on a file of the puzzle archive, where the dialog starts.
        f->file().apri();
        QVERIFY(!f->isEnabled());
        QTRY_VERIFY(!finestraApriAperta()->campoNome->text().isEmpty());  // wait for its activation, as a player would
        finestraApriAperta()->campoNome->setText("prova.trmo"), finestraApriAperta()->conferma();
        QCOMPARE(f->sessione().nomeFile(), archivio + "/prova.trmo");

        // Help is one window to read beside the puzzle: today's solving and every key; ? → Tasti the keys alone.
        prova::figlio<QAction>(f, "azioneAiuto")->trigger();
        auto* guida = prova::figlio<FinestraGuida>(f, "FinestraGuida");
        QTRY_VERIFY(guida->isVisible());
        QTRY_VERIFY(guida->testo().contains("Come si gioca"));
        for (const TastoGuida& t : tastiGuida()) QVERIFY(guida->testo().contains(QString::fromStdString(t.tasto)));
        prova::figlio<QAction>(f, "azioneTasti")->trigger();
        QVERIFY(!guida->testo().contains("Come si gioca"));
    }
};

QTEST_MAIN(DialoghiTest)
#include "dialoghi_gui_test.moc"
