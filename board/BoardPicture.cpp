#include "BoardPicture.h"

#include "BoardLayout.h"
#include "Twips.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace BoardPicture {

namespace {

const QColor Rim(0x4a, 0x4a, 0x4a);
const QColor RimLight(0x78, 0x78, 0x78);
const QColor FaceTop(0xdc, 0xdc, 0xd8);
const QColor FaceBottom(0xc6, 0xc6, 0xc2);
const QColor Ink(0x22, 0x22, 0x22);
const QColor Strip(0x1e, 0x1e, 0x1e);
const QColor BoxBezel(0x3c, 0x3c, 0x3c);
const QColor BoxFace(0x80, 0x80, 0x80);
const QColor DimEight(0x96, 0x96, 0x96);

QFont printFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void drawFace(QPainter &p)
{
    const QRectF outer(0.5, 0.5, Width - 1.0, Height - 1.0);
    QLinearGradient rim(0, 0, 0, Height);
    rim.setColorAt(0, RimLight);
    rim.setColorAt(1, Rim);
    p.setPen(QPen(QColor(0x2a, 0x2a, 0x2a), 1));
    p.setBrush(rim);
    p.drawRoundedRect(outer, 12, 12);

    const QRectF face = outer.adjusted(5, 5, -5, -5);
    QLinearGradient grey(0, face.top(), 0, face.bottom());
    grey.setColorAt(0, FaceTop);
    grey.setColorAt(1, FaceBottom);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(grey);
    p.drawRoundedRect(face, 8, 8);
    // A bevel: light along the top and left, shade along the bottom and right.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1));
    p.drawRoundedRect(face.adjusted(1, 1, -1, -1), 7, 7);
}

void drawStrip(QPainter &p)
{
    const QRect chimei = twipsRect(BoardLayout::Chimei.left, BoardLayout::Chimei.top,
                                   BoardLayout::ChimeiWidth, BoardLayout::ChimeiHeight);
    const QRectF strip = QRectF(chimei).adjusted(-9, -11, 9, 11);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1));
    p.setBrush(Strip);
    p.drawRoundedRect(strip, 4, 4);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(strip.adjusted(1, 1, -1, -1), 3, 3);
}

// Text written top to bottom, one character under the other.
void drawVertical(QPainter &p, const QString &text, const QFont &font, qreal centreX, qreal top, qreal step)
{
    p.setFont(font);
    for (int i = 0; i < text.size(); ++i) {
        const QRectF box(centreX - step / 2, top + i * step, step, step);
        p.drawText(box, Qt::AlignCenter, text.mid(i, 1));
    }
}

void drawPrint(QPainter &p)
{
    p.setPen(Ink);
    const QRect firstLabel = twipsRect(BoardLayout::Label[1].left, BoardLayout::Label[1].top,
                                       BoardLayout::LabelWidth, BoardLayout::LabelHeight);
    const QRect firstCell = twipsRect(BoardLayout::Cell[1].left, BoardLayout::Cell[1].top,
                                      BoardLayout::CellWidth, BoardLayout::CellHeight);
    const QRect lastCell = twipsRect(BoardLayout::Cell[19].left, BoardLayout::Cell[19].top,
                                     BoardLayout::CellWidth, BoardLayout::CellHeight);
    // The column left of the grid, between the strip and the first cells.
    const qreal left = 88;
    const qreal right = firstCell.left() - 4;
    const qreal centre = (left + right) / 2;

    p.setFont(printFont(12, true));
    p.drawText(QRectF(left, firstLabel.top(), right - left, firstLabel.height()), Qt::AlignCenter,
               QStringLiteral("整理券"));

    const qreal big = 34;
    const qreal small = 14;
    const qreal column = 2 * big + 2 * small + 4;
    const qreal top = firstCell.top() + (lastCell.bottom() - firstCell.top() - column) / 2;
    drawVertical(p, QStringLiteral("運賃"), printFont(30, true), centre, top, big);
    drawVertical(p, QStringLiteral("まで"), printFont(12, true), centre, top + 2 * big + 4, small);

    // The notice at the top right.
    const QRectF notice(300, 27, 224, 38);
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(notice.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setFont(printFont(12, true));
    p.drawText(notice.adjusted(4, 3, -4, -notice.height() / 2), Qt::AlignCenter,
               QStringLiteral("小児運賃は大人の半額です"));
    p.setFont(printFont(11, false));
    p.drawText(notice.adjusted(4, notice.height() / 2 - 1, -4, -3), Qt::AlignCenter,
               QStringLiteral("５円の端数は１０円に切り上げます"));
}

void drawBoxes(QPainter &p)
{
    QFont segments(QStringLiteral("M_DegitA"));
    segments.setPixelSize(17);
    segments.setBold(true);
    for (int k = 1; k <= BoardLayout::CellCount; ++k) {
        const QRect cell = twipsRect(BoardLayout::Cell[k].left, BoardLayout::Cell[k].top,
                                     BoardLayout::CellWidth, BoardLayout::CellHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(BoxBezel);
        p.drawRoundedRect(QRectF(cell).adjusted(-2, -2, 2, 2), 2, 2);
        p.setBrush(BoxFace);
        p.drawRect(cell);
        p.setPen(DimEight);
        p.setFont(segments);
        p.drawText(QRectF(cell).adjusted(2, 1, -3, -1), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("8888"));
    }
}

} // namespace

QImage draw(qreal zoom, qreal devicePixelRatio)
{
    const qreal dpr = std::max<qreal>(devicePixelRatio, 1.0);
    const qreal scale = std::max<qreal>(zoom, 0.1);
    QImage image(qRound(Width * scale * dpr), qRound(Height * scale * dpr),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawFace(p);
    drawStrip(p);
    drawPrint(p);
    drawBoxes(p);
    return image;
}

} // namespace BoardPicture
