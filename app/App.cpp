#include "App.h"

#include "Form1.h"

App::App(const AppServices &services)
    : dialogs(services.dialogs)
    , audio(services.audio)
    , waits(services.waits)
    , clock(services.clock)
    , elapsed(services.elapsed)
    , program(services.program)
    , iniIo(services.program)
    , sound(services.audio, services.waits, services.program)
    , tape(
          sound, [this] { return iniIo.IniData.SoundInfo; }, services.createSpeech, services.osName)
    , mdl109(*this)
{
    form1 = std::make_unique<Form1>(*this);
}

App::~App() = default;

void App::startUp()
{
    mdl109.ResetAllDegit();
    mdl109.SetModelDefaults();
    form1->move(0, 0);
    form1->applyRoundedShape();
    form1->show();
}
