// Reading a ticket plug-in: a JSON document that describes a ticket, never
// code. Anything the document gets wrong makes it no usable plug-in at all,
// so a ticket designer learns of a typo at once, not from a half-drawn ticket.
#include "TicketPlugin.h"

#include "FilePaths.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <limits>

namespace {

constexpr auto FormatTag = "109-ticket-plugin";
constexpr int FormatVersion = 1;
constexpr int MaxItems = 256;
constexpr int MaxCompanies = 64;
constexpr int MaxTemplateChars = 200;
constexpr int MaxNameChars = 64;
constexpr int MaxRemarksChars = 4000;
constexpr int MaxFlag = 9;
constexpr int MaxPoints = 200;
constexpr int MaxPen = 300;

struct Invalid
{
};

// The checks of one object's members; each throws Invalid on a fault.
class Members
{
public:
    explicit Members(const QJsonValue &value)
    {
        if (!value.isObject())
            throw Invalid{};
        m_object = value.toObject();
    }

    bool has(const char *key) const { return m_object.contains(QLatin1String(key)); }

    qint32 integer(const char *key, qint64 low, qint64 high) const
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (v.isBool() && low <= 0 && high >= 1)
            return v.toBool() ? 1 : 0;
        if (!v.isDouble())
            throw Invalid{};
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
            throw Invalid{};
        return qint32(d);
    }
    qint32 integer(const char *key, qint64 low, qint64 high, qint32 otherwise) const
    {
        return has(key) ? integer(key, low, high) : otherwise;
    }

    QString text(const char *key, int maxChars) const
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isString() || v.toString().size() > maxChars)
            throw Invalid{};
        return v.toString();
    }
    QString text(const char *key, int maxChars, const QString &otherwise) const
    {
        return has(key) ? text(key, maxChars) : otherwise;
    }

    bool flag(const char *key, bool otherwise) const
    {
        if (!has(key))
            return otherwise;
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isBool())
            throw Invalid{};
        return v.toBool();
    }

    QColor color(const char *key, QColor otherwise) const
    {
        if (!has(key))
            return otherwise;
        const QString name = text(key, 7);
        // "#RRGGBB" only: QColor would also take names and other forms.
        if (name.size() != 7 || !name.startsWith(QLatin1Char('#')))
            throw Invalid{};
        for (qsizetype i = 1; i < name.size(); ++i) {
            const char16_t c = name[i].toLower().unicode();
            if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
                throw Invalid{};
        }
        return QColor::fromString(name);
    }

    QJsonArray array(const char *key, int maxCount) const
    {
        const QJsonValue v = m_object.value(QLatin1String(key));
        if (!v.isArray() || v.toArray().size() > maxCount)
            throw Invalid{};
        return v.toArray();
    }

    QJsonValue operator[](const char *key) const { return m_object.value(QLatin1String(key)); }

private:
    QJsonObject m_object;
};

template<class Enum>
Enum choice(const QString &name, std::initializer_list<std::pair<const char *, Enum>> names)
{
    for (const auto &[text, value] : names) {
        if (name == QLatin1String(text))
            return value;
    }
    throw Invalid{};
}

TicketTemplate templateOf(const Members &m, const char *key)
{
    std::optional<TicketTemplate> t = TicketPlugin::parseTemplate(m.text(key, MaxTemplateChars));
    if (!t)
        throw Invalid{};
    return *t;
}

// Only the characters each symbology can carry, in the data it is given: NW-7
// and ITF take numbers, Code 128 also the date and the time, none the names.
bool fitsSymbology(const TicketTemplate &data, TicketItem::Symbology symbology)
{
    using F = TicketTemplate::Field;
    for (const TicketTemplate::Part &part : data.parts) {
        const bool numeric = part.field == F::Route || part.field == F::Ticket || part.field == F::Row;
        const bool ascii = numeric || part.field == F::Date || part.field == F::Time;
        if (part.field == F::Literal) {
            for (QChar c : part.text) {
                const bool ok = symbology == TicketItem::Itf ? c.isDigit()
                    : symbology == TicketItem::Nw7 ? QStringLiteral("0123456789-$:/.+ABCD").contains(c)
                                                   : c.unicode() >= 0x20 && c.unicode() < 0x7F;
                if (!ok)
                    return false;
            }
        } else if (!(symbology == TicketItem::Code128 ? ascii : numeric)) {
            return false;
        }
    }
    return true;
}

TicketItem itemOf(const QJsonValue &value, const PlgInfo &info)
{
    const Members m(value);
    TicketItem item;
    item.kind = choice<TicketItem::Kind>(m.text("type", 16),
                                         {{"text", TicketItem::Text},
                                          {"line", TicketItem::Line},
                                          {"rect", TicketItem::Rect},
                                          {"barcode", TicketItem::Barcode}});
    item.color = m.color("color", Qt::black);
    const int w = info.PrevWidth;
    const int h = info.PrevHeight;
    if (item.kind == TicketItem::Line) {
        const int x1 = m.integer("x1", 0, w), y1 = m.integer("y1", 0, h);
        const int x2 = m.integer("x2", 0, w), y2 = m.integer("y2", 0, h);
        item.box = QRectF(QPointF(x1, y1), QPointF(x2, y2));
        item.pen = m.integer("lineWidth", 1, MaxPen, 15);
        return item;
    }
    const int x = m.integer("x", 0, w - 1);
    const int y = m.integer("y", 0, h - 1);
    item.box = QRectF(x, y, m.integer("width", 1, w - x), m.integer("height", 1, h - y));
    switch (item.kind) {
    case TicketItem::Text:
        item.text = templateOf(m, "text");
        item.points = m.integer("size", 1, MaxPoints, 10);
        item.bold = m.flag("bold", false);
        item.align = choice<Qt::Alignment>(
            m.text("align", 8, QStringLiteral("left")),
            {{"left", Qt::AlignLeft}, {"center", Qt::AlignHCenter}, {"right", Qt::AlignRight}});
        item.family = m.text("font", MaxNameChars, QStringLiteral("gothic"));
        break;
    case TicketItem::Rect:
        item.pen = m.integer("lineWidth", 0, MaxPen, 15);
        item.fill = m.flag("fill", false);
        break;
    case TicketItem::Barcode:
        item.symbology = choice<TicketItem::Symbology>(m.text("symbology", 16),
                                                       {{"nw7", TicketItem::Nw7},
                                                        {"codabar", TicketItem::Nw7},
                                                        {"itf", TicketItem::Itf},
                                                        {"code128", TicketItem::Code128}});
        item.text = templateOf(m, "data");
        if (!fitsSymbology(item.text, item.symbology))
            throw Invalid{};
        item.readable = m.flag("readable", false);
        break;
    case TicketItem::Line:
        break;
    }
    return item;
}

TicketDesign designOf(const QJsonDocument &document)
{
    const Members top(document.object());
    if (top.text("format", 64) != QLatin1String(FormatTag) || top.integer("version", 1, FormatVersion) < 1)
        throw Invalid{};

    TicketDesign design;
    PlgInfo &info = design.info;
    const Members preview(top["preview"]);
    info.PrevWidth = preview.integer("width", 1, TicketPlugin::MaxWidth);
    info.PrevHeight = preview.integer("height", 1, TicketPlugin::MaxHeight);

    const Members prints(top["prints"]);
    info.CanDate = prints.integer("date", 0, MaxFlag);
    info.CanTime = prints.integer("time", 0, MaxFlag);
    info.CanKeito = prints.integer("route", 0, MaxFlag);
    info.CanChimei = prints.integer("stopName", 0, MaxFlag);
    info.CanBarcode = prints.integer("barcode", 0, MaxFlag);

    if (top.has("barcode") || info.CanBarcode == 1) {
        const Members codes(top["barcode"]);
        info.BarcodeCount = codes.integer("count", 0, 16);
        info.BarcodeKeitoMode = codes.integer("routeMode", 0, MaxFlag);
        info.KeitoMax = codes.integer("routeMax", 0, std::numeric_limits<qint32>::max());
        info.StopRangeFrom = codes.integer("stopFrom", 0, 32767);
        info.StopRangeTo = codes.integer("stopTo", info.StopRangeFrom, 32767);
    }

    design.remarks = top.text("remarks", MaxRemarksChars, QString());
    if (top.has("companies")) {
        for (const QJsonValue &name : top.array("companies", MaxCompanies)) {
            if (!name.isString() || name.toString().isEmpty() || name.toString().size() > MaxNameChars)
                throw Invalid{};
            design.companies << name.toString();
        }
    }
    info.CorpCount = qint32(design.companies.size());
    design.paper = top.color("paper", Qt::white);

    for (const QJsonValue &item : top.array("items", MaxItems))
        design.items.push_back(itemOf(item, info));
    return design;
}

} // namespace

namespace TicketPlugin {

std::optional<TicketDesign> read(QByteArrayView bytes)
{
    if (bytes.size() > MaxFileBytes)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    try {
        return designOf(document);
    } catch (const Invalid &) {
        return std::nullopt;
    }
}

std::optional<TicketDesign> load(const QString &path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("4sp"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // Opening a FIFO would wait for a writer for ever.
    if (!FilePaths::isOrdinaryFile(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // One byte past the limit tells a file that is too long.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    return read(bytes);
}

std::optional<TicketTemplate> parseTemplate(const QString &text)
{
    using F = TicketTemplate::Field;
    TicketTemplate t;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            t.parts.push_back({F::Literal, literal});
        literal.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('}')) {
            if (i + 1 >= text.size() || text[i + 1] != QLatin1Char('}'))
                return std::nullopt;
            literal += c;
            ++i;
            continue;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('{')) {
            literal += c;
            ++i;
            continue;
        }
        const qsizetype end = text.indexOf(QLatin1Char('}'), i + 1);
        if (end < 0)
            return std::nullopt;
        const QString inside = text.mid(i + 1, end - i - 1);
        const qsizetype colon = inside.indexOf(QLatin1Char(':'));
        const QString name = colon < 0 ? inside : inside.left(colon);
        const QString format = colon < 0 ? QString() : inside.mid(colon + 1);
        F field;
        try {
            field = choice<F>(name,
                              {{"date", F::Date},
                               {"time", F::Time},
                               {"route", F::Route},
                               {"stop", F::Stop},
                               {"ticket", F::Ticket},
                               {"row", F::Row},
                               {"company", F::Company}});
        } catch (const Invalid &) {
            return std::nullopt;
        }
        if (colon >= 0) {
            const bool numeric = field == F::Route || field == F::Ticket || field == F::Row;
            bool ok = !format.isEmpty();
            if (numeric) {
                const int digits = format.toInt(&ok);
                ok = ok && digits >= 1 && digits <= 10;
            } else if (field != F::Date && field != F::Time) {
                ok = false;
            }
            if (!ok)
                return std::nullopt;
        }
        flush();
        t.parts.push_back({field, format});
        i = end;
    }
    flush();
    return t;
}

QString expand(const TicketTemplate &t, const TicketFields &fields)
{
    using F = TicketTemplate::Field;
    auto number = [](qint64 n, const QString &format) {
        const int digits = format.isEmpty() ? 0 : format.toInt();
        const QString text = QString::number(std::abs(n)).rightJustified(digits, QLatin1Char('0'));
        return n < 0 ? QLatin1Char('-') + text : text;
    };
    QString out;
    for (const TicketTemplate::Part &part : t.parts) {
        switch (part.field) {
        case F::Literal:
            out += part.text;
            break;
        case F::Date: {
            // The refresh hands mm-dd-yyyy, a fixed date is yyyy/mm/dd; anything else prints as it came.
            QDate date = QDate::fromString(fields.date, QStringLiteral("MM-dd-yyyy"));
            if (!date.isValid())
                date = QDate::fromString(fields.date, QStringLiteral("yyyy/MM/dd"));
            out += date.isValid()
                ? date.toString(part.text.isEmpty() ? QStringLiteral("yyyy/MM/dd") : part.text)
                : fields.date;
            break;
        }
        case F::Time: {
            const QTime time = QTime::fromString(fields.time, QStringLiteral("HH:mm:ss"));
            out += time.isValid() ? time.toString(part.text.isEmpty() ? QStringLiteral("HH:mm") : part.text)
                                  : fields.time;
            break;
        }
        case F::Route:
            out += number(fields.route, part.text);
            break;
        case F::Stop:
            out += fields.stop;
            break;
        case F::Ticket:
            out += number(fields.ticket, part.text);
            break;
        case F::Row:
            out += number(fields.row, part.text);
            break;
        case F::Company:
            out += fields.company;
            break;
        }
    }
    return out;
}

} // namespace TicketPlugin
