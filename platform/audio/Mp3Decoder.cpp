#include "Mp3Decoder.h"

#include <mpg123.h>

#include <memory>
#include <mutex>
#include <vector>

namespace Mp3Decoder {

namespace {

constexpr size_t BlockBytes = 64 * 1024;
constexpr qsizetype FeedBytes = 64 * 1024;

struct HandleDeleter
{
    void operator()(mpg123_handle *h) const { mpg123_delete(h); }
};

} // namespace

bool looksLikeMp3(const QByteArray &bytes)
{
    if (bytes.size() < 4)
        return false;
    const auto b0 = uchar(bytes[0]), b1 = uchar(bytes[1]);
    return bytes.startsWith("ID3") || (b0 == 0xFF && (b1 & 0xE0) == 0xE0);
}

Pcm decode(const QByteArray &mp3, const std::function<bool()> &cancelled)
{
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });

    Pcm out;
    if (mp3.size() > MaxFileBytes) {
        out.error = QStringLiteral("file too large");
        return out;
    }
    int err = MPG123_OK;
    std::unique_ptr<mpg123_handle, HandleDeleter> handle(mpg123_new(nullptr, &err));
    mpg123_handle *mh = handle.get();
    if (!mh) {
        out.error = QString::fromUtf8(mpg123_plain_strerror(err));
        return out;
    }
    // Every rate and channel count the file may have, but always 16-bit samples.
    mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(mh);
    const long *rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(mh, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(mh) != MPG123_OK) {
        out.error = QString::fromUtf8(mpg123_strerror(mh));
        return out;
    }
    // mpg123 copies what it is fed; a slice at a time, it holds no second copy of the file.
    qsizetype fed = 0;
    auto feedMore = [&] {
        const qsizetype slice = qMin(qsizetype(FeedBytes), mp3.size() - fed);
        if (slice <= 0
            || mpg123_feed(mh, reinterpret_cast<const unsigned char *>(mp3.constData() + fed), size_t(slice))
                != MPG123_OK)
            return false;
        fed += slice;
        return true;
    };

    std::vector<unsigned char> block(BlockBytes);
    qsizetype maxBytes = 0;
    for (;;) {
        if (cancelled && cancelled()) {
            out.samples.clear();
            out.error = QStringLiteral("cancelled");
            return out;
        }
        size_t got = 0;
        const int result = mpg123_read(mh, block.data(), block.size(), &got);
        if (got > 0 && out.rate > 0) {
            const qsizetype room = maxBytes - out.samples.size();
            out.samples.append(reinterpret_cast<const char *>(block.data()), qMin(qsizetype(got), room));
            if (out.samples.size() >= maxBytes)
                break;
        }
        if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(mh, &rate, &channels, &encoding);
            if (out.rate == 0) {
                out.rate = int(rate);
                out.channels = channels;
                maxBytes = qsizetype(MaxSeconds) * rate * channels * qsizetype(sizeof(qint16));
            } else if (rate != out.rate || channels != out.channels) {
                break; // a file whose format changes midway is played up to the change
            }
        } else if (result == MPG123_NEED_MORE) {
            if (!feedMore())
                break; // every byte of the file has been decoded
        } else if (result != MPG123_OK) {
            break; // damage; what was decoded before it still plays
        }
    }
    if (out.samples.isEmpty())
        out.error = QStringLiteral("no MPEG audio in the file");
    return out;
}

} // namespace Mp3Decoder
