#include "Dialogs.h"

#include "DigitSettingsDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

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

qint32 QtDialogs::Call_dlg100(QWidget *owner, qint16 Keta, qint16 &ZeroMode, qint16 &Shift, qint16 &FillZero)
{
    DigitSettingsDialog dialog(owner, Keta, ZeroMode, Shift, FillZero);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    ZeroMode = dialog.zeroMode();
    Shift = dialog.shift();
    FillZero = dialog.fillZero();
    return 1;
}

void QtDialogs::Call_dlg110(QWidget *owner, qint16, const QString &text)
{
    QDialog box(owner);
    box.setWindowTitle(QStringLiteral("バージョン情報"));
    auto *layout = new QVBoxLayout(&box);
    QString shown = text;
    auto *label = new QLabel(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")), &box);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(label);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    box.exec();
}
