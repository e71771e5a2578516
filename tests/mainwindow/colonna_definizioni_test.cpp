// The clue column on its own: the lists in print order, the current clue highlighted and on the
// line above the grid after a pass, a click on a clue taking the cursor to its word, the list's
// item hiding the column and kept, no list for a game without clues, and the readings spoken.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/barra_stato.h"
#include "mainwindow/gui/colonna_definizioni.h"
#include "model/impostazioni.h"
#include "qt/voce.h"
#include "solving/schema_prova.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaColonnaDefinizioni : public QObject {
    Q_OBJECT

    // The 5x4 puzzle of the solving tests: across 1 CASA, 4 ORO, 5 NO, 7 ERBA.
    struct Banco : prova::BancoMostrato {
        prova::CartellaTemporanea cartella;
        BarraStato* barra = new BarraStato(&finestra);
        ColonnaDefinizioni colonna{sessione, piattaforma, sessione.impostazioni(), area};
        QMenu opzioni, aiuto;
        Banco() {
            finestra.setStatusBar(barra);
            colonna.creaVoci(&opzioni, &aiuto);
            const std::string file = prova::fileTrmo(prova::soluzioniProva, {}, prova::definizioniProva);
            QCOMPARE(sessione.apri(cartella.scrivi("d.trmo", file)), EsitoApertura::ok);
            // Where the window's dock would put it.
            colonna.pannelli()->setGeometry(700, 0, 300, 600);
            colonna.pannelli()->show();
            passata();
        }
        // What the window does after each pass over the grid.
        void passata() {
            colonna.disponi();
            colonna.aggiorna();
        }
        QListWidget* orizzontali() const { return area->findChild<QListWidget*>("ListaOrizzontali"); }
        QString corrente() const { return orizzontali()->currentItem() ? orizzontali()->currentItem()->text() : QString(); }
        QString riga() const { return area->findChild<QLabel*>("RigaDefinizione")->text(); }
        bool rigaVisibile() const { return area->findChild<QLabel*>("RigaDefinizione")->isVisible(); }
        QAction* voce(const char* nome) const {
            QAction* a = opzioni.findChild<QAction*>(nome);
            return a ? a : aiuto.findChild<QAction*>(nome);
        }
    };

private slots:
    void theListHoldsTheCluesInPrintOrder() {
        Banco b;
        QCOMPARE(b.orizzontali()->count(), 4);
        QCOMPARE(b.orizzontali()->item(0)->text(), "1 Abitazione");
        QCOMPARE(b.orizzontali()->item(3)->text(), "7 Città d'erba");
    }

    void theCurrentClueIsHighlightedAndOnTheLine() {
        Banco b;
        b.sessione.impostaPosizione({2, 4, Direzione::orizzontale});
        b.passata();
        QCOMPARE(b.corrente(), "7 Città d'erba");
        QCOMPARE(b.riga(), " 7 oriz. - Città d'erba");
    }

    void aClickOnAClueTakesTheCursorToItsWord() {
        Banco b;
        QListWidget* l = b.orizzontali();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
        QCOMPARE(b.sessione.posizione(), (Posizione{3, 2, Direzione::orizzontale}));
    }

    // Hidden, the column gives its room and the line back; the choice is kept for the next start.
    void theListsItemHidesTheColumnAndIsKept() {
        Banco b;
        QSignalSpy disposizione(&b.colonna, &ColonnaDefinizioni::disposizioneCambiata);
        const AreaFinestra area{600, 400, 0, 0};
        QCOMPARE_GT(b.colonna.areaGriglia(area).altezzaToolbar, 0.0);
        QCOMPARE(b.rigaVisibile(), true);
        b.voce("MenuElenco")->trigger();
        QCOMPARE(disposizione.size(), 1);
        QCOMPARE(b.colonna.visibile(), false);
        b.passata();
        QCOMPARE(b.rigaVisibile(), false);
        QCOMPARE(b.colonna.areaGriglia(area).altezzaToolbar, 0.0);
        QCOMPARE(b.sessione.impostazioni().opzione("soluzione/mostraElenco", true).toBool(), false);
    }

    // A codeword has its key where the clues would be.
    void aCodewordHasNoList() {
        Banco b;
        QCOMPARE(b.sessione.giocaCome(Variante::crittografato), std::string());
        b.passata();
        QCOMPARE(b.colonna.visibile(), false);
        QCOMPARE(b.orizzontali()->isVisible(), false);
    }

    void theReadingsAreSpoken_data() {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<QString>("detto");
        QTest::newRow("definizione") << "MenuLettura1" << "1 orizzontale, 4 lettere: Abitazione";
        QTest::newRow("compita") << "MenuLettura2" << "_ _ _ _";
    }
    void theReadingsAreSpoken() {
        QFETCH(QString, voce);
        Banco b;
        b.sessione.impostaPosizione({1, 1, Direzione::orizzontale});
        b.voce(qPrintable(voce))->trigger();
        QTEST(b.barra->findChild<Voce*>("Voce")->text(), "detto");
    }
};

QTEST_MAIN(ProvaColonnaDefinizioni)
#include "colonna_definizioni_test.moc"
