// The word dialog: its boxes, keys and search, and the words' model behind its drop-down list.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>

#include "dizionario_prova.h"
#include "schema_prova.h"
#include "qt/superficie_qt.h"
#include "supporto/finestre.h"
#include "solving/inserimento.h"
#include "solving/parola_dialogo.h"
#include "solving/lessico.h"
#include "solving/gui/modello_parole.h"
#include "solving/gui/finestra_parola.h"

using namespace quadrivo;
using prova::fuoco;
using prova::digita;

class FinestraParolaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::SchemaProva> p;
    Posizione parola;  // the word the dialog is opened on
    std::unique_ptr<FinestraParola> dialogo;
    prova::CartellaTemporanea dir;

    Lessico lessico;
    // The cells OK handed back, "." for an empty one, or "-" when there was none.
    QString scelta() {
        if (!dialogo->scelta()) return "-";
        QString t;
        for (const std::string& c : dialogo->scelta()->celle) t += c.empty() ? QString(".") : QString::fromStdString(c);
        return t;
    }
    template <typename T = QLineEdit>
    T* w(const char* nome) { return dialogo->findChild<T*>(nome); }
    QLineEdit* casella(int i) { return dialogo->findChild<QLineEdit*>(QString("caselle_%1").arg(i)); }
    void posa(int c, int r, Direzione d) { parola = {c, r, d}; }

    // The dialog for the word at (c, r, d), shown and active; with `lettere` set it describes the
    // word by itself, without the grid.
    FinestraParola& apri(int c, int r, Direzione d, const std::string& lettere = {}) {
        posa(c, r, d);
        VoceDialogo voce = voceDialogo(p->documento.cruciverba, p->griglia(), parola);
        if (!lettere.empty()) {
            voce.valida = true, voce.celle.clear();
            for (char ch : lettere) voce.celle.push_back(ch == '.' ? "" : std::string(1, ch));
        }
        dialogo = std::make_unique<FinestraParola>(voce, p->piattaforma, [this](const std::string& m, VistaRicerca& v) { cercaNelLessico(lessico, p->piattaforma, m, v); });
        dialogo->show(), dialogo->activateWindow();
        if (!QTest::qWaitFor([this] { return prova::fuocoDentro(dialogo.get()); }))
            QTest::qFail("il dialogo non ha preso il fuoco", __FILE__, __LINE__);
        return *dialogo;
    }

private slots:
    void init() {
        dialogo.reset();  // the last test's dialog goes before the puzzle it was opened on
        p = std::make_unique<prova::SchemaProva>(std::vector<std::string>{"C.SA#", "A#ORO", "..#.#", "M.LA#"});
        lessico = {.cartella = dir.percorso()};
        dir.scrivi("LessicoItaliano.dat", prova::dizionario({{4, {"CASA", "MELA", "MALA", "MELE", "MOLA"}}}));
        caricaLessico(lessico, p->piattaforma);
    }

    void setUpShowsTheWordItsClueAndOneBoxPerLetter() {
        p->piattaforma.forma = Puntatore::frecciaVerticale;  // the hover arrow goes too
        apri(1, 1, Direzione::orizzontale);
        QCOMPARE(p->piattaforma.forma, Puntatore::predefinito);
        QCOMPARE(w<QLabel>("titolo")->text(), QString(" 1 Orizzontale"));
        QCOMPARE(w("campoDefinizione")->text(), QString("Abitazione"));
        QString lettere;  // an entered "." shows as a blank
        for (int i = 0; i < 15; ++i) lettere += casella(i)->isVisible() ? casella(i)->text() : "";
        QCOMPARE(lettere, QString("C SA"));
        QVERIFY(w<QPushButton>("pulsanteCerca")->isVisible());
        QVERIFY(!w("casellaLunga")->isVisible());
        QCOMPARE(fuoco(), casella(0));
        // Past fifteen letters one box, trimmed and upper-cased at OK.
        apri(2, 2, Direzione::orizzontale, "ABCDEFGHIJKLMNO.");
        QVERIFY(w("casellaLunga")->isVisible());
        QVERIFY(!casella(0)->isVisible());
        QVERIFY(!w<QPushButton>("pulsanteCerca")->isVisible());
        QCOMPARE(w("casellaLunga")->selectedText(), QString("ABCDEFGHIJKLMNO "));
        QTest::keyClicks(w("casellaLunga"), "  paroladisedicilet ");
        QTest::keyClick(w("casellaLunga"), Qt::Key_Return);
        QCOMPARE(scelta(), QString("PAROLADISEDICILE"));  // the surplus is cut
    }

    void lettersAndClueStoredOnEnterArrowsWrapAndEscStoresNothing() {
        apri(1, 4, Direzione::orizzontale);  // M . L A
        digita("erba");
        QCOMPARE(fuoco(), casella(0));  // the focus wrapped round
        w("campoDefinizione")->setFocus(), w("campoDefinizione")->selectAll();
        QTest::keyClicks(w("campoDefinizione"), "Citt");
        QTest::sendKeyEvent(QTest::Click, w("campoDefinizione"), Qt::Key_Agrave, QString::fromUtf8("à"), Qt::NoModifier);
        casella(0)->setText("x");  // left lower case, it is upper-cased
        casella(2)->setText(".");  // accepted, written later as an empty entry
        casella(3)->setText("");   // a letter deleted, straight to Enter: a blank
        QTest::keyClick(casella(0), Qt::Key_Return);
        QCOMPARE(scelta(), QString("XR.."));
        QCOMPARE(dialogo->scelta()->definizione, std::string("Città"));
        QVERIFY(p->piattaforma.messaggi.empty());

        // Typing stops a clue at sixty characters; a longer one from the file is shown whole.
        definizioneDa(p->documento.cruciverba, {1, 1}, Direzione::orizzontale)->testo = std::string(75, 'y');
        apri(1, 1, Direzione::orizzontale);
        QTest::keyClick(casella(0), Qt::Key_Left);
        QCOMPARE(fuoco(), casella(3));
        digita("q");
        w("campoDefinizione")->end(false);
        QTest::keyClicks(w("campoDefinizione"), "z");
        QTest::keyClick(w("campoDefinizione"), Qt::Key_Backspace);
        QCOMPARE(w("campoDefinizione")->text(), QString(74, 'y'));
        w("campoDefinizione")->selectAll();
        QTest::keyClicks(w("campoDefinizione"), QString(70, 'x'));
        QCOMPARE(w("campoDefinizione")->text(), QString(60, 'x'));
        QTest::keyClick(casella(1), Qt::Key_Escape);
        QCOMPARE(dialogo->result(), int(QDialog::Rejected));
        QCOMPARE(scelta(), QString("-"));
    }

    void aBadCharacterIsRefusedUnlessUntouchedAndTheSearchFillsTheBoxes() {
        apri(1, 1, Direzione::orizzontale, "@ASA");  // "@" typed into the grid, in the box with the focus
        QTest::mouseClick(w<QPushButton>("pulsanteOk"), Qt::LeftButton);  // the box loses the focus to OK
        prova::smaltisciCoda();
        QVERIFY(p->piattaforma.messaggi.empty());
        QCOMPARE(scelta(), QString("@ASA"));
        // Left by the focus, an edited box is checked even when it holds what it held before.
        apri(1, 1, Direzione::orizzontale, "C[SA");
        casella(1)->setFocus();
        QTest::keyClick(casella(1), Qt::Key_BracketLeft);
        QTRY_COMPARE(p->piattaforma.messaggi.size() == 1 ? p->piattaforma.messaggi[0].testo : "", std::string(msgCaratteriNonAmmessi));
        QTRY_COMPARE(fuoco(), casella(1));
        QTest::keyClick(casella(1), Qt::Key_Return);  // OK with Enter refuses it too
        QCOMPARE(p->piattaforma.messaggi.size(), 2u);
        QCOMPARE(scelta(), QString("-"));

        // The search lists the matches and a choice fills the boxes.
        apri(1, 4, Direzione::orizzontale);  // M, blank, L, A
        p->piattaforma.forma = Puntatore::frecciaOrizzontale;  // the main window's hover shape
        struct ContaDipinti : QObject {
            int n = 0;
            bool eventFilter(QObject*, QEvent* e) override { return n += e->type() == QEvent::Paint, false; }
        } dipinti;
        auto* barra = w<AreaDisegno>("barraAvanzamento");
        for (QWidget* x : {static_cast<QWidget*>(barra), w<QWidget>("esitoRicerca")}) x->installEventFilter(&dipinti);
        QTest::mouseClick(w<QPushButton>("pulsanteCerca"), Qt::LeftButton);
        // A quick search paints nothing while it runs; its outcome shows at the next paint.
        QCOMPARE(dipinti.n, 0);
        QTRY_VERIFY(dipinti.n >= 2);
        // The bar ends dark blue from end to end; the arrow comes back with a move.
        const QImage fine = barra->immagine();
        QCOMPARE(fine.pixelColor(0, fine.height() / 2), fine.pixelColor(fine.width() - 1, fine.height() / 2));
        QCOMPARE(fine.pixelColor(fine.width() - 1, fine.height() / 2), coloreQt(bluScuro));
        QCOMPARE(p->piattaforma.forma, Puntatore::predefinito);
        QCOMPARE(w<QLabel>("esitoRicerca")->text(), QString("Trov.: 3"));
        QCOMPARE(w<QComboBox>("elencoTrovate")->currentText(), QString("MELA"));
        for (int i = 0; i < 2; ++i) QTest::keyClick(w<QComboBox>("elencoTrovate"), Qt::Key_Down);
        QCOMPARE(casella(1)->text(), QString("O"));
        QTest::mouseClick(w<QPushButton>("pulsanteOk"), Qt::LeftButton);
        QCOMPARE(scelta(), QString("MOLA"));
        // A single word found fills the boxes at once; Alt with a letter types nothing into a box.
        apri(1, 4, Direzione::orizzontale);
        for (const auto& [i, t] : {std::pair(1, "O"), {2, ""}, {3, ""}}) casella(i)->setText(t);
        QTest::mouseClick(w<QPushButton>("pulsanteCerca"), Qt::LeftButton);
        QTRY_COMPARE(casella(2)->text() + casella(3)->text(), QString("LA"));
        QTest::keyClick(casella(3), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(casella(3)->text(), QString("A"));
    }

    void placedInsideTheScreenAndTheWordsModel() {
        // Wherever the word is, across or down, the dialog is on the screen and leaves the word in view.
        const QRect schermo(0, 0, 1024, 768);
        for (const auto& [c, r, d] : {std::tuple(3, 2, Direzione::orizzontale), {14, 2, Direzione::orizzontale}, {1, 1, Direzione::verticale}, {4, 10, Direzione::verticale}}) {
            posa(c, r, d);
            const VoceDialogo v = voceDialogo(p->documento.cruciverba, p->griglia(), parola);
            const QRect rettangolo(v.xParola, v.yParola, v.larghezzaParola, v.altezzaParola);
            const QRect posto(FinestraParola::posizione(rettangolo, QSize(500, 200), schermo), QSize(500, 200));
            const QByteArray dove = QByteArray::number(c) + " " + QByteArray::number(r);
            QVERIFY2(!rettangolo.isEmpty(), dove);
            QVERIFY2(schermo.contains(posto), dove);
            QVERIFY2(!posto.intersects(rettangolo), dove);
        }
        // The words' model: rows show the words and a new result replaces the old in one reset.
        QComboBox lista;
        ModelloParole* modello = ModelloParole::perLista(&lista);
        modello->imposta(ParoleTrovate(5, "MELAS\xC8LITE" "CASAS"));  // a Windows-1252 byte shows as È
        QCOMPARE(lista.count(), 3);
        QCOMPARE(lista.itemText(1), QString::fromUtf8("ÈLITE"));
        QCOMPARE(lista.itemText(2), QString("CASAS"));
        lista.setCurrentIndex(1);
        QSignalSpy azzerato(modello, &QAbstractItemModel::modelReset), inserite(modello, &QAbstractItemModel::rowsInserted);
        modello->imposta(ParoleTrovate(4, std::string(4 * 50000, 'A')));
        QCOMPARE(lista.count(), 50000);
        QCOMPARE(azzerato.count(), 1);
        QCOMPARE(inserite.count(), 0);
        // The drop-down opens below the box, without measuring every row first.
        lista.show();
        QVERIFY(QTest::qWaitForWindowExposed(&lista));
        QCOMPARE(lista.style()->styleHint(QStyle::SH_ComboBox_Popup, nullptr, &lista), 0);
        lista.showPopup();
        QTRY_VERIFY(lista.view()->isVisible());
        QCOMPARE(lista.view()->indexAt(QPoint(2, 2)).data().toString(), QString("AAAA"));
        lista.hidePopup(), modello->svuota();
        QCOMPARE(lista.count(), 0);
        QCOMPARE(lista.currentText(), QString());
    }
};

QTEST_MAIN(FinestraParolaTest)
#include "finestra_parola_test.moc"
