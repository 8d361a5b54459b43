#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

// Renders a standard MIDI file to PCM with FluidSynth and a General MIDI
// soundfont, on a thread of its own: the mixer's own MIDI path decodes under
// the audio lock and stalls every channel meanwhile. The song is made while it
// plays: its first second is ready long before a long song is whole. One
// renderer is used by one thread at a time; the soundfont is loaded on the
// first render and kept.
class MidiRenderer
{
public:
    static QString defaultSoundFont() { return QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"); }

    // Longest song rendered; the rest is cut, so a hostile file cannot fill memory.
    static constexpr int MaxSeconds = 300;
    // What is left to sound after the last note: release and reverb.
    static constexpr int MaxTailMs = 2000;

    explicit MidiRenderer(QString soundFont = defaultSoundFont());
    ~MidiRenderer();
    MidiRenderer(const MidiRenderer &) = delete;
    MidiRenderer &operator=(const MidiRenderer &) = delete;

    // True when the bytes start like a standard MIDI file.
    static bool looksLikeMidi(const QByteArray &bytes);

    // A song being made: frames are written into samples, reserved for the
    // longest song (memory is taken only as it is written), and published as
    // they become final, so that a reader on another thread may play them.
    struct Progress
    {
        QByteArray samples;               // signed 16-bit, native order, interleaved
        std::atomic<qint64> published{0}; // frames final from the start
        std::atomic<bool> done{false};    // published is the whole song
    };

    // Frames published before ready() is called, unless the song is shorter.
    static constexpr int ReadyMs = 1000;

    // Renders the song at this rate and channel count (1 or 2), trimmed to its
    // last audible sample. ready() is called on this thread once, when the
    // first ReadyMs are final or the song is whole, if anything in it sounds.
    // cancelled() is asked between blocks. Returns why not, or nothing.
    QString render(const QByteArray &midi, int rate, int channels, Progress &progress,
                   const std::function<bool()> &cancelled = {}, const std::function<void()> &ready = {});

private:
    bool ensureSynth(int rate, QString *error);

    struct Synth;
    std::unique_ptr<Synth> m_synth;
    QString m_soundFont;
};
