#pragma once

#include "Readings.h"

#include <QObject>
#include <QString>

class QWidget;

// A text-to-speech engine as the announcement tape uses it.
class SpeechEngine : public QObject
{
    Q_OBJECT

public:
    // Values of Status(): -1 asks the caller to stop the speech at once.
    static constexpr qint32 StatusFailed = -1;
    static constexpr qint32 StatusIdle = 0;
    static constexpr qint32 StatusSpeaking = 1;

    using QObject::QObject;

    // Stops what is being said and starts saying the text.
    virtual void Speak(const QString &text) = 0;
    virtual void StopSpeaking() = 0;
    virtual qint32 Status() const = 0;
    // The engine's own dialog for its voice; its choices are the engine's to keep.
    virtual void ShowVoiceDialog(QWidget *owner, const QString &title) = 0;

    // Readings the user gives for words the engine gets wrong; they come
    // before the engine's own corrections.
    virtual void setUserReadings(const QList<Readings::Entry> &entries) = 0;
};
