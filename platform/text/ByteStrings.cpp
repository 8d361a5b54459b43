#include "ByteStrings.h"

#include "Cp932.h"

int LenB_ASCII(const QString &text)
{
    return int(Cp932::encode(text).size());
}

QString MidB_ASCII(const QString &text, int start, int count)
{
    const QByteArray bytes = Cp932::encode(text);
    const qsizetype first = qMax(start, 1) - 1;
    if (first >= bytes.size() || count <= 0)
        return QString();
    const qsizetype end = qMin<qsizetype>(bytes.size(), first + qsizetype(count));

    // Walk the characters from the beginning: only there are the lead and
    // trail bytes told apart with certainty.
    QByteArray out;
    out.reserve(end - first);
    qsizetype i = 0;
    while (i < end) {
        const qsizetype width = (Cp932::isLeadByte(quint8(bytes[i])) && i + 1 < bytes.size()) ? 2 : 1;
        const qsizetype from = qMax(i, first);
        const qsizetype to = qMin(i + width, end);
        if (from < to) {
            if (to - from == width)
                out.append(bytes.constData() + i, width);
            else
                out.append(to - from, ' ');
        }
        i += width;
    }
    return Cp932::decode(out);
}
