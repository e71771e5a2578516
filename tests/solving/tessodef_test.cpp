#include <QApplication>
#include <QTest>
#include <memory>

#include "dizionario_prova.h"
#include "schema_prova.h"
#include "tastiera_prova.h"
#include "solving/inserimento.h"
#include "solving/lessico.h"
#include "solving/gui/tessodef.h"

using namespace quadrivo;
using prova::fuoco;
using prova::digitaNelFuoco;

class TessoDefTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::SchemaProva> p;
    std::unique_ptr<TessoDef> dialogo;

    Stato& s() { return p->stato; }
    QString inserita(int c, int r, int d) { return QString::fromStdString(s().parolaInserita[c][r][d]); }

    // The dialog for the word at (c, r, d), shown and active; with `lettere` set it describes the
    // word by itself, without the grid.
    TessoDef& apri(int c, int r, int d, const std::string& lettere = {}) {
        s().colonnaCorrente = static_cast<std::int16_t>(c);
        s().rigaCorrente = static_cast<std::int16_t>(r);
        s().direzioneCorrente = static_cast<std::int16_t>(d);
        s().parolaInserita[c][r][d] = lettere.empty() ? parolaDaInserimenti(s(), c, r, d) : lettere;
        dialogo = std::make_unique<TessoDef>(s(), p->piattaforma);
        dialogo->show();
        dialogo->activateWindow();
        [[maybe_unused]] bool attivo = QTest::qWaitForWindowActive(dialogo.get());
        QCoreApplication::processEvents();
        return *dialogo;
    }

private slots:
    void init() {
        p = std::make_unique<prova::SchemaProva>(std::vector<std::string>{"C.SA#", "A#ORO", "..#.#", "M.LA#"});
        s().cartellaProgramma = p->dir.percorso();
        p->dir.scrivi("LessicoItaliano.dat", prova::dizionario({{4, {"CASA", "MELA", "MALA", "MELE", "MOLA"}}}));
        caricaLessico(s(), p->piattaforma);
    }
    void cleanup() {
        dialogo.reset();
        p.reset();
    }

    void setUpShowsTheWordItsClueAndOneBoxPerLetter() {
        p->piattaforma.forma = Puntatore::clessidra;  // a busy pointer left over is cleared
        TessoDef& t = apri(1, 1, orizzontale);
        QCOMPARE(p->piattaforma.forma, Puntatore::predefinito);
        QCOMPARE(t.Label1->text(), QString(" 1 Orizzontale"));
        QCOMPARE(t.Text1->text(), QString("Abitazione"));
        QString lettere;  // an entered "." shows as a blank
        for (int i = 0; i < 15; ++i) lettere += t.Text3[i]->isVisible() ? t.Text3[i]->text() : "";
        QCOMPARE(lettere, QString("C SA"));
        QVERIFY(t.Command3d4->isVisible() && !t.Text2->isVisible());
        QCOMPARE(fuoco(), t.Text3[0]);
        QCOMPARE(apri(4, 1, verticale).Label1->text(), QString(" 3 Verticale"));
        TessoDef& due = apri(2, 3, verticale);  // two letters: boxes but no search
        QVERIFY(due.Text3[1]->isVisible() && !due.Text3[2]->isVisible() && !due.Command3d4->isVisible());
    }

    void typedLettersAndANewClueAreStoredOnEnter() {
        TessoDef& t = apri(1, 4, orizzontale);  // M . L A
        digitaNelFuoco("erba");
        QCOMPARE(fuoco(), t.Text3[0]);  // the focus wrapped round
        t.Text1->setFocus();
        t.Text1->selectAll();
        QTest::keyClicks(t.Text1, "Citt");
        QTest::sendKeyEvent(QTest::Click, t.Text1, Qt::Key_Agrave, QString::fromUtf8("à"), Qt::NoModifier);
        t.Text3[0]->setText("x");  // left lower case, it is upper-cased
        t.Text3[2]->setText(".");  // accepted, written later as an empty entry
        t.Text3[3]->setText("");   // a letter deleted, straight to Enter: a blank
        QTest::keyClick(t.Text3[0], Qt::Key_Return);
        QCOMPARE(inserita(1, 4, 1), QString("XR. "));
        QCOMPARE(s().definizione[1][4][1], std::string("Citt\xe0"));
        QVERIFY(p->piattaforma.messaggi.empty());
    }

    void arrowsWrapTheClueCanShrinkButNotGrowAndEscStoresNothing() {
        // Typing stops a clue at sixty characters; a longer one from the file is shown whole.
        s().definizione[1][1][1] = std::string(75, 'y');
        TessoDef& t = apri(1, 1, orizzontale);
        QTest::keyClick(t.Text3[0], Qt::Key_Left);
        QCOMPARE(fuoco(), t.Text3[3]);
        digitaNelFuoco("q");
        t.Text1->end(false);
        QTest::keyClicks(t.Text1, "z");
        QTest::keyClick(t.Text1, Qt::Key_Backspace);
        QCOMPARE(t.Text1->text(), QString(74, 'y'));
        t.Text1->selectAll();
        QTest::keyClicks(t.Text1, QString(70, 'x'));
        QCOMPARE(t.Text1->text(), QString(60, 'x'));
        QTest::keyClick(t.Text3[1], Qt::Key_Escape);
        QCOMPARE(t.result(), int(QDialog::Rejected));
        QCOMPARE(inserita(1, 1, 1), QString("C.SA"));
        QCOMPARE(s().definizione[1][1][1], std::string(75, 'y'));
    }

    void aBadCharacterIsRefusedOnLeavingTheBoxAndAtOk() {
        TessoDef& t = apri(1, 1, orizzontale);
        digitaNelFuoco("1");  // the focus runs on, then the check brings it back
        QTRY_COMPARE(int(p->piattaforma.messaggi.size()), 1);
        QCOMPARE(QString::fromStdString(p->piattaforma.messaggi[0].testo), QString(msgCaratteriNonAmmessi));
        QTRY_COMPARE(fuoco(), t.Text3[0]);
        QTest::keyClick(t.Text3[0], Qt::Key_Return);  // OK with Enter refuses it too
        QCOMPARE(int(p->piattaforma.messaggi.size()), 2);
        QCOMPARE(inserita(1, 1, 1), QString("C.SA"));
    }

    void searchListsTheMatchesAndAChoiceFillsTheBoxes() {
        p->piattaforma.forma = Puntatore::frecciaOrizzontale;  // the main window's hover shape
        TessoDef& t = apri(1, 4, orizzontale);                  // M, blank, L, A
        QTest::mouseClick(t.Command3d4, Qt::LeftButton);
        QCOMPARE(t.Combo1->count(), 3);
        QCOMPARE(t.Combo1->currentText(), QString("MELA"));
        QCOMPARE(t.Label5->text(), QString("Trov.: 3"));
        const QImage& barra = t.Picture1->immagine();  // full and dark blue at the end
        QCOMPARE(barra.pixelColor(barra.width() - 1, barra.height() / 2), QColor(0, 0, 128));
        QCOMPARE(p->piattaforma.forma, Puntatore::frecciaOrizzontale);  // a click there reads it
        QTest::keyClick(t.Combo1, Qt::Key_Down);
        QTest::keyClick(t.Combo1, Qt::Key_Down);
        QCOMPARE(t.Text3[1]->text(), QString("O"));
        QTest::mouseClick(t.Command3d1, Qt::LeftButton);
        QCOMPARE(inserita(1, 4, 1), QString("MOLA"));
    }

    void aLongWordUsesOneBoxTrimmedAndUpperCased() {
        TessoDef& t = apri(2, 2, orizzontale, "ABCDEFGHIJKLMNO.");
        QVERIFY(t.Text2->isVisible() && !t.Text3[0]->isVisible() && !t.Command3d4->isVisible());
        QCOMPARE(t.Text2->selectedText(), QString("ABCDEFGHIJKLMNO."));
        QTest::keyClicks(t.Text2, "  paroladisedicilet ");
        QTest::keyClick(t.Text2, Qt::Key_Return);
        QCOMPARE(inserita(2, 2, 1), QString("PAROLADISEDICILET"));
    }

    void helpShowsTheFourPiecesJoined() {
        QTest::mouseClick(apri(1, 1, orizzontale).Command3d3, Qt::LeftButton);
        QCOMPARE(int(p->piattaforma.messaggi.size()), 1);
        QCOMPARE(QString::fromStdString(p->piattaforma.messaggi[0].testo),
                 QString("Inserire la parola indicata dalla soluzione quindi premere il tasto Invio oppure cliccare "
                         "su <OK>.Nel caso di una parola con più di 3 caratteri è possibile variarla utilizzando una "
                         "ricerca interattiva con mascheramento, ad esempio si supponga di avere la parola M.LA, se "
                         "vogliamo cercare tutte le parole di quattro caratteri che iniziano con M e finiscono con LA "
                         "occorre cliccare sul bottone <Cerca> apparirà una lista di parole (MELA, MALA, MOLA) dalla "
                         "quale è possibile scegliere quella che ci serve."));
    }

    void placedAtTheCellsCornerAndPushedBackInsideTheScreen() {
        // Column, row, dialog width, expected corner on a 1024 x 768 screen for a dialog 200 high.
        const int casi[][5] = {{3, 2, 500, 190, 110}, {14, 2, 504, 520, 110} /* touches the edge */, {20, 25, 500, 524, 568}};
        for (const auto& k : casi) {
            s().colonnaCorrente = static_cast<std::int16_t>(k[0]);
            s().rigaCorrente = static_cast<std::int16_t>(k[1]);
            QCOMPARE(TessoDef::posizione(s(), QSize(k[2], 200), QRect(0, 0, 1024, 768)), QPoint(k[3], k[4]));
        }
    }
};

QTEST_MAIN(TessoDefTest)
#include "tessodef_test.moc"
