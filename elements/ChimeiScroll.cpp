#include "ChimeiScroll.h"

void ChimeiScroll::start(qint64 nowMs, int ScrollStartWait)
{
    m_phase = Phase::Waiting;
    m_begun = false;
    m_waitUntil = nowMs + qMax(ScrollStartWait, 0);
    m_turns = 0;
}

bool ChimeiScroll::hasPassed(double top, int stripHeight, int windowHeight)
{
    return float(top) + float(stripHeight) <= -float(windowHeight);
}

ChimeiScroll::Outcome ChimeiScroll::advance(qint64 nowMs, int Speed, double stripTop,
                                            const Geometry &geometry)
{
    Outcome out;
    while (m_phase != Phase::Stopped) {
        if (m_phase == Phase::Waiting) {
            if (nowMs < m_waitUntil)
                break;
            if (!m_begun) {
                m_begun = true;
                m_p = stripTop;
                if (Speed == 0) {
                    // A strip that never moves would never show the rest of the name.
                    Speed = 1;
                    out.speedRaised = true;
                }
            }
            m_phase = Phase::Moving;
            m_passStart = m_waitUntil;
            m_turns = 0;
        }

        const qint64 due = (nowMs - m_passStart) * TurnsPerSecond / 1000;
        while (m_turns < due) {
            ++m_turns;
            ++out.turns;
            m_p -= Speed / 200.0;
            if (hasPassed(m_p, geometry.stripHeight, geometry.windowHeight)) {
                // Below the window again, after a pause counted from the turn that wrapped.
                m_p = geometry.windowHeight;
                ++out.wraps;
                m_phase = Phase::Waiting;
                const qint64 wrappedAt = m_passStart + (m_turns * 1000 + TurnsPerSecond - 1) / TurnsPerSecond;
                m_waitUntil = wrappedAt + qMax(geometry.ScrollStartWait, 0);
                break;
            }
        }
        if (m_phase == Phase::Moving)
            break;
    }
    return out;
}
