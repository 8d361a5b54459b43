// Drawing a ticket plug-in's design.
#include "TicketPlugin.h"

#include <QFontMetricsF>
#include <QPainter>

#include <zint.h>

#include <memory>

namespace {

// The plug-in's short names for the program's own faces; any other name is a family.
QString familyOf(const QString &name)
{
    if (name == QLatin1String("gothic"))
        return QStringLiteral("ＭＳ ゴシック");
    if (name == QLatin1String("pgothic"))
        return QStringLiteral("ＭＳ Ｐゴシック");
    if (name == QLatin1String("mincho"))
        return QStringLiteral("ＭＳ 明朝");
    return name;
}

// A text in its box, centred on the box's height; squeezed sideways when it
// is wider than the box, as a ticket printer narrows a long stop name.
void drawText(QPainter &painter, const TicketItem &item, const QString &text)
{
    if (text.isEmpty())
        return;
    QFont font(familyOf(item.family));
    font.setPixelSize(std::max(1, qRound(item.points * 20))); // twips to the point
    font.setBold(item.bold);
    painter.setFont(font);
    painter.setPen(item.color);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    const QRectF box = item.box;
    painter.save();
    if (advance > box.width()) {
        const qreal squeeze = box.width() / advance;
        painter.translate(box.left(), 0);
        painter.scale(squeeze, 1);
        painter.drawText(QRectF(0, box.top(), advance, box.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
        painter.drawText(box, item.align | Qt::AlignVCenter, text);
    }
    painter.restore();
}

struct ZintDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

int zintSymbology(TicketItem::Symbology symbology)
{
    switch (symbology) {
    case TicketItem::Nw7:
        return BARCODE_CODABAR;
    case TicketItem::Itf:
        return BARCODE_C25INTER;
    case TicketItem::Code128:
        return BARCODE_CODE128;
    }
    return BARCODE_CODE128;
}

constexpr int QuietZoneModules = 10;

// The bars zint lays out for the data, stretched over the item's box. Data the
// symbology refuses draws nothing: the ticket goes out without its code.
void drawBarcode(QPainter &painter, const TicketItem &item, const QString &data)
{
    const std::unique_ptr<zint_symbol, ZintDeleter> symbol(ZBarcode_Create());
    if (!symbol || data.isEmpty())
        return;
    symbol->symbology = zintSymbology(item.symbology);
    symbol->input_mode = DATA_MODE;
    symbol->show_hrt = item.readable ? 1 : 0;
    // A scanner finds the code by the blank before and after it: ten narrow
    // bars' width on each side, part of what is stretched over the box.
    symbol->whitespace_width = QuietZoneModules;
    const QByteArray bytes = data.toLatin1();
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()),
                        int(bytes.size()))
            >= ZINT_ERROR
        || ZBarcode_Buffer_Vector(symbol.get(), 0) >= ZINT_ERROR || !symbol->vector)
        return;
    const zint_vector &vector = *symbol->vector;
    if (vector.width <= 0 || vector.height <= 0)
        return;
    painter.save();
    painter.translate(item.box.topLeft());
    painter.scale(item.box.width() / vector.width, item.box.height() / vector.height);
    for (const zint_vector_rect *r = vector.rectangles; r; r = r->next)
        painter.fillRect(QRectF(r->x, r->y, r->width, r->height), item.color);
    for (const zint_vector_string *s = vector.strings; s; s = s->next) {
        QFont font(QStringLiteral("ＭＳ ゴシック"));
        font.setPixelSize(std::max(1, qRound(s->fsize)));
        painter.setFont(font);
        painter.setPen(item.color);
        const QString text = QString::fromLatin1(reinterpret_cast<const char *>(s->text), s->length);
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        // x is the text's centre and y its baseline.
        painter.drawText(QPointF(s->x - width / 2, s->y), text);
    }
    painter.restore();
}

} // namespace

void TicketPlugin::draw(const TicketDesign &design, QPainter &painter, const TicketFields &fields)
{
    const QPaintDevice *device = painter.device();
    if (!device || design.info.PrevWidth <= 0 || design.info.PrevHeight <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The design is laid out in twips over the whole ticket.
    painter.scale(device->width() / qreal(design.info.PrevWidth),
                  device->height() / qreal(design.info.PrevHeight));
    painter.fillRect(QRectF(0, 0, design.info.PrevWidth, design.info.PrevHeight), design.paper);
    for (const TicketItem &item : design.items) {
        switch (item.kind) {
        case TicketItem::Text:
            drawText(painter, item, expand(item.text, fields));
            break;
        case TicketItem::Line:
            painter.setPen(QPen(item.color, item.pen, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(item.box.topLeft(), item.box.bottomRight());
            break;
        case TicketItem::Rect:
            if (item.fill)
                painter.fillRect(item.box, item.color);
            if (item.pen > 0) {
                painter.setPen(QPen(item.color, item.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                painter.setBrush(Qt::NoBrush);
                const qreal half = item.pen / 2;
                painter.drawRect(item.box.adjusted(half, half, -half, -half));
            }
            break;
        case TicketItem::Barcode:
            drawBarcode(painter, item, expand(item.text, fields));
            break;
        }
    }
    painter.restore();
}
