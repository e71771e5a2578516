// The main window's smaller promises: the looks keep every icon and indicator readable and the
// current cell where it was, System Info, and Backspace on an empty cell changing nothing.
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "dialogs/gui/finestra_informazioni.h"
#include "formats/trmo.h"
#include "solving/dizionario_prova.h"
#include "supporto/finestre.h"

using namespace quadrivo;

namespace {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrasto(const QColor& a, const QColor& b) {
    const auto luce = [](const QColor& c) {
        const auto lineare = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lineare(c.redF()) + 0.7152 * lineare(c.greenF()) + 0.0722 * lineare(c.blueF());
    };
    const double x = luce(a), y = luce(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The pixels of an icon painted over `fondo` that stand clearly apart from it.
int pixelVisibili(const QIcon& icona, const QColor& fondo) {
    QImage immagine(24, 24, QImage::Format_ARGB32);
    immagine.fill(fondo);
    {
        QPainter p(&immagine);
        icona.paint(&p, immagine.rect());
    }
    int visibili = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) visibili += contrasto(immagine.pixelColor(x, y), fondo) >= 3;
    return visibili;
}

}  // namespace

class AspettoTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;

    QString lineaDefinizione() { return prova::figlio<QLabel>(&*b->f, "RigaDefinizione")->text(); }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        testi.clear(), titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo({"CASA", "A#RE"}, {}, {rigaDefinizione(1, 1, Direzione::orizzontale, "Abitazione")})));
    }
    void cleanup() {
        b->esegui("MenuAspetto1");
        b.reset();
    }

    void looksKeepIconsIndicatorsAndTheCurrentCell() {
        b->clic(b->cella(2, 1));
        const Posizione prima = b->pos();
        QTRY_VERIFY(lineaDefinizione().contains("Abitazione"));
        const QString riga = lineaDefinizione();
        for (const char* aspetto : {"MenuAspetto3", "MenuAspetto2", "MenuAspetto3"}) {
            b->esegui(aspetto);
            QTRY_COMPARE(b->pos(), prima);
            QCOMPARE(lineaDefinizione(), riga);
        }
        // Scuro: every toolbar image shows on the dark window; black squares stand apart from
        // empty cells.
        const QColor finestra = QApplication::palette().color(QPalette::Window);
        QVERIFY(finestra.lightness() < 60);
        int icone = 0;
        for (QToolButton* a : b->f->findChildren<QToolButton*>())
            if (a->objectName().startsWith("pulsante") && !a->icon().isNull()) {
                ++icone;
                QVERIFY2(pixelVisibili(a->icon(), finestra) >= 40, qPrintable(a->objectName()));
            }
        QVERIFY(icone >= 9);
        QTRY_VERIFY(contrasto(b->pixel(b->cella(2, 2).x(), b->cella(2, 2).y()),
                              b->pixel(b->cella(3, 2).x(), b->cella(3, 2).y())) >= 3);
        // Alto contrasto: an indicator that is off is drawn apart from one that is on.
        b->esegui("MenuAspetto2");
        const QPalette p = QApplication::palette();
        QVERIFY(contrasto(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Active, QPalette::WindowText)) >= 3);
        QVERIFY(contrasto(p.color(QPalette::Disabled, QPalette::WindowText), p.color(QPalette::Window)) >= 3);
    }

    void systemInfoTellsVersionsFoldersAndDictionaries() {
        rispondi("OK");
        prova::AlProssimoModale<FinestraInformazioni> informazioni([](FinestraInformazioni* d) {
            d->pulsanteInfoSistema->click();
            d->accept();
        });
        b->esegui("azioneInfo");
        QTRY_VERIFY(informazioni.eseguita());
        QTRY_VERIFY(risposta->eseguita());
        QCOMPARE(titoli.value(0), QString("Informazioni di sistema"));
        for (const char* parte : {"Qt ", "Cartelle in uso:", "Copie di lavoro: ", "Dizionari caricati:"})
            QVERIFY2(testi.value(0).contains(parte), parte);
    }

    void backspaceOnAnEmptyCellChangesNothing() {
        b->clic(b->cella(1, 1));
        for (int i = 0; i < 3; ++i) b->tasto(Qt::Key_Backspace);
        QVERIFY(!b->f->sessione().modificato());
        QVERIFY(!prova::titoloMostrato(*b->f).startsWith("*"));
    }
};

QTEST_MAIN(AspettoTest)
#include "aspetto_test.moc"
