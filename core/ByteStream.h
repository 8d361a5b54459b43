#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

// Little-endian readers and writers for the program's binary files.
//
// The reader never reads past its end: a value that runs past the end is
// made of the bytes that are there followed by zeros, and short() tells that
// it happened. Callers that must refuse short files check it; the settings
// file relies on the zero filling.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView bytes)
        : m_bytes(bytes)
    {
    }

    qint16 int16() { return qint16(unsignedValue(2)); }
    quint16 uint16() { return quint16(unsignedValue(2)); }
    qint32 int32() { return qint32(unsignedValue(4)); }

    // At most count bytes: fewer when the data ends first.
    QByteArrayView bytes(qsizetype count);

    // A 16-bit byte count followed by that many code page 932 bytes; a count
    // that runs past the end takes what is there.
    QString text();

    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    bool isShort() const { return m_short; }

private:
    quint32 unsignedValue(int size);

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_short = false;
};

class ByteWriter
{
public:
    static constexpr qsizetype MaxTextBytes = 0xFFFF;

    void int16(qint16 v) { unsignedValue(quint16(v), 2); }
    void int32(qint32 v) { unsignedValue(quint32(v), 4); }
    // Code page 932 bytes after a 16-bit count. A text longer than the count
    // can hold is cut at the last whole character that fits.
    void text(const QString &v);

    const QByteArray &data() const { return m_data; }

private:
    void unsignedValue(quint32 v, int size);

    QByteArray m_data;
};
