#pragma once

#include "RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <variant>
#include <vector>

// One stop of a route as the fare data file (.hy3) holds it.
struct HyRecord
{
    static constexpr int ColCount = 150;

    QString TeiName;                        // 停名: the stop name
    qint16 SeiriNo = 0;                     // 整理券 number of the stop
    std::array<qint16, ColCount + 1> Col{}; // Col[1..150]; Col[1..24] are the fares of cells 1..24

    bool operator==(const HyRecord &) const = default;
};

// The byte layout of a fare data file: a signed 16-bit row count, then the
// rows back to back, each a 16-bit name length, the code page 932 name, the
// signed 16-bit ticket number and 150 signed 16-bit columns. Little-endian,
// no padding.
namespace Hy3File {

constexpr qsizetype CountBytes = 2;
constexpr qsizetype FixedRowBytes = 2 + 2 + 2 * HyRecord::ColCount; // 304 + name length
constexpr qsizetype MaxNameBytes = 0xFFFF;

// The largest file that can hold a given number of rows.
constexpr qsizetype maxFileBytes(int rows)
{
    return CountBytes + qsizetype(rows) * (FixedRowBytes + MaxNameBytes);
}

// The count in the first two bytes; a file of one byte reads that byte as the
// low half, an empty one reads 0.
qint16 readCount(QByteArrayView file);

struct Rows
{
    std::vector<HyRecord> rows;
    std::vector<QByteArray> rawNames; // each name's bytes exactly as stored
    qsizetype endOffset = 0;          // the byte after the last row
};

// Reads rows 1..count (the count of the file). Fails with 9 (subscript out of
// range) naming row maxRows + 1 when the count exceeds maxRows, and with 62
// (input past end) naming the row that the file ends inside.
std::variant<Rows, Failure> readRows(QByteArrayView file, int maxRows, const QString &fileName);

// The file for these rows; at most 32767 of them. Names are written in code page 932; a name longer
// than 65535 bytes is cut at its last whole character.
QByteArray write(const std::vector<HyRecord> &rows);

} // namespace Hy3File
