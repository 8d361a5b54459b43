#pragma once

#include <QString>

class AudioOut;
class ProgramInfo;
class Waits;

// Sound files on the named channels "S1".."S4". The module keeps no state of
// its own: what a channel holds is the mixer's business.
class mdlSndAPI
{
public:
    mdlSndAPI(AudioOut &audio, Waits &waits, const ProgramInfo &program);

    // Plays the file from its beginning on the channel, replacing what the
    // channel played. With wait it returns after the sound's end and then
    // pauses for pause milliseconds; without, at once. Nothing is reported.
    void PlaySoundFile(const QString &path, const QString &channel, bool wait, qint16 pause);
    // Closes "S1".."S4" in this order.
    void CloseAllSounds();

    // The name a channel goes by in diagnostics: program base name + channel ("109S1").
    QString alias(const QString &channel) const;
    // 0..3 for "S1".."S4"; -1 for anything else.
    static int channelIndex(const QString &channel);

private:
    AudioOut &m_audio;
    Waits &m_waits;
    const ProgramInfo &m_program;
};
