#include <QApplication>
#include <QTest>
#include <memory>

#include "dizionario_prova.h"
#include "schema_prova.h"
#include "tastiera_prova.h"
#include "solving/inserimento.h"
#include "solving/lessico.h"
#include "solving/tessodef.h"

using namespace quadrivo;
using prova::fuoco;
using prova::digitaNelFuoco;

class TessoDefTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::SchemaProva> p;
    std::unique_ptr<TessoDef> dialogo;

    Stato& s() { return p->stato; }

    // The dialog for the word at (c, r, d), shown and active.
    TessoDef& apri(int c, int r, int d) {
        s().colonnaCorrente = static_cast<std::int16_t>(c);
        s().rigaCorrente = static_cast<std::int16_t>(r);
        s().direzioneCorrente = static_cast<std::int16_t>(d);
        s().parolaInserita[c][r][d] = parolaDaInserimenti(s(), c, r, d);
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
        const std::string cartella = p->dir.percorso("programma/");
        std::filesystem::create_directories(cartella);
        p->dir.scrivi("programma/LessicoItaliano.dat",
                      prova::dizionario({{3, {"ORO", "RE.", "TRE"}}, {4, {"CASA", "MELA", "MALA", "MELE", "MOLA", "RAMA"}}}));
        s().cartellaProgramma = cartella;
        caricaLessico(s(), p->piattaforma);
    }
    void cleanup() {
        dialogo.reset();
        p.reset();
    }

    void setUpShowsTheWordItsClueAndOneBoxPerLetter() {
        TessoDef& t = apri(1, 1, orizzontale);
        QCOMPARE(t.Label1->text(), QString(" 1 Orizzontale"));
        QCOMPARE(t.Label4->text(), QString("Definizione:"));
        QCOMPARE(t.Text1->text(), QString("Abitazione"));
        const QStringList attese = {"C", " ", "S", "A"};
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(t.Text3[i]->isVisible(), i < 4);
            if (i < 4) QCOMPARE(t.Text3[i]->text(), attese[i]);
            QCOMPARE(t.Text3[i]->toolTip(), QString("Clicca e modifica"));
        }
        QVERIFY(!t.Text2->isVisible());
        QVERIFY(t.Command3d4->isVisible());
        QCOMPARE(t.Command3d4->text(), QString("&Cerca"));
        QCOMPARE(t.Command3d1->text(), QString("&OK"));
        QCOMPARE(t.Command3d2->text(), QString("&Annulla"));
        QCOMPARE(t.Command3d3->text(), QString("&Help"));
        QCOMPARE(t.Label5->text(), QString());
        QCOMPARE(fuoco(), t.Text3[0]);

        // A down word, and a two-letter one: boxes but no search.
        TessoDef& v = apri(4, 1, verticale);
        QCOMPARE(v.Label1->text(), QString(" 3 Verticale"));
        QCOMPARE(v.Text1->text(), QString("Superficie"));
        TessoDef& due = apri(2, 3, verticale);
        QVERIFY(due.Text3[0]->isVisible() && due.Text3[1]->isVisible() && !due.Text3[2]->isVisible());
        QVERIFY(!due.Command3d4->isVisible());
    }

    void aBusyPointerLeftOverIsCleared() {
        p->piattaforma.forma = Puntatore::clessidra;
        apri(1, 1, orizzontale);
        QCOMPARE(p->piattaforma.forma, Puntatore::predefinito);
    }

    void typedLettersAndEnterStoreTheWord() {
        TessoDef& t = apri(1, 4, orizzontale);  // M . L A
        digitaNelFuoco("erba");
        QCOMPARE(fuoco(), t.Text3[0]);  // the focus wrapped round
        QCOMPARE(t.Text3[0]->text(), QString("E"));
        QTest::keyClick(fuoco(), Qt::Key_Return);
        QCOMPARE(t.result(), int(QDialog::Accepted));
        QVERIFY(!t.isVisible());
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][4][1]), QString("ERBA"));
        QVERIFY(p->piattaforma.messaggi.empty());
    }

    void annullaStoresNothing() {
        TessoDef& t = apri(1, 1, orizzontale);
        digitaNelFuoco("zz");
        QTest::keyClicks(t.Text1, " nuova");
        QTest::mouseClick(t.Command3d2, Qt::LeftButton);
        QCOMPARE(t.result(), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][1][1]), QString("C.SA"));
        QCOMPARE(QString::fromStdString(s().definizione[1][1][1]), QString("Abitazione"));
        // Esc from a box cancels too.
        TessoDef& u = apri(1, 1, orizzontale);
        digitaNelFuoco("q");
        QTest::keyClick(fuoco(), Qt::Key_Escape);
        QCOMPARE(u.result(), int(QDialog::Rejected));
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][1][1]), QString("C.SA"));
    }

    void okStoresTheClueInTheFileEncodingAndBlanksForEmptyBoxes() {
        TessoDef& t = apri(1, 1, orizzontale);
        t.Text1->setFocus();
        t.Text1->selectAll();
        QTest::keyClicks(t.Text1, "Citt");
        QTest::sendKeyEvent(QTest::Click, t.Text1, Qt::Key_Agrave, QString::fromUtf8("à"), Qt::NoModifier);
        t.Text3[3]->setText("");  // a deleted letter, straight to OK
        QTest::mouseClick(t.Command3d1, Qt::LeftButton);
        QCOMPARE(t.result(), int(QDialog::Accepted));
        QCOMPARE(s().definizione[1][1][1], std::string("Citt\xe0"));
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][1][1]), QString("C S "));
    }

    void arrowsMoveAroundTheBoxesAndTheClueStopsAtSixty() {
        TessoDef& t = apri(1, 1, orizzontale);
        QTest::keyClick(t.Text3[0], Qt::Key_Left);
        QCOMPARE(fuoco(), t.Text3[3]);
        QTest::keyClick(t.Text3[3], Qt::Key_Right);
        QCOMPARE(fuoco(), t.Text3[0]);
        QTest::keyClick(t.Text3[0], Qt::Key_Right);
        QCOMPARE(fuoco(), t.Text3[1]);

        t.Text1->setFocus();
        t.Text1->end(false);
        QTest::keyClicks(t.Text1, QString(70, 'x'));
        QCOMPARE(t.Text1->text().size(), 60);
        // A longer clue from the file is shown whole; it can shrink but not grow.
        s().definizione[1][1][1] = std::string(75, 'y');
        TessoDef& u = apri(1, 1, orizzontale);
        QCOMPARE(u.Text1->text().size(), 75);
        u.Text1->setFocus();
        u.Text1->end(false);
        QTest::keyClick(u.Text1, 'z');
        QCOMPARE(u.Text1->text().size(), 75);
        QTest::keyClick(u.Text1, Qt::Key_Backspace);
        QCOMPARE(u.Text1->text().size(), 74);
    }

    void leavingABoxWithABadCharacterComplainsAndKeepsTheFocus() {
        TessoDef& t = apri(1, 1, orizzontale);
        digitaNelFuoco("1");  // the focus runs on, then the check brings it back
        QTRY_COMPARE(int(p->piattaforma.messaggi.size()), 1);
        QCOMPARE(QString::fromStdString(p->piattaforma.messaggi[0].testo), QString(msgCaratteriNonAmmessi));
        QTRY_COMPARE(fuoco(), t.Text3[0]);
        // Leaving by a click on another box complains the same way.
        QTest::mouseClick(t.Text3[3], Qt::LeftButton);
        QTRY_COMPARE(int(p->piattaforma.messaggi.size()), 2);
        QTRY_COMPARE(fuoco(), t.Text3[0]);
        // OK reached with Enter refuses it as well, and stores nothing.
        QTest::keyClick(t.Text3[0], Qt::Key_Return);
        QVERIFY(t.isVisible());
        QCOMPARE(int(p->piattaforma.messaggi.size()), 3);
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][1][1]), QString("C.SA"));
        // Lower-case letters left behind are upper-cased; a dot and a blank are fine.
        t.Text3[0]->setText("x");
        t.Text3[1]->setText("e");
        t.Text3[2]->setText(".");
        t.Text3[3]->setText("");
        QTest::keyClick(t.Text3[0], Qt::Key_Return);
        QCOMPARE(t.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][1][1]), QString("XE. "));
    }

    void searchListsTheMatchesAndAChoiceFillsTheBoxes() {
        p->piattaforma.forma = Puntatore::frecciaOrizzontale;  // the main window's hover shape
        TessoDef& t = apri(1, 4, orizzontale);                  // M, blank, L, A
        QCOMPARE(p->piattaforma.forma, Puntatore::frecciaOrizzontale);
        QTest::mouseClick(t.Command3d4, Qt::LeftButton);
        QCOMPARE(t.Combo1->count(), 3);
        QCOMPARE(t.Combo1->itemText(0), QString("MELA"));
        QCOMPARE(t.Combo1->itemText(1), QString("MALA"));
        QCOMPARE(t.Combo1->itemText(2), QString("MOLA"));
        QCOMPARE(t.Combo1->currentText(), QString("MELA"));
        QCOMPARE(t.Label5->text(), QString("Trov.: 3"));
        // The progress bar ends full and dark blue.
        const QImage& barra = t.Picture1->immagine();
        QCOMPARE(barra.pixelColor(barra.width() - 1, barra.height() / 2), QColor(0, 0, 128));
        // The busy pointer is gone and the hover shape is back.
        QCOMPARE(p->piattaforma.forma, Puntatore::frecciaOrizzontale);

        // Choosing with the keyboard, as a player would.
        t.Combo1->setFocus();
        QTest::keyClick(t.Combo1, Qt::Key_Down);
        QTest::keyClick(t.Combo1, Qt::Key_Down);
        QCOMPARE(t.Combo1->currentText(), QString("MOLA"));
        QCOMPARE(t.Text3[1]->text(), QString("O"));
        QTest::mouseClick(t.Command3d1, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(s().parolaInserita[1][4][1]), QString("MOLA"));
    }

    void searchWithoutMatchesAndWithAllBlanks() {
        TessoDef& t = apri(1, 1, orizzontale);  // C, blank, S, A
        t.Text3[0]->setText("Q");
        QTest::mouseClick(t.Command3d4, Qt::LeftButton);
        QCOMPARE(t.Combo1->count(), 0);
        QCOMPARE(t.Combo1->currentText(), QString());
        QCOMPARE(t.Label5->text(), QString("Trov.: 0"));
        for (int i = 0; i < 4; ++i) t.Text3[i]->setText(" ");
        QTest::mouseClick(t.Command3d4, Qt::LeftButton);
        QCOMPARE(t.Combo1->count(), 6);
        QCOMPARE(t.Label5->text(), QString("Trov.: 6"));
    }

    void aLongWordUsesOneBox() {
        // 16 letters: no grid here, the state alone describes the word.
        s().parolaInserita[2][2][1] = "ABCDEFGHIJKLMNO.";
        s().colonnaCorrente = 2;
        s().rigaCorrente = 2;
        s().direzioneCorrente = 1;
        dialogo = std::make_unique<TessoDef>(s(), p->piattaforma);
        TessoDef& t = *dialogo;
        t.show();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        QVERIFY(t.Text2->isVisible());
        QVERIFY(!t.Text3[0]->isVisible());
        QVERIFY(!t.Command3d4->isVisible());
        QCOMPARE(t.Text2->text(), QString("ABCDEFGHIJKLMNO."));
        QCOMPARE(fuoco(), t.Text2);
        QCOMPARE(t.Text2->selectedText(), t.Text2->text());
        QTest::keyClicks(t.Text2, "  paroladisedicilet ");
        QCOMPARE(t.Text2->text(), QString("  PAROLADISEDICILET "));
        QTest::keyClick(t.Text2, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(s().parolaInserita[2][2][1]), QString("PAROLADISEDICILET"));
    }

    void helpShowsTheFourPiecesJoined() {
        TessoDef& t = apri(1, 1, orizzontale);
        QTest::mouseClick(t.Command3d3, Qt::LeftButton);
        QCOMPARE(int(p->piattaforma.messaggi.size()), 1);
        const QString m = QString::fromStdString(p->piattaforma.messaggi[0].testo);
        QVERIFY(m.startsWith("Inserire la parola indicata dalla soluzione quindi premere il tasto Invio"));
        QVERIFY(m.contains("cliccare su <OK>.Nel caso di una parola con più di 3 caratteri"));
        QVERIFY(m.contains("ricerca interattiva con mascheramento, ad esempio"));
        QVERIFY(m.contains("di quattro caratteri che iniziano con M e finiscono con LA"));
        QVERIFY(m.endsWith("(MELA, MALA, MOLA) dalla quale è possibile scegliere quella che ci serve."));
        QCOMPARE(p->piattaforma.messaggi[0].pulsanti, Pulsanti::ok);
        QVERIFY(t.isVisible());
    }

    void placedAtTheCellsCornerAndPushedBackInsideTheScreen() {
        Stato& st = s();
        st.colonnaCorrente = 3;
        st.rigaCorrente = 2;
        const QRect schermo(0, 0, 1024, 768);
        QCOMPARE(TessoDef::posizione(st, QSize(500, 200), schermo), QPoint(100 + 90, 50 + 60));
        st.latoCasella = 40;
        st.colonnaCorrente = 20;
        st.rigaCorrente = 15;
        QCOMPARE(TessoDef::posizione(st, QSize(500, 200), schermo), QPoint(1024 - 500, 768 - 200));
        // Exactly touching the edges is inside.
        st.latoCasella = 30;
        st.colonnaCorrente = 14;  // 100 + 420 = 520, 520 + 504 = 1024
        QCOMPARE(TessoDef::posizione(st, QSize(504, 200), schermo).x(), 520);
    }
};

QTEST_MAIN(TessoDefTest)
#include "tessodef_test.moc"
