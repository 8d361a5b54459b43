#pragma once

#include "AudioOut.h"

#include <QFileInfo>
#include <QHash>
#include <QStringList>
#include <QTimer>

#include <array>

// Records every command and plays sounds of scripted lengths. Time is the
// test's: advance() moves it and ends what is due; with realTime a sound ends
// by a timer instead, for tests that watch the windows while it plays.
class FakeAudioOut : public AudioOut
{
public:
    QStringList log;                 // "open 0 Wave chime.wav", "play 0", "stop 0", "close 0", "openWav 4"
    QHash<QString, qint64> lengthMs; // by file name; a second for the rest
    QList<QByteArray> wavs;          // every WAV opened from memory, in order
    int failingWavs = 0;             // how many of the next WAVs from memory fail to open
    bool realTime = false;

    FakeAudioOut()
    {
        for (int c = 0; c < ChannelCount; ++c) {
            m_timers[c].setSingleShot(true);
            QObject::connect(&m_timers[c], &QTimer::timeout, this, [this, c] { ended(c); });
        }
    }

    bool open(int channel, const QString &path, Kind kind, QString * = nullptr) override
    {
        const QString name = QFileInfo(path).fileName();
        static const char *kinds[] = {"Wave", "Mpeg", "Midi"};
        log << QStringLiteral("open %1 %2 %3").arg(channel).arg(QLatin1String(kinds[int(kind)]), name);
        end(channel);
        m_loaded[channel] = lengthMs.value(name, 1000);
        return true;
    }
    bool openWav(int channel, const QByteArray &wav, QString *error = nullptr) override
    {
        log << QStringLiteral("openWav %1").arg(channel);
        end(channel);
        wavs << wav;
        const bool fails = failingWavs > 0;
        failingWavs -= fails;
        m_loaded[channel] = fails ? -1 : 1000;
        if (fails && error)
            *error = QStringLiteral("scripted failure");
        return !fails;
    }
    void play(int channel) override
    {
        log << QStringLiteral("play %1").arg(channel);
        end(channel);
        if (m_loaded[channel] < 0)
            return;
        m_endsAt[channel] = m_now + m_loaded[channel];
        if (realTime)
            m_timers[channel].start(int(m_loaded[channel]));
    }
    void stop(int channel) override
    {
        log << QStringLiteral("stop %1").arg(channel);
        end(channel);
    }
    void close(int channel) override
    {
        log << QStringLiteral("close %1").arg(channel);
        end(channel);
        m_loaded[channel] = -1;
    }
    bool isPlaying(int channel) const override { return m_endsAt[channel] >= 0; }
    void setVolume(int, int) override { }

    // Moves the test's time on; sounds that are due end and say so.
    void advance(qint64 ms)
    {
        m_now += ms;
        for (int c = 0; c < ChannelCount; ++c) {
            if (m_endsAt[c] >= 0 && m_endsAt[c] <= m_now)
                ended(c);
        }
    }
    // Ends a sound now, as if it had reached its end.
    void ended(int channel)
    {
        if (m_endsAt[channel] < 0)
            return;
        m_endsAt[channel] = -1;
        emit finished(channel);
    }
    // The commands since the last call, then forgotten.
    QStringList take() { return std::exchange(log, {}); }

private:
    void end(int channel)
    {
        m_endsAt[channel] = -1;
        m_timers[channel].stop();
    }

    qint64 m_now = 0;
    std::array<qint64, ChannelCount> m_loaded{-1, -1, -1, -1, -1}; // the length of what it holds; -1: nothing
    std::array<qint64, ChannelCount> m_endsAt{-1, -1, -1, -1, -1}; // -1: not playing
    std::array<QTimer, ChannelCount> m_timers;
};
