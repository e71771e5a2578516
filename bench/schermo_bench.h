#pragma once
// Runs a window benchmark on folders of its own (a leftover working copy of the player's would
// stop the start on the recovery question, and the measured runs must not touch the player's
// options) and on a 1920x1080 screen, where the goals were stated: offscreen's own 800x600 would
// make a big grid grow past the window and slide with every step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

inline int eseguiBenchmarkFinestra(int argc, char** argv) {
    // Static: the working copy's lock is let go at the program's very end, after main.
    static QTemporaryDir casa;
    QFile schermo(casa.path() + "/schermo.json");
    if (schermo.open(QIODevice::WriteOnly))
        schermo.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920, "height": 1080,
                                       "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    schermo.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + schermo.fileName()).toUtf8());
    for (const char* v : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(v, (casa.path() + "/" + v).toUtf8());
    QDir().mkpath(casa.path() + "/XDG_RUNTIME_DIR");
    QFile::setPermissions(casa.path() + "/XDG_RUNTIME_DIR", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
