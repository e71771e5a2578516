#pragma once
// A part of the main window on its own: a real session on a small puzzle over a bare window
// whose central widget is the drawing area the parts live on.
#include <QMainWindow>
#include <QSettings>
#include <QtTest>

#include "qt/area_disegno.h"
#include "qt/piattaforma_qt.h"
#include "sessione/sessione.h"
#include "supporto/schema.h"

namespace quadrivo::prova {

struct BancoParte {
    CartellaTemporanea dir;
    Stato stato;
    PiattaformaQt piattaforma;
    QMainWindow finestra;
    AreaDisegno* area = new AreaDisegno(&finestra);
    Sessione sessione{stato, piattaforma, dir.percorso("partite")};

    BancoParte() {
        stato.cartelle.programma = dir.percorso();
        sessione.lessico().cartella = dir.percorso();
        // The player's options start from nothing: none left by another test or run.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir.percorso()));
        finestra.setCentralWidget(area);
        finestra.resize(1024, 768);
    }
    // Everything queued so far has run.
    void smaltisci() {
        bool fatto = false;
        QMetaObject::invokeMethod(&finestra, [&fatto] { fatto = true; }, Qt::QueuedConnection);
        QTRY_VERIFY(fatto);
    }
    // Opens the puzzle written as rows ('#' black).
    void apri(const std::vector<std::string>& righe = {"CASA#", "ALTO#", "NEVE#"}) {
        QCOMPARE(sessione.apri(dir.scrivi("p.trmo", fileTrmo(righe))), EsitoApertura::ok);
    }
};

}  // namespace quadrivo::prova
