#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <functional>

class QPoint;
class QWidget;

// A rectangle of the given size whose corners are cut by an ellipse of
// ellipseWidth x ellipseHeight pixels, one quarter in each corner: the rounded
// shape of the fare board. Pixels outside it belong to the windows below.
QRegion roundedRectRegion(QSize size, int ellipseWidth, int ellipseHeight);

// Where a window of the given size (its frame) may stand when its saved place
// is topLeft: there, if its top edge, where the title bar and its close box
// are, lies on a screen; otherwise moved onto the primary screen's free room,
// so a window saved on a screen that is gone or above one stays within reach.
// A window without a frame (the board) is dragged by any part of it: it
// stays where any screen shows part of it.
QPoint reachablePosition(const QPoint &topLeft, const QSize &size, bool titleBar = true);
// The same for screens given as their rectangles, the primary one's free room last.
QPoint reachablePosition(const QPoint &topLeft, const QSize &size, const QList<QRect> &screens,
                         const QRect &room, bool titleBar = true);

// How far of a top edge must show on a screen for a window to be in reach.
constexpr int TitleBarHeight = 20;
constexpr int TitleBarShown = 100;

// Where a window's frame may stand so that it stays whole in the room,
// moved left and up no more than it must; where it is larger, its top left
// stays in the room.
QPoint keptInside(const QRect &frame, const QRect &room);

// Places a window by its frame. A window manager frames a window only once it
// is on the screen, and until then Qt puts the inside of the window where the
// frame was asked for, so the frame ends up above and left of it. A place asked
// for before the frame is known is therefore asked for again when it is: when
// the window is first exposed or moved with a frame around it. Should the window
// still end with its title bar off every screen in the first seconds (the
// frame taken for the inside once more), it is put where it was asked to
// stand; after that it is the user's to move.
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
    Target m_target;              // the last place asked for
    bool m_awaitingFrame = false; // it was asked for before the frame was known
    QElapsedTimer m_placed;       // since that place was asked for
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
