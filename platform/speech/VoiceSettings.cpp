#include "VoiceSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cmath>

namespace {

double within(double value, double low, double high, double fallback)
{
    return std::isfinite(value) ? qBound(low, value, high) : fallback;
}

} // namespace

VoiceSettings VoiceSettings::bounded(const QStringList &voices) const
{
    const VoiceSettings defaults;
    VoiceSettings b = *this;
    b.speed = within(speed, MinSpeed, MaxSpeed, defaults.speed);
    b.pitch = within(pitch, MinPitch, MaxPitch, defaults.pitch);
    b.timbre = within(timbre, MinTimbre, MaxTimbre, defaults.timbre);
    b.volume = qBound(MinVolume, volume, MaxVolume);
    if (!voices.contains(b.voice))
        b.voice = voices.value(0);
    return b;
}

VoiceSettings VoiceSettings::load(const QString &file)
{
    VoiceSettings s;
    if (!QFileInfo(file).isFile())
        return s;
    QSettings ini(file, QSettings::IniFormat);
    s.voice = ini.value(QStringLiteral("voice"), s.voice).toString();
    s.speed = ini.value(QStringLiteral("speed"), s.speed).toDouble();
    s.pitch = ini.value(QStringLiteral("pitch"), s.pitch).toDouble();
    s.timbre = ini.value(QStringLiteral("timbre"), s.timbre).toDouble();
    s.volume = ini.value(QStringLiteral("volume"), s.volume).toInt();
    return s;
}

bool VoiceSettings::save(const QString &file) const
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("voice"), voice);
    ini.setValue(QStringLiteral("speed"), speed);
    ini.setValue(QStringLiteral("pitch"), pitch);
    ini.setValue(QStringLiteral("timbre"), timbre);
    ini.setValue(QStringLiteral("volume"), volume);
    ini.sync();
    return ini.status() == QSettings::NoError;
}
