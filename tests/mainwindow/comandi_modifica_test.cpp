// Annulla and Ripeti on their own: a real session on a puzzle, a bare widget and two actions.
#include <QAction>
#include <QSignalSpy>
#include <QtTest>

#include "mainwindow/gui/comandi_modifica.h"
#include "sessione/sessione.h"
#include "solving/navigazione.h"
#include "supporto/finestre.h"

using namespace quadrivo;

class ProvaComandiModifica : public QObject {
    Q_OBJECT

    struct Banco {
        prova::CartellaTemporanea dir;
        Stato stato;
        PiattaformaQt piattaforma;
        QWidget area;
        Sessione sessione{stato, piattaforma, dir.percorso("partite")};
        QAction annulla, ripeti;
        ComandiModifica modifica{sessione, &area, &area};

        Banco() {
            stato.cartelle.programma = dir.percorso();
            QCOMPARE(sessione.apri(dir.scrivi("p.trmo", prova::fileTrmo({"CASA#", "ALTO#", "NEVE#"}))), EsitoApertura::ok);
            modifica.collega([this](const char* nome) {
                return std::string(nome) == "azioneAnnulla" ? &annulla : std::string(nome) == "azioneRipeti" ? &ripeti : nullptr;
            });
        }
        std::string prima() const { return sessione.cruciverba().cella(1, 1).voce; }
    };

private slots:
    // Each item is usable exactly when the history has a step that way.
    void itemsFollowTheHistory() {
        Banco b;
        QCOMPARE(b.annulla.isEnabled(), false);
        QCOMPARE(b.ripeti.isEnabled(), false);
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        QCOMPARE(b.annulla.isEnabled(), true);
        b.annulla.trigger();
        QCOMPARE(b.prima(), "");
        QCOMPARE(b.annulla.isEnabled(), false);
        QCOMPARE(b.ripeti.isEnabled(), true);
        b.ripeti.trigger();
        QCOMPARE(b.prima(), "X");
    }

    void repeatHasTheSecondDesktopKey() {
        Banco b;
        QCOMPARE(QKeySequence::listToString(b.ripeti.shortcuts()), "Ctrl+Y; Ctrl+Shift+Z");
    }

    // A paused grid shows no letters: a step there would change what the player cannot see.
    void noStepWhilePaused() {
        Banco b;
        QVERIFY(b.sessione.scrivi({Scrittura{1, 1, "X"}}));
        QSignalSpy prima(&b.modifica, &ComandiModifica::primaDiAgire);
        b.sessione.impostaPausa(true);
        b.annulla.trigger();
        QCOMPARE(b.prima(), "X");
        QCOMPARE(prima.size(), 0);
    }
};

QTEST_MAIN(ProvaComandiModifica)
#include "comandi_modifica_test.moc"
