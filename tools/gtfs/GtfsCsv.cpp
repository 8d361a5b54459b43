#include "GtfsCsv.h"

#include "TextFile.h"

#include <algorithm>

namespace {

// A record of more fields than this is no table a feed holds.
constexpr size_t kMaxFields = 4096;

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

} // namespace

GtfsCsv::GtfsCsv(QByteArrayView bytes)
    : m_bytes(TextFile::withoutBom(bytes))
{
    if (next()) {
        m_headerLine = m_recordLine;
        for (const QByteArrayView name : m_fields)
            m_header.push_back(name.toByteArray());
    }
}

int GtfsCsv::column(QByteArrayView name) const
{
    for (size_t i = 0; i < m_header.size(); ++i) {
        if (m_header[i] == name)
            return int(i);
    }
    return -1;
}

QByteArrayView GtfsCsv::field(int column) const
{
    if (column < 0 || size_t(column) >= m_fields.size())
        return {};
    return m_fields[size_t(column)];
}

bool GtfsCsv::next()
{
    if (!m_error.isEmpty())
        return false;
    while (m_pos < m_bytes.size()) {
        if (!readRecord())
            return false;
        // Spreadsheets write empty rows as a line of commas.
        if (std::any_of(m_fields.begin(), m_fields.end(), [](QByteArrayView f) { return !f.isEmpty(); }))
            return true;
    }
    return false;
}

bool GtfsCsv::readRecord()
{
    m_fields.clear();
    m_unquoted.clear();
    m_recordLine = m_line;
    const char *data = m_bytes.data();
    const qsizetype size = m_bytes.size();
    while (true) {
        if (m_fields.size() >= kMaxFields) {
            m_error = QStringLiteral("more than %1 fields").arg(kMaxFields);
            return false;
        }
        // Blanks before an opening quote belong to no field.
        qsizetype at = m_pos;
        while (at < size && (data[at] == ' ' || data[at] == '\t'))
            ++at;
        if (at < size && data[at] == '"') {
            const qsizetype start = at + 1;
            qsizetype i = start;
            bool doubled = false;
            while (true) {
                if (i >= size) {
                    m_error = QStringLiteral("a quoted field is not closed");
                    return false;
                }
                if (data[i] == '"') {
                    if (i + 1 < size && data[i + 1] == '"') {
                        doubled = true;
                        i += 2;
                        continue;
                    }
                    break;
                }
                if (data[i] == '\n' || (data[i] == '\r' && (i + 1 >= size || data[i + 1] != '\n')))
                    ++m_line;
                ++i;
            }
            QByteArrayView value = m_bytes.sliced(start, i - start);
            m_pos = i + 1;
            // Whatever follows the closing quote up to the comma is kept: feeds
            // written by hand have ("A" B) as often as ("A B").
            qsizetype end = m_pos;
            while (end < size && data[end] != ',' && data[end] != '\n' && data[end] != '\r')
                ++end;
            QByteArrayView rest = m_bytes.sliced(m_pos, end - m_pos);
            while (!rest.isEmpty() && (rest.back() == ' ' || rest.back() == '\t'))
                rest.chop(1);
            if (doubled || !rest.isEmpty()) {
                QByteArray joined = value.toByteArray().replace("\"\"", "\"") + rest.toByteArray();
                m_unquoted.push_back(std::move(joined));
                value = m_unquoted.back();
            }
            m_fields.push_back(value);
            m_pos = end;
        } else {
            qsizetype end = m_pos;
            while (end < size && data[end] != ',' && data[end] != '\n' && data[end] != '\r')
                ++end;
            m_fields.push_back(trimmed(m_bytes.sliced(m_pos, end - m_pos)));
            m_pos = end;
        }
        if (m_pos >= size)
            return true;
        const char c = data[m_pos++];
        if (c == ',')
            continue;
        if (c == '\r' && m_pos < size && data[m_pos] == '\n')
            ++m_pos;
        ++m_line;
        return true;
    }
}
