// The real main window, offscreen, on a program folder of its own.
#include <sys/stat.h>

#include <QMenuBar>
#include <QtTest>
#include <filesystem>

#include "formats/trmo.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/immagini.h"
#include "model/opzioni_utente.h"
#include "sessione/lavoro.h"
#include "solving/dizionario_prova.h"
#include "supporto/finestre.h"
#include "supporto/guasto.h"

using namespace quadrivo;
using prova::figlio;

namespace {

// A 15 x 10 puzzle with a few black cells and one entry (two with a letter for cell (2, 1)).
std::string campione15x10(char seconda = '.') {
    const std::vector<std::string> sol{"CASA#LUNA#MARE#", "ALTO#ERBA#ORSO#", "NEVE#ONDA#ROSA#", "E#PERA#VELA#TE#",
                                       "ROMA#NAVE#TORRE", "ISOLA#PANE#ORO", "ARCO#LIRA#SOLE#", "LAGO#VOLO#NIDO#",
                                       "EBANO#MELA#OCA", "#PALA#RENE#AGO"};
    return prova::fileTrmo(sol, {std::string("C") + seconda},
                           {rigaDefinizione(1, 1, Direzione::orizzontale, "Abitazione"), rigaDefinizione(1, 1, Direzione::verticale, "Il migliore amico")});
}

const char* const impostazioniTipiche =
    "RettangoloParola=-1 \r\nTastoSin= 0 \r\nStampaSoluzioni= 0 \r\nPercentualeRiquadro= 90 \r\nSpessoreBordo= 2 \r\n"
    "AltezzaCaratteri= 55 \r\nAltezzaNumeri= 18 \r\nDistanzaDaSpigolo= 2 \r\nDistanzaDaCentro= 5 \r\n";

}  // namespace

class ProvaFinestraPrincipale : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CartellaTemporanea> cartella;
    std::unique_ptr<PiattaformaQt> piattaforma;

    // A fresh program folder: the Italian dictionary (an index of empty blocks), the settings and a picture.
    void preparaCartella() {
        cartella = std::make_unique<prova::CartellaTemporanea>();
        cartella->scrivi("LessicoItaliano.dat", prova::dizionario({}));
        cartella->scrivi("tramerio.ini", impostazioniTipiche);
        QImage sfondo(300, 200, QImage::Format_RGB32);
        sfondo.fill(Qt::darkCyan);
        for (const char* nome : {"Quadrivoa.jpg", "Quadrivob.jpg"})
            QVERIFY(sfondo.save(QString::fromStdString(cartella->percorso(nome)), "JPG"));
        piattaforma = std::make_unique<PiattaformaQt>();
    }

    std::unique_ptr<FinestraPrincipale> crea(const std::string& rigaComando) {
        return std::make_unique<FinestraPrincipale>(Cartelle{cartella->percorso(), {}}, *piattaforma, rigaComando);
    }
    std::unique_ptr<FinestraPrincipale> avvia(const std::string& rigaComando) {
        auto f = crea(rigaComando);
        f->show();
        [&] {
            QTRY_COMPARE(f->giaAttivato(), 1);
            QVERIFY(QTest::qWaitForWindowExposed(f.get()));
            // The size the window settles on, and the redraw that follows it.
            if (f->sessione().aperto()) QTRY_COMPARE(f->vista()->geometria().lato, geometriaFinestra(f->sessione().cruciverba(), f->sessione().impostazioni().valori(), f->areaGriglia()).lato);
        }();
        return f;
    }
    // A window on a puzzle of its own in the program folder.
    std::unique_ptr<FinestraPrincipale> avviaConSchema(const std::string& nome) { return avvia(cartella->scrivi(nome, campione15x10())); }

private slots:
    void init() { preparaCartella(); }

    void startWithoutAPuzzleOrOnAMissingFile() {
        prova::RisposteMessaggi risposta;
        risposta.rispondi("OK");
        auto f = avvia(cartella->percorso("non c'è.trmo"));
        QTRY_VERIFY(risposta.testi.value(0).contains("inesistente"));  // then the start goes on without a puzzle
        // The picture is the one for this screen (where it stands is the layout's test). The
        // working copy's name is reserved, the file is not there yet.
        auto* foto = figlio<QLabel>(&*f, "sfondo");
        QCOMPARE(prova::titoloMostrato(*f), QString("Quadrivo"));
        QVERIFY(foto->isVisible());
        QCOMPARE(foto->size(), QSize(300, 200));
        QVERIFY(!esisteFile(f->sessione().documento().fileLavoro));

        // The options menu rewrites the settings file at once.
        for (const char* voce : {"azioneTastoSinistro", "azioneRettangoloParola"}) figlio<QAction>(&*f, voce)->trigger();
        QCOMPARE(cartella->leggi("tramerio.ini"), "RettangoloParola= 0 \r\nTastoSin=-1 " + std::string(impostazioniTipiche + 34));
    }

    // No settings file and a FIFO for the dictionary: the start neither hangs nor ends. It names
    // the missing file once the window is up (the shipped proportions are the settings' test),
    // and the language item says why.
    void startWithoutSettingsOnAFifoDictionary() {
        std::filesystem::remove(cartella->percorso("tramerio.ini")), std::filesystem::remove(cartella->percorso("LessicoItaliano.dat"));
        QCOMPARE(::mkfifo(cartella->percorso("LessicoItaliano.dat").c_str(), 0600), 0);
        prova::RisposteMessaggi risposta;
        risposta.rispondi("OK");
        auto f = avvia({});
        QTRY_VERIFY(risposta.testi.value(0).contains("tramerio.ini non esiste"));
        QVERIFY(figlio<QAction>(&*f, "azioneItaliano")->text().contains("è una FIFO"));
        QVERIFY(!esisteFile(cartella->percorso("tramerio.ini")));
    }

    // A damaged dictionary is said once the window is up, with the length concerned; its
    // language stays the one in use, with nothing against it in the menu.
    void startOnADamagedDictionary() {
        std::string dati = prova::dizionario({{4, {"MELA", "MOLA"}}, {5, {"MELAS"}}});
        dati.resize(dati.size() - 2);
        cartella->scrivi("LessicoItaliano.dat", dati);
        prova::RisposteMessaggi risposta;
        risposta.rispondi("OK");
        auto f = avvia({});
        QTRY_COMPARE(risposta.testi.size(), 1);
        QCOMPARE(risposta.testi.value(0),
                 "Il file di vocabolario LessicoItaliano.dat è troncato: le parole di 5 lettere finiscono oltre la fine del "
                 "file. Si cercano solo le parole che il file contiene davvero.");
        QCOMPARE(f->sessione().lessico().lingua, 1);
        QVERIFY(!figlio<QAction>(&*f, "azioneItaliano")->text().contains("non disponibile"));
    }

    // The caption keeps a file's name as it is, brackets and stars too; the mark comes and goes with the answers.
    void startWithAPuzzleThenSave() {
        const std::string percorso = cartella->scrivi("prova a[*]b.trmo", campione15x10());
        const QString titolo = QString::fromStdString("Quadrivo - Cruciverba 15x10  " + percorso);
        // Quotes around the path, as a desktop may pass it, are not part of the name.
        auto f = avvia("\"" + percorso + "\"");
        QCOMPARE(prova::titoloMostrato(*f), titolo);
        QCOMPARE(prova::fuoco(), static_cast<QWidget*>(f->area()));
        QVERIFY(esisteFile(f->sessione().documento().fileLavoro));
        QVERIFY(!figlio<QLabel>(&*f, "sfondo")->isVisible());
        // The desktop entry's icon, read at every size it is given at.
        for (int lato : latiIconaFinestra)
            QCOMPARE(f->windowIcon().pixmap(lato).toImage().size(), QSize(lato, lato));

        // Save: an entry made since is written into its grid line, nothing else changes.
        QVERIFY(f->sessione().scrivi({{2, 1, "A"}}));  // cell (2, 1) as the player would write it
        QTRY_COMPARE(prova::titoloMostrato(*f), "*" + titolo);
        figlio<QAction>(&*f, "azioneSalva")->trigger();
        QCOMPARE(cartella->leggi(percorso), campione15x10('A'));
        QVERIFY(!f->sessione().modificato());
        QTRY_COMPARE(prova::titoloMostrato(*f), titolo);
    }

    // Alt and a letter reach one item: in the menu bar and in each menu, no two shown items
    // underline the same letter.
    void noTwoItemsOfAMenuUnderlineTheSameLetter() {
        auto f = avviaConSchema("lettere.trmo");
        QStringList doppie;
        std::function<void(const QString&, const QList<QAction*>&)> guarda = [&](const QString& dove, const QList<QAction*>& voci) {
            QMap<QChar, QString> prese;
            for (QAction* a : voci) {
                if (!a->isVisible() || a->isSeparator()) continue;
                const QString t = a->text();
                for (qsizetype i = t.indexOf('&'); i >= 0 && i + 1 < t.size(); i = t.indexOf('&', i + 2)) {
                    if (t[i + 1] == '&') continue;
                    const QChar lettera = t[i + 1].toLower();
                    if (prese.contains(lettera)) doppie << dove + ": " + prese[lettera] + " / " + t;
                    prese[lettera] = t;
                    break;
                }
                if (a->menu()) guarda(t, a->menu()->actions());
            }
        };
        guarda("barra", f->menuBar()->actions());
        doppie.removeOne("&File: &Salva / &Stampa ...");  // the two the File menu has always had
        QCOMPARE(doppie.join("; "), QString());
    }

    // The puzzle already open in another window: the question comes over this window, shown by
    // then; answered, the window goes on to its first activation without the puzzle.
    void aQuestionAtStartComesOverTheWindow() {
        const std::string percorso = cartella->scrivi("due.trmo", campione15x10());
        auto prima = avvia(percorso);
        prova::smaltisciCoda();  // the first window's look for abandoned copies has run
        bool sopraMostrata = false;
        QString testo;
        prova::AlProssimoModale<QMessageBox> risposta([&](QMessageBox* m) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<FinestraPrincipale*>(w) && w != prima.get()) sopraMostrata = w->isVisible();
            testo = m->text();
            for (QAbstractButton* b : m->buttons())
                if (b->text() == "Annulla") return b->click();
        });
        auto seconda = crea(percorso);
        QVERIFY(risposta.eseguita());
        QVERIFY(testo.contains("già aperto"));
        QVERIFY(sopraMostrata);
        QVERIFY(!seconda->sessione().aperto());
        seconda->show();
        QTRY_COMPARE(seconda->giaAttivato(), 1);
    }

    void killedRunsAnswersAreOfferedAtStart() {
        const std::string percorso = cartella->scrivi("ucciso.trmo", campione15x10());
        // A run that was killed (which leftovers are offered is the session test's).
        const std::string lavoro = cartellaCopie() + "/qdv_UCCISO.tmp";
        QVERIFY(scriviFileSicuro(lavoro, campione15x10('A')));
        QVERIFY(scriviFileSicuro(percorsoNota(lavoro), testoNota({percorso, prova::pidMorto(), 0})));
        prova::RisposteMessaggi si;
        si.rispondi("Ripristina");
        auto f = avvia({});
        QTRY_VERIFY2(si.testi.value(0).startsWith("Ripristinare le risposte non salvate di ucciso.trmo ("), qPrintable(si.testi.value(0)));
        QTRY_VERIFY(prova::titoloMostrato(*f).startsWith("*Quadrivo - Cruciverba 15x10"));
        QCOMPARE(f->sessione().nomeFile(), percorso);
        QCOMPARE(f->sessione().cruciverba().cella(2, 1).voce, std::string("A"));
        QVERIFY(!esisteFile(lavoro));
        QCOMPARE(cartella->leggi("ucciso.trmo"), campione15x10());  // saved only when the player says
        f->sessione().impostaModificato(false);
    }

    void theEndOffersASaveFirstAndDeletesTheWorkingCopy() {
        // With unsaved answers a save is offered first; refused, the working copy stays, with
        // the letter just typed, for the next start to offer back; accepted, the answers reach
        // the puzzle's file.
        auto f = avviaConSchema("fine.trmo");
        QVERIFY(f->sessione().scrivi({{2, 1, "A"}}));  // cell (2, 1) as the player would write it
        prova::RisposteMessaggi risposte;
        risposte.rispondi("Annulla");
        piattaforma->primaDiTerminare();
        QCOMPARE(risposte.testi.size(), 1);
        QVERIFY(risposte.testi[0].contains("deve terminare"));
        QCOMPARE(cartella->leggi(f->sessione().documento().fileLavoro), campione15x10('A'));
        QCOMPARE(cartella->leggi("fine.trmo"), campione15x10());
        risposte.rispondi("OK");
        piattaforma->primaDiTerminare();
        QCOMPARE(risposte.testi.size(), 2);
        QVERIFY(!f->sessione().modificato());
        QVERIFY(!esisteFile(f->sessione().documento().fileLavoro));
        QCOMPARE(cartella->leggi("fine.trmo"), campione15x10('A'));
        // Esci, the window frame's close, and what the platform runs before a fatal message ends the program.
        for (int fine : {0, 1, 2}) {
            f.reset();  // the next window gets a state of its own
            QVERIFY(!piattaforma->primaDiTerminare);
            preparaCartella();
            f = avviaConSchema("esci.trmo");
            fine == 0 ? f->esci() : fine == 1 ? void(f->close()) : piattaforma->primaDiTerminare();
            const QByteArray come = QByteArray::number(fine);
            QVERIFY2(!esisteFile(f->sessione().documento().fileLavoro), come);
            QVERIFY2(esisteFile(cartella->percorso("esci.trmo")), come);
            if (fine == 0) QVERIFY(!f->isVisible());
        }
    }

    // The dictionary language and the grid's font are the player's: the next start keeps them,
    // unless the language's file can no longer be used.
    void languageAndFontComeBackAtTheNextStart() {
        cartella->scrivi("LessicoInglese.dat", prova::dizionario({}));
        {
            Impostazioni impostazioni(Cartelle{});
            impostazioni.salvaOpzione(chiaveCarattere, "DejaVu Serif");
            impostazioni.salvaOpzione(chiaveCorsivo, true);
        }
        figlio<QAction>(&*avvia({}), "azioneInglese")->trigger();
        auto f = avvia({});
        QCOMPARE(f->sessione().lessico().lingua, 2);
        const ValoriImpostazioni& valori = f->sessione().impostazioni().valori();
        QCOMPARE(valori.nomeFont, std::string("DejaVu Serif"));
        QVERIFY(valori.carattereSchermo.corsivo);
        f.reset();
        std::filesystem::remove(cartella->percorso("LessicoInglese.dat"));
        f = avvia({});
        QCOMPARE(f->sessione().lessico().lingua, 1);
        for (const char* c : {chiaveCarattere, chiaveCorsivo, "lessico/lingua"}) f->sessione().impostazioni().cancellaOpzione(c);
    }
};

QTEST_MAIN(ProvaFinestraPrincipale)
#include "finestra_principale_test.moc"
