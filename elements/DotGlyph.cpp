#include "DotGlyph.h"

#include "Cp932.h"
#include "Fonts.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace DotGlyph {

namespace {

// Brackets, arrows and signs that stand across the line in vertical writing.
const std::array<QStringView, 26> &laidOnSide()
{
    static const std::array<QStringView, 26> cells{
        u"（", u"）", u"『", u"』", u"〔", u"〕", u"「", u"」", u"［", u"］", u"＜", u"＞", u"｛",
        u"｝", u"〈", u"〉", u"《", u"》", u"【", u"】", u"～", u"＝", u"→",  u"←",  u"⇒",  u"⇔",
    };
    return cells;
}

// Codes as signed 16-bit numbers: &H889F, the first kanji, and the full-width
// digits and Latin letters &H824F..&H829A.
constexpr int FirstKanji = -30561;
constexpr int FirstAlnum = -32177;
constexpr int LastAlnum = -32102;

} // namespace

int effectiveFontMode(int FontMode)
{
    return FontMode >= 0 && FontMode <= 4 ? FontMode : 0;
}

Treatment treatment(const QString &cell, int FontMode)
{
    Treatment t;
    t.text = cell;
    if (cell == u"ー") {
        // The long sound mark runs down the line in vertical writing.
        t.text = QStringLiteral("丨");
    } else if (cell == u"申" || cell == u"山") {
        // The unit nudges these two a pixel right in the gothic face.
        t.offsetX = effectiveFontMode(FontMode) == 0 ? 1 : 0;
    } else if (std::find(laidOnSide().begin(), laidOnSide().end(), QStringView(cell)) != laidOnSide().end()) {
        t.laidOnSide = true;
    } else if (cell == u"。" || cell == u"、") {
        // Vertical writing sets them in the upper right corner of the cell.
        t.offsetX = 10;
        t.offsetY = -10;
    }
    return t;
}

qint16 code(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const qsizetype length = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    const QByteArray bytes = Cp932::encode(QStringView(text).left(length));
    if (bytes.size() >= 2)
        return qint16(quint16((quint8(bytes[0]) << 8) | quint8(bytes[1])));
    return bytes.isEmpty() ? 0 : qint16(quint8(bytes[0]));
}

Face face(int FontMode, qint16 k)
{
    switch (effectiveFontMode(FontMode)) {
    case 1:
        return Face::Mincho;
    case 2:
        return k >= FirstKanji ? Face::Gothic : Face::Mincho;
    case 3:
        return k < FirstKanji ? Face::Gothic : Face::Mincho;
    case 4:
        return k >= FirstAlnum && k <= LastAlnum ? Face::Gothic : Face::Mincho;
    default:
        return Face::Gothic;
    }
}

QString faceName(Face face)
{
    return face == Face::Mincho ? QStringLiteral("ＭＳ 明朝") : QStringLiteral("ＭＳ ゴシック");
}

QFont font(Face face, bool FontBold)
{
    // The face names stand for IPA faces; map them before the first glyph.
    static const bool mapped = (installFontSubstitutions(), true);
    Q_UNUSED(mapped);
    QFont f(faceName(face));
    f.setPixelSize(CellSize);
    f.setStyleStrategy(QFont::NoAntialias);
    // Qt drops hinting when the screens are scaled, and unhinted strokes fall
    // across two pixels, which here means two dots. The glyph cell is not on a
    // screen at all: it keeps the light hinting of the usual desktop default.
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setBold(FontBold);
    return f;
}

void render(QImage &cell, const QString &text, Face face, bool FontBold, int offsetX, int offsetY)
{
    cell.fill(Qt::white);
    if (text.isEmpty())
        return;
    QPainter painter(&cell);
    painter.setFont(font(face, FontBold));
    painter.setPen(Qt::black);
    painter.drawText(offsetX, offsetY + Baseline, text);
}

} // namespace DotGlyph
