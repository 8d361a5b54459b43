#include "Hy3File.h"

#include "ByteStream.h"
#include "Cp932.h"

namespace Hy3File {

namespace {

QString rowWhere(const QString &fileName, qsizetype row)
{
    return QStringLiteral("(%1 の %2 行目)").arg(fileName).arg(row);
}

} // namespace

qint16 readCount(QByteArrayView file)
{
    ByteReader reader(file);
    return reader.int16();
}

std::variant<Rows, Failure> readRows(QByteArrayView file, int maxRows, const QString &fileName)
{
    ByteReader reader(file);
    const int count = reader.int16();
    if (count > maxRows)
        return Failure::of(RuntimeError::SubscriptOutOfRange, rowWhere(fileName, qsizetype(maxRows) + 1));

    Rows out;
    out.endOffset = reader.position();
    if (count <= 0)
        return out;
    // Reserve only what the bytes left can hold, whatever the count says.
    const qsizetype fit = qMin<qsizetype>(count, reader.remaining() / FixedRowBytes + 1);
    out.rows.reserve(fit);
    out.rawNames.reserve(fit);
    for (int r = 0; r < count; ++r) {
        HyRecord rec;
        const quint16 nameLength = reader.uint16();
        const QByteArrayView name = reader.bytes(nameLength);
        rec.SeiriNo = reader.int16();
        for (int c = 1; c <= HyRecord::ColCount; ++c)
            rec.Col[c] = reader.int16();
        if (reader.isShort())
            return Failure::of(RuntimeError::InputPastEnd, rowWhere(fileName, r + 1));
        rec.TeiName = Cp932::decode(name);
        out.rawNames.push_back(name.toByteArray());
        out.rows.push_back(std::move(rec));
    }
    out.endOffset = reader.position();
    return out;
}

QByteArray write(const std::vector<HyRecord> &rows)
{
    Q_ASSERT(rows.size() <= 32767);
    ByteWriter writer;
    writer.int16(qint16(rows.size()));
    for (const HyRecord &rec : rows) {
        writer.text(rec.TeiName);
        writer.int16(rec.SeiriNo);
        for (int c = 1; c <= HyRecord::ColCount; ++c)
            writer.int16(rec.Col[c]);
    }
    return writer.data();
}

} // namespace Hy3File
