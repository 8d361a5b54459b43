#include "frmOption.h"

#include "App.h"
#include "Clock.h"
#include "ColorButton.h"
#include "M_Degit.h"
#include "WrappingButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// A text of the settings file holds up to 65,535 bytes; the box's own limit
// of 32,767 characters would cut a longer one at the next save.
QLineEdit *settingText(QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setMaxLength(0xFFFF);
    return box;
}

// The width the pages are laid out for; long captions wrap within it.
constexpr int PageWidth = 660;

// One radio group. Qt's own grouping by parent would also take in the buttons
// of frames nested inside, so every group is named.
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

} // namespace

frmOption::frmOption(App &app)
    : QDialog(nullptr)
    , m_app(app)
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

    buildPage0();
    buildPage1();
    buildPage2();
    buildPage3();
    buildPage4();
    buildPage5();
    connectReactions();

    // The dialog's load.
    AddComboItem();
    Combo2->setCurrentIndex(0);
    Label10->setText(m_app.clock.now().toString(QStringLiteral("yyyy/MM/dd")));
    Option1[0]->setChecked(true);
}

frmOption::~frmOption() = default;

void frmOption::showPage(int index)
{
    static_cast<QStackedWidget *>(Frame1[index]->parentWidget())->setCurrentWidget(Frame1[index]);
}

void frmOption::buildPage0()
{
    QGroupBox *page = Frame1[0];
    auto *grid = new QGridLayout(page);
    Label3[0] = new QLabel(QStringLiteral("運賃データ(*.hy3)のあるフォルダー："), page);
    Label3[1] = new QLabel(QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー："), page);
    const QString open[2] = {QStringLiteral("上記運賃データの場所をエクスプローラで開く"),
                             QStringLiteral("上記放送用データの場所をエクスプローラで開く")};
    for (int i = 0; i < 2; ++i) {
        Text2[i] = settingText(page);
        Command3[i] = ellipsis(page);
        Command10[i] = new QPushButton(open[i], page);
        grid->addWidget(Label3[i], 4 * i, 0, 1, 2);
        grid->addWidget(Text2[i], 4 * i + 1, 0);
        grid->addWidget(Command3[i], 4 * i + 1, 1);
        grid->addWidget(Command10[i], 4 * i + 2, 0, Qt::AlignLeft);
        grid->setRowMinimumHeight(4 * i + 3, 16);
    }
    grid->setRowStretch(8, 1);
}

void frmOption::buildPage1()
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
    Option3[0] = new QRadioButton(QStringLiteral("内蔵しているパネルを自動で割り当てる"), Frame4);
    Option3[1] = new QRadioButton(QStringLiteral("個別に設定する"), Frame4);
    panels->addWidget(Option3[0]);
    panels->addWidget(Option3[1]);
    group(this, {Option3[0], Option3[1]});
    const QString frameCaptions[3] = {QStringLiteral("バックライトOFF時の画像："),
                                      QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
    // The built-in and the user picture of each state, as the buttons are numbered.
    const int builtIn[3] = {7, 3, 4};
    const int user[3] = {6, 2, 5};
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
    Option3[0]->setChecked(true);
    Label5_1 = wrapped(QStringLiteral("※ユーザーパネルには、現在の機種に対応の画像をご使用ください。大きいパ"
                                      "ネルの場合、はみ出た部分（右・下）"
                                      "が切り取られます。逆に小さいパネルの場合は左上から表示され、余白部分は"
                                      "グレーになりますのでご注意ください。"),
                       page);
    layout->addWidget(Label5_1);
    layout->addStretch();
}

void frmOption::buildPage2()
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
    M_Degit1 = new M_Degit(m_app.dialogs, Frame5[0]);
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
    Combo4[4] = numberList(Frame5[1], ColumnCount);
    Check3[4] = new QCheckBox(QStringLiteral("0から数える"), Frame5[1]);
    Check3[4]->setEnabled(false);
    const QString koma = QStringLiteral("コマ目に表示する。");
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(Combo4[i], i, 1);
        grid->addWidget(new QLabel(koma, Frame5[1]), i, 2, 1, 3);
    }
    grid->addWidget(Check3[4], 0, 5);
    grid->addWidget(Combo4[4], 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("列目の値を、"), Frame5[1]), 3, 2);
    grid->addWidget(Combo4[3], 3, 3);
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
}

void frmOption::buildPage3()
{
    QGroupBox *page = Frame1[3];
    auto *grid = new QGridLayout(page);
    Label8[0] = new QLabel(QStringLiteral("背景色："), page);
    Label8[1] = new QLabel(QStringLiteral("文字色："), page);
    Command9[0] = colorButton(page, 0x808080);
    Command9[1] = colorButton(page, 0x00FFFF);
    Label9 = new QLabel(QStringLiteral("フォントオプション："), page);
    Combo3 = new QComboBox(page);
    Combo3->addItems({QStringLiteral("ゴシック体"), QStringLiteral("明朝体"),
                      QStringLiteral("漢字はゴシック、それ以外は明朝"),
                      QStringLiteral("漢字は明朝、それ以外はゴシック"),
                      QStringLiteral("英数字はゴシック、それ以外は明朝")});
    Combo3->setCurrentIndex(-1);
    Check4 = new QCheckBox(QStringLiteral("太字（表示の不具合はサポート対象外）"), page);
    grid->addWidget(Label8[0], 0, 0, Qt::AlignRight);
    grid->addWidget(Command9[0], 0, 1, Qt::AlignLeft);
    grid->addWidget(Label8[1], 1, 0, Qt::AlignRight);
    grid->addWidget(Command9[1], 1, 1, Qt::AlignLeft);
    grid->addWidget(Label9, 2, 0, Qt::AlignRight);
    grid->addWidget(Combo3, 2, 1);
    grid->addWidget(Check4, 3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
}

void frmOption::buildPage4()
{
    QGroupBox *page = Frame1[4];
    auto *layout = new QGridLayout(page);
    for (int i = 0; i < 11; ++i) {
        txtSelectSound[i] = settingText(page);
        if (i != 2)
            cmdSelectSound[i] = ellipsis(page);
    }
    txtSelectSound[2]->hide(); // no sound of its own: kept so the numbers stay as they are
    Label1[0] = new QLabel(QStringLiteral("系統設定時のサウンド："), page);
    Label1[1] = new QLabel(QStringLiteral("リセット時のサウンド："), page);
    for (int i = 0; i < 2; ++i) {
        layout->addWidget(Label1[i], i, 0);
        layout->addWidget(txtSelectSound[i], i, 1);
        layout->addWidget(cmdSelectSound[i], i, 2);
    }

    Option5[1] = new QRadioButton(QStringLiteral("送り・戻し時のサウンド..."), page);
    Option5[0] = new QRadioButton(QStringLiteral("放送前のサウンド..."), page);
    auto *which = new QHBoxLayout;
    which->addWidget(Option5[1]);
    which->addWidget(Option5[0]);
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

        const int always = fare ? 0 : 2;
        const int fixedSound = fare ? 7 : 3;
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
        const int firstSound = fare ? 8 : 4;
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
    Option2[0]->setChecked(true);
    Option6[1]->setChecked(true);
    Option2[2]->setChecked(true);
    Option7[0]->setChecked(true);

    Label1[7] =
        wrapped(QStringLiteral("「放送前のサウンド」再生時は、停名のスクロールが停止することがありますので、"
                               "あらかじめご了承ください。"),
                page);
    layout->addWidget(Label1[7], 4, 0, 1, 3);
    layout->setRowStretch(5, 1);
    Option5[1]->setChecked(true);
    soundFrames->setCurrentWidget(Frame2[1]);
}

void frmOption::buildPage5()
{
    QGroupBox *page = Frame1[5];
    auto *layout = new QVBoxLayout(page);
    chkUseSeiriPrev = new QCheckBox(QStringLiteral("整理券プレビュー機能を使用する"), page);
    layout->addWidget(chkUseSeiriPrev);

    Frame10 = new QGroupBox(QStringLiteral("整理券プラグイン設定"), page);
    auto *plugin = new QGridLayout(Frame10);
    Label2 = wrapped(
        QStringLiteral("整理券プラグイン（整理券プレビューを使用しない場合は、何も入れないでください）："),
        Frame10);
    txtSeiriPlgDir = settingText(Frame10);
    txtSeiriPlgDir->setReadOnly(true);
    Command1 = ellipsis(Frame10);
    Command11 = new QPushButton(QStringLiteral("×"), Frame10); // the cross the symbol font draws
    Command11->setFixedWidth(32);
    Label11 = new QLabel(QStringLiteral("上記プラグインのプロパティ："), Frame10);
    List1 = new QListWidget(Frame10);
    List1->setMinimumHeight(90);
    Label13 = new QLabel(QStringLiteral("上記プラグインの特記事項："), Frame10);
    txtPlginComment = new QTextEdit(Frame10);
    txtPlginComment->setReadOnly(true);
    txtPlginComment->setMinimumHeight(90);
    plugin->addWidget(Label2, 0, 0, 1, 3);
    plugin->addWidget(txtSeiriPlgDir, 1, 0);
    plugin->addWidget(Command1, 1, 1);
    plugin->addWidget(Command11, 1, 2);
    plugin->addWidget(Label11, 2, 0, 1, 3);
    plugin->addWidget(List1, 3, 0, 1, 3);
    plugin->addWidget(Label13, 4, 0, 1, 3);
    plugin->addWidget(txtPlginComment, 5, 0, 1, 3);
    layout->addWidget(Frame10);

    Frame7 = new QGroupBox(
        QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）"), page);
    auto *dates = new QGridLayout(Frame7);
    Option4[0] = new QRadioButton(
        QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), Frame7);
    Option4[1] =
        new QRadioButton(QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), Frame7);
    Option4[2] = new QRadioButton(QStringLiteral("右記の日付に固定"), Frame7);
    group(this, {Option4[0], Option4[1], Option4[2]});
    Label10 = new QLabel(Frame7);
    Label10->setFrameShape(QFrame::Panel);
    Label10->setFrameShadow(QFrame::Sunken);
    Label10->setMinimumWidth(90);
    Command7 = new QPushButton(QStringLiteral("日付選択..."), Frame7);
    Label14 =
        wrapped(QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで"
                               "整理券の日付変更を行いません。"),
                Frame7);
    dates->addWidget(Option4[0], 0, 0, 1, 3);
    dates->addWidget(Option4[1], 1, 0, 1, 3);
    dates->addWidget(Label14, 2, 0, 1, 3);
    dates->addWidget(Option4[2], 3, 0);
    dates->addWidget(Label10, 3, 1);
    dates->addWidget(Command7, 3, 2, Qt::AlignLeft);
    dates->setColumnStretch(2, 1);
    Option4[0]->setChecked(true);
    layout->addWidget(Frame7);
    for (QGroupBox *frame : {Frame10, Frame7}) {
        frame->setEnabled(false);
        frame->setVisible(false);
    }
    layout->addStretch();
}

void frmOption::connectReactions()
{
    // The check boxes flip what depends on them: each change of state flips once.
    auto flip = [](QWidget *w) { w->setEnabled(!w->isEnabled()); };
    connect(Check1, &QCheckBox::toggled, this, [this, flip] { flip(Frame3); });
    connect(Check3[0], &QCheckBox::toggled, this, [this, flip] {
        flip(Combo4[0]);
        flip(Check3[4]);
    });
    connect(Check3[1], &QCheckBox::toggled, this, [this, flip] { flip(Combo4[1]); });
    connect(Check3[2], &QCheckBox::toggled, this, [this, flip] { flip(Combo4[2]); });
    connect(Check3[3], &QCheckBox::toggled, this, [this, flip] {
        flip(Combo4[3]);
        flip(Combo4[4]);
    });
    for (QRadioButton *button : Option3) {
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Option3_Click();
        });
    }
    for (int i = 0; i < 2; ++i) {
        connect(Option5[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                soundFrames->setCurrentWidget(Frame2[i]);
        });
    }
    connect(chkUseSeiriPrev, &QCheckBox::toggled, this, [this] {
        const bool v = chkUseSeiriPrev->isChecked();
        for (QGroupBox *frame : {Frame10, Frame7}) {
            frame->setEnabled(v);
            frame->setVisible(v);
        }
    });

    for (ColorButton *button : Command5)
        connect(button, &QPushButton::clicked, this, [this, button] { GetBtnColor(button); });
    for (ColorButton *button : Command8)
        connect(button, &QPushButton::clicked, this, [this, button] { GetBtnColor(button); });
    for (ColorButton *button : Command9)
        connect(button, &QPushButton::clicked, this, [this, button] { GetBtnColor(button); });
    for (int i = 0; i < 11; ++i) {
        if (cmdSelectSound[i])
            connect(cmdSelectSound[i], &QPushButton::clicked, this, [this, i] { cmdSelectSound_Click(i); });
    }
    for (int i = 0; i < 3; ++i)
        connect(Command6[i], &QPushButton::clicked, this, [this, i] { Command6_Click(i); });
    for (int i = 0; i < 2; ++i) {
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(Command10[i], &QPushButton::clicked, this, [this, i] { Command10_Click(i); });
    }
    connect(Command7, &QPushButton::clicked, this, &frmOption::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOption::Command1_Click);
    connect(Command11, &QPushButton::clicked, this, &frmOption::Command11_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOption::Command4_Click);
}

void frmOption::Option3_Click()
{
    const bool each = !Option3[0]->isChecked();
    for (QGroupBox *frame : Frame6) {
        frame->setEnabled(each);
        frame->setVisible(each);
    }
}

void frmOption::previewDigitColors()
{
    M_Degit1->setBackColor(Command8[0]->BackColor());
    M_Degit1->setBaseForeColor(Command8[1]->BackColor());
    M_Degit1->setDegitForeColor(Command8[2]->BackColor());
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

void frmOption::closeEvent(QCloseEvent *event)
{
    // Closing hides the dialog like OK, without applying anything: it holds the settings.
    event->ignore();
    hide();
}
