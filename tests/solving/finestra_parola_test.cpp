// The word dialog on a real puzzle: what OK and Esc hand back, a refused character, the search.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dizionario_prova.h"
#include "schema_prova.h"
#include "supporto/finestre.h"
#include "solving/inserimento.h"
#include "solving/parola_dialogo.h"
#include "solving/lessico.h"
#include "solving/gui/modello_parole.h"
#include "solving/gui/finestra_parola.h"

using namespace quadrivo;
using prova::fuoco;
using prova::digita;

class FinestraParolaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<prova::SchemaProva> p;
    Posizione parola;  // the word the dialog is opened on
    std::unique_ptr<FinestraParola> dialogo;
    prova::CartellaTemporanea dir;
    Lessico lessico;

    // The cells OK handed back, "." for an empty one, or "-" when there was none.
    QString scelta() {
        if (!dialogo->scelta()) return "-";
        QString t;
        for (const std::string& c : dialogo->scelta()->celle) t += c.empty() ? QString(".") : QString::fromStdString(c);
        return t;
    }
    template <typename T = QLineEdit>
    T* w(const char* nome) { return dialogo->findChild<T*>(nome); }
    QLineEdit* casella(int i) { return dialogo->findChild<QLineEdit*>(QString("caselle_%1").arg(i)); }
    QString caselle() {
        QString t;
        for (int i = 0; i < 4; ++i) t += casella(i)->text();
        return t;
    }
    void scrivi(const QString& lettere) { for (int i = 0; i < 4; ++i) casella(i)->setText(lettere.mid(i, 1)); }
    void carica(const std::map<int, std::vector<std::string>>& parole) {
        dir.scrivi("LessicoItaliano.dat", prova::dizionario(parole));
        lessico = {.cartella = dir.percorso()};
        QVERIFY(caricaLessico(lessico, p->piattaforma));
    }

    // The dialog for the word at (c, r, d), shown and active; `lettere` stands for the grid's cells.
    FinestraParola& apri(int c, int r, Direzione d, const std::string& lettere = {}) {
        parola = {c, r, d};
        VoceDialogo voce = voceDialogo(p->documento.cruciverba, p->griglia(), parola);
        if (!lettere.empty()) {
            voce.valida = true, voce.celle.clear();
            for (char ch : lettere) voce.celle.push_back(ch == '.' ? "" : std::string(1, ch));
        }
        dialogo = std::make_unique<FinestraParola>(voce, p->piattaforma, [this](const std::string& m, VistaRicerca& v) { cercaNelLessico(lessico, p->piattaforma, m, v); });
        dialogo->show(), dialogo->activateWindow();
        if (!QTest::qWaitFor([this] { return prova::fuocoDentro(dialogo.get()); }))
            QTest::qFail("il dialogo non ha preso il fuoco", __FILE__, __LINE__);
        return *dialogo;
    }

private slots:
    void init() {
        dialogo.reset();  // the last test's dialog goes before the puzzle it was opened on
        p = std::make_unique<prova::SchemaProva>(std::vector<std::string>{"C.SA#", "A#ORO", "..#.#", "M.LA#"});
        carica({{4, {"CASA", "MELA", "MALA", "MELE", "MOLA"}}});
    }

    void okHandsBackTheLettersAndClueAndEscNothing() {
        p->piattaforma.forma = Puntatore::frecciaVerticale;  // the hover arrow goes
        apri(1, 1, Direzione::orizzontale);
        QCOMPARE(p->piattaforma.forma, Puntatore::predefinito);
        QCOMPARE(caselle(), QString("C SA"));  // an entered "." shows as a blank
        QCOMPARE(fuoco(), casella(0));

        apri(1, 4, Direzione::orizzontale);  // M . L A
        digita("erba");
        QCOMPARE(fuoco(), casella(0));  // the focus wrapped round
        w("campoDefinizione")->setFocus(), w("campoDefinizione")->selectAll();
        QTest::keyClicks(w("campoDefinizione"), "Citt");
        QTest::sendKeyEvent(QTest::Click, w("campoDefinizione"), Qt::Key_Agrave, QString::fromUtf8("à"), Qt::NoModifier);
        casella(3)->setText("");  // a letter deleted, straight to Enter: a blank
        QTest::keyClick(casella(0), Qt::Key_Return);
        QCOMPARE(scelta(), QString("ERB."));
        QCOMPARE(dialogo->scelta()->definizione, std::string("Città"));
        QVERIFY(p->piattaforma.messaggi.empty());

        // Past fifteen letters one box.
        apri(2, 2, Direzione::orizzontale, "ABCDEFGHIJKLMNO.");
        QTest::keyClicks(w("casellaLunga"), "  paroladisedicilet ");
        QTest::keyClick(w("casellaLunga"), Qt::Key_Return);
        QCOMPARE(scelta(), QString("PAROLADISEDICILE"));

        // A clue longer than typing allows, from the file, is shown whole.
        definizioneDa(p->documento.cruciverba, {1, 1}, Direzione::orizzontale)->testo = std::string(75, 'y');
        apri(1, 1, Direzione::orizzontale);
        QCOMPARE(w("campoDefinizione")->text(), QString(75, 'y'));
        QTest::keyClick(casella(1), Qt::Key_Escape);
        QCOMPARE(dialogo->result(), int(QDialog::Rejected));
        QCOMPARE(scelta(), QString("-"));
    }

    // An edited box is checked as the focus leaves it, and again at OK.
    void aBadCharacterIsRefusedWithItsMessage() {
        apri(1, 1, Direzione::orizzontale, "C[SA");
        casella(1)->setFocus();
        QTest::keyClick(casella(1), Qt::Key_BracketLeft);
        QTRY_COMPARE(p->piattaforma.messaggi.size() == 1 ? p->piattaforma.messaggi[0].testo : "", std::string(msgCaratteriNonAmmessi));
        QTRY_COMPARE(fuoco(), casella(1));
        QTest::keyClick(casella(1), Qt::Key_Return);  // OK with Enter refuses it too
        QCOMPARE(p->piattaforma.messaggi.size(), 2u);
        QCOMPARE(scelta(), QString("-"));
    }

    void theSearchListsTheMatchesAndAChoiceFillsTheBoxes() {
        apri(1, 4, Direzione::orizzontale);  // M, blank, L, A
        p->piattaforma.forma = Puntatore::frecciaOrizzontale;  // the main window's hover shape
        QTest::mouseClick(w<QPushButton>("pulsanteCerca"), Qt::LeftButton);
        QTRY_COMPARE(w<QLabel>("esitoRicerca")->text(), QString("Trov.: 3"));
        QCOMPARE(p->piattaforma.forma, Puntatore::predefinito);
        QCOMPARE(w<QComboBox>("elencoTrovate")->currentText(), QString("MELA"));
        for (int i = 0; i < 2; ++i) QTest::keyClick(w<QComboBox>("elencoTrovate"), Qt::Key_Down);
        QCOMPARE(casella(1)->text(), QString("O"));
        QTest::mouseClick(w<QPushButton>("pulsanteOk"), Qt::LeftButton);
        QCOMPARE(scelta(), QString("MOLA"));
        // A single word found fills the boxes at once; Alt with a letter types nothing into a box.
        apri(1, 4, Direzione::orizzontale);
        scrivi("MO  ");
        QTest::mouseClick(w<QPushButton>("pulsanteCerca"), Qt::LeftButton);
        QTRY_COMPARE(caselle(), QString("MOLA"));
        QTest::keyClick(casella(3), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(casella(3)->text(), QString("A"));
    }

    void theFourWaysListWhatTheirDefinitionsSay() {
        // 1 across is ?.S? with nothing typed; down 1 has the N of row 3 (only CANE fits ??N?).
        p = std::make_unique<prova::SchemaProva>(std::vector<std::string>{"..S.#", ".#...", "N.#.#", "....#"});
        carica({{4, {"CASA", "COSA", "MOSA", "CANE", "AREA", "ASCA", "SACA", "NORD"}}, {7, {"CRAVSTA"}}});
        apri(1, 1, Direzione::orizzontale);
        dialogo->impostaElenco([this](ModoRicerca modo, const std::string& m) { return elencoParole(p->documento.cruciverba, lessico, parola, modo, m); });
        auto *modo = w<QComboBox>("ComboModo"), *lista = w<QComboBox>("elencoTrovate");
        auto cerca = [&](int m) {
            modo->setCurrentIndex(m);
            QTest::mouseClick(w<QPushButton>("pulsanteCerca"), Qt::LeftButton);
            QStringList righe;
            for (int i = 0; i < lista->count(); ++i) righe << lista->itemText(i);
            return righe.join(", ") + " | " + w<QLabel>("esitoRicerca")->text();
        };
        // The way, the boxes, the list and its count; each way's words are the word helper's.
        const std::tuple<int, const char*, const char*> casi[] = {
            {3, " @S@", "CASA  (3), COSA  (3) | Trov.: 2"},  // MOSA leaves down 1 no word
            // The boxes' letters in order are the fragment; only this word's length counts.
            {2, "C S ", "CASA (consonanti), COSA (consonanti), CASA (dispari), COSA (dispari) | Trov.: 4"},
        };
        for (const auto& [m, lettere, attese] : casi) {
            scrivi(lettere);
            QCOMPARE(cerca(m), QString(attese));
        }
        // A fragment's source word is only read, never written into the boxes.
        lista->activated(0);
        QCOMPARE(caselle(), QString("C S "));
    }

    void theWordsModel() {
        QComboBox lista;
        ModelloParole* modello = ModelloParole::perLista(&lista);
        modello->imposta(ParoleTrovate(5, "MELAS\xC8LITE" "CASAS"));  // a Windows-1252 byte shows as È
        QCOMPARE(lista.itemText(1), QString::fromUtf8("ÈLITE"));
    }
};

QTEST_MAIN(FinestraParolaTest)
#include "finestra_parola_test.moc"
