// From play() to the first sample of a four-minute MIDI file leaving the mixer
// (target: under 0.3 s whatever its length), and the process's peak memory
// once it has been rendered (counter peak_MB).
//   build-bench/bench/bench_MidiStart

#include "FirstSample.h"
#include "MidiWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>

namespace {

using FirstSample::Clock;

void PlayToFirstSample(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("long.mid")));
    f.open(QIODevice::WriteOnly);
    f.write(midiNotes(480, 500, 3)); // four minutes of chords
    f.close();
    FirstSample::TimedAudioOut audio(0);
    state.SetLabel(audio.driverName().toStdString());
    for (auto _ : state) {
        state.PauseTiming();
        audio.close(0);
        audio.waitForDecodes();
        FirstSample::first = 0;
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        audio.open(0, f.fileName(), AudioOut::Kind::Midi);
        audio.play(0);
        const Clock::rep at = FirstSample::waitForFirst(30000);
        if (at == 0) {
            state.SkipWithError("no sound within 30 s");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(Clock::time_point(Clock::duration(at)) - start).count());
        audio.waitForDecodes();
        QCoreApplication::processEvents();
        audio.stop(0);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(PlayToFirstSample)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
