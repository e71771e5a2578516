// The yardstick of the speed goals: a bare maximised QMainWindow holding a QLineEdit.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("Finestra nuda");
    w.setCentralWidget(new QLineEdit);
    w.showMaximized();
    return app.exec();
}
