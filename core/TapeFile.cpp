#include "TapeFile.h"

#include "Cp932.h"
#include "TextFile.h"

#include <optional>

namespace TapeFile {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

qsizetype skipBlanks(QStringView s, qsizetype at)
{
    while (at < s.size() && isBlank(s[at]))
        ++at;
    return at;
}

// An empty number field reads as 0: files leave out a flag that is not set.
std::optional<qint16> number(QStringView field)
{
    field = field.trimmed();
    if (field.isEmpty())
        return qint16(0);
    bool ok = false;
    const short value = field.toShort(&ok, 10);
    if (!ok)
        return std::nullopt;
    return qint16(value);
}

std::optional<TapeEntry> entry(QStringView line)
{
    TapeEntry e;
    qsizetype at = skipBlanks(line, 0);
    if (at < line.size() && line[at] == u'"') {
        const qsizetype close = line.indexOf(u'"', at + 1);
        if (close < 0)
            return std::nullopt;
        e.Text = line.sliced(at + 1, close - at - 1).toString();
        at = skipBlanks(line, close + 1);
        if (at >= line.size() || line[at] != u',')
            return std::nullopt;
    } else {
        const qsizetype comma = line.indexOf(u',', at);
        if (comma < 0)
            return std::nullopt;
        e.Text = line.sliced(at, comma - at).trimmed().toString();
        at = comma;
    }
    // at is on the comma after the text.
    const qsizetype second = line.indexOf(u',', at + 1);
    if (second < 0)
        return std::nullopt;
    const qsizetype third = line.indexOf(u',', second + 1); // fields past the third are not read
    const std::optional<qint16> advance = number(line.sliced(at + 1, second - at - 1));
    const std::optional<qint16> sound =
        number(third < 0 ? line.sliced(second + 1) : line.sliced(second + 1, third - second - 1));
    if (!advance || !sound)
        return std::nullopt;
    e.AdvanceFlag = *advance;
    e.SoundFlag = *sound;
    return e;
}

} // namespace

Contents read(QByteArrayView bytes)
{
    // Line ends are cut on the bytes: no byte of a double-byte character nor
    // of a UTF-8 sequence is a CR or an LF, so a line is always whole characters.
    const TextFile::Encoding encoding = TextFile::detect(bytes);
    if (encoding == TextFile::Encoding::Utf8)
        bytes = TextFile::withoutBom(bytes);
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        if (b != '\n' && b != '\r')
            continue;
        lines.append(bytes.sliced(start, i - start));
        if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.sliced(start));

    Contents c;
    c.entries.reserve(lines.size());
    for (const QByteArrayView bytesOfLine : std::as_const(lines)) {
        const QString line = TextFile::decodePart(bytesOfLine, encoding);
        if (line.trimmed().isEmpty())
            continue;
        ++c.entryCount;
        if (c.failedEntry != 0)
            continue; // the count goes on past a line that could not be read
        std::optional<TapeEntry> e = entry(line);
        if (e)
            c.entries.append(std::move(*e));
        else
            c.failedEntry = c.entryCount;
    }
    return c;
}

QByteArray write(const QList<TapeEntry> &entries)
{
    QByteArray out;
    for (const TapeEntry &e : entries) {
        QString text = e.Text;
        text.replace(u'"', u'”').replace(u'\r', u' ').replace(u'\n', u' ');
        out += '"' + Cp932::encode(text) + "\",";
        out += QByteArray::number(e.AdvanceFlag) + ',' + QByteArray::number(e.SoundFlag) + "\r\n";
    }
    return out;
}

} // namespace TapeFile
