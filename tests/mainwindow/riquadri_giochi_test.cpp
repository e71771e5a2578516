// The games' docks on their own: each is made when its game is first played, above the clue
// column, shows only while its game is played on the grid, and follows the session by itself: a
// codeword's key takes a typed letter, a grid to fill's bank crosses off a word placed, and a
// pause hides what they would give away.
#include <QDockWidget>
#include <QListWidget>
#include <QtTest>

#include "mainwindow/gui/riquadri_giochi.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaRiquadriGiochi : public QObject {
    Q_OBJECT

    // CASA / A#RE / SOLE, played as the game each test asks for.
    struct Banco : prova::BancoMostrato {
        RiquadriGiochi riquadri{sessione, &finestra};
        QDockWidget* dock(const char* nome) const { return finestra.findChild<QDockWidget*>(nome); }
        bool visibile(const char* nome) const { return dock(nome) && dock(nome)->isVisible(); }
        QListWidget* lista(const char* nome) const { return finestra.findChild<QListWidget*>(nome); }
        void gioca(Variante v) {
            apri({"CASA", "A#RE", "SOLE"});
            if (v != Variante::cruciverba) QCOMPARE(sessione.giocaCome(v), std::string());
        }
        // The key's line of the code cell (c, r) has.
        QString chiaveDi(int c, int r) const { return lista("ListaChiave")->item(sessione.cruciverba().cella(c, r).codice - 1)->text(); }
    };

private slots:
    void eachDockShowsWithItsGame_data() {
        QTest::addColumn<int>("variante");
        QTest::addColumn<bool>("chiave");
        QTest::addColumn<bool>("banca");
        QTest::newRow("cruciverba") << int(Variante::cruciverba) << false << false;
        QTest::newRow("crittografato") << int(Variante::crittografato) << true << false;
        QTest::newRow("da riempire") << int(Variante::daRiempire) << false << true;
    }
    void eachDockShowsWithItsGame() {
        QFETCH(int, variante);
        Banco b;
        b.gioca(static_cast<Variante>(variante));
        QTEST(b.visibile("DockChiave"), "chiave");
        QTEST(b.visibile("DockBanca"), "banca");
    }

    // A crossword needs neither dock: a start with one makes none.
    void aCrosswordMakesNoDock() {
        Banco b;
        b.gioca(Variante::cruciverba);
        QCOMPARE(b.dock("DockChiave"), nullptr);
        QCOMPARE(b.dock("DockBanca"), nullptr);
    }

    // Made after the clue column, the key still goes above it, as it did when made first.
    void theKeyGoesAboveTheClueColumn() {
        Banco b;
        auto* colonna = new QDockWidget(&b.finestra);
        colonna->setObjectName("dockDefinizioni");
        colonna->setWidget(new QListWidget);
        b.finestra.addDockWidget(Qt::RightDockWidgetArea, colonna);
        b.gioca(Variante::crittografato);
        QTRY_VERIFY(b.dock("DockChiave")->isVisible());
        QTRY_VERIFY(b.dock("DockChiave")->geometry().bottom() < colonna->geometry().top());
        QCOMPARE(b.dock("DockChiave")->x(), colonna->x());
    }

    // The print preview takes the whole window: the dock goes, and comes back with the grid.
    void thePreviewTakesTheDockAway() {
        Banco b;
        b.gioca(Variante::crittografato);
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.visibile("DockChiave"), false);
        b.sessione.impostaModo(ModoVista::griglia);
        QCOMPARE(b.visibile("DockChiave"), true);
    }

    void theKeyTakesATypedLetterAndAPauseHidesIt() {
        Banco b;
        b.gioca(Variante::crittografato);
        const int codice = b.sessione.cruciverba().cella(2, 1).codice;
        QCOMPARE(b.chiaveDi(2, 1), QString("%1 = _").arg(codice));
        QVERIFY(b.sessione.scrivi({Scrittura{2, 1, "A"}}));
        QCOMPARE(b.chiaveDi(2, 1), QString("%1 = A").arg(codice));
        b.sessione.impostaPausa(true);
        QCOMPARE(b.lista("ListaChiave")->item(0)->text(), "In pausa.");
        QCOMPARE(b.lista("ListaChiave")->count(), 1);
    }

    void theBankCrossesOffAWordPlaced() {
        Banco b;
        b.gioca(Variante::daRiempire);
        const auto sole = [&b] { return b.lista("ListaBanca")->findItems("SOLE", Qt::MatchExactly).value(0); };
        QCOMPARE(sole()->font().strikeOut(), false);
        QVERIFY(b.sessione.scrivi({{1, 3, "S"}, {2, 3, "O"}, {3, 3, "L"}, {4, 3, "E"}}));
        QCOMPARE(sole()->font().strikeOut(), true);
        b.sessione.impostaPausa(true);
        QCOMPARE(b.lista("ListaBanca")->item(0)->text(), "In pausa.");
        QCOMPARE(sole(), nullptr);
    }
};

QTEST_MAIN(ProvaRiquadriGiochi)
#include "riquadri_giochi_test.moc"
