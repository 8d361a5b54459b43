#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// yomi.csv, the user's list of how words of a route are read out: one
// "text,reading" a line, UTF-8 or code page 932 (TextFile's rule). Lines
// that are empty, start with '#' or lack either side are passed over.
namespace YomiFile {

// The readings file's name, beside the announcement files; any letter case is found.
inline QString fileName()
{
    return QStringLiteral("yomi.csv");
}

struct Entry
{
    QString text;
    QString reading;
    bool operator==(const Entry &) const = default;
};

constexpr qint64 MaxFileBytes = 256 * 1024;
constexpr int MaxEntries = 4096;
constexpr int MaxEntryChars = 64;

QList<Entry> parse(QByteArrayView bytes);

// Whether a pair can stand as a line that parse() reads back as the same pair.
bool isWritable(const Entry &entry);

struct Appended
{
    QByteArray bytes;        // the whole new file, in the existing file's encoding or UTF-8 for a new one
    QList<Entry> added;      // the entries that were not there yet
    QList<Entry> unwritable; // those that no line of this file can hold (see isWritable)
};

// The existing file with a line for each writable entry whose text it does not
// hold yet, in the existing file's encoding and line ends; the existing bytes
// are kept as they are.
Appended append(QByteArrayView existing, const QList<Entry> &entries);

} // namespace YomiFile
