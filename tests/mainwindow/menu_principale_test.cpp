// The menu bar on its own: built from the table, a part's own action in its place, and the items
// that need a grid following the session.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/menu_principale.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaMenuPrincipale : public QObject {
    Q_OBJECT

    struct Banco : prova::BancoParte {
        QAction propria{"Apri di ComandiFile"};
        MenuPrincipale menu{sessione, finestra.menuBar(),
                            [this](const std::string& n) {
                                propria.setObjectName("azioneApri");  // as ComandiFile names it
                                return n == "azioneApri" ? &propria : nullptr;
                            },
                            &finestra};
        bool visibile(Menu m) const { return menu.menu(m)->menuAction()->isVisible(); }
    };

private slots:
    void theBarHasTheTablesMenusInOrder() {
        Banco b;
        QStringList titoli;
        for (QAction* a : b.finestra.menuBar()->actions()) titoli << a->text();
        QCOMPARE(titoli, QStringList({"&File", "&Modifica", "&Utilità", "&Opzioni", "&?"}));
    }

    void itemsAreFoundByNameAndAPartsOwnActionTakesItsPlace() {
        Banco b;
        QCOMPARE(b.menu.azione("azioneApri"), &b.propria);
        QCOMPARE(b.menu.menu(Menu::file)->actions().value(0), &b.propria);
        QCOMPARE(b.menu.azione("azioneStampa")->shortcut(), QKeySequence("Ctrl+P"));
        QCOMPARE(b.menu.azione("nessunaVoce"), nullptr);
    }

    // The dictionary's languages sit in Opzioni right after the word rectangle's mark.
    void optionsAreMarksAndTheLanguagesFollowTheWordRectangle() {
        Banco b;
        const QList<QAction*> opzioni = b.menu.menu(Menu::opzioni)->actions();
        const qsizetype i = opzioni.indexOf(b.menu.azione("azioneRettangoloParola"));
        QCOMPARE(opzioni.value(i + 1), b.menu.menu(Menu::lingua)->menuAction());
        QCOMPARE(b.menu.azione("azioneRettangoloParola")->isChecked(), true);
        QCOMPARE(b.menu.azione("azioneTastoSinistro")->isCheckable(), true);
        QCOMPARE(b.menu.azione("azioneSettaggioSchema")->isCheckable(), false);
    }

    void itemsThatNeedAGridFollowTheSession() {
        Banco b;
        b.menu.aggiorna();
        QCOMPARE(b.menu.azione("azioneStampa")->isVisible(), false);
        QCOMPARE(b.visibile(Menu::utilita), false);
        b.apri();
        QCOMPARE(b.menu.azione("azioneStampa")->isVisible(), true);
        QCOMPARE(b.visibile(Menu::utilita), true);
        QCOMPARE(b.visibile(Menu::modifica), true);
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.visibile(Menu::utilita), false);
        QCOMPARE(b.visibile(Menu::modifica), false);
    }

    void theToolbarsImagesShowInTheMenusStepByStep_data() {
        QTest::addColumn<int>("quali");
        QTest::addColumn<bool>("apri");
        QTest::addColumn<bool>("salva");
        QTest::newRow("nessuna") << int(MenuPrincipale::Icone::nessuna) << false << false;
        QTest::newRow("apri") << int(MenuPrincipale::Icone::apri) << true << false;
        QTest::newRow("tutte") << int(MenuPrincipale::Icone::tutte) << true << true;
    }
    void theToolbarsImagesShowInTheMenusStepByStep() {
        QFETCH(int, quali);
        Banco b;
        b.menu.mostraIcone(static_cast<MenuPrincipale::Icone>(quali));
        QTEST(b.propria.isIconVisibleInMenu(), "apri");
        QTEST(b.menu.azione("azioneSalva")->isIconVisibleInMenu(), "salva");
    }
};

QTEST_MAIN(ProvaMenuPrincipale)
#include "menu_principale_test.moc"
