#pragma once

#include "RunState.h"
#include "Session.h"

#include <functional>
#include <memory>

// What a run is given: the services the windows use, and what ends the event loop.
struct AppServices : SessionServices
{
    std::function<void()> endRun; // after a confirmed quit: the event loop ends
};

// The run itself: the one owner of the three windows, which it builds and
// then connects through the session they share, and of what happens at the
// start and at the end.
class App : public Session
{
public:
    explicit App(const AppServices &services);
    ~App();

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
    std::function<void()> m_endRun;
    bool m_ended = false;
    RunState m_runState; // read at the start, written at the quit
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<frmOption> m_options;
    std::unique_ptr<frmCtl> m_panel;

    // The settings record into the windows, in the order each depends on the last.
    void applySettings();
    // The live settings back into the record.
    void collectSettings();
};
