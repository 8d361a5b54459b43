#pragma once

#include "RunState.h"
#include "Session.h"

#include <functional>
#include <memory>

class RemoteControl;

// What a run is given: the services the windows use, and what ends the event loop.
struct AppServices : SessionServices
{
    std::function<void()> endRun; // after a confirmed quit: the event loop ends
    QString remoteSocket;         // where other programs' commands come in; empty: nowhere
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

    // Takes commands from other programs, once started and while this run is the first.
    RemoteControl *remote() const { return m_remote.get(); }

private:
    std::function<void()> m_endRun;
    bool m_ended = false;
    std::unique_ptr<Form1> m_form1;
    std::unique_ptr<frmOption> m_options;
    std::unique_ptr<frmCtl> m_panel;
    QString m_remoteSocket;
    std::unique_ptr<RemoteControl> m_remote;
    RunState m_runState; // as read at the start; what this run does not change is written back

    // The settings record into the windows, in the order each depends on the last.
    void applySettings();
    // The live settings back into the record.
    void collectSettings();
    // The program's own state file, beside speech.ini: the zoom and the route last set.
    QString runStateFile() const;
    void saveRunState();
    void startRemoteControl();
};
