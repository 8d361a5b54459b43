#include "MidiRenderer.h"

#include <QFile>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

namespace {

constexpr int BlockFrames = 512;
// FluidSynth's own gain of 0.2 leaves a General MIDI song far quieter than a
// WAV effect; this brings a single instrument near the level of the others.
constexpr double SynthGain = 1.0;
// Peak the rendered song may reach before it is scaled down to avoid clipping.
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

MidiRenderer::Pcm MidiRenderer::render(const QByteArray &midi, int rate, int channels,
                                       const std::function<bool()> &cancelled)
{
    Pcm out;
    out.rate = rate;
    out.channels = channels;
    if (!looksLikeMidi(midi)) {
        out.error = QStringLiteral("not a MIDI file");
        return out;
    }
    if (rate <= 0 || (channels != 1 && channels != 2)) {
        out.error = QStringLiteral("unsupported output format");
        return out;
    }
    if (!ensureSynth(rate, &out.error))
        return out;
    fluid_synth_t *synth = m_synth->synth;
    fluid_synth_system_reset(synth);

    fluid_player_t *player = new_fluid_player(synth);
    if (!player || fluid_player_add_mem(player, midi.constData(), size_t(midi.size())) != FLUID_OK
        || fluid_player_play(player) != FLUID_OK) {
        if (player)
            delete_fluid_player(player);
        out.error = QStringLiteral("FluidSynth could not read the MIDI file");
        return out;
    }

    std::vector<float> left(BlockFrames), right(BlockFrames);
    std::vector<float> frames; // interleaved stereo
    const qint64 maxFrames = qint64(MaxSeconds) * rate;
    const qint64 maxTailFrames = qint64(MaxTailMs) * rate / 1000;
    qint64 tailFrames = 0;
    bool songOver = false;
    while (qint64(frames.size() / 2) < maxFrames) {
        if (cancelled && cancelled()) {
            delete_fluid_player(player);
            out.error = QStringLiteral("cancelled");
            return out;
        }
        if (!songOver && fluid_player_get_status(player) != FLUID_PLAYER_PLAYING)
            songOver = true;
        fluid_synth_write_float(synth, BlockFrames, left.data(), 0, 1, right.data(), 0, 1);
        float peak = 0;
        for (int i = 0; i < BlockFrames; ++i) {
            frames.push_back(left[i]);
            frames.push_back(right[i]);
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
        }
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
    qint64 last = qint64(frames.size() / 2);
    while (last > 0
           && std::max(std::fabs(frames[2 * (last - 1)]), std::fabs(frames[2 * (last - 1) + 1]))
               < SilenceLevel)
        --last;
    frames.resize(size_t(last * 2));
    const qint64 fade = std::min<qint64>(last, qint64(FadeMs) * rate / 1000);
    for (qint64 i = 0; i < fade; ++i) {
        const float g = float(i) / float(fade);
        frames[2 * (last - 1 - i)] *= g;
        frames[2 * (last - 1 - i) + 1] *= g;
    }

    float peak = 0;
    for (float v : frames)
        peak = std::max(peak, std::fabs(v));
    const float scale = peak > PeakLimit ? PeakLimit / peak : 1.0f;

    out.samples.resize(qsizetype(last) * channels * qsizetype(sizeof(qint16)));
    auto *dst = reinterpret_cast<qint16 *>(out.samples.data());
    for (qint64 i = 0; i < last; ++i) {
        const float l = frames[2 * i] * scale, r = frames[2 * i + 1] * scale;
        if (channels == 1) {
            *dst++ = qint16(std::lround(std::clamp((l + r) * 0.5f, -1.0f, 1.0f) * 32767));
        } else {
            *dst++ = qint16(std::lround(std::clamp(l, -1.0f, 1.0f) * 32767));
            *dst++ = qint16(std::lround(std::clamp(r, -1.0f, 1.0f) * 32767));
        }
    }
    return out;
}
