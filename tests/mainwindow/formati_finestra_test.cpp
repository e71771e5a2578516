// The file formats' puzzles and the games on the real main window: bars, circles and shading
// among the drawn strokes, a cell of several letters typed with Ins and Enter, the file's own
// list in the panel, a locked .puz, a black square placed with "." and saved, a codeword's letter
// shown in every cell of its code, Opzioni → Gioca come.
#include <QInputDialog>
#include <QListWidget>
#include <QtTest>

#include "formats/puz.h"

#include "../solving/dizionario_prova.h"
#include "model/superficie_registro.h"
#include "supporto/finestre.h"

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

// CASA / A#RE / SOLE played as a senza schema, and as a codeword with A=1 C=2 E=3 L=4 O=5 R=6 S=7
// and the C given.
const std::string senzaSchema =
    "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://ipuz.org/crossword/diagramless#1\"],"
    " \"dimensions\": {\"width\": 4, \"height\": 3},"
    " \"puzzle\": [[0, 0, 0, 0], [0, 0, 0, 0], [0, 0, 0, 0]],"
    " \"solution\": [[\"C\", \"A\", \"S\", \"A\"], [\"A\", \"#\", \"R\", \"E\"], [\"S\", \"O\", \"L\", \"E\"]],"
    " \"clues\": {\"Across:Righe\": [[1, \"Abitazione\"], [2, \"Sovrano\"], [3, \"Stella\"]],"
    " \"Down:Colonne\": [[1, \"Cassa\"], [3, \"Societa\"], [4, \"Vocali\"]]}}";
const std::string crittografato =
    "{\"version\": \"http://ipuz.org/v2\", \"kind\": [\"http://crosswordnexus.com/ipuz/coded#1\"],"
    " \"dimensions\": {\"width\": 4, \"height\": 3},"
    " \"puzzle\": [[{\"cell\": 2, \"value\": \"C\"}, 1, 7, 1], [1, \"#\", 6, 3], [7, 5, 4, 3]],"
    " \"solution\": [[\"C\", \"A\", \"S\", \"A\"], [\"A\", \"#\", \"R\", \"E\"], [\"S\", \"O\", \"L\", \"E\"]]}";

// CASA / A#RE as a .puz whose solution is locked with the code 1234.
std::string puzChiuso() {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    return prova::puzChiuso(FormatoPuz().scrivi(x), {0, 4, 1, 2, 6, 3, 7}, 1234);  // the letters down the columns
}

}  // namespace

class FormatiFinestraTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    std::unique_ptr<prova::BancoFinestra<>> b;

    // A window on the puzzle file `nome` holding `dati`.
    bool apri(const std::string& nome, const std::string& dati) {
        b->puzzle = b->dir.scrivi(nome, dati);
        return b->apri();
    }
    QAction* azione(const char* nome) const { return prova::figlio<QAction>(&*b->f, nome); }
    const Cruciverba& cruciverba() const { return b->f->sessione().cruciverba(); }
    // What the grid's view paints, as drawing calls.
    std::vector<Operazione> disegno() const {
        SuperficieRegistro r;
        b->f->vista()->dipingi(r, b->f->vista()->rect());
        return r.operazioni;
    }
    long quanti(const std::function<bool(const Operazione&)>& cerca) const {
        const std::vector<Operazione> fatte = disegno();
        return std::count_if(fatte.begin(), fatte.end(), cerca);
    }
    // How many times the grid's view paints `testo`.
    long volte(const std::string& testo) const {
        return quanti([&](const Operazione& t) { return t.tipo == Operazione::scritta && t.testo == testo; });
    }

private slots:
    void init() {
        testi.clear(), titoli.clear();
        b = std::make_unique<prova::BancoFinestra<>>(prova::dizionario({}));
    }
    void cleanup() { risposta.reset(), b.reset(); }

    void drawsTheFilesMarksAndTypesSeveralLettersInACell() {
        QVERIFY(apri("prova.ipuz", ipuz));
        b->tasto(Qt::Key_Escape);  // no current word over the shading
        const double L = b->griglia().lato, x0 = b->griglia().x0, y0 = b->griglia().y0;
        QCOMPARE(quanti([&](const Operazione& t) { return t.tipo == Operazione::ellisse && t.x1 > x0 && t.x2 < x0 + L; }), 1L);
        QCOMPARE(quanti([&](const Operazione& t) {  // the bar under the first cell
                     return t.tipo == Operazione::rettangoloPieno && t.colore == nero && t.x1 == x0 && t.x2 == x0 + L &&
                            t.y1 < y0 + L && t.y2 > y0 + L;
                 }),
                 1L);
        QCOMPARE_GT(quanti([](const Operazione& t) { return t.tipo == Operazione::rettangoloPieno && t.colore == Colore{215, 215, 215}; }), 0);
        auto* altre = prova::figlio<QListWidget>(&*b->f, "ListaAltre");
        QCOMPARE(altre->isVisible(), true);
        QCOMPARE(altre->count(), 2);
        QCOMPARE(altre->item(0)->text(), QString("DIAGONALI"));

        b->clic(b->cella(2, 1));
        b->tasto(Qt::Key_Insert);
        prova::digita("or");
        b->tasto(Qt::Key_Return);
        QCOMPARE(cruciverba().cella(2, 1).voce, std::string("OR"));
        QCOMPARE(b->pos().colonna, 3);
        QTRY_COMPARE(volte("OR"), 1L);
    }

    // Utilità → Sblocca soluzione asks the four digits: a wrong code says so, the right one
    // lets the checks work.
    void unlocksALockedPuzWithItsCode() {
        QVERIFY(b->apri(prova::fileTrmo({"CASA"})));
        QCOMPARE(azione("azioneSblocca")->isVisible(), false);  // nothing to unlock
        rispondi("OK");  // the notice that the solution is locked
        QCOMPARE(b->f->sessione().apri(b->dir.scrivi("chiuso.puz", puzChiuso())), EsitoApertura::ok);
        QVERIFY(risposta->eseguita());
        QVERIFY(testi.last().contains("Sblocca soluzione"));
        QCOMPARE(azione("azioneSblocca")->isVisible(), true);
        for (const char* codice : {"4321", "1234"}) {
            if (codice[0] == '4') rispondi("OK");
            prova::AlProssimoModale<QInputDialog> chiede([codice](QInputDialog* d) {
                QCOMPARE(d->objectName(), QString("CodiceSblocco"));
                d->setTextValue(codice);
                d->accept();
            });
            b->esegui("azioneSblocca");
            QVERIFY(chiede.eseguita());
            QCOMPARE(cruciverba().cella(1, 1).soluzione, std::string(codice[0] == '4' ? "" : "C"));
        }
        QCOMPARE(testi.last(), QString("Il codice 4321 non sblocca questa soluzione: controllare le cifre."));
        QCOMPARE(titoli.last(), QString("Sblocca soluzione"));
        QCOMPARE(testi.size(), 2);
        QCOMPARE(azione("azioneSblocca")->isVisible(), false);  // unlocked for good
    }

    void aBlackSquarePlacedIsSavedAndOpensAgain() {
        QVERIFY(apri("s.ipuz", senzaSchema));
        QCOMPARE(b->memoria(), (V{"....", "....", "...."}));
        // "." places a black square and moves on along the player's row, as after a letter; again, it takes it away.
        const struct {
            int c, r;
            V dopo;
        } passi[] = {{2, 2, {"....", ".#..", "...."}}, {2, 2, {"....", "....", "...."}}, {2, 2, {"....", ".#..", "...."}}};
        for (const auto& p : passi) {
            b->clic(b->cella(3, 3));
            b->clic(b->cella(p.c, p.r));  // a click lands on the cell, a black square the player placed too
            QCOMPARE(b->pos().riga, p.r);
            prova::digita(".");
            QCOMPARE(b->memoria(), p.dopo);
        }
        QCOMPARE(b->pos().colonna, 3);
        // In a word, "." moves on along it as a letter does (the words are made again under it).
        b->clic(b->cella(4, 3));
        b->clic(b->cella(3, 3));
        prova::digita(".");
        QCOMPARE(b->memoria(), (V{"....", ".#..", "..#."}));
        QCOMPARE(b->pos().colonna, 4);
        b->f->sessione().storia().undo();
        b->esegui("azioneSalva");
        QTRY_COMPARE(b->f->sessione().modificato(), false);
        QVERIFY(b->apri());
        QCOMPARE(b->memoria(), (V{"....", ".#..", "...."}));
    }

    void aCodewordsLetterFillsItsCodeAndAnnullaTakesItBackWhole() {
        QVERIFY(apri("c.ipuz", crittografato));
        QCOMPARE(b->memoria(), (V{"C...", ".#..", "...."}));
        b->clic(b->cella(2, 1));
        prova::digita("a");
        QCOMPARE(b->memoria(), (V{"CA.A", "A#..", "...."}));
        QTRY_COMPARE(volte("A"), 3L);
        b->esegui("azioneAnnulla");
        QCOMPARE(b->memoria(), (V{"C...", ".#..", "...."}));
    }

    void giocaComeTurnsTheOpenPuzzleAndBack() {
        QVERIFY(b->apri(prova::fileTrmo({"CASA", "A#RE", "SOLE"}, {"C...", ".#..", "...."},
                                        {"  1  11-Abitazione", "  3  21-Sovrano", "  1  31-Stella"})));
        QAction* parole = azione("azioneGiocaCruciverba");
        QAction* codici = azione("azioneGiocaCrittografato");
        QCOMPARE(parole->isChecked(), true);
        QCOMPARE(codici->isEnabled(), true);
        b->esegui("azioneGiocaCrittografato");
        QCOMPARE(cruciverba().variante, Variante::crittografato);
        QCOMPARE(codici->isChecked(), true);
        QCOMPARE(parole->isChecked(), false);
        QCOMPARE(b->memoria().front().front(), 'C');  // the player's letter stays
        QCOMPARE(b->f->isWindowModified(), true);
        QTRY_VERIFY(volte(std::to_string(cruciverba().cella(4, 3).codice)) >= 1);
        b->esegui("azioneGiocaCruciverba");
        QCOMPARE(cruciverba().variante, Variante::cruciverba);
        QCOMPARE(cruciverba().elenchi.front().definizioni.front().testo, std::string("Abitazione"));
        QCOMPARE(parole->isChecked(), true);
    }

    // A cell of several letters cannot be a code: the conversion's message, and the puzzle stays.
    void aPuzzleThatCannotBeACodewordSaysWhyAndStays() {
        QVERIFY(apri("r.ipuz", "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": {\"width\": 2, \"height\": 1},"
                               " \"puzzle\": [[1, 0]], \"solution\": [[\"OR\", \"A\"]], \"clues\": {\"Across\": [[1, \"Ora\"]]}}"));
        rispondi("OK");
        b->esegui("azioneGiocaCrittografato");
        QVERIFY(risposta->eseguita());
        QCOMPARE(testi.size(), 1);
        QVERIFY(!testi.last().isEmpty());
        QCOMPARE(cruciverba().variante, Variante::cruciverba);
        QCOMPARE(azione("azioneGiocaCruciverba")->isChecked(), true);
    }
};

QTEST_MAIN(FormatiFinestraTest)
#include "formati_finestra_test.moc"
