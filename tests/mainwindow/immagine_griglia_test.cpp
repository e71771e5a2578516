// The grid's view on screen keeps a picture of itself per size and look, and a resize back to a
// size seen before copies it: what shows must be what a fresh paint shows, whatever changed at
// the other size.
#include <QBackingStore>
#include <QtTest>
#include <vector>

#include "supporto/vista.h"

using namespace quadrivo;
using prova::StatoVista;

namespace {

// The letter and the marks on (2, 1).
StatoVista momento(int larghezza, std::string lettera = {}, std::uint8_t segno = 0, Aspetto aspetto = Aspetto::normale) {
    return {std::move(lettera), false, segno, aspetto, larghezza};
}

}  // namespace

Q_DECLARE_METATYPE(std::vector<StatoVista>)

class ImmagineGrigliaTest : public QObject, private prova::BancoVista {
    Q_OBJECT

    // The view's pixels as the window shows them: its backing store.
    QImage schermo() const {
        QBackingStore* negozio = vista->backingStore();
        if (!negozio || negozio->paintDevice()->devType() != QInternal::Image) return {};
        const auto* pixel = static_cast<const QImage*>(negozio->paintDevice());
        return pixel->copy(vista->rect()).convertToFormat(QImage::Format_RGB32);
    }
    // The same painted afresh: a render never uses the kept pictures.
    QImage afresco() const {
        QImage immagine(vista->size(), QImage::Format_RGB32);
        immagine.fill(Qt::magenta);
        vista->render(&immagine, QPoint(), vista->rect(), {});
        return immagine;
    }
    // Each state in turn, each shown as a fresh paint shows it.
    void mostraInTurno(const std::vector<StatoVista>& stati) {
        QTRY_COMPARE(schermo(), afresco());
        for (const StatoVista& s : stati) {
            imposta({2, 1}, s);
            QTRY_COMPARE(schermo(), afresco());
        }
    }

private slots:
    void init() {
        crea();
        imposta({2, 1}, momento(200));
        vista->show();
        QVERIFY(QTest::qWaitForWindowExposed(vista.get()));
    }
    void cleanup() { chiudi(); }

    // Each state is shown in turn; what the last one shows is a fresh paint of it.
    void comeUnaPitturaNuova_data() {
        QTest::addColumn<std::vector<StatoVista>>("stati");
        // Three sizes: the oldest picture goes, and neither kept one shows another's.
        QTest::newRow("a third size") << std::vector{momento(260), momento(320), momento(200), momento(260)};
        QTest::newRow("a letter typed at the other size") << std::vector{momento(260), momento(260, "E"), momento(200, "E")};
        QTest::newRow("the current cell at the other size")
            << std::vector{momento(260), momento(260, "", segnoCasellaCorrente), momento(200, "", segnoCasellaCorrente)};
        QTest::newRow("another look at the other size")
            << std::vector{momento(260), momento(260, "", 0, Aspetto::scuro), momento(200, "", 0, Aspetto::scuro), momento(200)};
    }
    void comeUnaPitturaNuova() {
        QFETCH(std::vector<StatoVista>, stati);
        mostraInTurno(stati);
        QCOMPARE(vista->size(), QSize(stati.back().larghezza, 150));
    }

    // Another puzzle: no picture of the one before serves.
    void unNuovoSchemaLeToglie() {
        QTRY_COMPARE(vista->immaginiTenute(), size_t{1});
        apri(prova::schemaOra, "altro.ipuz");
        QCOMPARE(vista->immaginiTenute(), size_t{0});
    }
};

QTEST_MAIN(ImmagineGrigliaTest)
#include "immagine_griglia_test.moc"
