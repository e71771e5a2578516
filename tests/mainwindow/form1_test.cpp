// The real main window, offscreen, on a program folder of its own.
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <filesystem>
#include <memory>

#include "mainwindow/finestra.h"
#include "mainwindow/form1.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

int N(double v) { return static_cast<int>(std::nearbyint(v)); }

// A 15 x 10 puzzle with a few black cells and one entry.
std::vector<std::string> soluzioni15x10() {
    return {"CASA#LUNA#MARE#", "ALTO#ERBA#ORSO#", "NEVE#ONDA#ROSA#", "E#PERA#VELA#TE#", "ROMA#NAVE#TORRE",
            "ISOLA#PANE#ORO", "ARCO#LIRA#SOLE#", "LAGO#VOLO#NIDO#", "EBANO#MELA#OCA", "#PALA#RENE#AGO"};
}

std::string campione15x10() {
    std::vector<std::string> ins(10, std::string(15, '.'));
    const auto sol = soluzioni15x10();
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 15; ++c)
            if (sol[r][c] == '#') ins[r][c] = '#';
    ins[0][0] = 'C';
    return prova::fileTrmo(sol, ins, {rigaDefinizione(1, 1, 1, "Abitazione"), rigaDefinizione(1, 1, 2, "Il migliore amico")});
}

// Closes the next message box with OK and remembers its text.
class RispostaAutomatica : public QObject {
public:
    QString testo;
    bool vista = false;
    void arma() {
        QTimer::singleShot(50, this, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    testo = box->text();
                    vista = true;
                    box->accept();
                    return;
                }
            }
            arma();
        });
    }
};

}  // namespace

class ProvaForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CartellaTemporanea> cartella;
    std::unique_ptr<Stato> stato;
    std::unique_ptr<PiattaformaQt> piattaforma;

    // A fresh program folder: the Italian dictionary (an index of zeros), the settings and a picture.
    void preparaCartella(const std::string& impostazioni) {
        cartella = std::make_unique<prova::CartellaTemporanea>();
        cartella->scrivi("LessicoItaliano.dat", std::string(420, '0'));
        cartella->scrivi("LessicoInglese.dat", std::string(420, '0'));
        if (!impostazioni.empty()) cartella->scrivi("tramerio.ini", impostazioni);
        QImage sfondo(300, 200, QImage::Format_RGB32);
        sfondo.fill(Qt::darkCyan);
        for (const char* nome : {"Quadrivoa.jpg", "Quadrivob.jpg"})
            QVERIFY(sfondo.save(QString::fromStdString(cartella->percorso(nome)), "JPG"));
        stato = std::make_unique<Stato>();
        stato->cartellaProgramma = cartella->percorso();
        piattaforma = std::make_unique<PiattaformaQt>();
    }

    std::unique_ptr<Form1> avvia(const QString& rigaComando) {
        auto f = std::make_unique<Form1>(*stato, *piattaforma, rigaComando);
        f->show();
        [&] { QTRY_COMPARE(f->giaAttivato(), 1); }();
        QTest::qWait(30);  // the size the window settles on, and the redraw that follows it
        return f;
    }

    static QColor pixel(const Form1& f, double x, double y) {
        const QImage& img = f.area()->immagine();
        const qreal d = img.devicePixelRatio();
        return img.pixelColor(static_cast<int>(x * d), static_cast<int>(y * d));
    }

    static const char* impostazioniTipiche() {
        return "RettangoloParola=-1 \r\nTastoSin= 0 \r\nStampaSoluzioni= 0 \r\nPercentualeRiquadro= 90 \r\n"
               "SpessoreBordo= 2 \r\nAltezzaCaratteri= 55 \r\nAltezzaNumeri= 18 \r\nDistanzaDaSpigolo= 2 \r\n"
               "DistanzaDaCentro= 5 \r\n";
    }

private slots:
    void avvioSenzaSchema() {
        preparaCartella(impostazioniTipiche());
        auto f = avvia({});
        QCOMPARE(f->windowTitle(), QString("Quadrivo"));
        for (QAction* a : {f->MenuSalva, f->MenuSalvaCN, f->Meno3, f->MenuAnteprima, f->MenuStampa})
            QVERIFY2(!a->isVisible(), qPrintable(a->objectName()));
        QVERIFY(!f->MenuUtil->menuAction()->isVisible());
        for (QAction* a : {f->MenuApri, f->MenuEsci, f->menuold, f->MenuInfo}) QVERIFY(a->isVisible());
        QVERIFY(f->pulsanteToolbar[1]->isEnabled());
        for (int i : {3, 4, 5, 6, 8, 9}) QVERIFY2(!f->pulsanteToolbar[i]->isEnabled(), qPrintable(QString::number(i)));
        QVERIFY(!f->pulsanteToolbar[2] && !f->pulsanteToolbar[7]);

        // The picture is the one for this screen, centred in the drawing area.
        QCOMPARE(f->Picture1->size(), QSize(300, 200));
        const Posizione p = sfondoAllAttivazione(f->area()->width(), f->area()->height(), 300, 200);
        QCOMPARE(f->Picture1->pos(), QPoint(p.x, p.y));
        QVERIFY(f->Picture1->isVisible());
        QVERIFY(!f->label1Visibile());
        QVERIFY(!f->Command3d15->isVisible());
        QCOMPARE(f->Command3d15->y(), 1);
        QVERIFY(f->Command3d15->x() > f->Toolbar1->widgetForAction(f->pulsanteToolbar[9])->geometry().right());
        QVERIFY(f->MenuApri->icon().isNull() == false);

        QCOMPARE(f->StatusBar1->pannello(1)->text(), QString::fromStdString(testoVersione()));
        QCOMPARE(f->StatusBar1->pannello(3)->text(), QString("INS"));
        QVERIFY(f->MenuL1->isChecked() && !f->Menul2->isChecked());
        QVERIFY(f->Menurett->isChecked() && !f->menuold->isChecked());

        // The working copy's name is reserved in the temporary folder, the file is not there yet.
        QVERIFY(!stato->fileLavoro.empty());
        QVERIFY(!esisteFile(stato->fileLavoro));
        QCOMPARE(QDir::currentPath() + "/", QString::fromStdString(stato->cartellaProgramma));
    }

    void vociNascosteSenzaScorciatoie() {
        preparaCartella({});
        auto f = avvia({});
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        QSignalSpy controlla(f->MenuCS, &QAction::triggered);
        QSignalSpy salva(f->MenuSalva, &QAction::triggered);
        QSignalSpy info(f->MenuInfo, &QAction::triggered);
        QTest::keyClick(f.get(), Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(f.get(), Qt::Key_S, Qt::ControlModifier);
        // The about box that F4 opens is modal: it is closed as soon as it is up.
        QTimer::singleShot(0, [] {
            if (QWidget* d = QApplication::activeModalWidget()) d->close();
        });
        QTest::keyClick(f.get(), Qt::Key_F4);
        QCOMPARE(controlla.count(), 0);
        QCOMPARE(salva.count(), 0);
        QCOMPARE(info.count(), 1);
    }

    void barraDiStato() {
        preparaCartella({});
        auto f = avvia({});
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        BarraStato* b = f->StatusBar1;
        const QStringList attesi{"BLOC SCORR", "INS", "BLOC MAIUSC", "NUM"};
        for (int i = 2; i <= 5; ++i) QCOMPARE(b->pannello(i)->text(), attesi[i - 2]);
        // Without the keyboard's lights the bar follows the lock keys it sees pressed.
        const bool maiuscole = b->indicatoreAttivo(BarraStato::maiuscole);
        const bool inserimento = b->indicatoreAttivo(BarraStato::inserimento);
        QTest::keyClick(f.get(), Qt::Key_CapsLock);
        QTest::keyClick(f.get(), Qt::Key_Insert);
        QTRY_COMPARE(b->indicatoreAttivo(BarraStato::maiuscole), !maiuscole);
        QCOMPARE(b->indicatoreAttivo(BarraStato::inserimento), !inserimento);
        QCOMPARE(b->pannello(BarraStato::inserimento)->isEnabled(), !inserimento);
        const QDate oggi = QDate::currentDate();
        QCOMPARE(b->pannello(6)->text(), QString::fromStdString(testoData(oggi.day(), oggi.month(), oggi.year())));
        QCOMPARE(b->pannello(7)->text().size(), 5);
        QSignalSpy doppio(b, &BarraStato::doppioClic);
        // The double click opens the modal about box: it is closed as soon as it is up.
        QTimer::singleShot(0, [] {
            if (QWidget* d = QApplication::activeModalWidget()) d->close();
        });
        QTest::mouseDClick(b->pannello(BarraStato::data), Qt::LeftButton);
        QCOMPARE(doppio.count(), 1);
    }

    void menuComeLaTabella() {
        preparaCartella({});
        auto f = avvia({});
        QStringList titoli;
        for (QAction* a : f->menuBar()->actions()) titoli << a->text();
        QCOMPARE(titoli, (QStringList{"&File", "&Utilità", "&Opzioni", "&?"}));
        QCOMPARE(f->MenuApri->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(f->MenuSalva->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(f->MenuEsci->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4));
        QCOMPARE(f->ManueMail->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1));
        QCOMPARE(f->MenuSalvaCN->text(), QString("Salva &Con nome ..."));
        QVERIFY(f->Meno3->isSeparator() && f->menommm->isSeparator() && f->Meno5->isSeparator());
        // Opzioni: the layout item, a separator, the two options, then the language submenu.
        const QList<QAction*> opzioni = f->Menuimpo->actions();
        QCOMPARE(opzioni.size(), 5);
        QCOMPARE(opzioni[4]->menu(), f->menul);
        QCOMPARE(f->menul->title(), QString("&Lingua dizionario ..."));
        QVERIFY(!f->menusetschema->isCheckable());
        QCOMPARE(f->Toolbar1->actions().first()->toolTip(), QString("Apri cruciverba"));
        QCOMPARE(f->pulsanteToolbar[8]->toolTip(), QString("Cancella soluzioni"));
    }

    void avvioConSchema() {
        preparaCartella(impostazioniTipiche());
        const std::string dati = campione15x10();
        const std::string percorso = cartella->scrivi("prova 15x10.trmo", dati);
        // Quotes around the path, as a desktop may pass it, are not part of the name.
        auto f = avvia(QString::fromStdString("\"" + percorso + "\""));

        QCOMPARE(f->windowTitle(), QString::fromStdString("Quadrivo - Cruciverba 15x10  " + percorso));
        QCOMPARE(stato->nomeFile, percorso);
        QCOMPARE(stato->grigliaAttiva, std::int16_t(1));
        QVERIFY(esisteFile(stato->fileLavoro));
        QVERIFY(f->MenuSalva->isVisible() && f->MenuUtil->menuAction()->isVisible());
        for (int i : {3, 4, 5, 6, 8, 9}) QVERIFY(f->pulsanteToolbar[i]->isEnabled());
        QVERIFY(f->Picture1->y() >= f->area()->height());
        QVERIFY(!f->MenuAnteprima->icon().isNull());

        // The layout follows the window's real measures.
        const AreaFinestra a = f->areaFinestra();
        QCOMPARE(a.larghezza, double(f->area()->width()));
        QCOMPARE(a.altezzaToolbar, double(f->Toolbar1->height()));
        QCOMPARE(a.altezzaStatusBar, double(f->StatusBar1->height()));
        QVERIFY(a.altezzaToolbar > 10 && a.altezzaStatusBar > 10);
        const int L = std::min(N((a.larghezza - 16) / 15), N((a.altezza - a.altezzaToolbar - a.altezzaStatusBar - 18) / 10));
        QCOMPARE(int(stato->latoCasella), L);
        QCOMPARE(int(stato->xGriglia), N((a.larghezza - L * 15) / 2));
        QCOMPARE(int(stato->yGriglia), N((a.altezzaToolbar + a.altezza - a.altezzaStatusBar - 2 - L * 10) / 2));
        // The grid lies between the bars.
        QVERIFY(stato->yGriglia - 5 > a.altezzaToolbar);
        QVERIFY(stato->yGriglia + 10 * L + 5 < a.altezza - a.altezzaStatusBar);

        // Drawn: the dark-red frame, a black square, and the number of cell (1, 1).
        const double x0 = stato->xGriglia, y0 = stato->yGriglia;
        QCOMPARE(pixel(*f, x0 - 3, y0 + 5 * L), QColor(128, 0, 0));
        QCOMPARE(pixel(*f, x0 + 4 * L + L / 2.0, y0 + L / 2.0), QColor(Qt::black));
        QCOMPARE(stato->numeroCasella[1][1], std::int16_t(1));
        int scuri = 0;
        for (int y = 2; y < L / 3; ++y)
            for (int x = 2; x < L / 3; ++x)
                if (pixel(*f, x0 + x, y0 + y).lightness() < 128) ++scuri;
        QVERIFY2(scuri > 3, "no number in the first cell");
        // The entry "C" in cell (1, 1) is drawn near the cell's centre; cell (2, 1) stays empty.
        auto inchiostro = [&](int c, int r) {
            int n = 0;
            for (int y = L / 3; y < L - 3; ++y)
                for (int x = L / 4; x < L - 3; ++x)
                    if (pixel(*f, x0 + (c - 1) * L + x, y0 + (r - 1) * L + y).lightness() < 128) ++n;
            return n;
        };
        QVERIFY(inchiostro(1, 1) > 10);
        QCOMPARE(inchiostro(2, 1), 0);
    }

    void riattivazioneRidisegnaSenzaRiaprire() {
        preparaCartella(impostazioniTipiche());
        const std::string percorso = cartella->scrivi("p.trmo", campione15x10());
        auto f = avvia(QString::fromStdString(percorso));
        // The entries live in the working copy: change it, remove the original, activate again.
        stato->impostaInserimento(2, 1, 'A');
        f->cicloAggiornamento();
        QVERIFY(cancellaFile(percorso));
        f->superficie().pulisci();
        f->Form_Activate();
        QCOMPARE(stato->inserimento(2, 1), 'A');
        QCOMPARE(stato->nomeFile, percorso);
        QCOMPARE(f->fileRigaComando(), percorso);
        QCOMPARE(pixel(*f, stato->xGriglia - 3, stato->yGriglia), QColor(128, 0, 0));
    }

    void dopoUnDialogoSiRiattiva() {
        preparaCartella(impostazioniTipiche());
        auto f = avvia(QString::fromStdString(cartella->scrivi("d.trmo", campione15x10())));
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        // Another window changes the working copy; the window shows it once a dialog closes.
        Stato altro = *stato;
        altro.impostaInserimento(3, 1, 'S');
        PiattaformaQt p;
        QVERIFY(scriviCruciverba(altro, p, stato->fileLavoro));
        {
            // The offscreen platform has no window manager: the test hands the focus over itself.
            QDialog d(f.get());
            d.show();
            d.activateWindow();
            QTRY_COMPARE(QGuiApplication::focusWindow(), d.windowHandle());
            d.accept();
        }
        f->activateWindow();
        QTRY_COMPARE(stato->inserimento(3, 1), 'S');

        // Without a window manager a dialog may close without ever having had the focus.
        altro.impostaInserimento(4, 1, 'A');
        QVERIFY(scriviCruciverba(altro, p, stato->fileLavoro));
        {
            QDialog d(f.get());
            d.show();
            d.reject();
        }
        QTRY_COMPARE(stato->inserimento(4, 1), 'A');

        // A message box that closes is not a new activation.
        altro.impostaInserimento(3, 1, 'T');
        QVERIFY(scriviCruciverba(altro, p, stato->fileLavoro));
        RispostaAutomatica risposta;
        QTimer::singleShot(20, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->activateWindow();
        });
        risposta.arma();
        p.messaggio("Prova", {}, Icona::nessuna, Pulsanti::ok);
        QVERIFY(risposta.vista);
        f->activateWindow();
        QTest::qWait(50);
        QCOMPARE(stato->inserimento(3, 1), 'S');
    }

    void fileInesistenteSullaRigaDiComando() {
        preparaCartella({});
        RispostaAutomatica risposta;
        risposta.arma();
        auto f = avvia(QString::fromStdString(cartella->percorso("non c'è.trmo")));
        QTRY_VERIFY(risposta.vista);
        QVERIFY(risposta.testo.contains("inesistente"));
        QCOMPARE(stato->nomeFile, std::string());
        QVERIFY(!f->MenuSalva->isVisible());
        QCOMPARE(f->windowTitle(), QString("Quadrivo"));
        // The start goes on without a puzzle, with the picture in view.
        QVERIFY(f->Picture1->y() < f->area()->height());
    }

    void salvaScriveIlFileEsatto() {
        preparaCartella(impostazioniTipiche());
        const std::string dati = campione15x10();
        const std::string percorso = cartella->scrivi("salva.trmo", dati);
        auto f = avvia(QString::fromStdString(percorso));

        f->MenuSalva_Click();
        QCOMPARE(cartella->leggi(percorso), dati);

        // An entry made since is written into its grid line, nothing else changes.
        stato->impostaInserimento(2, 1, 'A');
        stato->fileModificato = true;
        f->MenuSalva->trigger();
        std::string atteso = dati;
        const size_t riga = atteso.find("\r\n", atteso.find("Dimensioni:")) + 2;
        atteso[riga + 3] = 'A';
        QCOMPARE(cartella->leggi(percorso), atteso);
        QCOMPARE(stato->grigliaAttiva, std::int16_t(1));
        QVERIFY(stato->fileModificato);  // saving does not reset it
        QVERIFY(!f->label1Visibile());
    }

    void salvaSenzaNomeNonScrive() {
        preparaCartella(impostazioniTipiche());
        const std::string percorso = cartella->scrivi("nuovo.trmo", campione15x10());
        auto f = avvia(QString::fromStdString(percorso));
        stato->nomeFile = nomeNuovoCruciverba;
        // The save dialog that takes over is modal: it is cancelled as soon as it is up.
        QTimer::singleShot(0, [] {
            if (QWidget* d = QApplication::activeModalWidget()) d->close();
        });
        f->MenuSalva_Click();
        // Save as takes over; nothing is written under the placeholder name.
        QVERIFY(!esisteFile(cartella->percorso(nomeNuovoCruciverba)));
        QCOMPARE(cartella->leggi(percorso), campione15x10());
    }

    void opzioniRiscrivonoLeImpostazioni() {
        preparaCartella(impostazioniTipiche());
        auto f = avvia({});
        f->Shape1->show();
        f->menuold->trigger();
        QVERIFY(f->menuold->isChecked());
        QVERIFY(stato->tastoSinistro);
        std::string ini = cartella->leggi("tramerio.ini");
        QVERIFY(ini.find("TastoSin=-1 \r\n") != std::string::npos);
        QVERIFY(ini.find("PercentualeRiquadro= 90 \r\n") != std::string::npos);

        f->Menurett->trigger();
        QVERIFY(!f->Menurett->isChecked());
        QVERIFY(!stato->rettangoloParola);
        QVERIFY(!f->Shape1->isVisible());
        ini = cartella->leggi("tramerio.ini");
        QVERIFY(ini.find("RettangoloParola= 0 \r\n") != std::string::npos);
        QVERIFY(ini.find("TastoSin=-1 \r\n") != std::string::npos);

        f->menuold->trigger();
        QCOMPARE(cartella->leggi("tramerio.ini").substr(0, 36), std::string("RettangoloParola= 0 \r\nTastoSin= 0 \r\n"));
    }

    void linguaUnaSolaSegnata() {
        preparaCartella({});
        auto f = avvia({});
        f->MenuL1->trigger();  // already in use: nothing changes, the mark stays
        QVERIFY(f->MenuL1->isChecked());
        QCOMPARE(stato->linguaLessico, std::int16_t(1));
        f->Menul2->trigger();
        QCOMPARE(stato->fileLessico, std::string("LessicoInglese.dat"));
        QVERIFY(!f->MenuL1->isChecked() && f->Menul2->isChecked() && !f->MenuL3->isChecked() && !f->menul4->isChecked());
        f->Menul2->trigger();
        QVERIFY(f->Menul2->isChecked());
    }

    void esciCancellaLaCopiaDiLavoro() {
        preparaCartella(impostazioniTipiche());
        const std::string percorso = cartella->scrivi("esci.trmo", campione15x10());
        auto f = avvia(QString::fromStdString(percorso));
        QVERIFY(esisteFile(stato->fileLavoro));
        f->MenuEsci_Click();
        QVERIFY(!esisteFile(stato->fileLavoro));
        QVERIFY(!f->isVisible());
        QVERIFY(esisteFile(percorso));
    }

    void unaFineImprovvisaCancellaLaCopia() {
        preparaCartella(impostazioniTipiche());
        auto f = avvia(QString::fromStdString(cartella->scrivi("y.trmo", campione15x10())));
        QVERIFY(esisteFile(stato->fileLavoro));
        // What the platform runs before a fatal message ends the program.
        QVERIFY(piattaforma->primaDiTerminare);
        piattaforma->primaDiTerminare();
        QVERIFY(!esisteFile(stato->fileLavoro));
        f.reset();
        QVERIFY(!piattaforma->primaDiTerminare);
    }

    void chiusuraDallaCorniceCancellaLaCopia() {
        preparaCartella(impostazioniTipiche());
        auto f = avvia(QString::fromStdString(cartella->scrivi("x.trmo", campione15x10())));
        QVERIFY(esisteFile(stato->fileLavoro));
        f->close();
        QVERIFY(!esisteFile(stato->fileLavoro));
    }

    void ilDisegnoResta() {
        preparaCartella({});
        auto f = avvia({});
        f->superficie().rettangoloPieno(20, 80, 60, 120, rossoScuro);
        // Exposing the window again paints what the image holds.
        const QImage vista = f->area()->grab().toImage();
        const qreal d = vista.devicePixelRatio();
        QCOMPARE(vista.pixelColor(int(40 * d), int(100 * d)), QColor(128, 0, 0));
        QCOMPARE(f->area()->immagine().devicePixelRatio(), f->area()->devicePixelRatioF());
        f->superficie().pulisci();
        QCOMPARE(pixel(*f, 40, 100), f->area()->sfondo());

        // An area bigger than the screen gets a bigger image that keeps the drawing and the font.
        f->superficie().rettangoloPieno(20, 80, 60, 120, rossoScuro);
        f->superficie().impostaCarattere(Carattere{"DejaVu Sans", 14, true, false});
        const double largo = f->superficie().larghezzaTesto("MMMM");
        const QSize prima = f->area()->immagine().size();
        f->area()->resize(prima.width() + 500, prima.height() + 300);
        f->superficie().rettangoloPieno(prima.width() + 400, 10, prima.width() + 450, 20, nero);
        QVERIFY(f->area()->immagine().width() > prima.width());
        QCOMPARE(pixel(*f, 40, 100), QColor(128, 0, 0));
        QCOMPARE(pixel(*f, prima.width() + 420, 15), QColor(Qt::black));
        QCOMPARE(f->superficie().larghezzaTesto("MMMM"), largo);
        QCOMPARE(f->superficie().larghezzaScala(), double(f->area()->width()));
    }
};

QTEST_MAIN(ProvaForm1)
#include "form1_test.moc"
