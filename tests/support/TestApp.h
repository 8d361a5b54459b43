#pragma once

#include "App.h"
#include "Clock.h"
#include "ElapsedClock.h"
#include "ProgramInfo.h"
#include "SpeechEngine.h"

#include "FakeAudioOut.h"
#include "FakeDialogs.h"
#include "FakeShell.h"
#include "FakeSpeechEngine.h"
#include "FakeWaits.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <memory>

// A whole App on fakes, in a program folder of its own; with speech, a fake engine speaks.
struct TestApp
{
    QTemporaryDir folder;
    FixedProgramInfo program{folder.path()};
    FakeDialogs dialogs;
    FakeAudioOut audio;
    FakeWaits waits;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30))};
    FakeElapsedClock elapsed;
    FakeShell shell;
    FakeSpeechEngine *speech = nullptr; // owned by the tape
    int runsEnded = 0;                  // how often a confirmed quit ended the event loop
    std::unique_ptr<App> app;

    explicit TestApp(bool withSpeech = false)
    {
        waits.advance = [this](qint64 ms) {
            audio.advance(ms);
            elapsed.advanceMs(ms);
            clock.advanceMs(ms);
        };
        auto createSpeech = [this, withSpeech]() -> std::unique_ptr<SpeechEngine> {
            if (!withSpeech)
                return nullptr;
            auto engine = std::make_unique<FakeSpeechEngine>();
            speech = engine.get();
            return engine;
        };
        app = std::make_unique<App>(AppServices{
            dialogs, audio, waits, clock, &elapsed, program, shell, createSpeech,
            [] { return QStringLiteral("Debian GNU/Linux 12 (bookworm)"); }, [this] { ++runsEnded; }});
    }
};
