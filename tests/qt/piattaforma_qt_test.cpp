// Questions asked through the desktop: Return and Esc never throw anything away, whichever
// button the focus is on when the player presses them. The surface's outlines: the pixels of
// a one-pixel pen, however they are drawn.
#include <QtTest>

#include "qt/piattaforma_qt.h"
#include "qt/superficie_qt.h"
#include "supporto/finestre.h"

using namespace quadrivo;

Q_DECLARE_METATYPE(quadrivo::Pulsanti)

class ProvaPiattaformaQt : public QObject {
    Q_OBJECT

    // The answer to a question of `pulsanti` when the focus is moved to the button at `indice` and `tasto` is pressed there.
    static Risposta rispostaCon(Pulsanti pulsanti, int indice, Qt::Key tasto) {
        PiattaformaQt piattaforma;
        prova::AlProssimoModale<QMessageBox> mano([&](QMessageBox* m) {
            QList<QAbstractButton*> b = m->buttons();
            if (indice < b.size()) b[indice]->setFocus();
            QTest::keyClick(prova::fuoco(), tasto);
        });
        return piattaforma.messaggio("Domanda?", {}, Icona::domanda, pulsanti);
    }

private slots:
    void returnAndEscGiveTheSafeAnswerWhereverTheFocusIs_data() {
        QTest::addColumn<Pulsanti>("pulsanti");
        QTest::addColumn<int>("quanti");
        QTest::newRow("OK") << Pulsanti::ok << 1;
        QTest::newRow("Azzera, Rivela schema, Elimina") << Pulsanti::annullaOk << 2;
        QTest::newRow("Salva Non salvare Annulla") << Pulsanti::salvaNonSalvareAnnulla << 3;
        QTest::newRow("Ripristina Elimina Più tardi") << Pulsanti::ripristinaPiuTardiElimina << 3;
    }
    void returnAndEscGiveTheSafeAnswerWhereverTheFocusIs() {
        QFETCH(Pulsanti, pulsanti);
        QFETCH(int, quanti);
        for (int i = 0; i < quanti; ++i) {
            QCOMPARE(rispostaCon(pulsanti, i, Qt::Key_Return), rispostaInvio(pulsanti));
            QCOMPARE(rispostaCon(pulsanti, i, Qt::Key_Enter), rispostaInvio(pulsanti));
            QCOMPARE(rispostaCon(pulsanti, i, Qt::Key_Escape), rispostaEsc(pulsanti));
        }
    }

    void questionsThatDestroyAnswerAnnullaToReturnAndEsc() {
        for (Pulsanti p : {Pulsanti::annullaOk, Pulsanti::sovrascriviSalvaConNomeAnnulla, Pulsanti::apriComunqueAnnulla}) {
            QCOMPARE(rispostaInvio(p), Risposta::annulla);
            QCOMPARE(rispostaEsc(p), Risposta::annulla);
        }
        // Keeping the leftover for later, never deleting it, is what Esc does there.
        QCOMPARE(rispostaEsc(Pulsanti::ripristinaPiuTardiElimina), Risposta::annulla);
        QCOMPARE(rispostaEsc(Pulsanti::salvaNonSalvareAnnulla), Risposta::annulla);
    }

    void anOutlineHasThePixelsOfAOnePixelPen_data() {
        QTest::addColumn<QRectF>("rettangolo");
        QTest::addColumn<QRegion>("ritaglio");
        QTest::addColumn<double>("scala");
        QTest::newRow("a cell") << QRectF(QPointF(3, 4), QPointF(29, 30)) << QRegion() << 1.0;
        QTest::newRow("corners given backwards") << QRectF(QPointF(29, 30), QPointF(3, 4)) << QRegion() << 1.0;
        QTest::newRow("a line") << QRectF(QPointF(2, 7), QPointF(30, 7)) << QRegion() << 1.0;
        QTest::newRow("half pixels") << QRectF(QPointF(2.5, 3.5), QPointF(20.5, 21.5)) << QRegion() << 1.0;
        QTest::newRow("scattered region")
            << QRectF(QPointF(0, 0), QPointF(31, 31)) << (QRegion(0, 0, 9, 9) + QRegion(20, 20, 12, 5)) << 1.0;
        QTest::newRow("scaled") << QRectF(QPointF(2, 2), QPointF(12, 14)) << QRegion() << 2.0;
    }
    void anOutlineHasThePixelsOfAOnePixelPen() {
        QFETCH(QRectF, rettangolo);
        QFETCH(QRegion, ritaglio);
        QFETCH(double, scala);
        const auto disegna = [&](bool conPenna) {
            QImage immagine(40, 40, QImage::Format_RGB32);
            immagine.fill(Qt::white);
            QPainter p(&immagine);
            if (!ritaglio.isEmpty()) p.setClipRegion(ritaglio);
            SuperficieQt sup(p, 40, 40);
            sup.impostaScala(40 / scala, 40 / scala);
            const QPointF a = rettangolo.topLeft() / scala, b = rettangolo.bottomRight() / scala;
            if (!conPenna) {
                sup.rettangolo(a.x(), a.y(), b.x(), b.y(), {200, 0, 0});
                return immagine;
            }
            QPen penna(QColor(200, 0, 0));
            penna.setWidthF(std::max(1.0, scala));
            penna.setJoinStyle(Qt::MiterJoin);
            p.setPen(penna);
            p.drawRect(rettangolo.normalized());
            return immagine;
        };
        QCOMPARE(disegna(false), disegna(true));
    }

    void theSafeButtonHasTheFocus() {
        PiattaformaQt piattaforma;
        QString focalizzato;
        prova::AlProssimoModale<QMessageBox> mano([&](QMessageBox* m) {
            if (auto* b = qobject_cast<QAbstractButton*>(prova::fuoco())) focalizzato = b->text();
            m->reject();
        });
        piattaforma.messaggio("Azzerare?", {}, Icona::domanda, Pulsanti::annullaOk);
        QCOMPARE(focalizzato, QString("Annulla"));
    }
};

QTEST_MAIN(ProvaPiattaformaQt)
#include "piattaforma_qt_test.moc"
