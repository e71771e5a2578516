// The word dialog's four ways of searching, over a small dictionary and the known puzzle; the
// clue lists' entries painted from their kept pictures as a plain list paints them.
#include <QComboBox>
#include <QListWidget>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dizionario_prova.h"
#include "schema_prova.h"
#include "solving/gui/finestra_parola.h"
#include "solving/gui/pannello_definizioni.h"
#include "solving/inserimento.h"
#include "solving/lessico.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ParoleGuiTest : public QObject {
    Q_OBJECT
    // The clue panel shown at `larghezza`, and its across list.
    static void mostraElenco(PannelloDefinizioni& pannello, int larghezza, QListWidget*& lista) {
        pannello.resize(larghezza, 360);
        pannello.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pannello));
        lista = pannello.findChild<QListWidget*>("ListaOrizzontali");
    }

private slots:
    void theFourWaysListWhatTheirDefinitionsSay() {
        // 1 across is ?.S? with nothing typed; down 1 has the N of row 3 (only CANE fits ??N?).
        prova::SchemaProva p({"..S.#", ".#...", "N.#.#", "....#"});
        prova::CartellaTemporanea dir;
        Lessico lessico{.cartella = dir.percorso()};
        dir.scrivi("LessicoItaliano.dat",
                   prova::dizionario({{4, {"CASA", "COSA", "MOSA", "CANE", "AREA", "ASCA", "SACA", "NORD"}},
                                      {7, {"CRAVSTA"}},
                                      {8, {"XCXAXSXA"}}}));
        QVERIFY(caricaLessico(lessico, p.piattaforma));
        const Posizione parola{1, 1, Direzione::orizzontale};
        FinestraParola d(voceDialogo(p.documento.cruciverba, p.griglia(), parola), p.piattaforma,
                   [&](const std::string& m, VistaRicerca& v) { cercaNelLessico(lessico, p.piattaforma, m, v); });
        d.impostaElenco([&](ModoRicerca modo, const std::string& m) { return elencoParole(p.documento.cruciverba, lessico, parola, modo, m); });
        d.show(), d.activateWindow();
        QTRY_VERIFY(prova::fuocoDentro(&d));
        auto *modo = d.findChild<QComboBox*>("ComboModo"), *lista = d.findChild<QComboBox*>("elencoTrovate");
        QVERIFY(modo->isVisible());
        auto casella = [&](int i) { return d.findChild<QLineEdit*>(QString("caselle_%1").arg(i)); };
        auto scrivi = [&](const QString& lettere) {
            for (int i = 0; i < 4; ++i) casella(i)->setText(lettere.mid(i, 1));
        };
        auto caselle = [&] {
            QString t;
            for (int i = 0; i < 4; ++i) t += casella(i)->text();
            return t;
        };
        auto cerca = [&](int m) {
            modo->setCurrentIndex(m);
            QTest::mouseClick(d.findChild<QPushButton*>("pulsanteCerca"), Qt::LeftButton);
            QStringList righe;
            for (int i = 0; i < lista->count(); ++i) righe << lista->itemText(i);
            return righe.join(", ") + " | " + d.findChild<QLabel*>("esitoRicerca")->text();
        };
        // The way, the boxes, the list and its count.
        const std::tuple<int, const char*, const char*> casi[] = {
            {0, " @S@", "CASA, COSA, MOSA | Trov.: 3"},
            {0, "#@S@", "CASA, COSA, MOSA | Trov.: 3"},
            {3, " @S@", "CASA  (3), COSA  (3) | Trov.: 2"},  // MOSA leaves down 1 no word
            {1, "CAS ", "CASA, COSA, ASCA, SACA | Trov.: 4"},
            // The boxes' letters in order are the fragment, empty boxes add nothing; only the
            // words of this word's length count (not CRAVSTA, XCXAXSXA).
            {2, "NRD ", "NORD (consonanti) | Trov.: 1"},
            {2, "C S ", "CASA (consonanti), COSA (consonanti), CASA (dispari), COSA (dispari) | Trov.: 4"},
            {2, "CASA", " | Trov.: 0"},
        };
        for (const auto& [m, lettere, attese] : casi) {
            scrivi(lettere);
            QCOMPARE(cerca(m), QString(attese));
        }
        // A fragment's source word is only read; a crossing-aware word fills the boxes.
        lista->activated(0);
        QCOMPARE(caselle(), QString("CASA"));
        scrivi(" @S@");
        cerca(3);
        lista->activated(1);
        QCOMPARE(caselle(), QString("COSA"));
        // "#" asks for a consonant and is never written; "@" stays as typed.
        scrivi("#@SA");
        QTest::mouseClick(d.findChild<QPushButton*>("pulsanteOk"), Qt::LeftButton);
        QVERIFY(p.piattaforma.messaggi.empty());
        QVERIFY(d.scelta());
        applicaScelta(p.documento.cruciverba, parola, *d.scelta());
        QCOMPARE(p.documento.cruciverba.cella(1, 1).voce, std::string());
        QCOMPARE(p.documento.cruciverba.cella(2, 1).voce, std::string("@"));
    }
    // Each state of the list is painted twice, from the kept pictures and by Qt's own delegate:
    // the same pixels, and a state seen before is not painted from another's picture.
    void theClueListPaintsAsAPlainListDoes() {
        PannelloDefinizioni pannello;
        QListWidget* lista = nullptr;
        mostraElenco(pannello, 200, lista);
        QVERIFY(lista);
        for (const char* t : {"1 Abitazione con un giardino e un lungo viale d'ingresso", "5 Sovrano", "7 Stella"})
            new QListWidgetItem(t, lista);
        QAbstractItemDelegate* nostro = lista->itemDelegate();
        QStyledItemDelegate semplice;
        const std::function<void()> stati[] = {
            [] {},
            [lista] { lista->item(1)->setForeground(QColor(128, 128, 128)); },
            [lista] { lista->setCurrentRow(0); },
            [lista] { lista->item(1)->setForeground(QBrush()); },
            [lista] { lista->setCurrentRow(2); },
            [&pannello] { pannello.resize(260, 360); },
            // Another font or highlight: nothing kept from before may show.
            [lista] {
                QFont f = lista->font();
                f.setPointSizeF(f.pointSizeF() * 1.5);
                lista->setFont(f);
            },
            [lista] {
                QPalette p = lista->palette();
                for (const auto gruppo : {QPalette::Active, QPalette::Inactive}) p.setColor(gruppo, QPalette::Highlight, QColor(200, 40, 40));
                lista->setPalette(p);
            },
            [&pannello] { pannello.resize(200, 360); },
        };
        int n = 0;
        for (const auto& stato : stati) {
            stato();
            const QImage kept = lista->viewport()->grab().toImage();
            lista->setItemDelegate(&semplice);
            const QImage plain = lista->viewport()->grab().toImage();
            lista->setItemDelegate(nostro);
            QVERIFY2(kept == plain, qPrintable(QString("state %1").arg(n++)));
        }
    }

    // A wrapped clue's height follows the list's width, narrower and back, as Qt's own delegate
    // measures it.
    void aClueEntrysHeightFollowsTheWidth() {
        PannelloDefinizioni pannello;
        QListWidget* lista = nullptr;
        mostraElenco(pannello, 400, lista);
        QVERIFY(lista);
        auto* voce = new QListWidgetItem("1 Abitazione con un giardino e un lungo viale d'ingresso alberato", lista);
        QAbstractItemDelegate* nostro = lista->itemDelegate();
        QStyledItemDelegate semplice;
        const auto altezza = [lista, voce](QAbstractItemDelegate* d) {
            lista->setItemDelegate(d);
            lista->doItemsLayout();
            return lista->visualItemRect(voce).height();
        };
        std::vector<int> nostre;
        for (const int larghezza : {400, 150, 400}) {
            pannello.resize(larghezza, 360);
            const int sua = altezza(&semplice);
            nostre.push_back(altezza(nostro));
            QCOMPARE(nostre.back(), sua);
        }
        QCOMPARE_GT(nostre[1], nostre[0]);
        QCOMPARE(nostre[2], nostre[0]);
    }
};

QTEST_MAIN(ParoleGuiTest)
#include "parole_gui_test.moc"
