// Preparing a stop name: layout, glyph rendering and the dot copy of every cell.

#include "ChimeiCtl_E.h"

#include <QApplication>

#include <benchmark/benchmark.h>

static void SetChimei12Cells(benchmark::State &state)
{
    ChimeiCtl_E element;
    const QString name = QStringLiteral("県立総合運動公園北口広場");
    for (auto _ : state) {
        element.SetChimei(name);
        benchmark::DoNotOptimize(element.stripImage().constBits());
    }
}
BENCHMARK(SetChimei12Cells)->Unit(benchmark::kMicrosecond);

static void DrawDot16(benchmark::State &state)
{
    ChimeiCtl_E element;
    for (auto _ : state) {
        QString cell = QStringLiteral("驛");
        element.DrawDot16(2, 0, cell);
        benchmark::DoNotOptimize(element.stripImage().constBits());
    }
}
BENCHMARK(DrawDot16)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
