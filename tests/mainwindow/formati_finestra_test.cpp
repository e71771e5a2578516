// An ipuz on the real main window: bars, circles and shading among the drawn strokes, a cell of
// several letters typed with Ins and Enter and drawn smaller, the file's own list in the panel.
#include <QInputDialog>
#include <QListWidget>
#include <QtTest>

#include "formats/puz.h"

#include "../solving/dizionario_prova.h"
#include "model/superficie_registro.h"
#include "supporto/finestre.h"

using namespace quadrivo;

namespace {

// In plain literals: moc does not read raw strings.
const std::string ipuz =
    "{\"kind\": [\"http://ipuz.org/crossword#1\"], \"dimensions\": {\"width\": 3, \"height\": 2},"
    " \"puzzle\": [[{\"cell\": 1, \"style\": {\"shapebg\": \"circle\", \"barred\": \"B\"}}, 0,"
    " {\"cell\": 0, \"style\": {\"highlight\": true}}], [2, 0, 0]],"
    " \"solution\": [[\"C\", \"OR\", \"O\"], [\"A\", \"L\", \"A\"]],"
    " \"clues\": {\"Across\": [[1, \"Coro\"], [2, \"Ala\"]], \"Diagonal\": [[1, \"Cl\"]]}}";

// CASA / A#RE as a .puz whose solution is locked with the code 1234.
std::string puzChiuso() {
    Cruciverba x = prova::cruciverbaDa({"CASA", "A#RE"}, {}, {"  1  11-Casa"});
    x.datiFormato.reset();
    return prova::puzChiuso(FormatoPuz().scrivi(x), {0, 4, 1, 2, 6, 3, 7}, 1234);  // the letters down the columns
}

}  // namespace

class FormatiFinestraTest : public QObject, private prova::RisposteMessaggi {
    Q_OBJECT

    // What the grid's view paints, as drawing calls.
    static std::vector<Operazione> disegno(prova::BancoFinestra<>& b) {
        SuperficieRegistro r;
        b.f->vista()->dipingi(r, b.f->vista()->rect());
        return r.operazioni;
    }
    static bool c_e(const std::vector<Operazione>& fatte, const std::function<bool(const Operazione&)>& cerca) {
        return std::any_of(fatte.begin(), fatte.end(), cerca);
    }

private slots:
    void drawsTheFilesMarksAndTypesSeveralLettersInACell() {
        prova::BancoFinestra<> b(prova::dizionario({}));
        b.puzzle = b.dir.scrivi("prova.ipuz", ipuz);
        QVERIFY(b.apri());
        b.tasto(Qt::Key_Escape);  // no current word over the shading
        const double L = b.griglia().lato, x0 = b.griglia().x0, y0 = b.griglia().y0;
        const std::vector<Operazione> fatte = disegno(b);
        QVERIFY(c_e(fatte, [&](const Operazione& t) { return t.tipo == Operazione::ellisse && t.x1 > x0 && t.x2 < x0 + L; }));
        QVERIFY(c_e(fatte, [&](const Operazione& t) {  // the bar under the first cell
            return t.tipo == Operazione::rettangoloPieno && t.colore == nero && t.x1 == x0 && t.x2 == x0 + L && t.y1 < y0 + L &&
                   t.y2 > y0 + L;
        }));
        QVERIFY(c_e(fatte, [](const Operazione& t) {
            return t.tipo == Operazione::rettangoloPieno && t.colore == Colore{215, 215, 215};
        }));
        auto* altre = prova::figlio<QListWidget>(&*b.f, "ListaAltre");
        QVERIFY(altre->isVisible() && altre->count() == 2 && altre->item(0)->text() == "DIAGONALI");

        b.clic(b.cella(2, 1));
        b.tasto(Qt::Key_Insert);
        prova::digita("or");
        b.tasto(Qt::Key_Return);
        QCOMPARE(b.f->sessione().cruciverba().cella(2, 1).voce, std::string("OR"));
        QCOMPARE(b.pos().colonna, 3);
        QTRY_VERIFY(c_e(disegno(b), [](const Operazione& t) { return t.tipo == Operazione::scritta && t.testo == "OR"; }));
        b.chiudi();
    }

    // Utilità → Sblocca soluzione asks the four digits: a wrong code says so, the right one
    // lets the checks work.
    void unlocksALockedPuzWithItsCode() {
        prova::BancoFinestra<> b(prova::dizionario({}));
        QVERIFY(b.apri(prova::fileTrmo({"CASA"})));
        QVERIFY(!prova::figlio<QAction>(&*b.f, "azioneSblocca")->isVisible());  // nothing to unlock
        rispondi("OK");  // the notice that the solution is locked
        QCOMPARE(b.f->sessione().apri(b.dir.scrivi("chiuso.puz", puzChiuso())), EsitoApertura::ok);
        QVERIFY(risposta->eseguita());
        QVERIFY(testi.last().contains("Sblocca soluzione"));
        QVERIFY(prova::figlio<QAction>(&*b.f, "azioneSblocca")->isVisible());
        for (const char* codice : {"4321", "1234"}) {
            if (codice[0] == '4') rispondi("OK");
            prova::AlProssimoModale<QInputDialog> chiede([codice](QInputDialog* d) {
                QCOMPARE(d->objectName(), QString("CodiceSblocco"));
                d->setTextValue(codice);
                d->accept();
            });
            b.esegui("azioneSblocca");
            QVERIFY(chiede.eseguita());
            QCOMPARE(b.f->sessione().cruciverba().cella(1, 1).soluzione, std::string(codice[0] == '4' ? "" : "C"));
        }
        QCOMPARE(testi.last(), QString("Il codice 4321 non sblocca questa soluzione: controllare le cifre."));
        QCOMPARE(titoli.last(), QString("Sblocca soluzione"));
        QCOMPARE(testi.size(), 2);
        QVERIFY(!prova::figlio<QAction>(&*b.f, "azioneSblocca")->isVisible());  // unlocked for good
        b.chiudi();
    }
};

QTEST_MAIN(FormatiFinestraTest)
#include "formati_finestra_test.moc"
