#pragma once

#include "IniData.h"

#include <QDialog>

#include <array>

class App;
class ColorButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

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

    // The page selector and the six pages.
    std::array<QRadioButton *, PageCount> Option1{};
    std::array<QGroupBox *, PageCount> Frame1{};

    // Page 0: data folders.
    std::array<QLineEdit *, 2> Text2{};

    // Page 1: board pictures and the ticket-number row.
    QCheckBox *Check1 = nullptr;
    QGroupBox *Frame3 = nullptr;
    QComboBox *Combo2 = nullptr;
    QCheckBox *Check2 = nullptr;
    std::array<ColorButton *, 3> Command5{};
    QGroupBox *Frame4 = nullptr;
    std::array<QGroupBox *, 3> Frame6{};
    std::array<QRadioButton *, 8> Option3{};
    std::array<QLineEdit *, 3> txtSelectPanel{};

    // Page 2: information digits.
    std::array<QCheckBox *, 5> Check3{};
    std::array<QComboBox *, 5> Combo4{};

    // Page 4: sounds.
    std::array<QLineEdit *, 11> txtSelectSound{};
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
    QLineEdit *txtSeiriPlgDir = nullptr;
    QGroupBox *Frame7 = nullptr;
    std::array<QRadioButton *, 3> Option4{};
    QLabel *Label10 = nullptr;

    // The settings as the controls hold them now.
    QString HyDir() const;
    QString TpDir() const;

    qint16 UseAutoSeiriNum() const;
    qint32 SeiriNumColorOff() const;
    qint32 SeiriNumColorOn1() const;
    qint32 SeiriNumColorOn2() const;
    bool PanelEach() const;
    bool PanelOffUser() const;
    bool PanelOn1User() const;
    bool PanelOn2User() const;
    QString PanelOffFile() const;
    QString PanelOn1File() const;
    QString PanelOn2File() const;

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

private:
    App &m_app;
};
