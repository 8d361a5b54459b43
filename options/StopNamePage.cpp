// The page of the stop-name display.
#include "frmOption.h"

#include "ColorButton.h"
#include "OptionWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace OptionWidgets;

void frmOption::buildStopNamePage()
{
    QGroupBox *page = Frame1[3];
    auto *grid = new QGridLayout(page);
    Label8[0] = new QLabel(QStringLiteral("背景色："), page);
    Label8[1] = new QLabel(QStringLiteral("文字色："), page);
    Command9[StopNameColour::Back] = colorButton(page, 0x808080);
    Command9[StopNameColour::Fore] = colorButton(page, 0x00FFFF);
    Label9 = new QLabel(QStringLiteral("フォントオプション："), page);
    Combo3 = new QComboBox(page);
    Combo3->addItems({QStringLiteral("ゴシック体"), QStringLiteral("明朝体"),
                      QStringLiteral("漢字はゴシック、それ以外は明朝"),
                      QStringLiteral("漢字は明朝、それ以外はゴシック"),
                      QStringLiteral("英数字はゴシック、それ以外は明朝")});
    Combo3->setCurrentIndex(-1);
    Check4 = new QCheckBox(QStringLiteral("太字（表示の不具合はサポート対象外）"), page);
    grid->addWidget(Label8[0], 0, 0, Qt::AlignRight);
    grid->addWidget(Command9[StopNameColour::Back], 0, 1, Qt::AlignLeft);
    grid->addWidget(Label8[1], 1, 0, Qt::AlignRight);
    grid->addWidget(Command9[StopNameColour::Fore], 1, 1, Qt::AlignLeft);
    grid->addWidget(Label9, 2, 0, Qt::AlignRight);
    grid->addWidget(Combo3, 2, 1);
    grid->addWidget(Check4, 3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);

    for (ColorButton *button : Command9)
        connect(button, &QPushButton::clicked, this, [this, button] { GetBtnColor(button); });
}
