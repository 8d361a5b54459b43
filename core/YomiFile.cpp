#include "YomiFile.h"

#include "Cp932.h"
#include "TextFile.h"

#include <QSet>

namespace YomiFile {

namespace {

QString unquote(QString field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.mid(1, field.size() - 2).trimmed();
    return field;
}

} // namespace

QList<Entry> parse(QByteArrayView bytes)
{
    bytes = bytes.first(qMin<qsizetype>(bytes.size(), MaxFileBytes));
    const QString text = TextFile::decode(bytes).text;

    QList<Entry> entries;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (entries.size() >= MaxEntries)
            break;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype comma = line.indexOf(u',');
        if (comma < 0)
            continue;
        const QString from = unquote(line.left(comma));
        const QString to = unquote(line.mid(comma + 1));
        if (from.isEmpty() || to.isEmpty() || from.size() > MaxEntryChars || to.size() > MaxEntryChars)
            continue;
        entries.append({from, to});
    }
    return entries;
}

bool isWritable(const Entry &e)
{
    auto plain = [](const QString &s) {
        return !s.isEmpty() && s.size() <= MaxEntryChars && s == s.trimmed() && !s.contains(u'"')
            && !s.contains(u'\n') && !s.contains(u'\r') && !s.startsWith(u'#');
    };
    return plain(e.text) && plain(e.reading) && !e.text.contains(u',');
}

Appended append(QByteArrayView existing, const QList<Entry> &entries)
{
    Appended out;
    const TextFile::Encoding encoding =
        TextFile::isAscii(existing) ? TextFile::Encoding::Utf8 : TextFile::detect(existing);
    const QByteArray lineEnd = existing.contains("\r\n") ? "\r\n" : "\n";
    out.bytes = existing.toByteArray();
    if (!out.bytes.isEmpty() && !out.bytes.endsWith('\n') && !out.bytes.endsWith('\r'))
        out.bytes += lineEnd;

    QSet<QString> known;
    for (const Entry &e : parse(existing))
        known.insert(e.text);
    for (const Entry &e : entries) {
        if (known.contains(e.text))
            continue;
        if (!isWritable(e)) {
            out.unwritable.append(e);
            continue;
        }
        const QString line = e.text + u',' + e.reading;
        if (encoding == TextFile::Encoding::Cp932) {
            // A text with a character the file cannot hold would never match.
            const QByteArray bytes = Cp932::encode(line);
            if (Cp932::decode(bytes) != line) {
                out.unwritable.append(e);
                continue;
            }
            out.bytes += bytes;
        } else {
            out.bytes += line.toUtf8();
        }
        out.bytes += lineEnd;
        known.insert(e.text);
        out.added.append(e);
    }
    return out;
}

} // namespace YomiFile
