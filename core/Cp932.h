#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Code page 932 (Shift-JIS as Windows writes it): the encoding of every text in
// the route files, the settings file and the announcement files.
namespace Cp932 {

// True when the converter is available in this Qt build.
bool isAvailable();

// A character that code page 932 cannot hold is written as a single '?'.
QByteArray encode(QStringView text);

// Bytes that do not form a character decode as U+FFFD; ok, when given, says
// whether every byte was part of a character.
QString decode(QByteArrayView bytes, bool *ok = nullptr);

// True when the bytes are a lead byte of a double-byte character.
constexpr bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

} // namespace Cp932
