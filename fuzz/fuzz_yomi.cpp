// The user's readings (yomi.csv) and the text given to the synthesiser: the
// list stays within its bounds, and applying it to any text ends with pieces
// the synthesiser can take.

#include "Readings.h"
#include "SpeechText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<Readings::Entry> entries = YomiFile::parse(bytes);
    if (entries.size() > YomiFile::MaxEntries)
        std::abort();
    for (const Readings::Entry &e : entries) {
        if (e.text.isEmpty() || e.reading.isEmpty() || e.text.size() > YomiFile::MaxEntryChars)
            std::abort();
    }
    Readings readings;
    readings.setUserEntries(entries);
    // The same bytes as an announcement to be read out.
    const QString text = QString::fromUtf8(bytes.first(qMin<qsizetype>(size, 8192)));
    for (const QString &piece : SpeechText::pieces(readings.apply(text))) {
        if (piece.toUtf8().size() > SpeechText::MaxPieceBytes || piece.contains(u'\n')
            || piece.contains(u'\r') || !SpeechText::isSpeakable(piece))
            std::abort();
    }
    return 0;
}
