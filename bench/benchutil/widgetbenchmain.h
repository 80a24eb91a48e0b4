#pragma once
// main() of the widget benchmarks: an application on the offscreen platform unless another
// one is asked for, then every registered benchmark.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#define KB_WIDGET_BENCHMARK_MAIN()                                                                 \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (!std::getenv("QT_QPA_PLATFORM"))                                                       \
            setenv("QT_QPA_PLATFORM", "offscreen", 1);                                             \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
