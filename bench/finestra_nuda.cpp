// The yardstick of the speed goals: a bare maximised QMainWindow with a menu bar (one menu), a
// status bar and a QLineEdit.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Finestra nuda");
    w.menuBar()->addMenu("&File")->addAction("&Esci", &app, &QApplication::quit);
    w.statusBar();
    w.setCentralWidget(new QLineEdit);
    w.showMaximized();
    return app.exec();
}
