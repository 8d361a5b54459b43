#include "MidiRenderer.h"

#include <QFile>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <new>
#include <vector>

namespace {

constexpr int BlockFrames = 512;
// FluidSynth's own gain of 0.2 leaves a General MIDI song far quieter than a
// WAV effect; this brings a single instrument near the level of the others.
constexpr double SynthGain = 1.0;
// Peak a sample may reach as rendered; above it a song is limited softly
// towards full scale rather than clipped.
constexpr float PeakLimit = 0.9f;
// Below this a block counts as silent (about -70 dB).
constexpr float SilenceLevel = 0.0003f;
constexpr int FadeMs = 20;

void quietLog(int, const char *, void *) { }

// FluidSynth's logger and the tables its first synth fills are global, and
// every channel renders on a thread of its own.
void setUpFluidSynth()
{
    static std::once_flag done;
    std::call_once(done, [] {
        // FluidSynth reports to stderr by default; a missing preset is not worth a line there.
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, quietLog, nullptr);
        fluid_settings_t *settings = new_fluid_settings();
        if (!settings)
            return;
        fluid_settings_setint(settings, "synth.lock-memory", 0);
        if (fluid_synth_t *synth = new_fluid_synth(settings))
            delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    });
}

bool isSoundFont(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(12);
    return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "sfbk";
}

// The song is made while it plays, so it cannot be scaled by its own peak:
// what lies above the limit is bent towards full scale instead.
float limited(float v)
{
    const float a = std::fabs(v);
    if (a <= PeakLimit)
        return v;
    const float room = 1.0f - PeakLimit;
    return std::copysign(PeakLimit + room * std::tanh((a - PeakLimit) / room), v);
}

qint16 toSample(float v)
{
    return qint16(std::lround(std::clamp(limited(v), -1.0f, 1.0f) * 32767));
}

} // namespace

struct MidiRenderer::Synth
{
    fluid_settings_t *settings = nullptr;
    fluid_synth_t *synth = nullptr;
    int rate = 0;

    ~Synth()
    {
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

MidiRenderer::MidiRenderer(QString soundFont)
    : m_soundFont(std::move(soundFont))
{
}

MidiRenderer::~MidiRenderer() = default;

bool MidiRenderer::looksLikeMidi(const QByteArray &bytes)
{
    return bytes.size() >= 14 && bytes.startsWith("MThd");
}

bool MidiRenderer::ensureSynth(int rate, QString *error)
{
    if (m_synth && m_synth->rate == rate)
        return true;
    m_synth.reset();
    if (!isSoundFont(m_soundFont)) {
        *error = QStringLiteral("no General MIDI soundfont at %1").arg(m_soundFont);
        return false;
    }
    setUpFluidSynth();
    auto s = std::make_unique<Synth>();
    s->rate = rate;
    s->settings = new_fluid_settings();
    fluid_settings_setnum(s->settings, "synth.sample-rate", rate);
    fluid_settings_setnum(s->settings, "synth.gain", SynthGain);
    fluid_settings_setint(s->settings, "synth.cpu-cores", 1);
    fluid_settings_setint(s->settings, "synth.lock-memory", 0);
    // The player must follow the samples written, not the wall clock.
    fluid_settings_setstr(s->settings, "player.timing-source", "sample");
    s->synth = new_fluid_synth(s->settings);
    if (!s->synth || fluid_synth_sfload(s->synth, m_soundFont.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
        *error = QStringLiteral("FluidSynth could not load %1").arg(m_soundFont);
        return false;
    }
    m_synth = std::move(s);
    return true;
}

QString MidiRenderer::render(const QByteArray &midi, int rate, int channels, Progress &progress,
                             const std::function<bool()> &cancelled, const std::function<void()> &ready)
{
    if (!looksLikeMidi(midi))
        return QStringLiteral("not a MIDI file");
    if (rate <= 0 || (channels != 1 && channels != 2))
        return QStringLiteral("unsupported output format");
    QString error;
    if (!ensureSynth(rate, &error))
        return error;
    fluid_synth_t *synth = m_synth->synth;
    fluid_synth_system_reset(synth);

    fluid_player_t *player = new_fluid_player(synth);
    if (!player || fluid_player_add_mem(player, midi.constData(), size_t(midi.size())) != FLUID_OK
        || fluid_player_play(player) != FLUID_OK) {
        if (player)
            delete_fluid_player(player);
        return QStringLiteral("FluidSynth could not read the MIDI file");
    }

    const qint64 maxFrames = qint64(MaxSeconds) * rate;
    const qint64 maxTailFrames = qint64(MaxTailMs) * rate / 1000;
    const qint64 fadeFrames = qint64(FadeMs) * rate / 1000;
    const qint64 readyFrames = qint64(ReadyMs) * rate / 1000;
    // Reserved whole and never moved: the mixer reads it while it is written.
    try {
        progress.samples = QByteArray(maxFrames * channels * qsizetype(sizeof(qint16)), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        delete_fluid_player(player);
        return QStringLiteral("not enough memory");
    }
    auto *samples = reinterpret_cast<qint16 *>(progress.samples.data());
    std::vector<float> left(BlockFrames), right(BlockFrames);
    qint64 written = 0;
    qint64 audibleEnd = 0; // the frame after the last audible one
    qint64 tailFrames = 0;
    bool songOver = false;
    bool toldReady = false;
    auto publish = [&](qint64 frames) {
        if (frames <= progress.published.load(std::memory_order_relaxed))
            return;
        progress.published.store(frames, std::memory_order_release);
        if (!toldReady && frames >= readyFrames) {
            toldReady = true;
            if (ready)
                ready();
        }
    };
    while (written + BlockFrames <= maxFrames) {
        if (cancelled && cancelled()) {
            delete_fluid_player(player);
            fluid_synth_system_reset(synth);
            return QStringLiteral("cancelled");
        }
        if (!songOver && fluid_player_get_status(player) != FLUID_PLAYER_PLAYING)
            songOver = true;
        fluid_synth_write_float(synth, BlockFrames, left.data(), 0, 1, right.data(), 0, 1);
        float peak = 0;
        qint16 *dst = samples + written * channels;
        for (int i = 0; i < BlockFrames; ++i) {
            const float level = std::max(std::fabs(left[i]), std::fabs(right[i]));
            peak = std::max(peak, level);
            if (level >= SilenceLevel)
                audibleEnd = written + i + 1;
            if (channels == 1) {
                *dst++ = toSample((left[i] + right[i]) * 0.5f);
            } else {
                *dst++ = toSample(left[i]);
                *dst++ = toSample(right[i]);
            }
        }
        written += BlockFrames;
        // What may still be faded or cut at the end stays unpublished.
        publish(audibleEnd - fadeFrames);
        if (songOver) {
            tailFrames += BlockFrames;
            const bool silent = peak < SilenceLevel && fluid_synth_get_active_voice_count(synth) == 0;
            if (silent || tailFrames >= maxTailFrames)
                break;
        }
    }
    fluid_player_stop(player);
    delete_fluid_player(player);
    fluid_synth_system_reset(synth);

    // Cut the silence after the last audible sample, with a short fade so the
    // cut does not click.
    const qint64 fade = std::min(audibleEnd, fadeFrames);
    for (qint64 i = 0; i < fade; ++i) {
        const float g = float(i) / float(fade);
        qint16 *frame = samples + (audibleEnd - 1 - i) * channels;
        for (int c = 0; c < channels; ++c)
            frame[c] = qint16(std::lround(frame[c] * g));
    }
    // The whole length first: a reader that sees done reads it.
    if (audibleEnd > progress.published.load(std::memory_order_relaxed))
        progress.published.store(audibleEnd, std::memory_order_release);
    progress.done.store(true, std::memory_order_release);
    if (!toldReady && audibleEnd > 0 && ready)
        ready();
    return {};
}
