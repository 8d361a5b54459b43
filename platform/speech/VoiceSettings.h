#pragma once

#include <QString>
#include <QStringList>

// The voice the speech engine speaks with. The engine keeps it in a small
// file of its own, as a system speech engine keeps its voice settings; the
// program's settings file has a fixed layout with no room for it.
struct VoiceSettings
{
    static constexpr double MinSpeed = 0.5, MaxSpeed = 2.0;     // Open JTalk -r
    static constexpr double MinPitch = -12.0, MaxPitch = 12.0;  // -fm, in semitones
    static constexpr double MinTimbre = 0.45, MaxTimbre = 0.65; // -a, all-pass constant
    static constexpr int MinVolume = 0, MaxVolume = 100;        // per cent, on the mixer

    QString voice; // path of an .htsvoice file
    double speed = 1.0;
    double pitch = 0.0;
    double timbre = 0.55;
    int volume = 100;

    bool operator==(const VoiceSettings &) const = default;

    // Every value within its range, and a voice of the list (the first when
    // the chosen one is gone).
    VoiceSettings bounded(const QStringList &voices) const;

    // Defaults for what the file does not hold; the whole default when it is missing.
    static VoiceSettings load(const QString &file);
    // False when the file could not be written.
    bool save(const QString &file) const;
};
