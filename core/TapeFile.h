#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// One announcement of the tape.
struct TapeEntry
{
    QString Text;           // what is spoken
    qint16 AdvanceFlag = 0; // 1: stepping onto it moves the fare board one stop the same way
    qint16 SoundFlag = 0;   // 1, 2, 3: TapeSound1..3 sounds before it is spoken

    bool operator==(const TapeEntry &) const = default;
};

// An announcement file ("12tp.csv"): code page 932 or UTF-8 (TextFile's rule),
// one entry a line, lines ended by CR LF, LF or CR, three fields
// "text,advance,sound". The text may be enclosed in double quotation marks,
// which it needs when it holds a comma.
namespace TapeFile {

// A longer file is not read at all: no tape comes near it.
constexpr qint64 MaxFileBytes = 1024 * 1024;

struct Contents
{
    int entryCount = 0;       // every line that is not blank, read or not
    QList<TapeEntry> entries; // the entries read, in order, until one could not be
    int failedEntry = 0;      // the 1-based entry that could not be read; 0 when all were
    bool ok() const { return failedEntry == 0; }
};

// A blank line (nothing but white space) is no entry: a file that
// ends in an empty line has no silent step at its end. A line that lacks a
// field, has a quote that is not closed, something after the closing quote,
// or a number outside 16 bits, cannot be read.
Contents read(QByteArrayView bytes);

// The file of these entries as the original tools write it: code page 932,
// every text quoted, CR LF after each line. A text cannot hold a quotation
// mark or a line break: those become ” and a space. A character code page
// 932 cannot hold is written as '?'.
QByteArray write(const QList<TapeEntry> &entries);

} // namespace TapeFile
