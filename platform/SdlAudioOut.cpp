#include "SdlAudioOut.h"

#include <QFile>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

Q_LOGGING_CATEGORY(lcAudio, "audio", QtWarningMsg)

namespace {

constexpr int Rate = 44100;
constexpr int OutputChannels = 2;
// Other buffer sizes make the dummy driver's timing drift.
constexpr int BufferFrames = 1024;

QString sdlError()
{
    return QString::fromUtf8(SDL_GetError());
}

bool failed(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool openDevice()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    if (Mix_OpenAudio(Rate, AUDIO_S16SYS, OutputChannels, BufferFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

} // namespace

std::atomic<SdlAudioOut *> SdlAudioOut::s_instance{nullptr};

SdlAudioOut::SdlAudioOut(QObject *parent)
    : AudioOut(parent)
{
    m_renderPool.setMaxThreadCount(1);
    // Otherwise SDL takes over SIGINT and SIGTERM and the program no longer ends on them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_ready = openDevice();
    if (!m_ready) {
        qCInfo(lcAudio) << "no sound device:" << sdlError() << "- playing silently";
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        m_ready = openDevice();
    }
    if (!m_ready) {
        qCWarning(lcAudio) << "audio unavailable:" << sdlError();
        return;
    }
    m_driver = QString::fromUtf8(SDL_GetCurrentAudioDriver());
    Mix_Init(MIX_INIT_MP3);
    Mix_AllocateChannels(ChannelCount);
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&frequency, &format, &channels);
    m_rate = frequency;
    m_channels = channels;
    s_instance = this;
    Mix_ChannelFinished(&SdlAudioOut::onChannelFinished);
}

SdlAudioOut::~SdlAudioOut()
{
    for (auto &wanted : m_wantedOpen)
        ++wanted; // tells a running render to give up
    m_renderPool.clear();
    m_renderPool.waitForDone();
    if (!m_ready)
        return;
    Mix_ChannelFinished(nullptr);
    s_instance = nullptr;
    Mix_HaltChannel(-1);
    for (Slot &slot : m_slots)
        freeChunk(slot);
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlAudioOut::onChannelFinished(int channel)
{
    // Runs on the audio thread for a natural end and in the caller's thread
    // for a halt; the mixer must not be called from here.
    SdlAudioOut *self = s_instance.load();
    if (!self || !isChannel(channel))
        return;
    const quint64 generation = self->m_playGeneration[channel].load();
    QMetaObject::invokeMethod(
        self, [self, channel, generation] { self->channelEnded(channel, generation); }, Qt::QueuedConnection);
}

void SdlAudioOut::channelEnded(int channel, quint64 generation)
{
    if (generation != m_playGeneration[channel].load() || !m_slots[channel].playing)
        return;
    m_slots[channel].playing = false;
    emit finished(channel);
}

void SdlAudioOut::freeChunk(Slot &slot)
{
    if (slot.chunk)
        Mix_FreeChunk(slot.chunk);
    slot.chunk = nullptr;
    slot.pcm.clear();
}

void SdlAudioOut::halt(int channel)
{
    Slot &slot = m_slots[channel];
    if (m_ready)
        Mix_HaltChannel(channel);
    // After the halt: the end that the halt itself reports is then one behind.
    ++m_playGeneration[channel];
    slot.playing = false;
    slot.playWhenReady = false;
}

bool SdlAudioOut::emptyChannel(int channel, QString *error)
{
    if (!isChannel(channel))
        return false;
    close(channel);
    return m_ready || failed(error, QStringLiteral("audio unavailable"));
}

bool SdlAudioOut::loadChunk(int channel, const QByteArray &bytes, QString *error)
{
    // The mixer finds the format (WAV, MP3) from the bytes and decodes it whole.
    Mix_Chunk *chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(bytes.constData(), int(bytes.size())), 1);
    if (!chunk)
        return failed(error, sdlError());
    m_slots[channel].chunk = chunk;
    return true;
}

bool SdlAudioOut::open(int channel, const QString &path, Kind kind, QString *error)
{
    if (!emptyChannel(channel, error))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(error, file.errorString());
    if (file.size() > MaxFileBytes)
        return failed(error, QStringLiteral("file too large"));
    const QByteArray bytes = file.read(MaxFileBytes);
    if (kind != Kind::Midi)
        return loadChunk(channel, bytes, error);

    if (!MidiRenderer::looksLikeMidi(bytes))
        return failed(error, QStringLiteral("not a MIDI file"));
    Slot &slot = m_slots[channel];
    slot.rendering = true;
    const quint64 generation = slot.openGeneration;
    const int rate = m_rate, channels = m_channels;
    m_renderPool.start([this, channel, generation, bytes, rate, channels] {
        auto stale = [this, channel, generation] { return m_wantedOpen[channel].load() != generation; };
        MidiRenderer::Pcm pcm = m_midi.render(bytes, rate, channels, stale);
        if (stale())
            return;
        QMetaObject::invokeMethod(
            this, [this, channel, generation, pcm] { midiRendered(channel, generation, pcm); },
            Qt::QueuedConnection);
    });
    return true;
}

bool SdlAudioOut::openWav(int channel, const QByteArray &wav, QString *error)
{
    return emptyChannel(channel, error) && loadChunk(channel, wav, error);
}

void SdlAudioOut::midiRendered(int channel, quint64 generation, MidiRenderer::Pcm pcm)
{
    Slot &slot = m_slots[channel];
    if (generation != slot.openGeneration || !slot.rendering)
        return;
    slot.rendering = false;
    if (!pcm.ok() || pcm.samples.isEmpty()) {
        qCWarning(lcAudio) << "channel" << channel
                           << "MIDI:" << (pcm.ok() ? QStringLiteral("no notes") : pcm.error);
        slot.playWhenReady = false;
        return;
    }
    slot.pcm = std::move(pcm.samples);
    slot.chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(slot.pcm.data()), Uint32(slot.pcm.size()));
    if (!slot.chunk) {
        slot.pcm.clear();
        slot.playWhenReady = false;
        return;
    }
    if (slot.playWhenReady) {
        slot.playWhenReady = false;
        startChunk(channel);
    }
}

void SdlAudioOut::startChunk(int channel)
{
    Slot &slot = m_slots[channel];
    ++m_playGeneration[channel];
    if (Mix_PlayChannel(channel, slot.chunk, 0) == channel)
        slot.playing = true;
    else
        qCWarning(lcAudio) << "channel" << channel << "did not start:" << sdlError();
}

void SdlAudioOut::play(int channel)
{
    if (!isChannel(channel) || !m_ready)
        return;
    Slot &slot = m_slots[channel];
    halt(channel);
    if (slot.rendering)
        slot.playWhenReady = true;
    else if (slot.chunk)
        startChunk(channel);
}

void SdlAudioOut::stop(int channel)
{
    if (isChannel(channel))
        halt(channel);
}

void SdlAudioOut::close(int channel)
{
    if (!isChannel(channel))
        return;
    halt(channel);
    Slot &slot = m_slots[channel];
    freeChunk(slot);
    slot.rendering = false;
    slot.openGeneration = ++m_wantedOpen[channel];
}

bool SdlAudioOut::isPlaying(int channel) const
{
    if (!isChannel(channel))
        return false;
    const Slot &slot = m_slots[channel];
    return slot.playing || slot.playWhenReady;
}

void SdlAudioOut::setVolume(int channel, int percent)
{
    if (isChannel(channel) && m_ready)
        Mix_Volume(channel, qBound(0, percent, 100) * MIX_MAX_VOLUME / 100);
}
