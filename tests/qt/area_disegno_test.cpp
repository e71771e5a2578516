// The drawing area: what it shows is what the painter draws on an image at the screen's
// density, text measured the same; a clear empties it, a resize keeps it.
#include <QScreen>
#include <QtTest>
#include <functional>

#include "qt/area_disegno.h"
#include "qt/superficie_qt.h"

using namespace quadrivo;

namespace {

using Disegno = std::function<void(Superficie&)>;

// Six cells with letters and numbers; `corrente` gets the yellow fill, '.' no letter.
Disegno griglia(std::string lettere, int corrente = -1, std::string font = "DejaVu Sans") {
    return [=](Superficie& s) {
        s.pulisci();
        s.rettangoloPieno(8, 8, 252, 52, bianco);
        for (int i = 0; i < int(lettere.size()); ++i) {
            const double x = 10 + 40 * i;
            s.rettangolo(x, 10, x + 40, 50, nero);
            if (i == corrente) s.rettangoloPieno(x + 1, 11, x + 39, 49, giallo);
            const char l = lettere[std::size_t(i)];
            s.impostaCarattere({font, 16, i == 2, i == 3});
            if (l != '.') s.CurrentX = x + 12.5, s.CurrentY = 18, s.stampa(std::string(1, l));
            s.impostaCarattere({font, 7});
            s.CurrentX = x + 2, s.CurrentY = 11, s.stampa(std::to_string(i + 1));
        }
    };
}

// `d` as the painter draws it on an image like the area's backing one (the screen's density and
// dots per inch); `misura` gets the painter's surface after it.
QImage dipinta(const AreaDisegno& area, const Disegno& d, const std::function<void(SuperficieQt&)>& misura = {}) {
    const qreal dpr = area.devicePixelRatioF(), dpm = std::lround(area.screen()->logicalDotsPerInch() / 0.0254);
    QImage i(QSize(std::ceil(area.width() * dpr), std::ceil(area.height() * dpr)), QImage::Format_RGB32);
    i.setDevicePixelRatio(dpr), i.setDotsPerMeterX(dpm), i.setDotsPerMeterY(dpm);
    QPainter p(&i);
    p.setRenderHint(QPainter::TextAntialiasing);
    SuperficieQt qt(p, area.width(), area.height(), area.sfondo());
    d(qt);
    if (misura) misura(qt);
    return i;
}

}  // namespace

class ProvaAreaDisegno : public QObject {
    Q_OBJECT
private slots:
    void replaysAsThePainterDrawsAndMeasuresTheSame() {
        AreaDisegno area;
        area.resize(300, 80);
        // Seventy sizes, ten at a time on screen: the fonts no stroke uses any more are dropped
        // on the way, those in use must stay right.
        const Disegno molteFonti = [](Superficie& s) {
            for (int i = 0; i < 70; ++i) {
                if (i % 10 == 0) s.pulisci();
                s.impostaCarattere({"DejaVu Sans", 6 + i / 4.0});
                s.CurrentX = 5 + (i % 10) * 28, s.CurrentY = 10, s.stampa("A");
            }
        };
        for (const Disegno& d : {molteFonti, griglia("QUADRI", 2)}) {
            d(area.superficie());
            QCOMPARE(area.immagine(), dipinta(area, d));
        }
        Superficie& a = area.superficie();
        dipinta(area, griglia(""), [&](SuperficieQt& qt) {
            for (const std::string t : {"W", "Ìl migliore", "12"})
                for (double punti : {7.0, 16.0, 0.0}) {
                    for (Superficie* s : {&a, static_cast<Superficie*>(&qt)}) s->impostaCarattere({"DejaVu Sans", punti, true});
                    QCOMPARE(std::pair(a.larghezzaTesto(t), a.altezzaTesto(t)), std::pair(qt.larghezzaTesto(t), qt.altezzaTesto(t)));
                }
        });
    }

    void aClearEmptiesItAndAResizeKeepsWhatWasDrawn() {
        AreaDisegno area;
        area.resize(300, 80);
        griglia("CASA..", 1)(area.superficie());
        QVERIFY(!area.vuota());
        const QImage prima = area.immagine();
        area.resize(400, 100);
        // The new room is background, the old part unchanged.
        QCOMPARE(area.immagine().copy(QRect(QPoint(0, 0), prima.size())), prima);
        QCOMPARE(area.immagine().pixelColor(area.immagine().width() - 1, area.immagine().height() - 1), area.sfondo());
        area.superficie().pulisci();
        QVERIFY(area.vuota());
        QCOMPARE(area.immagine().pixelColor(50, 50), area.sfondo());
    }
};

QTEST_MAIN(ProvaAreaDisegno)
#include "area_disegno_test.moc"
