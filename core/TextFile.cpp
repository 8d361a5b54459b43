#include "TextFile.h"

#include "Cp932.h"

#include <QStringDecoder>

namespace TextFile {

bool isAscii(QByteArrayView bytes)
{
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80)
            return false;
    }
    return true;
}

Encoding detect(QByteArrayView bytes)
{
    return !isAscii(bytes) && bytes.isValidUtf8() ? Encoding::Utf8 : Encoding::Cp932;
}

QByteArrayView withoutBom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

QString name(Encoding encoding)
{
    return encoding == Encoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("code page 932");
}

QString decodePart(QByteArrayView bytes, Encoding encoding, bool *ok)
{
    if (encoding == Encoding::Cp932)
        return Cp932::decode(bytes, ok);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (ok)
        *ok = !utf8.hasError();
    return text;
}

Decoded decode(QByteArrayView bytes)
{
    Decoded d;
    // The converter swaps three control characters (1A, 1C, 7F) as IBM's code
    // pages do; text that is ASCII alone is read as what it plainly is.
    if (isAscii(bytes)) {
        d.encoding = Encoding::Cp932;
        d.text = QString::fromLatin1(bytes);
        return d;
    }
    d.encoding = detect(bytes);
    if (d.encoding == Encoding::Utf8)
        bytes = withoutBom(bytes);
    d.text = isAscii(bytes) ? QString::fromLatin1(bytes) : decodePart(bytes, d.encoding, &d.ok);
    return d;
}

} // namespace TextFile
