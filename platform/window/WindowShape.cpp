#include "WindowShape.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <utility>

QRegion roundedRectRegion(QSize size, int ellipseWidth, int ellipseHeight)
{
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0)
        return {};
    const double rx = std::min(ellipseWidth, w) / 2.0;
    const double ry = std::min(ellipseHeight, h) / 2.0;
    if (rx <= 0 || ry <= 0)
        return QRegion(0, 0, w, h);

    // Row by row: in a corner band, how far the ellipse through the middle of
    // the row lies from the side.
    auto inset = [&](int y) {
        const int fromEdge = std::min(y, h - 1 - y);
        if (fromEdge >= ry)
            return 0;
        const double dy = (ry - (fromEdge + 0.5)) / ry;
        return int(std::lround(rx - rx * std::sqrt(std::max(0.0, 1.0 - dy * dy))));
    };
    QRegion region;
    int y = 0;
    while (y < h) {
        const int cut = inset(y);
        int rows = 1;
        while (y + rows < h && inset(y + rows) == cut)
            ++rows;
        if (w - 2 * cut > 0)
            region += QRect(cut, y, w - 2 * cut, rows);
        y += rows;
    }
    return region;
}

namespace {

// How long after a place is asked for a window manager may still move the window there.
constexpr qint64 SettleMs = 3000;

// The top edge of a frame, where its title bar is, shows on one of the screens.
bool titleBarShows(const QPoint &topLeft, int width, const QList<QRect> &screens)
{
    const QRect bar(topLeft, QSize(width, TitleBarHeight));
    for (const QRect &screen : screens) {
        const QRect shown = screen.intersected(bar);
        if (bar.top() >= screen.top() && shown.height() == TitleBarHeight
            && shown.width() >= std::min(width, TitleBarShown))
            return true;
    }
    return false;
}

QList<QRect> screenRects()
{
    QList<QRect> rects;
    for (const QScreen *screen : QGuiApplication::screens())
        rects << screen->geometry();
    return rects;
}

} // namespace

QPoint reachablePosition(const QPoint &topLeft, const QSize &size, const QList<QRect> &screens,
                         const QRect &room, bool titleBar)
{
    const bool shown = titleBar ? titleBarShows(topLeft, size.width(), screens)
                                : std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
                                      return screen.intersects(QRect(topLeft, size));
                                  });
    if (shown || room.isEmpty())
        return topLeft;
    return keptInside(QRect(topLeft, size), room);
}

QPoint reachablePosition(const QPoint &topLeft, const QSize &size, bool titleBar)
{
    const QScreen *primary = QGuiApplication::primaryScreen();
    return reachablePosition(topLeft, size, screenRects(), primary ? primary->availableGeometry() : QRect(),
                             titleBar);
}

QPoint keptInside(const QRect &frame, const QRect &room)
{
    QPoint at = frame.topLeft();
    if (frame.right() > room.right())
        at.rx() -= frame.right() - room.right();
    if (frame.bottom() > room.bottom())
        at.ry() -= frame.bottom() - room.bottom();
    at.rx() = std::max(at.x(), room.left());
    at.ry() = std::max(at.y(), room.top());
    return at;
}

void FramePlacement::place(Target target)
{
    m_window.move(target(m_window.frameGeometry().size()));
    m_target = std::move(target);
    m_placed.start();
    if (QWindow *window = m_window.windowHandle()) {
        window->removeEventFilter(this);
        window->installEventFilter(this);
    }
    m_awaitingFrame = !framed();
}

bool FramePlacement::framed() const
{
    const QWindow *window = m_window.windowHandle();
    return window && !window->frameMargins().isNull();
}

bool FramePlacement::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::Expose && event->type() != QEvent::Move)
        return false;
    // After this event: the window's own handling of it would undo the move.
    if (m_awaitingFrame && framed()) {
        m_awaitingFrame = false;
        QMetaObject::invokeMethod(
            this, [this] { place(m_target); }, Qt::QueuedConnection);
    } else if (m_target && m_placed.isValid() && m_placed.elapsed() < SettleMs && framed()) {
        const QRect frame = m_window.frameGeometry();
        if (!titleBarShows(frame.topLeft(), frame.width(), screenRects())) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    const QRect now = m_window.frameGeometry();
                    if (m_target && !titleBarShows(now.topLeft(), now.width(), screenRects()))
                        m_window.move(m_target(now.size()));
                },
                Qt::QueuedConnection);
        }
    }
    return false;
}

bool SurfaceDrag::press(const QPoint &globalPos, Qt::MouseButton button)
{
    m_following = false;
    if (button != Qt::LeftButton)
        return false;
    QWindow *window = m_window.window()->windowHandle();
    // startSystemMove() only works from inside a press and with a window manager.
    if (window && window->startSystemMove()) {
        m_following = false;
        return true;
    }
    m_following = true;
    m_grab = globalPos - m_window.window()->pos();
    return true;
}

bool SurfaceDrag::move(const QPoint &globalPos, Qt::MouseButtons buttons)
{
    if (!m_following)
        return false;
    if (!(buttons & Qt::LeftButton)) {
        m_following = false;
        return false;
    }
    m_window.window()->move(globalPos - m_grab);
    return true;
}

bool SurfaceDrag::release(Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !m_following)
        return false;
    m_following = false;
    return true;
}
