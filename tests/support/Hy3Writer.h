#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <map>

// Builds .hy3 bytes for tests, written out by hand rather than with the
// program's own writer so that a layout mistake shows up on one side.
class Hy3Writer
{
public:
    struct Row
    {
        QByteArray name; // code page 932 bytes as stored
        qint16 seiri = 0;
        std::map<int, qint16> cols; // column 1..150 -> value; others 0
    };

    // A count other than the number of rows, to build files that lie.
    Hy3Writer &count(qint16 n)
    {
        m_count = n;
        m_countSet = true;
        return *this;
    }
    Hy3Writer &row(Row r)
    {
        m_rows.push_back(std::move(r));
        return *this;
    }
    // Rows named "<prefix><n>" with ticket n and column c = n * 1000 + c.
    Hy3Writer &numberedRows(int n, const QByteArray &prefix = "S")
    {
        for (int i = 1; i <= n; ++i) {
            Row r{prefix + QByteArray::number(i), qint16(i), {}};
            for (int c = 1; c <= 150; c += 37)
                r.cols[c] = qint16(i * 100 + c);
            row(std::move(r));
        }
        return *this;
    }

    QByteArray bytes() const
    {
        QByteArray out;
        put(out, m_countSet ? m_count : qint16(m_rows.size()));
        for (const Row &r : m_rows) {
            put(out, qint16(quint16(r.name.size())));
            out += r.name;
            put(out, r.seiri);
            for (int c = 1; c <= 150; ++c) {
                const auto it = r.cols.find(c);
                put(out, it == r.cols.end() ? qint16(0) : it->second);
            }
        }
        return out;
    }

private:
    static void put(QByteArray &out, qint16 v)
    {
        out.append(char(quint16(v) & 0xFF));
        out.append(char(quint16(v) >> 8));
    }

    std::vector<Row> m_rows;
    qint16 m_count = 0;
    bool m_countSet = false;
};
