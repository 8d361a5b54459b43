#pragma once

#include "DataIo.h"
#include "mdl109_000.h"
#include "mdlIniIo.h"
#include "mdlM_Tape.h"
#include "mdlSndAPI.h"

#include <functional>

class AudioOut;
class Clock;
class Dialogs;
class ElapsedClock;
class Form1;
class ProgramInfo;
class Shell;
class Waits;
class frmCtl;
class frmOption;

// What the windows reach outside the program: the real services in main, fakes in tests.
struct SessionServices
{
    Dialogs &dialogs;
    AudioOut &audio;
    Waits &waits;
    const Clock &clock;
    const ElapsedClock *elapsed; // the scroll's clock; none: the stop-name strip keeps its own
    const ProgramInfo &program;
    Shell &shell;
    mdlM_Tape::SpeechFactory createSpeech;
    mdlM_Tape::OsName osName;
};

// What the three windows and the modules share for the whole run: the
// services, the modules with their state, and each other. Whoever builds the
// windows hands them all to connectWindows before any of them is used; from
// then on a window reaches its siblings through here.
class Session
{
public:
    explicit Session(const SessionServices &services);
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Dialogs &dialogs;
    AudioOut &audio;
    Waits &waits;
    const Clock &clock;
    const ElapsedClock *elapsed;
    const ProgramInfo &program;
    Shell &shell;

    DataIo dataIo;
    mdlIniIo iniIo;
    mdlSndAPI sound;
    mdlM_Tape tape;
    mdl109_000 mdl109;

    // The board, the options dialog (its controls hold the settings) and the operating panel.
    Form1 *form1 = nullptr;
    frmOption *options = nullptr;
    frmCtl *panel = nullptr;

    // The board's and the panel's close boxes ask this whether the run may
    // end; it says whether it has. Without one, a window simply closes.
    std::function<bool()> askToQuit;

    // The three windows, built, made known to each other in one step.
    void connectWindows(Form1 &board, frmOption &optionsDialog, frmCtl &operatingPanel);
    // What a window's close box does: the run's answer, or yes when nothing asks.
    bool mayClose() const { return !askToQuit || askToQuit(); }
};
