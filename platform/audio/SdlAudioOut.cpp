#include "SdlAudioOut.h"

#include "Mp3Decoder.h"
#include "WavFormat.h"

#include <QFile>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>

Q_LOGGING_CATEGORY(lcAudio, "audio", QtWarningMsg)

namespace {

constexpr int Rate = 44100;
constexpr int OutputChannels = 2;
// Other buffer sizes make the dummy driver's timing drift.
constexpr int BufferFrames = 1024;
constexpr qsizetype ConvertBytes = 64 * 1024;

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

// The samples at the mixer's rate and channel count. A slice at a time, so
// that the converter's queue stays small and a stale decode stops early.
Pcm toMixerFormat(Pcm in, int rate, int channels, const std::function<bool()> &cancelled)
{
    if (!in.ok() || (in.rate == rate && in.channels == channels))
        return in;
    Pcm out;
    out.rate = rate;
    out.channels = channels;
    SDL_AudioStream *stream =
        SDL_NewAudioStream(AUDIO_S16SYS, Uint8(in.channels), in.rate, AUDIO_S16SYS, Uint8(channels), rate);
    if (!stream) {
        out.error = sdlError();
        return out;
    }
    const qsizetype frameBytes = qsizetype(in.channels) * qsizetype(sizeof(qint16));
    const qsizetype slice = ConvertBytes - ConvertBytes % frameBytes;
    out.samples.reserve(
        qsizetype(double(in.samples.size()) * rate * channels / (double(in.rate) * in.channels)) + slice);
    auto takeAvailable = [&] {
        const qsizetype had = out.samples.size();
        out.samples.resize(had + SDL_AudioStreamAvailable(stream));
        const int got = SDL_AudioStreamGet(stream, out.samples.data() + had, int(out.samples.size() - had));
        out.samples.resize(had + qMax(0, got));
        return got >= 0;
    };
    for (qsizetype at = 0; out.ok(); at += slice) {
        if (cancelled && cancelled()) {
            out.samples.clear();
            out.error = QStringLiteral("cancelled");
            break;
        }
        const bool last = at + slice >= in.samples.size();
        const int bytes = int(qMin(slice, in.samples.size() - at));
        if ((bytes > 0 && SDL_AudioStreamPut(stream, in.samples.constData() + at, bytes) != 0)
            || (last && SDL_AudioStreamFlush(stream) != 0) || !takeAvailable())
            out.error = sdlError();
        if (last)
            break;
    }
    SDL_FreeAudioStream(stream);
    return out;
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
    for (Decoder &decoder : m_decoders)
        decoder.thread.setMaxThreadCount(1);
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
        ++wanted; // tells a running decode to give up
    for (Decoder &decoder : m_decoders)
        decoder.thread.clear();
    waitForDecodes();
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
    // The channel is halted first: the mixer holds no effect of its stream then.
    if (slot.chunk)
        Mix_FreeChunk(slot.chunk);
    slot.chunk = nullptr;
    slot.pcm.clear();
    slot.stream.reset();
    slot.song.reset();
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

void SdlAudioOut::waitForDecodes()
{
    for (Decoder &decoder : m_decoders)
        decoder.thread.waitForDone();
}

bool SdlAudioOut::loadWav(int channel, const QByteArray &bytes, QString *error)
{
    // Only a RIFF WAVE file that the mixer can convert safely: it would take
    // anything else for music and decode it under the audio lock.
    const auto format = WavFormat::check(bytes, m_rate, m_channels);
    if (const QString *why = std::get_if<QString>(&format))
        return failed(error, *why);
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
    const qint64 maxBytes = kind == Kind::Mpeg ? Mp3Decoder::MaxFileBytes : MaxFileBytes;
    if (file.size() > maxBytes)
        return failed(error, QStringLiteral("file too large"));
    const QByteArray bytes = file.read(maxBytes);
    switch (kind) {
    case Kind::Wave:
        return loadWav(channel, bytes, error);
    case Kind::Mpeg:
        if (!Mp3Decoder::looksLikeMp3(bytes))
            return failed(error, QStringLiteral("not an MPEG audio file"));
        break;
    case Kind::Midi:
        if (!MidiRenderer::looksLikeMidi(bytes))
            return failed(error, QStringLiteral("not a MIDI file"));
        break;
    }
    startDecode(channel, kind, bytes);
    return true;
}

void SdlAudioOut::startDecode(int channel, Kind kind, const QByteArray &bytes)
{
    Slot &slot = m_slots[channel];
    slot.decoding = true;
    const quint64 generation = slot.openGeneration;
    const int rate = m_rate, channels = m_channels;
    if (kind == Kind::Midi) {
        // Played from its first second on, while the rest is made.
        auto song = std::make_shared<MidiRenderer::Progress>();
        slot.song = song;
        MidiRenderer &midi = m_decoders[channel].midi;
        m_decoders[channel].thread.start([this, channel, generation, bytes, rate, channels, song, &midi] {
            auto stale = [this, channel, generation] { return m_wantedOpen[channel].load() != generation; };
            auto ready = [this, channel, generation] {
                QMetaObject::invokeMethod(
                    this, [this, channel, generation] { songReady(channel, generation); },
                    Qt::QueuedConnection);
            };
            const QString error = midi.render(bytes, rate, channels, *song, stale, ready);
            QMetaObject::invokeMethod(
                this, [this, channel, generation, error] { songRendered(channel, generation, error); },
                Qt::QueuedConnection);
        });
        return;
    }
    m_decoders[channel].thread.start([this, channel, generation, bytes, rate, channels] {
        auto stale = [this, channel, generation] { return m_wantedOpen[channel].load() != generation; };
        Pcm pcm = toMixerFormat(Mp3Decoder::decode(bytes, stale), rate, channels, stale);
        if (stale())
            return;
        // Moved all the way into the slot: a five-minute song is some 50 MB.
        QMetaObject::invokeMethod(
            this,
            [this, channel, generation, pcm = std::move(pcm)]() mutable {
                decoded(channel, generation, std::move(pcm));
            },
            Qt::QueuedConnection);
    });
}

void SdlAudioOut::songReady(int channel, quint64 generation)
{
    Slot &slot = m_slots[channel];
    if (generation != slot.openGeneration || !slot.song || slot.chunk)
        return;
    // The whole reserved buffer; the stream's effect ends the song where it ends.
    slot.chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8 *>(slot.song->samples.data()),
                                   Uint32(slot.song->samples.size()));
    if (!slot.chunk) {
        slot.playWhenReady = false;
        return;
    }
    if (slot.playWhenReady) {
        slot.playWhenReady = false;
        startChunk(channel);
    }
}

void SdlAudioOut::songRendered(int channel, quint64 generation, const QString &error)
{
    Slot &slot = m_slots[channel];
    if (generation != slot.openGeneration || !slot.decoding)
        return;
    slot.decoding = false;
    if (!slot.chunk) {
        qCWarning(lcAudio) << "channel" << channel
                           << "cannot sound:" << (error.isEmpty() ? QStringLiteral("nothing in it") : error);
        slot.playWhenReady = false;
        slot.song.reset();
    }
}

void SdlAudioOut::streamEffect(int, void *stream, int length, void *stream_)
{
    // On the audio thread, with the mixer locked: no Mix_* call here.
    auto *s = static_cast<Stream *>(stream_);
    const bool done = s->progress->done.load(std::memory_order_acquire);
    const qint64 made = s->progress->published.load(std::memory_order_acquire) * s->frameBytes;
    const qint64 from = s->position, to = from + length;
    if (made < to) {
        // Not made yet (a machine slower than the song), or past its end: silence.
        const qint64 start = std::max(made, from);
        std::memset(static_cast<char *>(stream) + (start - from), 0, size_t(to - start));
    }
    s->position = to;
    if (done && to >= made && !s->endTold) {
        s->endTold = true;
        SdlAudioOut *owner = s->owner;
        const int channel = s->channel;
        const quint64 generation = s->generation;
        QMetaObject::invokeMethod(
            owner, [owner, channel, generation] { owner->streamEnded(channel, generation); },
            Qt::QueuedConnection);
    }
}

void SdlAudioOut::streamEnded(int channel, quint64 generation)
{
    if (generation != m_playGeneration[channel].load() || !m_slots[channel].playing)
        return;
    halt(channel);
    emit finished(channel);
}

bool SdlAudioOut::openWav(int channel, const QByteArray &wav, QString *error)
{
    return emptyChannel(channel, error) && loadWav(channel, wav, error);
}

void SdlAudioOut::decoded(int channel, quint64 generation, Pcm pcm)
{
    Slot &slot = m_slots[channel];
    if (generation != slot.openGeneration || !slot.decoding)
        return;
    slot.decoding = false;
    if (!pcm.ok() || pcm.samples.isEmpty()) {
        qCWarning(lcAudio) << "channel" << channel
                           << "cannot sound:" << (pcm.ok() ? QStringLiteral("nothing in it") : pcm.error);
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
    if (slot.song) {
        // The mixer drops a channel's effects when it halts: one for each play.
        auto stream = std::make_unique<Stream>();
        stream->owner = this;
        stream->channel = channel;
        stream->generation = m_playGeneration[channel].load();
        stream->frameBytes = m_channels * int(sizeof(qint16));
        stream->progress = slot.song;
        if (!Mix_RegisterEffect(channel, &SdlAudioOut::streamEffect, nullptr, stream.get())) {
            qCWarning(lcAudio) << "channel" << channel << "did not start:" << sdlError();
            return;
        }
        slot.stream = std::move(stream);
    }
    if (Mix_PlayChannel(channel, slot.chunk, 0) == channel) {
        slot.playing = true;
        return;
    }
    qCWarning(lcAudio) << "channel" << channel << "did not start:" << sdlError();
    // An effect left behind would outlive its stream.
    Mix_UnregisterAllEffects(channel);
    slot.stream.reset();
}

void SdlAudioOut::play(int channel)
{
    if (!isChannel(channel) || !m_ready)
        return;
    Slot &slot = m_slots[channel];
    halt(channel);
    if (slot.chunk)
        startChunk(channel);
    else if (slot.decoding)
        slot.playWhenReady = true;
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
    slot.decoding = false;
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
