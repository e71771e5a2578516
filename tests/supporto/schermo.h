#pragma once
// Window tests on a 1024×768 screen at 96 dpi, the smallest the program must be usable on
// (offscreen's own is 800×600).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace quadrivo::prova {

template <typename T>
int eseguiSuSchermo1024(int argc, char** argv) {
    QTemporaryDir cartella;
    QFile schermo(cartella.path() + "/schermo.json");
    if (!schermo.open(QIODevice::WriteOnly) ||
        schermo.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1024, "height": 768,
                                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    schermo.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + schermo.fileName()).toUtf8());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    T prova;
    return QTest::qExec(&prova, argc, argv);
}

}  // namespace quadrivo::prova

// The test's main(), running `Classe` on that screen.
#define QUADRIVO_MAIN_1024X768(Classe) \
    int main(int argc, char** argv) { return quadrivo::prova::eseguiSuSchermo1024<Classe>(argc, argv); }
