#include "WavFormat.h"

#include <QtEndian>

namespace WavFormat {

namespace {

quint32 le32(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.data() + at);
}

quint16 le16(QByteArrayView b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.data() + at);
}

bool knownSampleSize(int format, int bits)
{
    switch (format) {
    case 1:
    case 0xFFFE:
        return bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 3:
        return bits == 32 || bits == 64;
    case 6:
    case 7:
        return bits == 8;
    case 2:
    case 0x11:
        return bits == 4;
    default:
        return false;
    }
}

// The format of a RIFF WAVE file, or why the mixer should not be given it.
std::variant<Info, QString> readFormat(QByteArrayView bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.sliced(8, 4) != "WAVE")
        return QStringLiteral("not a WAV file");
    Info info;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 size = le32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qint64 held = qMin<qint64>(size, bytes.size() - body);
        // The mixer takes the first format chunk and passes over any later one.
        if (id == "fmt " && !haveFormat) {
            if (held < 16)
                return QStringLiteral("a format chunk too short");
            info.format = le16(bytes, body);
            info.channels = le16(bytes, body + 2);
            info.rate = int(qMin<quint32>(le32(bytes, body + 4), 0x7FFFFFFF));
            info.bits = le16(bytes, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return QStringLiteral("samples before their format");
            info.dataBytes = held;
            break;
        }
        // Chunks are padded to an even size.
        at = qsizetype(qMin<qint64>(bytes.size(), body + size + (size & 1)));
    }
    if (!haveFormat)
        return QStringLiteral("no format chunk");
    if (!knownSampleSize(info.format, info.bits))
        return QStringLiteral("format %1 with %2-bit samples").arg(info.format).arg(info.bits);
    if (info.channels < 1 || info.channels > MaxChannels)
        return QStringLiteral("%1 channels").arg(info.channels);
    if (info.rate < MinRate || info.rate > MaxRate)
        return QStringLiteral("a rate of %1 Hz").arg(info.rate);
    return info;
}

// The bytes the samples take once converted to 16-bit at this rate and channel count.
qint64 convertedBytes(const Info &info, int rate, int channels)
{
    // ADPCM holds about four times as many samples as its bytes at 16 bits.
    const qint64 frameBytes = qMax<qint64>(1, qint64(info.channels) * info.bits / 8);
    const qint64 frames =
        info.bits == 4 ? info.dataBytes * 2 / qMax(1, info.channels) : info.dataBytes / frameBytes;
    return frames * rate / info.rate * channels * 2;
}

} // namespace

std::variant<Info, QString> check(QByteArrayView bytes, int rate, int channels)
{
    auto read = readFormat(bytes);
    if (const Info *info = std::get_if<Info>(&read)) {
        if (convertedBytes(*info, rate, channels) > MaxConvertedBytes)
            return QStringLiteral("too long to play");
    }
    return read;
}

} // namespace WavFormat
