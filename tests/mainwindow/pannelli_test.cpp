// The drawing area's layout and the panels beside the grid, on their own: the grid in the room
// the clue column leaves and following a new size, the clue column, and each game's dock.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
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
#include "solving/schema_prova.h"
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

    // The 5x4 puzzle of the solving tests: across 1 CASA, 4 ORO, 5 NO, 7 ERBA.
    struct BancoColonna : prova::BancoMostrato {
        prova::CartellaTemporanea cartella;
        ColonnaDefinizioni colonna{sessione, piattaforma, sessione.impostazioni(), area};
        QMenu opzioni, aiuto;
        BancoColonna() {
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
        // The key's line of the code cell (c, r) has.
        QString chiaveDi(int c, int r) const { return lista("ListaChiave")->item(sessione.cruciverba().cella(c, r).codice - 1)->text(); }
    };

private slots:
    // Opening a puzzle lays the grid out in what the clue column (shown at first) leaves.
    void aNewPuzzleIsLaidOutBesideTheClueColumnUntilThePreview() {
        BancoDisposizione b;
        b.apri();
        QCOMPARE_GT(b.disegnata.size(), 0);
        QCOMPARE(b.vista->conGriglia(), true);
        QCOMPARE(b.disposizione.areaFinestra().larghezza, b.area->width());
        // The preview takes the grid away until the grid's mode comes back.
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.vista->conGriglia(), false);
        b.sessione.impostaModo(ModoVista::griglia);
        QCOMPARE(b.vista->conGriglia(), true);
    }

    // Hiding the clue column gives its room to the grid at once.
    void aPanelShownOrHiddenLaysTheGridOutAgain() {
        BancoDisposizione b;
        b.apri();
        const qsizetype prima = b.disegnata.size();
        b.opzioni.findChild<QAction*>("MenuElenco")->trigger();
        QCOMPARE(b.disegnata.size(), prima + 1);
        QCOMPARE(b.disposizione.areaGriglia().larghezza, b.finestra.width());
    }

    // The settings are followed by themselves: larger letters lay the grid out and paint it again.
    void aSettingsChangeLaysTheGridOutAndRepaintsIt() {
        BancoDisposizione b;
        b.apri();
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
        b.smaltisci();
        QCOMPARE(b.disegnata.size(), prima);
        b.disposizione.segui();
        for (const QSize dimensione : {QSize(1920, 1080), QSize(700, 500), QSize(700, 500)}) {
            b.finestra.resize(dimensione);
            QCOMPARE(b.area->width() + b.colonna->pannelli()->width(), b.finestra.width());
            QCOMPARE(b.vista->size(), b.area->size());
            const GeometriaSchema attesa = geometriaGriglia(b.sessione.cruciverba(), b.sessione.impostazioni().valori(), b.disposizione.areaGriglia(),
                                                            b.parti.tastiera->decorazioni());
            QCOMPARE(b.vista->geometria().lato, attesa.lato);
            QCOMPARE(b.vista->geometria().x0, attesa.x0);
            QCOMPARE(b.vista->geometria().y0, attesa.y0);
        }
        QCOMPARE(b.disegnata.size(), prima + 2);  // the same size again is no new layout
    }

    void theCurrentClueIsHighlightedAndOnTheLine() {
        BancoColonna b;
        b.sessione.impostaPosizione({2, 4, Direzione::orizzontale});
        b.passata();
        QCOMPARE(b.corrente(), "7 Città d'erba");
        QCOMPARE(b.riga(), " 7 oriz. - Città d'erba");
    }

    void aClickOnAClueTakesTheCursorToItsWord() {
        BancoColonna b;
        QListWidget* l = b.orizzontali();
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(1)).center());
        QCOMPARE(b.sessione.posizione(), (Posizione{3, 2, Direzione::orizzontale}));
    }

    // Hidden, the column gives its room and the line back; the choice is kept for the next start.
    void theListsItemHidesTheColumnAndIsKept() {
        BancoColonna b;
        const AreaFinestra area{600, 400, 0, 0};
        QCOMPARE_GT(b.colonna.areaGriglia(area).altezzaToolbar, 0.0);
        b.voce("MenuElenco")->trigger();
        QCOMPARE(b.colonna.visibile(), false);
        b.passata();
        QCOMPARE(b.rigaVisibile(), false);
        QCOMPARE(b.colonna.areaGriglia(area).altezzaToolbar, 0.0);
        QCOMPARE(b.sessione.impostazioni().opzione("soluzione/mostraElenco", true).toBool(), false);
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

    // A dock is made when its game is first played: a crossword makes none.
    void aCrosswordMakesNoDock() {
        BancoGiochi b;
        b.gioca(Variante::cruciverba);
        QCOMPARE(b.dock("DockChiave"), nullptr);
        QCOMPARE(b.dock("DockBanca"), nullptr);
    }

    // Made after the clue column, the key still goes above it, as it did when made first.
    void theKeyGoesAboveTheClueColumn() {
        BancoGiochi b;
        auto* colonna = new QDockWidget(&b.finestra);
        colonna->setObjectName("dockDefinizioni");
        colonna->setWidget(new QListWidget);
        b.finestra.addDockWidget(Qt::RightDockWidgetArea, colonna);
        b.gioca(Variante::crittografato);
        QTRY_VERIFY(b.dock("DockChiave")->isVisible());
        QTRY_VERIFY(b.dock("DockChiave")->geometry().bottom() < colonna->geometry().top());
        QCOMPARE(b.dock("DockChiave")->x(), colonna->x());
    }

    void theKeyTakesATypedLetterAndAPauseHidesIt() {
        BancoGiochi b;
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
        BancoGiochi b;
        b.gioca(Variante::daRiempire);
        const auto sole = [&b] { return b.lista("ListaBanca")->findItems("SOLE", Qt::MatchExactly).value(0); };
        QCOMPARE(sole()->font().strikeOut(), false);
        QVERIFY(b.sessione.scrivi({{1, 3, "S"}, {2, 3, "O"}, {3, 3, "L"}, {4, 3, "E"}}));
        QCOMPARE(sole()->font().strikeOut(), true);
        QCOMPARE(sole()->data(Qt::AccessibleTextRole).toString(), "SOLE, inserita");  // for a reader too
        b.sessione.impostaPausa(true);
        QCOMPARE(b.lista("ListaBanca")->item(0)->text(), "In pausa.");
        QCOMPARE(sole(), nullptr);
    }
};

QTEST_MAIN(ProvaPannelli)
#include "pannelli_test.moc"
