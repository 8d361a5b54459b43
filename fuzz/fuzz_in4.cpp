// Settings files: whatever the bytes, reading gives a record that writes out
// and reads back the same.

#include "mdlIniIo.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const IniRecord first = mdlIniIo::parse(bytes);
    const QByteArray written = mdlIniIo::serialize(first);
    if (mdlIniIo::serialize(mdlIniIo::parse(written)) != written)
        std::abort();
    return 0;
}
