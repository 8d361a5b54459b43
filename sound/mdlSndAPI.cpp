#include "mdlSndAPI.h"

#include "AudioOut.h"
#include "ProgramInfo.h"
#include "Waits.h"

#include <QFileInfo>
#include <QLoggingCategory>

#include <optional>

Q_LOGGING_CATEGORY(lcSound, "sound", QtWarningMsg)

namespace {

// The last three characters in upper case, blanks removed: "WAV", "MP3", "MID".
// A name ending in "midi" is none of them and plays nothing.
std::optional<AudioOut::Kind> kindOf(const QString &path)
{
    const QString ending = path.right(3).toUpper().trimmed();
    if (ending == QLatin1String("WAV"))
        return AudioOut::Kind::Wave;
    if (ending == QLatin1String("MP3"))
        return AudioOut::Kind::Mpeg;
    if (ending == QLatin1String("MID"))
        return AudioOut::Kind::Midi;
    return std::nullopt;
}

} // namespace

mdlSndAPI::mdlSndAPI(AudioOut &audio, Waits &waits, const ProgramInfo &program)
    : m_audio(audio)
    , m_waits(waits)
    , m_program(program)
{
}

int mdlSndAPI::channelIndex(const QString &channel)
{
    static const QString names[] = {QStringLiteral("S1"), QStringLiteral("S2"), QStringLiteral("S3"),
                                    QStringLiteral("S4")};
    for (int i = 0; i < AudioOut::NamedChannels; ++i) {
        if (channel == names[i])
            return i;
    }
    return -1;
}

QString mdlSndAPI::alias(const QString &channel) const
{
    return m_program.baseName() + channel;
}

void mdlSndAPI::PlaySoundFile(const QString &path, const QString &channel, bool wait, qint16 pause)
{
    const int index = channelIndex(channel);
    if (index < 0) {
        qCWarning(lcSound) << alias(channel) << "is not a sound channel";
        return;
    }
    // Only an ordinary file: a folder, a pipe or a device would never end.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_audio.close(index);
    const std::optional<AudioOut::Kind> kind = kindOf(path);
    if (!kind)
        return;
    QString error;
    if (!m_audio.open(index, path, *kind, &error)) {
        qCInfo(lcSound) << alias(channel) << "cannot open" << path << error;
        return;
    }
    m_audio.play(index);
    if (wait) {
        m_waits.waitUntil([this, index] { return !m_audio.isPlaying(index); });
        m_waits.sleep(pause);
    }
}

void mdlSndAPI::CloseAllSounds()
{
    for (int i = 0; i < AudioOut::NamedChannels; ++i)
        m_audio.close(i);
}
