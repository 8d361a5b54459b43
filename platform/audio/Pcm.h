#pragma once

#include <QByteArray>
#include <QString>

// A sound decoded ahead of playing.
struct Pcm
{
    QByteArray samples; // signed 16-bit, native byte order, interleaved
    int rate = 0;
    int channels = 0;
    QString error; // empty on success
    bool ok() const { return error.isEmpty(); }
};
