#pragma once

#include "App.h"
#include "Clock.h"
#include "Dialogs.h"
#include "ProgramInfo.h"
#include "SdlAudioOut.h"
#include "Shell.h"
#include "Waits.h"

// Before any window is built: the face names the program uses mapped to the
// installed fonts, and Qt's own texts in Japanese. What is missing is said on
// the standard error and the run goes on.
void prepareWindowing();

// What a real run talks to: Qt's dialogs, the sound device (or silence), the
// system clock, the executable's name and folder, the desktop's shell, and
// Open JTalk. A confirmed quit ends the application's event loop.
struct RealServices
{
    QtDialogs dialogs;
    SdlAudioOut audio;
    EventLoopWaits waits;
    SystemClock clock;
    ExecutableProgramInfo program;
    DesktopShell shell;

    AppServices services();
};
