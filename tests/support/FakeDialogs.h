#pragma once

#include "Dialogs.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records every message box and answers from a script (Ok/Yes by default).
class FakeDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;

        bool operator==(const Shown &) const = default;
    };

    QList<Shown> shown;
    QList<Answer> answers; // taken from the front, one per box

    Answer MsgBox(QWidget *, const QString &text, Buttons buttons, Icon icon, const QString &title) override
    {
        shown.append({text, buttons, icon, title});
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == YesNo ? AnsweredYes : AnsweredOk;
    }

    // Digit-settings dialog: each call's Keta is recorded; a scripted reply (result and the
    // values "left by the user") is taken from the front, else Cancel.
    struct DigitReply
    {
        qint32 result;
        qint16 ZeroMode, Shift, FillZero;
    };
    QList<qint16> digitDialogs;
    QList<DigitReply> digitReplies;
    std::function<void()> onDigitDialog; // runs while the dialog would be open

    qint32 Call_dlg100(QWidget *, qint16 Keta, qint16 &ZeroMode, qint16 &Shift, qint16 &FillZero) override
    {
        digitDialogs.append(Keta);
        if (onDigitDialog)
            onDigitDialog();
        if (digitReplies.isEmpty())
            return 0;
        const DigitReply reply = digitReplies.takeFirst();
        ZeroMode = reply.ZeroMode;
        Shift = reply.Shift;
        FillZero = reply.FillZero;
        return reply.result;
    }

    // The file and folder dialogs: each call is counted, and the reply is taken
    // from the front of its list; an empty list cancels. The others cancel.
    QStringList fileReplies;
    QStringList folderReplies;
    int fileCalls = 0, folderCalls = 0;

    QString Kr3FileDlg(QWidget *, qint32, const QString &, const QString &, const QString &) override
    {
        ++fileCalls;
        return fileReplies.isEmpty() ? QString() : fileReplies.takeFirst();
    }
    QString Kr3FolderDlg(QWidget *, const QString &) override
    {
        ++folderCalls;
        return folderReplies.isEmpty() ? QString() : folderReplies.takeFirst();
    }
    void Call_dlg110(QWidget *, qint16, const QString &) override { }
    qint32 Call_dlg111(QWidget *, DateRecord &) override { return 0; }
    qint32 Kr3ChooseColor(QWidget *, qint32 &, CustomColors &) override { return 0; }
};

// A message box as a failed comparison prints it.
inline char *toString(const FakeDialogs::Shown &box)
{
    return qstrdup(QStringLiteral("\"%1\" buttons %2 icon %3 title \"%4\"")
                       .arg(box.text, QString::number(box.buttons), QString::number(box.icon), box.title)
                       .toUtf8()
                       .constData());
}
