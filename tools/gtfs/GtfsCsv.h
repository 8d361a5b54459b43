#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <deque>
#include <vector>

// One table of a GTFS feed as comma-separated UTF-8 text: a header line of
// column names, then one record a line. Fields may be quoted (and then hold
// commas, line breaks and doubled quotes); lines end in LF or CR LF. Real
// feeds are untidy: a byte-order mark, blanks around names and values, empty
// lines and columns in any order are all taken.
class GtfsCsv
{
public:
    // The bytes must outlive the reader: fields point into them.
    explicit GtfsCsv(QByteArrayView bytes);

    // The index of a column named in the header, or -1.
    int column(QByteArrayView name) const;

    // Moves to the next record with a field that is not empty; false at the end, or on a
    // record that cannot be read (error() then says why).
    bool next();

    // A field of the current record without its quotes and surrounding blanks;
    // empty for a column that is missing (-1) or that the record lacks.
    QByteArrayView field(int column) const;

    int line() const { return m_recordLine; } // 1-based line where the current record starts
    int headerLine() const { return m_headerLine; }
    const QString &error() const { return m_error; }

private:
    bool readRecord();

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_recordLine = 0;
    int m_headerLine = 1;
    QString m_error;
    std::vector<QByteArray> m_header;
    std::vector<QByteArrayView> m_fields;
    std::deque<QByteArray> m_unquoted; // fields that needed their doubled quotes undone
};
