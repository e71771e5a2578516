// The solving behaviour on the real main window, driven by mouse and keyboard events.
#include <QPushButton>
#include <QTest>
#include <memory>

#include "dizionario_prova.h"
#include "schema_prova.h"
#include "solving/gui/tessodef.h"
#include "supporto/finestre.h"

using namespace quadrivo;
using prova::digitaNelFuoco;
using V = prova::Voci;

class Form1SoluzioneTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    std::unique_ptr<prova::BancoFinestra<>> b;
    Form1* f = nullptr;

    // The word dialog, answered with `testo` typed and the button `pulsante` pressed.
    static auto dialogo(const char* testo, const char* pulsante) {
        return std::make_unique<prova::AlProssimoModale<TessoDef>>([=](TessoDef* d) {
            digitaNelFuoco(testo);
            QTest::mouseClick(d->findChild<QPushButton*>(pulsante), Qt::LeftButton);
        });
    }

private slots:
    void init() {
        testi.clear();
        titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA"}}}));
        QVERIFY(b->apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        f = &*b->f;
    }
    void cleanup() { b.reset(); }

    void hoverShowsClueShapeAndRectangle() {
        const int L = b->stato.latoCasella, x0 = b->stato.xGriglia, y0 = b->stato.yGriglia;
        const QPoint a = b->alto(1, 1);
        b->muovi(a);
        auto* etichetta = prova::figlio<QLabel>(f, "Label1");
        QVERIFY(f->label1Visibile() && etichetta->text() == "  1 oriz. -Abitazione ");
        QCOMPARE(etichetta->pos(), QPoint(a.x() - 19, a.y() + 12));
        QCOMPARE(f->area()->cursor().shape(), Qt::SizeHorCursor);
        auto* rettangolo = prova::figlio<Rettangolo>(f, "Shape1");
        QVERIFY(rettangolo->geometry() == QRect(x0 + 1, y0 + 1, 4 * L - 2, L - 2) && rettangolo->colore() == giallo);
        b->muovi(QPoint(x0 - 3, y0 + 10));  // outside the grid
        QVERIFY(!f->label1Visibile() && f->area()->cursor().shape() == Qt::ArrowCursor);
    }

    void dialogOkAndAnnullaBothCountAsAChange() {
        auto ok = dialogo("cane", "Command3d1");
        b->clic(b->basso(1, 1), Qt::RightButton);
        QVERIFY(ok->eseguita());
        // The dialog left the default pointer: a press before the next move opens nothing.
        {
            prova::AlProssimoModale<TessoDef> nessuno([](TessoDef* d) { d->reject(); });
            QTest::mouseClick(f->area(), Qt::RightButton, {}, b->basso(1, 1));
            QVERIFY(!nessuno.eseguita());
        }
        const V atteso{"C...#", "A#ORO", "N.#.#", "E...#"};
        QTRY_COMPARE(b->copia(), atteso);
        QVERIFY(b->stato.fileModificato);
        f->sessione().impostaModificato(false);
        auto annulla = dialogo("zzz", "Command3d2");
        b->clic(b->alto(3, 2), Qt::MiddleButton);
        QVERIFY(annulla->eseguita());
        QCOMPARE(b->memoria(), atteso);
        QVERIFY(b->stato.fileModificato && f->windowTitle().startsWith("*"));
    }

    void aSingleTypedLetterIsAskedAboutBeforeClosing() {
        const std::string prima = b->dir.leggi("prova.trmo");
        b->clic(b->alto(1, 1));
        QTRY_VERIFY(b->grigliaHaFuoco());
        digitaNelFuoco("m");  // no Enter: a letter is an answer as soon as it is typed
        // Annulla: the window stays, with its answers and its working copy.
        rispondi("Annulla");
        QVERIFY(!f->close() && titoli.value(0) == "Modifica del file corrente");
        QVERIFY(f->isVisible() && esisteFile(b->stato.fileLavoro));
        QCOMPARE(b->dir.leggi("prova.trmo"), prima);
        // Salva: the answers reach the puzzle's file, the title loses its mark, the window closes.
        rispondi("Salva");
        QVERIFY(f->close());
        QCOMPARE(prova::salvati(b->puzzle).at(0), "M...#");
        QVERIFY(!b->stato.fileModificato && !f->windowTitle().startsWith("*") && !esisteFile(b->stato.fileLavoro));
    }
};

QTEST_MAIN(Form1SoluzioneTest)
#include "form1_soluzione_test.moc"
