#pragma once

#include <initializer_list>
#include <utility>

#include <QString>

#include <array>

class QWidget;

// The date record of the date dialog: the system's date-and-time layout of
// eight 16-bit fields; only year, month and day are filled.
struct DateRecord
{
    qint16 wYear = 0, wMonth = 0, wDayOfWeek = 0, wDay = 0;
    qint16 wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

// Message boxes and the other modal dialogs. The program talks to them only
// through this seam, so tests can answer them.
class Dialogs
{
public:
    enum Buttons { Ok, OkCancel, YesNo };
    enum Icon { NoIcon, Question, Stop, Exclamation, Information };
    enum Answer { AnsweredOk, AnsweredCancel, AnsweredYes, AnsweredNo };

    // The title of a message box that gives none of its own.
    static QString appTitle() { return QStringLiteral("ルクシオVer4"); }

    virtual ~Dialogs() = default;

    // Lines of text are separated by CR LF, as the messages are written.
    virtual Answer MsgBox(QWidget *owner, const QString &text, Buttons buttons = Ok, Icon icon = NoIcon,
                          const QString &title = appTitle()) = 0;

    // The digit-settings dialog of a numeric cell. Returns 1 when confirmed, with the three
    // values as the user left them; 0 when cancelled, with the values as they came in.
    virtual qint32 Call_dlg100(QWidget *owner, qint16 Keta, qint16 &ZeroMode, qint16 &Shift,
                               qint16 &FillZero) = 0;

    // The version box owned by owner, showing text (mode 1); returns when it is closed.
    virtual void Call_dlg110(QWidget *owner, qint16 mode, const QString &text) = 0;

    // The custom colours every colour dialog shares.
    using CustomColors = std::array<qint32, 17>;

    // A date: non-zero when chosen, with year, month and day filled.
    virtual qint32 Call_dlg111(QWidget *owner, DateRecord &date) = 0;
    // A file to open. filter holds description and pattern pairs, each ended by
    // a NUL character, and one more NUL at the end. Empty when cancelled.
    virtual QString Kr3FileDlg(QWidget *owner, qint32 mode, const QString &filter, const QString &initial,
                               const QString &title) = 0;
    // A folder; empty when cancelled.
    virtual QString Kr3FolderDlg(QWidget *owner, const QString &prompt) = 0;
    // A colour (0x00BBGGRR), starting from color: non-zero when chosen. The
    // dialog may change the custom colours, also when cancelled.
    virtual qint32 Kr3ChooseColor(QWidget *owner, qint32 &color, CustomColors &custom) = 0;

    // The filter Kr3FileDlg takes: description and pattern pairs, each part
    // ended by a NUL, and one more NUL.
    static QString filterOf(std::initializer_list<std::pair<const char16_t *, const char16_t *>> pairs);
    // The filter of Kr3FileDlg as Qt's file dialogs take it: "Wave(*.wav) (*.wav);;...".
    static QString qtFileFilter(const QString &pairs);
};

// The real dialogs, with Qt's own widgets.
class QtDialogs : public Dialogs
{
public:
    Answer MsgBox(QWidget *owner, const QString &text, Buttons buttons, Icon icon,
                  const QString &title) override;
    qint32 Call_dlg100(QWidget *owner, qint16 Keta, qint16 &ZeroMode, qint16 &Shift,
                       qint16 &FillZero) override;
    void Call_dlg110(QWidget *owner, qint16 mode, const QString &text) override;
    qint32 Call_dlg111(QWidget *owner, DateRecord &date) override;
    QString Kr3FileDlg(QWidget *owner, qint32 mode, const QString &filter, const QString &initial,
                       const QString &title) override;
    QString Kr3FolderDlg(QWidget *owner, const QString &prompt) override;
    qint32 Kr3ChooseColor(QWidget *owner, qint32 &color, CustomColors &custom) override;
};
