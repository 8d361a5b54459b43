#pragma once

#include <QByteArrayView>
#include <QString>

// Text files that people save from either kind of editor: Shift-JIS (code
// page 932) as Japanese Windows writes it, or UTF-8.
namespace TextFile {

enum class Encoding { Utf8, Cp932 };

// Bytes that are valid UTF-8 (a byte-order mark is allowed) and hold any byte
// beyond ASCII are UTF-8; all others are code page 932.
Encoding detect(QByteArrayView bytes);

// True when no byte is beyond ASCII: either encoding reads it the same.
bool isAscii(QByteArrayView bytes);

// The bytes after a UTF-8 byte-order mark, or all of them when there is none.
QByteArrayView withoutBom(QByteArrayView bytes);

// "UTF-8" or "code page 932", for messages.
QString name(Encoding encoding);

struct Decoded
{
    QString text;      // without a UTF-8 byte-order mark
    Encoding encoding; // what it was read as
    bool ok = true;    // false when some bytes formed no character (they read as U+FFFD)
};

// Text of ASCII alone is read as ASCII.
Decoded decode(QByteArrayView bytes);

// Decodes a part of a file whose encoding is already known.
QString decodePart(QByteArrayView bytes, Encoding encoding, bool *ok = nullptr);

} // namespace TextFile
