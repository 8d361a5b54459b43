#pragma once

#include "DataIo.h"
#include "mdl109_000.h"
#include "mdlIniIo.h"
#include "mdlM_Tape.h"
#include "mdlSndAPI.h"

#include <functional>
#include <memory>

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

// What the program reaches outside itself: the real services in main, fakes in tests.
struct AppServices
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
    std::function<void()> endRun; // after a confirmed quit: the event loop ends
};

// Everything that lives for the whole run: the modules with their state and
// the windows. Each window and module is given the App and reaches the others
// through it.
class App
{
public:
    explicit App(const AppServices &services);
    ~App();
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    Dialogs &dialogs;
    AudioOut &audio;
    Waits &waits;
    const Clock &clock;
    const ElapsedClock *elapsed;
    const ProgramInfo &program;
    Shell &shell;
    std::function<void()> endRun;

    DataIo dataIo;
    mdlIniIo iniIo;
    mdlSndAPI sound;
    mdlM_Tape tape;
    mdl109_000 mdl109;

    // The windows, built in this order: the board, the options dialog (hidden;
    // its controls hold the settings) and the operating panel.
    std::unique_ptr<Form1> form1;
    std::unique_ptr<frmOption> options;
    std::unique_ptr<frmCtl> panel;

    // What runs when the board is loaded: cells blanked, the model's defaults,
    // the panel shown at the bottom right, the board at the top left with its
    // rounded shape; then the saved settings, when there is a file, and the
    // board shown.
    void startUp();

    // The panel was asked to close. Asks first; on Yes, lets go of the
    // displays, sounds and speech, writes the settings, ends the event loop
    // and returns true. On No nothing happens and it returns false. Once the
    // run is ended, further close requests are granted without asking.
    bool quit();

private:
    bool m_ended = false;
    // The settings record into the windows, in the order each depends on the last.
    void applySettings();
    // The live settings back into the record.
    void collectSettings();
};
