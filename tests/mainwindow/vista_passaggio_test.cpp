// Hovering over the grid on its own: the clue of the word under the pointer beside it with the
// word's rectangle, both gone off the grid or when the pointer reaches the label, F2 opening the
// word dialog on the current word, and Azzera Soluzioni clearing only after OK.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

#include "mainwindow/gui/vista_griglia.h"
#include "mainwindow/gui/vista_passaggio.h"
#include "solving/gui/finestra_parola.h"
#include "solving/schema_prova.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaVistaPassaggio : public QObject {
    Q_OBJECT

    // The 5x4 puzzle of the solving tests: 1 across CASA "Abitazione", 1 down CANE "Fedele amico".
    struct Banco : prova::BancoMostrato {
        prova::CartellaTemporanea cartella;
        VistaGriglia* vista = new VistaGriglia(sessione, area);
        VistaPassaggio passaggio{sessione, piattaforma, area, *vista};
        QMenu utilita;
        QAction azzera;
        Banco() {
            passaggio.creaVoci([this](const char*) { return &azzera; }, &utilita);
            const std::string file = prova::fileTrmo(prova::soluzioniProva, {"C...#"}, prova::definizioniProva);
            QCOMPARE(sessione.apri(cartella.scrivi("d.trmo", file)), EsitoApertura::ok);
            vista->setGeometry(0, 0, 600, 400);
            vista->disponi(AreaFinestra{600, 400, 0, 0}, {});
        }
        // A point of cell (c, r) in its across (upper right) or down (lower left) half.
        QPointF in(int c, int r, Direzione d) const {
            const QRectF k = vista->rettangoloCella({c, r});
            const double q = k.width() / 4;
            return k.center() + (d == Direzione::orizzontale ? QPointF(q, -q) : QPointF(-q, q));
        }
        void muovi(QPointF p) { passaggio.solutore().movimentoMouse(p.x(), p.y()); }
        QWidget* rettangolo() const { return area->findChild<QWidget*>("rettangoloPassaggio"); }
    };

private slots:
    void theHalfUnderThePointerGivesItsWordsClue_data() {
        QTest::addColumn<int>("direzione");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("orizzontale") << int(Direzione::orizzontale) << "  1 oriz. - Abitazione ";
        QTest::newRow("verticale") << int(Direzione::verticale) << "  1 vert. - Fedele amico ";
    }
    void theHalfUnderThePointerGivesItsWordsClue() {
        QFETCH(int, direzione);
        Banco b;
        b.muovi(b.in(1, 1, static_cast<Direzione>(direzione)));
        QCOMPARE(b.passaggio.etichettaVisibile(), true);
        QTEST(b.passaggio.etichetta()->text(), "didascalia");
        QCOMPARE(b.rettangolo()->isVisible(), true);
    }

    void offTheGridTheLabelGoes() {
        Banco b;
        b.muovi(b.in(1, 1, Direzione::orizzontale));
        b.muovi({599, 399});
        QCOMPARE(b.passaggio.etichettaVisibile(), false);
    }

    // The pointer onto the label itself: it must not stand in the way.
    void thePointerOnTheLabelHidesIt() {
        Banco b;
        b.muovi(b.in(1, 1, Direzione::orizzontale));
        QLabel* etichetta = b.passaggio.etichetta();
        QMouseEvent movimento(QEvent::MouseMove, QPointF(2, 2), etichetta->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(etichetta, &movimento);
        QCOMPARE(b.passaggio.etichettaVisibile(), false);
    }

    void f2OpensTheWordDialogOnTheCurrentWordOnly() {
        Banco b;
        QAction* parola = b.utilita.findChild<QAction*>("azioneParola");
        QCOMPARE(parola->shortcut(), QKeySequence(Qt::Key_F2));
        QString definizione;
        prova::AlProssimoModale<FinestraParola> dialogo([&](FinestraParola* d) {
            definizione = d->findChild<QLineEdit*>("campoDefinizione")->text();
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteAnnulla"), Qt::LeftButton);
        });
        b.sessione.impostaPosizione({});
        parola->trigger();  // no current word: no dialog
        QCOMPARE(dialogo.eseguita(), false);
        b.sessione.impostaPosizione({3, 2, Direzione::orizzontale});
        parola->trigger();
        QCOMPARE(definizione, "Metallo prezioso");
    }

    void azzeraClearsTheAnswersOnlyAfterOk_data() {
        QTest::addColumn<QString>("risposta");
        QTest::addColumn<std::string>("dopo");
        QTest::newRow("annulla") << "Annulla" << std::string("C");
        QTest::newRow("ok") << "OK" << std::string();
    }
    void azzeraClearsTheAnswersOnlyAfterOk() {
        QFETCH(QString, risposta);
        Banco b;
        prova::RisposteMessaggi messaggi;
        messaggi.rispondi(risposta);
        b.azzera.trigger();
        QCOMPARE(messaggi.testi.size(), 1);
        QTEST(b.sessione.cruciverba().cella(1, 1).voce, "dopo");
    }
};

QTEST_MAIN(ProvaVistaPassaggio)
#include "vista_passaggio_test.moc"
