#include "Form1.h"

#include "BoardPicture.h"
#include "ChimeiCtl_E.h"
#include "Clock.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "OleColor.h"
#include "ProgramInfo.h"
#include "Session.h"
#include "Twips.h"
#include "frmCtl.h"
#include "mdl109_000.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// The ticket-number labels as designed: green bold digits, centred, on the picture.
constexpr qint32 SeiriNumForeColor = 0x008000;
constexpr int SeiriNumPixelSize = 17;

QRect placed(BoardLayout::Place place, int width, int height)
{
    return twipsRect(place.left, place.top, width, height);
}

} // namespace

Form1::Form1(Session &session)
    : QWidget(nullptr, Qt::FramelessWindowHint)
    , m_session(session)
{
    setWindowTitle(m_session.program.baseName());
    setFixedSize(twipsToPixels(BoardLayout::ClientWidth), twipsToPixels(BoardLayout::ClientHeight));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(DefaultBackColor));
    setPalette(pal);

    auto addCell = [&](int k) {
        auto *cell = new M_DegitEm(m_session.dialogs, this);
        cell->setGeometry(placed(BoardLayout::Cell[k], BoardLayout::CellWidth, BoardLayout::CellHeight));
        connect(cell, &DegitElement::DblClick, this, [this, k] { Degit_DblClick(k); });
        Degit[k] = cell;
    };
    addCell(0);
    Degit[0]->hide();

    ChimeiCtl = new ChimeiCtl_E(m_session.elapsed, this);
    ChimeiCtl->setGeometry(placed(BoardLayout::Chimei, BoardLayout::ChimeiWidth, BoardLayout::ChimeiHeight));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    for (int i = 0; i < 2; ++i) {
        auto *field = new M_Degit(m_session.dialogs, this);
        field->setKeta(2);
        field->setGeometry(placed(BoardLayout::Time[i], BoardLayout::TimeWidth, BoardLayout::TimeHeight));
        field->hide();
        TimeDegit[i] = field;
    }

    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        addCell(k);

    QFont labelFont(mdl109_000::digitFace());
    labelFont.setPixelSize(SeiriNumPixelSize);
    labelFont.setBold(true);
    for (int k = 0; k <= BoardLayout::CellCount; ++k) {
        auto *label = new QLabel(mdl109_000::seirikenNumberText(k, false), this);
        label->setGeometry(placed(BoardLayout::Label[k], BoardLayout::LabelWidth, BoardLayout::LabelHeight));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, oleColor(SeiriNumForeColor));
        label->setPalette(text);
        lblSeiriNum[k] = label;
    }
    lblSeiriNum[0]->hide();

    for (int i = 0; i < 3; ++i) {
        auto *holder = new QLabel(this);
        holder->move(twipsToPixels(BoardLayout::Image[i].left), twipsToPixels(BoardLayout::Image[i].top));
        imgRes[i] = holder;
    }
    imgRes[0]->setPixmap(QPixmap::fromImage(BoardPicture::draw(devicePixelRatioF())));
    imgRes[0]->adjustSize();
}

Form1::~Form1() = default;

void Form1::setPicture(const QPixmap &New_Picture)
{
    m_Picture = New_Picture;
    update();
}

void Form1::GetFormInfo()
{
    FormInfo &info = m_session.iniIo.IniData.FormInfo;
    info.FormLeft = pixelsToTwips(x());
    info.FormTop = pixelsToTwips(y());
}

void Form1::SetFormInfo()
{
    const FormInfo &info = m_session.iniIo.IniData.FormInfo;
    // Without a frame or title bar, a board off every screen could not be fetched back.
    move(reachablePosition(QPoint(twipsToPixels(info.FormLeft), twipsToPixels(info.FormTop)), size(), false));
}

void Form1::applyRoundedShape()
{
    m_shaped = true;
    setMask(roundedRectRegion(size(), CornerEllipse, CornerEllipse));
    update();
}

void Form1::setTicketNumberColor(qint32 color)
{
    for (int k = 1; k <= BoardLayout::CellCount; ++k) {
        QLabel *label = lblSeiriNum[k];
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, oleColor(color));
        label->setPalette(text);
    }
}

// The board has no close box, but a window manager can still ask it to close
// (Alt+F4). Without it the program would run on with nothing to show, so it
// is taken as a request to end the run, as the panel's close box is.
void Form1::closeEvent(QCloseEvent *event)
{
    if (m_session.mayClose())
        event->accept();
    else
        event->ignore();
}

void Form1::setDigitColors(qint32 back, qint32 baseFore, qint32 fore)
{
    auto colour = [&](DegitElement *element) {
        element->setBackColor(back);
        element->setBaseForeColor(baseFore);
        element->setDegitForeColor(fore);
    };
    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        colour(Degit[k]);
    for (M_Degit *field : TimeDegit)
        colour(field);
}

void Form1::Timer1_Timer()
{
    const QString now = m_session.clock.now().toString(QStringLiteral("hh:mm:ss"));
    TimeDegit[0]->setValue(qint16(now.mid(0, 2).toInt()));
    TimeDegit[1]->setValue(qint16(now.mid(3, 2).toInt()));
}

void Form1::Degit_DblClick(int Index)
{
    M_DegitEm *clicked = Degit[Index];
    if (!clicked->UserSet())
        return;
    m_session.panel->setEnabled(false);
    if (clicked->ShowSetDlg() == 1) {
        // One dialog sets every cell alike; each keeps what it shows.
        const qint16 zeroMode = clicked->ZeroMode();
        const qint16 shift = clicked->Shift();
        const qint16 fillZero = clicked->FillZero();
        for (int j = 1; j <= BoardLayout::CellCount; ++j) {
            M_DegitEm *cell = Degit[j];
            const QVariant value = cell->Value();
            cell->setShift(shift);
            cell->setFillZero(fillZero);
            cell->setZeroMode(zeroMode);
            cell->setValue(value);
        }
    }
    m_session.panel->setEnabled(true);
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!m_Picture.isNull())
        p.drawPixmap(0, 0, m_Picture);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_shaped)
        setMask(roundedRectRegion(size(), CornerEllipse, CornerEllipse));
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    // Only the window's own surface drags it: a press a cell or label let
    // through arrives here too, and is left alone.
    if (!childAt(event->position().toPoint())
        && m_drag.press(event->globalPosition().toPoint(), event->button()))
        return;
    m_drag.cancel();
    QWidget::mousePressEvent(event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_drag.move(event->globalPosition().toPoint(), event->buttons()))
        QWidget::mouseMoveEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_drag.release(event->button()))
        QWidget::mouseReleaseEvent(event);
}
