// The settings as the options dialog's controls hold them, one accessor each.
#include "frmOption.h"

#include "ColorButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

qint16 checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

qint16 choiceValue(const QRadioButton *button)
{
    return button->isChecked() ? -1 : 0;
}

qint16 listIndex(const QComboBox *list)
{
    return qint16(list->currentIndex());
}

} // namespace

QString frmOption::HyDir() const
{
    return Text2[0]->text();
}
QString frmOption::TpDir() const
{
    return Text2[1]->text();
}

qint16 frmOption::UseAutoSeiriNum() const
{
    return checkValue(Check1);
}
qint32 frmOption::SeiriNumColorOff() const
{
    return Command5[0]->BackColor();
}
qint32 frmOption::SeiriNumColorOn1() const
{
    return Command5[1]->BackColor();
}
qint32 frmOption::SeiriNumColorOn2() const
{
    return Command5[2]->BackColor();
}
qint16 frmOption::SeiriNumFormat() const
{
    return listIndex(Combo2);
}
qint16 frmOption::SeiriNumZero() const
{
    return checkValue(Check2);
}
bool frmOption::PanelEach() const
{
    return Option3[1]->isChecked();
}
bool frmOption::PanelOffUser() const
{
    return Option3[6]->isChecked();
}
bool frmOption::PanelOn1User() const
{
    return Option3[2]->isChecked();
}
bool frmOption::PanelOn2User() const
{
    return Option3[5]->isChecked();
}
QString frmOption::PanelOffFile() const
{
    return txtSelectPanel[0]->text();
}
QString frmOption::PanelOn1File() const
{
    return txtSelectPanel[1]->text();
}
QString frmOption::PanelOn2File() const
{
    return txtSelectPanel[2]->text();
}

qint32 frmOption::DegitBackColor() const
{
    return Command8[0]->BackColor();
}
qint32 frmOption::DegitBaseForeColor() const
{
    return Command8[1]->BackColor();
}
qint32 frmOption::DegitForeColor() const
{
    return Command8[2]->BackColor();
}
qint16 frmOption::ShowStopNo() const
{
    return checkValue(Check3[0]);
}
qint16 frmOption::StopNoKoma() const
{
    return listIndex(Combo4[0]);
}
qint16 frmOption::StopNoFromZero() const
{
    return checkValue(Check3[4]);
}
qint16 frmOption::ShowSeiriNo() const
{
    return checkValue(Check3[1]);
}
qint16 frmOption::SeiriNoKoma() const
{
    return listIndex(Combo4[1]);
}
qint16 frmOption::ShowKeitoNo() const
{
    return checkValue(Check3[2]);
}
qint16 frmOption::KeitoNoKoma() const
{
    return listIndex(Combo4[2]);
}
qint16 frmOption::ShowDataCol() const
{
    return checkValue(Check3[3]);
}
qint16 frmOption::DataColNo() const
{
    return listIndex(Combo4[4]);
}
qint16 frmOption::DataColKoma() const
{
    return listIndex(Combo4[3]);
}

qint32 frmOption::ChimeiBackColor() const
{
    return Command9[0]->BackColor();
}
qint32 frmOption::ChimeiForeColor() const
{
    return Command9[1]->BackColor();
}
qint16 frmOption::ChimeiFontMode() const
{
    return listIndex(Combo3);
}
qint16 frmOption::ChimeiFontBold() const
{
    return checkValue(Check4);
}

QString frmOption::KeitoSound() const
{
    return txtSelectSound[0]->text();
}
QString frmOption::ResetSound() const
{
    return txtSelectSound[1]->text();
}
bool frmOption::FareSoundAlways() const
{
    return Option2[0]->isChecked();
}
bool frmOption::FareSoundByData() const
{
    return Option2[1]->isChecked();
}
bool frmOption::FareSoundSync() const
{
    return Option6[0]->isChecked();
}
QString frmOption::FareSoundFile() const
{
    return txtSelectSound[7]->text();
}
qint16 frmOption::FareSoundCol() const
{
    return listIndex(Combo1);
}
QString frmOption::FareSound1() const
{
    return txtSelectSound[8]->text();
}
QString frmOption::FareSound2() const
{
    return txtSelectSound[9]->text();
}
QString frmOption::FareSound3() const
{
    return txtSelectSound[10]->text();
}

SoundInfo frmOption::SoundInfo() const
{
    ::SoundInfo s;
    s.KeitoSound = KeitoSound();
    s.ResetSound = ResetSound();
    s.FareSoundAlways = choiceValue(Option2[0]);
    s.FareSoundByData = choiceValue(Option2[1]);
    s.FareSoundSync = choiceValue(Option6[0]);
    s.FareSoundAsync = choiceValue(Option6[1]);
    s.FareSoundFile = FareSoundFile();
    s.FareSoundCol = FareSoundCol();
    s.FareSound1 = FareSound1();
    s.FareSound2 = FareSound2();
    s.FareSound3 = FareSound3();
    s.TapeSoundAlways = choiceValue(Option2[2]);
    s.TapeSoundByFlag = choiceValue(Option2[3]);
    s.TapeSoundSync = choiceValue(Option7[0]);
    s.TapeSoundAsync = choiceValue(Option7[1]);
    s.TapeSoundFile = txtSelectSound[3]->text();
    s.TapeSound1 = txtSelectSound[4]->text();
    s.TapeSound2 = txtSelectSound[5]->text();
    s.TapeSound3 = txtSelectSound[6]->text();
    return s;
}

qint16 frmOption::UseSeiriPrev() const
{
    return checkValue(chkUseSeiriPrev);
}
QString frmOption::SeiriPlgPath() const
{
    return txtSeiriPlgDir->text();
}
bool frmOption::DateByPrint() const
{
    return Option4[0]->isChecked();
}
bool frmOption::DateByKeito() const
{
    return Option4[1]->isChecked();
}
bool frmOption::DateFixed() const
{
    return Option4[2]->isChecked();
}
QString frmOption::FixedDate() const
{
    return Label10->text();
}
