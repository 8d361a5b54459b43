#include "GtfsImport.h"

#include "Cp932.h"
#include "GtfsWriter.h"
#include "Hy3File.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using Rows = QStringList; // "name,seiri,c1,c2,..." without the zero columns at the end

namespace {

Rows rowsOf(const QByteArray &hy3)
{
    auto read = Hy3File::readRows(hy3, 301, QStringLiteral("test"));
    if (!std::holds_alternative<Hy3File::Rows>(read))
        return {QStringLiteral("unreadable")};
    Rows out;
    for (const HyRecord &r : std::get<Hy3File::Rows>(read).rows) {
        QString row = r.TeiName + u',' + QString::number(r.SeiriNo);
        for (int c = 1; c <= HyRecord::ColCount; ++c)
            row += u',' + QString::number(r.Col[c]);
        while (row.endsWith(QStringLiteral(",0")))
            row.chop(2);
        out << row;
    }
    return out;
}

std::variant<GtfsImport::Result, GtfsProblem> import(const GtfsWriter &feed)
{
    return GtfsImport::importRoute(*GtfsSource::fromTables(feed.tables), "R");
}

const auto distance = [](int a, int b) { return 80 + 100 * (b - a); };
const auto flat = [](int, int) { return 210; };

} // namespace

class tst_GtfsImport : public QObject
{
    Q_OBJECT

private slots:
    void tables_data()
    {
        QTest::addColumn<GtfsWriter>("feed");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("warnings");

        // Fares without rules: one fare is the fare everywhere.
        const auto noRules = [](int n, const QByteArray &prices) {
            return GtfsWriter::line(n, flat)
                .without(QStringLiteral("fare_rules.txt"))
                .table(QStringLiteral("fare_attributes.txt"), "fare_id,price\n" + prices);
        };
        QTest::newRow("one fare written twice, no rules")
            << noRules(3, "F,230\nF,210.0\n,\n") << Rows{"Stop 1,1", "Stop 2,1,210", "Stop 3,1,210"} << 0;
        QTest::newRow("two fares, no rules: nothing priced")
            << noRules(2, "F,210\nG,100\n") << Rows{"Stop 1,1", "Stop 2,1"} << 1;

        // Written as people write feeds by hand; a name code page 932 cannot hold is told.
        GtfsWriter untidy = GtfsWriter::line(3, distance);
        untidy.table(QStringLiteral("stops.txt"),
                     "\xEF\xBB\xBF zone_id , stop_name ,stop_id\r\n"
                     "Z1,\"Stop 1, A−B\",S1\r\n"
                     "Z2 , \"Say \"\"2\"\"\" ,S2\r\n"
                     ",,\r\n"
                     "Z3,\"Stop\" 3,S3\r\n\r\n\r\n");
        untidy.table(QStringLiteral("stop_times.txt"),
                     "stop_sequence,stop_id,trip_id\n30,S3,T1\n5,S1,T1\n17,S2,T1\n\n");
        untidy.table(QStringLiteral("trips.txt"), "trip_id,route_id\nT1,R\n");
        QTest::newRow("untidy") << untidy << Rows{"Stop 1, A?B,1", "Say \"2\",2,180", "Stop 3,2,280,180"}
                                << 1;

        QTest::newRow("Shift-JIS table")
            << GtfsWriter::line(2, distance)
                   .table(QStringLiteral("stops.txt"),
                          Cp932::encode(u"stop_id,stop_name,zone_id\r\nS1,中央駅前,Z1\r\nS2,市役所前,Z2\r\n"))
            << Rows{"中央駅前,1", "市役所前,1,180"} << 1;
    }

    void tables()
    {
        QFETCH(GtfsWriter, feed);
        QFETCH(Rows, rows);
        QFETCH(int, warnings);
        auto result = import(feed);
        QVERIFY(std::holds_alternative<GtfsImport::Result>(result));
        const GtfsImport::Result &r = std::get<GtfsImport::Result>(result);
        QCOMPARE(rowsOf(r.hy3), rows);
        QCOMPARE(r.warnings.size(), warnings);
    }

    void problems_data()
    {
        QTest::addColumn<GtfsWriter>("feed");
        QTest::addColumn<QString>("problem");
        const GtfsWriter good = GtfsWriter::line(3, distance);
        const auto with = [&good](const char *name, const QByteArray &text) {
            return GtfsWriter(good).table(QString::fromLatin1(name), text);
        };
        const QString price = QStringLiteral(" is not a whole number of yen in -32768..32767");
        QTest::newRow("half a yen") << with("fare_attributes.txt", "fare_id,price\nF1_2,180\nF1_3,280.5\n")
                                    << "fare_attributes.txt:3: price \"280.5\"" + price;
        QTest::newRow("40000 yen") << with("fare_attributes.txt", "fare_id,price\nF1_2,40000\n")
                                   << "fare_attributes.txt:2: price \"40000\"" + price;
        QTest::newRow("302 stops, one too many")
            << GtfsWriter::line(302, flat)
            << "stop_times.txt: the stop pattern of route R has 302 stops; a route holds at most 301";
        QTest::newRow("151 ticket numbers")
            << GtfsWriter::line(152, distance)
            << "fare_rules.txt: route R needs 151 ticket numbers; a route holds at most 150";
    }

    void problems()
    {
        QFETCH(GtfsWriter, feed);
        QFETCH(QString, problem);
        auto result = import(feed);
        QVERIFY(std::holds_alternative<GtfsProblem>(result));
        QCOMPARE(std::get<GtfsProblem>(result).text(), problem);
    }

    // Readings in either layout of translations.txt, its columns in any order: by record before by
    // value; the record of P1, a station named as stop 1, serves it; other tables give none.
    void readings()
    {
        const QList<std::pair<QByteArray, QStringList>> layouts{
            {"trans_id,lang,translation\nStop 1,ja-Hrkt,いち\nStop 1,en,One\nStop 2,ja-Hrkt,に\n",
             {"Stop 1,いち", "Stop 2,に"}},
            {"language,translation,table_name,field_name,field_value,record_id\n"
             "ja-Hrkt,いち,stops,stop_name,,P1\n"
             "ja-Hrkt,ていりゅうじょ,stops,stop_name,Stop 2,\n"
             "ja-Hrkt,にばん,stops,stop_name,,S2\n"
             "ja-Hrkt,さん,stops,stop_name,Stop 3,\n"
             "ja-Hrkt,ちがう,routes,route_long_name,Stop 3,\n",
             {"Stop 1,いち", "Stop 2,にばん", "Stop 3,さん"}}};
        for (const auto &[translations, readings] : layouts) {
            GtfsWriter feed =
                GtfsWriter::line(3, distance).table(QStringLiteral("translations.txt"), translations);
            feed.tables[QStringLiteral("stops.txt")] += "P1,Stop 1,\n";
            auto result = import(feed);
            QVERIFY(std::holds_alternative<GtfsImport::Result>(result));
            QStringList got;
            for (const YomiFile::Entry &e : std::get<GtfsImport::Result>(result).readings)
                got << e.text + u',' + e.reading;
            QCOMPARE(got, readings);
        }
    }

    // The command: what it writes from an archive, its tables at its top or in one folder, of the trip
    // chosen; that a refusal writes nothing and says why in a line; and that a route that cannot be read
    // leaves the others listed.
    void commandLine()
    {
        QTemporaryDir dir;
        const QString top = dir.filePath(QStringLiteral("top.zip"));
        const QString inFolder = dir.filePath(QStringLiteral("folder.zip"));
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(GtfsWriter::line(4, distance, {{1, 2, 3, 4}, {1, 3, 4}, {1, 3, 4}})
                    .writeZip(inFolder, QStringLiteral("feed_2026/")));
        GtfsWriter feed = GtfsWriter::line(3, distance);
        feed.tables[QStringLiteral("routes.txt")] += "B,2,Broken\n";
        feed.tables[QStringLiteral("trips.txt")] += "B,U1,\n";
        feed.tables[QStringLiteral("stop_times.txt")] += "U1,S9,1\n";
        QVERIFY(feed.writeZip(top));
        QFile broken(dir.filePath(QStringLiteral("broken.zip")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("PK\x03\x04 cut") > 0 && broken.flush());
        QDir().mkpath(out);
        QProcess p;
        const auto run = [&p](const QStringList &args) {
            p.start(QStringLiteral(HY3CONV), args);
            return p.waitForFinished() ? p.exitCode() : -1;
        };

        QCOMPARE(run({"from-gtfs", broken.fileName(), "R", "7", out}), 1);
        QCOMPARE(QString::fromUtf8(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts).size(), 1);
        QCOMPARE(run({"from-gtfs", top, "X", "7", out}), 1);
        QCOMPARE(p.readAllStandardError(), QByteArray("hy3conv: routes.txt: no route X\n"));
        QCOMPARE(run({"from-gtfs", top, "R", "07", out}), 2);
        QCOMPARE(QDir(out).entryList(QDir::Files), QStringList());
        QCOMPARE(run({"from-gtfs", inFolder, "R", "7", out, "--trip", "T1"}), 0);
        QCOMPARE(QDir(out).entryList(QDir::Files), (QStringList{"7.hy3", "7tp.csv"}));
        QFile hy3(QDir(out).filePath(QStringLiteral("7.hy3")));
        QVERIFY(hy3.open(QIODevice::ReadOnly));
        QCOMPARE(rowsOf(hy3.readAll()),
                 (Rows{"Stop 1,1", "Stop 2,2,180", "Stop 3,3,280,180", "Stop 4,3,380,280,180"}));
        QCOMPARE(run({"gtfs-routes", top}), 0);
        QCOMPARE(p.readAllStandardOutput(), QByteArray("R\t1/Line\t1\t3\t2\nB\t2/Broken\t1\t-\t-\n"));
        QCOMPARE(p.readAllStandardError(),
                 QByteArray("hy3conv: route B: stop_times.txt:5: stop S9 is not in stops.txt\n"));
    }
};

QTEST_GUILESS_MAIN(tst_GtfsImport)
#include "tst_GtfsImport.moc"
