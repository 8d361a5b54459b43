#include "Form1.h"

#include "BoardPicture.h"
#include "ChimeiCtl_E.h"
#include "Clock.h"
#include "M_Degit.h"
#include "M_DegitEm.h"
#include "OleColor.h"
#include "ProgramInfo.h"
#include "RunState.h"
#include "Session.h"
#include "Twips.h"
#include "frmCtl.h"
#include "mdl109_000.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace {

// The ticket-number labels as designed: green bold digits, centred, on the picture.
constexpr qint32 SeiriNumForeColor = 0x008000;
constexpr int SeiriNumPixelSize = 17;

// Designed twips to pixels at a zoom, each length rounded on its own as at 100 %.
int zoomed(int twips, qreal zoom)
{
    return twipsToPixels(twips * zoom);
}

QRect placed(BoardLayout::Place place, int width, int height, qreal zoom, QPoint origin)
{
    return QRect(origin.x() + zoomed(place.left, zoom), origin.y() + zoomed(place.top, zoom),
                 zoomed(width, zoom), zoomed(height, zoom));
}

} // namespace

Form1::Form1(Session &session)
    : QWidget(nullptr, Qt::FramelessWindowHint)
    , m_session(session)
{
    setWindowTitle(m_session.program.baseName());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(DefaultBackColor));
    setPalette(pal);
    // paintEvent covers every pixel: nothing needs clearing first.
    setAttribute(Qt::WA_OpaquePaintEvent);

    auto addCell = [&](int k) {
        auto *cell = new M_DegitEm(m_session.dialogs, this);
        connect(cell, &DegitElement::DblClick, this, [this, k] { Degit_DblClick(k); });
        Degit[k] = cell;
    };
    addCell(0);
    Degit[0]->hide();

    ChimeiCtl = new ChimeiCtl_E(m_session.elapsed, this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    for (int i = 0; i < 2; ++i) {
        auto *field = new M_Degit(m_session.dialogs, this);
        field->setKeta(2);
        field->hide();
        TimeDegit[i] = field;
    }

    for (int k = 1; k <= BoardLayout::CellCount; ++k)
        addCell(k);

    for (int k = 0; k <= BoardLayout::CellCount; ++k) {
        auto *label = new QLabel(mdl109_000::seirikenNumberText(k, false), this);
        label->setAlignment(Qt::AlignCenter);
        QPalette text = label->palette();
        text.setColor(QPalette::WindowText, oleColor(SeiriNumForeColor));
        label->setPalette(text);
        lblSeiriNum[k] = label;
    }
    lblSeiriNum[0]->hide();

    // Hidden, since a board filling the screen would show what lies below its designed height.
    for (int i = 0; i < 3; ++i) {
        imgRes[i] = new QLabel(this);
        imgRes[i]->hide();
    }
    imgRes[0]->setPixmap(QPixmap::fromImage(BoardPicture::draw(1.0, devicePixelRatioF())));
    imgRes[0]->adjustSize();

    buildZoomMenu();
    layOut(1.0, QPoint());
}

void Form1::layOut(qreal zoom, QPoint origin)
{
    m_zoom = zoom;
    m_origin = origin;
    if (!m_fullScreen)
        setFixedSize(zoomed(BoardLayout::ClientWidth, zoom), zoomed(BoardLayout::ClientHeight, zoom));
    for (int k = 0; k <= BoardLayout::CellCount; ++k) {
        Degit[k]->setZoom(zoom);
        Degit[k]->setGeometry(
            placed(BoardLayout::Cell[k], BoardLayout::CellWidth, BoardLayout::CellHeight, zoom, origin));
    }
    ChimeiCtl->setZoom(zoom);
    ChimeiCtl->setGeometry(
        placed(BoardLayout::Chimei, BoardLayout::ChimeiWidth, BoardLayout::ChimeiHeight, zoom, origin));
    // The clock's fields draw at their size step's fixed size, and stay hidden as designed.
    for (int i = 0; i < 2; ++i)
        TimeDegit[i]->move(placed(BoardLayout::Time[i], 0, 0, zoom, origin).topLeft());
    QFont labelFont(mdl109_000::digitFace());
    labelFont.setBold(true);
    labelFont.setPixelSize(std::max(1, int(std::lround(SeiriNumPixelSize * zoom))));
    for (int k = 0; k <= BoardLayout::CellCount; ++k) {
        lblSeiriNum[k]->setFont(labelFont);
        lblSeiriNum[k]->setGeometry(
            placed(BoardLayout::Label[k], BoardLayout::LabelWidth, BoardLayout::LabelHeight, zoom, origin));
    }
    for (int i = 0; i < 3; ++i)
        imgRes[i]->move(placed(BoardLayout::Image[i], 0, 0, zoom, origin).topLeft());
    applyShape();
    update();
}

QRect Form1::boardRect() const
{
    return QRect(m_origin,
                 QSize(zoomed(BoardLayout::ClientWidth, m_zoom), zoomed(BoardLayout::ClientHeight, m_zoom)));
}

void Form1::setZoomPercent(int percent)
{
    if (!RunState::zoomSteps().contains(percent))
        return;
    m_zoomPercent = percent;
    if (m_fullScreen) {
        setFullScreenShown(false);
        return;
    }
    layOut(percent / 100.0, QPoint());
    move(reachablePosition(pos(), size(), false));
}

void Form1::setFullScreenShown(bool on)
{
    if (on == m_fullScreen)
        return;
    m_fullScreen = on;
    if (on) {
        m_windowedPos = pos();
        m_drag.cancel();
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        clearMask();
        showFullScreen(); // the resize lays the board out
        // Without a window manager to take the request, the window fills the screen itself.
        if (QScreen *shownOn = screen())
            setGeometry(shownOn->geometry());
    } else {
        showNormal();
        layOut(m_zoomPercent / 100.0, QPoint());
        move(reachablePosition(m_windowedPos, size(), false));
    }
}

void Form1::buildZoomMenu()
{
    m_zoomMenu = new QMenu(this);
    auto *zooms = new QActionGroup(m_zoomMenu);
    for (const int percent : RunState::zoomSteps()) {
        QAction *action = m_zoomMenu->addAction(QStringLiteral("%1 %").arg(percent));
        action->setCheckable(true);
        action->setData(percent);
        zooms->addAction(action);
        connect(action, &QAction::triggered, this, [this, percent] { setZoomPercent(percent); });
    }
    m_zoomMenu->addSeparator();
    QAction *full = m_zoomMenu->addAction(QStringLiteral("全画面表示"));
    full->setCheckable(true);
    full->setShortcut(Qt::Key_F11);
    full->setShortcutVisibleInContextMenu(true);
    connect(full, &QAction::triggered, this, [this](bool on) { setFullScreenShown(on); });
    // The ticks say what is shown when the menu opens.
    connect(m_zoomMenu, &QMenu::aboutToShow, this, [this, full] {
        for (QAction *action : m_zoomMenu->actions())
            if (action->data().isValid())
                action->setChecked(!m_fullScreen && action->data().toInt() == m_zoomPercent);
        full->setChecked(m_fullScreen);
    });
}

const QImage &Form1::builtInPicture()
{
    const qreal ratio = devicePixelRatioF();
    const QColor rim = palette().window().color();
    if (m_builtIn.isNull() || m_builtIn.devicePixelRatio() != ratio || m_builtInZoom != m_zoom
        || m_builtInRim != rim) {
        // Laid on the rim's colour, which shows in its corners: an opaque
        // picture is painted by a plain copy.
        const QImage picture = BoardPicture::draw(m_zoom, ratio);
        m_builtIn = QImage(picture.size(), QImage::Format_RGB32);
        m_builtIn.fill(rim);
        QPainter(&m_builtIn).drawImage(0, 0, picture);
        m_builtIn.setDevicePixelRatio(ratio);
        m_builtInZoom = m_zoom;
        m_builtInRim = rim;
    }
    return m_builtIn;
}

Form1::~Form1() = default;

void Form1::setPicture(const QPixmap &New_Picture)
{
    m_Picture = New_Picture;
    update();
}

void Form1::GetFormInfo()
{
    // Filling the screen is not a place: the window's own place is kept.
    const QPoint at = m_fullScreen ? m_windowedPos : pos();
    FormInfo &info = m_session.iniIo.IniData.FormInfo;
    info.FormLeft = pixelsToTwips(at.x());
    info.FormTop = pixelsToTwips(at.y());
}

void Form1::SetFormInfo()
{
    const FormInfo &info = m_session.iniIo.IniData.FormInfo;
    // Without a frame or title bar, a board off every screen could not be fetched back.
    const QPoint at = reachablePosition(QPoint(twipsToPixels(info.FormLeft), twipsToPixels(info.FormTop)),
                                        boardRect().size(), false);
    if (m_fullScreen)
        m_windowedPos = at;
    else
        move(at);
}

void Form1::applyRoundedShape()
{
    m_shaped = true;
    applyShape();
}

void Form1::applyShape()
{
    // Full screen shows the corners on black instead.
    if (!m_shaped || m_fullScreen)
        return;
    const int corner = int(std::lround(CornerEllipse * m_zoom));
    setMask(roundedRectRegion(size(), corner, corner));
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
    const QRect board = boardRect();
    if (m_fullScreen) {
        p.fillRect(rect(), Qt::black);
        // The rim's corners, cut as the window's shape cuts them.
        const qreal corner = CornerEllipse * m_zoom / 2;
        QPainterPath shape;
        shape.addRoundedRect(QRectF(board), corner, corner);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(shape, palette().window());
        p.setClipPath(shape);
    }
    // The built-in picture is drawn anew for the size; a picture of the
    // user's is scaled smoothly.
    if (!m_Picture.isNull() && m_Picture.cacheKey() == imgRes[0]->pixmap().cacheKey()) {
        const QImage &picture = builtInPicture();
        const QRect covered(board.topLeft(), picture.deviceIndependentSize().toSize());
        if (!m_fullScreen)
            for (const QRect &r : QRegion(rect()).subtracted(covered))
                p.fillRect(r, palette().window());
        p.drawImage(board.topLeft(), picture);
        return;
    }
    if (!m_fullScreen)
        p.fillRect(rect(), palette().window());
    if (m_Picture.isNull())
        return;
    if (m_zoom == 1.0) {
        p.drawPixmap(board.topLeft(), m_Picture);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRectF(board.topLeft(), m_Picture.deviceIndependentSize() * m_zoom), m_Picture,
                     QRectF(m_Picture.rect()));
    }
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fullScreen) {
        // Fitted to the screen, proportions kept, centred: the largest zoom
        // at which the stop name's dots, two designed pixels apart, are a
        // whole number of screen pixels apart, so that they stand evenly.
        const QSizeF designed(BoardLayout::ClientWidth / double(TwipsPerPixel),
                              BoardLayout::ClientHeight / double(TwipsPerPixel));
        const qreal fits = std::min(width() / designed.width(), height() / designed.height());
        const qreal pitchStep = 2 * devicePixelRatioF();
        const qreal zoom = std::max(std::floor(fits * pitchStep), 1.0) / pitchStep;
        const QSize fitted(zoomed(BoardLayout::ClientWidth, zoom), zoomed(BoardLayout::ClientHeight, zoom));
        layOut(zoom, QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2));
        return;
    }
    applyShape();
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    m_drag.cancel();
    m_zoomMenu->popup(event->globalPos());
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F11 && event->modifiers() == Qt::NoModifier) {
        setFullScreenShown(!m_fullScreen);
        return;
    }
    if (event->key() == Qt::Key_Escape && m_fullScreen) {
        setFullScreenShown(false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::mousePressEvent(QMouseEvent *event)
{
    // Only the window's own surface drags it: a press a cell or label let
    // through arrives here too, and is left alone. A board filling the screen stays.
    if (!m_fullScreen && !childAt(event->position().toPoint())
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
