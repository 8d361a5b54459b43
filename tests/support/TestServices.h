#pragma once

#include "Session.h"
#include "SpeechEngine.h"

#include "FakeAudioOut.h"
#include "FakeClocks.h"
#include "FakeDialogs.h"
#include "FakeShell.h"
#include "FakeSpeechEngine.h"
#include "FakeWaits.h"
#include "FixedProgramInfo.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <memory>

// Every service on a fake, in a program folder of its own; with speech, a fake engine speaks.
struct TestServices
{
    QTemporaryDir folder;
    FixedProgramInfo program;
    FakeDialogs dialogs;
    FakeAudioOut audio;
    FakeWaits waits;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 5, 30))};
    FakeElapsedClock elapsed;
    FakeShell shell;
    FakeSpeechEngine *speech = nullptr; // owned by the tape

    // A program folder given is shared with another run; none: a folder of its own.
    explicit TestServices(const QString &programFolder = QString())
        : program(programFolder.isEmpty() ? folder.path() : programFolder)
    {
        waits.advance = [this](qint64 ms) {
            audio.advance(ms);
            elapsed.advanceMs(ms);
            clock.advanceMs(ms);
        };
    }

    SessionServices services(bool withSpeech)
    {
        auto createSpeech = [this, withSpeech]() -> std::unique_ptr<SpeechEngine> {
            if (!withSpeech)
                return nullptr;
            auto engine = std::make_unique<FakeSpeechEngine>();
            speech = engine.get();
            return engine;
        };
        return {dialogs, audio,        waits,
                clock,   &elapsed,     program,
                shell,   createSpeech, [] { return QStringLiteral("Debian GNU/Linux 12 (bookworm)"); }};
    }
};
