#pragma once

#include <QtGlobal>

// The scroll of a long stop name as a rule of time: where the strip stands
// after the turns due by a given moment, when it wraps to below the window
// and when it pauses. The element feeds it the clock; tests feed it a fake.
class ChimeiScroll
{
public:
    // One turn moves the strip Speed / 200 pixel; at this rate the default
    // Speed 5 moves 80 pixels, two and a half cells, a second.
    static constexpr int TurnsPerSecond = 3200;

    enum class Phase { Stopped, Waiting, Moving };

    struct Geometry
    {
        int windowHeight;    // Picture2's height
        int stripHeight;     // Picture1's height
        int ScrollStartWait; // ms, read afresh at each wrap
    };

    struct Outcome
    {
        bool speedRaised = false; // the first pass began with Speed 0, run as 1
        int wraps = 0;
        qint64 turns = 0;
    };

    // Starts with the pause before the first pass.
    void start(qint64 nowMs, int ScrollStartWait);
    void stop()
    {
        m_phase = Phase::Stopped;
        m_begun = false;
    }

    Phase phase() const { return m_phase; }
    bool isRunning() const { return m_phase != Phase::Stopped; }
    // True once the first pass has begun: from then on position() is the strip's top.
    bool hasBegun() const { return m_begun; }
    double position() const { return m_p; }
    qint64 turnsInPass() const { return m_turns; }
    // While Waiting: the milliseconds left of the pause.
    qint64 waitLeft(qint64 nowMs) const { return qMax<qint64>(m_waitUntil - nowMs, 0); }

    // Runs every turn due by nowMs with this Speed. stripTop is where the
    // strip stands now; the first pass starts from it.
    Outcome advance(qint64 nowMs, int Speed, double stripTop, const Geometry &geometry);

    // True when the strip's lower edge has gone a whole window height above the
    // window's top; in single precision, so that the sum of many small steps
    // lands on the whole pixel it aims at.
    static bool hasPassed(double top, int stripHeight, int windowHeight);

private:
    Phase m_phase = Phase::Stopped;
    bool m_begun = false;
    double m_p = 0;
    qint64 m_waitUntil = 0; // Waiting: when the pause ends
    qint64 m_passStart = 0; // Moving: when the pass began
    qint64 m_turns = 0;     // Moving: turns made in this pass
};
