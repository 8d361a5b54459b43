#pragma once

#include <QElapsedTimer>
#include <QtGlobal>

// Milliseconds from an arbitrary start, never going back: what timed motion
// (the stop-name scroll) is computed from. Tests move a fake one by hand.
class ElapsedClock
{
public:
    virtual ~ElapsedClock() = default;
    virtual qint64 msecs() const = 0;
};

class SteadyClock : public ElapsedClock
{
public:
    SteadyClock() { m_timer.start(); }
    qint64 msecs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};
