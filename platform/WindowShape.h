#pragma once

#include <QObject>
#include <QRegion>
#include <QSize>

#include <functional>

class QPoint;
class QWidget;

// A rectangle of the given size whose corners are cut by an ellipse of
// ellipseWidth x ellipseHeight pixels, one quarter in each corner: the rounded
// shape of the fare board. Pixels outside it belong to the windows below.
QRegion roundedRectRegion(QSize size, int ellipseWidth, int ellipseHeight);

// Where a window of the given size may stand when its saved place is topLeft:
// there, if any screen shows part of it; otherwise moved onto the primary
// screen, so a window saved on a screen that is gone stays within reach.
QPoint reachablePosition(const QPoint &topLeft, const QSize &size);

// Places a window by its frame. A window manager frames a window only once it
// is on the screen, and until then Qt puts the inside of the window where the
// frame was asked for, so the frame ends up above and left of it. A place asked
// for before the frame is known is therefore asked for again when it is: when
// the window is first exposed or moved with a frame around it.
class FramePlacement : public QObject
{
public:
    // The frame's top left, for the frame's size.
    using Target = std::function<QPoint(QSize frame)>;

    explicit FramePlacement(QWidget &window)
        : m_window(window)
    {
    }

    void place(Target target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool framed() const;

    QWidget &m_window;
    Target m_unframed; // a place taken before the frame was known
};

// Moves a frameless window with the mouse when it is grabbed by its surface.
// The window manager moves it when it can; without one (or where it declines)
// the window follows the pointer itself until the button is released.
class SurfaceDrag
{
public:
    explicit SurfaceDrag(QWidget &window)
        : m_window(window)
    {
    }

    // Call from the window's own mouse events. press() takes only the left
    // button; each returns whether it used the event.
    bool press(const QPoint &globalPos, Qt::MouseButton button);
    bool move(const QPoint &globalPos, Qt::MouseButtons buttons);
    bool release(Qt::MouseButton button);
    // A press that does not drag ends any drag whose release went astray.
    void cancel() { m_following = false; }

    // The window follows the pointer by itself (no window manager took over).
    bool isFollowing() const { return m_following; }

private:
    QWidget &m_window;
    bool m_following = false;
    QPoint m_grab; // the pointer's place relative to the window's top left
};
