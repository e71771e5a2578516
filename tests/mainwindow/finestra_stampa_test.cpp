// The real main window on a 1024x768 screen: the print preview (where it draws the page, its
// zoom, how it ends) and a zoomed 21 x 16 grid (a .trmo holds at most 16 rows) with its scroll
// bars, every cell reachable by the mouse and the keys, the current cell kept in view.
#include <QDialog>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "printing/gui/anteprima.h"
#include "printing/pagina.h"
#include "solving/dizionario_prova.h"
#include "supporto/finestre.h"

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

    void previewReadableAt1024x768WithAZoomThatNeverLaysTheSheetsOutAgain() {
        avvia();
        FinestraPrincipale& f = *b->f;
        QTRY_VERIFY(f.width() > 1000);  // maximised on the screen
        const auto lato = b->griglia().lato;
        f.mostraAnteprima();
        auto* vista = f.findChild<VistaAnteprima*>("Anteprima");
        QTRY_VERIFY(prova::fuocoDentro(vista));
        // The white page where the page's layout puts it, at the paper's true size: the lists'
        // 9 points are 12 pixels; one sheet across, scrolled down.
        const FoglioAnteprima foglio = vista->posa().fogli.at(0);
        QCOMPARE(prova::pixel(*vista->fogli(), int(foglio.x) + 4, int(foglio.y) + 4), QColor(Qt::white));
        const double vera = vista->logicalDpiY() / 72.0;
        QCOMPARE(vista->scala(), vera);
        QVERIFY(vista->scala() * puntiElenchiMinimi >= 12);
        QTRY_COMPARE(vista->verticalScrollBar()->isVisible(), true);
        QCOMPARE(vista->horizontalScrollBar()->isVisible(), false);

        // Ctrl+plus: larger; Ctrl+minus back and then down to the whole sheet, no smaller.
        b->tasto(Qt::Key_Plus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), 1.25 * vera);
        for (int i = 0; i < 4; ++i) b->tasto(Qt::Key_Minus, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vista->scalaIntera());
        QTRY_COMPARE(vista->verticalScrollBar()->isVisible(), false);
        // Ctrl+0 gives the opening size back.
        b->tasto(Qt::Key_0, Qt::ControlModifier);
        QTRY_COMPARE(vista->scala(), vera);
        QCOMPARE(vista->impaginazioni(), 1);
        // Esc closes it (its button is the keyboard's test); the grid's own zoom stayed.
        b->tasto(Qt::Key_Escape);
        QTRY_COMPARE(f.sessione().modo(), ModoVista::griglia);
        QCOMPARE(b->griglia().lato, lato);
        QCOMPARE(b->pixel(b->griglia().x0 - 3, b->griglia().y0 + 5), QColor(128, 0, 0));  // the screen grid's frame is back

        // Printing from the toolbar closes it as well, the grid having ignored the mouse
        // meanwhile; the print dialog is cancelled once it is up.
        f.mostraAnteprima();
        const Posizione prima = b->pos();
        b->clic(b->cella(1, 2));
        QCOMPARE(b->pos(), prima);
        prova::AlProssimoModale<QDialog> annulla([](QDialog* d) { d->reject(); });
        prova::premi(&f, "pulsanteStampa");
        QVERIFY(annulla.eseguita());
        QTRY_COMPARE(f.sessione().modo(), ModoVista::griglia);
    }

    void aZoomedGridScrollsAndEveryCellCanBeReached() {
        avvia(griglia21x16());
        b->f->showMaximized();
        QTRY_COMPARE(b->f->frameGeometry().width(), 1024);
        b->clic(b->cella(1, 1));
        const int prima = b->griglia().lato;
        b->esegui("MenuIngrandisci");
        b->esegui("MenuIngrandisci");
        QTRY_VERIFY(b->griglia().lato > prima);
        QTRY_VERIFY(barra(true)->isVisible());
        QTRY_VERIFY(barra(false)->isVisible());
        QVERIFY(inVista(1, 1));

        // The keys: down to the last row and across to the last column, the cell always in view.
        for (int passo = 1; passo < 16 + 20; ++passo) {
            b->tasto(passo < 16 ? Qt::Key_Down : Qt::Key_Right);
            QTRY_VERIFY2(inVista(b->pos().colonna, b->pos().riga), qPrintable(QString("passo %1").arg(passo)));
        }
        QCOMPARE(b->pos().colonna, 21);
        QCOMPARE(b->pos().riga, 16);
        QCOMPARE(barra(true)->value(), barra(true)->maximum());

        // The bars to the top-left corner: cell (1, 1) is shown and a click takes it; to the
        // bottom-right corner, cell (21, 16).
        for (const auto& [inizio, c, r] : {std::tuple(true, 1, 1), std::tuple(false, 21, 16)}) {
            for (QScrollBar* s : {barra(true), barra(false)}) s->setValue(inizio ? s->minimum() : s->maximum());
            QTRY_VERIFY(inVista(c, r));
            b->clic(b->cella(c, r));
            QCOMPARE(b->pos().colonna, c);
            QCOMPARE(b->pos().riga, r);
        }
        // Back to the normal size, where the grid fits: the bars go.
        b->esegui("MenuDimensioneNormale");
        QTRY_VERIFY(!barra(true)->isVisible());
        QTRY_VERIFY(!barra(false)->isVisible());
    }
};

// On a 1024x768 screen at 96 dpi, the smallest the program must be usable on (offscreen's own
// is 800x600).
int main(int argc, char** argv) {
    QTemporaryDir cartella;
    QFile schermo(cartella.path() + "/schermo.json");
    const char* descrizione = "{\"screens\": [{\"name\": \"s\", \"x\": 0, \"y\": 0, \"width\": 1024, \"height\": 768,"
                              " \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}";
    if (!schermo.open(QIODevice::WriteOnly) || schermo.write(descrizione) < 0) return 1;
    schermo.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + schermo.fileName()).toUtf8());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    ProvaStampaFinestra prova;
    return QTest::qExec(&prova, argc, argv);
}
#include "finestra_stampa_test.moc"
