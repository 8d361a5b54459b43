#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// A mono 16-bit PCM WAV file of a sine tone, for sound tests.
inline QByteArray toneWav(int ms, int rate = 22050, double hz = 440.0, double level = 0.3)
{
    const qint32 frames = qint32(qint64(rate) * ms / 1000);
    QByteArray data(frames * 2, Qt::Uninitialized);
    for (qint32 i = 0; i < frames; ++i) {
        const qint16 v = qint16(std::lround(level * 32767 * std::sin(2 * M_PI * hz * i / rate)));
        qToLittleEndian(v, data.data() + 2 * i);
    }
    auto le32 = [](qint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](qint16 v) {
        QByteArray b(2, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray wav = "RIFF" + le32(36 + data.size()) + "WAVE";
    wav += "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) + le32(rate * 2) + le16(2) + le16(16);
    wav += "data" + le32(data.size()) + data;
    return wav;
}
