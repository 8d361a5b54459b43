#pragma once

#include "Clock.h"
#include "ElapsedClock.h"

// A time of day that moves only when a test moves it.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime at)
        : m_at(std::move(at))
    {
    }
    QDateTime now() const override { return m_at; }
    void set(QDateTime at) { m_at = std::move(at); }
    void advanceMs(qint64 ms) { m_at = m_at.addMSecs(ms); }

private:
    QDateTime m_at;
};

// An elapsed time that moves only when a test moves it.
class FakeElapsedClock : public ElapsedClock
{
public:
    qint64 msecs() const override { return m_ms; }
    void advanceMs(qint64 ms) { m_ms += ms; }

private:
    qint64 m_ms = 0;
};
