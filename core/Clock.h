#pragma once

#include <QDateTime>

// The time of day as the program sees it; tests fix it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

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
