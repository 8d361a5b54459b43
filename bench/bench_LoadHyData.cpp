// Loading a full route: 301 rows with ten-character stop names.

#include "DataIo.h"
#include "Hy3File.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void LoadHyData301(benchmark::State &state)
{
    QTemporaryDir dir;
    std::vector<HyRecord> rows(DataIo::TableRows);
    for (int r = 0; r < DataIo::TableRows; ++r) {
        rows[r].TeiName = QStringLiteral("県立総合運動公園%1").arg(r, 3, 10, QLatin1Char('0'));
        rows[r].SeiriNo = qint16(r + 1);
        for (int c = 1; c <= HyRecord::ColCount; ++c)
            rows[r].Col[c] = qint16(180 + 10 * c);
    }
    QFile f(dir.filePath(QStringLiteral("301.hy3")));
    f.open(QIODevice::WriteOnly);
    f.write(Hy3File::write(rows));
    f.close();

    DataIo io;
    io.KukanNo = 1;
    const QString folder = dir.path() + u'/';
    for (auto _ : state) {
        const HyLoadResult r = io.LoadHyData(folder, QStringLiteral("301"));
        if (!r.loaded())
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(io.HyTable[301].Col[150]);
    }
}
BENCHMARK(LoadHyData301)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
