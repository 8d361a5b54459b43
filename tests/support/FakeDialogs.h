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

    // Digit-settings dialog: each call is recorded with the values it was given; a scripted
    // reply (result and the values "left by the user") is taken from the front, else Cancel.
    struct DigitSettings
    {
        qint16 Keta = 0, ZeroMode = 0, Shift = 0, FillZero = 0;
    };
    struct DigitReply
    {
        qint32 result;
        qint16 ZeroMode, Shift, FillZero;
    };
    QList<DigitSettings> digitDialogs;
    QList<DigitReply> digitReplies;
    std::function<void()> onDigitDialog; // runs while the dialog would be open

    qint32 Call_dlg100(QWidget *, qint16 Keta, qint16 &ZeroMode, qint16 &Shift, qint16 &FillZero) override
    {
        digitDialogs.append({Keta, ZeroMode, Shift, FillZero});
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

    // Version box: the texts it was shown; the hook runs while it would be open.
    QStringList versionTexts;
    std::function<void()> onVersionDialog;

    void Call_dlg110(QWidget *, qint16, const QString &text) override
    {
        versionTexts.append(text);
        if (onVersionDialog)
            onVersionDialog();
    }
};
