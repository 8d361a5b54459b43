// The page of the data folders: where the fare and announcement files are.
#include "frmOption.h"

#include "Dialogs.h"
#include "OptionWidgets.h"
#include "Session.h"
#include "Shell.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace OptionWidgets;

void frmOption::buildFoldersPage()
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

    for (int i = 0; i < 2; ++i) {
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        connect(Command10[i], &QPushButton::clicked, this, [this, i] { Command10_Click(i); });
    }
}

QString frmOption::GetPathString()
{
    return m_session.dialogs.Kr3FolderDlg(this, QStringLiteral("フォルダーを選択してください"));
}

void frmOption::Command3_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    const QString chosen = GetPathString();
    if (!chosen.isEmpty())
        Text2[Index]->setText(chosen);
}

void frmOption::Command10_Click(int Index)
{
    if (Index < 0 || Index > 1)
        return;
    // What the desktop makes of the folder is its own affair; nothing is reported.
    const QString folder = Text2[Index]->text();
    if (!folder.isEmpty())
        m_session.shell.open(folder);
}
