#pragma once

#include "IniData.h"

#include <QDialog>

#include <array>

class App;
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

    explicit frmOption(App &app);
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

    // The settings as the controls hold them now.
    QString HyDir() const;
    QString TpDir() const;

    qint16 UseAutoSeiriNum() const;
    qint32 SeiriNumColorOff() const;
    qint32 SeiriNumColorOn1() const;
    qint32 SeiriNumColorOn2() const;
    qint16 SeiriNumFormat() const;
    qint16 SeiriNumZero() const;
    bool PanelEach() const;
    bool PanelOffUser() const;
    bool PanelOn1User() const;
    bool PanelOn2User() const;
    QString PanelOffFile() const;
    QString PanelOn1File() const;
    QString PanelOn2File() const;

    qint32 DegitBackColor() const;
    qint32 DegitBaseForeColor() const;
    qint32 DegitForeColor() const;
    qint16 ShowStopNo() const;
    qint16 StopNoKoma() const;
    qint16 StopNoFromZero() const;
    qint16 ShowSeiriNo() const;
    qint16 SeiriNoKoma() const;
    qint16 ShowKeitoNo() const;
    qint16 KeitoNoKoma() const;
    qint16 ShowDataCol() const;
    qint16 DataColNo() const;
    qint16 DataColKoma() const;

    qint32 ChimeiBackColor() const;
    qint32 ChimeiForeColor() const;
    qint16 ChimeiFontMode() const;
    qint16 ChimeiFontBold() const;

    QString KeitoSound() const;
    QString ResetSound() const;
    bool FareSoundAlways() const;
    bool FareSoundByData() const;
    bool FareSoundSync() const;
    QString FareSoundFile() const;
    qint16 FareSoundCol() const;
    QString FareSound1() const;
    QString FareSound2() const;
    QString FareSound3() const;
    // The whole sound block, for the tape, which reads it when it plays.
    ::SoundInfo SoundInfo() const;

    qint16 UseSeiriPrev() const;
    QString SeiriPlgPath() const;
    bool DateByPrint() const;
    bool DateByKeito() const;
    bool DateFixed() const;
    QString FixedDate() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildPage0();
    void buildPage1();
    void buildPage2();
    void buildPage3();
    void buildPage4();
    void buildPage5();
    void connectReactions();
    void showPage(int index);
    void Option3_Click();
    void previewDigitColors();
    // Re-applies the panel's backlight switch as it stands.
    void reapplyBacklight();
    // The transfers of SetOptionInfo and GetOptionInfo, in their order.
    template<class Transfer>
    void transferAll(IniRecord &record, Transfer &&transfer);

    App &m_app;
};
