#include "ByteStream.h"

#include "Cp932.h"

quint32 ByteReader::unsignedValue(int size)
{
    quint32 v = 0;
    for (int i = 0; i < size; ++i) {
        if (m_pos < m_bytes.size())
            v |= quint32(quint8(m_bytes[m_pos++])) << (8 * i);
        else
            m_short = true;
    }
    return v;
}

QByteArrayView ByteReader::bytes(qsizetype count)
{
    const qsizetype n = qMin(count, remaining());
    if (n < count)
        m_short = true;
    const QByteArrayView out = m_bytes.sliced(m_pos, n);
    m_pos += n;
    return out;
}

QString ByteReader::text()
{
    const quint16 length = uint16();
    return Cp932::decode(bytes(length));
}

void ByteWriter::unsignedValue(quint32 v, int size)
{
    for (int i = 0; i < size; ++i)
        m_data.append(char((v >> (8 * i)) & 0xFF));
}

void ByteWriter::text(const QString &v)
{
    const QByteArray cp932 = Cp932::encode(v);
    qsizetype n = cp932.size();
    if (n > MaxTextBytes) {
        // Walk whole characters so that the cut never leaves half of one.
        qsizetype i = 0;
        while (i < MaxTextBytes) {
            const qsizetype step = Cp932::isLeadByte(quint8(cp932[i])) ? 2 : 1;
            if (i + step > MaxTextBytes)
                break;
            i += step;
        }
        n = i;
    }
    unsignedValue(quint32(n), 2);
    m_data.append(cp932.first(n));
}
