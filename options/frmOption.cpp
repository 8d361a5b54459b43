// The options dialog itself: its page selector, OK, and the colour buttons every page has.
#include "frmOption.h"

#include "Clock.h"
#include "ColorButton.h"
#include "Dialogs.h"
#include "OptionWidgets.h"
#include "Session.h"
#include "WrappingButtons.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace OptionWidgets;

frmOption::frmOption(Session &session)
    : QDialog(nullptr)
    , m_session(session)
{
    setWindowTitle(QStringLiteral("オプション"));
    auto *outer = new QHBoxLayout(this);
    auto *selector = new QVBoxLayout;
    selector->setSpacing(2);
    outer->addLayout(selector);
    auto *right = new QVBoxLayout;
    outer->addLayout(right, 1);
    auto *pages = new QStackedWidget(this);
    pages->setMinimumWidth(PageWidth);
    right->addWidget(pages, 1);

    const QString selectorCaptions[PageCount] = {
        QStringLiteral("運賃データと　放送用データ"),
        QStringLiteral("パネルと整理券番号表示"),
        QStringLiteral("デジタル部品と情報用数字"),
        QStringLiteral("停名の設定"),
        QStringLiteral("サウンド"),
        QStringLiteral("　　整理券　　　プレビュー"),
    };
    const QString pageCaptions[PageCount] = {
        QStringLiteral("運賃データと放送用データ"),
        QStringLiteral("パネルと整理券番号表示"),
        QStringLiteral("デジタル部品と情報用数字"),
        QStringLiteral("停名の設定"),
        QStringLiteral("サウンド（鳴らさなくてもいい項目にはファイル名を入れないで下さい）"),
        QStringLiteral("整理券プレビュー"),
    };
    for (int i = 0; i < PageCount; ++i) {
        Option1[i] = new PageButton(selectorCaptions[i], this);
        selector->addWidget(Option1[i]);
        Frame1[i] = new QGroupBox(pageCaptions[i], pages);
        pages->addWidget(Frame1[i]);
        connect(Option1[i], &QPushButton::toggled, this, [this, i](bool on) {
            if (on)
                showPage(i);
        });
    }
    group(this, {Option1[0], Option1[1], Option1[2], Option1[3], Option1[4], Option1[5]});
    selector->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    Command4 = new QPushButton(QStringLiteral("OK"), this);
    Command4->setMinimumWidth(90);
    // No default button: Return in a path box must not close the dialog.
    Command4->setAutoDefault(false);
    buttons->addWidget(Command4);
    right->addLayout(buttons);

    buildFoldersPage();
    buildPanelPage();
    buildDigitsPage();
    buildStopNamePage();
    buildSoundsPage();
    buildTicketPage();
    connect(Command4, &QPushButton::clicked, this, &frmOption::Command4_Click);

    // The dialog's load.
    AddComboItem();
    Combo2->setCurrentIndex(0);
    Label10->setText(m_session.clock.now().toString(QStringLiteral("yyyy/MM/dd")));
    Option1[0]->setChecked(true);
}

frmOption::~frmOption() = default;

void frmOption::showPage(int index)
{
    static_cast<QStackedWidget *>(Frame1[index]->parentWidget())->setCurrentWidget(Frame1[index]);
}

void frmOption::closeEvent(QCloseEvent *event)
{
    // Closing hides the dialog like OK, without applying anything: it holds the settings.
    event->ignore();
    hide();
}

void frmOption::GetBtnColor(ColorButton *button)
{
    qint32 color = button->BackColor();
    if (m_session.dialogs.Kr3ChooseColor(this, color, m_session.iniIo.IniData.CustColors) != 0)
        button->setBackColor(color);
    for (ColorButton *digit : Command8) {
        if (digit == button)
            previewDigitColors();
    }
}

void frmOption::Command4_Click()
{
    SetProp();
    hide();
}
