#pragma once

#include "Pcm.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// Renders a standard MIDI file to PCM with FluidSynth and a General MIDI
// soundfont, ahead of playing: the mixer's own MIDI path decodes under the
// audio lock and stalls every channel meanwhile. One renderer is used by one
// thread at a time; the soundfont is loaded on the first render and kept.
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

    using Pcm = ::Pcm;

    // The song at this rate and channel count (1 or 2), trimmed to its last
    // audible sample. cancelled() is asked between blocks.
    Pcm render(const QByteArray &midi, int rate, int channels, const std::function<bool()> &cancelled = {});

private:
    bool ensureSynth(int rate, QString *error);

    struct Synth;
    std::unique_ptr<Synth> m_synth;
    QString m_soundFont;
};
