#include "App.h"

#include "ChimeiCtl_E.h"
#include "Dialogs.h"
#include "Form1.h"
#include "M_DegitEm.h"
#include "ProgramInfo.h"
#include "RemoteControl.h"
#include "frmCtl.h"
#include "frmOption.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

App::App(const AppServices &services)
    : Session(services)
    , m_endRun(services.endRun)
    , m_form1(std::make_unique<Form1>(*this))
    , m_options(std::make_unique<frmOption>(*this))
    , m_panel(std::make_unique<frmCtl>(*this))
    , m_remoteSocket(services.remoteSocket)
{
    connectWindows(*m_form1, *m_options, *m_panel);
    askToQuit = [this] { return quit(); };
}

// The panel first: it holds the board's ChimeiCtl and the tape's buttons in its reach.
App::~App()
{
    m_remote.reset();
    m_panel.reset();
    m_options.reset();
    m_form1.reset();
}

void App::startUp()
{
    mdl109.ResetAllDegit();
    mdl109.SetModelDefaults();
    panel->show();
    panel->raise();
    panel->activateWindow();
    form1->move(0, 0);
    m_runState = RunState::load(runStateFile());
    form1->setZoomPercent(m_runState.zoomPercent);
    // The corner of the screen that is free for windows, so a task bar does not cover the panel.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        panel->placeAtBottomRight(screen->availableGeometry());
    form1->applyRoundedShape();
    const IniLoadResult loaded = iniIo.LoadIni();
    if (loaded.error)
        dialogs.MsgBox(nullptr, mdlIniIo::loadErrorMessage(*loaded.error), Dialogs::Ok, Dialogs::NoIcon,
                       Dialogs::appTitle());
    if (loaded.read)
        applySettings();
    // After the plug-in's companies are in the preview's list.
    panel->restoreRoute({m_runState.route, m_runState.section}, m_runState.company);
    form1->show();
    startRemoteControl();
}

QString App::runStateFile() const
{
    return RunState::filePath(program.configFolder());
}

void App::saveRunState()
{
    const QString file = runStateFile();
    RunState state = m_runState;
    state.zoomPercent = form1->zoomPercent();
    const frmCtl::KeyedRoute route = panel->lastRouteSet();
    state.route = route.route;
    state.section = route.section;
    // With no plug-in loaded the list is empty; the company chosen before stays.
    if (panel->Combo1->count() > 0)
        state.company = panel->Combo1->currentText();
    if (!state.save(file))
        qWarning("109: could not write %s", qPrintable(file));
}

void App::startRemoteControl()
{
    if (m_remoteSocket.isEmpty())
        return;
    m_remote = std::make_unique<RemoteControl>(*this);
    switch (m_remote->listen(m_remoteSocket)) {
    case RemoteControl::Listening::Yes:
        break;
    case RemoteControl::Listening::AnotherRuns:
        qWarning("109: another 109 takes the commands of %s; this one takes none",
                 qPrintable(m_remoteSocket));
        m_remote.reset();
        break;
    case RemoteControl::Listening::Failed:
        qWarning("109: cannot take commands at %s", qPrintable(m_remoteSocket));
        m_remote.reset();
        break;
    }
}

// A stored value a control cannot take is told by SetOptionInfo, once; the
// steps after it still run, so one bad field does not cost the windows'
// places and every display setting.
void App::applySettings()
{
    const IniRecord &record = iniIo.IniData;
    for (int i = 1; i <= IniRecord::CellCount; ++i) {
        M_DegitEm *cell = form1->Degit[i];
        const DegitUserInfo &user = record.DegitUser[i];
        cell->setZeroMode(user.ZeroMode);
        cell->setShift(user.Shift);
        cell->setFillZero(user.FillZero);
        cell->setValue(QStringLiteral(" "));
    }
    const DegitInfo &colors = record.DegitInfo;
    form1->setDigitColors(colors.DegitBackColor, colors.DegitBaseForeColor, colors.DegitForeColor);
    form1->ChimeiCtl->setBackColor(record.ChimeiInfo.ChimeiBackColor);
    form1->ChimeiCtl->setForeColor(record.ChimeiInfo.ChimeiForeColor);

    options->SetOptionInfo();
    qint16 ok = 0;
    options->SetPlgin(options->txtSeiriPlgDir->text(), ok);
    panel->SetCtrlDataInfo();
    form1->SetFormInfo();
    options->SetProp();
}

bool App::quit()
{
    if (m_ended)
        return true;
    if (dialogs.MsgBox(panel, QStringLiteral("ルクシオを終了しますか？"), Dialogs::YesNo, Dialogs::Question,
                       QStringLiteral("ルクシオの終了確認"))
        != Dialogs::AnsweredYes)
        return false;

    // The run ends here, so the scroll ends with it, over the blank strip.
    form1->ChimeiCtl->SetChimei(QString());
    form1->ChimeiCtl->StopScroll();
    form1->DeleteRgn();
    panel->BtnRgn.fill(QRegion());
    sound.CloseAllSounds();
    tape.ReleaseSpeech();
    m_ended = true;
    if (m_remote)
        m_remote->close();
    collectSettings();
    if (const auto failure = iniIo.SaveIni())
        dialogs.MsgBox(nullptr, mdlIniIo::saveErrorMessage(*failure), Dialogs::Ok, Dialogs::NoIcon,
                       Dialogs::appTitle());
    saveRunState();
    if (m_endRun)
        m_endRun();
    return true;
}

void App::collectSettings()
{
    IniRecord &record = iniIo.IniData;
    record.DegitUser = {};
    for (int i = 1; i <= IniRecord::CellCount; ++i) {
        const M_DegitEm *cell = form1->Degit[i];
        record.DegitUser[i] = {cell->Shift(), cell->ZeroMode(), cell->FillZero()};
    }
    options->GetOptionInfo();
    panel->GetCtrlDataInfo();
    form1->GetFormInfo();
}
