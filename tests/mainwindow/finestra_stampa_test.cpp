// The real main window on a 1024x768 screen: the print preview (what it hides, where it draws
// the page, its zoom, how it ends) and a zoomed 21 x 16 grid (a .trmo holds at most 16 rows) with
// its scroll bars, the wheel, every cell reachable by the mouse and the keys, the current cell
// kept in view.
#include <QDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "printing/gui/anteprima.h"
#include "printing/pagina.h"
#include "solving/dizionario_prova.h"
#include "supporto/finestre.h"
#include "supporto/schermo.h"

using namespace quadrivo;

namespace {

// 21 x 16 letters, a black cell here and there so that every row and column has words.
std::vector<std::string> griglia21x16() {
    std::vector<std::string> righe;
    for (int r = 0; r < 16; ++r) {
        std::string riga;
        for (int c = 0; c < 21; ++c) riga += (r % 4 == 1 && c % 6 == 2) ? '#' : static_cast<char>('A' + (r + c) % 26);
        righe.push_back(riga);
    }
    return righe;
}

}  // namespace

class ProvaStampaFinestra : public QObject {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;

    // A window on CASA# / ARTE# / NO#LU with CA typed, or on `righe`.
    void avvia(const std::vector<std::string>& righe = {}) {
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(righe.empty() ? prova::fileTrmo({"CASA#", "ARTE#", "NO#LU"}, {"CA..#"}) : prova::fileTrmo(righe)));
    }
    QScrollBar* barra(bool inColonna) {
        return prova::figlio<QScrollBar>(&*b->f, inColonna ? "ScorrimentoVerticale" : "ScorrimentoOrizzontale");
    }
    // Cell (c, r) lies whole in the part of the area the grid shows: below the toolbar, above
    // and left of the bars.
    bool inVista(int c, int r) {
        const int L = b->griglia().lato;
        const int x = b->griglia().x0 + (c - 1) * L, y = b->griglia().y0 + (r - 1) * L;
        const AreaFinestra a = b->f->areaGriglia();
        return x >= 0 && y >= a.altezzaToolbar && x + L <= a.larghezza && y + L <= a.altezza - a.altezzaStatusBar;
    }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void cleanup() { b.reset(); }

    void previewClosesByItsButtonAndByPrinting() {
        avvia();
        FinestraPrincipale& f = *b->f;
        auto* chiudi = prova::figlio<QPushButton>(&f, "chiudiAnteprima");
        QAction* util = prova::figlio<QMenu>(&f, "menuUtilita")->menuAction();
        // The preview's button in place of the Utilità menu, or the other way round.
        const auto anteprima = [&](bool attesa) {
            QCOMPARE(f.sessione().modo() == ModoVista::anteprima, attesa);
            QCOMPARE(chiudi->isVisible(), attesa);
            QCOMPARE(util->isVisible(), !attesa);
        };

        const QColor chiaro(Qt::white), bordo(128, 0, 0);
        f.mostraAnteprima();
        // The white page and its dark-red border, where the page's layout puts them.
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QVERIFY(vista);
        QCOMPARE(vista->isVisible(), true);
        const FoglioAnteprima foglio = vista->posa().fogli.at(0);
        const int x = int(foglio.x), y = int(foglio.y);
        QCOMPARE(std::pair(prova::pixel(*vista->fogli(), x + 4, y + 4), prova::pixel(*vista->fogli(), x - 1, y + 40)),
                 std::pair(chiaro, bordo));
        const Posizione prima = b->pos();
        b->clic(b->cella(1, 2));  // the grid does not react to the mouse meanwhile
        anteprima(true);
        QCOMPARE(b->pos(), prima);
        QTest::mouseClick(chiudi, Qt::LeftButton);
        anteprima(false);  // and the screen grid is back
        const int gx = b->griglia().x0, gy = b->griglia().y0 + 5;
        const auto cornice = [&] { return std::pair(b->pixel(gx - 1, gy), b->pixel(gx - 3, gy)); };
        QCOMPARE(cornice(), std::pair(chiaro, bordo));

        // Printing from the toolbar closes the preview too; the print dialog is cancelled once it is up.
        f.mostraAnteprima();
        anteprima(true);
        prova::AlProssimoModale<QDialog> annulla([](QDialog* d) { d->reject(); });
        prova::premi(&f, "pulsanteStampa");
        QVERIFY(annulla.eseguita());
        QTRY_COMPARE(f.sessione().modo(), ModoVista::griglia);
        anteprima(false);
        QCOMPARE(cornice(), std::pair(chiaro, bordo));
    }

    void previewReadableAt1024x768WithAZoomThatNeverLaysTheSheetsOutAgain() {
        avvia();
        FinestraPrincipale& f = *b->f;
        QTRY_VERIFY(f.width() > 1000);  // maximised on the screen
        QVERIFY(f.width() <= 1024);
        const auto lato = b->griglia().lato;
        f.mostraAnteprima();
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QVERIFY(vista);
        QCOMPARE(vista->isVisible(), true);
        QTRY_VERIFY(prova::fuocoDentro(vista));
        QScrollBar *barraGiu = vista->verticalScrollBar(), *barraLato = vista->horizontalScrollBar();
        // The paper's true size: the lists' 9 points are 12 pixels; one sheet across, scrolled down.
        const double vera = vista->logicalDpiY() / 72.0;
        QCOMPARE(vista->scala(), vera);
        QVERIFY(vista->scala() * puntiElenchiMinimi >= 12);
        QTRY_COMPARE(barraGiu->isVisible(), true);
        QCOMPARE(barraLato->isVisible(), false);
        QCOMPARE(vista->posa().fogli.size(), size_t(1));
        QVERIFY(vista->posa().fogli[0].x >= 0);
        QVERIFY(vista->posa().fogli[0].x + vista->posa().fogli[0].larghezza <= vista->viewport()->width());

        // Ctrl+plus: larger, scrolled both ways; Ctrl+minus back and then down to the whole sheet.
        b->tasto(Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 1.25 * vera);
        QTRY_COMPARE(barraLato->isVisible(), true);
        QCOMPARE(barraGiu->isVisible(), true);
        b->tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vera);
        b->tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 0.75 * vera);
        b->tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vista->scalaIntera());
        QTRY_COMPARE(barraGiu->isVisible(), false);
        QTRY_COMPARE(barraLato->isVisible(), false);
        b->tasto(Qt::Key_Minus, Qt::ControlModifier);  // no smaller than whole
        QCOMPARE(vista->scala(), vista->scalaIntera());
        // Ctrl and the wheel zoom as well; Ctrl+0 gives the opening size back.
        QWheelEvent rotella(QPointF(50, 50), vista->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton,
                            Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(vista->viewport(), &rotella);
        QTRY_COMPARE(vista->scala(), 0.75 * vera);
        b->tasto(Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vera);
        QCOMPARE(vista->impaginazioni(), 1);

        // The grid's own zoom stayed; opening the preview again scales the same sheets.
        QTest::mouseClick(prova::figlio<QPushButton>(&f, "chiudiAnteprima"), Qt::LeftButton);
        QTRY_VERIFY(!vista->isVisible());
        QCOMPARE(b->griglia().lato, lato);
        f.mostraAnteprima();
        QCOMPARE(vista->scala(), vera);
        QCOMPARE(vista->impaginazioni(), 1);
    }

    void aZoomedGridScrollsAndEveryCellCanBeReached() {
        avvia(griglia21x16());
        b->f->showMaximized();
        QTRY_COMPARE(b->f->frameGeometry().width(), 1024);
        // Fitting, the grid needs no bars.
        QTRY_VERIFY(!barra(true)->isVisible());
        QTRY_VERIFY(!barra(false)->isVisible());
        b->clic(b->cella(1, 1));
        QCOMPARE(b->pos().colonna, 1);
        const int prima = b->griglia().lato;
        b->esegui("MenuIngrandisci");
        b->esegui("MenuIngrandisci");
        QTRY_VERIFY(b->griglia().lato > prima);
        QTRY_VERIFY(barra(true)->isVisible());
        QTRY_VERIFY(barra(false)->isVisible());
        QVERIFY(inVista(1, 1));

        // The keys: down to the last row and across to the last column, the cell always in view.
        for (int r = 2; r <= 16; ++r) {
            b->tasto(Qt::Key_Down);
            QTRY_VERIFY2(inVista(b->pos().colonna, b->pos().riga), qPrintable(QString("riga %1").arg(r)));
        }
        for (int c = 2; c <= 21; ++c) {
            b->tasto(Qt::Key_Right);
            QTRY_VERIFY2(inVista(b->pos().colonna, b->pos().riga), qPrintable(QString("colonna %1").arg(c)));
        }
        QCOMPARE(b->pos().colonna, 21);
        QCOMPARE(b->pos().riga, 16);
        QCOMPARE(barra(true)->value(), barra(true)->maximum());

        // The wheel scrolls up, and sideways with Shift; the current cell may leave the view.
        const int alto = barra(true)->value();
        const QPoint centro = b->area()->rect().center();
        QWheelEvent su(centro, b->area()->mapToGlobal(centro), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                       Qt::NoScrollPhase, false);
        QApplication::sendEvent(b->area(), &su);
        QTRY_VERIFY(barra(true)->value() < alto);
        QTRY_VERIFY(!inVista(21, 16));
        const int sinistra = barra(false)->value();
        QWheelEvent lato(centro, b->area()->mapToGlobal(centro), {}, QPoint(0, 120), Qt::NoButton, Qt::ShiftModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(b->area(), &lato);
        QTRY_VERIFY(barra(false)->value() < sinistra);

        // The bars to the top-left corner: cell (1, 1) is shown and a click takes it; to the
        // bottom-right corner, cell (21, 16).
        for (const auto& [inizio, c, r] : {std::tuple(true, 1, 1), std::tuple(false, 21, 16), std::tuple(true, 2, 1)}) {
            for (QScrollBar* s : {barra(true), barra(false)}) s->setValue(inizio ? s->minimum() : s->maximum());
            QTRY_VERIFY(inVista(c, r));
            b->clic(b->cella(c, r));
            QCOMPARE(b->pos().colonna, c);
            QCOMPARE(b->pos().riga, r);
        }
        // Back to the normal size: the bars go.
        b->esegui("MenuDimensioneNormale");
        QTRY_VERIFY(!barra(true)->isVisible());
        QTRY_VERIFY(!barra(false)->isVisible());
    }
};

QUADRIVO_MAIN_1024X768(ProvaStampaFinestra)
#include "finestra_stampa_test.moc"
