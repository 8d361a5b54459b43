#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr auto kName = "windows-31j";

QStringEncoder makeEncoder()
{
    return QStringEncoder(kName, QStringConverter::Flag::Stateless);
}

} // namespace

namespace Cp932 {

bool isAvailable()
{
    return makeEncoder().isValid() && QStringDecoder(kName, QStringConverter::Flag::Stateless).isValid();
}

QByteArray encode(QStringView text)
{
    QStringEncoder encoder = makeEncoder();
    QByteArray whole = encoder(text);
    if (!encoder.hasError())
        return whole;

    // ICU writes FC FC for what it cannot map; go character by character so
    // that each such character becomes one '?'.
    QByteArray out;
    out.reserve(whole.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ? 2
            : 1;
        QStringEncoder one = makeEncoder();
        const QByteArray bytes = one(text.mid(i, len));
        if (one.hasError() || bytes.isEmpty())
            out.append('?');
        else
            out.append(bytes);
        i += len;
    }
    return out;
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder decoder(kName, QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

} // namespace Cp932
