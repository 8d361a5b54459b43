// The ticket plug-in page: choosing a plug-in, what it can print, and the
// preview and company list it gives the panel.
#include "frmOption.h"

#include "App.h"
#include "Dialogs.h"
#include "PictureBox.h"
#include "TicketPlugin.h"
#include "Twips.h"
#include "frmCtl.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

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
    if (m_app.panel) {
        m_app.panel->picSeirikenPrev->resize(twipsToPixels(info.PrevWidth), twipsToPixels(info.PrevHeight));
        if (info.CorpCount > 0)
            KR4_SetCorpAddList(fileName, m_app.panel->Combo1);
    }
    ok = 2;
}

void frmOption::Command1_Click()
{
    const QChar nul(0);
    const QString chosen = m_app.dialogs.Kr3FileDlg(
        this, 0, QStringLiteral("整理券プラグイン(*.4SP)") + nul + QStringLiteral("*.4SP") + nul + nul,
        QString(), QStringLiteral("プラグインの選択"));
    if (chosen.isEmpty())
        return;
    if (m_app.panel)
        m_app.panel->Combo1->clear();
    qint16 ok = 0;
    SetPlgin(chosen, ok);
    if (ok != 0)
        txtSeiriPlgDir->setText(chosen);
    else
        m_app.dialogs.MsgBox(this, QStringLiteral("指定したファイルはプラグインでないか、内容が不正です"),
                             Dialogs::Ok, Dialogs::Stop, QStringLiteral("プラグインロードエラー"));
}

void frmOption::Command11_Click()
{
    txtSeiriPlgDir->clear();
    List1->clear();
    txtPlginComment->clear();
}
