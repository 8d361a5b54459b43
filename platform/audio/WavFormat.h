#pragma once

#include <QByteArrayView>
#include <QString>

#include <variant>

// What a WAV file says of its samples, read from its "fmt " and "data"
// chunks before the mixer sees it: the mixer's own conversion computes its
// buffer in an int, so a file of absurd rate or length would make it write
// past that buffer.
namespace WavFormat {

struct Info
{
    int format = 0; // 1 PCM, 3 float, 6 A-law, 7 mu-law, 0xFFFE extensible, 2 and 0x11 ADPCM
    int channels = 0;
    int rate = 0;
    int bits = 0;
    qint64 dataBytes = 0; // as much of the data chunk as the file holds
};

// Rates, channels and sample sizes outside these are no sound a user means.
constexpr int MinRate = 4000;
constexpr int MaxRate = 384000;
constexpr int MaxChannels = 8;
// The samples once converted to the mixer's format may take no more than
// this (six minutes of CD-quality stereo).
constexpr qint64 MaxConvertedBytes = 64LL * 1024 * 1024;

// The format, when the file is one the mixer can convert to this rate and
// channel count within MaxConvertedBytes; otherwise why not.
std::variant<Info, QString> check(QByteArrayView bytes, int rate, int channels);

} // namespace WavFormat
