#include "Fonts.h"
#include "Kr4Calls.h"
#include "TicketPlugin.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// JSON written with ' for "; Minimal is the smallest usable plug-in.
const auto json = [](QByteArray text) { return text.replace('\'', '"'); };
const QByteArray Minimal =
    json("{'format': '109-ticket-plugin', 'version': 1, 'preview': {'width': 1800, 'height': 1500}, "
         "'prints': {'date': 1, 'time': 0, 'route': 0, 'stopName': 1, 'barcode': 0}, 'items': [{'type': "
         "'text', 'text': '{stop}', 'x': 0, 'y': 0, 'width': 1790, 'height': 300}]}");

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
    }

    void documents_data()
    {
        QTest::addColumn<QByteArray>("from"); // in the smallest plug-in
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("usable");
        const auto row = [](const char *name, const QByteArray &from, const QByteArray &to, bool usable) {
            QTest::newRow(name) << json(from) << json(to) << usable;
        };
        row("too big", "]}", "]} " + QByteArray(TicketPlugin::MaxFileBytes - Minimal.size(), ' '), false);
        row("nested deep", "'items': [", "'items': " + QByteArray(5000, '['), false);
        row("wider than the room", "1800,", "3496,", false);
        row("any text in Code 128", "'text', 'text': '{stop}'",
            "'barcode', 'symbology': 'code128', 'data': '{date}{time}'", true);
    }

    void documents()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, usable);
        QVERIFY(Minimal.contains(from));
        QCOMPARE(TicketPlugin::read(QByteArray(Minimal).replace(from, to)).has_value(), usable);
    }

    void templates()
    {
        const auto expand = [](const char *text, const char *date) { // -3 the ticket and the row
            const auto t = TicketPlugin::parseTemplate(QString::fromUtf8(text));
            return t ? TicketPlugin::expand(*t, {"中央駅前", date, "09:05:30", 12, -3, -3, "北部バス"})
                     : QStringLiteral("(unreadable)");
        };
        QCOMPARE(expand("No.{ticket:2} A{route:3}{row:3}A", ""), "No.-03 A012-003A");
        QCOMPARE(expand("{date} {time} {company} {{{stop}}}", "12-06-2026"),
                 "2026/12/06 09:05 北部バス {中央駅前}");
        QCOMPARE(expand("{date:yyyy年M月d日}", "2024/03/05"), "2024年3月5日");
    }

    // On a ticket the size of the panel's preview: a long stop name narrowed into its box; no fourth company.
    void drawnInItsBox()
    {
        const auto inked = [](const QString &stop, int company, QRect box) { // box in twips
            QImage image(233, 126, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            KR4_DrawSeiriken(SAMPLE_DIR "/tickets/barcode.4SP", painter, stop, "12-06-2026", "09:05:30", 12,
                             4, 4, qint16(company));
            painter.end();
            const QImage boxed = image.copy(QTransform::fromScale(233 / 3495.0, 126 / 1890.0).mapRect(box));
            const auto *pixels = reinterpret_cast<const QRgb *>(boxed.constBits()); // no padding
            return boxed.sizeInBytes() / 4
                - std::count(pixels, pixels + boxed.sizeInBytes() / 4, 0xffffffffu);
        };
        const QRect company(75, 45, 2200, 240);
        QVERIFY(inked("中央駅前", -1, QRect(1200, 885, 2220, 300)) > 20);
        QCOMPARE(inked("市立総合医療センター北口前", -1, QRect(3435, 915, 15, 150)), 0);
        QVERIFY(inked("", 1, company) > 20);
        QCOMPARE(inked("", 3, company), 0);
    }
};

QTEST_MAIN(tst_TicketPlugin)
#include "tst_TicketPlugin.moc"
