// From play() to the first sample of a four-minute MIDI file leaving the mixer
// (target: under 0.3 s whatever its length), and the process's peak memory
// once it has been rendered (counter peak_MB).
//   build-bench/bench/bench_MidiStart

#include "MidiWriter.h"
#include "SdlAudioOut.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <atomic>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<Clock::rep> firstSample{0};

void SDLCALL noteFirstSample(int, void *, int, void *)
{
    Clock::rep none = 0;
    firstSample.compare_exchange_strong(none, Clock::now().time_since_epoch().count());
}

// The real mixer, with a note of when channel 0 first sounds.
class TimedAudioOut : public SdlAudioOut
{
public:
    void play(int channel) override
    {
        Mix_RegisterEffect(channel, noteFirstSample, nullptr, nullptr);
        SdlAudioOut::play(channel);
    }
};

void PlayToFirstSample(benchmark::State &state)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("long.mid")));
    f.open(QIODevice::WriteOnly);
    f.write(midiNotes(480, 500, 3)); // four minutes of chords
    f.close();
    TimedAudioOut audio;
    state.SetLabel(audio.driverName().toStdString());
    for (auto _ : state) {
        state.PauseTiming();
        audio.close(0);
        audio.waitForDecodes();
        firstSample = 0;
        state.ResumeTiming();
        const Clock::time_point start = Clock::now();
        audio.open(0, f.fileName(), AudioOut::Kind::Midi);
        audio.play(0);
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (firstSample.load() != 0)
                loop.quit();
        });
        poll.start(1);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        const Clock::rep at = firstSample.load();
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
