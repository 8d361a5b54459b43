#include "Dialogs.h"

#include <QMessageBox>

Dialogs::Answer QtDialogs::MsgBox(QWidget *owner, const QString &text, Buttons buttons, Icon icon,
                                  const QString &title)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case NoIcon:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return AnsweredYes;
    case QMessageBox::No:
        return AnsweredNo;
    case QMessageBox::Cancel:
        return AnsweredCancel;
    default:
        return buttons == YesNo ? AnsweredNo : (buttons == OkCancel ? AnsweredCancel : AnsweredOk);
    }
}
