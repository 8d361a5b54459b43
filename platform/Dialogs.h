#pragma once

#include <QString>

class QWidget;

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
};
