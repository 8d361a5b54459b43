#pragma once

#include "DataIo.h"
#include "mdl109_000.h"
#include "mdlIniIo.h"
#include "mdlM_Tape.h"
#include "mdlSndAPI.h"

#include <memory>

class AudioOut;
class Clock;
class Dialogs;
class ElapsedClock;
class Form1;
class ProgramInfo;
class QWidget;
class Waits;

// What the program reaches outside itself: the real services in main, fakes in tests.
struct AppServices
{
    Dialogs &dialogs;
    AudioOut &audio;
    Waits &waits;
    const Clock &clock;
    const ElapsedClock *elapsed; // the scroll's clock; none: the stop-name strip keeps its own
    const ProgramInfo &program;
    mdlM_Tape::SpeechFactory createSpeech;
    mdlM_Tape::OsName osName;
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

    DataIo dataIo;
    mdlIniIo iniIo;
    mdlSndAPI sound;
    mdlM_Tape tape;
    mdl109_000 mdl109;

    std::unique_ptr<Form1> form1;
    // The operating panel frmCtl, while there is one; it takes no input while a board dialog is open.
    QWidget *panel = nullptr;

    // What runs when the board is loaded: cells blanked, the model's picture,
    // the board at the top left with its rounded shape, and shown.
    void startUp();
};
