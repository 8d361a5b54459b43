#pragma once

#include <QByteArrayView>
#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPainter;

// What a ticket plug-in tells of itself: fourteen 32-bit fields, sizes in twips.
struct PlgInfo
{
    qint32 Reserved = 0;
    qint32 PrevWidth = 0;
    qint32 PrevHeight = 0;
    qint32 CanDate = 0; // 1 = prints it; any other value = does not
    qint32 CanTime = 0;
    qint32 CanKeito = 0;
    qint32 CanChimei = 0;
    qint32 CanBarcode = 0;
    qint32 BarcodeCount = 0;
    qint32 KeitoMax = 0;
    qint32 BarcodeKeitoMode = 0; // 1 = routes numbered in series
    qint32 StopRangeFrom = 0;
    qint32 StopRangeTo = 0;
    qint32 CorpCount = 0;
};

// A text with fields in braces, "{stop}" or "{route:3}", read once when the plug-in is.
struct TicketTemplate
{
    enum Field { Literal, Date, Time, Route, Stop, Ticket, Row, Company };
    struct Part
    {
        Field field = Literal;
        QString text; // the literal, or the field's format
    };
    std::vector<Part> parts;
};

// What one ticket shows, as the board refresh hands it over.
struct TicketFields
{
    QString stop;
    QString date; // mm-dd-yyyy, or the fixed date's yyyy/mm/dd
    QString time; // hh:mm:ss
    qint32 route = 0;
    qint16 ticket = 0;
    qint16 row = 0;
    QString company;
};

struct TicketItem
{
    enum Kind { Text, Line, Rect, Barcode };
    enum Symbology { Nw7, Itf, Code128 };
    Kind kind = Text;
    QRectF box;     // twips; a line runs from its top left to its bottom right
    qreal pen = 15; // line and frame width, twips
    QColor color = Qt::black;
    // Text
    TicketTemplate text;
    qreal points = 10;
    bool bold = false;
    Qt::Alignment align = Qt::AlignLeft;
    QString family;
    // Rect
    bool fill = false;
    // Barcode
    Symbology symbology = Nw7;
    bool readable = false; // the data printed under the bars
};

struct TicketDesign
{
    PlgInfo info;
    QString remarks;
    QStringList companies;
    QColor paper = Qt::white;
    std::vector<TicketItem> items;
};

namespace TicketPlugin {

constexpr qsizetype MaxFileBytes = 256 * 1024;
// The preview's room on the panel, in twips.
constexpr int MaxWidth = 3495;
constexpr int MaxHeight = 1890;

// A plug-in document read and checked; none when it is not a usable plug-in.
std::optional<TicketDesign> read(QByteArrayView bytes);
// The file at path (.4SP in any letter case, at most MaxFileBytes), read.
std::optional<TicketDesign> load(const QString &path);

std::optional<TicketTemplate> parseTemplate(const QString &text);
QString expand(const TicketTemplate &t, const TicketFields &fields);

// Draws the ticket over the whole of the painter's device.
void draw(const TicketDesign &design, QPainter &painter, const TicketFields &fields);

} // namespace TicketPlugin
