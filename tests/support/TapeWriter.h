#pragma once

#include "Cp932.h"
#include "TapeFile.h"

#include <QList>

// An announcement file as the tape reads it: each text quoted, code page 932,
// CR LF line ends.
inline QByteArray tapeFile(const QList<TapeEntry> &entries, const QByteArray &lineEnd = "\r\n")
{
    QByteArray out;
    for (const TapeEntry &e : entries) {
        out += '"' + Cp932::encode(e.Text) + '"';
        out += ',' + QByteArray::number(e.AdvanceFlag) + ',' + QByteArray::number(e.SoundFlag) + lineEnd;
    }
    return out;
}
