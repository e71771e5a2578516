// The Archivio window filled in the background, filtered, opened, exported; the clock stopped while away.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "dialogs/gui/finestra_archivio.h"
#include "mainwindow/gui/finestra_principale.h"
#include "qt/piattaforma_qt.h"
#include "supporto/finestre.h"
#include "supporto/schema.h"
#include <filesystem>

using namespace quadrivo;

namespace {

const std::vector<std::string> soluzione = {"CASA", "A#LE", "REMO"};

QStringList titoliVisibili(FinestraArchivio& f) {
    QStringList t;
    const QAbstractItemModel* m = f.tabella()->model();
    for (int r = 0; r < m->rowCount(); ++r)
        t << QFileInfo(m->index(r, ModelloLibreria::titolo).data(Qt::ToolTipRole).toString().section('\n', 0, 0))
                 .completeBaseName();
    t.sort();
    return t;
}

}  // namespace

class ProvaArchivio : public QObject {
    Q_OBJECT
private slots:
    void indexesShowsFiltersAndOpens() {
        prova::CartellaTemporanea dati, cartella;
        cartella.scrivi("uno.trmo", prova::fileTrmo(soluzione));
        std::filesystem::create_directories(cartella.percorso("sotto"));
        cartella.scrivi("sotto/due.trmo", prova::fileTrmo(soluzione, soluzione));
        cartella.scrivi("rotto.ipuz", "{ non json");
        FinestraArchivio f(dati.percorso(), {cartella.percorso()}, {});
        QSignalSpy fatto(&f, &FinestraArchivio::indiceAggiornato);
        f.show();
        QVERIFY(fatto.wait(10000));
        QCOMPARE(titoliVisibili(f), (QStringList{"due", "rotto", "uno"}));
        QCOMPARE(f.findChild<QLabel*>("esitoIndice")->text(), QString("3 cruciverba, 1 non si aprono (il motivo è nella colonna Stato)."));

        // Status words and sizes filter; all words must match.
        auto* cerca = f.findChild<QLineEdit*>("cerca");
        const std::vector<std::pair<QString, QStringList>> casi = {
            {"risolto", {"due"}}, {"4x3 nuovo", {"uno"}}, {"UNO", {"uno"}}, {"sotto", {"due"}},
            {"", {"due", "rotto", "uno"}}};
        for (const auto& [testo, attesi] : casi) {
            cerca->setText(testo);
            QCOMPARE(titoliVisibili(f), attesi);
        }
        cerca->setText("rotto");
        const QString stato = f.tabella()->model()->index(0, ModelloLibreria::stato).data().toString();
        QVERIFY2(stato.startsWith("Non si apre: "), qPrintable(stato));

        // Enter on a row opens its puzzle.
        cerca->setText("risolto");
        QSignalSpy apri(&f, &FinestraArchivio::apri);
        f.tabella()->setFocus();
        f.tabella()->setCurrentIndex(f.tabella()->model()->index(0, ModelloLibreria::titolo));
        QTest::keyClick(f.tabella(), Qt::Key_Return);
        QCOMPARE(apri.size(), 1);
        QCOMPARE(QString::fromStdString(apri[0][0].value<std::string>()),
                 QString::fromStdString(cartella.percorso("sotto/due.trmo")));

        // The export writes every row (its columns are the statistics tests'); a folder at the name is told.
        QCOMPARE(QString::fromStdString(f.esporta(dati.percorso("stat.csv"))), QString());
        QVERIFY(QString::fromStdString(dati.leggi("stat.csv")).contains("/uno.trmo,Prova,trmo,cruciverba,4,3,nuovo,0,0,0,\r\n"));
        std::filesystem::create_directories(dati.percorso("cartella.csv"));
        QVERIFY(!f.esporta(dati.percorso("cartella.csv")).empty());
    }

    void theChartSaysItsMonths() {
        GraficoTempi grafico;
        grafico.imposta({{2026, 1, 3, 60000}, {2026, 2, 1, 120000}});
        QVERIFY(grafico.accessibleDescription().contains("2/2026: 2:00"));
    }

    void theClockStopsWhileAnotherProgramIsActive() {
        prova::BancoFinestra<> banco("");
        QVERIFY(banco.apri(prova::fileTrmo(soluzione)));
        FinestraPrincipale& finestra = *banco.f;
        QApplication::setActiveWindow(&finestra);
        QTRY_VERIFY(finestra.isActiveWindow());
        QVERIFY(!finestra.sessione().partita().cronometro().sospeso(Sosta::fuori));
        // Another program takes the keyboard: no window of ours is active.
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(finestra.sessione().partita().cronometro().sospeso(Sosta::fuori));
        QApplication::setActiveWindow(&finestra);
        QTRY_VERIFY(!finestra.sessione().partita().cronometro().sospeso(Sosta::fuori));
    }
};

QTEST_MAIN(ProvaArchivio)
#include "finestra_archivio_test.moc"
