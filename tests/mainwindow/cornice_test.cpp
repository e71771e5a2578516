// The window's frame, part by part on its own: the puzzle's title line and notes, the toolbar,
// the menus and File → Recenti.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <map>

#include "dialogs/cartelle.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/barra_strumenti.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "mainwindow/gui/menu_principale.h"
#include "mainwindow/gui/menu_recenti.h"
#include "model/impostazioni.h"
#include "solving/cronometro.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaCornice : public QObject {
    Q_OBJECT

    struct BancoIntestazione : prova::BancoMostrato {
        QMenu file;
        QAction esci{"&Esci"};
        IntestazioneSchema intestazione{sessione, area};
        BancoIntestazione() {
            file.addAction(&esci);
            intestazione.creaVoce(&file, &esci);
        }
        QAction* proprieta() const { return file.findChild<QAction*>("azioneProprieta"); }
    };

    // The menu's actions by name, as the menu bar makes them.
    struct BancoStrumenti : prova::BancoMostrato {
        std::map<std::string, QAction*> azioni;
        BarraStrumenti* barra = new BarraStrumenti(&finestra, [this](const char* nome) {
            QAction*& a = azioni[nome];
            if (!a) a = new QAction(QString("&") + nome, &finestra);
            return a;
        });
        BancoStrumenti() { finestra.addToolBar(barra); }
    };

    struct BancoMenu : prova::BancoParte {
        QAction propria{"Apri di ComandiFile"};
        MenuPrincipale menu{sessione, finestra.menuBar(),
                            [this](const std::string& n) {
                                propria.setObjectName("azioneApri");  // as ComandiFile names it
                                return n == "azioneApri" ? &propria : nullptr;
                            },
                            &finestra};
        bool visibile(Menu m) const { return menu.menu(m)->menuAction()->isVisible(); }
    };

    prova::CartellaTemporanea casa;  // the home folder, shown as "~"

    struct BancoRecenti : prova::BancoParte {
        prova::CartellaTemporanea cartella;
        MenuRecenti menu{sessione.impostazioni(), &finestra};
        std::vector<std::string> scelti;
        BancoRecenti() {
            connect(&menu, &MenuRecenti::scelto, &menu, [this](const std::string& p) { scelti.push_back(p); });
        }
        std::string file(const std::string& nome) { return cartella.scrivi(nome, "x"); }
        QString dove() const { return QString::fromStdString(cartella.percorso()).chopped(1); }
        QStringList voci() const {
            QStringList t;
            for (QAction* a : menu.actions()) t << a->text();
            return t;
        }
    };

private slots:
    void initTestCase() { qputenv("HOME", QByteArray::fromStdString(casa.percorso()).chopped(1)); }

    // The puzzle written by the tests is "Prova", by Mario Rossi.
    void theLineAndTheNotesNameThePuzzleWhileTheGridShows() {
        BancoIntestazione b;
        b.apri();
        QCOMPARE(b.intestazione.aggiorna(), true);
        QCOMPARE(b.intestazione.riga()->text(), "Prova - Mario Rossi");
        QCOMPARE(b.intestazione.riga()->toolTip(), b.intestazione.riga()->text());
        // Proprietà: the notes' window holds the clock while open.
        bool ferma = false;
        QString testo;
        prova::AlProssimoModale<QDialog> note([&](QDialog* d) {
            ferma = b.sessione.partita().cronometro().sospeso(Sosta::dialogo);
            testo = d->findChild<QPlainTextEdit*>("TestoNote")->toPlainText();
            d->reject();
        });
        b.proprieta()->trigger();
        QCOMPARE(note.eseguita(), true);
        QCOMPARE(testo, QString::fromStdString(testoNote(b.sessione.cruciverba())));
        QCOMPARE(ferma, true);
        QCOMPARE(b.sessione.partita().cronometro().sospeso(Sosta::dialogo), false);
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.intestazione.aggiorna(), false);
        QCOMPARE(b.intestazione.riga()->text(), QString());
    }

    void eachButtonIsItsMenuItemsAction_data() {
        QTest::addColumn<int>("posizione");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("lettore");  // what a screen reader names it
        QTest::newRow("apri") << 1 << "azioneApri" << "Apri cruciverba";
        QTest::newRow("pausa") << 11 << "azionePausa" << "Pausa";
    }
    void eachButtonIsItsMenuItemsAction() {
        QFETCH(int, posizione);
        QFETCH(QString, azione);
        BancoStrumenti b;
        QAction* a = b.azioni.at(azione.toStdString());
        QToolButton* pulsante = b.barra->pulsante(posizione);
        QTEST(pulsante->accessibleName(), "lettore");
        QCOMPARE(QKeySequence::mnemonic(pulsante->text()), QKeySequence());  // no Alt key clashing with the menu bar's
        QSignalSpy eseguita(a, &QAction::triggered);
        QTest::mouseClick(pulsante, Qt::LeftButton);
        QCOMPARE(eseguita.size(), 1);
        a->setVisible(false);  // the menu item hidden while no puzzle is open
        QTRY_COMPARE(pulsante->isVisible(), true);
    }

    void itemsThatNeedAGridFollowTheSession() {
        BancoMenu b;
        b.menu.aggiorna();
        QCOMPARE(b.menu.azione("azioneStampa")->isVisible(), false);
        QCOMPARE(b.visibile(Menu::utilita), false);
        b.apri();
        QCOMPARE(b.menu.azione("azioneStampa")->isVisible(), true);
        QCOMPARE(b.visibile(Menu::utilita), true);  // Modifica goes with it
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.visibile(Menu::utilita), false);
    }

    // Another look at an older puzzle brings it back to the top; the digit is its Alt key, the
    // home folder is "~" and an ampersand shows as itself.
    void theNewestComesFirstWithItsFolder() {
        BancoRecenti b;
        std::filesystem::create_directories(casa.percorso("Cruciverba"));
        const std::string a = b.file("a.trmo"), c = casa.scrivi("Cruciverba/R&S.trmo", "x");
        for (const std::string& p : {a, c, a}) b.menu.ricorda(p);
        QCOMPARE(b.voci().mid(0, 2), (QStringList{"&1 a.trmo   (" + b.dove() + ")", "&2 R&&S.trmo   (~/Cruciverba)"}));
        QCOMPARE(b.menu.actions().at(0)->toolTip(), QString::fromStdString(a));
        b.menu.actions().at(1)->trigger();  // an entry tells its path when chosen
        QCOMPARE(b.scelti, std::vector<std::string>{c});
    }

    // Emptied, the list says so and cannot be emptied again.
    void emptyingTheListForgetsEveryPuzzle() {
        BancoRecenti b;
        b.menu.ricorda(b.file("a.trmo"));
        b.menu.actions().last()->trigger();
        QCOMPARE(b.voci(), (QStringList{"(nessuno)", "", "&Svuota elenco"}));
        QCOMPARE(b.menu.actions().at(0)->isEnabled(), false);
        QCOMPARE(b.menu.actions().at(2)->isEnabled(), false);
        QCOMPARE(fileRecenti(b.sessione.impostazioni()).size(), size_t{0});
    }
};

QTEST_MAIN(ProvaCornice)
#include "cornice_test.moc"
