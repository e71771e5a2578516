// The games on the real main window: a black square placed with "." and saved, a codeword's
// letter shown in every cell of its code and taken back with Annulla, Opzioni → Gioca come.
#include <QtTest>

#include "../solving/dizionario_prova.h"
#include "model/superficie_registro.h"
#include "supporto/finestre.h"

using namespace quadrivo;

namespace {

// CASA / A#RE / SOLE played as a senza schema, and as a codeword with A=1 C=2 E=3 L=4 O=5 R=6 S=7
// and the C given. In plain literals: moc does not read raw strings.
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

}  // namespace

class GiochiFinestraTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    // How many times the grid's view paints `testo`.
    static long volte(prova::BancoFinestra<>& b, const std::string& testo) {
        SuperficieRegistro r;
        b.f->vista()->dipingi(r, b.f->vista()->rect());
        const std::vector<std::string> t = r.testi();
        return std::count(t.begin(), t.end(), testo);
    }

private slots:
    void aBlackSquarePlacedIsSavedAndOpensAgain() {
        prova::BancoFinestra<> b(prova::dizionario({}));
        b.puzzle = b.dir.scrivi("s.ipuz", senzaSchema);
        QVERIFY(b.apri());
        QCOMPARE(b.memoria(), (prova::Voci{"....", "....", "...."}));
        b.clic(b.cella(2, 2));
        prova::digita(".");
        QCOMPARE(b.memoria(), (prova::Voci{"....", ".#..", "...."}));
        QCOMPARE(b.pos().colonna, 3);  // on along the player's row, as after a letter
        b.clic(b.cella(3, 3));
        b.clic(b.cella(2, 2));
        prova::digita(".");
        QCOMPARE(b.memoria(), (prova::Voci{"....", "....", "...."}));
        b.clic(b.cella(3, 3));
        b.clic(b.cella(2, 2));  // a click lands on the cell again
        prova::digita(".");
        QCOMPARE(b.memoria(), (prova::Voci{"....", ".#..", "...."}));
        b.clic(b.cella(3, 3));
        b.clic(b.cella(2, 2));
        QCOMPARE(b.pos().riga, 2);  // and on a black square the player placed
        // In a word, "." moves on along it as a letter does (the words are made again under it).
        b.clic(b.cella(4, 3));
        b.clic(b.cella(3, 3));
        prova::digita(".");
        QCOMPARE(b.memoria(), (prova::Voci{"....", ".#..", "..#."}));
        QCOMPARE(b.pos().colonna, 4);
        b.f->sessione().storia().undo();
        b.esegui("azioneSalva");
        QTRY_VERIFY(!b.f->sessione().modificato());
        QVERIFY(b.apri());
        QCOMPARE(b.memoria(), (prova::Voci{"....", ".#..", "...."}));
        b.chiudi();
    }

    void aCodewordsLetterFillsItsCodeAndAnnullaTakesItBackWhole() {
        prova::BancoFinestra<> b(prova::dizionario({}));
        b.puzzle = b.dir.scrivi("c.ipuz", crittografato);
        QVERIFY(b.apri());
        QCOMPARE(b.memoria(), (prova::Voci{"C...", ".#..", "...."}));
        b.clic(b.cella(2, 1));
        prova::digita("a");
        QCOMPARE(b.memoria(), (prova::Voci{"CA.A", "A#..", "...."}));
        QTRY_COMPARE(volte(b, "A"), 3L);
        b.esegui("azioneAnnulla");
        QCOMPARE(b.memoria(), (prova::Voci{"C...", ".#..", "...."}));
        b.chiudi();
    }

    void giocaComeTurnsTheOpenPuzzleAndBack() {
        prova::BancoFinestra<> b(prova::dizionario({}));
        QVERIFY(b.apri(prova::fileTrmo({"CASA", "A#RE", "SOLE"}, {"C...", ".#..", "...."},
                                       {"  1  11-Abitazione", "  3  21-Sovrano", "  1  31-Stella"})));
        auto* cruciverba = prova::figlio<QAction>(&*b.f, "azioneGiocaCruciverba");
        auto* codici = prova::figlio<QAction>(&*b.f, "azioneGiocaCrittografato");
        QVERIFY(cruciverba && codici && cruciverba->isChecked() && codici->isEnabled());
        b.esegui("azioneGiocaCrittografato");
        QCOMPARE(b.f->sessione().cruciverba().variante, Variante::crittografato);
        QVERIFY(codici->isChecked() && !cruciverba->isChecked());
        QCOMPARE(b.memoria().front().front(), 'C');  // the player's letter stays
        QVERIFY(b.f->isWindowModified());
        const int codice = b.f->sessione().cruciverba().cella(4, 3).codice;
        QTRY_VERIFY(volte(b, std::to_string(codice)) >= 1);
        b.esegui("azioneGiocaCruciverba");
        QCOMPARE(b.f->sessione().cruciverba().variante, Variante::cruciverba);
        QCOMPARE(b.f->sessione().cruciverba().elenchi.front().definizioni.front().testo, std::string("Abitazione"));
        QVERIFY(cruciverba->isChecked());
        b.chiudi();
    }

    // A cell of several letters cannot be a code: the conversion's message, and the puzzle stays.
    void aPuzzleThatCannotBeACodewordSaysWhyAndStays() {
        prova::BancoFinestra<> b(prova::dizionario({}));
        b.puzzle = b.dir.scrivi("r.ipuz",
                                "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": {\"width\": 2, \"height\": 1},"
                                " \"puzzle\": [[1, 0]], \"solution\": [[\"OR\", \"A\"]], \"clues\": {\"Across\": [[1, \"Ora\"]]}}");
        QVERIFY(b.apri());
        rispondi("OK");
        b.esegui("azioneGiocaCrittografato");
        QVERIFY(risposta->eseguita());
        QVERIFY(!testi.isEmpty() && !testi.last().isEmpty());
        QCOMPARE(b.f->sessione().cruciverba().variante, Variante::cruciverba);
        QVERIFY(prova::figlio<QAction>(&*b.f, "azioneGiocaCruciverba")->isChecked());
        b.chiudi();
    }
};

QTEST_MAIN(GiochiFinestraTest)
#include "giochi_finestra_test.moc"
