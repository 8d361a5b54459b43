#pragma once

#include <QtGlobal>

#include <initializer_list>

class ColorButton;
class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QString;
class QWidget;

// The small pieces every page of the options dialog is built from.
namespace OptionWidgets {

// The width the pages are laid out for; long captions wrap within it.
constexpr int PageWidth = 660;

// A text box for a setting: a text of the settings file holds up to 65,535
// bytes; the box's own limit of 32,767 characters would cut a longer one at
// the next save.
QLineEdit *settingText(QWidget *parent);
// One radio group. Qt's own grouping by parent would also take in the buttons
// of frames nested inside, so every group is named.
QButtonGroup *group(QObject *owner, std::initializer_list<QAbstractButton *> buttons);
QLabel *wrapped(const QString &text, QWidget *parent);
// The "..." button that fetches a value from another dialog.
QPushButton *ellipsis(QWidget *parent);
ColorButton *colorButton(QWidget *parent, qint32 color);
// A list of the numbers 1..count, the first chosen.
QComboBox *numberList(QWidget *parent, int count);

} // namespace OptionWidgets
