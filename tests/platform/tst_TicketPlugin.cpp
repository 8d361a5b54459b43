#include "Fonts.h"
#include "TicketPlugin.h"

#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <zint.h>

namespace {

// The smallest usable plug-in.
QJsonObject minimal()
{
    return QJsonDocument::fromJson(R"({
        "format": "109-ticket-plugin", "version": 1,
        "preview": {"width": 1800, "height": 1500},
        "prints": {"date": 1, "time": 0, "route": 0, "stopName": 1, "barcode": 0},
        "items": [{"type": "text", "x": 0, "y": 0, "width": 1800, "height": 300, "text": "{stop}"}]
    })")
        .object();
}

// The document with one member replaced, named by its path: "preview/width", "items/0/text".
QJsonObject with(QJsonObject document, const QString &path, const QJsonValue &value)
{
    const QStringList keys = path.split(QLatin1Char('/'));
    std::function<QJsonValue(QJsonValue, int)> put = [&](QJsonValue at, int depth) -> QJsonValue {
        if (depth == keys.size())
            return value;
        bool index = false;
        const int i = keys[depth].toInt(&index);
        if (index) {
            QJsonArray array = at.toArray();
            array[i] = put(array[i], depth + 1);
            return array;
        }
        QJsonObject object = at.toObject();
        if (value.isUndefined() && depth + 1 == keys.size())
            object.remove(keys[depth]);
        else
            object[keys[depth]] = put(object[keys[depth]], depth + 1);
        return object;
    };
    return put(document, 0).toObject();
}

QByteArray bytesOf(const QJsonObject &document)
{
    return QJsonDocument(document).toJson();
}

const QString Samples = QStringLiteral(SAMPLE_DIR "/tickets/");

// The pixels not of the paper's colour in a part of the picture.
int inked(const QImage &image, const QRect &part, QColor paper = Qt::white)
{
    int n = 0;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x)
            n += image.pixelColor(x, y) != paper;
    }
    return n;
}

QImage drawn(const QString &plugin, const QSize &size, const QString &stop, qint16 corpIndex = -1)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    KR4_DrawSeiriken(plugin, painter, stop, QStringLiteral("12-06-2026"), QStringLiteral("09:05:30"), 12, 4,
                     4, corpIndex);
    return image;
}

// The dark runs along one row: each bar's first and last column.
QList<std::pair<int, int>> barsAlong(const QImage &image, int y, int from, int to)
{
    QList<std::pair<int, int>> bars;
    int start = -1;
    for (int x = from; x <= to + 1; ++x) {
        const bool dark = x <= to && qGray(image.pixel(x, y)) < 128;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            bars.append({start, x - 1});
            start = -1;
        }
    }
    return bars;
}

} // namespace

class tst_TicketPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }
    void documents_data();
    void documents();
    void notJson_data();
    void notJson();
    void tooLong();
    void info();
    void files_data();
    void files();
    void templates_data();
    void templates();
    void samples();
    void companies();
    void stopNameIsDrawn();
    void companyByIndex();
    void barsMatchZint();
    void refusedDataDrawsNoBars();
};

void tst_TicketPlugin::documents_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("usable");

    const QJsonValue none(QJsonValue::Undefined);
    QTest::newRow("as it is") << "format" << QJsonValue("109-ticket-plugin") << true;
    QTest::newRow("another tag") << "format" << QJsonValue("ticket") << false;
    QTest::newRow("no tag") << "format" << none << false;
    QTest::newRow("a later version") << "version" << QJsonValue(2) << false;
    QTest::newRow("version 0") << "version" << QJsonValue(0) << false;
    QTest::newRow("no preview") << "preview" << none << false;
    QTest::newRow("width 0") << "preview/width" << QJsonValue(0) << false;
    QTest::newRow("width of the whole room") << "preview/width" << QJsonValue(3495) << true;
    QTest::newRow("wider than the room") << "preview/width" << QJsonValue(3496) << false;
    QTest::newRow("taller than the room") << "preview/height" << QJsonValue(1891) << false;
    QTest::newRow("width not whole") << "preview/width" << QJsonValue(1800.5) << false;
    QTest::newRow("width as text") << "preview/width" << QJsonValue("1800") << false;
    QTest::newRow("a print flag missing") << "prints/time" << none << false;
    QTest::newRow("a print flag of 2") << "prints/time" << QJsonValue(2) << true;
    QTest::newRow("a print flag of 10") << "prints/time" << QJsonValue(10) << false;
    QTest::newRow("a print flag true") << "prints/time" << QJsonValue(true) << true;
    QTest::newRow("bar codes without their block") << "prints/barcode" << QJsonValue(1) << false;
    QTest::newRow("stop range backwards")
        << "barcode"
        << QJsonValue(
               QJsonObject{{"count", 1}, {"routeMode", 1}, {"routeMax", 99}, {"stopFrom", 5}, {"stopTo", 4}})
        << false;
    QTest::newRow("companies") << "companies" << QJsonValue(QJsonArray{"甲", "乙"}) << true;
    QTest::newRow("an empty company") << "companies" << QJsonValue(QJsonArray{"甲", ""}) << false;
    QTest::newRow("a company not a text") << "companies" << QJsonValue(QJsonArray{1}) << false;
    QTest::newRow("remarks not a text") << "remarks" << QJsonValue(3) << false;
    QTest::newRow("remarks too long") << "remarks" << QJsonValue(QString(4001, QLatin1Char('x'))) << false;
    QTest::newRow("paper colour") << "paper" << QJsonValue("#FFF0E0") << true;
    QTest::newRow("paper colour by name") << "paper" << QJsonValue("red") << false;
    QTest::newRow("paper colour not hex") << "paper" << QJsonValue("#FFF0EG") << false;
    QTest::newRow("no items") << "items" << none << false;
    QTest::newRow("no item at all") << "items" << QJsonValue(QJsonArray()) << true;
    QTest::newRow("an item of no kind") << "items/0/type" << QJsonValue("circle") << false;
    QTest::newRow("a text past the right edge") << "items/0/x" << QJsonValue(1) << false;
    QTest::newRow("a text past the bottom") << "items/0/y" << QJsonValue(1300) << false;
    QTest::newRow("a negative position") << "items/0/y" << QJsonValue(-1) << false;
    QTest::newRow("a field no ticket has") << "items/0/text" << QJsonValue("{fare}") << false;
    QTest::newRow("digits of a number") << "items/0/text" << QJsonValue("{route:3}") << true;
    QTest::newRow("no digits") << "items/0/text" << QJsonValue("{route:0}") << false;
    QTest::newRow("digits of a name") << "items/0/text" << QJsonValue("{stop:3}") << false;
    QTest::newRow("a date format") << "items/0/text" << QJsonValue("{date:yy.MM.dd}") << true;
    QTest::newRow("braces doubled") << "items/0/text" << QJsonValue("{{{stop}}}") << true;
    QTest::newRow("a brace alone") << "items/0/text" << QJsonValue("stop}") << false;
    QTest::newRow("a field not closed") << "items/0/text" << QJsonValue("{stop") << false;
    QTest::newRow("a template too long")
        << "items/0/text" << QJsonValue(QString(201, QLatin1Char('x'))) << false;
    QTest::newRow("alignment") << "items/0/align" << QJsonValue("right") << true;
    QTest::newRow("an alignment no one has") << "items/0/align" << QJsonValue("justify") << false;
    QTest::newRow("bold not a flag") << "items/0/bold" << QJsonValue(1) << false;
    QTest::newRow("a size too large") << "items/0/size" << QJsonValue(201) << false;
}

void tst_TicketPlugin::documents()
{
    QFETCH(QString, path);
    QFETCH(QJsonValue, value);
    QFETCH(bool, usable);
    QCOMPARE(TicketPlugin::read(bytesOf(with(minimal(), path, value))).has_value(), usable);
}

void tst_TicketPlugin::notJson_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("整理券");
    QTest::newRow("an array") << QByteArray("[1, 2]");
    QTest::newRow("cut short") << bytesOf(minimal()).left(80);
    QTest::newRow("trailing comma") << QByteArray(R"({"format": "109-ticket-plugin",})");
    QTest::newRow("nested deep") << QByteArray(5000, '[');
}

void tst_TicketPlugin::notJson()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!TicketPlugin::read(bytes));
}

void tst_TicketPlugin::tooLong()
{
    QByteArray bytes = bytesOf(minimal()).trimmed();
    bytes.chop(1); // the closing brace
    QByteArray atLimit = bytes + QByteArray(TicketPlugin::MaxFileBytes - bytes.size() - 1, ' ') + '}';
    QCOMPARE(atLimit.size(), TicketPlugin::MaxFileBytes);
    QVERIFY(TicketPlugin::read(atLimit));
    QVERIFY(!TicketPlugin::read(atLimit.insert(0, ' ')));
}

void tst_TicketPlugin::info()
{
    QJsonObject document = minimal();
    document = with(document, "prints/barcode", 1);
    document = with(document, "prints/route", 2);
    document =
        with(document, "barcode",
             QJsonObject{{"count", 2}, {"routeMode", 1}, {"routeMax", 250}, {"stopFrom", 3}, {"stopTo", 40}});
    document = with(document, "companies", QJsonArray{"甲", "乙", "丙"});
    const std::optional<TicketDesign> design = TicketPlugin::read(bytesOf(document));
    QVERIFY(design);
    const PlgInfo &i = design->info;
    const QList<qint32> fields = {i.Reserved,     i.PrevWidth, i.PrevHeight,       i.CanDate,
                                  i.CanTime,      i.CanKeito,  i.CanChimei,        i.CanBarcode,
                                  i.BarcodeCount, i.KeitoMax,  i.BarcodeKeitoMode, i.StopRangeFrom,
                                  i.StopRangeTo,  i.CorpCount};
    QCOMPARE(fields, (QList<qint32>{0, 1800, 1500, 1, 0, 2, 1, 1, 2, 250, 1, 3, 40, 3}));
    QCOMPARE(design->companies, (QStringList{"甲", "乙", "丙"}));
}

void tst_TicketPlugin::files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");
    QTest::newRow(".4SP") << "t.4SP" << true;
    QTest::newRow(".4sp") << "t.4sp" << true;
    QTest::newRow(".4Sp") << "t.4Sp" << true;
    QTest::newRow(".json") << "t.json" << false;
    QTest::newRow("no extension") << "t" << false;
}

void tst_TicketPlugin::files()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytesOf(minimal()));
    file.close();
    PlgInfo info;
    QCOMPARE(KR4_GetPlgInfo(file.fileName(), info) != 0, usable);
    QCOMPARE(info.PrevWidth, usable ? 1800 : 0);
    QCOMPARE(KR4_GetPlgInfo(folder.filePath(QStringLiteral("gone.4SP")), info), 0);
    QCOMPARE(KR4_GetPlgInfo(QString(), info), 0);
}

void tst_TicketPlugin::templates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expanded");

    QTest::newRow("ticket") << "{ticket}"
                            << "" << 7 << "7";
    QTest::newRow("ticket in 2 digits") << "No.{ticket:2}"
                                        << "" << 7 << "No.07";
    QTest::newRow("negative ticket") << "{ticket:2}"
                                     << "" << -3 << "-03";
    QTest::newRow("more digits than asked") << "{ticket:1}"
                                            << "" << 123 << "123";
    QTest::newRow("route and row") << "A{route:3}{row:3}A"
                                   << "" << 5 << "A012005A";
    QTest::newRow("date of a refresh") << "{date}"
                                       << "12-06-2026" << 0 << "2026/12/06";
    QTest::newRow("fixed date, formatted") << "{date:yyyy年M月d日}"
                                           << "2024/03/05" << 0 << "2024年3月5日";
    QTest::newRow("a date no one reads") << "{date:yy}"
                                         << "明日" << 0 << "明日";
    QTest::newRow("time") << "{time}"
                          << "" << 0 << "09:05";
    QTest::newRow("time with seconds") << "{time:HH:mm:ss}"
                                       << "" << 0 << "09:05:30";
    QTest::newRow("stop and company") << "{company} {stop}"
                                      << "" << 0 << "北部バス 中央駅前";
    QTest::newRow("braces") << "{{{stop}}}"
                            << "" << 0 << "{中央駅前}";
}

void tst_TicketPlugin::templates()
{
    QFETCH(QString, text);
    QFETCH(QString, date);
    QFETCH(int, number);
    QFETCH(QString, expanded);
    const std::optional<TicketTemplate> t = TicketPlugin::parseTemplate(text);
    QVERIFY(t);
    const TicketFields fields{
        QStringLiteral("中央駅前"), date, QStringLiteral("09:05:30"), 12, qint16(number), qint16(number),
        QStringLiteral("北部バス")};
    QCOMPARE(TicketPlugin::expand(*t, fields), expanded);
}

void tst_TicketPlugin::samples()
{
    PlgInfo plain;
    QVERIFY(KR4_GetPlgInfo(Samples + "plain.4SP", plain));
    QCOMPARE(plain.CanBarcode, 0);
    QCOMPARE(plain.CorpCount, 0);

    PlgInfo codes;
    QVERIFY(KR4_GetPlgInfo(Samples + "barcode.4SP", codes));
    QCOMPARE(codes.CanBarcode, 1);
    QCOMPARE(codes.BarcodeCount, 1);
    QCOMPARE(codes.CorpCount, 3);
}

void tst_TicketPlugin::companies()
{
    QComboBox list;
    list.addItem(QStringLiteral("前からの社"));
    list.setCurrentIndex(-1);
    KR4_SetCorpAddList(Samples + "barcode.4SP", &list);
    QCOMPARE(list.count(), 4);
    QCOMPARE(list.itemText(3), QStringLiteral("北部バス"));
    QCOMPARE(list.currentIndex(), -1); // added, not chosen
    QCOMPARE(KR4_SetCorpAddList(Samples + "missing.4SP", &list), 0);
    QCOMPARE(list.count(), 4);
}

void tst_TicketPlugin::stopNameIsDrawn()
{
    const QSize size(233, 126);
    // The stop name's box of the bar-code sample: x 1200, y 885, 2220 x 300 twips.
    const QRect name(1200 * 233 / 3495, 885 * 126 / 1890, 2220 * 233 / 3495, 300 * 126 / 1890);
    const QImage with = drawn(Samples + "barcode.4SP", size, QStringLiteral("中央駅前"));
    const QImage without = drawn(Samples + "barcode.4SP", size, QString());
    QVERIFY(inked(with, name) > 40);
    QCOMPARE(inked(without, name), 0);
    // A stop name longer than its box is narrowed into it, never past it.
    const QImage longName =
        drawn(Samples + "barcode.4SP", size, QStringLiteral("市立総合医療センター北口前"));
    QCOMPARE(inked(longName, QRect(name.right() + 2, name.top() + 2, size.width() - name.right() - 5, 10)),
             0);
}

void tst_TicketPlugin::companyByIndex()
{
    const QSize size(233, 126);
    const QRect company(75 * 233 / 3495, 45 * 126 / 1890, 2200 * 233 / 3495, 240 * 126 / 1890);
    QCOMPARE(inked(drawn(Samples + "barcode.4SP", size, QString(), -1), company), 0);
    QCOMPARE(inked(drawn(Samples + "barcode.4SP", size, QString(), 3), company), 0);
    QVERIFY(inked(drawn(Samples + "barcode.4SP", size, QString(), 1), company) > 20);
}

void tst_TicketPlugin::barsMatchZint()
{
    // Drawn four times the panel's size, so each narrow bar is a few pixels wide.
    const QSize size(233 * 4, 126 * 4);
    const QImage ticket = drawn(Samples + "barcode.4SP", size, QStringLiteral("中央駅前"));
    // The bar code's box: x 150, y 1260, 3195 x 420 twips; data A{route:3}{row:3}A.
    const qreal scale = size.width() / 3495.0;
    const qreal left = 150 * scale, width = 3195 * scale;
    const int middle = qRound((1260 + 210) * size.height() / 1890.0);
    const QList<std::pair<int, int>> bars = barsAlong(ticket, middle, qFloor(left), qCeil(left + width) - 1);

    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = BARCODE_CODABAR;
    symbol->show_hrt = 0;
    const QByteArray data("A012004A");
    QVERIFY(
        ZBarcode_Encode(symbol, reinterpret_cast<const unsigned char *>(data.constData()), int(data.size()))
        < ZINT_ERROR);
    QVERIFY(ZBarcode_Buffer_Vector(symbol, 0) < ZINT_ERROR);
    QList<std::pair<qreal, qreal>> expected;
    const qreal unit = width / symbol->vector->width;
    for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
        expected.append({left + r->x * unit, left + (r->x + r->width) * unit});
    ZBarcode_Delete(symbol);
    std::sort(expected.begin(), expected.end());

    QCOMPARE(bars.size(), expected.size());
    for (qsizetype i = 0; i < bars.size(); ++i) {
        QVERIFY2(std::abs(bars[i].first - expected[i].first) <= 1.0, qPrintable(QString::number(i)));
        QVERIFY2(std::abs(bars[i].second + 1 - expected[i].second) <= 1.0, qPrintable(QString::number(i)));
    }
}

void tst_TicketPlugin::refusedDataDrawsNoBars()
{
    // ITF takes digits only: a negative ticket number has a sign it cannot carry.
    QJsonObject document = with(minimal(), "items",
                                QJsonArray{QJsonObject{{"type", "barcode"},
                                                       {"x", 0},
                                                       {"y", 0},
                                                       {"width", 1800},
                                                       {"height", 1500},
                                                       {"symbology", "itf"},
                                                       {"data", "{ticket:4}"}}});
    const std::optional<TicketDesign> design = TicketPlugin::read(bytesOf(document));
    QVERIFY(design);
    auto render = [&](qint16 ticket) {
        QImage image(120, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        TicketPlugin::draw(*design, painter, TicketFields{{}, {}, {}, 0, ticket, 1, {}});
        painter.end();
        return inked(image, image.rect());
    };
    QVERIFY(render(42) > 1000);
    QCOMPARE(render(-42), 0);
    // A name in a code that takes numbers only is refused when the plug-in is read.
    QVERIFY(!TicketPlugin::read(bytesOf(with(document, "items/0/data", "{stop}"))));
    QVERIFY(TicketPlugin::read(
        bytesOf(with(with(document, "items/0/symbology", "code128"), "items/0/data", "{date}{time}"))));
}

QTEST_MAIN(tst_TicketPlugin)
#include "tst_TicketPlugin.moc"
