// How the unit looks: display erase, backlight, the page frames and the ticket preview.
#include "frmCtl.h"

#include "ChimeiCtl_E.h"
#include "Dialogs.h"
#include "FilePaths.h"
#include "Form1.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "PictureBox.h"
#include "RuntimeError.h"
#include "Session.h"
#include "WindowShape.h"
#include "frmOption.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// The error number a picture that would not load stands for.
int pictureErrorNumber(QImageReader::ImageReaderError error)
{
    switch (error) {
    case QImageReader::FileNotFoundError:
        return RuntimeError::FileNotFound;
    case QImageReader::DeviceError:
        return RuntimeError::DeviceIo;
    default:
        return RuntimeError::InvalidPicture; // not a picture, or not one that can be read
    }
}

QString pictureErrorMessage(int code)
{
    QString explanation;
    switch (code) {
    case RuntimeError::OutOfMemory:
    case RuntimeError::OutOfStackSpace:
    case RuntimeError::InternalError:
        explanation = QStringLiteral(
            "　内部的なエラーです。ぽるて鉄道へ報告してください。エラー場所：frmCtl.Option4_Click()");
        break;
    case RuntimeError::FileNotFound:
    case RuntimeError::PathFileAccess:
    case RuntimeError::PathNotFound:
        explanation = QStringLiteral("　画像ファイルが見つからないか、指定している場所が不正です。");
        break;
    case RuntimeError::DeviceIo:
    case RuntimeError::DeviceUnavailable:
        explanation = QStringLiteral("　デバイスエラーもしくは準備が出来ていません。");
        break;
    case RuntimeError::InvalidPicture:
        explanation = QStringLiteral("　指定した画像の内容が不正です。この部分では扱えません。");
        break;
    default:
        break;
    }
    return QStringLiteral("エラーです。\r\n\r\nエラーコード：") + QString::number(code) + explanation;
}

} // namespace

void frmCtl::Check1_Click()
{
    Form1 &board = *m_session.form1;
    const bool erased = Check1->isChecked();
    if (erased) {
        board.ChimeiCtl->SetChimei(QString());
        for (int k = 1; k <= BoardLayout::CellCount; ++k)
            board.Degit[k]->ResetDegit(false);
        board.Timer1->stop();
        for (M_Degit *field : board.TimeDegit)
            field->setValue(QString());
    }
    for (QWidget *w : {static_cast<QWidget *>(Frame1[0]), static_cast<QWidget *>(Frame1[1]),
                       static_cast<QWidget *>(Command2[0]), static_cast<QWidget *>(Command2[1]),
                       static_cast<QWidget *>(Frame6)})
        w->setEnabled(!erased);
    if (erased) {
        grpM_Tape->setEnabled(false);
        return;
    }
    if (!board.TimeDegit[0]->isHidden())
        board.Timer1->start();
    grpM_Tape->setEnabled(m_session.tape.SpeechReady());
    DispData(qint16(m_session.dataIo.DataPos + 1));
}

void frmCtl::Option4_Click(int Index)
{
    if (Index < 0 || Index > 2)
        return;
    const PanelInfo p = m_session.options->settings().PanelInfo;
    Form1 &board = *m_session.form1;
    const qint32 colors[3] = {p.SeiriNumColorOff, p.SeiriNumColorOn1, p.SeiriNumColorOn2};
    const bool user[3] = {p.PanelOffUser != 0, p.PanelOn1User != 0, p.PanelOn2User != 0};
    const QString files[3] = {p.PanelOffFile, p.PanelOn1File, p.PanelOn2File};

    if (p.PanelEach != 0 && user[Index]) {
        // A user picture that is not there leaves the board as it is, silently.
        if (FilePaths::isOrdinaryFile(files[Index])) {
            QImageReader reader(files[Index]);
            const QImage picture = reader.read();
            if (picture.isNull())
                m_session.dialogs.MsgBox(this, pictureErrorMessage(pictureErrorNumber(reader.error())),
                                         Dialogs::Ok, Dialogs::Stop, QStringLiteral("エラー"));
            else
                board.setPicture(QPixmap::fromImage(picture));
        }
    } else {
        board.setPicture(board.imgRes[Index]->pixmap());
    }

    board.setTicketNumberColor(colors[Index]);
}

void frmCtl::Frame1_DblClick(int Index)
{
    if (Index != 0 && Index != 1)
        return;
    CtlPage = qint16(Index);
    Frame1[Index]->lower();
}

void frmCtl::Check4_Click()
{
    const bool open = Check4->isChecked();
    setPreviewWidth(open);
    Check4->setText(open ? QStringLiteral("<<") : QStringLiteral(">>"));
    showPreviewTip();
}

void frmCtl::showPreviewTip()
{
    Check4->setToolTip(withKeys(Check4->isChecked() ? QStringLiteral("整理券プレビューを隠します")
                                                    : QStringLiteral("整理券プレビューを開きます"),
                                QStringLiteral("preview")));
}

void frmCtl::keepWholeOnScreen()
{
    // Widened at the screen's right edge, the panel moves left to stay whole.
    // Only when the user opens it: a restored panel stands where it was saved.
    if (const QScreen *screen = this->screen(); screen && isVisible())
        move(keptInside(frameGeometry(), screen->availableGeometry()));
}

void frmCtl::MnuHideCopy_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(picSeirikenPrev->Image());
}
