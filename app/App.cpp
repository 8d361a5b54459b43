#include "App.h"

#include "Form1.h"
#include "frmCtl.h"
#include "frmOption.h"

#include <QGuiApplication>
#include <QScreen>

App::App(const AppServices &services)
    : dialogs(services.dialogs)
    , audio(services.audio)
    , waits(services.waits)
    , clock(services.clock)
    , elapsed(services.elapsed)
    , program(services.program)
    , shell(services.shell)
    , iniIo(services.program)
    , sound(services.audio, services.waits, services.program)
    , tape(
          sound, [this] { return options ? options->SoundInfo() : iniIo.IniData.SoundInfo; },
          services.createSpeech, services.osName)
    , mdl109(*this)
{
    form1 = std::make_unique<Form1>(*this);
    options = std::make_unique<frmOption>(*this);
    panel = std::make_unique<frmCtl>(*this);
}

// The panel first: it holds the board's ChimeiCtl and the tape's buttons in its reach.
App::~App()
{
    panel.reset();
    options.reset();
    form1.reset();
}

void App::startUp()
{
    mdl109.ResetAllDegit();
    mdl109.SetModelDefaults();
    panel->show();
    panel->raise();
    panel->activateWindow();
    form1->move(0, 0);
    // The corner of the screen that is free for windows, so a task bar does not cover the panel.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        panel->move(room.right() + 1 - panel->frameGeometry().width(),
                    room.bottom() + 1 - panel->frameGeometry().height());
    }
    form1->applyRoundedShape();
    form1->show();
}
