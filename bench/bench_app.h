#pragma once
// The one application object of the benchmark program, made when a benchmark first needs Qt's
// fonts or windows; on the offscreen platform unless another is set.

#include <QApplication>

inline QApplication& BenchApp() {
    static int argc = 1;
    static char name[] = "abacore_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication instance(argc, argv);
    return instance;
}
