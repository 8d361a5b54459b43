// The settings record to and from the dialog's controls through the one
// table of which control holds which setting, and the display settings
// applied to the board.
#include "frmOption.h"

#include "ChimeiCtl_E.h"
#include "ColorButton.h"
#include "Dialogs.h"
#include "Form1.h"
#include "RuntimeError.h"
#include "Session.h"
#include "frmCtl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <optional>

namespace {

// Record to controls. A stored value a control cannot take leaves that control
// as it is and is kept as the failure to report; the rest still goes in.
struct SetControls
{
    std::optional<Failure> failure;
    std::function<void()> backlight;
    std::function<void()> previewDigits;

    void refuse()
    {
        if (!failure)
            failure = Failure::of(RuntimeError::InvalidPropertyValue);
    }
    void operator()(QLineEdit *box, const QString &value) { box->setText(value); }
    void operator()(QLabel *label, const QString &value) { label->setText(value); }
    void operator()(QCheckBox *box, qint16 value)
    {
        if (value == 0 || value == 1)
            box->setChecked(value == 1);
        else
            refuse();
    }
    void operator()(QRadioButton *button, qint16 value)
    {
        // A button set to false is deselected, as its group allows none selected.
        QButtonGroup *group = button->group();
        const bool exclusive = group && group->exclusive();
        if (exclusive && value == 0)
            group->setExclusive(false);
        button->setChecked(value != 0);
        if (exclusive)
            group->setExclusive(true);
    }
    void operator()(QComboBox *list, qint16 value)
    {
        if (value >= -1 && value < list->count())
            list->setCurrentIndex(value);
        else
            refuse();
    }
    void operator()(ColorButton *button, qint32 value) { button->setBackColor(value); }
    void afterPanelPictures() { backlight(); }
    void afterDigitColors() { previewDigits(); }
};

// Controls to record.
struct GetControls
{
    void operator()(const QLineEdit *box, QString &value) { value = box->text(); }
    void operator()(const QLabel *label, QString &value) { value = label->text(); }
    void operator()(const QCheckBox *box, qint16 &value) { value = box->isChecked() ? 1 : 0; }
    void operator()(const QRadioButton *button, qint16 &value) { value = button->isChecked() ? -1 : 0; }
    void operator()(const QComboBox *list, qint16 &value) { value = qint16(list->currentIndex()); }
    void operator()(const ColorButton *button, qint32 &value) { value = button->BackColor(); }
    void afterPanelPictures() { }
    void afterDigitColors() { }
};

} // namespace

// Which control holds which setting: the one table that the record's
// transfers in both directions, and settings(), read. Each row is a field of
// the record and its control; the control's kind says how the value is held
// (a text, a check box 0/1, an option button -1/0, a list row, a colour).
// The order is the record's, with the two steps that follow a block's
// controls being set.
template<class Transfer>
void frmOption::transferAll(IniRecord &r, Transfer &&t) const
{
    t(Text2[Folder::Fares], r.DataDirInfo.HyDir);
    t(Text2[Folder::Tapes], r.DataDirInfo.TpDir);

    PanelInfo &p = r.PanelInfo;
    t(Check1, p.UseAutoSeiriNum);
    t(Command5[Backlight::Off], p.SeiriNumColorOff);
    t(Command5[Backlight::On1], p.SeiriNumColorOn1);
    t(Command5[Backlight::On2], p.SeiriNumColorOn2);
    t(Combo2, p.SeiriNumFormat);
    t(Check2, p.SeiriNumZero);
    t(Option3[PanelChoice::Auto], p.PanelAuto);
    t(Option3[PanelChoice::Each], p.PanelEach);
    t(Option3[PanelChoice::OffBuiltIn], p.PanelOffBuiltIn);
    t(Option3[PanelChoice::OffUser], p.PanelOffUser);
    t(Option3[PanelChoice::On1BuiltIn], p.PanelOn1BuiltIn);
    t(Option3[PanelChoice::On1User], p.PanelOn1User);
    t(Option3[PanelChoice::On2BuiltIn], p.PanelOn2BuiltIn);
    t(Option3[PanelChoice::On2User], p.PanelOn2User);
    t(txtSelectPanel[Backlight::Off], p.PanelOffFile);
    t(txtSelectPanel[Backlight::On1], p.PanelOn1File);
    t(txtSelectPanel[Backlight::On2], p.PanelOn2File);
    t.afterPanelPictures();

    DegitInfo &d = r.DegitInfo;
    t(Command8[DigitColour::Back], d.DegitBackColor);
    t(Command8[DigitColour::BaseFore], d.DegitBaseForeColor);
    t(Command8[DigitColour::Fore], d.DegitForeColor);
    t(Check3[InfoCheck::StopNo], d.ShowStopNo);
    t(Combo4[InfoList::StopNoKoma], d.StopNoKoma);
    t(Check3[InfoCheck::StopNoFromZero], d.StopNoFromZero);
    t(Check3[InfoCheck::SeiriNo], d.ShowSeiriNo);
    t(Combo4[InfoList::SeiriNoKoma], d.SeiriNoKoma);
    t(Check3[InfoCheck::KeitoNo], d.ShowKeitoNo);
    t(Combo4[InfoList::KeitoNoKoma], d.KeitoNoKoma);
    t(Check3[InfoCheck::DataCol], d.ShowDataCol);
    t(Combo4[InfoList::DataColNo], d.DataColNo);
    t(Combo4[InfoList::DataColKoma], d.DataColKoma);
    t.afterDigitColors();

    ChimeiInfo &c = r.ChimeiInfo;
    t(Command9[StopNameColour::Back], c.ChimeiBackColor);
    t(Command9[StopNameColour::Fore], c.ChimeiForeColor);
    t(Combo3, c.ChimeiFontMode);
    t(Check4, c.ChimeiFontBold);

    ::SoundInfo &s = r.SoundInfo;
    t(txtSelectSound[Sound::Keito], s.KeitoSound);
    t(txtSelectSound[Sound::Reset], s.ResetSound);
    t(Option6[Playing::Sync], s.FareSoundSync);
    t(Option6[Playing::Async], s.FareSoundAsync);
    t(Option2[SoundWhen::FareAlways], s.FareSoundAlways);
    t(Option2[SoundWhen::FareByData], s.FareSoundByData);
    t(txtSelectSound[Sound::FareFixed], s.FareSoundFile);
    t(Combo1, s.FareSoundCol);
    t(txtSelectSound[Sound::Fare1], s.FareSound1);
    t(txtSelectSound[Sound::Fare2], s.FareSound2);
    t(txtSelectSound[Sound::Fare3], s.FareSound3);
    t(Option7[Playing::Sync], s.TapeSoundSync);
    t(Option7[Playing::Async], s.TapeSoundAsync);
    t(Option2[SoundWhen::TapeAlways], s.TapeSoundAlways);
    t(Option2[SoundWhen::TapeByFlag], s.TapeSoundByFlag);
    t(txtSelectSound[Sound::TapeFixed], s.TapeSoundFile);
    t(txtSelectSound[Sound::Tape1], s.TapeSound1);
    t(txtSelectSound[Sound::Tape2], s.TapeSound2);
    t(txtSelectSound[Sound::Tape3], s.TapeSound3);

    SeiriPrevInfo &v = r.SeiriPrevInfo;
    t(chkUseSeiriPrev, v.UseSeiriPrev);
    t(txtSeiriPlgDir, v.SeiriPlgPath);
    t(Option4[TicketDate::ByPrint], v.DateByPrint);
    t(Option4[TicketDate::ByKeito], v.DateByKeito);
    t(Option4[TicketDate::Fixed], v.DateFixed);
    t(Label10, v.FixedDate);
}

void frmOption::SetOptionInfo()
{
    SetControls set;
    set.backlight = [this] { reapplyBacklight(); };
    set.previewDigits = [this] { previewDigitColors(); };
    transferAll(m_session.iniIo.IniData, set);
    // One bad field is told once; it would otherwise cost every setting after it.
    if (set.failure)
        m_session.dialogs.MsgBox(nullptr, mdlIniIo::loadErrorMessage(*set.failure), Dialogs::Ok,
                                 Dialogs::NoIcon, Dialogs::appTitle());
}

void frmOption::GetOptionInfo()
{
    transferAll(m_session.iniIo.IniData, GetControls{});
}

IniRecord frmOption::settings() const
{
    IniRecord record;
    transferAll(record, GetControls{});
    return record;
}

void frmOption::reapplyBacklight()
{
    frmCtl &panel = *m_session.panel;
    panel.Option4_Click(panel.Option4[0]->isChecked() ? 0 : panel.Option4[1]->isChecked() ? 1 : 2);
}

void frmOption::SetProp()
{
    const IniRecord now = settings();
    Form1 &board = *m_session.form1;
    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        board.lblSeiriNum[k]->setVisible(now.PanelInfo.UseAutoSeiriNum != 0);

    m_session.mdl109.SeirikenNumSet(now.PanelInfo.SeiriNumFormat, now.PanelInfo.SeiriNumZero);

    const frmCtl &panel = *m_session.panel;
    const qint32 colors[3] = {now.PanelInfo.SeiriNumColorOff, now.PanelInfo.SeiriNumColorOn1,
                              now.PanelInfo.SeiriNumColorOn2};
    for (int state = 0; state < 3; ++state) {
        if (panel.Option4[state]->isChecked())
            board.setTicketNumberColor(colors[state]);
    }

    const DegitInfo &digits = now.DegitInfo;
    board.setDigitColors(digits.DegitBackColor, digits.DegitBaseForeColor, digits.DegitForeColor);

    ChimeiCtl_E &strip = *board.ChimeiCtl;
    strip.setBackColor(now.ChimeiInfo.ChimeiBackColor);
    strip.setForeColor(now.ChimeiInfo.ChimeiForeColor);
    strip.setFontMode(now.ChimeiInfo.ChimeiFontMode);
    strip.setFontBold(now.ChimeiInfo.ChimeiFontBold == 1);

    reapplyBacklight();
}
