#pragma once

#include "Waits.h"

#include <QStringList>

// Waits that take no time: each moves the test's clock on through advance()
// (a millisecond at a time while waiting for something) and returns.
class FakeWaits : public Waits
{
public:
    std::function<void(qint64 ms)> advance;
    qint64 elapsedMs = 0;
    QStringList log; // "sleep 100", "waited 1000"
    // A wait that never ends is a failure of the test, not a hang.
    qint64 limitMs = 10 * 60 * 1000;

    void sleep(int ms) override
    {
        log << QStringLiteral("sleep %1").arg(ms);
        if (ms > 0)
            step(ms);
    }
    void waitUntil(const std::function<bool()> &done) override
    {
        qint64 waited = 0;
        while (!done() && waited < limitMs) {
            step(1);
            ++waited;
        }
        log << QStringLiteral("waited %1").arg(waited);
    }

private:
    void step(qint64 ms)
    {
        elapsedMs += ms;
        if (advance)
            advance(ms);
    }
};
