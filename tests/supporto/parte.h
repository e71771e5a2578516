#pragma once
// A part of the main window on its own: a real session on a small puzzle over a bare 1024×768
// window whose central widget is the drawing area the parts live on.
#include <QMainWindow>
#include <QSettings>
#include <QtTest>

#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/lavoro.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

struct BancoParte {
    CartellaTemporanea dir;
    PiattaformaQt piattaforma;
    QMainWindow finestra;
    AreaDisegno* area = new AreaDisegno(&finestra);
    Sessione sessione{Cartelle{dir.percorso(), {}}, piattaforma, dir.percorso("partite")};

    BancoParte() {
        sessione.lessico().cartella = dir.percorso();
        // The player's options start from nothing: none left by another test or run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir.percorso()));
        finestra.setCentralWidget(area);
        finestra.resize(1024, 768);
    }
    // The answers written here are no run's to offer back: a copy left behind would be read by
    // every later session of the run, and of a repeated run.
    ~BancoParte() { cancellaCopiaLavoro(sessione.documento().fileLavoro); }
    // Shown and active: shortcuts go to the active window.
    void mostra() {
        finestra.show();
        finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
    }
    // Opens the puzzle written as rows of solution letters ('#' black), saved as `nome`.
    void apri(const std::vector<std::string>& righe = {"CASA#", "ALTO#", "NEVE#"}, const std::string& nome = "p.trmo") {
        QCOMPARE(sessione.apri(dir.scrivi(nome, fileTrmo(righe))), EsitoApertura::ok);
    }
};

// The same, shown and active from the start.
struct BancoMostrato : BancoParte {
    BancoMostrato() { mostra(); }
};

}  // namespace quadrivo::prova
