#pragma once
// A part of the main window on its own: a real session, a bare 1024×768 window, shown and active
// (shortcuts go to the active window), with a drawing area filling it.
#include <QTest>
#include <QWidget>

#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

struct BancoParte {
    CartellaTemporanea dir;
    Stato stato;
    PiattaformaQt piattaforma;
    QWidget finestra;
    AreaDisegno* area = new AreaDisegno(&finestra);
    Sessione sessione{stato, piattaforma, dir.percorso("partite")};

    BancoParte() {
        stato.cartelle.programma = dir.percorso();
        sessione.lessico().cartella = dir.percorso();
        finestra.resize(1024, 768);
        area->resize(finestra.size());
        finestra.show();
        finestra.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&finestra));
    }
    // Opens the puzzle written as rows of solution letters, saved as `nome`.
    void apri(const std::vector<std::string>& righe = {"CASA#", "ALTO#", "NEVE#"}, const std::string& nome = "p.trmo") {
        QCOMPARE(sessione.apri(dir.scrivi(nome, fileTrmo(righe))), EsitoApertura::ok);
    }
};

}  // namespace quadrivo::prova
