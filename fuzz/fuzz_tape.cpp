// Announcement files: whatever the bytes, the reader ends, counts every line
// that is not blank, reads entries only up to the first bad one, and what it
// read is written back and read again to the same entries.

#include "TapeFile.h"
#include "TapeWriter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TapeFile::Contents c = TapeFile::read(bytes);
    if (c.entries.size() > c.entryCount || c.entryCount > qsizetype(size) + 1)
        std::abort();
    if (c.ok() != (c.entries.size() == c.entryCount))
        std::abort();
    if (!c.ok() && c.failedEntry != c.entries.size() + 1)
        std::abort();

    // Texts with a quote or a line end cannot be written back quoted.
    QList<TapeEntry> writable;
    for (const TapeEntry &e : c.entries) {
        if (!e.Text.contains(u'"') && !e.Text.contains(u'\n') && !e.Text.contains(u'\r')
            && !e.Text.contains(QChar::ReplacementCharacter))
            writable.append(e);
    }
    const TapeFile::Contents again = TapeFile::read(tapeFile(writable));
    if (!again.ok() || again.entries.size() != writable.size())
        std::abort();
    for (qsizetype i = 0; i < writable.size(); ++i) {
        // Code page 932 may write a character it cannot hold as '?'.
        if (again.entries[i].AdvanceFlag != writable[i].AdvanceFlag
            || again.entries[i].SoundFlag != writable[i].SoundFlag
            || again.entries[i].Text.size() > writable[i].Text.size())
            std::abort();
    }
    return 0;
}
