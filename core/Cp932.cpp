#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace {

constexpr auto kName = "windows-31j";

// Opening an ICU converter costs more than converting a stop name, so each
// thread keeps one of each. An error sticks to a converter, so one that has
// failed is opened anew, in place: the ICU converter keeps a pointer to its
// Qt state, so a converter must never be moved or assigned.
QStringEncoder &encoder()
{
    thread_local std::optional<QStringEncoder> e;
    if (!e || e->hasError())
        e.emplace(kName, QStringConverter::Flag::Stateless);
    return *e;
}

QStringDecoder &decoder()
{
    thread_local std::optional<QStringDecoder> d;
    if (!d || d->hasError())
        d.emplace(kName, QStringConverter::Flag::Stateless);
    return *d;
}

} // namespace

namespace Cp932 {

bool isAvailable()
{
    return encoder().isValid() && decoder().isValid();
}

QByteArray encode(QStringView text)
{
    QStringEncoder &all = encoder();
    QByteArray whole = all(text);
    if (!all.hasError())
        return whole;

    // ICU writes FC FC for what it cannot map; go character by character so
    // that each such character becomes one '?'.
    QByteArray out;
    out.reserve(whole.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype len =
            (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        QStringEncoder &one = encoder();
        const QByteArray bytes = one(text.mid(i, len));
        if (one.hasError() || bytes.isEmpty())
            out.append('?');
        else
            out.append(bytes);
        i += len;
    }
    return out;
}

QString decode(QByteArrayView bytes, bool *ok)
{
    QStringDecoder &d = decoder();
    QString text = d(bytes);
    if (ok)
        *ok = !d.hasError();
    return text;
}

} // namespace Cp932
