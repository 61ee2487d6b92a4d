// The main of a benchmark that builds windows: an application object on the offscreen
// platform unless told otherwise, and the United States' regional settings, so figures
// compare from one machine to the next.
#include "common/core/regional.h"

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    pellar::RegionalSettings::setCurrent(pellar::RegionalSettings::unitedStates());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
