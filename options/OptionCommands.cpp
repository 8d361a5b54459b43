// The dialog's buttons that fetch a value from another dialog: sound files,
// panel pictures, folders, colours and the fixed date.
#include "frmOption.h"

#include "App.h"
#include "ChimeiCtl_E.h"
#include "ColorButton.h"
#include "Dialogs.h"
#include "Form1.h"
#include "Shell.h"
#include "frmCtl.h"

#include <QLabel>
#include <QLineEdit>

void frmOption::cmdSelectSound_Click(int Index)
{
    if (Index < 0 || Index > 10 || Index == 2)
        return;
    const QString chosen = m_app.dialogs.Kr3FileDlg(this, 0,
                                                    Dialogs::filterOf({{u"Waveサウンド(*.wav)", u"*.wav"},
                                                                       {u"MP3サウンド(*.mp3)", u"*.mp3"},
                                                                       {u"MIDIシーケンス(*.mid)", u"*.mid"}}),
                                                    QString(), QStringLiteral("サウンドの選択"));
    if (!chosen.isEmpty())
        txtSelectSound[Index]->setText(chosen);
}

void frmOption::Command6_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    const QString chosen = m_app.dialogs.Kr3FileDlg(this, 0,
                                                    Dialogs::filterOf({{u"ビットマップ(*.bmp)", u"*.bmp"},
                                                                       {u"GIF画像(*.gif)", u"*.gif"},
                                                                       {u"JPEG画像(*.jpg)", u"*.jpg"}}),
                                                    QString(), QStringLiteral("パネル画像の選択"));
    if (!chosen.isEmpty())
        txtSelectPanel[Index]->setText(chosen);
}

QString frmOption::GetPathString()
{
    return m_app.dialogs.Kr3FolderDlg(this, QStringLiteral("フォルダーを選択してください"));
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
        m_app.shell.open(folder);
}

void frmOption::GetBtnColor(ColorButton *button)
{
    qint32 color = button->BackColor();
    if (m_app.dialogs.Kr3ChooseColor(this, color, m_app.iniIo.IniData.CustColors) != 0)
        button->setBackColor(color);
    for (ColorButton *digit : Command8) {
        if (digit == button)
            previewDigitColors();
    }
}

void frmOption::Command7_Click()
{
    DateRecord date;
    if (m_app.dialogs.Call_dlg111(this, date) == 0)
        return;
    Label10->setText(QStringLiteral("%1/%2/%3")
                         .arg(date.wYear)
                         .arg(date.wMonth, 2, 10, QLatin1Char('0'))
                         .arg(date.wDay, 2, 10, QLatin1Char('0')));
}

void frmOption::Command4_Click()
{
    SetProp();
    hide();
}
