#pragma once

#include <QByteArray>
#include <QtEndian>

// A format-0 standard MIDI file of `count` piano notes one after another, each
// held for noteMs with `keys` keys struck at once; with a count of 0 it has
// no notes at all. One tick is one millisecond.
inline QByteArray midiNotes(int count, int noteMs, int keys = 1)
{
    QByteArray track;
    auto delta = [&track](quint32 v) {
        QByteArray bytes(1, char(v & 0x7F));
        while (v >>= 7)
            bytes.prepend(char(0x80 | (v & 0x7F)));
        track += bytes;
    };
    delta(0);
    track += QByteArray::fromHex("ff51030f4240"); // 1,000,000 us a quarter note
    for (int n = 0; n < count; ++n) {
        for (int k = 0; k < keys; ++k) {
            delta(0);
            track += char(0x90) + QByteArray(1, char(48 + (n + 4 * k) % 40)) + char(0x60);
        }
        for (int k = 0; k < keys; ++k) {
            delta(k == 0 ? quint32(noteMs) : 0);
            track += char(0x80) + QByteArray(1, char(48 + (n + 4 * k) % 40)) + char(0x00);
        }
    }
    delta(0);
    track += QByteArray::fromHex("ff2f00");

    auto be32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToBigEndian(v, b.data());
        return b;
    };
    // Format 0, one track, 1000 ticks a quarter note.
    return "MThd" + be32(6) + QByteArray::fromHex("0000000103e8") + "MTrk" + be32(quint32(track.size()))
        + track;
}
