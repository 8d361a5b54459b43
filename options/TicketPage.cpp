// The page of the ticket preview: the ticket plug-in, what it can print, the
// preview and company list it gives the panel, and the ticket date.
#include "frmOption.h"

#include "Dialogs.h"
#include "OptionWidgets.h"
#include "PictureBox.h"
#include "Session.h"
#include "Kr4Calls.h"
#include "Twips.h"
#include "frmCtl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace OptionWidgets;

void frmOption::buildTicketPage()
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
    Option4[TicketDate::ByPrint] = new QRadioButton(
        QStringLiteral("システムの日付を使用（整理券印字と同時に日付を更新、デフォルト）"), Frame7);
    Option4[TicketDate::ByKeito] =
        new QRadioButton(QStringLiteral("システムの日付を使用（系統設定した時点の日付を保持）"), Frame7);
    Option4[TicketDate::Fixed] = new QRadioButton(QStringLiteral("右記の日付に固定"), Frame7);
    group(this, {Option4[TicketDate::ByPrint], Option4[TicketDate::ByKeito], Option4[TicketDate::Fixed]});
    Label10 = new QLabel(Frame7);
    Label10->setFrameShape(QFrame::Panel);
    Label10->setFrameShadow(QFrame::Sunken);
    Label10->setMinimumWidth(90);
    Command7 = new QPushButton(QStringLiteral("日付選択..."), Frame7);
    Label14 =
        wrapped(QStringLiteral("系統設定した際の日付が保持され、日付が途中で変わっても次回系統設定するまで"
                               "整理券の日付変更を行いません。"),
                Frame7);
    dates->addWidget(Option4[TicketDate::ByPrint], 0, 0, 1, 3);
    dates->addWidget(Option4[TicketDate::ByKeito], 1, 0, 1, 3);
    dates->addWidget(Label14, 2, 0, 1, 3);
    dates->addWidget(Option4[TicketDate::Fixed], 3, 0);
    dates->addWidget(Label10, 3, 1);
    dates->addWidget(Command7, 3, 2, Qt::AlignLeft);
    dates->setColumnStretch(2, 1);
    Option4[TicketDate::ByPrint]->setChecked(true);
    layout->addWidget(Frame7);
    for (QGroupBox *frame : {Frame10, Frame7}) {
        frame->setEnabled(false);
        frame->setVisible(false);
    }
    layout->addStretch();

    connect(chkUseSeiriPrev, &QCheckBox::toggled, this, [this] {
        const bool v = chkUseSeiriPrev->isChecked();
        for (QGroupBox *frame : {Frame10, Frame7}) {
            frame->setEnabled(v);
            frame->setVisible(v);
        }
    });
    connect(Command7, &QPushButton::clicked, this, &frmOption::Command7_Click);
    connect(Command1, &QPushButton::clicked, this, &frmOption::Command1_Click);
    connect(Command11, &QPushButton::clicked, this, &frmOption::Command11_Click);
}

namespace {

QString verdict(qint32 field)
{
    return field == 1 ? QStringLiteral("---> 可能") : QStringLiteral("---> 不可");
}

} // namespace

QStringList frmOption::capabilityLines(const PlgInfo &info)
{
    QStringList lines{
        QStringLiteral("日付の印字 ") + verdict(info.CanDate),
        QStringLiteral("時刻の印字 ") + verdict(info.CanTime),
        QStringLiteral("系統番号の印字 ") + verdict(info.CanKeito),
        QStringLiteral("停名の印字 ") + verdict(info.CanChimei),
        QStringLiteral("バーコード印字 ") + verdict(info.CanBarcode),
    };
    if (info.CanBarcode == 1) {
        lines << QStringLiteral("バーコード本数 ---> %1").arg(info.BarcodeCount)
              << QStringLiteral("バーコード系統方式 ")
                + (info.BarcodeKeitoMode == 1 ? QStringLiteral("---> 連番式")
                                              : QStringLiteral("---> 系統番号＋往復フラグ"))
              << QStringLiteral("設定可能な系統範囲 ---> 1 ～ %1").arg(info.KeitoMax)
              << QStringLiteral("停留所認識範囲 ---> %1 ～ %2").arg(info.StopRangeFrom).arg(info.StopRangeTo);
    }
    lines << QStringLiteral("社名切り替え:") + (info.CorpCount > 0 ? verdict(1) : verdict(0));
    return lines;
}

void frmOption::SetPlgin(const QString &fileName, qint16 &ok)
{
    ok = 0;
    if (fileName.isEmpty())
        return;
    PlgInfo info;
    if (KR4_GetPlgInfo(fileName, info) == 0)
        return;
    KR4_SetPlgComment(fileName, txtPlginComment);
    List1->clear();
    List1->addItems(capabilityLines(info));
    m_session.panel->picSeirikenPrev->resize(twipsToPixels(info.PrevWidth), twipsToPixels(info.PrevHeight));
    if (info.CorpCount > 0)
        KR4_SetCorpAddList(fileName, m_session.panel->Combo1);
    ok = 2;
}

void frmOption::Command1_Click()
{
    const QChar nul(0);
    const QString chosen = m_session.dialogs.Kr3FileDlg(
        this, 0, QStringLiteral("整理券プラグイン(*.4SP)") + nul + QStringLiteral("*.4SP") + nul + nul,
        QString(), QStringLiteral("プラグインの選択"));
    if (chosen.isEmpty())
        return;
    m_session.panel->Combo1->clear();
    qint16 ok = 0;
    SetPlgin(chosen, ok);
    if (ok != 0)
        txtSeiriPlgDir->setText(chosen);
    else
        m_session.dialogs.MsgBox(this, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                                 Dialogs::Ok, Dialogs::Stop, QStringLiteral("プラグインロードエラー"));
}

void frmOption::Command11_Click()
{
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}

void frmOption::Command7_Click()
{
    DateRecord date;
    if (m_session.dialogs.Call_dlg111(this, date) == 0)
        return;
    Label10->setText(QStringLiteral("%1/%2/%3")
                         .arg(date.wYear)
                         .arg(date.wMonth, 2, 10, QLatin1Char('0'))
                         .arg(date.wDay, 2, 10, QLatin1Char('0')));
}
