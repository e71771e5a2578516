// The grid's view on its own, over a real session: which cell a point falls in, which pixels a
// change asks to paint again, and the images it keeps of the cells' insides, which must look as
// a fresh paint does whatever changed since.
#include <QPainter>
#include <QtTest>
#include <utility>

#include "qt/superficie_qt.h"
#include "supporto/pitture.h"
#include "supporto/vista.h"

using namespace quadrivo;
using prova::StatoVista;

namespace {

// "ORA" over "N.E" played as a senza schema: all white to the player, clues by row and column.
// Plain strings with ' for ": moc cannot read a raw string.
const std::string senzaSchema =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword/diagramless#1'],"
    " 'dimensions': {'width': 3, 'height': 2},"
    " 'puzzle':   [[0, 0, 0], [0, 0, 0]],"
    " 'solution': [['O', 'R', 'A'], ['N', '#', 'E']],"
    " 'clues': {'Across:Righe': [[1, 'Adesso']], 'Down:Colonne': [[1, 'Uno'], [3, 'Due']]}}";

// In a 200 x 150 widget: cells of N((200 - 16) / 3) = 61 pixels, the grid at (8, 13).
constexpr AreaFinestra area{200, 150, 0, 0};

// 4 x 2, all white: a given R at (2, 1), a circle at (3, 1), a bar under (4, 1) that reaches
// into (4, 2), shading at (1, 2). Only the first cell has a number.
const std::string schemaInterni =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword#1'],"
    " 'dimensions': {'width': 4, 'height': 2},"
    " 'puzzle': [[1, {'cell': 0, 'value': 'R'}, {'cell': 0, 'style': {'shapebg': 'circle'}},"
    "             {'cell': 0, 'style': {'barred': 'B'}}],"
    "            [{'cell': 0, 'style': {'highlight': true}}, 0, 0, 0]],"
    " 'solution': [['O', 'R', 'A', 'E'], ['N', 'E', 'T', 'A']],"
    " 'clues': {'Across': [[1, 'Prova']]}}";

DecorazioniGriglia segni(std::initializer_list<std::pair<const Casella, std::uint8_t>> s) {
    DecorazioniGriglia d;
    d.segni = s;
    return d;
}

}  // namespace

Q_DECLARE_METATYPE(Casella)
Q_DECLARE_METATYPE(StatoVista)

class VistaGrigliaTest : public QObject, private prova::BancoVista {
    Q_OBJECT

    prova::Pitture pitture_;

    void disponi(const DecorazioniGriglia& d = {}) {
        vista->resize(200, 150);
        vista->disponi(area, d);
    }
    // Shown and painted once whole; what comes after is the change's.
    void mostra(const DecorazioniGriglia& d = {}) {
        disponi(d);
        vista->installEventFilter(&pitture_);
        vista->show();
        QVERIFY(QTest::qWaitForWindowExposed(vista.get()));
        QTRY_VERIFY(pitture_.volte > 0);
        pitture_.azzera();
    }

    // What the view paints for `regione`, over a colour it never uses, the region's corner at
    // the image's.
    QImage dipinta(const QRegion& regione) {
        QImage immagine(vista->size(), QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::magenta);
        vista->render(&immagine, QPoint(), regione, {});
        return immagine;
    }
    QRect interno(Casella k) { return vista->rettangoloCella(k).adjusted(1, 1, 0, 0); }
    // The cell's inside painted alone, as a letter asks: from the kept images.
    QImage daiTenuti(Casella k) { return dipinta(interno(k)).copy(QRect(QPoint(), interno(k).size())); }
    // The same pixels from a paint of the whole view, which never uses them.
    QImage afresco(Casella k) { return dipinta(vista->rect()).copy(interno(k)); }

private slots:
    void init() {
        crea();
        pitture_.azzera();
    }
    void cleanup() { chiudi(); }

    // The cell under a point at the grid's first pixel (the rounding, the edges and no grid at
    // all are the hover's test). A senza schema leaves a cell's room for its row and column
    // numbers: 44-pixel cells from (56, 52), and a point in the margins is in no cell.
    void cellaSottoUnPunto_data() {
        QTest::addColumn<bool>("margini");
        QTest::addColumn<QPointF>("punto");
        QTest::addColumn<int>("colonna");  // 0: no cell
        QTest::addColumn<int>("riga");
        QTest::newRow("first pixel") << false << QPointF(8, 13) << 1 << 1;
        QTest::newRow("margins: a row's number") << true << QPointF(30, 60) << 0 << 0;
    }
    void cellaSottoUnPunto() {
        QFETCH(bool, margini);
        QFETCH(QPointF, punto);
        QFETCH(int, colonna);
        QFETCH(int, riga);
        if (margini) apri(senzaSchema, "s.ipuz");
        disponi();
        QCOMPARE(vista->rettangoloCella({1, 1}), margini ? QRect(56, 52, 44, 44) : QRect(8, 13, 61, 61));
        QCOMPARE(vista->cellaIn(punto).value_or(Casella{}), (Casella{colonna, riga}));
    }

    void unoSpostamentoRidipingeLeDueParole() {
        // The across word with its first cell current, then the first down word with its last.
        mostra(segni({{{1, 1}, segnoCasellaCorrente}, {{2, 1}, segnoParolaCorrente}, {{3, 1}, segnoParolaCorrente}}));
        vista->disponi(area, segni({{{1, 1}, segnoParolaCorrente}, {{1, 2}, segnoCasellaCorrente}}));
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(8, 13, 184, 62) + QRegion(8, 74, 62, 62));
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
        vista->disponi(area, d);
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(vista->rect()));
    }

    // The view paints, cell by cell, what the grid's painter paints in one pass over the whole: all
    // of it, a cell painted alone outline and all, and a region of apart pieces, whether it is
    // painted piece by piece (the insides of a few cells) or, past many pieces, in one pass under
    // its own clip.
    void comeIlDisegnoInteroDellaGriglia_data() {
        QTest::addColumn<QRegion>("regione");
        QTest::newRow("tutta") << QRegion(0, 0, 200, 150);
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
    void comeIlDisegnoInteroDellaGriglia() {
        QFETCH(QRegion, regione);
        const DecorazioniGriglia d = segni({{{3, 1}, segnoCasellaCorrente}, {{1, 2}, segnoLetteraRivelata}});
        QVERIFY(sessione->scrivi({{1, 1, "O"}, {3, 1, "A"}, {3, 2, "E"}}));
        mostra(d);
        QImage intera(vista->size(), QImage::Format_RGB32);
        {
            QPainter p(&intera);
            p.setRenderHint(QPainter::TextAntialiasing);
            SuperficieQt sup(p, 200, 150, vista->sfondo());
            disegnaGriglia(sessione->documento(), sessione->impostazioni().valori(), sup, area, d);
        }
        QImage parte(vista->size(), QImage::Format_RGB32);
        parte.fill(Qt::magenta);
        vista->render(&parte, regione.boundingRect().topLeft(), regione);
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

    // A cell painted after its twin, which differs in one thing only: had the kept image
    // left that thing out, the cell would show its twin's look.
    void unaCellaNonPrendeLaSuaGemella_data() {
        QTest::addColumn<Casella>("cella");
        QTest::addColumn<Casella>("gemella");
        QTest::addColumn<std::string>("letteraGemella");
        QTest::newRow("a given letter after the same one typed") << Casella{2, 1} << Casella{2, 2} << std::string("R");
        QTest::newRow("a circle") << Casella{3, 1} << Casella{3, 2} << std::string();
        QTest::newRow("the bar of the cell above") << Casella{4, 2} << Casella{3, 2} << std::string();
        QTest::newRow("shading") << Casella{1, 2} << Casella{2, 2} << std::string();
    }
    void unaCellaNonPrendeLaSuaGemella() {
        QFETCH(Casella, cella);
        QFETCH(Casella, gemella);
        QFETCH(std::string, letteraGemella);
        apri(schemaInterni, "i.ipuz");
        disponi();
        if (!letteraGemella.empty()) QVERIFY(sessione->scrivi({{gemella.colonna, gemella.riga, letteraGemella}}));
        const QImage diGemella = daiTenuti(gemella);
        QCOMPARE(vista->interniTenuti(), size_t{1});
        const QImage tenuta = daiTenuti(cella);
        QCOMPARE(vista->interniTenuti(), size_t{2});
        QVERIFY(tenuta != diGemella);
        QCOMPARE(tenuta, afresco(cella));
    }

    // One input changed: the cell painted from the kept images shows the change, and looks as a
    // fresh paint of it.
    // (Each mark is one bit of the same field: one mark stands for them all.)
    void ogniCambioSiVede_data() {
        QTest::addColumn<StatoVista>("dopo");
        QTest::newRow("another letter") << StatoVista{"F"};
        QTest::newRow("the letter in pencil") << StatoVista{"E", true};
        QTest::newRow("a wrong letter") << StatoVista{"E", false, segnoLetteraSbagliata};
        QTest::newRow("the dark look") << StatoVista{"E", false, 0, Aspetto::scuro};
        QTest::newRow("another cell size") << StatoVista{"E", false, 0, Aspetto::normale, 260};
    }
    void ogniCambioSiVede() {
        QFETCH(StatoVista, dopo);
        apri(schemaInterni, "i.ipuz");
        imposta({2, 2}, {"E"});
        const QImage vecchia = daiTenuti({2, 2});
        imposta({2, 2}, dopo);
        const QImage nuova = daiTenuti({2, 2});
        QVERIFY(nuova != vecchia);
        QCOMPARE(nuova, afresco({2, 2}));
    }

};

QTEST_MAIN(VistaGrigliaTest)
#include "vista_griglia_test.moc"
