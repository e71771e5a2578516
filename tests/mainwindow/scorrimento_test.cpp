// A zoomed 21 x 16 grid (a .trmo holds at most 16 rows) on a 1024 x 768 window: scroll bars, the wheel,
// every cell reachable by the mouse and the keys, the current cell kept in view.
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

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

class ScorrimentoTest : public QObject {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;

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

    void aZoomedGridScrollsAndEveryCellCanBeReached() {
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(griglia21x16())));
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

QUADRIVO_MAIN_1024X768(ScorrimentoTest)
#include "scorrimento_test.moc"
