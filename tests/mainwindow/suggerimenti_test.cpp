// The "Suggerimenti" panel on the real main window: it follows the current word and its
// letters, and a word chosen there is written as one undoable step.
#include <QListView>
#include <QSettings>
#include <QTemporaryDir>

#include "solving/dizionario_prova.h"
#include "solving/schema_prova.h"
#include "supporto/finestre.h"

using namespace quadrivo;

//      1 2 3 4 5
//   1  . . . . #     across 1 crosses down 1 (?A??) and down 3 (?R??); down 2 and the
//   2  A # O R O     short ones add nothing
//   3  . . # . #
//   4  . . . . #
class SuggerimentiTest : public QObject {
    Q_OBJECT

    QTemporaryDir config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }

    void thePanelFollowsTheCurrentWordAndWritesUndoably() {
        prova::BancoFinestra<> b(prova::dizionario({{4, {"CASA", "CANE", "AREA", "ERBA", "MARE", "ORCA", "MAGA"}}}));
        QVERIFY(b.apri(prova::fileTrmo(prova::soluzioniProva, {"....#", "A#ORO"}, prova::definizioniProva)));
        auto* lista = prova::figlio<QListView>(&*b.f, "ListaSuggerimenti");
        QVERIFY(lista);
        QVERIFY(!lista->isVisible());
        b.esegui("MenuSuggerimenti");
        QVERIFY(lista->isVisible());
        QVERIFY(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quadrivo", "Quadrivo")
                    .value("soluzione/mostraSuggerimenti").toBool());
        auto righe = [&] {
            QStringList r;
            for (int i = 0; i < lista->model()->rowCount(); ++i) r << lista->model()->index(i, 0).data().toString();
            return r.join(", ");
        };
        // AREA, ERBA and ORCA would leave down 1 without a word (?A?? gives C and M).
        b.clic(b.cella(1, 1));
        QTRY_COMPARE(righe(), QString("CASA  (3), CANE  (3), MARE  (3), MAGA  (3)"));
        b.tasto(Qt::Key_M);
        QTRY_COMPARE(righe(), QString("MARE  (3), MAGA  (3)"));
        // Across 7 ends on down 3 (?R??, all ending in A) and starts on down 1, now MA??.
        b.clic(b.cella(1, 4));
        QTRY_COMPARE(righe(), QString("AREA  (4), ERBA  (4)"));
        emit lista->activated(lista->model()->index(0, 0));
        QCOMPARE(b.memoria()[3], std::string("AREA#"));
        b.esegui("azioneAnnulla");
        QCOMPARE(b.memoria()[3], std::string("....#"));
        QCOMPARE(b.memoria()[0], std::string("M...#"));
    }
};

QTEST_MAIN(SuggerimentiTest)
#include "suggerimenti_test.moc"
