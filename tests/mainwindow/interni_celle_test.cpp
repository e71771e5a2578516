// The grid's view keeps each cell's inside as an image, by what the cell shows: a cell painted
// from them must look as the same cell painted afresh, whatever changed since.
#include <QPainter>
#include <QtTest>
#include <utility>

#include "mainwindow/gui/vista_griglia.h"
#include "model/piattaforma_registro.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// 4 x 2, all white: a given R at (2, 1), a circle at (3, 1), a bar under (4, 1) that reaches
// into (4, 2), shading at (1, 2). Only the first cell has a number. Plain strings with ' for ":
// moc cannot read a raw string.
const std::string schema =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword#1'],"
    " 'dimensions': {'width': 4, 'height': 2},"
    " 'puzzle': [[1, {'cell': 0, 'value': 'R'}, {'cell': 0, 'style': {'shapebg': 'circle'}},"
    "             {'cell': 0, 'style': {'barred': 'B'}}],"
    "            [{'cell': 0, 'style': {'highlight': true}}, 0, 0, 0]],"
    " 'solution': [['O', 'R', 'A', 'E'], ['N', 'E', 'T', 'A']],"
    " 'clues': {'Across': [[1, 'Prova']]}}";

constexpr AreaFinestra area{200, 150, 0, 0};

struct CellaProva {
    std::string lettera;  // typed into (2, 2)
    bool matita = false;
    std::uint8_t segno = 0;  // on (2, 2)
    Aspetto aspetto = Aspetto::normale;
    int larghezza = 200;
};

}  // namespace

Q_DECLARE_METATYPE(Casella)

class InterniCelleTest : public QObject {
    Q_OBJECT

    prova::CartellaTemporanea cartella_;
    PiattaformaRegistro piattaforma_;
    std::unique_ptr<Sessione> sessione_;
    std::unique_ptr<VistaGriglia> vista_;

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
        sessione_->impostaFileLavoro(cartella_.percorso("qdv_interni.tmp"));
        const QString json = QString::fromStdString(schema).replace('\'', '"');
        QCOMPARE(sessione_->apri(cartella_.scrivi("p.ipuz", json.toStdString())), EsitoApertura::ok);
        vista_ = std::make_unique<VistaGriglia>(*sessione_);
        vista_->resize(200, 150);
        vista_->disponi(area, {});
    }
    void cleanup() {
        vista_.reset();
        sessione_.reset();
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
    void ogniCambioSiVede_data() {
        QTest::addColumn<int>("indice");
        QTest::newRow("another letter") << 0;
        QTest::newRow("the letter in pencil") << 1;
        QTest::newRow("the current cell") << 2;
        QTest::newRow("the current word") << 3;
        QTest::newRow("a wrong letter") << 4;
        QTest::newRow("a revealed letter") << 5;
        QTest::newRow("the dark look") << 6;
        QTest::newRow("the high contrast look, on the current word") << 7;
        QTest::newRow("another cell size") << 8;
        QTest::newRow("the letter taken away") << 9;
    }
    void ogniCambioSiVede() {
        QFETCH(int, indice);
        const std::pair<CellaProva, CellaProva> cambi[] = {
            {{"E"}, {"F"}},
            {{"E"}, {"E", true}},
            {{"E"}, {"E", false, segnoCasellaCorrente}},
            {{"E"}, {"E", false, segnoParolaCorrente}},
            {{"E"}, {"E", false, segnoLetteraSbagliata}},
            {{"E"}, {"E", false, segnoLetteraRivelata}},
            {{"E"}, {"E", false, 0, Aspetto::scuro}},
            {{"E", false, segnoParolaCorrente}, {"E", false, segnoParolaCorrente, Aspetto::altoContrasto}},
            {{"E"}, {"E", false, 0, Aspetto::normale, 260}},
            {{"E"}, {""}},
        };
        const auto& [prima, dopo] = cambi[indice];
        imposta(prima);
        const QImage vecchia = daiTenuti({2, 2});
        imposta(dopo);
        const QImage nuova = daiTenuti({2, 2});
        QVERIFY(nuova != vecchia);
        QCOMPARE(nuova, afresco({2, 2}));
    }

    // Back to the first state, the first image serves again and still matches.
    void ilPrimoStatoTornaUguale_data() {
        QTest::addColumn<int>("larghezza");
        QTest::newRow("same size") << 200;
        QTest::newRow("after another size") << 260;
    }
    void ilPrimoStatoTornaUguale() {
        QFETCH(int, larghezza);
        imposta({"E"});
        const QImage vecchia = daiTenuti({2, 2});
        imposta({"F", false, 0, Aspetto::normale, larghezza});
        daiTenuti({2, 2});
        imposta({"E"});
        QCOMPARE(daiTenuti({2, 2}), vecchia);
    }

    // A codeword's letter paints the same content in many cells: one image serves them all.
    void celleUgualiUnaSolaImmagine() {
        for (const Casella k : {Casella{2, 2}, Casella{3, 2}}) QVERIFY(sessione_->scrivi({{k.colonna, k.riga, "T"}}));
        daiTenuti({2, 2});
        daiTenuti({3, 2});
        QCOMPARE(vista_->interniTenuti(), size_t{1});
        QCOMPARE(daiTenuti({3, 2}), afresco({3, 2}));
    }

    // A changed window background reaches only cells at the grid's edge; kept or not, the
    // cells show it as a fresh paint does.
    void loSfondoCambiato() {
        daiTenuti({1, 1});
        vista_->impostaSfondo(QColor(10, 20, 30));
        QCOMPARE(daiTenuti({1, 1}), afresco({1, 1}));
    }
};

QTEST_MAIN(InterniCelleTest)
#include "interni_celle_test.moc"
