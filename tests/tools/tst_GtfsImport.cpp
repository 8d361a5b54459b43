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
        int last = HyRecord::ColCount;
        while (last > 0 && r.Col[last] == 0)
            --last;
        QStringList fields{r.TeiName, QString::number(r.SeiriNo)};
        for (int c = 1; c <= last; ++c)
            fields << QString::number(r.Col[c]);
        out << fields.join(u',');
    }
    return out;
}

std::variant<GtfsImport::Result, GtfsProblem> import(const GtfsWriter &feed, const QByteArray &route = "R",
                                                     const GtfsImport::Options &options = {})
{
    const auto source = GtfsSource::fromTables(feed.tables);
    return GtfsImport::importRoute(*source, route, options);
}

int distance(int a, int b)
{
    return 80 + 100 * (b - a);
}

int flat(int, int)
{
    return 210;
}

} // namespace

class tst_GtfsImport : public QObject
{
    Q_OBJECT

private slots:
    void tables_data()
    {
        QTest::addColumn<GtfsWriter>("feed");
        QTest::addColumn<QByteArray>("trip");
        QTest::addColumn<bool>("merge");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("warnings");

        QTest::newRow("distance fares") << GtfsWriter::line(3, distance) << QByteArray() << true
                                        << Rows{"Stop 1,1", "Stop 2,2,180", "Stop 3,2,280,180"} << 0;
        QTest::newRow("one fare, no rules")
            << GtfsWriter::line(3, flat)
                   .without(QStringLiteral("fare_rules.txt"))
                   .table(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF,210.0\n")
            << QByteArray() << true << Rows{"Stop 1,1", "Stop 2,1,210", "Stop 3,1,210"} << 0;
        QTest::newRow("one fare, no merging")
            << GtfsWriter::line(3, flat)
                   .table(QStringLiteral("fare_rules.txt"), "fare_id,route_id\n")
                   .table(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF,210\n")
            << QByteArray() << false << Rows{"Stop 1,1", "Stop 2,2,210", "Stop 3,2,210,210"} << 0;
        QTest::newRow("one fare written twice, no rules")
            << GtfsWriter::line(2, flat)
                   .without(QStringLiteral("fare_rules.txt"))
                   .table(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF,230\nF,210\n,\n")
            << QByteArray() << true << Rows{"Stop 1,1", "Stop 2,1,210"} << 0;
        QTest::newRow("two fares, no rules: nothing priced")
            << GtfsWriter::line(2, flat)
                   .without(QStringLiteral("fare_rules.txt"))
                   .table(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF,210\nG,100\n")
            << QByteArray() << true << Rows{"Stop 1,1", "Stop 2,1"} << 1;
        QTest::newRow("the most run pattern")
            << GtfsWriter::line(4, distance, {{1, 2, 3, 4}, {1, 3, 4}, {1, 3, 4}}) << QByteArray() << true
            << Rows{"Stop 1,1", "Stop 3,2,280", "Stop 4,2,380,180"} << 0;
        QTest::newRow("a trip chosen")
            << GtfsWriter::line(4, distance, {{1, 2, 3, 4}, {1, 3, 4}, {1, 3, 4}}) << QByteArray("T1") << true
            << Rows{"Stop 1,1", "Stop 2,2,180", "Stop 3,3,280,180", "Stop 4,3,380,280,180"} << 0;

        // Written as people write feeds by hand.
        GtfsWriter untidy = GtfsWriter::line(3, distance);
        untidy.table(QStringLiteral("stops.txt"),
                     "\xEF\xBB\xBF zone_id , stop_name ,stop_id\r\n"
                     "Z1,\"Stop 1, north\",S1\r\n"
                     "Z2 , \"Say \"\"2\"\"\" ,S2\r\n"
                     ",,\r\n"
                     "Z3,\"Stop\" 3,S3\r\n\r\n\r\n");
        untidy.table(QStringLiteral("stop_times.txt"),
                     "stop_sequence,stop_id,trip_id\n30,S3,T1\n5,S1,T1\n17,S2,T1\n\n");
        untidy.table(QStringLiteral("trips.txt"), "trip_id,route_id\nT1,R\n");
        QTest::newRow("untidy") << untidy << QByteArray() << true
                                << Rows{"Stop 1, north,1", "Say \"2\",2,180", "Stop 3,2,280,180"} << 0;

        GtfsWriter shiftJis = GtfsWriter::line(2, distance);
        shiftJis.table(QStringLiteral("stops.txt"),
                       Cp932::encode(u"stop_id,stop_name,zone_id\r\nS1,中央駅前,Z1\r\nS2,市役所前,Z2\r\n"));
        QTest::newRow("Shift-JIS table")
            << shiftJis << QByteArray() << true << Rows{"中央駅前,1", "市役所前,1,180"} << 1;

        GtfsWriter unholdable = GtfsWriter::line(2, distance);
        unholdable.table(QStringLiteral("stops.txt"), "stop_id,stop_name,zone_id\nS1,A−B,Z1\nS2,C,Z2\n");
        QTest::newRow("a name code page 932 cannot hold")
            << unholdable << QByteArray() << true << Rows{"A?B,1", "C,1,180"} << 1;

        QTest::newRow("25 ticket numbers")
            << GtfsWriter::line(26, distance) << QByteArray() << true << Rows{} << 1;
    }

    void tables()
    {
        QFETCH(GtfsWriter, feed);
        QFETCH(QByteArray, trip);
        QFETCH(bool, merge);
        QFETCH(Rows, rows);
        QFETCH(int, warnings);
        auto result = import(feed, "R", {trip, merge});
        if (auto *problem = std::get_if<GtfsProblem>(&result))
            QFAIL(qPrintable(problem->text()));
        const GtfsImport::Result &r = std::get<GtfsImport::Result>(result);
        if (!rows.isEmpty())
            QCOMPARE(rowsOf(r.hy3), rows);
        QCOMPARE(r.warnings.size(), warnings);
    }

    void problems_data()
    {
        QTest::addColumn<GtfsWriter>("feed");
        QTest::addColumn<QByteArray>("route");
        QTest::addColumn<QString>("problem");
        const GtfsWriter good = GtfsWriter::line(3, distance);
        QTest::newRow("no stops.txt") << GtfsWriter(good).without(QStringLiteral("stops.txt"))
                                      << QByteArray("R") << "stops.txt: missing: this is not a GTFS feed";
        QTest::newRow("a column missing")
            << GtfsWriter(good).table(QStringLiteral("stops.txt"), "stop_id,name\nS1,A\n") << QByteArray("R")
            << "stops.txt:1: no stop_name column";
        QTest::newRow("a column missing under blank lines")
            << GtfsWriter(good).table(QStringLiteral("stops.txt"), "\n\nstop_id,name\nS1,A\n")
            << QByteArray("R") << "stops.txt:3: no stop_name column";
        QTest::newRow("no such route") << good << QByteArray("X") << "routes.txt: no route X";
        QTest::newRow("a route without trips")
            << GtfsWriter(good).table(QStringLiteral("routes.txt"), "route_id\nR\nE\n") << QByteArray("E")
            << "trips.txt: route E has no trips";
        QTest::newRow("a quote not closed")
            << GtfsWriter(good).table(QStringLiteral("stops.txt"), "stop_id,stop_name\nS1,\"A\nS2,B\n")
            << QByteArray("R") << "stops.txt:2: a quoted field is not closed";
        QTest::newRow("a sequence that is no number")
            << GtfsWriter(good).table(QStringLiteral("stop_times.txt"),
                                      "trip_id,stop_id,stop_sequence\nT1,S1,1\nT1,S2,second\n")
            << QByteArray("R") << "stop_times.txt:3: stop_sequence \"second\" is not a whole number";
        QTest::newRow("a stop not in stops.txt")
            << GtfsWriter(good).table(QStringLiteral("stop_times.txt"),
                                      "trip_id,stop_id,stop_sequence\nT1,S9,1\n")
            << QByteArray("R") << "stop_times.txt:2: stop S9 is not in stops.txt";
        QTest::newRow("one stop") << GtfsWriter(good).table(QStringLiteral("stop_times.txt"),
                                                            "trip_id,stop_id,stop_sequence\nT1,S1,1\n")
                                  << QByteArray("R")
                                  << "stop_times.txt: the stop pattern of route R has only one stop";
        QTest::newRow("half a yen")
            << GtfsWriter(good).table(QStringLiteral("fare_attributes.txt"),
                                      "fare_id,price\nF1_2,180\nF1_3,280.5\nF2_3,180\n")
            << QByteArray("R")
            << "fare_attributes.txt:3: price \"280.5\" is not a whole number of yen in -32768..32767";
        QTest::newRow("40000 yen")
            << GtfsWriter(good).table(QStringLiteral("fare_attributes.txt"), "fare_id,price\nF1_2,40000\n")
            << QByteArray("R")
            << "fare_attributes.txt:2: price \"40000\" is not a whole number of yen in -32768..32767";
        QTest::newRow("302 stops")
            << GtfsWriter::line(302, flat) << QByteArray("R")
            << "stop_times.txt: the stop pattern of route R has 302 stops; a route holds at "
               "most 301";
        QTest::newRow("151 ticket numbers")
            << GtfsWriter::line(152, distance) << QByteArray("R")
            << "fare_rules.txt: route R needs 151 ticket numbers; a route holds at "
               "most 150";
    }

    void problems()
    {
        QFETCH(GtfsWriter, feed);
        QFETCH(QByteArray, route);
        QFETCH(QString, problem);
        auto result = import(feed, route);
        QVERIFY(std::holds_alternative<GtfsProblem>(result));
        QCOMPARE(std::get<GtfsProblem>(result).text(), problem);
    }

    void readings_data()
    {
        QTest::addColumn<QByteArray>("translations");
        QTest::addColumn<QByteArray>("moreStops");
        QTest::addColumn<QStringList>("readings"); // "name,reading" of stops 1 and 2
        QTest::newRow("older layout") << QByteArray(
            "trans_id,lang,translation\nStop 1,ja-Hrkt,いち\nStop 1,en,One\nStop 2,ja-Hrkt,に\n")
                                      << QByteArray() << QStringList{"Stop 1,いち", "Stop 2,に"};
        QTest::newRow("standard layout, by value and by record, any column order")
            << QByteArray("language,translation,table_name,field_name,field_value,record_id\n"
                          "ja-Hrkt,いち,stops,stop_name,Stop 1,\n"
                          "ja-Hrkt,にばん,stops,stop_name,,S2\n"
                          "ja-Hrkt,ちがう,routes,route_long_name,Stop 2,\n")
            << QByteArray() << QStringList{"Stop 1,いち", "Stop 2,にばん"};
        QTest::newRow("by record before by value")
            << QByteArray("table_name,field_name,language,translation,record_id,field_value\n"
                          "stops,stop_name,ja-Hrkt,ていりゅうじょ,,Stop 2\n"
                          "stops,stop_name,ja-Hrkt,に,S2,\n")
            << QByteArray() << QStringList{"Stop 2,に"};
        QTest::newRow("by the record of the station the platform stands at")
            << QByteArray("table_name,field_name,language,translation,record_id\n"
                          "stops,stop_name,ja-Hrkt,いち,P1\n")
            << QByteArray("P1,Stop 1,\n") << QStringList{"Stop 1,いち"};
    }

    void readings()
    {
        QFETCH(QByteArray, translations);
        QFETCH(QByteArray, moreStops);
        QFETCH(QStringList, readings);
        GtfsWriter feed =
            GtfsWriter::line(2, distance).table(QStringLiteral("translations.txt"), translations);
        feed.tables[QStringLiteral("stops.txt")] += moreStops;
        auto result = import(feed);
        QVERIFY(std::holds_alternative<GtfsImport::Result>(result));
        QStringList got;
        for (const YomiFile::Entry &e : std::get<GtfsImport::Result>(result).readings)
            got << e.text + u',' + e.reading;
        QCOMPARE(got, readings);
    }

    // A route whose trips cannot be read is named as such; the others are listed.
    void aBrokenRouteLeavesTheOthersListed()
    {
        GtfsWriter feed = GtfsWriter::line(3, distance);
        feed.tables[QStringLiteral("routes.txt")] += "B,2,Broken\n";
        feed.tables[QStringLiteral("trips.txt")] += "B,U1,\nB,T1,\n";
        feed.tables[QStringLiteral("stop_times.txt")] += "U1,S9,1\n";
        const auto source = GtfsSource::fromTables(feed.tables);
        auto listed = GtfsImport::routes(*source);
        if (auto *problem = std::get_if<GtfsProblem>(&listed))
            QFAIL(qPrintable(problem->text()));
        const auto &routes = std::get<std::vector<GtfsImport::Route>>(listed);
        QCOMPARE(routes.size(), size_t(2));
        QCOMPARE(routes[0].problem, QStringLiteral("trips.txt:4: trip T1 is listed twice"));
        QCOMPARE(routes[1].problem, routes[0].problem);
        auto imported = GtfsImport::importRoute(*source, "B");
        QCOMPARE(std::get<GtfsProblem>(imported).text(), routes[1].problem);
        feed.tables[QStringLiteral("trips.txt")].chop(5); // T1 listed once
        const auto fixed = GtfsSource::fromTables(feed.tables);
        auto again = GtfsImport::routes(*fixed);
        const auto &routes2 = std::get<std::vector<GtfsImport::Route>>(again);
        QCOMPARE(routes2[0].tickets, 2);
        QCOMPARE(routes2[1].problem, QStringLiteral("stop_times.txt:5: stop S9 is not in stops.txt"));
    }

    void zipArchives_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("problem");
        QTest::newRow("top") << QString() << QString();
        QTest::newRow("one sub-folder") << QStringLiteral("feed_2026/") << QString();
        QTest::newRow("two levels down")
            << QStringLiteral("a/b/") << QStringLiteral("no stops.txt: this is not a GTFS feed");
    }

    void zipArchives()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString zip = dir.filePath(QStringLiteral("feed.zip"));
        QVERIFY(GtfsWriter::line(3, distance).writeZip(zip, prefix));
        auto opened = GtfsSource::open(zip);
        if (!problem.isEmpty()) {
            QVERIFY(std::holds_alternative<GtfsProblem>(opened));
            QCOMPARE(std::get<GtfsProblem>(opened).message, problem);
            return;
        }
        QVERIFY(std::holds_alternative<std::unique_ptr<GtfsSource>>(opened));
        auto result = GtfsImport::importRoute(*std::get<std::unique_ptr<GtfsSource>>(opened), "R");
        QVERIFY(std::holds_alternative<GtfsImport::Result>(result));
        QCOMPARE(rowsOf(std::get<GtfsImport::Result>(result).hy3),
                 (Rows{"Stop 1,1", "Stop 2,2,180", "Stop 3,2,280,180"}));
    }

    // The command: what it writes, and that a refusal writes nothing.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args"); // FEED stands for the feed folder, OUT for the output folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("imported") << QStringList{"from-gtfs", "FEED", "R", "7", "OUT"} << 0
                                  << QStringList{"7.hy3", "7tp.csv"};
        QTest::newRow("no such route")
            << QStringList{"from-gtfs", "FEED", "X", "7", "OUT"} << 1 << QStringList{};
        QTest::newRow("not a feed") << QStringList{"from-gtfs", "OUT", "R", "7", "OUT"} << 1 << QStringList{};
        QTest::newRow("broken zip") << QStringList{"from-gtfs", "ZIP", "R", "7", "OUT"} << 1 << QStringList{};
        QTest::newRow("leading zero")
            << QStringList{"from-gtfs", "FEED", "R", "07", "OUT"} << 2 << QStringList{};
        QTest::newRow("listing") << QStringList{"gtfs-routes", "FEED"} << 0 << QStringList{};
    }

    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QStringList, written);
        QTemporaryDir dir;
        const QString feed = dir.filePath(QStringLiteral("feed"));
        const QString out = dir.filePath(QStringLiteral("out"));
        QVERIFY(GtfsWriter::line(3, distance).writeFolder(feed));
        QFile zip(dir.filePath(QStringLiteral("broken.zip")));
        QVERIFY(zip.open(QIODevice::WriteOnly));
        zip.write("PK\x03\x04 not really");
        zip.close();
        QDir().mkpath(out);
        args.replaceInStrings(QStringLiteral("FEED"), feed);
        args.replaceInStrings(QStringLiteral("ZIP"), zip.fileName());
        args.replaceInStrings(QStringLiteral("OUT"), out);

        QProcess p;
        p.start(QStringLiteral(HY3CONV), args);
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), status);
        const QStringList errors =
            QString::fromUtf8(p.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        if (status == 1)
            QCOMPARE(errors.size(), 1); // one line, naming what is wrong
        QCOMPARE(QDir(out).entryList(QDir::Files), written);
        if (args[0] == u"gtfs-routes")
            QCOMPARE(p.readAllStandardOutput(), QByteArray("R\t1/Line\t1\t3\t2\n"));
    }
};

QTEST_GUILESS_MAIN(tst_GtfsImport)
#include "tst_GtfsImport.moc"
