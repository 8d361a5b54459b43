#include "frmCtl.h"

#include "ChimeiCtl_E.h"
#include "Dialogs.h"
#include "Form1.h"
#include "Kr4Calls.h"
#include "PanelKeys.h"
#include "PictureBox.h"
#include "ProgramInfo.h"
#include "Session.h"
#include "Twips.h"
#include "WindowShape.h"
#include "frmOption.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// The panel's own typeface: a small proportional gothic, as on the real console.
constexpr int PanelFontPixels = 12;

// A keypad key, and the rounded shape cut into it: a 2-pixel inset from the
// left and top with slightly rounded corners.
constexpr QSize KeySize(30, 27);
const QRect KeyFace(2, 2, 26, 23);
constexpr int KeyCornerEllipse = 2;

// The displays of the keypad: amber digits on black, as the unit's own.
const char *const DisplayStyle = "QLabel { background: #101010; color: #f8d272; border: 1px inset #505050;"
                                 " font-size: 16px; font-weight: bold; padding-right: 2px; }";

template<class Widget, class... Args>
Widget *placed(QWidget *parent, const QRect &at, Args &&...args)
{
    auto *w = new Widget(std::forward<Args>(args)..., parent);
    w->setGeometry(at);
    return w;
}

QListWidget *digitList(QWidget *parent, const QRect &at)
{
    auto *list = placed<QListWidget>(parent, at);
    for (int d = 0; d <= 9; ++d)
        list->addItem(QString::number(d));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setStyleSheet(
        QStringLiteral("QListWidget { font-size: 11px; } QListWidget::item { height: 12px; padding: 0; }"));
    return list;
}

} // namespace

frmCtl::frmCtl(Session &session)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , drawSeiriken(KR4_DrawSeiriken)
    , m_session(session)
{
    setWindowTitle(QStringLiteral("集中操作盤"));
    QFont face(QStringLiteral("ＭＳ Ｐゴシック"));
    face.setPixelSize(PanelFontPixels);
    setFont(face);

    buildListPage();
    buildKeypadPage();
    buildControls();
    buildPreview();
    setPreviewWidth(false);
    connectControls();

    // The panel's load; the board's title is given once both windows are built.
    for (int i = 0; i < 12; ++i) {
        BtnRgn[i] = roundedRectRegion(KeyFace.size(), KeyCornerEllipse, KeyCornerEllipse)
                        .translated(KeyFace.topLeft());
        CommandButton1[i]->setMask(BtnRgn[i]);
    }
    m_session.tape.InitSpeech({grpM_Tape, cmdTapeNext, cmdTapeBack, cmdTapeStop, cmdTapeSet});

    // The panel is worked with the mouse and the keys of the table: a control
    // holding the focus would turn Space or an arrow into a change of its own.
    for (QWidget *w : findChildren<QWidget *>()) {
        if (!qobject_cast<QMenu *>(w))
            w->setFocusPolicy(Qt::NoFocus);
    }
    new PanelKeys(*this); // owned by the panel
    showKeysInTips();
    m_session.tape.changed = [this] { updateTapeTips(); };
    updateTapeTips();
}

frmCtl::~frmCtl()
{
    m_session.tape.changed = nullptr;
}

void frmCtl::buildListPage()
{
    QFrame *page = Frame1[0] = placed<QFrame>(this, QRect(4, 4, 164, 165));
    page->setFrameShape(QFrame::StyledPanel);
    page->setAutoFillBackground(true);
    Label6 = placed<QLabel>(page, QRect(6, 4, 88, 14), QStringLiteral("系　統"));
    Label7 = placed<QLabel>(page, QRect(102, 4, 56, 14), QStringLiteral("区間"));
    for (int i = 0; i < 5; ++i)
        List2[i] = digitList(page, QRect(6 + 18 * i, 20, 17, 124));
    for (int i = 0; i < 3; ++i)
        List3[i] = digitList(page, QRect(102 + 18 * i, 20, 17, 124));
    Label5 = placed<QLabel>(page, QRect(6, 148, 88, 14), QStringLiteral("系統設定"));
    Command1[0] = placed<QPushButton>(page, QRect(98, 145, 62, 18), QStringLiteral("リセット"));
}

void frmCtl::buildKeypadPage()
{
    QFrame *page = Frame1[1] = placed<QFrame>(this, QRect(4, 4, 164, 165));
    page->setFrameShape(QFrame::StyledPanel);
    page->setAutoFillBackground(true);
    Label2[0] = placed<QLabel>(page, QRect(6, 6, 74, 24));
    Label2[1] = placed<QLabel>(page, QRect(80, 6, 10, 24), QStringLiteral("-"));
    Label2[2] = placed<QLabel>(page, QRect(90, 6, 68, 24));
    Label2[1]->setAlignment(Qt::AlignCenter);
    for (int i : {0, 2}) {
        Label2[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Label2[i]->setStyleSheet(QLatin1String(DisplayStyle));
    }

    // A telephone pad: 7 8 9 / 4 5 6 / 1 2 3 / 0 系統 区間.
    const int order[4][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}, {0, 10, 11}};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int i = order[row][column];
            const QString caption =
                i < 10 ? QString::number(i) : (i == 10 ? QStringLiteral("系統") : QStringLiteral("区間"));
            CommandButton1[i] =
                placed<QPushButton>(page, QRect(QPoint(6 + 32 * column, 36 + 30 * row), KeySize), caption);
        }
    }
    Command1[1] = placed<QPushButton>(page, QRect(104, 38, 54, 55), QStringLiteral("リセット"));
}

void frmCtl::buildControls()
{
    Command2[0] = placed<QPushButton>(this, QRect(172, 4, 90, 26), QStringLiteral("データ戻し"));
    Command2[1] = placed<QPushButton>(this, QRect(172, 32, 90, 26), QStringLiteral("データ送り"));
    Check1 = placed<QCheckBox>(this, QRect(174, 61, 88, 18), QStringLiteral("表示消去"));
    for (QWidget *w : {static_cast<QWidget *>(Command2[0]), static_cast<QWidget *>(Command2[1]),
                       static_cast<QWidget *>(Check1)})
        w->setEnabled(false);

    Frame2 = placed<QGroupBox>(this, QRect(172, 82, 90, 64), QStringLiteral("バックライト"));
    const QString states[3] = {QStringLiteral("OFF"), QStringLiteral("ON1"), QStringLiteral("ON2")};
    for (int i = 0; i < 3; ++i)
        Option4[i] = placed<QRadioButton>(Frame2, QRect(8, 16 + 15 * i, 76, 15), states[i]);
    Option4[0]->setChecked(true);
    Command4 = placed<QPushButton>(this, QRect(172, 149, 44, 20), QStringLiteral("設定..."));
    Command8 = placed<QPushButton>(this, QRect(218, 149, 44, 20), QStringLiteral("ﾊﾞｰｼﾞｮﾝ"));

    Frame6 = placed<QFrame>(this, QRect(266, 4, 83, 82));
    Frame6->setFrameShape(QFrame::StyledPanel);
    Check2 = placed<QCheckBox>(Frame6, QRect(4, 2, 76, 16), QStringLiteral("深夜料金"));
    const QString captions[2] = {QStringLiteral("ｽｸﾛｰﾙ速度"), QStringLiteral("ｽｸﾛｰﾙ間隔")};
    for (int i = 0; i < 2; ++i) {
        Label3[i] = placed<QLabel>(Frame6, QRect(4, 20 + 30 * i, 50, 14), captions[i]);
        Label1[i] = placed<QLabel>(Frame6, QRect(50, 20 + 30 * i, 29, 14));
        Label1[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        HScroll1[i] = placed<QScrollBar>(Frame6, QRect(4, 35 + 30 * i, 75, 13), Qt::Horizontal);
    }
    HScroll1[0]->setRange(1, 2000);
    HScroll1[0]->setValue(1);
    HScroll1[1]->setRange(0, 3000);
    HScroll1[1]->setValue(0);
    for (int i = 0; i < 2; ++i)
        Label1[i]->setText(QString::number(HScroll1[i]->value()));

    grpM_Tape = placed<QGroupBox>(this, QRect(266, 88, 83, 59));
    cmdTapeSet = placed<QPushButton>(grpM_Tape, QRect(4, 16, 37, 19), QStringLiteral("調整"));
    cmdTapeBack = placed<QPushButton>(grpM_Tape, QRect(42, 16, 37, 19), QStringLiteral("戻し"));
    cmdTapeNext = placed<QPushButton>(grpM_Tape, QRect(4, 36, 37, 19), QStringLiteral("送り"));
    cmdTapeStop = placed<QPushButton>(grpM_Tape, QRect(42, 36, 37, 19), QStringLiteral("■"));
    for (QPushButton *b : {cmdTapeSet, cmdTapeBack, cmdTapeNext, cmdTapeStop})
        b->setEnabled(false);

    Check4 = placed<QPushButton>(this, QRect(266, 149, 83, 20), QStringLiteral(">>"));
    Check4->setCheckable(true);
}

void frmCtl::buildPreview()
{
    Label4 = placed<QLabel>(this, QRect(357, 4, 180, 14), QStringLiteral("整理券プレビュー"));
    picSeirikenPrev = placed<PictureBox>(this, QRect(357, 20, 233, 126));
    Combo1 = placed<QComboBox>(this, QRect(357, 149, 233, 20));
    MnuHide = new QMenu(this);
    MnuHideCopy = MnuHide->addAction(QStringLiteral("コピー(&C)"));
}

void frmCtl::connectControls()
{
    for (int i = 0; i < 12; ++i)
        connect(CommandButton1[i], &QPushButton::clicked, this, [this, i] { CommandButton1_Click(i); });
    for (QListWidget *list : List2)
        connect(list, &QListWidget::itemSelectionChanged, this, &frmCtl::List2_Click);
    for (QListWidget *list : List3)
        connect(list, &QListWidget::itemSelectionChanged, this, &frmCtl::List3_Click);
    for (int i = 0; i < 2; ++i) {
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        connect(Command2[i], &QPushButton::clicked, this, [this, i] { Command2_Click(i); });
        connect(HScroll1[i], &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
        Frame1[i]->installEventFilter(this);
    }
    for (int i = 0; i < 3; ++i) {
        connect(Option4[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option4_Click(i);
        });
    }
    connect(Check1, &QCheckBox::toggled, this, &frmCtl::Check1_Click);
    connect(Check4, &QPushButton::toggled, this, &frmCtl::Check4_Click);
    connect(Check4, &QPushButton::clicked, this, &frmCtl::keepWholeOnScreen);
    connect(cmdTapeNext, &QPushButton::clicked, this, &frmCtl::cmdTapeNext_Click);
    connect(cmdTapeBack, &QPushButton::clicked, this, &frmCtl::cmdTapeBack_Click);
    connect(cmdTapeStop, &QPushButton::clicked, this, [this] { m_session.tape.TapeStop(); });
    connect(cmdTapeSet, &QPushButton::clicked, this, [this] { m_session.tape.ShowVoiceSettings(); });
    connect(Command4, &QPushButton::clicked, this, &frmCtl::Command4_Click);
    connect(Command8, &QPushButton::clicked, this, &frmCtl::Command8_Click);
    // A company chosen shows on the ticket at once, not only from the next stop.
    connect(Combo1, &QComboBox::activated, this, [this] {
        if (m_session.dataIo.heldRows() > 0)
            drawPreview(qint16(m_session.dataIo.DataPos + 1));
    });
    connect(picSeirikenPrev, &PictureBox::rightPressed, MnuHide,
            [this](const QPoint &at) { MnuHide->popup(at); });
    connect(MnuHideCopy, &QAction::triggered, this, &frmCtl::MnuHideCopy_Click);
}

void frmCtl::setPreviewWidth(bool open)
{
    setFixedSize(twipsToPixels((open ? WideWidth : NarrowWidth) - BorderWidth), twipsToPixels(ClientHeight));
}

void frmCtl::GetCtrlDataInfo()
{
    CtrlDataInfo &info = m_session.iniIo.IniData.CtrlDataInfo;
    info.CtlLeft = pixelsToTwips(x());
    info.CtlTop = pixelsToTwips(y());
    info.CtlHScroll0 = HScroll1[0]->value();
    info.CtlHScroll1 = HScroll1[1]->value();
    info.CtlPage = CtlPage;
    info.CtlPreview = Check4->isChecked() ? 1 : 0;
    info.CtlShinya = Check2->isChecked() ? 1 : 0;
}

void frmCtl::SetCtrlDataInfo()
{
    const CtrlDataInfo &info = m_session.iniIo.IniData.CtrlDataInfo;
    const QPoint saved(twipsToPixels(info.CtlLeft), twipsToPixels(info.CtlTop));
    m_placement.place([saved](QSize frame) { return reachablePosition(saved, frame); });
    HScroll1[0]->setValue(info.CtlHScroll0);
    HScroll1[1]->setValue(info.CtlHScroll1);
    CtlPage = info.CtlPage;
    Check4->setChecked(info.CtlPreview != 0);
    Check2->setChecked(info.CtlShinya != 0);
    Frame1_DblClick(CtlPage);
}

void frmCtl::HScroll1_Change(int Index)
{
    Label1[Index]->setText(QString::number(HScroll1[Index]->value()));
    // Both, whichever bar moved.
    m_session.form1->ChimeiCtl->setSpeed(qint16(HScroll1[0]->value()));
    m_session.form1->ChimeiCtl->setScrollStartWait(HScroll1[1]->value());
}

QString frmCtl::versionText() const
{
    const QStringList parts = m_session.program.version().split(QLatin1Char('.'));
    auto part = [&](int i) { return QString::number(i < parts.size() ? parts[i].toInt() : 0); };
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("型番：") + m_session.program.baseName() + crlf + QStringLiteral("バージョン：")
        + part(0) + QLatin1Char('.') + part(1) + QLatin1Char('.') + part(2) + crlf + crlf
        + QStringLiteral("数字：DSEG7 Classic, Modern, Classic Mini（keshikan）SIL Open Font License 1.1")
        + crlf
        + QStringLiteral(
               "停名・整理券番号：IPAゴシック, IPA明朝, IPA Pゴシック（IPA）IPAフォントライセンスv1.0")
        + crlf + QStringLiteral("音声合成：Open JTalk, NAIST Japanese Dictionary（修正BSDライセンス）") + crlf
        + QStringLiteral(
               "音声：HTS voice \"nitech_jp_atr503_m001\" © Nagoya Institute of Technology（CC BY 3.0）")
        + crlf + QStringLiteral("MIDI音源：TimGM6mb（Tim Brechbill）GPL 2");
}

void frmCtl::Command4_Click()
{
    m_session.form1->setEnabled(false);
    setEnabled(false);
    m_session.options->exec();
    m_session.form1->setEnabled(true);
    setEnabled(true);
    // The current name again, drawn with the settings now in force.
    ChimeiCtl_E &strip = *m_session.form1->ChimeiCtl;
    strip.SetChimei(QString());
    strip.SetChimei(m_session.dataIo.HyTable[m_session.dataIo.DataPos + 1].TeiName);
}

void frmCtl::Command8_Click()
{
    const QString text = versionText();
    m_session.form1->setEnabled(false);
    m_session.dialogs.Call_dlg110(this, 1, text);
    m_session.form1->setEnabled(true);
}

bool frmCtl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
        for (int i = 0; i < 2; ++i) {
            // Only the page's own surface: a label passes its double-click on, but it is not the page's.
            if (watched == Frame1[i] && !Frame1[i]->childAt(at)) {
                Frame1_DblClick(i);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCtl::closeEvent(QCloseEvent *event)
{
    // The panel is the program: closing it ends the run, once the user agrees.
    if (m_session.mayClose())
        event->accept();
    else
        event->ignore();
}

void frmCtl::placeAtBottomRight(const QRect &room)
{
    m_placement.place([room](QSize frame) {
        return room.bottomRight() + QPoint(1, 1) - QPoint(frame.width(), frame.height());
    });
}

qint64 frmCtl::leadingNumber(const QString &text)
{
    qint64 n = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        // Past nine digits nothing keyed in fits anywhere; keep it from overflowing.
        n = std::min<qint64>(n * 10 + (c.unicode() - '0'), 999999999);
    }
    return n;
}
