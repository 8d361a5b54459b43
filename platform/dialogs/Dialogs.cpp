#include "Dialogs.h"

#include "DigitSettingsDialog.h"

#include "OleColor.h"

#include <QCalendarWidget>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
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

QString Dialogs::filterOf(std::initializer_list<std::pair<const char16_t *, const char16_t *>> pairs)
{
    QString filter;
    for (const auto &[description, pattern] : pairs)
        filter += QString::fromUtf16(description) + QChar(0) + QString::fromUtf16(pattern) + QChar(0);
    return filter + QChar(0);
}

QString Dialogs::qtFileFilter(const QString &pairs)
{
    QStringList parts = pairs.split(QChar(0));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        const QString &pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty())
            break;
        // Qt takes the patterns from the last parentheses of each entry; a
        // description that ends in its own patterns ("Wave(*.wav)") has them.
        const QString patterns = QString(pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString shown = QLatin1Char('(') + patterns + QLatin1Char(')');
        filters << (description.endsWith(shown) ? description : description + QLatin1Char(' ') + shown);
    }
    return filters.join(QStringLiteral(";;"));
}

qint32 QtDialogs::Call_dlg111(QWidget *owner, DateRecord &date)
{
    QDialog box(owner);
    box.setWindowTitle(QStringLiteral("日付の選択"));
    auto *layout = new QVBoxLayout(&box);
    auto *calendar = new QCalendarWidget(&box);
    // Month and day names in Japanese, as the rest of the program, whatever the system's language.
    calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    layout->addWidget(calendar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    QObject::connect(calendar, &QCalendarWidget::activated, &box, &QDialog::accept);
    layout->addWidget(buttons);
    if (box.exec() != QDialog::Accepted)
        return 0;
    const QDate chosen = calendar->selectedDate();
    date.wYear = qint16(chosen.year());
    date.wMonth = qint16(chosen.month());
    date.wDay = qint16(chosen.day());
    date.wDayOfWeek = qint16(chosen.dayOfWeek() % 7);
    return 1;
}

QString QtDialogs::Kr3FileDlg(QWidget *owner, qint32, const QString &filter, const QString &initial,
                              const QString &title)
{
    return QFileDialog::getOpenFileName(owner, title, initial, qtFileFilter(filter));
}

QString QtDialogs::Kr3FolderDlg(QWidget *owner, const QString &prompt)
{
    return QFileDialog::getExistingDirectory(owner, prompt);
}

qint32 QtDialogs::Kr3ChooseColor(QWidget *owner, qint32 &color, CustomColors &custom)
{
    // Qt's dialog keeps 16 custom colours; the 17th stays as it was.
    const int shared = std::min<int>(QColorDialog::customCount(), int(custom.size()));
    for (int i = 0; i < shared; ++i)
        QColorDialog::setCustomColor(i, oleColor(custom[i]));
    const QColor chosen = QColorDialog::getColor(oleColor(color), owner);
    for (int i = 0; i < shared; ++i)
        custom[i] = toOleColor(QColorDialog::customColor(i));
    if (!chosen.isValid())
        return 0;
    color = toOleColor(chosen);
    return 1;
}
