#pragma once

#include "IniData.h"

#include <QDialog>

#include <array>

class Session;
class ColorButton;
class M_Degit;
class PageButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTextEdit;
struct PlgInfo;

// The options dialog (オプション). For the whole run its controls are where
// the settings live: every other window reads a setting through the accessor
// named for it, which reads the control at that moment.
class frmOption : public QDialog
{
    Q_OBJECT

public:
    static constexpr int PageCount = 6;
    static constexpr int KomaCount = 24;    // rows of the cell lists, "1".."24"
    static constexpr int ColumnCount = 150; // rows of the data column lists, "1".."150"

    // Which element of a control array holds what; the numbers are the controls' own.
    // Label3, Text2, Command3, Command10.
    struct Folder
    {
        enum : int { Fares, Tapes };
    };
    // Command5, Frame6, txtSelectPanel, Command6.
    struct Backlight
    {
        enum : int { Off, On1, On2 };
    };
    // Option3.
    struct PanelChoice
    {
        enum : int { Auto, Each, On1User, On1BuiltIn, On2BuiltIn, On2User, OffUser, OffBuiltIn };
    };
    // Label6, Command8.
    struct DigitColour
    {
        enum : int { Back, BaseFore, Fore };
    };
    // Check3.
    struct InfoCheck
    {
        enum : int { StopNo, SeiriNo, KeitoNo, DataCol, StopNoFromZero };
    };
    // Combo4.
    struct InfoList
    {
        enum : int { StopNoKoma, SeiriNoKoma, KeitoNoKoma, DataColKoma, DataColNo };
    };
    // Label8, Command9.
    struct StopNameColour
    {
        enum : int { Back, Fore };
    };
    // txtSelectSound, cmdSelectSound; Unused has no sound of its own, its box is kept hidden so the others
    // keep their numbers.
    struct Sound
    {
        enum : int { Keito, Reset, Unused, TapeFixed, Tape1, Tape2, Tape3, FareFixed, Fare1, Fare2, Fare3 };
    };
    // Option2.
    struct SoundWhen
    {
        enum : int { FareAlways, FareByData, TapeAlways, TapeByFlag };
    };
    // Option6 (the fares), Option7 (the tape).
    struct Playing
    {
        enum : int { Sync, Async };
    };
    // Option5, Frame2.
    struct SoundFrame
    {
        enum : int { Tape, Fare };
    };
    // Option4.
    struct TicketDate
    {
        enum : int { ByPrint, ByKeito, Fixed };
    };

    explicit frmOption(Session &session);
    ~frmOption() override;

    // The page selector and the six pages, stacked at one place.
    std::array<PageButton *, PageCount> Option1{};
    std::array<QGroupBox *, PageCount> Frame1{};
    QPushButton *Command4 = nullptr; // OK

    // Page 0: data folders.
    std::array<QLabel *, 2> Label3{};
    std::array<QLineEdit *, 2> Text2{};
    std::array<QPushButton *, 2> Command3{};  // folder choice
    std::array<QPushButton *, 2> Command10{}; // open the folder

    // Page 1: board pictures and the ticket-number row.
    QCheckBox *Check1 = nullptr;
    QLabel *Label15 = nullptr;
    QGroupBox *Frame3 = nullptr;
    std::array<QLabel *, 6> Label4{}; // (1)..(5)
    QComboBox *Combo2 = nullptr;
    QCheckBox *Check2 = nullptr;
    std::array<ColorButton *, 3> Command5{};
    QGroupBox *Frame4 = nullptr;
    std::array<QGroupBox *, 3> Frame6{};
    std::array<QRadioButton *, 8> Option3{};
    std::array<QLineEdit *, 3> txtSelectPanel{};
    std::array<QPushButton *, 3> Command6{};
    QLabel *Label5_1 = nullptr; // Label5(1)

    // Page 2: digit colours and information digits.
    std::array<QGroupBox *, 2> Frame5{};
    std::array<QLabel *, 4> Label6{};
    std::array<ColorButton *, 3> Command8{};
    M_Degit *M_Degit1 = nullptr;
    std::array<QCheckBox *, 5> Check3{};
    std::array<QComboBox *, 5> Combo4{};
    QLabel *Label7 = nullptr;

    // Page 3: the stop-name display.
    std::array<QLabel *, 2> Label8{};
    std::array<ColorButton *, 2> Command9{};
    QLabel *Label9 = nullptr;
    QComboBox *Combo3 = nullptr;
    QCheckBox *Check4 = nullptr;

    // Page 4: sounds.
    std::array<QLabel *, 12> Label1{};
    std::array<QLineEdit *, 11> txtSelectSound{};
    std::array<QPushButton *, 11> cmdSelectSound{}; // (2) does not exist
    std::array<QRadioButton *, 2> Option5{};
    QStackedWidget *soundFrames = nullptr; // where Frame2(0) and (1) lie on top of each other
    std::array<QGroupBox *, 2> Frame2{};
    QGroupBox *Frame8 = nullptr;
    QGroupBox *Frame9 = nullptr;
    std::array<QRadioButton *, 4> Option2{};
    std::array<QRadioButton *, 2> Option6{};
    std::array<QRadioButton *, 2> Option7{};
    QComboBox *Combo1 = nullptr;

    // Page 5: the ticket preview.
    QCheckBox *chkUseSeiriPrev = nullptr;
    QGroupBox *Frame10 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtSeiriPlgDir = nullptr;
    QPushButton *Command1 = nullptr;  // plug-in choice
    QPushButton *Command11 = nullptr; // plug-in cleared
    QLabel *Label11 = nullptr;
    QListWidget *List1 = nullptr;
    QLabel *Label13 = nullptr;
    QTextEdit *txtPlginComment = nullptr;
    QGroupBox *Frame7 = nullptr;
    std::array<QRadioButton *, 3> Option4{};
    QLabel *Label10 = nullptr;
    QPushButton *Command7 = nullptr; // 日付選択...
    QLabel *Label14 = nullptr;

    // The record's blocks DataDirInfo to SeiriPrevInfo into the controls, and back.
    void SetOptionInfo();
    void GetOptionInfo();
    // The display settings applied to the board and the stop-name display.
    void SetProp();
    void AddComboItem();

    // The dialog's own commands.
    void GetBtnColor(ColorButton *button);
    QString GetPathString();
    void cmdSelectSound_Click(int Index);
    void Command6_Click(int Index);
    void Command3_Click(int Index);
    void Command10_Click(int Index);
    void Command7_Click();
    void Command4_Click();

    // The ticket plug-in page. SetPlgin examines a plug-in and shows what it
    // can print; ok is 2 when it is one, else 0.
    void SetPlgin(const QString &fileName, qint16 &ok);
    void Command1_Click();
    void Command11_Click();
    static QStringList capabilityLines(const PlgInfo &info);

    // The whole record's blocks DataDirInfo to SeiriPrevInfo as the controls
    // hold them now, read through the one table that SetOptionInfo and
    // GetOptionInfo use; the other blocks are left empty.
    IniRecord settings() const;

    // The sounds of the keypad and of route setting, as the controls hold them now.
    QString KeitoSound() const { return settings().SoundInfo.KeitoSound; }
    QString ResetSound() const { return settings().SoundInfo.ResetSound; }
    // The whole sound block, for the tape and the data steps, which read it when they play.
    ::SoundInfo SoundInfo() const { return settings().SoundInfo; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The pages, each built and wired in a file of its own.
    void buildFoldersPage();
    void buildPanelPage();
    void buildDigitsPage();
    void buildStopNamePage();
    void buildSoundsPage();
    void buildTicketPage();
    void showPage(int index);
    void Option3_Click();
    void previewDigitColors();
    // Re-applies the panel's backlight switch as it stands.
    void reapplyBacklight();
    // The transfers of SetOptionInfo and GetOptionInfo, in their order.
    template<class Transfer>
    void transferAll(IniRecord &record, Transfer &&transfer) const;

    Session &m_session;
};
