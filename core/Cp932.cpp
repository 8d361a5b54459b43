#include "Cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
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

// Windows gives five single bytes that its table leaves out characters of
// their own, so that any byte string comes back as it was; the ICU table
// turns them into a substitute instead.
constexpr struct
{
    unsigned char byte;
    char16_t character;
} kSingles[] = {{0x80, 0x0080}, {0xA0, 0xF8F0}, {0xFD, 0xF8F1}, {0xFE, 0xF8F2}, {0xFF, 0xF8F3}};

std::optional<char16_t> singleCharacter(unsigned char b)
{
    for (const auto &s : kSingles) {
        if (s.byte == b)
            return s.character;
    }
    return std::nullopt;
}

std::optional<char> singleByte(QChar c)
{
    for (const auto &s : kSingles) {
        if (s.character == c.unicode())
            return char(s.byte);
    }
    return std::nullopt;
}

bool isLead(char b)
{
    return Cp932::isLeadByte(static_cast<unsigned char>(b));
}

bool isTrail(char b)
{
    const auto u = static_cast<unsigned char>(b);
    return (u >= 0x40 && u <= 0x7E) || (u >= 0x80 && u <= 0xFC);
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
    const bool singles =
        std::any_of(text.begin(), text.end(), [](QChar c) { return singleByte(c).has_value(); });
    if (!all.hasError() && !singles)
        return whole;

    // ICU writes FC FC for what it cannot map; go character by character so
    // that each such character becomes one '?'.
    QByteArray out;
    out.reserve(whole.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (const std::optional<char> b = singleByte(text[i])) {
            out.append(*b);
            ++i;
            continue;
        }
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
    // The runs between single bytes of Windows' own go to the converter. A
    // byte after a lead byte is that character's second half, never single.
    QString out;
    bool good = true;
    qsizetype start = 0;
    auto flush = [&](qsizetype end) {
        if (end > start) {
            QStringDecoder &d = decoder();
            out += d(bytes.sliced(start, end - start));
            good = good && !d.hasError();
        }
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (isLead(bytes[i]) && i + 1 < bytes.size() && isTrail(bytes[i + 1])) {
            ++i;
            continue;
        }
        if (const std::optional<char16_t> c = singleCharacter(static_cast<unsigned char>(bytes[i]))) {
            flush(i);
            out += QChar(*c);
            start = i + 1;
        }
    }
    flush(bytes.size());
    if (ok)
        *ok = good;
    return out;
}

} // namespace Cp932
