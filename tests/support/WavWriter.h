#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// A WAV file of these samples as its format chunk describes them.
inline QByteArray wavOf(quint16 format, quint16 channels, quint32 rate, quint16 bits, const QByteArray &data)
{
    auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    const quint16 block = quint16(qMax(1, channels * bits / 8));
    QByteArray wav = "RIFF" + le32(quint32(36 + data.size())) + "WAVE";
    wav += "fmt " + le32(16) + le16(format) + le16(channels) + le32(rate) + le32(rate * block) + le16(block)
        + le16(bits);
    return wav + "data" + le32(quint32(data.size())) + data;
}

// A mono 16-bit PCM WAV file of a sine tone, for sound tests.
inline QByteArray toneWav(int ms, int rate = 22050, double hz = 440.0, double level = 0.3)
{
    const qint32 frames = qint32(qint64(rate) * ms / 1000);
    QByteArray data(frames * 2, Qt::Uninitialized);
    for (qint32 i = 0; i < frames; ++i) {
        const qint16 v = qint16(std::lround(level * 32767 * std::sin(2 * M_PI * hz * i / rate)));
        qToLittleEndian(v, data.data() + 2 * i);
    }
    return wavOf(1, 1, quint32(rate), 16, data);
}
