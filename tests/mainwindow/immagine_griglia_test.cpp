// The grid's view on screen keeps a picture of itself per size and look, and a resize back to a
// size seen before copies it: what shows must be what a fresh paint shows, whatever changed at
// the other size.
#include <QBackingStore>
#include <QtTest>
#include <vector>

#include "mainwindow/gui/vista_griglia.h"
#include "model/piattaforma_registro.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

using namespace quadrivo;

namespace {

// 3 x 2 with a black square, a circle at (3, 1). Plain strings with ' for ": moc cannot read a
// raw string.
const std::string schema =
    "{'version': 'http://ipuz.org/v2', 'kind': ['http://ipuz.org/crossword#1'],"
    " 'dimensions': {'width': 3, 'height': 2},"
    " 'puzzle':   [[1, 2, {'cell': 3, 'style': {'shapebg': 'circle'}}], [4, '#', 5]],"
    " 'solution': [['O', 'R', 'A'], ['N', '#', 'E']],"
    " 'clues': {'Across': [[1, 'Adesso']], 'Down': [[1, 'Uno'], [3, 'Due']]}}";

// One state of the view: its width (150 high), the letter in (2, 1), the marks on (3, 2).
struct Momento {
    int larghezza = 200;
    std::string lettera;
    std::uint8_t segno = 0;
    Aspetto aspetto = Aspetto::normale;
};
Momento momento(int larghezza, std::string lettera = {}, std::uint8_t segno = 0, Aspetto aspetto = Aspetto::normale) {
    return {larghezza, std::move(lettera), segno, aspetto};
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<Momento>)
Q_DECLARE_METATYPE(std::vector<int>)

class ImmagineGrigliaTest : public QObject {
    Q_OBJECT

    prova::CartellaTemporanea cartella_;
    PiattaformaRegistro piattaforma_;
    std::unique_ptr<Sessione> sessione_;
    std::unique_ptr<VistaGriglia> vista_;

    void apri() {
        const QString json = QString::fromStdString(schema).replace('\'', '"');
        QCOMPARE(sessione_->apri(cartella_.scrivi("p.ipuz", json.toStdString())), EsitoApertura::ok);
    }
    void imposta(const Momento& s) {
        if (sessione_->cruciverba().cella(2, 1).voce != s.lettera) QVERIFY(sessione_->scrivi({{2, 1, s.lettera}}));
        DecorazioniGriglia d;
        if (s.segno) d.segni[{3, 2}] = s.segno;
        d.aspetto = s.aspetto;
        vista_->resize(s.larghezza, 150);
        vista_->disponi({static_cast<double>(s.larghezza), 150, 0, 0}, d);
    }
    // The view's pixels as the window shows them: its backing store.
    QImage schermo() const {
        QBackingStore* negozio = vista_->backingStore();
        if (!negozio || negozio->paintDevice()->devType() != QInternal::Image) return {};
        const auto* pixel = static_cast<const QImage*>(negozio->paintDevice());
        return pixel->copy(vista_->rect()).convertToFormat(QImage::Format_RGB32);
    }
    // The same painted afresh: a render never uses the kept pictures.
    QImage afresco() const {
        QImage immagine(vista_->size(), QImage::Format_RGB32);
        immagine.fill(Qt::magenta);
        vista_->render(&immagine, QPoint(), vista_->rect(), {});
        return immagine;
    }

private slots:
    void init() {
        sessione_ = std::make_unique<Sessione>(Cartelle{}, piattaforma_, cartella_.percorso("dati"));
        sessione_->impostaFileLavoro(cartella_.percorso("qdv_immagine.tmp"));
        apri();
        vista_ = std::make_unique<VistaGriglia>(*sessione_);
        imposta(momento(200));
        vista_->show();
        QVERIFY(QTest::qWaitForWindowExposed(vista_.get()));
    }
    void cleanup() {
        vista_.reset();
        sessione_.reset();
    }

    // Each state is shown in turn; what the last one shows is a fresh paint of it.
    void comeUnaPitturaNuova_data() {
        QTest::addColumn<std::vector<Momento>>("stati");
        const Momento scritta = momento(200, "E"), altraScritta = momento(260, "E");
        QTest::newRow("back to the first size") << std::vector<Momento>{momento(260), momento(200)};
        QTest::newRow("a letter typed at the other size") << std::vector<Momento>{momento(260), altraScritta, scritta};
        QTest::newRow("a letter taken away at the other size")
            << std::vector<Momento>{scritta, altraScritta, momento(260), momento(200)};
        QTest::newRow("a letter typed before, then both sizes") << std::vector<Momento>{scritta, altraScritta, scritta};
        QTest::newRow("the current cell at the other size")
            << std::vector<Momento>{momento(260), momento(260, "", segnoCasellaCorrente), momento(200, "", segnoCasellaCorrente)};
        QTest::newRow("the current cell gone at the other size")
            << std::vector<Momento>{momento(200, "", segnoParolaCorrente), momento(260, "", segnoParolaCorrente), momento(260), momento(200)};
        QTest::newRow("another look at the other size")
            << std::vector<Momento>{momento(260), momento(260, "", 0, Aspetto::scuro), momento(200, "", 0, Aspetto::scuro), momento(200)};
        QTest::newRow("a third size") << std::vector<Momento>{momento(260), momento(320), altraScritta, momento(200)};
    }
    void comeUnaPitturaNuova() {
        QFETCH(std::vector<Momento>, stati);
        QTRY_COMPARE(schermo(), afresco());
        for (const Momento& s : stati) {
            imposta(s);
            QTRY_COMPARE(schermo(), afresco());
        }
        QCOMPARE(vista_->size(), QSize(stati.back().larghezza, 150));
    }

    // One picture per size and look seen, two at most.
    void quanteImmagini_data() {
        QTest::addColumn<std::vector<int>>("larghezze");
        QTest::addColumn<size_t>("tenute");
        QTest::newRow("one size") << std::vector<int>{} << size_t{1};
        QTest::newRow("two sizes") << std::vector<int>{260} << size_t{2};
        QTest::newRow("three sizes") << std::vector<int>{260, 320} << size_t{2};
        QTest::newRow("back and forth") << std::vector<int>{260, 200, 260} << size_t{2};
    }
    void quanteImmagini() {
        QFETCH(std::vector<int>, larghezze);
        QFETCH(size_t, tenute);
        QTRY_COMPARE(schermo(), afresco());
        for (const int l : larghezze) {
            imposta(momento(l));
            QTRY_COMPARE(schermo(), afresco());
        }
        QCOMPARE(vista_->immaginiTenute(), tenute);
    }

    // Another puzzle: no picture of the one before serves.
    void unNuovoSchemaLeToglie() {
        QTRY_COMPARE(vista_->immaginiTenute(), size_t{1});
        apri();
        QCOMPARE(vista_->immaginiTenute(), size_t{0});
    }
};

QTEST_MAIN(ImmagineGrigliaTest)
#include "immagine_griglia_test.moc"
