// The grid's view on its own, over a real session: which cell a point falls in, which pixels a
// change asks to paint again, and the images it keeps of the cells' insides, which must look as
// a fresh paint does whatever changed since.
#include <QPainter>
#include <QtTest>
#include <utility>

#include "mainwindow/gui/vista_griglia.h"
#include "model/piattaforma_registro.h"
#include "qt/superficie_qt.h"
#include "sessione/sessione.h"
#include "supporto/pitture.h"
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

struct CellaProva {
    std::string lettera;  // typed into (2, 2)
    bool matita = false;
    std::uint8_t segno = 0;  // on (2, 2)
    Aspetto aspetto = Aspetto::normale;
    int larghezza = 200;
};

DecorazioniGriglia segni(std::initializer_list<std::pair<const Casella, std::uint8_t>> s) {
    DecorazioniGriglia d;
    d.segni = s;
    return d;
}

}  // namespace

Q_DECLARE_METATYPE(Casella)
Q_DECLARE_METATYPE(CellaProva)

class VistaGrigliaTest : public QObject {
    Q_OBJECT

    prova::CartellaTemporanea cartella_;
    PiattaformaRegistro piattaforma_;
    std::unique_ptr<Sessione> sessione_;
    std::unique_ptr<VistaGriglia> vista_;
    prova::Pitture pitture_;

    // The puzzle written as `json`, its ' for ", in the file `nome`.
    void apri(const std::string& json, const std::string& nome) {
        const QString testo = QString::fromStdString(json).replace('\'', '"');
        QCOMPARE(sessione_->apri(cartella_.scrivi(nome, testo.toStdString())), EsitoApertura::ok);
    }
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

    // Cell (2, 2) and the view as `s` asks.
    void imposta(const CellaProva& s) {
        if (sessione_->cruciverba().cella(2, 2).voce != s.lettera || sessione_->cruciverba().cella(2, 2).matita != s.matita)
            QVERIFY(sessione_->scrivi({{2, 2, s.lettera, s.matita}}));
        DecorazioniGriglia d;
        if (s.segno) d.segni[{2, 2}] = s.segno;
        d.aspetto = s.aspetto;
        vista_->resize(s.larghezza, 150);
        vista_->disponi({static_cast<double>(s.larghezza), 150, 0, 0}, d);
    }
    // What the view paints for `regione`, over a colour it never uses, the region's corner at
    // the image's.
    QImage dipinta(const QRegion& regione) {
        QImage immagine(vista_->size(), QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::magenta);
        vista_->render(&immagine, QPoint(), regione, {});
        return immagine;
    }
    QRect interno(Casella k) { return vista_->rettangoloCella(k).adjusted(1, 1, 0, 0); }
    // The cell's inside painted alone, as a letter asks: from the kept images.
    QImage daiTenuti(Casella k) { return dipinta(interno(k)).copy(QRect(QPoint(), interno(k).size())); }
    // The same pixels from a paint of the whole view, which never uses them.
    QImage afresco(Casella k) { return dipinta(vista_->rect()).copy(interno(k)); }

private slots:
    void init() {
        sessione_ = std::make_unique<Sessione>(Cartelle{}, piattaforma_, cartella_.percorso("dati"));
        sessione_->impostaFileLavoro(cartella_.percorso("qdv_vista.tmp"));
        apri(schema, "p.ipuz");
        vista_ = std::make_unique<VistaGriglia>(*sessione_);
        pitture_.azzera();
    }
    void cleanup() {
        vista_.reset();
        sessione_.reset();
    }

    // The cell under a point, at the grid's edges (the rounding is the hover's test). A senza
    // schema leaves a cell's room for its row and column numbers: 44-pixel cells from (56, 52),
    // and a point in the margins is in no cell.
    void cellaSottoUnPunto_data() {
        QTest::addColumn<bool>("margini");
        QTest::addColumn<QPointF>("punto");
        QTest::addColumn<int>("colonna");  // 0: no cell
        QTest::addColumn<int>("riga");
        QTest::newRow("first pixel") << false << QPointF(8, 13) << 1 << 1;
        QTest::newRow("left of the grid") << false << QPointF(7, 13) << 0 << 0;
        QTest::newRow("last pixel of the grid") << false << QPointF(190, 134) << 3 << 2;
        QTest::newRow("a black square is a cell") << false << QPointF(100, 100) << 2 << 2;
        QTest::newRow("margins: a row's number") << true << QPointF(30, 60) << 0 << 0;
    }
    void cellaSottoUnPunto() {
        QFETCH(bool, margini);
        QFETCH(QPointF, punto);
        QFETCH(int, colonna);
        QFETCH(int, riga);
        if (margini) apri(senzaSchema, "s.ipuz");
        disponi();
        QCOMPARE(vista_->rettangoloCella({1, 1}), margini ? QRect(56, 52, 44, 44) : QRect(8, 13, 61, 61));
        QCOMPARE(vista_->cellaIn(punto).value_or(Casella{}), (Casella{colonna, riga}));
    }

    void senzaPostoNessunaCella() {
        disponi();
        vista_->togliGriglia();
        QCOMPARE(vista_->cellaIn(QPointF(20, 20)), std::optional<Casella>{});
        QCOMPARE(vista_->rettangoloCella({1, 1}), QRect());
    }

    void unoSpostamentoRidipingeLeDueParole() {
        // The across word with its first cell current, then the first down word with its last.
        mostra(segni({{{1, 1}, segnoCasellaCorrente}, {{2, 1}, segnoParolaCorrente}, {{3, 1}, segnoParolaCorrente}}));
        vista_->disponi(area, segni({{{1, 1}, segnoParolaCorrente}, {{1, 2}, segnoCasellaCorrente}}));
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
        vista_->disponi(area, d);
        QTRY_VERIFY(pitture_.volte > 0);
        QCOMPARE(pitture_.regione, QRegion(vista_->rect()));
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
        QVERIFY(sessione_->scrivi({{1, 1, "O"}, {3, 1, "A"}, {3, 2, "E"}}));
        mostra(d);
        QImage intera(vista_->size(), QImage::Format_RGB32);
        {
            QPainter p(&intera);
            p.setRenderHint(QPainter::TextAntialiasing);
            SuperficieQt sup(p, 200, 150, vista_->sfondo());
            disegnaGriglia(sessione_->documento(), sessione_->impostazioni().valori(), sup, area, d);
        }
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
        if (!letteraGemella.empty()) QVERIFY(sessione_->scrivi({{gemella.colonna, gemella.riga, letteraGemella}}));
        const QImage diGemella = daiTenuti(gemella);
        QCOMPARE(vista_->interniTenuti(), size_t{1});
        const QImage tenuta = daiTenuti(cella);
        QCOMPARE(vista_->interniTenuti(), size_t{2});
        QVERIFY(tenuta != diGemella);
        QCOMPARE(tenuta, afresco(cella));
    }

    // One input changed: the cell painted from the kept images shows the change, and looks as a
    // fresh paint of it.
    // (Each mark is one bit of the same field: one mark stands for them all.)
    void ogniCambioSiVede_data() {
        QTest::addColumn<CellaProva>("dopo");
        QTest::newRow("another letter") << CellaProva{"F"};
        QTest::newRow("the letter in pencil") << CellaProva{"E", true};
        QTest::newRow("a wrong letter") << CellaProva{"E", false, segnoLetteraSbagliata};
        QTest::newRow("the dark look") << CellaProva{"E", false, 0, Aspetto::scuro};
        QTest::newRow("another cell size") << CellaProva{"E", false, 0, Aspetto::normale, 260};
    }
    void ogniCambioSiVede() {
        QFETCH(CellaProva, dopo);
        apri(schemaInterni, "i.ipuz");
        imposta({"E"});
        const QImage vecchia = daiTenuti({2, 2});
        imposta(dopo);
        const QImage nuova = daiTenuti({2, 2});
        QVERIFY(nuova != vecchia);
        QCOMPARE(nuova, afresco({2, 2}));
    }

};

QTEST_MAIN(VistaGrigliaTest)
#include "vista_griglia_test.moc"
