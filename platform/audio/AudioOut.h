#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// Sound channels of the mixer: the four named channels "S1".."S4" that
// PlaySoundFile plays on, and one more for the speech engine's voice.
class AudioOut : public QObject
{
    Q_OBJECT

public:
    static constexpr int NamedChannels = 4;             // "S1".."S4" are 0..3
    static constexpr int SpeechChannel = NamedChannels; // the voice
    static constexpr int ChannelCount = NamedChannels + 1;

    // How a file is decoded; the caller decides by the file's ending.
    enum class Kind { Wave, Mpeg, Midi };

    using QObject::QObject;

    // Loads the file onto the channel, replacing (and silencing) what it held.
    // False when the file cannot be opened as that kind; the channel is then closed.
    virtual bool open(int channel, const QString &path, Kind kind, QString *error = nullptr) = 0;
    // The same for a whole WAV file in memory (the voice).
    virtual bool openWav(int channel, const QByteArray &wav, QString *error = nullptr) = 0;
    // Plays what the channel holds from its beginning; nothing when it holds nothing.
    virtual void play(int channel) = 0;
    virtual void stop(int channel) = 0;
    // Stops and forgets what the channel holds.
    virtual void close(int channel) = 0;
    // True from play() until the sound ends or is stopped, including the time
    // a MIDI or MP3 file is still being decoded before it can sound.
    virtual bool isPlaying(int channel) const = 0;
    // 0..100 per cent.
    virtual void setVolume(int channel, int percent) = 0;

    static bool isChannel(int channel) { return channel >= 0 && channel < ChannelCount; }

signals:
    // A sound reached its natural end (not when it was stopped or replaced).
    void finished(int channel);
};
