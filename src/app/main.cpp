#include <QApplication>
#include <QStringList>

#include "mainwindow/gui/form1.h"
#include "qt/piattaforma_qt.h"
#include "model/stato.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quadrivo");
    QApplication::setDesktopFileName("quadrivo");

    quadrivo::Stato stato;
    stato.cartellaProgramma = QApplication::applicationDirPath().toStdString() + "/";
    quadrivo::PiattaformaQt piattaforma;
    // The whole command line is the puzzle's path, as a shell that split a path with blanks
    // would have given it.
    const QString rigaComando = QApplication::arguments().mid(1).join(' ');
    quadrivo::Form1 finestra(stato, piattaforma, rigaComando);
    finestra.show();
    return app.exec();
}
