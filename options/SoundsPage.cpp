// The page of the sounds: route setting, reset, the data steps and the tape.
#include "frmOption.h"

#include "Dialogs.h"
#include "OptionWidgets.h"
#include "Session.h"
#include "WrappingButtons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace OptionWidgets;

void frmOption::buildSoundsPage()
{
    QGroupBox *page = Frame1[4];
    auto *layout = new QGridLayout(page);
    for (int i = 0; i < 11; ++i) {
        txtSelectSound[i] = settingText(page);
        if (i != Sound::Unused)
            cmdSelectSound[i] = ellipsis(page);
    }
    txtSelectSound[Sound::Unused]->hide();
    Label1[0] = new QLabel(QStringLiteral("系統設定時のサウンド："), page);
    Label1[1] = new QLabel(QStringLiteral("リセット時のサウンド："), page);
    for (int i = 0; i < 2; ++i) {
        layout->addWidget(Label1[i], i, 0);
        layout->addWidget(txtSelectSound[i], i, 1);
        layout->addWidget(cmdSelectSound[i], i, 2);
    }

    Option5[SoundFrame::Fare] = new QRadioButton(QStringLiteral("送り・戻し時のサウンド..."), page);
    Option5[SoundFrame::Tape] = new QRadioButton(QStringLiteral("放送前のサウンド..."), page);
    auto *which = new QHBoxLayout;
    which->addWidget(Option5[SoundFrame::Fare]);
    which->addWidget(Option5[SoundFrame::Tape]);
    which->addStretch();
    layout->addLayout(which, 2, 0, 1, 3);
    group(this, {Option5[0], Option5[1]});

    soundFrames = new QStackedWidget(page);
    layout->addWidget(soundFrames, 3, 0, 1, 3);
    Frame2[0] = new QGroupBox(
        QStringLiteral("放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"),
        soundFrames);
    Frame2[1] = new QGroupBox(QStringLiteral("送り・戻し時のサウンド"), soundFrames);
    soundFrames->addWidget(Frame2[0]);
    soundFrames->addWidget(Frame2[1]);

    const QString syncCaptions[2][2] = {
        {QStringLiteral("同期再生(サウンドが完全に再生された後で放送開始)"),
         QStringLiteral("非同期再生(サウンドを再生しながら放送開始)")},
        {QStringLiteral("同期再生(サウンドが完全に再生された後で運賃切り替え)"),
         QStringLiteral("非同期再生(サウンドを再生しながら運賃切り替え)")},
    };
    // Frame2(1) is the forward/back sound, Frame2(0) the one before an announcement.
    for (int fare = 1; fare >= 0; --fare) {
        QGroupBox *frame = Frame2[fare];
        auto *grid = new QGridLayout(frame);
        QGroupBox *how = new QGroupBox(QStringLiteral("再生方法"), frame);
        auto *howLayout = new QVBoxLayout(how);
        auto &sync = fare ? Option6 : Option7;
        for (int i = 0; i < 2; ++i) {
            sync[i] = new QRadioButton(syncCaptions[fare][i], how);
            howLayout->addWidget(sync[i]);
        }
        group(this, {sync[0], sync[1]});
        (fare ? Frame8 : Frame9) = how;
        grid->addWidget(how, 0, 0, 1, 4);

        const int always = fare ? SoundWhen::FareAlways : SoundWhen::TapeAlways;
        const int fixedSound = fare ? Sound::FareFixed : Sound::TapeFixed;
        Option2[always] = new QRadioButton(QStringLiteral("常に右記のサウンドを鳴らす"), frame);
        grid->addWidget(Option2[always], 1, 0, 1, 2);
        grid->addWidget(txtSelectSound[fixedSound], 1, 2);
        grid->addWidget(cmdSelectSound[fixedSound], 1, 3);
        Option2[always + 1] = new WrapRadioButton(
            fare ? QStringLiteral(
                "運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす"
                "（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）")
                 : QStringLiteral("放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす"
                                  "（フラグの内容が1～3以外の場合はサウンドは鳴りません）"),
            frame);
        grid->addWidget(Option2[always + 1], 2, 0, 1, 4);
        group(this, {Option2[always], Option2[always + 1]});

        int row = 3;
        if (fare) {
            Combo1 = numberList(frame, ColumnCount);
            Label1[2] = new QLabel(QStringLiteral("運賃データの"), frame);
            auto *column = new QHBoxLayout;
            column->addWidget(Label1[2]);
            column->addWidget(Combo1);
            column->addWidget(new QLabel(QStringLiteral("列目のデータが、"), frame));
            column->addStretch();
            grid->addLayout(column, row++, 0, 1, 4);
        }
        const int firstSound = fare ? Sound::Fare1 : Sound::Tape1;
        const int firstLabel = fare ? 3 : 9;
        for (int v = 0; v < 3; ++v) {
            Label1[firstLabel + v] = new QLabel(QStringLiteral("「%1」の場合").arg(v + 1), frame);
            grid->addWidget(Label1[firstLabel + v], row, 1, Qt::AlignRight);
            grid->addWidget(txtSelectSound[firstSound + v], row, 2);
            grid->addWidget(cmdSelectSound[firstSound + v], row++, 3);
        }
        grid->setColumnMinimumWidth(0, 24);
        grid->setColumnStretch(2, 1);
        grid->setRowStretch(row, 1); // spare height below the last sound, not between the rows
    }
    Option2[SoundWhen::FareAlways]->setChecked(true);
    Option6[Playing::Async]->setChecked(true);
    Option2[SoundWhen::TapeAlways]->setChecked(true);
    Option7[Playing::Sync]->setChecked(true);

    Label1[7] =
        wrapped(QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、"
                               "あらかじめご了承ください。"),
                page);
    layout->addWidget(Label1[7], 4, 0, 1, 3);
    layout->setRowStretch(5, 1);
    Option5[SoundFrame::Fare]->setChecked(true);
    soundFrames->setCurrentWidget(Frame2[SoundFrame::Fare]);

    for (int i = 0; i < 2; ++i) {
        connect(Option5[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                soundFrames->setCurrentWidget(Frame2[i]);
        });
    }
    for (int i = 0; i < 11; ++i) {
        if (cmdSelectSound[i])
            connect(cmdSelectSound[i], &QPushButton::clicked, this, [this, i] { cmdSelectSound_Click(i); });
    }
}

void frmOption::cmdSelectSound_Click(int Index)
{
    if (Index < 0 || Index > Sound::Fare3 || Index == Sound::Unused)
        return;
    const QString chosen =
        m_session.dialogs.Kr3FileDlg(this, 0,
                                     Dialogs::filterOf({{u"Waveサウンド(*.wav)", u"*.wav"},
                                                        {u"MP3サウンド(*.mp3)", u"*.mp3"},
                                                        {u"MIDIシーケンス(*.mid)", u"*.mid"}}),
                                     QString(), QStringLiteral("サウンドの選択"));
    if (!chosen.isEmpty())
        txtSelectSound[Index]->setText(chosen);
}
