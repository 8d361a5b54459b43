// Route files: the load into the route table, and the CSV conversion.
// The first byte picks the section; the rest is the file.

#include "DataIo.h"
#include "Hy3Csv.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static DataIo io;
    if (size < 1)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    {
        QFile f(dir.filePath(QStringLiteral("1.hy3")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(file);
    }
    const auto before = io.HyTable;
    const int heldBefore = io.heldRows();
    io.KukanNo = qint16(1 + data[0] % 300);
    const HyLoadResult r = io.LoadHyData(dir.path() + u'/', QStringLiteral("1"));
    if (!r.loaded() && (io.heldRows() != heldBefore || !(io.HyTable == before)))
        std::abort(); // a refused load must leave the table alone
    if (r.loaded() && (io.heldRows() != io.HyCount || io.heldRows() > DataIo::TableRows))
        std::abort();

    (void)Hy3Csv::toCsv(file);
    return 0;
}
