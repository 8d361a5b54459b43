#include "Fonts.h"
#include "Kr4Calls.h"
#include "TicketPlugin.h"

#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// JSON written with ' for ".
QByteArray json(QByteArray text)
{
    return text.replace('\'', '"');
}

const QByteArray Item =
    json("{'type': 'text', 'x': 0, 'y': 0, 'width': 1790, 'height': 300, 'text': '{stop}'}");
// The smallest usable plug-in.
const QByteArray Minimal =
    json("{'format': '109-ticket-plugin', 'version': 1, 'preview': {'width': 1800, 'height': "
         "1500}, 'prints': {'date': 1, 'time': 0, 'route': 0, 'stopName': 1, 'barcode': 0}, "
         "'items': [")
    + Item + "]}";

QByteArray barcode(const char *symbology, const char *data)
{
    return json("{'type': 'barcode', 'x': 0, 'y': 0, 'width': 1800, 'height': 1500, 'symbology': '"
                + QByteArray(symbology) + "', 'data': '" + data + "'}");
}

} // namespace

class tst_TicketPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // A path that is a FIFO would hang every start that examines the stored plug-in.
    void onlyAnOrdinaryFileIsLoaded()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe.4SP"));
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        QVERIFY(!TicketPlugin::load(fifo));
        QVERIFY(!TicketPlugin::load(dir.path()));
        QVERIFY(TicketPlugin::load(QStringLiteral(SAMPLE_DIR "/tickets/plain.4SP")));
    }

    void documents_data()
    {
        QTest::addColumn<QByteArray>("from"); // in the smallest plug-in
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("usable");
        const auto row = [](const char *name, const QByteArray &from, const QByteArray &to, bool usable) {
            QTest::newRow(name) << json(from) << json(to) << usable;
        };
        const QByteArray v = "'version': 1", pad(TicketPlugin::MaxFileBytes - Minimal.size(), ' ');
        row("as it is", v, v, true);
        row("at the size limit", "]}", "]" + pad + "}", true);
        row("a byte over it", "]}", "] " + pad + "}", false);
        row("nested deep", Item, QByteArray(5000, '['), false);
        row("a later version", v, "'version': 2", false);
        row("width of the whole room", "1800,", "3495,", true);
        row("wider than the room", "1800,", "3496,", false);
        row("a print flag of 2", "'time': 0", "'time': 2", true);
        row("a print flag of 10", "'time': 0", "'time': 10", false);
        row("bar codes without their block", "'barcode': 0", "'barcode': 1", false);
        row("stop range backwards", v,
            v + ", 'barcode': {'count': 1, 'routeMode': 1, 'routeMax': 99, 'stopFrom': 5, 'stopTo': 4}",
            false);
        row("an empty company", v, v + ", 'companies': ['甲', '']", false);
        row("remarks too long", v, v + ", 'remarks': '" + QByteArray(4001, 'x') + "'", false);
        row("no item at all", Item, "", true);
        row("a text past the right edge", "'x': 0", "'x': 11", false);
        row("a field no ticket has", "{stop}", "{fare}", false);
        row("braces doubled", "{stop}", "{{{stop}}}", true);
        row("a brace alone", "{stop}", "stop}", false);
        row("a template too long", "{stop}", QByteArray(201, 'x'), false);
        row("a name in a code of digits", Item, barcode("itf", "{stop}"), false);
        row("any text in Code 128", Item, barcode("code128", "{date}{time}"), true);
    }

    void documents()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, usable);
        QVERIFY(Minimal.contains(from));
        QCOMPARE(TicketPlugin::read(QByteArray(Minimal).replace(from, to)).has_value(), usable);
    }

    void templates_data() // the template is the row's name
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("number"); // of the ticket and of the row
        QTest::addColumn<QString>("expanded");
        const auto row = [](const char *text, const char *date, int number, const char *expanded) {
            QTest::newRow(text) << date << number << expanded;
        };
        row("No.{ticket:2}", "", -3, "No.-03");
        row("A{route:3}{row:3}A", "", 5, "A012005A");
        row("{date}", "12-06-2026", 0, "2026/12/06");                // a refresh's date
        row("{date:yyyy年M月d日}", "2024/03/05", 0, "2024年3月5日"); // the fixed date
        row("{time}", "", 0, "09:05");
        row("{company} {stop}", "", 0, "北部バス 中央駅前");
        row("{{{stop}}}", "", 0, "{中央駅前}");
    }

    void templates()
    {
        QFETCH(QString, date);
        QFETCH(int, number);
        QFETCH(QString, expanded);
        const auto t = TicketPlugin::parseTemplate(QString::fromUtf8(QTest::currentDataTag()));
        QVERIFY(t);
        const TicketFields fields{"中央駅前",     date,           "09:05:30", 12,
                                  qint16(number), qint16(number), "北部バス"};
        QCOMPARE(TicketPlugin::expand(*t, fields), expanded);
    }

    void drawnInItsBox_data()
    {
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("company");
        QTest::addColumn<QRect>("box"); // in twips of the bar-code sample
        QTest::addColumn<bool>("shown");
        const QRect name(1200, 885, 2220, 300), company(75, 45, 2200, 240);
        QTest::newRow("a stop name") << "中央駅前" << -1 << name << true;
        // A stop name longer than its box is narrowed into it, never past it.
        QTest::newRow("a long one") << "市立総合医療センター北口前" << -1 << QRect(3435, 915, 15, 150)
                                    << false;
        QTest::newRow("the second company") << "" << 1 << company << true;
        QTest::newRow("past the three") << "" << 3 << company << false;
    }

    void drawnInItsBox()
    {
        QFETCH(QString, stop);
        QFETCH(int, company);
        QFETCH(QRect, box);
        QFETCH(bool, shown);
        QImage image(233, 126, QImage::Format_RGB32); // the panel's preview
        image.fill(Qt::white);
        QPainter painter(&image);
        KR4_DrawSeiriken(SAMPLE_DIR "/tickets/barcode.4SP", painter, stop, "12-06-2026", "09:05:30", 12, 4, 4,
                         qint16(company));
        const QImage part = image.copy(QTransform::fromScale(233 / 3495.0, 126 / 1890.0).mapRect(box));
        const auto *pixels = reinterpret_cast<const QRgb *>(part.constBits());
        const auto n = std::count_if(pixels, pixels + part.width() * part.height(),
                                     [](QRgb c) { return c != 0xffffffff; });
        QVERIFY2(shown ? n > 20 : n == 0, qPrintable(QString::number(n)));
    }

    // A scanner reads the sample's bar code as drawn, quiet zones and all.
    void barcodeScans()
    {
        const QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        if (zbarimg.isEmpty())
            QSKIP("zbarimg (zbar-tools) is not installed");
        QImage image(1398, 756, QImage::Format_RGB32); // 0.4 pixel a twip
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            KR4_DrawSeiriken(SAMPLE_DIR "/tickets/barcode.4SP", painter, "中央駅前", "12-06-2026", "09:05:30",
                             12, 4, 4, 0);
        }
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("ticket.png"));
        QVERIFY(image.save(png));
        QProcess scan;
        scan.start(zbarimg, {QStringLiteral("--quiet"), png});
        QVERIFY(scan.waitForFinished());
        const QByteArray read = scan.readAllStandardOutput();
        QVERIFY2(scan.exitCode() == 0 && read.startsWith("Codabar:"), read.constData());
    }
};

QTEST_MAIN(tst_TicketPlugin)
#include "tst_TicketPlugin.moc"
