// Questions asked through the desktop: Return and Esc never throw anything away, whichever
// button the focus is on when the player presses them.
#include <QtTest>

#include "qt/piattaforma_qt.h"
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
};

QTEST_MAIN(ProvaPiattaformaQt)
#include "piattaforma_qt_test.moc"
