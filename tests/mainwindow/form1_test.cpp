// The real main window, offscreen, on a program folder of its own.
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QtTest>
#include <memory>

#include "mainwindow/finestra.h"
#include "mainwindow/lavoro.h"
#include "mainwindow/gui/form1.h"
#include "model/cruciverba.h"
#include "model/file.h"
#include "supporto/finestre.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// A 15 x 10 puzzle with a few black cells and one entry (two with a letter for cell (2, 1)).
std::string campione15x10(char seconda = '.') {
    const std::vector<std::string> sol{"CASA#LUNA#MARE#", "ALTO#ERBA#ORSO#", "NEVE#ONDA#ROSA#", "E#PERA#VELA#TE#",
                                       "ROMA#NAVE#TORRE", "ISOLA#PANE#ORO", "ARCO#LIRA#SOLE#", "LAGO#VOLO#NIDO#",
                                       "EBANO#MELA#OCA", "#PALA#RENE#AGO"};
    return prova::fileTrmo(sol, {std::string("C") + seconda}, {rigaDefinizione(1, 1, 1, "Abitazione"), rigaDefinizione(1, 1, 2, "Il migliore amico")});
}

// The toolbar button at position 1..9.
QAction* pulsante(const Form1& f, int posizione) {
    for (const PulsanteToolbar& p : pulsantiToolbar())
        if (p.posizione == posizione && *p.chiave) return prova::figlio<QAction>(&f, QString("Toolbar1_") + p.chiave);
    return nullptr;
}

}  // namespace

class ProvaForm1 : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CartellaTemporanea> cartella;
    std::unique_ptr<Stato> stato;
    std::unique_ptr<PiattaformaQt> piattaforma;

    // A fresh program folder: the Italian dictionary (an index of zeros), the settings and a picture.
    void preparaCartella(const std::string& impostazioni = impostazioniTipiche()) {
        cartella = std::make_unique<prova::CartellaTemporanea>();
        cartella->scrivi("LessicoItaliano.dat", std::string(420, '0'));
        if (!impostazioni.empty()) cartella->scrivi("tramerio.ini", impostazioni);
        QImage sfondo(300, 200, QImage::Format_RGB32);
        sfondo.fill(Qt::darkCyan);
        for (const char* nome : {"Quadrivoa.jpg", "Quadrivob.jpg"})
            QVERIFY(sfondo.save(QString::fromStdString(cartella->percorso(nome)), "JPG"));
        stato = std::make_unique<Stato>();
        stato->cartellaProgramma = cartella->percorso();
        piattaforma = std::make_unique<PiattaformaQt>();
    }

    std::unique_ptr<Form1> avvia(const std::string& rigaComando) {
        auto f = std::make_unique<Form1>(*stato, *piattaforma, rigaComando);
        f->show();
        [&] {
            QTRY_COMPARE(f->giaAttivato(), 1);
            QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        }();
        QCoreApplication::processEvents();  // the size the window settles on, and the redraw that follows it
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

    // A window on a puzzle of its own in the program folder.
    std::unique_ptr<Form1> avviaConSchema(const std::string& nome) {
        return avvia(cartella->scrivi(nome, campione15x10()));
    }

private slots:
    void startWithoutAPuzzle() {
        preparaCartella();
        auto f = avvia({});
        QCOMPARE(f->windowTitle(), QString("Quadrivo"));
        for (QAction* a : {prova::figlio<QAction>(&*f, "MenuSalva"), prova::figlio<QAction>(&*f, "MenuSalvaCN"), prova::figlio<QAction>(&*f, "Meno3"), prova::figlio<QAction>(&*f, "MenuAnteprima"), prova::figlio<QAction>(&*f, "MenuStampa")})
            QVERIFY2(!a->isVisible(), qPrintable(a->objectName()));
        QVERIFY(!prova::figlio<QMenu>(&*f, "MenuUtil")->menuAction()->isVisible());
        QVERIFY(pulsante(*f, 1)->isEnabled());
        for (int i : {3, 4, 5, 6, 8, 9}) QVERIFY2(!pulsante(*f, i)->isEnabled(), qPrintable(QString::number(i)));
        // The picture is the one for this screen, centred across the drawing area and ten pixels
        // higher than centred down it (an odd pixel left over goes right and below).
        const QRect foto = prova::figlio<QLabel>(&*f, "Picture1")->geometry();
        QCOMPARE(foto.size(), QSize(300, 200));
        const int sinistra = foto.left(), destra = f->area()->width() - 1 - foto.right();
        const int sopra = foto.top() + 10, sotto = f->area()->height() - 1 - foto.bottom() - 10;
        QVERIFY2(destra - sinistra == 0 || destra - sinistra == 1, qPrintable(QString("%1 %2").arg(sinistra).arg(destra)));
        QVERIFY2(sotto - sopra == 0 || sotto - sopra == 1, qPrintable(QString("%1 %2").arg(sopra).arg(sotto)));
        QVERIFY(prova::figlio<QLabel>(&*f, "Picture1")->isVisible());
        // The working copy's name is reserved, the file is not there yet.
        QVERIFY(!stato->fileLavoro.empty() && !esisteFile(stato->fileLavoro));
        // A redraw that comes before any grid was read (a resize just after an open) draws nothing.
        stato->nomeFile = "/in/arrivo.trmo";
        f->disegnaGriglia();
        QCOMPARE(f->windowTitle(), QString("Quadrivo"));

        // The options menu rewrites the settings file at once.
        prova::figlio<QAction>(&*f, "menuold")->trigger();
        QVERIFY(prova::figlio<QAction>(&*f, "menuold")->isChecked() && stato->tastoSinistro);
        prova::figlio<Rettangolo>(&*f, "Shape1")->show();
        prova::figlio<QAction>(&*f, "Menurett")->trigger();
        QVERIFY(!prova::figlio<QAction>(&*f, "Menurett")->isChecked() && !stato->rettangoloParola);
        QVERIFY(!prova::figlio<Rettangolo>(&*f, "Shape1")->isVisible());
        std::string atteso = impostazioniTipiche();
        atteso.replace(0, 34, "RettangoloParola= 0 \r\nTastoSin=-1 ");
        QCOMPARE(cartella->leggi("tramerio.ini"), atteso);
    }

    void startWithAPuzzleThenSave() {
        preparaCartella();
        const std::string percorso = cartella->scrivi("prova 15x10.trmo", campione15x10());
        // Quotes around the path, as a desktop may pass it, are not part of the name.
        auto f = avvia("\"" + percorso + "\"");
        QCOMPARE(f->windowTitle(), QString::fromStdString("Quadrivo - Cruciverba 15x10  " + percorso));
        QVERIFY(esisteFile(stato->fileLavoro));
        QVERIFY(prova::figlio<QAction>(&*f, "MenuSalva")->isVisible() && prova::figlio<QMenu>(&*f, "MenuUtil")->menuAction()->isVisible());
        for (int i : {3, 4, 5, 6, 8, 9}) QVERIFY(pulsante(*f, i)->isEnabled());
        QVERIFY(prova::figlio<QLabel>(&*f, "Picture1")->y() >= f->area()->height());
        QVERIFY(prova::figlio<QLabel>(&*f, "Picture1")->pixmap().isNull());  // never shown, never decoded

        // The layout follows the window's real measures (the arithmetic on them is tested on its own).
        const AreaFinestra a = f->areaFinestra();
        QCOMPARE(a.larghezza, double(f->area()->width()));
        QCOMPARE(a.altezzaToolbar, double(prova::figlio<QToolBar>(&*f, "Toolbar1")->height()));
        QCOMPARE(a.altezzaStatusBar, double(prova::figlio<BarraStato>(&*f, "StatusBar1")->height()));
        const int L = stato->latoCasella;

        // Drawn: the dark-red frame, a black square, the entry "C" in cell (1, 1) and nothing in (2, 1).
        const double x0 = stato->xGriglia, y0 = stato->yGriglia;
        QCOMPARE(pixel(*f, x0 - 3, y0 + 5 * L), QColor(128, 0, 0));
        QCOMPARE(pixel(*f, x0 + 4 * L + L / 2.0, y0 + L / 2.0), QColor(Qt::black));
        auto inchiostro = [&](int c, int r) {
            int n = 0;
            for (int y = L / 3; y < L - 3; ++y)
                for (int x = L / 4; x < L - 3; ++x)
                    if (pixel(*f, x0 + (c - 1) * L + x, y0 + (r - 1) * L + y).lightness() < 128) ++n;
            return n;
        };
        QVERIFY(inchiostro(1, 1) > 10);
        QCOMPARE(inchiostro(2, 1), 0);

        // Save: an entry made since is written into its grid line, nothing else changes.
        stato->impostaInserimento(2, 1, 'A');
        stato->fileModificato = true;
        prova::figlio<QAction>(&*f, "MenuSalva")->trigger();
        QCOMPARE(cartella->leggi(percorso), campione15x10('A'));
        QVERIFY(!stato->fileModificato);  // saved: nothing left to lose
        QVERIFY(!f->windowTitle().startsWith("*"));
        // Under the placeholder name Save as takes over: its modal dialog is cancelled once up, nothing is written.
        stato->nomeFile = nomeNuovoCruciverba;
        stato->impostaInserimento(3, 1, 'S');
        prova::AlProssimoModale<QDialog> chiudi([](QDialog* d) { d->close(); });
        f->MenuSalva_Click();
        QVERIFY(chiudi.eseguita());
        QVERIFY(!esisteFile(cartella->percorso(nomeNuovoCruciverba)));
        QCOMPARE(cartella->leggi(percorso), campione15x10('A'));
    }

    void reactivationRedrawsFromTheWorkingCopy() {
        preparaCartella();
        auto f = avviaConSchema("d.trmo");
        const std::string percorso = stato->nomeFile;
        QVERIFY(QTest::qWaitForWindowActive(f.get()));
        // Another window changes the working copy and the original goes; closing a dialog shows the change.
        Stato altro = *stato;
        altro.impostaInserimento(3, 1, 'S');
        PiattaformaQt p;
        QVERIFY(scriviCruciverba(altro, p, stato->fileLavoro));
        QVERIFY(cancellaFile(percorso));
        f->superficie().pulisci();
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
        QCOMPARE(stato->nomeFile, percorso);
        QCOMPARE(pixel(*f, stato->xGriglia - 3, stato->yGriglia), QColor(128, 0, 0));
    }

    void missingFileOnTheCommandLine() {
        preparaCartella({});
        prova::RisposteMessaggi risposta;
        risposta.rispondi("OK");
        auto f = avvia(cartella->percorso("non c'è.trmo"));
        QTRY_COMPARE(risposta.testi.size(), 1);
        QVERIFY(risposta.testi[0].contains("inesistente"));
        // The start goes on without a puzzle, with the picture in view.
        QCOMPARE(f->windowTitle(), QString("Quadrivo"));
        QVERIFY(!prova::figlio<QAction>(&*f, "MenuSalva")->isVisible());
        QVERIFY(prova::figlio<QLabel>(&*f, "Picture1")->y() < f->area()->height());
        QCOMPARE(prova::figlio<QLabel>(&*f, "Picture1")->size(), QSize(300, 200));
    }

    void killedRunsAnswersAreOfferedAtStart() {
        preparaCartella();
        const std::string percorso = cartella->scrivi("ucciso.trmo", campione15x10());
        const std::string lavoro = cartellaTemporanea() + "/qdv_UCCISO.tmp";
        QVERIFY(scriviFileSicuro(lavoro, campione15x10('A')));
        QVERIFY(scriviFileSicuro(percorsoNota(lavoro), testoNota({percorso, prova::pidMorto(), 0})));
        // A run still alive: its copy is neither offered nor touched.
        const std::string viva = cartellaTemporanea() + "/qdv_VIVA00.tmp";
        QVERIFY(scriviFileSicuro(viva, campione15x10('A')));
        QVERIFY(scriviFileSicuro(percorsoNota(viva), testoNota(notaQuestoProcesso(percorso))));
        prova::RisposteMessaggi si;
        si.rispondi("OK");
        auto f = avvia({});
        QTRY_COMPARE(si.testi.size(), 1);
        QVERIFY2(si.testi[0].startsWith("Ripristinare le risposte non salvate di ucciso.trmo ("), qPrintable(si.testi[0]));
        QTRY_COMPARE(stato->nomeFile, percorso);
        QCOMPARE(stato->inserimento(2, 1), 'A');
        QVERIFY(stato->fileModificato);
        QTRY_VERIFY(f->windowTitle().startsWith("*Quadrivo - Cruciverba 15x10"));
        QVERIFY(!esisteFile(lavoro) && !esisteFile(percorsoNota(lavoro)));
        QVERIFY(esisteFile(viva) && esisteFile(percorsoNota(viva)));
        QCOMPARE(cartella->leggi("ucciso.trmo"), campione15x10());  // saved only when the player says
        cancellaCopiaLavoro(viva);
        stato->fileModificato = false;
    }

    void unavoidableEndOffersASave() {
        // With unsaved answers a save is offered first; refused, the working copy stays for the
        // next start to offer back; accepted, the answers reach the puzzle's file.
        preparaCartella();
        auto f = avviaConSchema("fine.trmo");
        stato->impostaInserimento(2, 1, 'A');
        f->cicloAggiornamento();
        stato->fileModificato = true;
        prova::RisposteMessaggi risposte;
        risposte.rispondi("Annulla");
        piattaforma->primaDiTerminare();
        QVERIFY(risposte.testi.size() == 1 && risposte.testi[0].contains("deve terminare"));
        QVERIFY(esisteFile(stato->fileLavoro));
        QCOMPARE(cartella->leggi("fine.trmo"), campione15x10());
        risposte.rispondi("OK");
        piattaforma->primaDiTerminare();
        QVERIFY(risposte.testi.size() == 2 && !stato->fileModificato);
        QVERIFY(!esisteFile(stato->fileLavoro));
        Stato letto;
        leggiCruciverba(letto, *piattaforma, cartella->percorso("fine.trmo"));
        QCOMPARE(letto.inserimento(2, 1), 'A');
        stato->fileModificato = false;
    }

    void exitCloseAndAFatalEndDeleteTheWorkingCopy() {
        // Esci, the window frame's close, and what the platform runs before a fatal message ends the program.
        for (int fine : {0, 1, 2}) {
            preparaCartella();
            auto f = avviaConSchema("esci.trmo");
            QVERIFY(esisteFile(stato->fileLavoro) && piattaforma->primaDiTerminare);
            fine == 0 ? f->MenuEsci_Click() : fine == 1 ? void(f->close()) : piattaforma->primaDiTerminare();
            QVERIFY2(!esisteFile(stato->fileLavoro), qPrintable(QString::number(fine)));
            QVERIFY(esisteFile(cartella->percorso("esci.trmo")));
            if (fine == 0) QVERIFY(!f->isVisible());
            f.reset();  // the next window gets a state of its own
            QVERIFY(!piattaforma->primaDiTerminare);
        }
    }
};

QTEST_MAIN(ProvaForm1)
#include "form1_test.moc"
