#include "Hy3Csv.h"

#include "Cp932.h"
#include "Hy3File.h"
#include "TextFile.h"

#include <optional>

namespace Hy3Csv {

namespace {

constexpr int kFields = 2 + HyRecord::ColCount;
constexpr int kMaxFields = 4 * kFields;

QString quoted(const QString &field)
{
    bool needs = false;
    for (QChar c : field)
        needs = needs || c == u',' || c == u'"' || c.isSpace();
    if (!needs)
        return field;
    QString out = field;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

QString columnName(int field)
{
    if (field == 0)
        return QStringLiteral("name");
    if (field == 1)
        return QStringLiteral("seiri");
    return QStringLiteral("c%1").arg(field - 1);
}

struct Record
{
    int line = 0;
    QStringList fields;
};

// Splits CSV text into records; a quoted field may hold commas, quotes
// written twice, and line breaks.
class Splitter
{
public:
    explicit Splitter(const QString &text)
        : m_text(text)
    {
    }

    std::variant<std::optional<Record>, Refusal> next()
    {
        if (m_pos >= m_text.size())
            return std::optional<Record>();
        Record rec;
        rec.line = m_line;
        QString field;
        bool inQuotes = false;
        bool wasQuoted = false;
        int quoteLine = 0;
        while (true) {
            if (m_pos >= m_text.size()) {
                if (inQuotes)
                    return Refusal{quoteLine, QStringLiteral("a quoted field is not closed")};
                rec.fields << field;
                return std::optional<Record>(rec);
            }
            const QChar c = m_text[m_pos++];
            if (inQuotes) {
                if (c == u'"') {
                    if (m_pos < m_text.size() && m_text[m_pos] == u'"') {
                        field += u'"';
                        ++m_pos;
                    } else {
                        inQuotes = false;
                    }
                } else {
                    if (c == u'\n')
                        ++m_line;
                    field += c;
                }
                continue;
            }
            if (c == u',') {
                // Spreadsheets add a few empty columns; thousands are not a route.
                if (rec.fields.size() >= kMaxFields)
                    return Refusal{rec.line, QStringLiteral("more than %1 columns").arg(kFields)};
                rec.fields << field;
                field.clear();
                wasQuoted = false;
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && m_pos < m_text.size() && m_text[m_pos] == u'\n')
                    ++m_pos;
                ++m_line;
                rec.fields << field;
                return std::optional<Record>(rec);
            } else if (wasQuoted) {
                return Refusal{m_line, QStringLiteral("text after the closing quote of a field")};
            } else if (c == u'"') {
                if (!field.isEmpty())
                    return Refusal{m_line,
                                   QStringLiteral("a quote inside a field that does not start with one")};
                inQuotes = true;
                wasQuoted = true;
                quoteLine = m_line;
            } else {
                field += c;
            }
        }
    }

private:
    const QString &m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

std::optional<QString> firstUnholdable(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype len = (name[i].isHighSurrogate() && i + 1 < name.size()) ? 2 : 1;
        const QString one = name.mid(i, len);
        if (one != u"?" && Cp932::encode(one) == "?")
            return one;
        i += len - 1;
    }
    return std::nullopt;
}

} // namespace

std::variant<Csv, Refusal> toCsv(QByteArrayView hy3)
{
    if (hy3.size() < Hy3File::CountBytes)
        return Refusal{0, QStringLiteral("the file is too short to hold a row count")};
    const qint16 count = Hy3File::readCount(hy3);
    if (count < 0)
        return Refusal{0, QStringLiteral("the row count %1 is negative").arg(count)};
    auto read = Hy3File::readRows(hy3, 32767, QStringLiteral("input"));
    if (const Failure *f = std::get_if<Failure>(&read))
        return Refusal{0, QString(f->description).replace(QStringLiteral("\r\n"), QStringLiteral(" "))};
    const Hy3File::Rows &rows = std::get<Hy3File::Rows>(read);

    Csv out;
    QStringList header;
    for (int f = 0; f < kFields; ++f)
        header << columnName(f);
    QString text = header.join(u',') + u'\n';
    for (size_t r = 0; r < rows.rows.size(); ++r) {
        const HyRecord &rec = rows.rows[r];
        if (Cp932::encode(rec.TeiName) != rows.rawNames[r])
            out.warnings << QStringLiteral("row %1: the name's bytes are not plain code page 932; "
                                           "converting back will write them differently")
                                .arg(r + 1);
        QStringList fields;
        fields << quoted(rec.TeiName) << QString::number(rec.SeiriNo);
        for (int c = 1; c <= HyRecord::ColCount; ++c)
            fields << QString::number(rec.Col[c]);
        text += fields.join(u',') + u'\n';
    }
    if (rows.endOffset < hy3.size())
        out.warnings
            << QStringLiteral("%1 bytes after the last row are left out").arg(hy3.size() - rows.endOffset);
    out.text = text.toUtf8();
    return out;
}

std::variant<QByteArray, Refusal> fromCsv(QByteArrayView csv)
{
    const TextFile::Decoded decoded = TextFile::decode(csv);
    if (!decoded.ok) {
        // Lines end in LF, CR LF or a lone CR, as the splitter counts them.
        int line = 1;
        qsizetype start = 0;
        for (qsizetype i = 0; i < csv.size(); ++i) {
            if (csv[i] != '\n' && csv[i] != '\r')
                continue;
            bool ok = true;
            TextFile::decodePart(csv.sliced(start, i - start), decoded.encoding, &ok);
            if (!ok)
                break;
            if (i + 1 < csv.size() && csv[i] == '\r' && csv[i + 1] == '\n')
                ++i;
            ++line;
            start = i + 1;
        }
        return Refusal{
            line, QStringLiteral("the text is neither UTF-8 nor %1").arg(TextFile::name(decoded.encoding))};
    }
    const QString &text = decoded.text;

    std::vector<HyRecord> rows;
    Splitter splitter(text);
    bool first = true;
    while (true) {
        auto next = splitter.next();
        if (const Refusal *refusal = std::get_if<Refusal>(&next))
            return *refusal;
        const std::optional<Record> &rec = std::get<std::optional<Record>>(next);
        if (!rec)
            break;
        const QStringList &fields = rec->fields;
        if (fields.size() == 1 && fields[0].isEmpty())
            continue; // a blank line
        if (first) {
            first = false;
            if (fields.size() >= 2 && fields[0].trimmed() == u"name" && fields[1].trimmed() == u"seiri")
                continue;
        }
        if (int(rows.size()) == MaxRows)
            return Refusal{rec->line,
                           QStringLiteral("more than %1 rows; a route holds at most %1").arg(MaxRows)};

        HyRecord row;
        row.TeiName = fields[0];
        if (const auto bad = firstUnholdable(row.TeiName))
            return Refusal{
                rec->line,
                QStringLiteral("the name holds \"%1\", which code page 932 cannot hold").arg(*bad)};
        if (Cp932::encode(row.TeiName).size() > Hy3File::MaxNameBytes)
            return Refusal{rec->line,
                           QStringLiteral("the name is longer than %1 bytes").arg(Hy3File::MaxNameBytes)};
        for (qsizetype f = 1; f < fields.size(); ++f) {
            const QString value = fields[f].trimmed();
            if (f >= kFields) {
                if (!value.isEmpty())
                    return Refusal{rec->line, QStringLiteral("more than %1 columns").arg(kFields)};
                continue;
            }
            if (value.isEmpty())
                continue;
            bool ok = false;
            const qlonglong n = value.toLongLong(&ok);
            if (!ok)
                return Refusal{
                    rec->line,
                    QStringLiteral("column %1: \"%2\" is not a whole number").arg(columnName(int(f)), value)};
            if (n < -32768 || n > 32767)
                return Refusal{
                    rec->line,
                    QStringLiteral("column %1: %2 is outside -32768..32767").arg(columnName(int(f)), value)};
            if (f == 1)
                row.SeiriNo = qint16(n);
            else
                row.Col[f - 1] = qint16(n);
        }
        rows.push_back(std::move(row));
    }
    return Hy3File::write(rows);
}

} // namespace Hy3Csv
