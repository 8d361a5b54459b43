// The page of the digit colours and the information digits.
#include "frmOption.h"

#include "ColorButton.h"
#include "M_Degit.h"
#include "OptionWidgets.h"
#include "Session.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace OptionWidgets;

void frmOption::buildDigitsPage()
{
    QGroupBox *page = Frame1[2];
    auto *layout = new QVBoxLayout(page);
    Frame5[0] = new QGroupBox(
        QStringLiteral("デジタル部品の背景色と文字色（時計つきの場合はこの部分も同色となります）"), page);
    layout->addWidget(Frame5[0]);
    auto *colors = new QGridLayout(Frame5[0]);
    const QString captions[3] = {QStringLiteral("背景色："), QStringLiteral("未発光時の文字色："),
                                 QStringLiteral("発光時の文字色：")};
    const qint32 designed[3] = {0x808080, 0x969696, 0x72D2F8};
    for (int i = 0; i < 3; ++i) {
        Label6[i] = new QLabel(captions[i], Frame5[0]);
        Command8[i] = colorButton(Frame5[0], designed[i]);
        colors->addWidget(Label6[i], i, 0, Qt::AlignRight);
        colors->addWidget(Command8[i], i, 1);
    }
    Label6[3] = new QLabel(QStringLiteral("プレビュー"), Frame5[0]);
    M_Degit1 = new M_Degit(m_session.dialogs, Frame5[0]);
    M_Degit1->setDegitSize(0);
    M_Degit1->setUserSet(false);
    M_Degit1->setValue(qint16(123));
    // The element sizes itself to its places; the layout must keep that size.
    M_Degit1->setFixedSize(M_Degit1->size());
    colors->addWidget(Label6[3], 0, 2, Qt::AlignRight);
    colors->addWidget(M_Degit1, 1, 2, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    colors->setColumnStretch(3, 1);
    previewDigitColors();

    Frame5[1] = new QGroupBox(QStringLiteral("情報用数字の設定"), page);
    layout->addWidget(Frame5[1]);
    auto *grid = new QGridLayout(Frame5[1]);
    const QString checks[4] = {QStringLiteral("停留所の順番（区間・個数）を、"),
                               QStringLiteral("整理券番号を、"), QStringLiteral("系統番号を、"),
                               QStringLiteral("データの")};
    for (int i = 0; i < 4; ++i) {
        Check3[i] = new QCheckBox(checks[i], Frame5[1]);
        Combo4[i] = numberList(Frame5[1], KomaCount);
        grid->addWidget(Check3[i], i, 0);
    }
    Combo4[InfoList::DataColNo] = numberList(Frame5[1], ColumnCount);
    Check3[InfoCheck::StopNoFromZero] = new QCheckBox(QStringLiteral("0から数える"), Frame5[1]);
    Check3[InfoCheck::StopNoFromZero]->setEnabled(false);
    const QString koma = QStringLiteral("コマ目に表示する。");
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(Combo4[i], i, 1);
        grid->addWidget(new QLabel(koma, Frame5[1]), i, 2, 1, 3);
    }
    grid->addWidget(Check3[InfoCheck::StopNoFromZero], 0, 5);
    grid->addWidget(Combo4[InfoList::DataColNo], 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("列目の値を、"), Frame5[1]), 3, 2);
    grid->addWidget(Combo4[InfoList::DataColKoma], 3, 3);
    grid->addWidget(new QLabel(koma, Frame5[1]), 3, 4, 1, 2);
    grid->setColumnStretch(6, 1);
    for (QComboBox *list : Combo4)
        list->setEnabled(false);

    Label7 = wrapped(
        QStringLiteral("デジタル数字の桁ずらし、ゼロ埋めの設定は各部品をダブルクリックして設定してください。"
                       "また、これら情報用数字は運賃の表示よりも優先されます。"),
        page);
    layout->addWidget(Label7);
    layout->addStretch();

    // A check box flips what depends on it: each change of state flips once.
    auto flip = [](QWidget *w) { w->setEnabled(!w->isEnabled()); };
    connect(Check3[InfoCheck::StopNo], &QCheckBox::toggled, this, [this, flip] {
        flip(Combo4[InfoList::StopNoKoma]);
        flip(Check3[InfoCheck::StopNoFromZero]);
    });
    connect(Check3[InfoCheck::SeiriNo], &QCheckBox::toggled, this,
            [this, flip] { flip(Combo4[InfoList::SeiriNoKoma]); });
    connect(Check3[InfoCheck::KeitoNo], &QCheckBox::toggled, this,
            [this, flip] { flip(Combo4[InfoList::KeitoNoKoma]); });
    connect(Check3[InfoCheck::DataCol], &QCheckBox::toggled, this, [this, flip] {
        flip(Combo4[InfoList::DataColKoma]);
        flip(Combo4[InfoList::DataColNo]);
    });
    for (ColorButton *button : Command8)
        connect(button, &QPushButton::clicked, this, [this, button] { GetBtnColor(button); });
}

void frmOption::previewDigitColors()
{
    M_Degit1->setBackColor(Command8[DigitColour::Back]->BackColor());
    M_Degit1->setBaseForeColor(Command8[DigitColour::BaseFore]->BackColor());
    M_Degit1->setDegitForeColor(Command8[DigitColour::Fore]->BackColor());
}
