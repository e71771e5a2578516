// The drawing area's layout on its own: the grid in the room the clue column leaves, the
// preview taking the grid away, and a new size followed once the window is up.
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
#include "mainwindow/gui/sfondo.h"
#include "mainwindow/gui/tastiera_griglia.h"
#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "supporto/parte.h"

using namespace quadrivo;

namespace {
// Paint events of a widget, counted.
struct Pitture : QObject {
    int volte = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++volte;
        return false;
    }
};
}  // namespace

class ProvaDisposizioneFinestra : public QObject {
    Q_OBJECT

    // The parts that share the area, as the window makes them.
    struct Banco : prova::BancoParte {
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
        Banco() {
            colonna->creaVoci(&opzioni, &aiuto);
            finestra.show();
        }
    };

private slots:
    // Opening a puzzle lays the grid out in what the clue column (shown at first) leaves.
    void aNewPuzzleIsLaidOutBesideTheClueColumnUntilThePreview() {
        Banco b;
        b.apri();
        QCOMPARE_GT(b.disegnata.size(), 0);
        QCOMPARE(b.vista->conGriglia(), true);
        QCOMPARE(b.colonna->pannelli()->isVisible(), true);
        QCOMPARE(b.area->width() + b.colonna->pannelli()->width(), b.finestra.width());
        QCOMPARE(b.disposizione.areaFinestra().larghezza, b.area->width());
        // The preview takes the grid away until the grid's mode comes back.
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.vista->conGriglia(), false);
        b.sessione.impostaModo(ModoVista::griglia);
        QCOMPARE(b.vista->conGriglia(), true);
    }

    // Hiding the clue column gives its room to the grid at once.
    void aPanelShownOrHiddenLaysTheGridOutAgain() {
        Banco b;
        b.apri();
        const int stretta = b.disposizione.areaGriglia().larghezza;
        const qsizetype prima = b.disegnata.size();
        b.opzioni.findChild<QAction*>("MenuElenco")->trigger();
        QCOMPARE(b.disegnata.size(), prima + 1);
        QCOMPARE(b.disposizione.areaGriglia().larghezza, b.finestra.width());
        QCOMPARE_GT(b.disposizione.areaGriglia().larghezza, stretta);
    }

    // The settings are followed by themselves: larger letters repaint the grid, a change that
    // leaves its look alone lays it out again without painting.
    void aSettingsChangeRepaintsTheGridOnlyWhenItsLookChanged() {
        Banco b;
        b.apri();
        QVERIFY(QTest::qWaitForWindowExposed(b.vista));
        Pitture pitture;
        b.vista->installEventFilter(&pitture);
        b.smaltisci();
        pitture.volte = 0;
        const qsizetype prima = b.disegnata.size();
        ValoriImpostazioni v = b.sessione.impostazioni().valori();
        v.tastoSinistro = !v.tastoSinistro;
        b.sessione.impostazioni().cambia(v);
        b.smaltisci();
        QCOMPARE(b.disegnata.size(), prima + 1);
        QCOMPARE(pitture.volte, 0);
        const int lettere = b.vista->geometria().puntiLettere;
        v.AltezzaCaratteri = 80;
        b.sessione.impostazioni().cambia(v);
        QCOMPARE(b.disegnata.size(), prima + 2);
        QCOMPARE_GT(b.vista->geometria().puntiLettere, lettere);
        QTRY_COMPARE_GT(pitture.volte, 0);
    }

    // A new size is followed only once the window is up, and then inside the resize itself: the
    // grid is laid out for it before anything is painted, however many sizes come.
    void aNewSizeIsFollowedOnceTheWindowIsUp() {
        Banco b;
        b.apri();
        const qsizetype prima = b.disegnata.size();
        b.finestra.resize(900, 700);
        b.smaltisci();
        QCOMPARE(b.disegnata.size(), prima);
        b.disposizione.segui();
        b.finestra.resize(800, 600);
        QCOMPARE(b.disegnata.size(), prima + 1);
        b.finestra.resize(820, 610);
        QCOMPARE(b.disegnata.size(), prima + 2);
        b.finestra.resize(820, 610);
        QCOMPARE(b.disegnata.size(), prima + 2);
        QCOMPARE(b.vista->size(), b.area->size());
    }

    // Between a small and a large window the column's width changes too: before any event runs,
    // the area already has what the column leaves, and the grid stands where a fresh layout
    // of that room puts it, the current cell in it.
    void aResizeLaysTheGridOutForTheNewRoomAtOnce() {
        Banco b;
        b.apri();
        b.sessione.impostaPosizione({2, 2, Direzione::orizzontale});
        b.disposizione.segui();
        for (const QSize dimensione : {QSize(1280, 800), QSize(1920, 1080), QSize(700, 500)}) {
            b.finestra.resize(dimensione);
            QCOMPARE(b.area->width() + b.colonna->pannelli()->width(), b.finestra.width());
            QCOMPARE(b.vista->size(), b.area->size());
            const GeometriaSchema attesa = geometriaGriglia(b.sessione.cruciverba(), b.sessione.impostazioni().valori(), b.disposizione.areaGriglia(),
                                                            b.parti.tastiera->decorazioni());
            QCOMPARE(b.vista->geometria().lato, attesa.lato);
            QCOMPARE(b.vista->geometria().x0, attesa.x0);
            QCOMPARE(b.vista->geometria().y0, attesa.y0);
            QCOMPARE(b.vista->rettangoloCella({2, 2}).topLeft(),
                     QPoint(attesa.x0 + attesa.lato, attesa.y0 + attesa.lato));
        }
    }
};

QTEST_MAIN(ProvaDisposizioneFinestra)
#include "disposizione_finestra_test.moc"
