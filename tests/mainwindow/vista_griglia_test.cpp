// The grid's view on its own, over a real session: where its cells lie, which cell a point
// falls in at the grid's edges, and which pixels a change asks to paint again.
#include <QPaintEvent>
#include <QPainter>
#include <QtTest>
#include <utility>

#include "mainwindow/gui/vista_griglia.h"
#include "model/piattaforma_registro.h"
#include "qt/superficie_qt.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// 3 across, 2 down: "ORA" over "N.E", a black square in the middle of the second row.
// Plain strings with ' for ": moc cannot read a raw string.
const std::string schema =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword#1'],"
    " 'dimensions': {'width': 3, 'height': 2},"
    " 'puzzle':   [[1, 2, 3], [4, '#', 5]],"
    " 'solution': [['O', 'R', 'A'], ['N', '#', 'E']],"
    " 'clues': {'Across': [[1, 'Adesso']], 'Down': [[1, 'Uno'], [3, 'Due']]}}";

// The same played as a senza schema: all white to the player, clues by row and column.
const std::string senzaSchema =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword/diagramless#1'],"
    " 'dimensions': {'width': 3, 'height': 2},"
    " 'puzzle':   [[0, 0, 0], [0, 0, 0]],"
    " 'solution': [['O', 'R', 'A'], ['N', '#', 'E']],"
    " 'clues': {'Across:Righe': [[1, 'Adesso']], 'Down:Colonne': [[1, 'Uno'], [3, 'Due']]}}";

// In a 200 x 150 widget: cells of N((200 - 16) / 3) = 61 pixels, the grid at (8, 13).
constexpr AreaFinestra area{200, 150, 0, 0};

// Every region the widget is asked to paint, as it arrives.
class Pitture : public QObject {
public:
    QRegion regione;
    int volte = 0;
    void azzera() { regione = {}, volte = 0; }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) regione += static_cast<QPaintEvent*>(e)->region(), ++volte;
        return false;
    }
};

DecorazioniGriglia segni(std::initializer_list<std::pair<const Casella, std::uint8_t>> s) {
    DecorazioniGriglia d;
    d.segni = s;
    return d;
}

}  // namespace

class VistaGrigliaTest : public QObject {
    Q_OBJECT

    prova::CartellaTemporanea cartella_;
    PiattaformaRegistro piattaforma_;
    std::unique_ptr<Sessione> sessione_;
    std::unique_ptr<VistaGriglia> vista_;
    Pitture pitture_;

    void disponi(const DecorazioniGriglia& d = {}) {
        vista_->resize(200, 150);
        vista_->disponi(area, d);
    }
    // Shown and painted once whole; what comes after is the change's.
    void mostra(const DecorazioniGriglia& d = {}) {
        disponi(d);
        vista_->installEventFilter(&pitture_);
        vista_->show();
        QVERIFY(QTest::qWaitForWindowExposed(vista_.get()));
        QTRY_VERIFY(pitture_.volte > 0);
        pitture_.azzera();
    }

private slots:
    void init() {
        sessione_ = std::make_unique<Sessione>(Cartelle{}, piattaforma_, cartella_.percorso("dati"));
        sessione_->impostaFileLavoro(cartella_.percorso("qdv_vista.tmp"));
        const QString json = QString::fromStdString(schema).replace('\'', '"');
        QCOMPARE(sessione_->apri(cartella_.scrivi("p.ipuz", json.toStdString())), EsitoApertura::ok);
        vista_ = std::make_unique<VistaGriglia>(*sessione_);
        pitture_.azzera();
    }
    void cleanup() {
        vista_.reset();
        sessione_.reset();
    }

    // The cell under a point, at the grid's edges. A senza schema leaves a cell's room for its
    // row and column numbers: 44-pixel cells from (56, 52), and a point in the margins is in no cell.
    void cellaSottoUnPunto_data() {
        QTest::addColumn<bool>("margini");
        QTest::addColumn<QPointF>("punto");
        QTest::addColumn<int>("colonna");  // 0: no cell
        QTest::addColumn<int>("riga");
        QTest::newRow("first pixel") << false << QPointF(8, 13) << 1 << 1;
        QTest::newRow("left of the grid") << false << QPointF(7, 13) << 0 << 0;
        QTest::newRow("above the grid") << false << QPointF(8, 12) << 0 << 0;
        QTest::newRow("half a pixel left") << false << QPointF(7.5, 20) << 0 << 0;
        QTest::newRow("last pixel of the first cell") << false << QPointF(68, 73) << 1 << 1;
        QTest::newRow("a half rounds to even, staying") << false << QPointF(68.5, 20) << 1 << 1;
        QTest::newRow("rounded into the second cell") << false << QPointF(68.6, 20) << 2 << 1;
        QTest::newRow("first pixel of the second cell") << false << QPointF(69, 20) << 2 << 1;
        QTest::newRow("second row") << false << QPointF(20, 74) << 1 << 2;
        QTest::newRow("last pixel of the grid") << false << QPointF(190, 134) << 3 << 2;
        QTest::newRow("right of the grid") << false << QPointF(191, 134) << 0 << 0;
        QTest::newRow("below the grid") << false << QPointF(190, 135) << 0 << 0;
        QTest::newRow("a black square is a cell") << false << QPointF(100, 100) << 2 << 2;
        QTest::newRow("margins: first pixel") << true << QPointF(56, 52) << 1 << 1;
        QTest::newRow("margins: a row's number") << true << QPointF(30, 60) << 0 << 0;
        QTest::newRow("margins: a column's number") << true << QPointF(100, 30) << 0 << 0;
        QTest::newRow("margins: just left of the grid") << true << QPointF(55, 60) << 0 << 0;
        QTest::newRow("margins: just above the grid") << true << QPointF(60, 51) << 0 << 0;
        QTest::newRow("margins: middle") << true << QPointF(120, 110) << 2 << 2;
        QTest::newRow("margins: last pixel") << true << QPointF(187, 139) << 3 << 2;
    }
    void cellaSottoUnPunto() {
        QFETCH(bool, margini);
        QFETCH(QPointF, punto);
        QFETCH(int, colonna);
        QFETCH(int, riga);
        if (margini) {
            const QString json = QString::fromStdString(senzaSchema).replace('\'', '"');
            QCOMPARE(sessione_->apri(cartella_.scrivi("s.ipuz", json.toStdString())), EsitoApertura::ok);
            QCOMPARE(sessione_->cruciverba().variante, Variante::senzaSchema);
        }
        disponi();
        QCOMPARE(vista_->rettangoloCella({1, 1}), margini ? QRect(56, 52, 44, 44) : QRect(8, 13, 61, 61));
        QCOMPARE(vista_->cellaIn(punto).value_or(Casella{}), (Casella{colonna, riga}));
    }

    // Each cell's rectangle, and its corners fall back in that cell.
    void rettangoloDiUnaCella_data() {
        QTest::addColumn<int>("colonna");
        QTest::addColumn<int>("riga");
        QTest::addColumn<QRect>("rettangolo");
        QTest::newRow("top left") << 1 << 1 << QRect(8, 13, 61, 61);
        QTest::newRow("top middle") << 2 << 1 << QRect(69, 13, 61, 61);
        QTest::newRow("top right") << 3 << 1 << QRect(130, 13, 61, 61);
        QTest::newRow("bottom left") << 1 << 2 << QRect(8, 74, 61, 61);
        QTest::newRow("the black square") << 2 << 2 << QRect(69, 74, 61, 61);
        QTest::newRow("bottom right") << 3 << 2 << QRect(130, 74, 61, 61);
    }
    void rettangoloDiUnaCella() {
        QFETCH(int, colonna);
        QFETCH(int, riga);
        QFETCH(QRect, rettangolo);
        disponi();
        QCOMPARE(vista_->rettangoloCella({colonna, riga}), rettangolo);
        QCOMPARE(vista_->cellaIn(rettangolo.topLeft()), std::optional(Casella{colonna, riga}));
        QCOMPARE(vista_->cellaIn(rettangolo.bottomRight()), std::optional(Casella{colonna, riga}));
    }

    void senzaPostoNessunaCella() {
        disponi();
        vista_->togliGriglia();
        QCOMPARE(vista_->cellaIn(QPointF(20, 20)), std::optional<Casella>{});
        QCOMPARE(vista_->rettangoloCella({1, 1}), QRect());
    }

    // Only the inside: the outline is the neighbours' too and a letter leaves it as it was.
    void unaLetteraRidipingeLaSuaCella() {
        mostra();
        QVERIFY(sessione_->scrivi({{3, 2, "E"}}));
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(131, 75, 60, 60));
    }

    void unoSpostamentoRidipingeLeDueParole() {
        // The across word with its first cell current, then the first down word with its last.
        mostra(segni({{{1, 1}, segnoCasellaCorrente}, {{2, 1}, segnoParolaCorrente}, {{3, 1}, segnoParolaCorrente}}));
        vista_->disponi(area, segni({{{1, 1}, segnoParolaCorrente}, {{1, 2}, segnoCasellaCorrente}}));
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(8, 13, 184, 62) + QRegion(8, 74, 62, 62));
    }

    void ugualeNonRidipinge() {
        const DecorazioniGriglia d = segni({{{1, 1}, segnoCasellaCorrente}});
        mostra(d);
        vista_->disponi(area, d);
        vista_->update(0, 0, 1, 1);  // something surely painted, so a stray region would show with it
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(0, 0, 1, 1));
    }

    void ilZoomELaPausaRidipingonoTutto_data() {
        QTest::addColumn<bool>("pausa");
        QTest::newRow("zoom") << false;
        QTest::newRow("pause") << true;
    }
    void ilZoomELaPausaRidipingonoTutto() {
        QFETCH(bool, pausa);
        mostra();
        DecorazioniGriglia d;
        if (pausa) d.lettereNascoste = true;
        else d.zoom = 2;
        vista_->disponi(area, d);
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(vista_->rect()));
    }

    // A cell painted alone, outline and all, looks as it does in the whole grid; so does a region
    // of apart pieces, whether it is painted piece by piece (the insides of a few cells) or, past
    // many pieces, in one pass under its own clip.
    void unaRegioneSparsaComeLaGrigliaIntera_data() {
        QTest::addColumn<QRegion>("regione");
        QTest::newRow("la cella corrente col bordo") << QRegion(130, 13, 62, 62);
        // The insides of the four corner cells (61 pixels from (8, 13)).
        QRegion interni;
        for (const auto& [c, r] : {std::pair{0, 0}, {2, 0}, {0, 1}, {2, 1}}) interni += QRect(9 + c * 61, 14 + r * 61, 60, 60);
        QTest::newRow("pochi pezzi") << interni;
        // 484 small squares across cells, outlines and the frame: far more pieces than are
        // painted one by one.
        QRegion punti;
        for (int y = 2; y < 150; y += 7)
            for (int x = 3; x < 200; x += 9) punti += QRect(x, y, 3, 2);
        QTest::newRow("molti pezzi") << punti;
    }
    void unaRegioneSparsaComeLaGrigliaIntera() {
        QFETCH(QRegion, regione);
        QVERIFY(sessione_->scrivi({{1, 1, "O"}, {3, 1, "A"}, {3, 2, "E"}}));
        mostra(segni({{{3, 1}, segnoCasellaCorrente}, {{1, 2}, segnoLetteraRivelata}}));
        QImage intera(vista_->size(), QImage::Format_RGB32);
        vista_->render(&intera);
        QImage parte(vista_->size(), QImage::Format_RGB32);
        parte.fill(Qt::magenta);
        vista_->render(&parte, regione.boundingRect().topLeft(), regione);
        // Only the region's pixels are compared: the rest of the whole paint is not asked for.
        const auto nellaRegione = [&regione](const QImage& immagine) {
            QImage solo(immagine.size(), QImage::Format_RGB32);
            solo.fill(Qt::magenta);
            QPainter p(&solo);
            p.setClipRegion(regione);
            p.drawImage(0, 0, immagine);
            return solo;
        };
        QCOMPARE(nellaRegione(parte), nellaRegione(intera));
    }

    // The view paints, cell by cell, what the grid's painter paints in one pass over the whole.
    void comeIlDisegnoInteroDellaGriglia() {
        const DecorazioniGriglia d = segni({{{1, 1}, segnoParolaCorrente}, {{2, 1}, segnoCasellaCorrente}});
        QVERIFY(sessione_->scrivi({{1, 1, "O"}, {3, 2, "E"}}));
        disponi(d);
        QImage vista(vista_->size(), QImage::Format_RGB32);
        vista_->render(&vista);
        QImage intera(vista.size(), QImage::Format_RGB32);
        QPainter p(&intera);
        p.setRenderHint(QPainter::TextAntialiasing);
        SuperficieQt sup(p, 200, 150, vista_->sfondo());
        disegnaGriglia(sessione_->documento(), sessione_->impostazioni().valori(), sup, area, d);
        p.end();
        QCOMPARE(vista, intera);
    }
};

QTEST_MAIN(VistaGrigliaTest)
#include "vista_griglia_test.moc"
