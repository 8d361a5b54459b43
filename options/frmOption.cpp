#include "frmOption.h"

#include "App.h"
#include "Clock.h"
#include "ColorButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

qint16 checkValue(const QCheckBox *box)
{
    return box->isChecked() ? 1 : 0;
}

void fillNumbers(QComboBox *list, int count)
{
    for (int n = 1; n <= count; ++n)
        list->addItem(QString::number(n));
    list->setCurrentIndex(0);
}

// One radio group. Qt's own grouping by parent would also take in the buttons
// of frames nested inside, so every group is named.
void group(QObject *owner, std::initializer_list<QRadioButton *> buttons)
{
    auto *g = new QButtonGroup(owner);
    for (QRadioButton *b : buttons)
        g->addButton(b);
}

QLineEdit *addPathRow(QGridLayout *grid, int row, const QString &caption, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    grid->addWidget(new QLabel(caption, parent), row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

} // namespace

frmOption::frmOption(App &app)
    : QDialog(nullptr)
    , m_app(app)
{
    setWindowTitle(QStringLiteral("オプション"));
    auto *outer = new QHBoxLayout(this);
    auto *selector = new QVBoxLayout;
    outer->addLayout(selector);
    auto *pages = new QVBoxLayout;
    outer->addLayout(pages, 1);

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
        Option1[i] = new QRadioButton(selectorCaptions[i], this);
        selector->addWidget(Option1[i]);
        Frame1[i] = new QGroupBox(pageCaptions[i], this);
        pages->addWidget(Frame1[i]);
        connect(Option1[i], &QRadioButton::toggled, Frame1[i], &QWidget::setVisible);
        Frame1[i]->setVisible(false);
    }
    selector->addStretch();

    // Page 0
    {
        auto *grid = new QGridLayout(Frame1[0]);
        Text2[0] = addPathRow(grid, 0, QStringLiteral("運賃データ(*.hy3)のあるフォルダー："), Frame1[0]);
        Text2[1] =
            addPathRow(grid, 1, QStringLiteral("放送用データ(*****Tp.csv)のあるフォルダー："), Frame1[0]);
    }

    // Page 1
    {
        auto *page = new QVBoxLayout(Frame1[1]);
        Check1 = new QCheckBox(QStringLiteral("整理券番号自動表示機能を使用"), Frame1[1]);
        page->addWidget(Check1);
        Frame3 = new QGroupBox(Frame1[1]);
        Frame3->setEnabled(false);
        page->addWidget(Frame3);
        auto *row = new QGridLayout(Frame3);
        Combo2 = new QComboBox(Frame3);
        row->addWidget(new QLabel(QStringLiteral("整理券番号表示設定"), Frame3), 0, 0);
        row->addWidget(Combo2, 0, 1, 1, 5);
        Check2 = new QCheckBox(QStringLiteral("数字が1桁の番号は頭に0を付け足す"), Frame3);
        row->addWidget(Check2, 1, 0, 1, 6);
        const QString states[3] = {QStringLiteral("OFF："), QStringLiteral("ON1："), QStringLiteral("ON2：")};
        for (int i = 0; i < 3; ++i) {
            Command5[i] = new ColorButton(Frame3);
            row->addWidget(new QLabel(states[i], Frame3), 2, 2 * i);
            row->addWidget(Command5[i], 2, 2 * i + 1);
        }

        Frame4 = new QGroupBox(QStringLiteral("本体パネル"), Frame1[1]);
        page->addWidget(Frame4);
        auto *panels = new QVBoxLayout(Frame4);
        Option3[0] = new QRadioButton(QStringLiteral("内蔵しているパネルを自動で割り当てる"), Frame4);
        Option3[1] = new QRadioButton(QStringLiteral("個別に設定する"), Frame4);
        panels->addWidget(Option3[0]);
        panels->addWidget(Option3[1]);
        const QString frameCaptions[3] = {QStringLiteral("バックライトOFF時の画像："),
                                          QStringLiteral("ON1の画像："), QStringLiteral("ON2の画像：")};
        // Built-in and user picture of each state, as the buttons are numbered.
        const int builtIn[3] = {7, 3, 4};
        const int user[3] = {6, 2, 5};
        for (int i = 0; i < 3; ++i) {
            Frame6[i] = new QGroupBox(frameCaptions[i], Frame4);
            auto *state = new QHBoxLayout(Frame6[i]);
            Option3[builtIn[i]] = new QRadioButton(QStringLiteral("内蔵"), Frame6[i]);
            Option3[user[i]] = new QRadioButton(QStringLiteral("ユーザーパネル"), Frame6[i]);
            txtSelectPanel[i] = new QLineEdit(Frame6[i]);
            state->addWidget(Option3[builtIn[i]]);
            state->addWidget(Option3[user[i]]);
            state->addWidget(txtSelectPanel[i], 1);
            Option3[builtIn[i]]->setChecked(true);
            Frame6[i]->setEnabled(false);
            Frame6[i]->setVisible(false);
            panels->addWidget(Frame6[i]);
        }
        Option3[0]->setChecked(true);
    }

    // Page 2
    {
        auto *grid = new QGridLayout(Frame1[2]);
        const QString captions[4] = {QStringLiteral("停留所の順番（区間・個数）を、"),
                                     QStringLiteral("整理券番号を、"), QStringLiteral("系統番号を、"),
                                     QStringLiteral("データの")};
        for (int i = 0; i < 5; ++i)
            Combo4[i] = new QComboBox(Frame1[2]);
        for (int i = 0; i < 4; ++i) {
            Check3[i] = new QCheckBox(captions[i], Frame1[2]);
            grid->addWidget(Check3[i], i, 0);
        }
        Check3[4] = new QCheckBox(QStringLiteral("0から数える"), Frame1[2]);
        Check3[4]->setEnabled(false);
        const QString koma = QStringLiteral("コマ目に表示する。");
        for (int i = 0; i < 3; ++i) {
            grid->addWidget(Combo4[i], i, 1);
            grid->addWidget(new QLabel(koma, Frame1[2]), i, 2, 1, 3);
        }
        grid->addWidget(Check3[4], 0, 5);
        grid->addWidget(Combo4[4], 3, 1);
        grid->addWidget(new QLabel(QStringLiteral("列目の値を、"), Frame1[2]), 3, 2);
        grid->addWidget(Combo4[3], 3, 3);
        grid->addWidget(new QLabel(koma, Frame1[2]), 3, 4);
        for (int i = 0; i < 4; ++i)
            fillNumbers(Combo4[i], KomaCount);
        fillNumbers(Combo4[4], ColumnCount);
        for (QComboBox *list : Combo4)
            list->setEnabled(false);
    }

    // Page 4
    {
        auto *page = new QGridLayout(Frame1[4]);
        for (QLineEdit *&path : txtSelectSound)
            path = new QLineEdit(Frame1[4]);
        page->addWidget(new QLabel(QStringLiteral("系統設定時のサウンド："), Frame1[4]), 0, 0);
        page->addWidget(txtSelectSound[0], 0, 1);
        page->addWidget(new QLabel(QStringLiteral("リセット時のサウンド："), Frame1[4]), 1, 0);
        page->addWidget(txtSelectSound[1], 1, 1);

        const QString syncCaptions[2][2] = {
            {QStringLiteral("同期再生(サウンドが完全に再生された後で放送開始)"),
             QStringLiteral("非同期再生(サウンドを再生しながら放送開始)")},
            {QStringLiteral("同期再生(サウンドが完全に再生された後で運賃切り替え)"),
             QStringLiteral("非同期再生(サウンドを再生しながら運賃切り替え)")},
        };
        Frame2[1] = new QGroupBox(QStringLiteral("送り・戻し時のサウンド"), Frame1[4]);
        Frame2[0] = new QGroupBox(
            QStringLiteral(
                "放送前のサウンド：※音声合成放送機能が有効でない場合は以下の設定は意味を持ちません。"),
            Frame1[4]);
        page->addWidget(Frame2[1], 2, 0, 1, 2);
        page->addWidget(Frame2[0], 3, 0, 1, 2);
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
            (fare ? Frame8 : Frame9) = how;
            grid->addWidget(how, 0, 0, 1, 3);
            const int always = fare ? 0 : 2;
            Option2[always] = new QRadioButton(QStringLiteral("常に右記のサウンドを鳴らす"), frame);
            grid->addWidget(Option2[always], 1, 0, 1, 2);
            grid->addWidget(txtSelectSound[fare ? 7 : 3], 1, 2);
            Option2[always + 1] = new QRadioButton(
                fare ? QStringLiteral(
                    "運賃データ(*.hy3)の特定の列のデータから判断して、以下の指定したサウンドを鳴らす"
                    "（指定した列のデータの内容が1～3以外の場合はサウンドは鳴りません）")
                     : QStringLiteral(
                         "放送データ(*.Tp.csv)内のフラグから判断して、以下の指定したサウンドを鳴らす"
                         "（フラグの内容が1～3以外の場合はサウンドは鳴りません）"),
                frame);
            grid->addWidget(Option2[always + 1], 2, 0, 1, 3);
            int row = 3;
            if (fare) {
                Combo1 = new QComboBox(frame);
                fillNumbers(Combo1, ColumnCount);
                auto *column = new QHBoxLayout;
                column->addWidget(new QLabel(QStringLiteral("運賃データの"), frame));
                column->addWidget(Combo1);
                column->addWidget(new QLabel(QStringLiteral("列目のデータが、"), frame));
                column->addStretch();
                grid->addLayout(column, row++, 0, 1, 3);
            }
            const int first = fare ? 8 : 4;
            for (int v = 0; v < 3; ++v) {
                grid->addWidget(new QLabel(QStringLiteral("「%1」の場合").arg(v + 1), frame), row, 1);
                grid->addWidget(txtSelectSound[first + v], row++, 2);
            }
        }
        Option2[0]->setChecked(true);
        Option6[1]->setChecked(true);
        Option2[2]->setChecked(true);
        Option7[0]->setChecked(true);
    }

    // Page 5
    {
        auto *page = new QVBoxLayout(Frame1[5]);
        chkUseSeiriPrev = new QCheckBox(QStringLiteral("整理券プレビュー機能を使用する"), Frame1[5]);
        page->addWidget(chkUseSeiriPrev);
        Frame10 = new QGroupBox(QStringLiteral("整理券プラグイン設定"), Frame1[5]);
        auto *plugin = new QHBoxLayout(Frame10);
        txtSeiriPlgDir = new QLineEdit(Frame10);
        plugin->addWidget(txtSeiriPlgDir);
        page->addWidget(Frame10);
        Frame7 = new QGroupBox(
            QStringLiteral("日付の設定（整理券プラグインが日付の印字をサポートしているときに有効）"),
            Frame1[5]);
        auto *dates = new QGridLayout(Frame7);
        Option4[0] = new QRadioButton(
            QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), Frame7);
        Option4[1] =
            new QRadioButton(QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), Frame7);
        Option4[2] = new QRadioButton(QStringLiteral("右記の日付に固定"), Frame7);
        Label10 = new QLabel(Frame7);
        for (int i = 0; i < 3; ++i)
            dates->addWidget(Option4[i], i, 0);
        dates->addWidget(Label10, 2, 1);
        Option4[0]->setChecked(true);
        page->addWidget(Frame7);
        for (QGroupBox *frame : {Frame10, Frame7}) {
            frame->setEnabled(false);
            frame->setVisible(false);
        }
        page->addStretch();
    }

    group(this, {Option1[0], Option1[1], Option1[2], Option1[3], Option1[4], Option1[5]});
    group(this, {Option3[0], Option3[1]});
    group(this, {Option3[7], Option3[6]});
    group(this, {Option3[3], Option3[2]});
    group(this, {Option3[4], Option3[5]});
    group(this, {Option2[0], Option2[1]});
    group(this, {Option2[2], Option2[3]});
    group(this, {Option6[0], Option6[1]});
    group(this, {Option7[0], Option7[1]});
    group(this, {Option4[0], Option4[1], Option4[2]});

    Option1[0]->setChecked(true);
    Label10->setText(m_app.clock.now().toString(QStringLiteral("yyyy/MM/dd")));
}

frmOption::~frmOption() = default;

QString frmOption::HyDir() const
{
    return Text2[0]->text();
}

QString frmOption::TpDir() const
{
    return Text2[1]->text();
}

qint16 frmOption::UseAutoSeiriNum() const
{
    return checkValue(Check1);
}

qint32 frmOption::SeiriNumColorOff() const
{
    return Command5[0]->BackColor();
}

qint32 frmOption::SeiriNumColorOn1() const
{
    return Command5[1]->BackColor();
}

qint32 frmOption::SeiriNumColorOn2() const
{
    return Command5[2]->BackColor();
}

bool frmOption::PanelEach() const
{
    return Option3[1]->isChecked();
}

bool frmOption::PanelOffUser() const
{
    return Option3[6]->isChecked();
}

bool frmOption::PanelOn1User() const
{
    return Option3[2]->isChecked();
}

bool frmOption::PanelOn2User() const
{
    return Option3[5]->isChecked();
}

QString frmOption::PanelOffFile() const
{
    return txtSelectPanel[0]->text();
}

QString frmOption::PanelOn1File() const
{
    return txtSelectPanel[1]->text();
}

QString frmOption::PanelOn2File() const
{
    return txtSelectPanel[2]->text();
}

qint16 frmOption::ShowStopNo() const
{
    return checkValue(Check3[0]);
}

qint16 frmOption::StopNoKoma() const
{
    return qint16(Combo4[0]->currentIndex());
}

qint16 frmOption::StopNoFromZero() const
{
    return checkValue(Check3[4]);
}

qint16 frmOption::ShowSeiriNo() const
{
    return checkValue(Check3[1]);
}

qint16 frmOption::SeiriNoKoma() const
{
    return qint16(Combo4[1]->currentIndex());
}

qint16 frmOption::ShowKeitoNo() const
{
    return checkValue(Check3[2]);
}

qint16 frmOption::KeitoNoKoma() const
{
    return qint16(Combo4[2]->currentIndex());
}

qint16 frmOption::ShowDataCol() const
{
    return checkValue(Check3[3]);
}

qint16 frmOption::DataColNo() const
{
    return qint16(Combo4[4]->currentIndex());
}

qint16 frmOption::DataColKoma() const
{
    return qint16(Combo4[3]->currentIndex());
}

QString frmOption::KeitoSound() const
{
    return txtSelectSound[0]->text();
}

QString frmOption::ResetSound() const
{
    return txtSelectSound[1]->text();
}

bool frmOption::FareSoundAlways() const
{
    return Option2[0]->isChecked();
}

bool frmOption::FareSoundByData() const
{
    return Option2[1]->isChecked();
}

bool frmOption::FareSoundSync() const
{
    return Option6[0]->isChecked();
}

QString frmOption::FareSoundFile() const
{
    return txtSelectSound[7]->text();
}

qint16 frmOption::FareSoundCol() const
{
    return qint16(Combo1->currentIndex());
}

QString frmOption::FareSound1() const
{
    return txtSelectSound[8]->text();
}

QString frmOption::FareSound2() const
{
    return txtSelectSound[9]->text();
}

QString frmOption::FareSound3() const
{
    return txtSelectSound[10]->text();
}

SoundInfo frmOption::SoundInfo() const
{
    auto choice = [](const QRadioButton *button) { return qint16(button->isChecked() ? -1 : 0); };
    ::SoundInfo s;
    s.KeitoSound = KeitoSound();
    s.ResetSound = ResetSound();
    s.FareSoundAlways = choice(Option2[0]);
    s.FareSoundByData = choice(Option2[1]);
    s.FareSoundSync = choice(Option6[0]);
    s.FareSoundAsync = choice(Option6[1]);
    s.FareSoundFile = FareSoundFile();
    s.FareSoundCol = FareSoundCol();
    s.FareSound1 = FareSound1();
    s.FareSound2 = FareSound2();
    s.FareSound3 = FareSound3();
    s.TapeSoundAlways = choice(Option2[2]);
    s.TapeSoundByFlag = choice(Option2[3]);
    s.TapeSoundSync = choice(Option7[0]);
    s.TapeSoundAsync = choice(Option7[1]);
    s.TapeSoundFile = txtSelectSound[3]->text();
    s.TapeSound1 = txtSelectSound[4]->text();
    s.TapeSound2 = txtSelectSound[5]->text();
    s.TapeSound3 = txtSelectSound[6]->text();
    return s;
}

qint16 frmOption::UseSeiriPrev() const
{
    return checkValue(chkUseSeiriPrev);
}

QString frmOption::SeiriPlgPath() const
{
    return txtSeiriPlgDir->text();
}

bool frmOption::DateByPrint() const
{
    return Option4[0]->isChecked();
}

bool frmOption::DateByKeito() const
{
    return Option4[1]->isChecked();
}

bool frmOption::DateFixed() const
{
    return Option4[2]->isChecked();
}

QString frmOption::FixedDate() const
{
    return Label10->text();
}
