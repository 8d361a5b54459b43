// The program's own state file: whatever it holds, reading gives values the
// program can take, and what it writes reads back the same.

#include "RunState.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

bool keyed(const QString &digits, int most)
{
    if (digits.size() > most)
        return false;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString path = RunState::filePath(folder.path());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    const RunState read = RunState::load(path);
    if (!RunState::zoomSteps().contains(read.zoomPercent) || !keyed(read.route, 5) || !keyed(read.section, 3)
        || read.company.size() > 256)
        std::abort();
    QFile::remove(path);
    if (!read.save(path))
        std::abort();
    const RunState again = RunState::load(path);
    if (again.zoomPercent != read.zoomPercent || again.route != read.route || again.section != read.section
        || again.company != read.company)
        std::abort();
    return 0;
}
