// Sound files through the real loader on SDL's dummy driver: the first byte
// picks WAV or MIDI, the rest is the file. Whatever the bytes, the loader
// ends, refuses or fills the channel, and the channel plays and closes.

#include "SdlAudioOut.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    static QCoreApplication *application = new QCoreApplication(*argc, *argv);
    Q_UNUSED(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static SdlAudioOut audio;
    if (size < 1 || !audio.isReady())
        return 0;
    const QString path = dir.filePath(QStringLiteral("sound"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data) + 1, qint64(size - 1));
    }
    const AudioOut::Kind kind = data[0] % 2 ? AudioOut::Kind::Midi : AudioOut::Kind::Wave;
    // A MIDI file is read as its rendering starts; closing the channel ends
    // the rendering, which would otherwise run for the song's whole length.
    if (audio.open(0, path, kind)) {
        audio.play(0);
        QCoreApplication::processEvents();
        audio.stop(0);
    }
    audio.close(0);
    audio.waitForDecodes();
    QCoreApplication::processEvents();
    return 0;
}
