#include "Session.h"

#include "Form1.h"
#include "ProgramInfo.h"
#include "frmCtl.h"
#include "frmOption.h"

Session::Session(const SessionServices &services)
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
          sound, [this] { return options->SoundInfo(); }, services.createSpeech, services.osName)
    , mdl109(*this)
{
}

void Session::connectWindows(Form1 &board, frmOption &optionsDialog, frmCtl &operatingPanel)
{
    form1 = &board;
    options = &optionsDialog;
    panel = &operatingPanel;
    // The panel's load names the board after the model.
    board.setWindowTitle(QStringLiteral("ルクシオ - 型番:") + program.baseName());
}
