// The puzzle's own words on their own: the line with its title, author and copyright while the
// grid shows, nothing in the print preview or without a puzzle, and File → Proprietà opening the
// notes window, which shows the puzzle's fields and holds the clock while it is open.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QtTest>

#include "mainwindow/finestra.h"
#include "mainwindow/gui/intestazione_schema.h"
#include "solving/cronometro.h"
#include "supporto/finestre.h"
#include "supporto/parte.h"

using namespace quadrivo;

class ProvaIntestazioneSchema : public QObject {
    Q_OBJECT

    struct Banco : prova::BancoMostrato {
        QMenu file;
        QAction esci{"&Esci"};
        IntestazioneSchema intestazione{sessione, area};
        Banco() {
            file.addAction(&esci);
            intestazione.creaVoce(&file, &esci);
        }
        QAction* proprieta() const { return file.findChild<QAction*>("azioneProprieta"); }
    };

private slots:
    // The puzzle written by the tests is "Prova", by Mario Rossi.
    void theLineNamesThePuzzleWhileTheGridShows() {
        Banco b;
        b.apri();
        QCOMPARE(b.intestazione.aggiorna(), true);
        QCOMPARE(b.intestazione.riga()->text(), "Prova - Mario Rossi");
        QCOMPARE(b.intestazione.riga()->toolTip(), b.intestazione.riga()->text());
        b.sessione.impostaModo(ModoVista::anteprima);
        QCOMPARE(b.intestazione.aggiorna(), false);
        QCOMPARE(b.intestazione.riga()->text(), QString());
    }

    void propertiesComeBeforeTheirPlaceAndNeedAPuzzle() {
        Banco b;
        QCOMPARE(b.file.actions(), (QList<QAction*>{b.proprieta(), &b.esci}));
        b.intestazione.aggiorna();
        QCOMPARE(b.proprieta()->isEnabled(), false);
        b.apri();
        b.intestazione.aggiorna();
        QCOMPARE(b.proprieta()->isEnabled(), true);
    }

    void theNotesWindowHoldsTheClockWhileOpen() {
        Banco b;
        b.apri();
        bool ferma = false;
        QString titolo, testo;
        prova::AlProssimoModale<QDialog> note([&](QDialog* d) {
            ferma = b.sessione.partita().cronometro().sospeso(Sosta::dialogo);
            titolo = d->windowTitle();
            testo = d->findChild<QPlainTextEdit*>("TestoNote")->toPlainText();
            d->reject();
        });
        b.proprieta()->trigger();
        QCOMPARE(note.eseguita(), true);
        QCOMPARE(titolo, "Note");
        QCOMPARE(testo, QString::fromStdString(testoNote(b.sessione.cruciverba())));
        QCOMPARE(ferma, true);
        QCOMPARE(b.sessione.partita().cronometro().sospeso(Sosta::dialogo), false);
    }

    // Without a puzzle there are no notes to show.
    void noPuzzleNoNotesWindow() {
        Banco b;
        prova::AlProssimoModale<QDialog> note([](QDialog* d) { d->reject(); });
        b.intestazione.mostraNote();
        QCOMPARE(note.eseguita(), false);
    }
};

QTEST_MAIN(ProvaIntestazioneSchema)
#include "intestazione_schema_test.moc"
