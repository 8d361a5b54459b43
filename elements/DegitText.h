#pragma once

#include <QString>
#include <QVariant>

// What a numeric cell lights, worked out from its value and modes before any
// painting. A value is a QVariant: invalid (empty), a number, or a text.
// Only a number counts as 0 or -1 in the zero handling: a text such as "0"
// or "-1" stays the text it is.
namespace DegitText {

// The value after the zero handling of ZeroMode 0..3; any other mode leaves it.
QVariant zeroHandled(const QVariant &value, int zeroMode);

// Zero handling, zero filling and the Shift blanks, as one text.
QString working(const QVariant &value, int zeroMode, int fillZero, int shift);

// M_Degit: the rightmost Keta characters (all of them when shorter).
QString forDegit(const QVariant &value, int zeroMode, int fillZero, int shift, int keta);

// M_DegitEm: exactly Keta characters, right-aligned with leading spaces.
QString forDegitEm(const QVariant &value, int zeroMode, int fillZero, int shift, int keta);

} // namespace DegitText
