#pragma once

#include "AudioOut.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>
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
    QHash<QString, qint64> lengthMs; // by file name; defaultLengthMs for the rest
    qint64 defaultLengthMs = 1000;
    QSet<QString> unopenable; // file names whose open fails
    QList<QByteArray> wavs;   // every WAV opened from memory, in order
    int failingWavs = 0;      // how many of the next WAVs from memory fail to open
    bool realTime = false;
    qint64 now = 0;

    FakeAudioOut()
    {
        for (int c = 0; c < ChannelCount; ++c) {
            m_timers[c].setSingleShot(true);
            QObject::connect(&m_timers[c], &QTimer::timeout, this, [this, c] { ended(c); });
        }
    }

    bool open(int channel, const QString &path, Kind kind, QString *error = nullptr) override
    {
        const QString name = QFileInfo(path).fileName();
        static const char *kinds[] = {"Wave", "Mpeg", "Midi"};
        log << QStringLiteral("open %1 %2 %3").arg(channel).arg(QLatin1String(kinds[int(kind)]), name);
        end(channel);
        m_loaded[channel] = unopenable.contains(name) ? -1 : lengthMs.value(name, defaultLengthMs);
        if (m_loaded[channel] < 0 && error)
            *error = QStringLiteral("scripted failure");
        return m_loaded[channel] >= 0;
    }
    bool openWav(int channel, const QByteArray &wav, QString *error = nullptr) override
    {
        log << QStringLiteral("openWav %1").arg(channel);
        end(channel);
        wavs << wav;
        if (failingWavs > 0) {
            --failingWavs;
            m_loaded[channel] = -1;
            if (error)
                *error = QStringLiteral("scripted failure");
            return false;
        }
        m_loaded[channel] = defaultLengthMs;
        return true;
    }
    void play(int channel) override
    {
        log << QStringLiteral("play %1").arg(channel);
        end(channel);
        if (m_loaded[channel] < 0)
            return;
        m_endsAt[channel] = now + m_loaded[channel];
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
    void setVolume(int channel, int percent) override { volume[channel] = percent; }

    // Moves the test's time on; sounds that are due end and say so.
    void advance(qint64 ms)
    {
        now += ms;
        for (int c = 0; c < ChannelCount; ++c) {
            if (m_endsAt[c] >= 0 && m_endsAt[c] <= now)
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

    std::array<int, ChannelCount> volume{100, 100, 100, 100, 100};

private:
    void end(int channel)
    {
        m_endsAt[channel] = -1;
        m_timers[channel].stop();
    }

    std::array<qint64, ChannelCount> m_loaded{-1, -1, -1, -1, -1}; // the length of what it holds; -1: nothing
    std::array<qint64, ChannelCount> m_endsAt{-1, -1, -1, -1, -1}; // -1: not playing
    std::array<QTimer, ChannelCount> m_timers;
};
