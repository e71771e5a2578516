// The start on a puzzle given on the command line: the window is shown already on it, and a
// question its opening asks comes over the window.
#include <QMessageBox>
#include <QtTest>

#include "formats/trmo.h"
#include "mainwindow/finestra.h"
#include "model/impostazioni.h"
#include "solving/dizionario_prova.h"
#include "supporto/finestre.h"

using namespace quadrivo;

namespace {

std::string campione() {
    return prova::fileTrmo({"CASA#", "ALTO#", "NEVE#"}, {},
                           {rigaDefinizione(1, 1, Direzione::orizzontale, "Abitazione"),
                            rigaDefinizione(1, 1, Direzione::verticale, "Il migliore amico")});
}

}  // namespace

class ProvaAvvioFinestra : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::CartellaTemporanea> cartella;
    PiattaformaQt piattaforma;
    std::string puzzle;

    std::unique_ptr<FinestraPrincipale> finestra() {
        return std::make_unique<FinestraPrincipale>(Cartelle{cartella->percorso(), {}}, piattaforma, puzzle);
    }

private slots:
    void init() {
        cartella = std::make_unique<prova::CartellaTemporanea>();
        cartella->scrivi("LessicoItaliano.dat", prova::dizionario({}));
        cartella->scrivi("tramerio.ini", testoImpostazioniPredefinite);
        puzzle = cartella->scrivi("avvio.trmo", campione());
    }

    // Before it is first shown, the window holds the puzzle with its caption and its grid laid
    // out: its first frame is the puzzle's.
    void primaDiMostrarsi() {
        auto f = finestra();
        QVERIFY(!f->isVisible());
        QVERIFY(f->sessione().aperto());
        QVERIFY(f->windowTitle().contains("avvio.trmo"));
        QVERIFY(f->vista()->geometria().lato > 0);
        f->sessione().impostaModificato(false);
    }

    // Shown, the grid follows the size the window settles on, and the first activation runs
    // as before: the keyboard on the grid.
    void mostrata() {
        auto f = finestra();
        f->show();
        QTRY_COMPARE(f->giaAttivato(), 1);
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        const Sessione& s = f->sessione();
        QTRY_COMPARE(f->vista()->geometria().lato, geometriaFinestra(s.cruciverba(), s.impostazioni().valori(), f->areaGriglia()).lato);
        QCOMPARE(prova::fuoco(), static_cast<QWidget*>(f->area()));
    }

    // The puzzle already open in another window: the question comes over this window, shown by
    // then; answered, the window goes on to its first activation without the puzzle.
    void domandaSopraLaFinestra() {
        auto prima = finestra();
        prima->show();
        QTRY_COMPARE(prima->giaAttivato(), 1);
        prova::smaltisciCoda();  // the first window's look for abandoned copies has run
        bool sopraMostrata = false;
        QString testo;
        prova::AlProssimoModale<QMessageBox> risposta([&](QMessageBox* m) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<FinestraPrincipale*>(w) && w != prima.get()) sopraMostrata = w->isVisible();
            testo = m->text();
            for (QAbstractButton* b : m->buttons())
                if (b->text() == "Annulla") return b->click();
        });
        auto seconda = finestra();
        QVERIFY(risposta.eseguita());
        QVERIFY(testo.contains("già aperto"));
        QVERIFY(sopraMostrata);
        QVERIFY(!seconda->sessione().aperto());
        seconda->show();
        QTRY_COMPARE(seconda->giaAttivato(), 1);
    }
};

QTEST_MAIN(ProvaAvvioFinestra)
#include "avvio_finestra_test.moc"
