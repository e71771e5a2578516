#include <QDir>
#include <QExposeEvent>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>
#include <filesystem>

#include "dialogs/apertura_schema.h"
#include "dialogs/fonten.h"
#include "dialogs/form2.h"
#include "dialogs/form3.h"
#include "dialogs/periferia.h"
#include "dialogs/tessosav.h"
#include "model/cruciverba.h"
#include "model/piattaforma_registro.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

std::string intestato(const std::string& dimensioni, const std::vector<std::string>& righe) {
    std::string s = "Autore:      Anna Neri\r\nData:         01-02-2013\r\nTitolo:       Prova\r\nDimensioni:  " +
                    dimensioni + "\r\n";
    for (const std::string& r : righe) s += r + "\r\n";
    return s;
}

// True when the image holds some dark pixel: something of the grid was drawn.
bool haInchiostro(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 100) return true;
    return false;
}

// The process's current folder is changed by the open dialog; each test puts it back.
struct CartellaCorrente {
    QString prima = QDir::currentPath();
    explicit CartellaCorrente(const std::string& nuova) { QDir::setCurrent(QString::fromStdString(nuova)); }
    ~CartellaCorrente() { QDir::setCurrent(prima); }
};

std::vector<std::string> testi(const PiattaformaRegistro& p) {
    std::vector<std::string> v;
    for (const auto& m : p.messaggi) v.push_back(m.testo);
    return v;
}

}  // namespace

class DialoghiTest : public QObject {
    Q_OBJECT

private slots:
    void anteprimaMostraOgniErroreEConservaLUltimaRiuscita();
    void okCopiaLoSchemaERiabilitaLaFinestra();
    void annullaSenzaSchemaDisattivaLaGriglia();
    void cartelleEVolumi();
    void sceltaCarattereConteggioEPreselezione();
    void sceltaCarattereAnnullaConservaLeSpunte();
    void sceltaCarattereRipiegaSuArial();
    void salvataggioDalDialogo();
    void informazioni();
};

void DialoghiTest::anteprimaMostraOgniErroreEConservaLUltimaRiuscita() {
    prova::CartellaTemporanea dir;
    dir.scrivi("a_buono.trmo", prova::fileTrmo({"CASA", "A#MI"}, {"CA..", ".#.I"}));
    dir.scrivi("b_vuoto.trmo", "");
    dir.scrivi("c_tipo.trmo", intestato(" 2x 1", {"[a[."}));
    dir.scrivi("d_zero.trmo", intestato(" 0x 1", {"[.[."}));
    dir.scrivi("e_corto.trmo", intestato(" 2x 5", {"[.[."}));
    dir.scrivi("note.txt", "x");
    CartellaCorrente qui(dir.percorso());

    Stato stato;
    stato.AltezzaCaratteri = 60;
    stato.PercentualeRiquadro = 80;
    PiattaformaRegistro p;
    QWidget principale;
    principale.setEnabled(false);
    auto* f = new Form2(stato, p, &principale);
    QCOMPARE(f->windowTitle(), QString("Quadrivo  -  Apertura schema"));
    QCOMPARE(f->font().family(), QString("Tahoma"));
    QCOMPARE(f->File1->count(), 5);
    QCOMPARE(f->Picture1->width(), 348);
    QCOMPARE(f->Picture1->height(), 257);
    f->show();
    QCoreApplication::processEvents();  // the activation selects the first file

    QCOMPARE(f->File1->currentRow(), 0);
    QCOMPARE(f->Text1->text(), QString("a_buono.trmo"));
    QVERIFY(p.messaggi.empty());
    QCOMPARE(f->Label2->text(), QString("Anteprima:  4x 2"));
    QCOMPARE(f->pannelloAutore->text(), QString(" Mario Rossi -  01-02-2013 -  Prova"));
    QVERIFY(haInchiostro(f->Picture1->immagine()));
    QCOMPARE(f->Picture1->immagine().size(), QSize(344, 253));

    const std::vector<std::pair<int, const char*>> guasti = {
        {1, msgFormatoAnteprima}, {2, msgTipoAnteprima}, {3, msgFormatoAnteprima}, {4, msgFormatoAnteprima}};
    for (const auto& [riga, messaggio] : guasti) {
        p.messaggi.clear();
        f->File1->setCurrentRow(riga);
        QCOMPARE(testi(p), std::vector<std::string>{messaggio});
        QCOMPARE(f->Text1->text(), f->File1->item(riga)->text());
        QVERIFY(!haInchiostro(f->Picture1->immagine()));
        // The texts of the last good preview stay.
        QCOMPARE(f->Label2->text(), QString("Anteprima:  4x 2"));
    }
    // A file that vanished after being listed.
    std::filesystem::remove(dir.percorso("a_buono.trmo"));
    p.messaggi.clear();
    f->File1->setCurrentRow(0);
    QCOMPARE(testi(p), std::vector<std::string>{msgNessunFile});
    f->Command3d2_Click();
    QVERIFY(principale.isEnabled());
}

void DialoghiTest::okCopiaLoSchemaERiabilitaLaFinestra() {
    prova::CartellaTemporanea dir;
    const std::string dati = prova::fileTrmo({"CASA", "A#MI"});
    dir.scrivi("a.trmo", dati);
    CartellaCorrente qui(dir.percorso());
    Stato stato;
    stato.fileLavoro = dir.percorso("lavoro.tmp");
    stato.fileModificato = true;
    PiattaformaRegistro p;
    p.ora = 77;
    QWidget principale;
    principale.setEnabled(false);
    QPointer<Form2> f = new Form2(stato, p, &principale);
    QSignalSpy chiuso(f.data(), &Form2::chiuso);
    f->show();
    QCoreApplication::processEvents();

    // A typed name that is not there keeps the dialog open.
    f->Text1->setText("manca.trmo");
    f->Command3d1_Click();
    QCOMPARE(testi(p), std::vector<std::string>{"Errore: file inesistente!"});
    QVERIFY(f->isVisible());
    QVERIFY(!principale.isEnabled());

    // Enter in the name box confirms.
    f->Text1->setText("a.trmo");
    QTest::keyClick(f->Text1, Qt::Key_Return);
    QCOMPARE(chiuso.count(), 1);
    QCOMPARE(chiuso.at(0).at(0).toBool(), true);
    QVERIFY(principale.isEnabled());
    QCOMPARE(stato.nomeFile, dir.percorso("a.trmo"));
    QCOMPARE(stato.fileModificato, false);
    QCOMPARE(stato.grigliaAttiva, std::int16_t(1));
    QCOMPARE(stato.inizioGioco, 77.0);
    QCOMPARE(dir.leggi("lavoro.tmp"), dati);
    QTRY_VERIFY(f.isNull());  // unloaded
}

void DialoghiTest::annullaSenzaSchemaDisattivaLaGriglia() {
    prova::CartellaTemporanea dir;
    CartellaCorrente qui(dir.percorso());
    Stato stato;
    stato.grigliaAttiva = 1;
    PiattaformaRegistro p;
    QWidget principale;
    principale.setEnabled(false);
    auto* f = new Form2(stato, p, &principale);
    QSignalSpy chiuso(f, &Form2::chiuso);
    f->show();
    QCoreApplication::processEvents();
    QCOMPARE(f->File1->count(), 0);
    QVERIFY(p.messaggi.empty());  // nothing to preview, no message
    QTest::keyClick(f->Text1, Qt::Key_Escape);
    QCOMPARE(chiuso.count(), 1);
    QCOMPARE(chiuso.at(0).at(0).toBool(), false);
    QCOMPARE(stato.grigliaAttiva, std::int16_t(-1));
    QVERIFY(principale.isEnabled());
}

void DialoghiTest::cartelleEVolumi() {
    prova::CartellaTemporanea dir;
    std::filesystem::create_directories(dir.percorso("Archivio cruciverba/estate"));
    dir.scrivi("Archivio cruciverba/uno.trmo", prova::fileTrmo({"AB"}));
    dir.scrivi("Archivio cruciverba/estate/due.trmo", prova::fileTrmo({"AB"}));
    CartellaCorrente qui(dir.percorso());
    Stato stato;
    PiattaformaRegistro p;
    auto* f = new Form2(stato, p);
    // Starts in the puzzle archive below the current folder, which becomes current.
    const QString archivio = QString::fromStdString(dir.percorso("Archivio cruciverba"));
    QCOMPARE(f->scelta().cartella(), archivio);
    QCOMPARE(QDir::currentPath(), archivio);
    QCOMPARE(f->File1->count(), 1);
    f->show();
    QCoreApplication::processEvents();
    QCOMPARE(f->Text1->text(), QString("uno.trmo"));

    // Enter on a folder opens it (and does not confirm the dialog).
    QSignalSpy chiuso(f, &Form2::chiuso);
    const auto voci = f->Dir1->findItems("[estate]", Qt::MatchExactly);
    QCOMPARE(voci.size(), 1);
    f->Dir1->setCurrentItem(voci[0]);
    QTest::keyClick(f->Dir1, Qt::Key_Return);
    QCOMPARE(chiuso.count(), 0);
    QCOMPARE(QDir::currentPath(), archivio + "/estate");
    QCOMPARE(f->File1->currentRow(), -1);             // no selection,
    QCOMPARE(f->Text1->text(), QString("uno.trmo"));  // no preview: the name box keeps its text

    // An unreadable volume: its message, and the list back on the volume shown.
    const int prima = f->Drive1->currentIndex();
    f->scelta().scegliVolume("/volume-che-non-esiste");
    QCOMPARE(testi(p), std::vector<std::string>{"Errore di lettura dal drive specificato"});
    QCOMPARE(f->Drive1->currentIndex(), prima);
    QCOMPARE(f->scelta().cartella(), archivio + "/estate");
    f->Command3d2_Click();
}

namespace {
QStringList cinquantasetteFamiglie() {
    QStringList l;
    for (int i = 1; i <= 56; ++i) l << QString("Famiglia %1").arg(i);
    l.insert(20, "Arial");
    return l;
}
bool tutteDisponibili(const std::string&) { return true; }
}  // namespace

void DialoghiTest::sceltaCarattereConteggioEPreselezione() {
    Stato stato;
    PiattaformaRegistro p;
    FONTEN d(stato, p, cinquantasetteFamiglie, tutteDisponibili);
    d.show();
    QCOMPARE(d.windowTitle(), QString("Quadrivo - Scelta carattere"));
    QCOMPARE(d.LstFonts->count(), 57);
    QCOMPARE(d.Label1->text(), QString("N. 57 Fonts installati"));
    QCOMPARE(d.LstFonts->currentItem()->text(), QString("Arial"));
    QCOMPARE(d.TxtFontPreview->text(), QString("Arial - aAbB 123 zZ"));
    QCOMPARE(d.TxtFontPreview->font().family(), QString("Arial"));
    QCOMPARE(d.TxtFontPreview->font().pointSizeF(), 20.0);
    QVERIFY(d.Check3d1->font().italic());
    QVERIFY(d.Check3d2->font().bold());

    // Another choice, then the window is uncovered: back on nomeFont.
    d.LstFonts->setCurrentRow(3);
    QCOMPARE(d.TxtFontPreview->text(), QString("Famiglia 4 - aAbB 123 zZ"));
    QVERIFY(d.windowHandle());
    QExposeEvent scoperta(QRegion(0, 0, d.width(), d.height()));
    QCoreApplication::sendEvent(d.windowHandle(), &scoperta);
    QCOMPARE(d.LstFonts->currentItem()->text(), QString("Arial"));

    // A choice confirmed goes to both fonts.
    d.LstFonts->setCurrentRow(5);
    QTest::mouseClick(d.Check3d1, Qt::LeftButton);
    QVERIFY(d.TxtFontPreview->font().italic());
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(stato.nomeFont, std::string("Famiglia 6"));
    QCOMPARE(stato.carattereStampante, (StileCarattere{"Famiglia 6", true, false}));
    QCOMPARE(stato.carattereSchermo, (StileCarattere{"Famiglia 6", true, false}));
    QVERIFY(p.messaggi.empty());
}

void DialoghiTest::sceltaCarattereAnnullaConservaLeSpunte() {
    Stato stato;
    stato.nomeFont = "ARIAL";  // no entry in this case: nothing is preselected
    PiattaformaRegistro p;
    int caricamenti = 0;
    FONTEN d(stato, p, [&] { ++caricamenti; return cinquantasetteFamiglie(); }, tutteDisponibili);
    d.show();
    QCOMPARE(d.LstFonts->currentRow(), -1);
    QTest::mouseClick(d.Check3d2, Qt::LeftButton);
    QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(stato.carattereSchermo, StileCarattere{});
    d.show();
    QCOMPARE(caricamenti, 1);  // loaded once, then only hidden
    QVERIFY(d.Check3d2->isChecked());
    // OK with nothing selected stores nothing.
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(stato.nomeFont, std::string("ARIAL"));
    QCOMPARE(stato.carattereSchermo, StileCarattere{});
    // The grey state counts as ticked.
    d.show();
    d.Check3d1->setTristate(true);
    d.Check3d1->setCheckState(Qt::PartiallyChecked);
    d.LstFonts->setCurrentRow(0);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(stato.carattereSchermo, (StileCarattere{"Famiglia 1", true, true}));
}

void DialoghiTest::sceltaCarattereRipiegaSuArial() {
    Stato stato;
    PiattaformaRegistro p;
    FONTEN d(stato, p, cinquantasetteFamiglie, [](const std::string& n) { return n != "Famiglia 2"; });
    d.show();
    d.LstFonts->setCurrentRow(1);
    QTest::mouseClick(d.Check3d2, Qt::LeftButton);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(testi(p), std::vector<std::string>{"Font scelto non disponibile, verrà scelto l'Arial a video ed in stampa."});
    QCOMPARE(stato.nomeFont, std::string("Arial"));
    // Refused on the printer's name: the later steps still apply the ticks, with Arial.
    QCOMPARE(stato.carattereStampante, (StileCarattere{"Arial", false, true}));
    QCOMPARE(stato.carattereSchermo, (StileCarattere{"Arial", false, true}));
    QVERIFY(!d.isVisible());
}

void DialoghiTest::salvataggioDalDialogo() {
    prova::CartellaTemporanea dir;
    CartellaCorrente qui(dir.percorso());
    Stato stato;
    PiattaformaRegistro p;
    leggiCruciverbaDaDati(stato, p, prova::fileTrmo({"CASA", "A#MI"}, {}, {}, "Anna Neri"));
    stato.fileLavoro = dir.percorso("lavoro.tmp");
    QWidget principale;
    principale.setEnabled(false);

    TessoSav d(stato, p, &principale);
    d.show();
    QCOMPARE(d.windowTitle(), QString("Quadrivo - Salvataggio"));
    QCOMPARE(d.Text1->text(), QString("Tesso000.trmo"));
    QCOMPARE(d.Text2->text(), QString("Anna Neri"));
    QCOMPARE(d.Text2->selectedText(), QString("Anna Neri"));

    // A name in a folder that is not there: the message, and the dialog stays for another try.
    d.Text1->setText("manca/prova");
    QTest::mouseClick(d.Command3d1, Qt::LeftButton);
    QCOMPARE(testi(p), std::vector<std::string>{"Errore di nome file o accesso al disco!"});
    QVERIFY(d.isVisible());

    d.Text1->setText("prova");
    d.Text2->setText("Rossi");
    QTest::keyClick(d.Text2, Qt::Key_Return);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(principale.isEnabled());
    QCOMPARE(stato.nomeFile, dir.percorso("prova.trmo"));
    Stato letto;
    leggiCruciverba(letto, p, dir.percorso("prova.trmo"));
    QCOMPARE(letto.righeFile[0], std::string("Autore:      Rossi"));
    QCOMPARE(QDir::currentPath(), QString::fromStdString(dir.percorso()).chopped(1));  // not moved

    // A second opening offers the saved file, listed in its folder.
    TessoSav e(stato, p);
    e.show();
    QCOMPARE(e.Text1->text(), QString::fromStdString(stato.nomeFile));
    QCOMPARE(e.File1->count(), 1);
    e.File1->setCurrentRow(0);
    QCOMPARE(e.Text1->text(), QString("prova.trmo"));
    QTest::keyClick(e.Text1, Qt::Key_Escape);
    QCOMPARE(e.result(), int(QDialog::Rejected));
    QCOMPARE(stato.nomeFile, dir.percorso("prova.trmo"));
}

void DialoghiTest::informazioni() {
    PiattaformaRegistro p;
    Form3 d(p);
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QCOMPARE(d.windowTitle(), QString("Quadrivo - Informazioni"));
    QCOMPARE(d.Label3->text(), QString("Quadrivo 7 - Versione  7. 0. 3"));
    QCOMPARE(d.Label8->toolTip(), QString("scrivi all'autore"));
    QCOMPARE(d.focusWidget(), d.Command3d1);
    QCOMPARE(d.Command1->text(), QString("&System Info"));
}

QTEST_MAIN(DialoghiTest)
#include "dialoghi_gui_test.moc"
