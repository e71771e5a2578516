// The player's options on their own: each mark changes the setting it names, says so, and is
// kept; the start's settings set the marks and the grid's font.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/comandi_opzioni.h"
#include "model/opzioni_utente.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaComandiOpzioni : public QObject {
    Q_OBJECT

    struct Banco : prova::BancoParte {
        QMenu opzioni;
        ComandiOpzioni comandi{sessione, piattaforma, sessione.impostazioni(), area};
        Banco() {
            for (const char* nome : {"azioneTastoSinistro", "azioneRettangoloParola", "azioneFont"}) {
                QAction* a = opzioni.addAction(nome);
                a->setObjectName(nome);
                a->setCheckable(std::string(nome) != "azioneFont");
            }
            comandi.collega([this](const char* nome) { return opzioni.findChild<QAction*>(nome); });
            comandi.creaVoce(&opzioni);
        }
        QAction* azione(const char* nome) { return opzioni.findChild<QAction*>(nome); }
    };

private slots:
    void theStartsSettingsSetTheMarksAndTheGridsFont() {
        Banco b;
        ValoriImpostazioni v = b.sessione.impostazioni().valori();
        v.tastoSinistro = true;
        v.rettangoloParola = false;
        v.nomeFont = "Courier";
        v.carattereSchermo.grassetto = true;
        b.sessione.impostazioni().cambia(v);
        b.comandi.segna();
        QCOMPARE(b.azione("azioneTastoSinistro")->isChecked(), true);
        QCOMPARE(b.azione("azioneRettangoloParola")->isChecked(), false);
        QCOMPARE(b.area->superficie().carattere().nome, "Courier");
        QCOMPARE(b.area->superficie().carattere().grassetto, true);
    }

    void eachMarkChangesItsSetting_data() {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("cambiati");  // rettangoloCambiato signals
        QTest::newRow("tasto sinistro") << "azioneTastoSinistro" << 0;
        QTest::newRow("rettangolo") << "azioneRettangoloParola" << 1;
    }
    void eachMarkChangesItsSetting() {
        QFETCH(QString, nome);
        Banco b;
        QSignalSpy rettangolo(&b.comandi, &ComandiOpzioni::rettangoloCambiato);
        b.comandi.segna();
        b.azione(qPrintable(nome))->trigger();
        const ValoriImpostazioni& v = b.sessione.impostazioni().valori();
        const bool valore = nome == "azioneTastoSinistro" ? v.tastoSinistro : v.rettangoloParola;
        QCOMPARE(valore, b.azione(qPrintable(nome))->isChecked());
        QTEST(int(rettangolo.size()), "cambiati");
    }

    // A font chosen anywhere reaches the grid's surface before anyone draws with it.
    void theScreensStyleFollowsTheSettings() {
        Banco b;
        b.comandi.segna();
        QSignalSpy cambiate(&b.sessione.impostazioni(), &Impostazioni::cambiate);
        bool corsivoVisto = false;
        connect(&b.sessione.impostazioni(), &Impostazioni::cambiate, this,
                [&] { corsivoVisto = b.area->superficie().carattere().corsivo; });
        ValoriImpostazioni v = b.sessione.impostazioni().valori();
        v.carattereSchermo.corsivo = true;
        b.sessione.impostazioni().cambia(v);
        QCOMPARE(cambiate.size(), 1);
        QCOMPARE(corsivoVisto, true);
        QCOMPARE(b.area->superficie().carattere().grassetto, false);
    }

    // The clock's option goes at the end of Opzioni, on at first, and is kept for the next start.
    void theClocksOptionIsKept() {
        Banco b;
        QCOMPARE(b.opzioni.actions().last(), b.azione("azionePausaFuori"));
        QCOMPARE(b.comandi.pausaFuori(), true);
        QSignalSpy cambiata(&b.comandi, &ComandiOpzioni::pausaFuoriCambiata);
        b.azione("azionePausaFuori")->trigger();
        QCOMPARE(b.comandi.pausaFuori(), false);
        QCOMPARE(cambiata.size(), 1);
        QCOMPARE(b.sessione.impostazioni().opzione("cronometro/pausaFuoriDallaFinestra", true).toBool(), false);
    }
};

QTEST_MAIN(ProvaComandiOpzioni)
#include "comandi_opzioni_test.moc"
