#pragma once

#include "App.h"
#include "Clock.h"
#include "ElapsedClock.h"
#include "ProgramInfo.h"
#include "SpeechEngine.h"

#include "FakeAudioOut.h"
#include "FakeDialogs.h"
#include "FakeWaits.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <memory>

// A whole App on fakes, in a program folder of its own, without speech.
struct TestApp
{
    QTemporaryDir folder;
    FixedProgramInfo program{folder.path()};
    FakeDialogs dialogs;
    FakeAudioOut audio;
    FakeWaits waits;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30))};
    FakeElapsedClock elapsed;
    std::unique_ptr<App> app;

    TestApp()
    {
        waits.advance = [this](qint64 ms) {
            audio.advance(ms);
            elapsed.advanceMs(ms);
            clock.advanceMs(ms);
        };
        app = std::make_unique<App>(AppServices{
            dialogs, audio, waits, clock, &elapsed, program, [] { return std::unique_ptr<SpeechEngine>(); },
            [] { return QStringLiteral("Debian GNU/Linux 12 (bookworm)"); }});
    }
};
