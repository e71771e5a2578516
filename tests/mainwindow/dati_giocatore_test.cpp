// The player's settings as the window follows them: their change and their messages are signals.
#include <QSignalSpy>
#include <QTest>

#include "mainwindow/gui/dati_giocatore.h"
#include "supporto/guasto.h"
#include "supporto/schema.h"

using namespace quadrivo;

class DatiGiocatoreTest : public QObject {
    Q_OBJECT

private slots:
    void aChangeIsSignalledAndAFailureSaidOnceUntilAWriteGoesThrough() {
        prova::CartellaTemporanea programma;
        programma.scrivi("tramerio.ini", testoImpostazioniPredefinite);
        Stato s;
        s.cartelle.programma = programma.percorso();
        DatiGiocatore dati(s);
        QSignalSpy cambiate(&dati, &DatiGiocatore::cambiate), avvisi(&dati, &DatiGiocatore::avviso);
        {
            prova::DiscoGuasto guasto(prova::Passo::scrittura);
            s.tastoSinistro = true;
            dati.impostazioniCambiate();
            dati.impostazioniCambiate();
        }
        QCOMPARE(cambiate.count(), 2);
        QCOMPARE(avvisi.count(), 1);
        QVERIFY(dati.inAttesa());
        dati.salva();
        QCOMPARE(cambiate.count(), 2);  // writing what waited changes nothing
        QCOMPARE(avvisi.count(), 2);
        QCOMPARE(avvisi.last().at(0).toString(), QString("Le opzioni sono di nuovo scritte."));
        QCOMPARE(programma.leggi("tramerio.ini"), testoImpostazioni(s));
    }
};

QTEST_MAIN(DatiGiocatoreTest)
#include "dati_giocatore_test.moc"
