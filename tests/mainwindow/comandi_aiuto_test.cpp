// The ? menu's part on its own: a real session, a bare window and the menu's actions.
#include <QAction>
#include <QSignalSpy>
#include <QtTest>

#include "dialogs/gui/finestra_guida.h"
#include "dialogs/gui/finestra_informazioni.h"
#include "mainwindow/gui/comandi_aiuto.h"
#include "sessione/sessione.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ProvaComandiAiuto : public QObject {
    Q_OBJECT

    struct Banco {
        prova::CartellaTemporanea dir;
        Stato stato;
        PiattaformaQt piattaforma;
        QWidget finestra;
        Sessione sessione{stato, piattaforma, dir.percorso("partite")};
        std::map<std::string, QAction*> azioni;
        ComandiAiuto aiuto{stato, sessione, piattaforma, &finestra};

        Banco() {
            stato.cartelle.programma = dir.percorso();
            for (const char* nome : {"azioneAiuto", "azioneTasti", "azioneInfo"}) azioni[nome] = new QAction(&finestra);
            aiuto.collega([this](const char* nome) { return azioni.count(nome) ? azioni[nome] : nullptr; });
            finestra.show();
        }
        int guide() const { return static_cast<int>(finestra.findChildren<FinestraGuida*>().size()); }
    };

private slots:
    // Aiuto and Tasti share one help window; neither leaves a print preview.
    void oneHelpWindowForBothItems() {
        Banco b;
        QSignalSpy prima(&b.aiuto, &ComandiAiuto::primaDiAgire);
        b.azioni["azioneAiuto"]->trigger();
        b.azioni["azioneTasti"]->trigger();
        QCOMPARE(b.guide(), 1);
        QTRY_VERIFY(b.finestra.findChild<FinestraGuida*>()->isVisible());
        QCOMPARE(prima.size(), 2);
        QCOMPARE(prima.at(1).at(0).toBool(), false);
    }

    // The about box is modal over the window and leaves a print preview first.
    void theAboutBoxClosesThePreviewFirst() {
        Banco b;
        QSignalSpy prima(&b.aiuto, &ComandiAiuto::primaDiAgire);
        QSignalSpy chiuse(&b.aiuto, &ComandiAiuto::informazioniChiuse);
        prova::AlProssimoModale<FinestraInformazioni> chiudi([](FinestraInformazioni* d) { d->reject(); });
        b.azioni["azioneInfo"]->trigger();
        QVERIFY(chiudi.eseguita());
        QCOMPARE(prima.size(), 1);
        QCOMPARE(prima.at(0).at(0).toBool(), true);
        QCOMPARE(chiuse.size(), 1);
    }

    // System Info gives the folders this run really uses: the program's and the session's store.
    void systemInfoGivesTheFoldersInUse_data() {
        QTest::addColumn<bool>("archivio");
        QTest::newRow("programma") << false;
        QTest::newRow("partite") << true;
    }
    void systemInfoGivesTheFoldersInUse() {
        QFETCH(bool, archivio);
        Banco b;
        const std::string atteso = archivio ? b.sessione.archivio().percorsoFile() : b.stato.cartelle.programma;
        const QString info = QString::fromStdString(b.aiuto.infoSistema());
        QVERIFY2(info.contains(QString::fromStdString(atteso)), qPrintable(info));
    }
};

QTEST_MAIN(ProvaComandiAiuto)
#include "comandi_aiuto_test.moc"
