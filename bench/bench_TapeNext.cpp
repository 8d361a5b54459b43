// From TapeNext to the first sample of the voice leaving the mixer, for a
// 30-character announcement spoken by Open JTalk (target: under 0.35 s), and
// the longest silence between two pieces of it (counter gap_ms; target: none
// longer than the pause a comma makes within one piece, about 0.2 s).
// The mixer runs on the sound device, or on the dummy driver where there is
// none; the first sample is taken when the mixer first mixes the speech
// channel, so the time includes synthesis, the WAV load and up to one buffer.

#include "FirstSample.h"
#include "FixedProgramInfo.h"
#include "OpenJTalkSpeech.h"
#include "TapeWriter.h"
#include "Waits.h"
#include "mdlM_Tape.h"
#include "mdlSndAPI.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using FirstSample::Clock;

void TapeNextToFirstSample(benchmark::State &state)
{
    const QString text = QStringLiteral("次は、県立総合運動公園入口、体育館へお越しの方はこちらです。");
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("30tp.csv")));
    f.open(QIODevice::WriteOnly);
    f.write(tapeFile({{text, 0, 0}}));
    f.close();

    FirstSample::TimedAudioOut audio(AudioOut::SpeechChannel);
    EventLoopWaits waits;
    FixedProgramInfo program(dir.path());
    mdlSndAPI snd(audio, waits, program);
    OpenJTalkPlaces places = OpenJTalkPlaces::standard(QString());
    places.settingsFile = dir.filePath(QStringLiteral("speech.ini"));
    mdlM_Tape tape(
        snd, [] { return SoundInfo{}; }, [&] { return OpenJTalkSpeech::create(audio, places); },
        [] { return QStringLiteral("Debian"); });
    tape.InitSpeech(TapeControls{});
    if (!tape.SpeechReady()) {
        state.SkipWithError("Open JTalk is not installed");
        return;
    }
    state.SetLabel(audio.driverName().toStdString());
    // Each piece's end, and the longest wait from one to the next one's first sample.
    Clock::rep pieceEnd = 0;
    double longestGapMs = 0;
    QObject::connect(&audio, &AudioOut::finished, [&](int channel) {
        if (channel == AudioOut::SpeechChannel)
            pieceEnd = Clock::now().time_since_epoch().count();
    });

    for (auto _ : state) {
        tape.LoadTape(dir.path(), QStringLiteral("30"));
        FirstSample::first = 0;
        const Clock::time_point start = Clock::now();
        tape.TapeNext();
        const Clock::rep at = FirstSample::waitForFirst(10000);
        if (at == 0) {
            tape.TapeStop();
            state.SkipWithError("no voice within 10 s");
            return;
        }
        const auto elapsed = Clock::time_point(Clock::duration(at)) - start;
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());

        // The rest of the announcement, piece by piece, untimed.
        state.PauseTiming();
        QEventLoop rest;
        QTimer watch;
        Clock::rep lastStart = FirstSample::ofPlay.load();
        pieceEnd = 0;
        QObject::connect(&watch, &QTimer::timeout, &rest, [&] {
            const Clock::rep started = FirstSample::ofPlay.load();
            if (started != 0 && started != lastStart) {
                if (pieceEnd != 0 && pieceEnd < started)
                    longestGapMs = std::max(
                        longestGapMs,
                        std::chrono::duration<double, std::milli>(Clock::duration(started - pieceEnd))
                            .count());
                lastStart = started;
            }
            if (tape.speechEngine()->Status() != SpeechEngine::StatusSpeaking)
                rest.quit();
        });
        watch.start(1);
        QTimer::singleShot(20000, &rest, &QEventLoop::quit);
        rest.exec();
        tape.TapeStop();
        state.ResumeTiming();
    }
    state.counters["gap_ms"] = longestGapMs;
}

} // namespace

BENCHMARK(TapeNextToFirstSample)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
