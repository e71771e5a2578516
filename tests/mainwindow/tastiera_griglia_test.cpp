// The grid's parts on their own, each on a drawing area holding the grid's view and nothing of
// the window around it: the keyboard and the click, the hover's label and the word dialog, and
// the table of cells a screen reader finds.
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/griglia_accessibile.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "model/impostazioni.h"
#include "solving/gui/finestra_parola.h"
#include "solving/schema_prova.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

namespace {
Posizione o(int c, int r) { return {c, r, Direzione::orizzontale}; }
}  // namespace

class ProvaGriglia : public QObject {
    Q_OBJECT

    // The parts on the 5x4 puzzle of the solving tests: 1 across CASA "Abitazione", 4 across ORO
    // "Metallo prezioso" at (3, 2), 1 down CANE "Fedele amico", 2 down SO.
    // Shown once the view is there: the area's reader interface is made for the view it holds.
    struct BancoGriglia : prova::BancoParte {
        VistaGriglia* vista = new VistaGriglia(sessione, area);
        AspettoSchermo aspetto{area, sessione.impostazioni()};
        TastieraGriglia tastiera{sessione, sessione.impostazioni(), aspetto, area, *vista, &finestra};
        VistaPassaggio passaggio{sessione, piattaforma, area, *vista};
        QMenu opzioni, utilita;
        QAction matita{"Matita"}, azzera;
        BancoGriglia() {
            tastiera.creaVoci(&opzioni, &matita, nullptr);
            passaggio.creaVoci([this](const char*) { return &azzera; }, &utilita);
            mostra();
        }
        // The puzzle open in a 600 x 400 view, the cursor on its first cell.
        void apri() {
            QCOMPARE(sessione.apri(dir.scrivi("p.trmo", prova::fileTrmo(prova::soluzioniProva, {}, prova::definizioniProva))),
                     EsitoApertura::ok);
            vista->setGeometry(0, 0, 600, 400);
            vista->disponi(AreaFinestra{600, 400, 0, 0}, {});
            tastiera.impostaPosizione(o(1, 1));
            QTRY_VERIFY(area->hasFocus());
        }
        std::string voce(int c, int r) const { return sessione.cruciverba().cella(c, r).voce; }
        // A point of cell (c, r) in its down (lower left) half.
        QPointF basso(int c, int r) const {
            const QRectF k = vista->rettangoloCella({c, r});
            return k.center() + QPointF(-k.width() / 4, k.width() / 4);
        }
        void muovi(QPointF p) { passaggio.solutore().movimentoMouse(p.x(), p.y()); }
        QWidget* rettangolo() const { return area->findChild<QWidget*>("rettangoloPassaggio"); }
        QAccessibleInterface* griglia() const { return QAccessible::queryAccessibleInterface(area)->child(0); }
        QAccessibleTableInterface* tabella() const { return griglia()->tableInterface(); }
        // The text of the cell at row r, column c, counted from 0 as a reader counts them.
        QString testo(int r, int c, QAccessible::Text t = QAccessible::Name) const { return tabella()->cellAt(r, c)->text(t); }
    };

private slots:
    void initTestCase() { installaGrigliaAccessibile(); }

    // Keys on the drawing area become the session's steps (where each one leads is the
    // navigation's test); Ctrl+C is a check, never a C; after Esc no word is current and typing
    // writes nothing until Tab goes back; a paused grid takes no letter.
    void theKeysReachTheSession_data() {
        QTest::addColumn<QKeySequence>("tasti");
        QTest::addColumn<bool>("pausa");
        QTest::addColumn<Posizione>("dopo");
        QTest::addColumn<QString>("riga");  // the first row's entries
        QTest::newRow("letters") << QKeySequence("C, B") << false << o(3, 1) << "CB";
        QTest::newRow("shortcut") << QKeySequence("Ctrl+C") << false << o(1, 1) << "";
        QTest::newRow("esc") << QKeySequence("Right, Esc, X, Tab") << false << o(2, 1) << "";
        QTest::newRow("paused") << QKeySequence("C") << true << o(1, 1) << "";
    }
    void theKeysReachTheSession() {
        QFETCH(QKeySequence, tasti);
        QFETCH(bool, pausa);
        BancoGriglia b;
        b.apri();
        b.sessione.impostaPausa(pausa);
        for (int i = 0; i < tasti.count(); ++i) QTest::keyClick(b.area, tasti[i].key(), tasti[i].keyboardModifiers());
        QTEST(b.sessione.posizione(), "dopo");
        QTEST(QString::fromStdString(b.voce(1, 1) + b.voce(2, 1) + b.voce(3, 1)), "riga");
    }

    // The grid marks the current word, and the cursor's cell within it.
    void theCurrentWordAndCellAreMarked() {
        BancoGriglia b;
        b.apri();
        const std::map<Casella, std::uint8_t> segni = b.tastiera.decorazioni().segni;
        QCOMPARE(segni.size(), size_t{4});
        QCOMPARE(segni.at({1, 1}), std::uint8_t(segnoParolaCorrente | segnoCasellaCorrente));
        QCOMPARE(segni.at({4, 1}), std::uint8_t(segnoParolaCorrente));
    }

    // The half under the pointer gives its word's clue (which half is which is the hover's test);
    // the pointer onto the label itself hides it: it must not stand in the way.
    void theHalfUnderThePointerGivesItsWordsClueAndF2ItsDialog() {
        BancoGriglia b;
        b.apri();
        b.muovi(b.basso(1, 1));
        QCOMPARE(b.passaggio.etichettaVisibile(), true);
        QCOMPARE(b.passaggio.etichetta()->text(), "  1 vert. - Fedele amico ");
        QCOMPARE(b.rettangolo()->isVisible(), true);
        QLabel* etichetta = b.passaggio.etichetta();
        QMouseEvent movimento(QEvent::MouseMove, QPointF(2, 2), etichetta->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(etichetta, &movimento);
        QCOMPARE(b.passaggio.etichettaVisibile(), false);

        // F2 opens the word dialog on the current word only.
        QAction* parola = b.utilita.findChild<QAction*>("azioneParola");
        QString definizione;
        prova::AlProssimoModale<FinestraParola> dialogo([&](FinestraParola* d) {
            definizione = d->findChild<QLineEdit*>("campoDefinizione")->text();
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteAnnulla"), Qt::LeftButton);
        });
        b.sessione.impostaPosizione({});
        parola->trigger();  // no current word: no dialog
        QCOMPARE(dialogo.eseguita(), false);
        b.sessione.impostaPosizione({3, 2, Direzione::orizzontale});
        parola->trigger();
        QCOMPARE(definizione, "Metallo prezioso");
    }

    // Without a puzzle the table is empty and hidden; a cell is named by what it holds (what each
    // kind of cell is called is the reading's test). The cursor's cell has the focus and says
    // where it lies in its word; the focus follows a move.
    void theTableHasThePuzzlesCellsAndTheFocusIsTheCursors() {
        BancoGriglia b;
        QCOMPARE(b.griglia()->role(), QAccessible::Table);
        QCOMPARE(bool(b.griglia()->state().invisible), true);
        b.apri();
        QCOMPARE(b.griglia()->text(QAccessible::Name), "Griglia del cruciverba");
        QCOMPARE(b.tabella()->rowCount(), 4);
        QCOMPARE(b.tabella()->columnCount(), 5);
        QCOMPARE(bool(b.griglia()->state().invisible), false);
        QVERIFY(b.sessione.scrivi({Scrittura{4, 2, "L"}}));
        QCOMPARE(b.testo(1, 3), "L");
        QCOMPARE(b.testo(0, 4), "nera");
        b.sessione.impostaPosizione({2, 1, Direzione::orizzontale});
        annunciaCellaCorrente(b.area);
        QCOMPARE(b.griglia()->focusChild(), b.tabella()->cellAt(0, 1));
        QCOMPARE(bool(b.tabella()->cellAt(0, 1)->state().focused), true);
        QCOMPARE(b.testo(0, 1, QAccessible::Description), "1 orizzontale, lettera 2 di 4: Abitazione");
        b.sessione.impostaPosizione({3, 2, Direzione::verticale});
        annunciaCellaCorrente(b.area);
        QCOMPARE(b.griglia()->focusChild(), b.tabella()->cellAt(1, 2));
        QCOMPARE(bool(b.tabella()->cellAt(0, 1)->state().focused), false);
        // A point on the screen leads to its cell.
        const QPoint centro = b.vista->mapToGlobal(b.vista->rettangoloCella({4, 3}).center());
        QCOMPARE(b.griglia()->childAt(centro.x(), centro.y()), b.tabella()->cellAt(2, 3));
        QCOMPARE(b.tabella()->cellAt(2, 3)->rect().center(), centro);
    }
};

QTEST_MAIN(ProvaGriglia)
#include "tastiera_griglia_test.moc"
