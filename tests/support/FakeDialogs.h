#pragma once

#include "Dialogs.h"

#include <QList>

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
};
