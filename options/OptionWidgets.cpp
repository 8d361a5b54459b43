#include "OptionWidgets.h"

#include "ColorButton.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace OptionWidgets {

QLineEdit *settingText(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setMaxLength(0xFFFF);
    return box;
}

QButtonGroup *group(QObject *owner, std::initializer_list<QAbstractButton *> buttons)
{
    auto *g = new QButtonGroup(owner);
    for (QAbstractButton *b : buttons)
        g->addButton(b);
    return g;
}

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QPushButton *ellipsis(QWidget *parent)
{
    auto *button = new QPushButton(QStringLiteral("..."), parent);
    button->setFixedWidth(32);
    return button;
}

ColorButton *colorButton(QWidget *parent, qint32 color)
{
    auto *button = new ColorButton(parent);
    button->setFixedSize(48, 22);
    button->setBackColor(color);
    return button;
}

QComboBox *numberList(QWidget *parent, int count)
{
    auto *list = new QComboBox(parent);
    for (int n = 1; n <= count; ++n)
        list->addItem(QString::number(n));
    list->setCurrentIndex(0);
    return list;
}

} // namespace OptionWidgets
