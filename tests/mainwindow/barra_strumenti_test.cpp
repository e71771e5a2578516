// The toolbar on its own: each button is its menu item's own action (run, greyed and checked as
// one, in view while the item is hidden), the separator and the gap have none, the buttons that need a puzzle follow whether one is
// open, and the author's badge asks for the site.
#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <map>

#include "mainwindow/finestra.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaBarraStrumenti : public QObject {
    Q_OBJECT

    // The menu's actions by name, as the menu bar makes them; `senza` has none.
    struct Banco : prova::BancoMostrato {
        std::map<std::string, QAction*> azioni;
        BarraStrumenti* barra;
        explicit Banco(const std::string& senza = {}) {
            barra = new BarraStrumenti(&finestra, [this, senza](const char* nome) -> QAction* {
                if (nome == senza) return nullptr;
                QAction*& a = azioni[nome];
                if (!a) a = new QAction(QString("&") + nome, &finestra);
                return a;
            });
            finestra.addToolBar(barra);
        }
    };

private slots:
    void eachButtonIsItsMenuItemsAction_data() {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("lettore");  // what a screen reader names it
        QTest::newRow("apri") << 1 << "azioneApri" << "Apri cruciverba";
        QTest::newRow("controlla parola") << 10 << "azioneControllaParola" << "Controlla la parola";
        QTest::newRow("pausa") << 11 << "azionePausa" << "Pausa";
    }
    void eachButtonIsItsMenuItemsAction() {
        QFETCH(int, posizione);
        QFETCH(QString, azione);
        Banco b;
        QAction* a = b.azioni.at(azione.toStdString());
        QToolButton* pulsante = b.barra->pulsante(posizione);
        QTEST(pulsante->accessibleName(), "lettore");
        QCOMPARE(QKeySequence::mnemonic(pulsante->text()), QKeySequence());  // no Alt key clashing with the menu bar's
        QSignalSpy eseguita(a, &QAction::triggered);
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QCOMPARE(eseguita.size(), 1);
        a->setEnabled(false);
        QCOMPARE(pulsante->isEnabled(), false);
        a->setVisible(false);  // the menu item hidden while no puzzle is open
        QTRY_COMPARE(pulsante->isVisible(), true);
        a->setCheckable(true);
        a->setChecked(true);
        QCOMPARE(pulsante->isChecked(), true);
    }

    void theSeparatorTheGapAndPastTheEndHaveNoButton_data() {
        QTest::addColumn<int>("posizione");
        for (int p : {-1, 0, 2, 7, 13}) QTest::addRow("%d", p) << p;
    }
    void theSeparatorTheGapAndPastTheEndHaveNoButton() {
        QFETCH(int, posizione);
        Banco b;
        QCOMPARE(b.barra->pulsante(posizione), nullptr);
    }

    // An item the menus do not have (a build without it) leaves its place empty, the rest in theirs.
    void anItemTheMenusLackHasNoButton() {
        Banco b("azioneFont");
        QCOMPARE(b.barra->pulsante(6), nullptr);
        QCOMPARE(b.barra->pulsante(8)->defaultAction(), b.azioni.at("azioneAzzera"));
    }

    void buttonsThatNeedAPuzzleFollowIt_data() {
        QTest::addColumn<QString>("azione");
        QTest::addColumn<bool>("senzaSchema");
        QTest::newRow("apri") << "azioneApri" << true;
        QTest::newRow("salva") << "azioneSalva" << false;
        QTest::newRow("matita") << "azioneMatita" << false;
    }
    void buttonsThatNeedAPuzzleFollowIt() {
        QFETCH(QString, azione);
        Banco b;
        QAction* a = b.azioni.at(azione.toStdString());
        b.barra->abilitaPerSchema(false);
        QTEST(a->isEnabled(), "senzaSchema");
        b.barra->abilitaPerSchema(true);
        QCOMPARE(a->isEnabled(), true);
    }

    void theBadgeAsksForTheAuthorsSite() {
        Banco b;
        QSignalSpy sito(b.barra, &BarraStrumenti::sitoChiesto);
        QTest::mouseClick(b.barra->findChild<QLabel*>("sitoAutore"), Qt::LeftButton);
        QCOMPARE(sito.size(), 1);
    }

    // Controls placed after the buttons (the preview's close button) start past the last one.
    void whatFollowsTheButtonsStartsPastTheLast() {
        Banco b;
        QTRY_VERIFY(b.barra->pulsante(12)->isVisible());
        QCOMPARE_GT(b.barra->finePulsanti(), b.barra->pulsante(12)->geometry().right());
    }
};

QTEST_MAIN(ProvaBarraStrumenti)
#include "barra_strumenti_test.moc"
