#pragma once

#include "WindowShape.h"

#include <QRegion>
#include <QWidget>

#include <array>
#include <functional>

class Session;
class PictureBox;
class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QMenu;
class QPainter;
class QPushButton;
class QRadioButton;
class QScrollBar;
struct PanelAction;
struct SeiriPrevInfo;

// The operating panel (集中操作盤): the driver's console. The route and
// section are keyed in on the keypad or the digit lists, the board is stepped
// from stop to stop, the tape is played, and the look of the unit is switched.
class frmCtl : public QWidget
{
    Q_OBJECT

public:
    // The client area, and the outer widths with the ticket preview hidden and open (twips).
    static constexpr int ClientWidth = 5295;
    static constexpr int ClientHeight = 2595;
    static constexpr int NarrowWidth = 5385;
    static constexpr int WideWidth = 9000;
    static constexpr int BorderWidth = NarrowWidth - ClientWidth;
    static constexpr int KeitoDigits = 5; // the route display holds at most five digits
    static constexpr int KukanDigits = 3; // and the section display three

    // How a ticket plug-in is asked to draw a ticket; the nine values of one stop.
    using SeirikenDrawer = std::function<qint32(
        const QString &plgPath, QPainter &surface, const QString &teiName, const QString &date,
        const QString &time, qint32 keitoNo, qint16 seiriNo, qint16 row, qint16 corpIndex)>;

    explicit frmCtl(Session &session);
    ~frmCtl() override;

    // Page frames at one place: (0) the digit lists, (1) the keypad.
    std::array<QFrame *, 2> Frame1{};
    std::array<QPushButton *, 12> CommandButton1{}; // "0".."9", 系統, 区間
    std::array<QLabel *, 3> Label2{};               // route display, "-", section display
    std::array<QPushButton *, 2> Command1{};        // リセット of the list page and of the keypad
    std::array<QListWidget *, 5> List2{};           // route digits, most significant first
    std::array<QListWidget *, 3> List3{};           // section digits
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label5 = nullptr;
    std::array<QPushButton *, 2> Command2{}; // データ戻し, データ送り
    QCheckBox *Check1 = nullptr;             // 表示消去
    QGroupBox *Frame2 = nullptr;             // バックライト
    std::array<QRadioButton *, 3> Option4{}; // OFF, ON1, ON2
    QFrame *Frame6 = nullptr;
    QCheckBox *Check2 = nullptr; // 深夜料金: late-night fares, doubled
    std::array<QScrollBar *, 2> HScroll1{};
    std::array<QLabel *, 2> Label3{};
    std::array<QLabel *, 2> Label1{};
    QGroupBox *grpM_Tape = nullptr;
    QPushButton *cmdTapeSet = nullptr;
    QPushButton *cmdTapeBack = nullptr;
    QPushButton *cmdTapeNext = nullptr;
    QPushButton *cmdTapeStop = nullptr;
    QPushButton *Command4 = nullptr; // 設定...
    QPushButton *Command8 = nullptr; // version
    QPushButton *Check4 = nullptr;   // >> / <<: the ticket preview, a check box drawn as a button
    QLabel *Label4 = nullptr;
    PictureBox *picSeirikenPrev = nullptr;
    QComboBox *Combo1 = nullptr; // the companies of the ticket plug-in
    QMenu *MnuHide = nullptr;
    QAction *MnuHideCopy = nullptr;

    bool KeyToKeito = false; // digit keys go to the route display (true) or the section display
    qint16 CtlPage = 0;      // the page frame last sent to the back
    std::array<QRegion, 12> BtnRgn;
    QString KeitoDate; // the date of the last route setting, mm-dd-yyyy

    // Draws the ticket preview; a test puts its own here.
    SeirikenDrawer drawSeiriken;

    // Puts row nIndex of the route on the board.
    void DispData(qint16 nIndex);
    // The ticket preview of row nIndex alone, drawn anew (part of DispData).
    void drawPreview(qint16 nIndex);
    void GetCtrlDataInfo();
    void SetCtrlDataInfo();
    // Puts the window, frame and all, in the bottom right corner of room.
    void placeAtBottomRight(const QRect &room);
    void Option4_Click(int Index);

    void CommandButton1_Click(int Index);
    void List2_Click();
    void List3_Click();
    void Command1_Click(int Index);
    void Command2_Click(int Index);
    void cmdTapeNext_Click();
    void cmdTapeBack_Click();
    void HScroll1_Change(int Index);
    void Command4_Click();
    void Command8_Click();
    void Check1_Click();
    void Frame1_DblClick(int Index);
    void Check4_Click();
    void MnuHideCopy_Click();

    // The version box's text: model, version and the credits.
    QString versionText() const;

    // The page frame in front: 1 the keypad, 0 the digit lists.
    int frontPage() const;
    // Clicks the action's control, unless it is disabled or on the page
    // behind; says whether it clicked.
    bool perform(const PanelAction &action);
    // The board, whose keys the panel takes as its own.
    QWidget *boardWindow() const;

    // The route and section as keyed for the last route setting that loaded,
    // or as restored from the last run until one does.
    struct KeyedRoute
    {
        QString route;
        QString section;
    };
    KeyedRoute lastRouteSet() const { return m_lastRouteSet; }
    // A route remembered from an earlier run, put into the keypad displays
    // and the digit lists as if keyed, and its company chosen in the
    // preview; the board is left alone until リセット.
    void restoreRoute(const KeyedRoute &keyed, const QString &company);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildKeypadPage();
    void buildListPage();
    void buildControls();
    void buildPreview();
    void connectControls();
    // The window's width for the preview state, in pixels, as the client area takes it.
    void setPreviewWidth(bool open);
    void keepWholeOnScreen();
    // The ticket date as the chosen date mode gives it.
    QString ticketDate(const SeiriPrevInfo &preview) const;
    // The number a keyed text starts with: its leading decimal digits, 0 for none.
    static qint64 leadingNumber(const QString &text);
    // Lets the events that are waiting run now, clicks held back by a wait
    // among them: the board repaints before a long step, as the original did.
    // Anything may happen in it, a whole refresh or route setting included.
    void letPendingEventsRun();
    // A tooltip's text with the keys of the named action after it: "系統 (K, *)".
    static QString withKeys(const QString &text, const QString &command);
    void showKeysInTips();
    // The preview button's tooltip: what a click does now, and its key.
    void showPreviewTip();
    // The tape buttons' tooltips: where the tape stands and what each would say next.
    void updateTapeTips();

    Session &m_session;
    quint64 m_refreshes =
        0; // DispData calls so far: a refresh overtaken by a newer one leaves the name to it
    FramePlacement m_placement{*this};
    KeyedRoute m_lastRouteSet;
};
