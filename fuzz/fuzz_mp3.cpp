// MP3 files: whatever the bytes, the decoder ends, and what it gives is whole
// 16-bit frames in a format the mixer can convert, within the length allowed;
// asked to stop partway, it gives nothing.

#include "Mp3Decoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const Pcm pcm = Mp3Decoder::decode(bytes);
    if (pcm.ok()) {
        if (pcm.samples.isEmpty() || pcm.rate < 8000 || pcm.rate > 48000
            || (pcm.channels != 1 && pcm.channels != 2))
            std::abort();
        const qsizetype frameBytes = qsizetype(pcm.channels) * qsizetype(sizeof(qint16));
        if (pcm.samples.size() % frameBytes != 0
            || pcm.samples.size() > qsizetype(Mp3Decoder::MaxSeconds) * pcm.rate * frameBytes)
            std::abort();
    } else if (!pcm.samples.isEmpty()) {
        std::abort();
    }
    // Stopped after a few blocks, the length of the file's first byte.
    int blocks = size > 0 ? data[0] % 8 : 0;
    const Pcm cut = Mp3Decoder::decode(bytes, [&blocks] { return blocks-- <= 0; });
    if (cut.ok() && cut.samples.size() > pcm.samples.size())
        std::abort();
    if (!cut.ok() && !cut.samples.isEmpty())
        std::abort();
    return 0;
}
