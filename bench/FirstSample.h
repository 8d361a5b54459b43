#pragma once

// When a channel of the real mixer first sounds, for the benchmarks that time it.

#include "SdlAudioOut.h"

#include <QEventLoop>
#include <QTimer>

#include <SDL_mixer.h>

#include <atomic>
#include <chrono>

namespace FirstSample {

using Clock = std::chrono::steady_clock;

// The first sample since first was last reset, and the first of the latest play.
inline std::atomic<Clock::rep> first{0};
inline std::atomic<Clock::rep> ofPlay{0};

inline void SDLCALL note(int, void *, int, void *)
{
    const Clock::rep now = Clock::now().time_since_epoch().count();
    Clock::rep none = 0;
    first.compare_exchange_strong(none, now);
    none = 0;
    ofPlay.compare_exchange_strong(none, now);
}

// The real mixer, with a note of when one channel first sounds.
class TimedAudioOut : public SdlAudioOut
{
public:
    explicit TimedAudioOut(int channel)
        : m_channel(channel)
    {
    }

    void play(int channel) override
    {
        // The mixer forgets a channel's effects when its chunk ends: set it anew
        // each time, and before the chunk starts, or its first buffer goes unseen.
        if (channel == m_channel) {
            ofPlay = 0;
            Mix_RegisterEffect(channel, note, nullptr, nullptr);
        }
        SdlAudioOut::play(channel);
    }

private:
    int m_channel;
};

// Runs the event loop until a first sample has been noted, or for timeoutMs;
// the time of that sample, or 0.
inline Clock::rep waitForFirst(int timeoutMs)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (first.load() != 0)
            loop.quit();
    });
    poll.start(1);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return first.load();
}

} // namespace FirstSample
