// The main of the benchmarks that drive a window: Qt's application, with the
// program's fonts, before Google Benchmark runs.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "Fonts.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Duvane"));
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
