#pragma once

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// main() for benchmarks whose code needs a Qt application object (timers,
// D-Bus, QObject parents).
#define DIALOMETER_QT_BENCHMARK_MAIN()                                                             \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
