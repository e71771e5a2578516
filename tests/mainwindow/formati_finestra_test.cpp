// The file formats' puzzles and the games on the real main window: their marks and lists, a cell
// of several letters, a locked .puz, a black square placed and saved, and each game's own way
// with the letters, the clue line, the hover and the suggestions.
#include <QInputDialog>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "formats/puz.h"

#include "../solving/dizionario_prova.h"
#include "model/superficie_registro.h"
#include "supporto/finestre.h"
#include "supporto/pitture.h"

using namespace quadrivo;
using V = prova::Voci;

namespace {

// In plain literals: moc does not read raw strings.
const std::string ipuz =
    "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": {\"width\": 3, \"height\": 2},"
    " \"puzzle\": [[{\"cell\": 1, \"style\": {\"shapebg\": \"circle\", \"barred\": \"B\"}}, 0,"
    " {\"cell\": 0, \"style\": {\"highlight\": true}}], [2, 0, 0]],"
    " \"solution\": [[\"C\", \"OR\", \"O\"], [\"A\", \"L\", \"A\"]],"
    " \"clues\": {\"Across\": [[1, \"Coro\"], [2, \"Ala\"]], \"Diagonal\": [[1, \"Cl\"]]}}";

// CASA / A#RE / SOLE as each game. The codeword: A=1 C=2 E=3 L=4 O=5 R=6 S=7, the C given.
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

// CASA / A#RE as a .puz whose solution is locked with the code 1234.
std::string puzChiuso() {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    return prova::puzChiuso(FormatoPuz().scrivi(x), {0, 4, 1, 2, 6, 3, 7}, 1234);  // the letters down the columns
}

QString letto(const QListWidget* l, int i) { return l->item(i)->data(Qt::AccessibleTextRole).toString(); }

// The rows of a list, as "a|b|c".
QString elenco(const QAbstractItemView& lista) {
    QStringList r;
    for (int i = 0; i < lista.model()->rowCount(); ++i) r << lista.model()->index(i, 0).data().toString();
    return r.join('|');
}

}  // namespace

class FormatiFinestraTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<prova::BancoFinestra<>> b;

    // A window on the puzzle file `nome` holding `dati`.
    bool apri(const std::string& nome, const std::string& dati) {
        b->puzzle = b->dir.scrivi(nome, dati);
        return b->apri();
    }
    template <typename T = QListWidget>
    T* figlio(const char* nome) const {
        return prova::figlio<T>(&*b->f, nome);
    }
    const Cruciverba& cruciverba() const { return b->f->sessione().cruciverba(); }
    QString riga() const { return figlio<QLabel>("RigaDefinizione")->text(); }
    // What the grid's view paints, as drawing calls.
    long quanti(const std::function<bool(const Operazione&)>& cerca) const {
        SuperficieRegistro r;
        b->f->vista()->dipingi(r, b->f->vista()->rect());
        return std::count_if(r.operazioni.begin(), r.operazioni.end(), cerca);
    }
    // How many times the grid's view paints `testo`.
    long volte(const std::string& testo) const {
        return quanti([&](const Operazione& t) { return t.tipo == Operazione::scritta && t.testo == testo; });
    }

private slots:
    // The player's options in a folder of this run: the clue list shown as it is by default.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config.path().toUtf8()); }
    void init() {
        testi.clear(), titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({{4, {"CASA", "SOLE", "MELA"}}}));
    }
    void cleanup() { risposta.reset(), b.reset(); }

    // The drawing of each mark is the grid painter's test: here the file's marks reach the screen.
    void drawsTheFilesMarksAndTypesSeveralLettersInACell() {
        QVERIFY(apri("prova.ipuz", ipuz));
        const double L = b->griglia().lato, x0 = b->griglia().x0;
        QCOMPARE(quanti([&](const Operazione& t) { return t.tipo == Operazione::ellisse && t.x1 > x0 && t.x2 < x0 + L; }), 1L);
        QCOMPARE(figlio("ListaAltre")->item(0)->text(), QString("DIAGONALI"));

        b->clic(b->cella(2, 1));
        b->tasto(Qt::Key_Insert);
        prova::digita("or");
        b->tasto(Qt::Key_Return);
        QCOMPARE(cruciverba().cella(2, 1).voce, std::string("OR"));
        QCOMPARE(b->pos().colonna, 3);
        QTRY_COMPARE(volte("OR"), 1L);
    }

    // Utilità → Sblocca soluzione asks the four digits: the right ones let the checks work.
    void unlocksALockedPuzWithItsCode() {
        QVERIFY(b->apri(prova::fileTrmo({"CASA"})));
        rispondi("OK");  // the notice that the solution is locked
        QCOMPARE(b->f->sessione().apri(b->dir.scrivi("chiuso.puz", puzChiuso())), EsitoApertura::ok);
        QVERIFY(risposta->eseguita());
        QCOMPARE(cruciverba().cella(1, 1).soluzione, std::string());
        // A wrong code is the session's test: here the right one reaches it.
        prova::AlProssimoModale<QInputDialog> chiede([](QInputDialog* d) { d->setTextValue("1234"), d->accept(); });
        b->esegui("azioneSblocca");
        QVERIFY(chiede.eseguita());
        QCOMPARE(cruciverba().cella(1, 1).soluzione, std::string("C"));
        QCOMPARE(figlio<QAction>("azioneSblocca")->isVisible(), false);  // unlocked for good
    }

    // A letter typed fills every cell of its code, on the grid and in the key, which flags a
    // letter chosen twice and says each line to a reader.
    void aCodewordsLetterFillsItsCodeAndTheKeyFollows() {
        QVERIFY(apri("c.ipuz", crittografato));
        QListWidget* chiave = figlio("ListaChiave");
        QCOMPARE(elenco(*chiave), QString("1 = _|2 = C|3 = _|4 = _|5 = _|6 = _|7 = _"));
        QCOMPARE(letto(figlio("ListaAlfabeto"), 2), QString("C, usata"));
        b->clic(b->cella(2, 1));
        prova::digita("a");
        QCOMPARE(b->memoria(), (V{"CA.A", "A#..", "...."}));
        QTRY_COMPARE(volte("A"), 3L);
        b->clic(b->cella(4, 3));
        prova::digita("a");  // code 3 as A too
        QCOMPARE(chiave->item(2)->text(), QString("3 = A !"));
        QCOMPARE(letto(chiave, 2), QString("codice 3: A, doppia"));
        // The "!" taken away goes from the screen too: its entry's whole cell is painted again.
        prova::Pitture pitture;
        chiave->viewport()->installEventFilter(&pitture);
        b->esegui("azioneAnnulla");
        QCOMPARE(letto(chiave, 2), QString("codice 3: nessuna lettera"));
        const QRect cella(chiave->visualItemRect(chiave->item(0)).topLeft(), chiave->gridSize());
        QTRY_VERIFY((QRegion(cella) - pitture.regione).isEmpty());
        // F12 takes the keyboard to the key, as to a crossword's clues, and Esc brings it back.
        b->tasto(Qt::Key_F12);
        QTRY_COMPARE(prova::fuoco(), static_cast<QWidget*>(chiave));
        b->tasto(Qt::Key_Escape);
        QTRY_VERIFY(b->grigliaHaFuoco());
    }

    // A click lands on any cell of a senza schema; "." there places a black square, saved with
    // the answers. Its lists and the line above the grid speak of its rows and columns (their
    // lines are the games' tests); a click on a column's line moves there.
    void aSenzaSchemasBlackSquareIsSavedAndItsLinesAreRowsAndColumns() {
        QVERIFY(apri("s.ipuz", senzaSchema));
        b->clic(b->cella(2, 2));
        prova::digita(".");
        QCOMPARE(b->memoria(), (V{"....", ".#..", "...."}));
        b->esegui("azioneSalva");
        QTRY_COMPARE(b->f->sessione().modificato(), false);
        QVERIFY(b->apri());
        QCOMPARE(b->memoria(), (V{"....", ".#..", "...."}));
        QListWidget* righe = figlio("ListaOrizzontali");
        QListWidget* colonne = figlio("ListaVerticali");
        QTRY_COMPARE(elenco(*righe), QString("1. Abitazione|2. Sovrano|3. Stella"));
        QCOMPARE(righe->currentRow(), 0);
        QTRY_COMPARE(riga(), QString(" Riga 1 - Abitazione"));
        QTest::mouseClick(colonne->viewport(), Qt::LeftButton, {}, colonne->visualItemRect(colonne->item(1)).center());
        QTRY_COMPARE(b->pos().colonna, 3);
        QCOMPARE(b->pos().direzione, Direzione::verticale);
        QCOMPARE(colonne->currentRow(), 1);
        QCOMPARE(righe->currentRow(), -1);
        QTRY_COMPARE(riga(), QString(" Colonna 3 - Societa"));
    }

    // The line above the grid, the hover and the suggestions speak a codeword's codes (its
    // words found by them, as F2 does; a grid to fill's are the games' tests).
    void theLineTheHoverAndTheSuggestionsFollowEachGame() {
        QVERIFY(apri("c.ipuz", crittografato));
        b->esegui("MenuSuggerimenti");
        auto* lista = figlio<QListView>("ListaSuggerimenti");
        b->clic(b->cella(1, 3));
        QTRY_COMPARE(elenco(*lista), QString("SOLE|MELA"));
        QCOMPARE(riga(), QString(" oriz. - 7-5-4-3"));
        emit lista->activated(lista->model()->index(0, 0));
        QCOMPARE(b->memoria()[2], std::string("SOLE"));
        QCOMPARE(b->memoria()[0], std::string("C.S."));  // code 7 is S everywhere
        b->muovi(b->alto(1, 1));
        QTRY_COMPARE(figlio<QLabel>("etichettaPassaggio")->text(), QString("  oriz. - 2-1-7-1 "));
        b->esegui("MenuSuggerimenti");  // the option is the player's: back as it was
    }
};

QTEST_MAIN(FormatiFinestraTest)
#include "formati_finestra_test.moc"
