#pragma once

#include "SpeechEngine.h"

#include <QStringList>

#include <functional>

// Records what it is asked to say, stop and show.
class FakeSpeechEngine : public SpeechEngine
{
public:
    QStringList log;                 // "speak <text>", "stop", "dialog <title>"
    std::function<void()> onSpeak;   // runs inside Speak, to look at the world at that moment
    QList<Readings::Entry> readings; // the user's readings last given

    void Speak(const QString &text) override
    {
        log << QStringLiteral("speak ") + text;
        m_status = StatusSpeaking;
        if (onSpeak)
            onSpeak();
    }
    void StopSpeaking() override
    {
        log << QStringLiteral("stop");
        m_status = StatusIdle;
    }
    qint32 Status() const override { return m_status; }
    void ShowVoiceDialog(QWidget *, const QString &title) override
    {
        log << QStringLiteral("dialog ") + title;
    }
    void setUserReadings(const QList<Readings::Entry> &entries) override { readings = entries; }

    // What was said, without the stops.
    QStringList spoken() const
    {
        QStringList s;
        for (const QString &line : log) {
            if (line.startsWith(QLatin1String("speak ")))
                s << line.mid(6);
        }
        return s;
    }

private:
    qint32 m_status = StatusIdle;
};
