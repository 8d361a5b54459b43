#pragma once

#include "AudioOut.h"
#include "MidiRenderer.h"
#include "Pcm.h"

#include <QThreadPool>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

struct Mix_Chunk;

// The channels on SDL2_mixer: one chunk per channel. Without a usable sound
// device it plays on SDL's dummy driver, in real time and silently.
class SdlAudioOut : public AudioOut
{
    Q_OBJECT

public:
    // Bigger files are refused rather than decoded whole into memory.
    static constexpr qint64 MaxFileBytes = 256 * 1024 * 1024;

    explicit SdlAudioOut(QObject *parent = nullptr);
    ~SdlAudioOut() override;

    // False when not even the dummy driver opened; every open() then fails.
    bool isReady() const { return m_ready; }
    // The SDL audio driver in use, e.g. "pulseaudio" or "dummy".
    QString driverName() const { return m_driver; }

    bool open(int channel, const QString &path, Kind kind, QString *error = nullptr) override;
    bool openWav(int channel, const QByteArray &wav, QString *error = nullptr) override;
    void play(int channel) override;
    void stop(int channel) override;
    void close(int channel) override;
    bool isPlaying(int channel) const override;
    void setVolume(int channel, int percent) override;

    // Blocks until the decodes under way have ended; their results still
    // arrive through the event loop.
    void waitForDecodes();
    // True while the channel's MIDI or MP3 file is still being made, though a
    // MIDI song may already sound.
    bool isDecoding(int channel) const { return isChannel(channel) && m_slots[channel].decoding; }

private:
    // A MIDI song as the mixer plays it while it is still being made: the
    // chunk spans the buffer reserved for the longest song, and an effect on
    // the channel silences what is not made yet and tells where the song ends.
    struct Stream
    {
        SdlAudioOut *owner = nullptr;
        int channel = 0;
        quint64 generation = 0; // the play it belongs to
        int frameBytes = 0;
        qint64 position = 0; // bytes played so far; the audio thread's alone
        bool endTold = false;
        std::shared_ptr<MidiRenderer::Progress> progress;
    };

    struct Slot
    {
        Mix_Chunk *chunk = nullptr;
        QByteArray pcm;                               // the samples a decoded MP3 chunk points into
        std::shared_ptr<MidiRenderer::Progress> song; // the samples a MIDI chunk points into
        std::unique_ptr<Stream> stream;               // the MIDI song's play under way
        bool decoding = false;                        // a decode for this slot is under way
        bool playWhenReady = false;
        bool playing = false;
        quint64 openGeneration = 0; // tells a decode's result from one for an earlier open
    };

    // Each channel decodes on a thread of its own, so that a long song on one
    // channel does not hold up a short chime on another.
    struct Decoder
    {
        QThreadPool thread; // at most one thread
        MidiRenderer midi;  // used only on that thread
    };

    static void onChannelFinished(int channel);
    static void streamEffect(int channel, void *stream, int length, void *stream_);
    void streamEnded(int channel, quint64 generation);
    void songReady(int channel, quint64 generation);
    void songRendered(int channel, quint64 generation, const QString &error);
    void channelEnded(int channel, quint64 generation);
    void startDecode(int channel, Kind kind, const QByteArray &bytes);
    void decoded(int channel, quint64 generation, Pcm pcm);
    void startChunk(int channel);
    void halt(int channel);
    void freeChunk(Slot &slot);
    // Closes the channel; false (with the reason) when nothing can be opened on it.
    bool emptyChannel(int channel, QString *error);
    bool loadWav(int channel, const QByteArray &bytes, QString *error);

    bool m_ready = false;
    QString m_driver;
    int m_rate = 0;
    int m_channels = 0;
    std::array<Slot, ChannelCount> m_slots;
    // Bumped on every play and halt; read by the mixer's callback on the audio
    // thread, so that the end of a sound that was cut or replaced is ignored.
    std::array<std::atomic<quint64>, ChannelCount> m_playGeneration{};
    std::array<std::atomic<quint64>, ChannelCount> m_wantedOpen{};
    std::array<Decoder, ChannelCount> m_decoders;

    static std::atomic<SdlAudioOut *> s_instance;
};
