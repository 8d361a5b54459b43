#include "DegitText.h"

#include "VariantNumber.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace DegitText {

namespace {

bool isEmptyText(const QVariant &value)
{
    return !value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

bool isNumberOf(const QVariant &value, double n)
{
    return isNumber(value) && value.toDouble() == n;
}

std::optional<double> numericValue(const QVariant &value)
{
    if (isNumber(value))
        return value.toDouble();
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    bool ok = false;
    const double d = value.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

QString plainText(const QVariant &value)
{
    if (!value.isValid())
        return {};
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        const double d = value.toDouble();
        if (d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<qlonglong>(d));
        return QString::number(d, 'g', 15);
    }
    return value.toString();
}

// A number rounded half away from zero, padded with zeros to at least `places` digits.
QString zeroFilled(double d, int places)
{
    if (std::fabs(d) >= 1e18)
        return QString::number(d, 'g', 15);
    const long long n = std::llround(d);
    QString digits = QString::number(n < 0 ? -n : n).rightJustified(places, QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

QVariant zeroHandled(const QVariant &value, int zeroMode)
{
    const bool zero = isNumberOf(value, 0);
    const bool minusOne = isNumberOf(value, -1);
    const bool empty = isEmptyText(value);
    switch (zeroMode) {
    case 0:
        return zero || empty ? QVariant(QString()) : value;
    case 1:
        return zero || empty ? QVariant(qint16(0)) : value;
    case 2:
        if (minusOne)
            return QVariant(qint16(0));
        return zero ? QVariant(QString()) : value;
    case 3:
        return minusOne || zero || empty ? QVariant(qint16(0)) : value;
    default:
        return value;
    }
}

QString working(const QVariant &value, int zeroMode, int fillZero, int shift)
{
    const QVariant v = zeroHandled(value, zeroMode);
    QString text = plainText(v);
    if (fillZero != 0) {
        if (const std::optional<double> d = numericValue(v))
            text = zeroFilled(*d, std::max(fillZero, 0));
    }
    if (shift >= 1)
        text += QString(shift, QLatin1Char(' '));
    return text;
}

QString forDegit(const QVariant &value, int zeroMode, int fillZero, int shift, int keta)
{
    return working(value, zeroMode, fillZero, shift).right(std::max(keta, 0));
}

QString forDegitEm(const QVariant &value, int zeroMode, int fillZero, int shift, int keta)
{
    const QString text = working(value, zeroMode, fillZero, shift);
    const int places = std::max(keta, 0);
    if (places <= text.size())
        return text.right(places);
    return QString(places - text.size(), QLatin1Char(' ')) + text;
}

} // namespace DegitText
