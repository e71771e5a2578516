// The games' panels on the real main window: a codeword's key follows the letters typed and
// flags a letter chosen twice, a grid to fill's bank crosses off a word placed, a senza
// schema's row and column lines take the cursor there, and F2 in a codeword searches by codes.
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPaintEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "../solving/dizionario_prova.h"
#include "solving/gui/finestra_parola.h"
#include "supporto/finestre.h"

using namespace quadrivo;

namespace {

// CASA / A#RE / SOLE as each game. The codeword: A=1 C=2 E=3 L=4 O=5 R=6 S=7, the C given.
// In plain literals: moc does not read raw strings.
const std::string soluzione =
    " \"dimensions\": {\"width\": 4, \"height\": 3},"
    " \"solution\": [[\"C\", \"A\", \"S\", \"A\"], [\"A\", \"#\", \"R\", \"E\"], [\"S\", \"O\", \"L\", \"E\"]],";
const std::string senzaSchema =
    "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword/diagramless#1\"]," + soluzione +
    " \"puzzle\": [[0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0]],"
    " \"clues\": {\"Across:Righe\": [[1, \"Abitazione\"], [2, \"Sovrano\"], [3, \"Stella\"]],"
    " \"Down:Colonne\": [[1, \"Cassa\"], [3, \"Societa\"], [4, \"Vocali\"]]}}";
const std::string crittografato =
    "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://crosswordnexus.com/ipuz/coded#1\"]," + soluzione +
    " \"puzzle\": [[{\"cell\": 2, \"value\": \"C\"}, 1, 7, 1], [1, \"#\", 6, 3], [7, 5, 4, 3]]}";
const std::string daRiempire = "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/fill#1\"]," +
                               soluzione +
                               " \"puzzle\": [[0, 0, 0, 0], [0, \"#\", 0, 0], [0, 0, 0, 0]],"
                               " \"clues\": {\"Parole\": [\"SOLE\", \"CASA\", \"RE\", \"CAS\", \"SRL\", \"AEE\"]}}";

QString testi(const QListWidget* l) {
    QStringList t;
    for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    return t.join('|');
}
// Every region a widget is asked to paint.
class Pitture : public QObject {
public:
    QRegion regione;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) regione += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

QString letto(const QListWidget* l, int i) { return l->item(i)->data(Qt::AccessibleTextRole).toString(); }

}  // namespace

class PannelliGiochiTest : public QObject {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;

    bool apri(const std::string& gioco) {
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA", "SOLE", "ALLE", "MELA"}}}));
        b->puzzle = b->dir.scrivi("gioco.ipuz", gioco);
        return b->apri();
    }
    template <typename T = QListWidget>
    T* figlio(const char* nome) const {
        return prova::figlio<T>(&*b->f, nome);
    }

private slots:
    // The player's options in a folder of this run: the clue list shown as it is by default.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void cleanup() { b.reset(); }

    void theKeyFollowsTheCodesFilledAndFlagsALetterTwice() {
        QVERIFY(apri(crittografato));
        QTRY_VERIFY(figlio<QDockWidget>("DockChiave")->isVisible());
        QVERIFY(!figlio<QDockWidget>("DockBanca")->isVisible());
        QVERIFY(!figlio<QWidget>("PannelloDefinizioni")->isVisible());  // no clues to list
        QListWidget* chiave = figlio("ListaChiave");
        QListWidget* alfabeto = figlio("ListaAlfabeto");
        QCOMPARE(testi(chiave), QString("1 = _|2 = C|3 = _|4 = _|5 = _|6 = _|7 = _"));
        QCOMPARE(letto(alfabeto, 2), QString("C, usata"));
        b->clic(b->cella(2, 1));
        prova::digita("a");
        QCOMPARE(chiave->item(0)->text(), QString("1 = A"));
        QCOMPARE(letto(chiave, 0), QString("codice 1: A"));
        QVERIFY(alfabeto->item(0)->font().strikeOut());
        b->clic(b->cella(4, 3));
        prova::digita("a");  // code 3 as A too
        QCOMPARE(chiave->item(2)->text(), QString("3 = A !"));
        QCOMPARE(letto(chiave, 2), QString("codice 3: A, doppia"));
        QCOMPARE(chiave->item(0)->text(), QString("1 = A !"));
        // The "!" taken away goes from the screen too: its entry's whole cell is painted again.
        Pitture pitture;
        chiave->viewport()->installEventFilter(&pitture);
        b->esegui("azioneAnnulla");
        QCOMPARE(letto(chiave, 2), QString("codice 3: nessuna lettera"));
        const QRect cella(chiave->visualItemRect(chiave->item(0)).topLeft(), chiave->gridSize());
        QTRY_VERIFY((QRegion(cella) - pitture.regione).isEmpty());
        // A letter typed and taken away again changes its code's row only.
        b->clic(b->cella(4, 3));
        prova::digita("e");
        QCOMPARE(testi(chiave), QString("1 = A|2 = C|3 = E|4 = _|5 = _|6 = _|7 = _"));
        b->clic(b->cella(4, 3));
        b->tasto(Qt::Key_Delete);
        QCOMPARE(testi(chiave), QString("1 = A|2 = C|3 = _|4 = _|5 = _|6 = _|7 = _"));
        // F12 takes the keyboard to the key, as to a crossword's clues, and Esc brings it back.
        b->tasto(Qt::Key_F12);
        QTRY_COMPARE(prova::fuoco(), static_cast<QWidget*>(chiave));
        b->tasto(Qt::Key_Escape);
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    // The codes 7-5-4-3 are four different letters, none of them the C chosen for code 2: from
    // both dictionaries, once each.
    void f2InACodewordSearchesByTheWordsCodes() {
        QVERIFY(apri(crittografato));
        b->dir.scrivi("LessicoInglese.dat", prova::dizionario({{4, {"LOVE", "SOLE", "CAVE"}}}));
        b->clic(b->cella(1, 3));
        QStringList trovate;
        QString titolo;
        prova::AlProssimoModale<FinestraParola> parola([&](FinestraParola* d) {
            titolo = d->windowTitle();
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteCerca"), Qt::LeftButton);
            auto* lista = d->findChild<QComboBox*>("elencoTrovate");
            for (int i = 0; i < lista->count(); ++i) trovate << lista->itemText(i);
            QTest::mouseClick(d->findChild<QPushButton*>("pulsanteAnnulla"), Qt::LeftButton);
        });
        b->tasto(Qt::Key_F2);
        QVERIFY(parola.eseguita());
        QCOMPARE(titolo, QString("orizzontale da riga 3 colonna 1"));
        QCOMPARE(trovate, (QStringList{"SOLE", "MELA", "LOVE"}));
    }

    void theBankCrossesOffAWordPlaced() {
        QVERIFY(apri(daRiempire));
        QTRY_VERIFY(figlio<QDockWidget>("DockBanca")->isVisible());
        QListWidget* banca = figlio("ListaBanca");
        QCOMPARE(testi(banca), QString("2 lettere|RE|3 lettere|AEE|CAS|SRL|4 lettere|CASA|SOLE"));
        b->clic(b->cella(1, 1));
        prova::digita("casa");
        QCOMPARE(letto(banca, 7), QString("CASA, inserita"));
        QVERIFY(banca->item(7)->font().strikeOut());
        QCOMPARE(letto(banca, 4), QString("CAS"));  // its column is not filled
        b->esegui("azionePausa");
        QCOMPARE(testi(banca), QString("In pausa."));
    }

    void aRowsLineIsHighlightedAndAClickOnItMovesThere() {
        QVERIFY(apri(senzaSchema));
        QListWidget* righe = figlio("ListaOrizzontali");
        QListWidget* colonne = figlio("ListaVerticali");
        QTRY_COMPARE(testi(righe), QString("1. Abitazione|2. Sovrano|3. Stella"));
        QCOMPARE(testi(colonne), QString("1. Cassa|3. Societa|4. Vocali"));
        QCOMPARE(righe->currentRow(), 0);
        QTest::mouseClick(righe->viewport(), Qt::LeftButton, {}, righe->visualItemRect(righe->item(2)).center());
        QTRY_COMPARE(b->pos().riga, 3);
        QCOMPARE(righe->currentRow(), 2);
        QTest::mouseClick(colonne->viewport(), Qt::LeftButton, {}, colonne->visualItemRect(colonne->item(1)).center());
        QTRY_COMPARE(b->pos().colonna, 3);
        QCOMPARE(b->pos().direzione, Direzione::verticale);
        QCOMPARE(colonne->currentRow(), 1);
        QCOMPARE(righe->currentRow(), -1);
    }

    // The line above the grid, the hover and the suggestions speak each game's language: a senza
    // schema's rows and columns, a codeword's codes (its words found by them, as F2 does), a grid
    // to fill's list.
    void theLineTheHoverAndTheSuggestionsFollowEachGame() {
        const auto riga = [this] { return figlio<QLabel>("RigaDefinizione")->text(); };
        QVERIFY(apri(senzaSchema));
        QTRY_COMPARE(riga(), QString(" Riga 1 - Abitazione"));
        b->tasto(Qt::Key_Space);
        QTRY_COMPARE(riga(), QString(" Colonna 1 - Cassa"));

        QVERIFY(apri(crittografato));
        b->esegui("MenuSuggerimenti");
        const auto righe = [this] {
            auto* lista = figlio<QListView>("ListaSuggerimenti");
            QStringList r;
            for (int i = 0; i < lista->model()->rowCount(); ++i) r << lista->model()->index(i, 0).data().toString();
            return r.join(", ");
        };
        b->clic(b->cella(1, 3));
        QTRY_COMPARE(righe(), QString("SOLE, MELA"));
        QCOMPARE(riga(), QString(" oriz. - 7-5-4-3"));
        auto* lista = figlio<QListView>("ListaSuggerimenti");
        emit lista->activated(lista->model()->index(0, 0));
        QCOMPARE(b->memoria()[2], std::string("SOLE"));
        QCOMPARE(b->memoria()[0], std::string("C.S."));  // code 7 is S everywhere
        b->muovi(b->alto(1, 1));
        QTRY_COMPARE(figlio<QLabel>("etichettaPassaggio")->text(), QString("  oriz. - 2-1-7-1 "));
        QVERIFY(figlio<QWidget>("rettangoloPassaggio")->isVisible());

        QVERIFY(apri(daRiempire));
        b->clic(b->cella(1, 3));
        QTRY_COMPARE(righe(), QString("SOLE, CASA"));
        b->muovi(b->basso(4, 1));
        QTRY_COMPARE(figlio<QLabel>("etichettaPassaggio")->text(), QString("  vert. - 3 lettere "));
        b->esegui("MenuSuggerimenti");  // the option is the player's: back as it was
    }
};

QTEST_MAIN(PannelliGiochiTest)
#include "pannelli_giochi_test.moc"
