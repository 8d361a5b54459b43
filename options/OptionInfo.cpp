// The settings record to and from the dialog's controls, and the display
// settings applied to the board.
#include "frmOption.h"

#include "App.h"
#include "ChimeiCtl_E.h"
#include "ColorButton.h"
#include "Dialogs.h"
#include "Form1.h"
#include "RuntimeError.h"
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
    void operator()(QLineEdit *box, QString &value) { value = box->text(); }
    void operator()(QLabel *label, QString &value) { value = label->text(); }
    void operator()(QCheckBox *box, qint16 &value) { value = box->isChecked() ? 1 : 0; }
    void operator()(QRadioButton *button, qint16 &value) { value = button->isChecked() ? -1 : 0; }
    void operator()(QComboBox *list, qint16 &value) { value = qint16(list->currentIndex()); }
    void operator()(ColorButton *button, qint32 &value) { value = button->BackColor(); }
    void afterPanelPictures() { }
    void afterDigitColors() { }
};

} // namespace

template<class Transfer>
void frmOption::transferAll(IniRecord &r, Transfer &&t)
{
    t(Text2[0], r.DataDirInfo.HyDir);
    t(Text2[1], r.DataDirInfo.TpDir);

    PanelInfo &p = r.PanelInfo;
    t(Check1, p.UseAutoSeiriNum);
    t(Command5[0], p.SeiriNumColorOff);
    t(Command5[1], p.SeiriNumColorOn1);
    t(Command5[2], p.SeiriNumColorOn2);
    t(Combo2, p.SeiriNumFormat);
    t(Check2, p.SeiriNumZero);
    t(Option3[0], p.PanelAuto);
    t(Option3[1], p.PanelEach);
    t(Option3[7], p.PanelOffBuiltIn);
    t(Option3[6], p.PanelOffUser);
    t(Option3[3], p.PanelOn1BuiltIn);
    t(Option3[2], p.PanelOn1User);
    t(Option3[4], p.PanelOn2BuiltIn);
    t(Option3[5], p.PanelOn2User);
    t(txtSelectPanel[0], p.PanelOffFile);
    t(txtSelectPanel[1], p.PanelOn1File);
    t(txtSelectPanel[2], p.PanelOn2File);
    t.afterPanelPictures();

    DegitInfo &d = r.DegitInfo;
    t(Command8[0], d.DegitBackColor);
    t(Command8[1], d.DegitBaseForeColor);
    t(Command8[2], d.DegitForeColor);
    t(Check3[0], d.ShowStopNo);
    t(Combo4[0], d.StopNoKoma);
    t(Check3[4], d.StopNoFromZero);
    t(Check3[1], d.ShowSeiriNo);
    t(Combo4[1], d.SeiriNoKoma);
    t(Check3[2], d.ShowKeitoNo);
    t(Combo4[2], d.KeitoNoKoma);
    t(Check3[3], d.ShowDataCol);
    t(Combo4[4], d.DataColNo);
    t(Combo4[3], d.DataColKoma);
    t.afterDigitColors();

    ChimeiInfo &c = r.ChimeiInfo;
    t(Command9[0], c.ChimeiBackColor);
    t(Command9[1], c.ChimeiForeColor);
    t(Combo3, c.ChimeiFontMode);
    t(Check4, c.ChimeiFontBold);

    ::SoundInfo &s = r.SoundInfo;
    t(txtSelectSound[0], s.KeitoSound);
    t(txtSelectSound[1], s.ResetSound);
    t(Option6[0], s.FareSoundSync);
    t(Option6[1], s.FareSoundAsync);
    t(Option2[0], s.FareSoundAlways);
    t(Option2[1], s.FareSoundByData);
    t(txtSelectSound[7], s.FareSoundFile);
    t(Combo1, s.FareSoundCol);
    t(txtSelectSound[8], s.FareSound1);
    t(txtSelectSound[9], s.FareSound2);
    t(txtSelectSound[10], s.FareSound3);
    t(Option7[0], s.TapeSoundSync);
    t(Option7[1], s.TapeSoundAsync);
    t(Option2[2], s.TapeSoundAlways);
    t(Option2[3], s.TapeSoundByFlag);
    t(txtSelectSound[3], s.TapeSoundFile);
    t(txtSelectSound[4], s.TapeSound1);
    t(txtSelectSound[5], s.TapeSound2);
    t(txtSelectSound[6], s.TapeSound3);

    SeiriPrevInfo &v = r.SeiriPrevInfo;
    t(chkUseSeiriPrev, v.UseSeiriPrev);
    t(txtSeiriPlgDir, v.SeiriPlgPath);
    t(Option4[0], v.DateByPrint);
    t(Option4[1], v.DateByKeito);
    t(Option4[2], v.DateFixed);
    t(Label10, v.FixedDate);
}

void frmOption::SetOptionInfo()
{
    SetControls set;
    set.backlight = [this] { reapplyBacklight(); };
    set.previewDigits = [this] { previewDigitColors(); };
    transferAll(m_app.iniIo.IniData, set);
    // One bad field is told once; it would otherwise cost every setting after it.
    if (set.failure)
        m_app.dialogs.MsgBox(nullptr, mdlIniIo::loadErrorMessage(*set.failure), Dialogs::Ok, Dialogs::NoIcon,
                             Dialogs::appTitle());
}

void frmOption::GetOptionInfo()
{
    transferAll(m_app.iniIo.IniData, GetControls{});
}

void frmOption::reapplyBacklight()
{
    if (!m_app.panel)
        return;
    const frmCtl &panel = *m_app.panel;
    m_app.panel->Option4_Click(panel.Option4[0]->isChecked() ? 0 : panel.Option4[1]->isChecked() ? 1 : 2);
}

void frmOption::SetProp()
{
    Form1 &board = *m_app.form1;
    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        board.lblSeiriNum[k]->setVisible(Check1->isChecked());

    m_app.mdl109.SeirikenNumSet(SeiriNumFormat(), SeiriNumZero());

    if (m_app.panel) {
        const frmCtl &panel = *m_app.panel;
        const qint32 colors[3] = {SeiriNumColorOff(), SeiriNumColorOn1(), SeiriNumColorOn2()};
        for (int state = 0; state < 3; ++state) {
            if (panel.Option4[state]->isChecked())
                board.setTicketNumberColor(colors[state]);
        }
    }

    board.setDigitColors(DegitBackColor(), DegitBaseForeColor(), DegitForeColor());

    ChimeiCtl_E &strip = *board.ChimeiCtl;
    strip.setBackColor(ChimeiBackColor());
    strip.setForeColor(ChimeiForeColor());
    strip.setFontMode(ChimeiFontMode());
    strip.setFontBold(ChimeiFontBold() == 1);

    reapplyBacklight();
}
