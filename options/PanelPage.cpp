// The page of the board pictures and the ticket-number row.
#include "frmOption.h"

#include "ColorButton.h"
#include "Dialogs.h"
#include "OptionWidgets.h"
#include "Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace OptionWidgets;

void frmOption::buildPanelPage()
{
    QGroupBox *page = Frame1[1];
    auto *layout = new QVBoxLayout(page);
    Check1 = new QCheckBox(QStringLiteral("整理券番号自動表示機能を使用"), page);
    layout->addWidget(Check1);
    Label15 =
        wrapped(QStringLiteral(
                    "※ユーザーパネルに直接番号をデザインしている場合には上記チェックをOFFにしてください。"),
                page);
    layout->addWidget(Label15);

    Frame3 = new QGroupBox(page);
    Frame3->setEnabled(false);
    layout->addWidget(Frame3);
    auto *row = new QGridLayout(Frame3);
    Label4[5] = new QLabel(QStringLiteral("整理券番号表示設定"), Frame3);
    Combo2 = new QComboBox(Frame3);
    row->addWidget(Label4[5], 0, 0, 1, 2);
    row->addWidget(Combo2, 0, 2, 1, 4);
    Check2 = new QCheckBox(QStringLiteral("数字が1桁の番号は頭に0を付け足す"), Frame3);
    row->addWidget(Check2, 1, 0, 1, 6);
    Label4[1] = new QLabel(QStringLiteral("整理券番号のバックライトカラー(文字色)"), Frame3);
    row->addWidget(Label4[1], 2, 0, 1, 6);
    const QString states[3] = {QStringLiteral("OFF："), QStringLiteral("ON1："), QStringLiteral("ON2：")};
    for (int i = 0; i < 3; ++i) {
        Label4[2 + i] = new QLabel(states[i], Frame3);
        Command5[i] = colorButton(Frame3, 0xFFFFFF);
        row->addWidget(Label4[2 + i], 3, 2 * i, Qt::AlignRight);
        row->addWidget(Command5[i], 3, 2 * i + 1, Qt::AlignLeft);
    }

    Frame4 = new QGroupBox(QStringLiteral("本体パネル"), page);
    layout->addWidget(Frame4);
    auto *panels = new QVBoxLayout(Frame4);
    Option3[PanelChoice::Auto] =
        new QRadioButton(QStringLiteral("内蔵しているパネルを自動で割り当てる"), Frame4);
    Option3[PanelChoice::Each] = new QRadioButton(QStringLiteral("個別に設定する"), Frame4);
    panels->addWidget(Option3[PanelChoice::Auto]);
    panels->addWidget(Option3[PanelChoice::Each]);
    group(this, {Option3[PanelChoice::Auto], Option3[PanelChoice::Each]});
    const QString frameCaptions[3] = {QStringLiteral("バックライトOFF時の画像："),
                                      QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
    // The built-in and the user picture of each backlight state.
    const int builtIn[3] = {PanelChoice::OffBuiltIn, PanelChoice::On1BuiltIn, PanelChoice::On2BuiltIn};
    const int user[3] = {PanelChoice::OffUser, PanelChoice::On1User, PanelChoice::On2User};
    for (int i = 0; i < 3; ++i) {
        QGroupBox *frame = Frame6[i] = new QGroupBox(frameCaptions[i], Frame4);
        auto *state = new QHBoxLayout(frame);
        Option3[builtIn[i]] = new QRadioButton(QStringLiteral("内蔵"), frame);
        Option3[user[i]] = new QRadioButton(QStringLiteral("ユーザーパネル"), frame);
        txtSelectPanel[i] = settingText(frame);
        Command6[i] = ellipsis(frame);
        state->addWidget(Option3[builtIn[i]]);
        state->addWidget(Option3[user[i]]);
        state->addWidget(txtSelectPanel[i], 1);
        state->addWidget(Command6[i]);
        group(this, {Option3[builtIn[i]], Option3[user[i]]});
        Option3[builtIn[i]]->setChecked(true);
        frame->setEnabled(false);
        frame->setVisible(false);
        panels->addWidget(frame);
    }
    Option3[PanelChoice::Auto]->setChecked(true);
    Label5_1 = wrapped(QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパ"
                                      "ネルの場合、はみ出た部分（右・下）"
                                      "が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分は"
                                      "グレーになりますのでご注意ください。"),
                       page);
    layout->addWidget(Label5_1);
    layout->addStretch();

    // A check box flips what depends on it: each change of state flips once.
    connect(Check1, &QCheckBox::toggled, this, [this] { Frame3->setEnabled(!Frame3->isEnabled()); });
    for (QRadioButton *button : Option3) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Option3_Click();
        });
    }
    for (ColorButton *button : Command5)
        connect(button, &QPushButton::clicked, this, [this, button] { GetBtnColor(button); });
    for (int i = 0; i < 3; ++i)
        connect(Command6[i], &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
}

void frmOption::Option3_Click()
{
    const bool each = !Option3[PanelChoice::Auto]->isChecked();
    for (QGroupBox *frame : Frame6) {
        frame->setEnabled(each);
        frame->setVisible(each);
    }
}

void frmOption::Command6_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    const QString chosen = m_session.dialogs.Kr3FileDlg(this, 0,
                                                        Dialogs::filterOf({{u"ビットマップ(*.bmp)", u"*.bmp"},
                                                                           {u"GIF画像(*.gif)", u"*.gif"},
                                                                           {u"JPEG画像(*.jpg)", u"*.jpg"}}),
                                                        QString(), QStringLiteral("パネル画像の選択"));
    if (!chosen.isEmpty())
        txtSelectPanel[Index]->setText(chosen);
}

void frmOption::AddComboItem()
{
    const QString parts[12] = {
        QStringLiteral("1,2,3..."),           QStringLiteral("0,1,2..."),
        QStringLiteral("「なし」、1,2..."),   QStringLiteral("「なし」、2,3..."),
        QStringLiteral("「無券」、1,2..."),   QStringLiteral("「無券」、2,3..."),
        QStringLiteral("「券なし」、1,2..."), QStringLiteral("「券なし」、2,3..."),
        QStringLiteral("「券無し」、1,2..."), QStringLiteral("「券無し」、2,3..."),
        QStringLiteral("(無地)、1,2..."),     QStringLiteral("(無地)、2,3..."),
    };
    for (int row = 0; row < 12; ++row) {
        // The last number follows with the blank a number's sign position leaves.
        const int last = (row == 0 || row % 2 == 1) ? 24 : 23;
        QString text = parts[row] + QLatin1Char(' ') + QString::number(row == 1 ? 23 : last);
        if (row == 0)
            text += QStringLiteral(" （既定の表示）");
        Combo2->addItem(text);
    }
}
