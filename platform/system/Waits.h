#pragma once

#include <functional>

// The places where the program blocks its own thread on purpose: a sound
// played with wait, the lamp test, the pauses of a scroll. While it waits the
// windows keep painting and timers keep running, but clicks and keys stay
// queued until the wait is over, as they would behind a busy thread; those
// aimed at a disabled control are dropped.
class Waits
{
public:
    virtual ~Waits() = default;

    // Returns after ms milliseconds; at once for 0 or less.
    virtual void sleep(int ms) = 0;
    // Returns once done() is true; done() is checked at once and then often.
    virtual void waitUntil(const std::function<bool()> &done) = 0;

    // A wait is running further down the stack: what arrives now from
    // outside, as clicks do, is to run after it.
    bool waiting() const { return m_depth > 0; }

protected:
    int m_depth = 0;
};

// The real waits: a nested event loop that holds user input back.
class EventLoopWaits : public Waits
{
public:
    void sleep(int ms) override;
    void waitUntil(const std::function<bool()> &done) override;
};
