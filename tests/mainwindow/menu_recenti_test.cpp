// File → Recenti on its own: the puzzles opened or saved, newest first with their folder, an
// entry telling its path when chosen, files gone left out, and "Svuota elenco" emptying the list
// the player's options keep.
#include <QAction>
#include <QMenu>
#include <QtTest>
#include <filesystem>

#include "dialogs/cartelle.h"
#include "mainwindow/gui/menu_recenti.h"
#include "model/impostazioni.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaMenuRecenti : public QObject {
    Q_OBJECT

    prova::CartellaTemporanea casa;  // the home folder, shown as "~"

    struct Banco : prova::BancoParte {
        prova::CartellaTemporanea cartella;
        MenuRecenti menu{sessione.impostazioni(), &finestra};
        std::vector<std::string> scelti;
        Banco() {
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

    void anEmptyListSaysSoAndCannotBeEmptied() {
        Banco b;
        QCOMPARE(b.voci(), (QStringList{"(nessuno)", "", "&Svuota elenco"}));
        QCOMPARE(b.menu.actions().at(0)->isEnabled(), false);
        QCOMPARE(b.menu.actions().at(2)->isEnabled(), false);
    }

    // Another look at an older puzzle brings it back to the top; the digit is its Alt key.
    void theNewestComesFirstWithItsFolder() {
        Banco b;
        const std::string a = b.file("a.trmo"), c = b.file("c.trmo");
        for (const std::string& p : {a, c, a}) b.menu.ricorda(p);
        QCOMPARE(b.voci().mid(0, 2), (QStringList{"&1 a.trmo   (" + b.dove() + ")", "&2 c.trmo   (" + b.dove() + ")"}));
        QCOMPARE(b.menu.actions().at(0)->toolTip(), QString::fromStdString(a));
    }

    void anEntryTellsItsPathWhenChosen() {
        Banco b;
        const std::string a = b.file("a.trmo"), c = b.file("c.trmo");
        b.menu.ricorda(a);
        b.menu.ricorda(c);
        b.menu.actions().at(1)->trigger();
        QCOMPARE(b.scelti, std::vector<std::string>{a});
    }

    void theHomeFolderIsAbbreviatedAndAnAmpersandShown() {
        Banco b;
        std::filesystem::create_directories(casa.percorso("Cruciverba"));
        b.menu.ricorda(casa.scrivi("Cruciverba/R&S.trmo", "x"));
        QCOMPARE(b.voci().at(0), "&1 R&&S.trmo   (~/Cruciverba)");
    }

    // A name with no folder says nothing of where the puzzle is: it is not kept.
    void aPathWithoutItsFolderIsNotKept() {
        Banco b;
        b.menu.ricorda("a.trmo");
        QCOMPARE(b.voci().at(0), "(nessuno)");
    }

    void aFileGoneIsLeftOut() {
        Banco b;
        const std::string a = b.file("a.trmo"), c = b.file("c.trmo");
        b.menu.ricorda(a);
        std::filesystem::remove(a);
        b.menu.ricorda(c);
        QCOMPARE(b.voci().mid(0, 2), (QStringList{"&1 c.trmo   (" + b.dove() + ")", ""}));
    }

    void emptyingTheListForgetsEveryPuzzle() {
        Banco b;
        b.menu.ricorda(b.file("a.trmo"));
        b.menu.actions().last()->trigger();
        QCOMPARE(b.voci().at(0), "(nessuno)");
        QCOMPARE(fileRecenti(b.sessione.impostazioni()).size(), size_t{0});
    }
};

QTEST_MAIN(ProvaMenuRecenti)
#include "menu_recenti_test.moc"
