#include "Waits.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <vector>

namespace {

// How often a waitUntil looks again: short against a sound's length, long
// against the cost of one look.
constexpr int PollMs = 5;

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

// The control an input event is aimed at. Input reaches the window first:
// a click goes to the widget under it, a key to the focus.
const QWidget *targetOf(QObject *receiver, QEvent *event)
{
    if (auto *widget = qobject_cast<QWidget *>(receiver))
        return widget;
    auto *window = qobject_cast<QWindow *>(receiver);
    if (!window)
        return nullptr;
    const QWidget *top = nullptr;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window)
            top = w;
    }
    if (!top)
        return nullptr;
    if (auto *mouse = dynamic_cast<QMouseEvent *>(event)) {
        const QWidget *under = top->childAt(mouse->position().toPoint());
        return under ? under : top;
    }
    return top->focusWidget() ? top->focusWidget() : top;
}

// Holds back the clicks and keys that arrive while the thread waits, and
// hands them on, in order, once it is over, as a busy thread would have taken
// them. Input aimed at a control that is disabled when it arrives is dropped:
// a click on a greyed button is no click, even if the button is enabled by
// the time the wait is over.
class HeldInput : public QObject
{
public:
    HeldInput() { QCoreApplication::instance()->installEventFilter(this); }
    ~HeldInput() override
    {
        QCoreApplication::instance()->removeEventFilter(this);
        for (Held &h : m_held) {
            if (h.receiver)
                QCoreApplication::postEvent(h.receiver, h.event.release());
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!isUserInput(event->type()))
            return false;
        // A press (or key) on a greyed control is no click; the rest is held
        // whole, so that a press that was taken gets its release.
        const bool press = event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick || event->type() == QEvent::KeyPress
            || event->type() == QEvent::ContextMenu;
        if (const QWidget *target = press ? targetOf(watched, event) : nullptr;
            target && !target->isEnabled())
            return true;
        m_held.push_back({watched, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }

private:
    struct Held
    {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<Held> m_held;
};

void runHoldingInput(QEventLoop &loop, int &depth)
{
    HeldInput held; // holds input back until the loop is over
    ++depth;
    loop.exec();
    --depth;
}

} // namespace

void EventLoopWaits::sleep(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    runHoldingInput(loop, m_depth);
}

void EventLoopWaits::waitUntil(const std::function<bool()> &done)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(PollMs);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start();
    runHoldingInput(loop, m_depth);
}
