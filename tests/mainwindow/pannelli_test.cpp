// The drawing area's layout and the panels beside the grid, on their own: the grid in the room
// the clue column leaves and following a new size, and each game's dock.
#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/aspetto_schermo.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/barre_scorrimento.h"
#include "mainwindow/gui/colonna_definizioni.h"
#include "mainwindow/gui/comandi_stampa.h"
#include "mainwindow/gui/disposizione_finestra.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "mainwindow/gui/riquadri_giochi.h"
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "model/impostazioni.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"
#include "supporto/pitture.h"

using namespace quadrivo;

class ProvaPannelli : public QObject {
    Q_OBJECT

    // The parts that share the area, as the window makes them.
    struct BancoDisposizione : prova::BancoParte {
        QMenu opzioni, aiuto;
        VistaGriglia* vista = new VistaGriglia(sessione, area);
        BarraStrumenti* barra = new BarraStrumenti(&finestra, [](const char*) { return nullptr; });
        ComandiStampa* stampa = new ComandiStampa(sessione, piattaforma, area, &finestra);
        ColonnaDefinizioni* colonna = new ColonnaDefinizioni(sessione, piattaforma, sessione.impostazioni(), area);
        AspettoSchermo* aspetto = new AspettoSchermo(area, sessione.impostazioni());
        PartiArea parti{area,
                        vista,
                        barra,
                        stampa,
                        new Sfondo(sessione.cartelle(), area),
                        new IntestazioneSchema(sessione, area),
                        colonna,
                        new BarreScorrimento(area),
                        new TastieraGriglia(sessione, sessione.impostazioni(), *aspetto, area, *vista, &finestra),
                        aspetto,
                        new VistaPassaggio(sessione, piattaforma, area, *vista)};
        DisposizioneFinestra disposizione{sessione, parti, &finestra};
        QSignalSpy disegnata{&disposizione, &DisposizioneFinestra::grigliaDisegnata};
        BancoDisposizione() {
            colonna->creaVoci(&opzioni, &aiuto);
            finestra.show();
        }
    };

    // CASA / A#RE / SOLE, played as the game each test asks for.
    struct BancoGiochi : prova::BancoMostrato {
        RiquadriGiochi riquadri{sessione, &finestra};
        QDockWidget* dock(const char* nome) const { return finestra.findChild<QDockWidget*>(nome); }
        bool visibile(const char* nome) const { return dock(nome) && dock(nome)->isVisible(); }
        QListWidget* lista(const char* nome) const { return finestra.findChild<QListWidget*>(nome); }
        void gioca(Variante v) {
            apri({"CASA", "A#RE", "SOLE"});
            if (v != Variante::cruciverba) QCOMPARE(sessione.giocaCome(v), std::string());
        }
    };

private slots:
    // Opening a puzzle lays the grid out in what the clue column (shown at first) leaves; hiding
    // the column gives its room to the grid at once, and the choice is kept for the next start.
    void aNewPuzzleIsLaidOutBesideTheClueColumnAndFollowsTheSettings() {
        BancoDisposizione b;
        b.apri();
        QCOMPARE_GT(b.disegnata.size(), 0);
        QCOMPARE(b.disposizione.areaFinestra().larghezza, b.area->width());
        const qsizetype prima = b.disegnata.size();
        b.opzioni.findChild<QAction*>("MenuElenco")->trigger();
        QCOMPARE(b.disegnata.size(), prima + 1);
        QCOMPARE(b.disposizione.areaGriglia().larghezza, b.finestra.width());
        QCOMPARE(b.sessione.impostazioni().opzione("soluzione/mostraElenco", true).toBool(), false);
        // The settings are followed by themselves: larger letters lay the grid out and paint it again.
        QVERIFY(QTest::qWaitForWindowExposed(b.vista));
        prova::Pitture pitture;
        b.vista->installEventFilter(&pitture);
        const int lettere = b.vista->geometria().puntiLettere;
        ValoriImpostazioni v = b.sessione.impostazioni().valori();
        v.AltezzaCaratteri = 80;
        b.sessione.impostazioni().cambia(v);
        QCOMPARE_GT(b.vista->geometria().puntiLettere, lettere);
        QTRY_COMPARE_GT(pitture.volte, 0);
    }

    // A new size is followed only once the window is up, and then inside the resize itself:
    // before any event runs, the area already has what the column (whose width changes too)
    // leaves, and the grid stands where a fresh layout of that room puts it.
    void aResizeLaysTheGridOutForTheNewRoomAtOnce() {
        BancoDisposizione b;
        b.apri();
        const qsizetype prima = b.disegnata.size();
        b.finestra.resize(900, 700);
        prova::smaltisciCoda();
        QCOMPARE(b.disegnata.size(), prima);
        b.disposizione.segui();
        for (const QSize dimensione : {QSize(1920, 1080), QSize(700, 500), QSize(700, 500)}) {
            b.finestra.resize(dimensione);
            QCOMPARE(b.area->width() + b.colonna->pannelli()->width(), b.finestra.width());
            QCOMPARE(b.vista->size(), b.area->size());
            QCOMPARE(b.vista->geometria(), geometriaGriglia(b.sessione.cruciverba(), b.sessione.impostazioni().valori(),
                                                            b.disposizione.areaGriglia(), b.parti.tastiera->decorazioni()));
        }
        QCOMPARE(b.disegnata.size(), prima + 2);  // the same size again is no new layout
    }

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
        BancoGiochi b;
        b.gioca(static_cast<Variante>(variante));
        QTEST(b.visibile("DockChiave"), "chiave");
        QTEST(b.visibile("DockBanca"), "banca");
    }

    // Made only when its game is first played, after the clue column, the key still goes above it.
    void theKeyGoesAboveTheClueColumnAndAPauseEmptiesIt() {
        BancoGiochi b;
        auto* colonna = new QDockWidget(&b.finestra);
        colonna->setObjectName("dockDefinizioni");
        colonna->setWidget(new QListWidget);
        b.finestra.addDockWidget(Qt::RightDockWidgetArea, colonna);
        b.gioca(Variante::crittografato);
        QTRY_VERIFY(b.dock("DockChiave")->isVisible());
        QTRY_VERIFY(b.dock("DockChiave")->geometry().bottom() < colonna->geometry().top());
        QCOMPARE(b.dock("DockChiave")->x(), colonna->x());
        // A pause hides its letters (a typed one is the window's test).
        b.sessione.impostaPausa(true);
        QCOMPARE(b.lista("ListaChiave")->item(0)->text(), "In pausa.");
        QCOMPARE(b.lista("ListaChiave")->count(), 1);
    }

    void theBankCrossesOffAWordPlaced() {
        BancoGiochi b;
        b.gioca(Variante::daRiempire);
        const auto sole = [&b] { return b.lista("ListaBanca")->findItems("SOLE", Qt::MatchExactly).value(0); };
        QCOMPARE(sole()->font().strikeOut(), false);
        QVERIFY(b.sessione.scrivi({{1, 3, "S"}, {2, 3, "O"}, {3, 3, "L"}, {4, 3, "E"}}));
        QCOMPARE(sole()->font().strikeOut(), true);
        QCOMPARE(sole()->data(Qt::AccessibleTextRole).toString(), "SOLE, inserita");  // for a reader too
    }
};

QTEST_MAIN(ProvaPannelli)
#include "pannelli_test.moc"
