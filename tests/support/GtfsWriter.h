#pragma once

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

#include <zip.h>

#include <functional>

// Builds GTFS feeds for tests: tables by file name, each a header and its
// lines, written out as the test needs them (in memory or a zip).
struct GtfsWriter
{
    QMap<QString, QByteArray> tables;

    GtfsWriter &table(const QString &name, const QByteArray &text)
    {
        tables[name] = text;
        return *this;
    }
    GtfsWriter &without(const QString &name)
    {
        tables.remove(name);
        return *this;
    }

    // Route R with one trip per entry of trips (its stops as indexes 1..n of
    // stops S1..Sn, each in zone Zk), every pair a < b priced fare(a, b)
    // through one rule and one fare each.
    static GtfsWriter line(int n, const std::function<int(int, int)> &fare,
                           const QList<QList<int>> &trips = {})
    {
        GtfsWriter w;
        QByteArray stops = "stop_id,stop_name,zone_id\n";
        for (int k = 1; k <= n; ++k)
            stops += "S" + QByteArray::number(k) + ",Stop " + QByteArray::number(k) + ",Z"
                + QByteArray::number(k) + "\n";
        w.table(QStringLiteral("stops.txt"), stops);
        w.table(QStringLiteral("routes.txt"), "route_id,route_short_name,route_long_name\nR,1,Line\n");
        QList<QList<int>> runs = trips;
        if (runs.isEmpty()) {
            QList<int> all;
            for (int k = 1; k <= n; ++k)
                all << k;
            runs << all;
        }
        QByteArray tripText = "route_id,trip_id,trip_headsign\n";
        QByteArray times = "trip_id,stop_id,stop_sequence\n";
        for (qsizetype t = 0; t < runs.size(); ++t) {
            const QByteArray id = "T" + QByteArray::number(t + 1);
            tripText += "R," + id + ",\n";
            for (qsizetype s = 0; s < runs[t].size(); ++s)
                times += id + ",S" + QByteArray::number(runs[t][s]) + "," + QByteArray::number(s + 1) + "\n";
        }
        w.table(QStringLiteral("trips.txt"), tripText);
        w.table(QStringLiteral("stop_times.txt"), times);
        QByteArray attributes = "fare_id,price\n";
        QByteArray rules = "fare_id,route_id,origin_id,destination_id\n";
        for (int a = 1; a <= n; ++a) {
            for (int b = a + 1; b <= n; ++b) {
                const QByteArray id = "F" + QByteArray::number(a) + "_" + QByteArray::number(b);
                attributes += id + "," + QByteArray::number(fare(a, b)) + "\n";
                rules += id + ",R,Z" + QByteArray::number(a) + ",Z" + QByteArray::number(b) + "\n";
            }
        }
        w.table(QStringLiteral("fare_attributes.txt"), attributes);
        w.table(QStringLiteral("fare_rules.txt"), rules);
        return w;
    }

    // A zip archive of the tables, each under prefix ("feed/" puts them in a sub-folder).
    bool writeZip(const QString &path, const QString &prefix = {}) const
    {
        int error = 0;
        zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!archive)
            return false;
        for (auto it = tables.cbegin(); it != tables.cend(); ++it) {
            zip_source_t *source =
                zip_source_buffer(archive, it.value().constData(), zip_uint64_t(it.value().size()), 0);
            const QByteArray name = (prefix + it.key()).toUtf8();
            if (!source || zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
                zip_source_free(source);
                zip_discard(archive);
                return false;
            }
        }
        return zip_close(archive) == 0;
    }
};
