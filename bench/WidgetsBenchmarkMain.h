#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The body of main() for benchmarks of windows and widgets: a QApplication on
// the offscreen platform unless QT_QPA_PLATFORM names another one.
inline int runWidgetsBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
