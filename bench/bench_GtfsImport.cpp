// One route imported from a large GTFS feed: 40 routes of 40 stops each,
// 60,000 fare rules and 20,000 stop times, read from a folder.
//   build-bench/bench/bench_GtfsImport
// The whole command, with its peak memory:
//   build-bench/bench/bench_GtfsImport --write-feed /tmp/bigfeed
//   /usr/bin/time -v build-bench/hy3conv from-gtfs /tmp/bigfeed R1 1 /tmp/bigout

#include "GtfsImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kRoutes = 40;
constexpr int kStops = 40; // per route
constexpr int kRulesPerRoute = 1500;
constexpr int kTripsPerRoute = 12; // and one more on every second route: 500 trips, 20,000 stop times

void writeFeed(const QString &dir)
{
    QDir().mkpath(dir);
    auto put = [&](const char *name, const QByteArray &text) {
        QFile f(QDir(dir).filePath(QString::fromLatin1(name)));
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            std::abort();
    };
    QByteArray stops = "stop_id,stop_name,stop_lat,stop_lon,zone_id\r\n";
    QByteArray routes = "route_id,agency_id,route_short_name,route_long_name,route_type\r\n";
    QByteArray trips = "route_id,service_id,trip_id,trip_headsign\r\n";
    QByteArray times = "trip_id,arrival_time,departure_time,stop_id,stop_sequence\r\n";
    QByteArray rules = "fare_id,route_id,origin_id,destination_id\r\n";
    QByteArray attributes = "fare_id,price,currency_type,payment_method,transfers\r\n";
    QByteArray translations =
        "table_name,field_name,language,translation,record_id,record_sub_id,field_value\r\n";
    for (int price = 150; price <= 150 + 10 * kStops; price += 10)
        attributes += "F" + QByteArray::number(price) + "," + QByteArray::number(price) + ",JPY,0,0\r\n";
    for (int r = 1; r <= kRoutes; ++r) {
        const QByteArray route = "R" + QByteArray::number(r);
        routes += route + ",A," + QByteArray::number(r) + ",第" + QByteArray::number(r) + "系統,3\r\n";
        auto stop = [&](int k) { return route + "_" + QByteArray::number(k); };
        for (int k = 1; k <= kStops; ++k) {
            const QByteArray name = "停留所" + QByteArray::number(r) + "の" + QByteArray::number(k);
            stops += stop(k) + "," + name + ",35.0,139.0,Z" + stop(k) + "\r\n";
            translations += "stops,stop_name,ja-Hrkt,ていりゅうじょ,,," + name + "\r\n";
        }
        const int tripCount = kTripsPerRoute + (r % 2);
        for (int t = 1; t <= tripCount; ++t) {
            const QByteArray trip = route + "_T" + QByteArray::number(t);
            trips += route + ",WD," + trip + ",終点\r\n";
            for (int k = 1; k <= kStops; ++k)
                times += trip + ",08:00:00,08:00:00," + stop(k) + "," + QByteArray::number(k) + "\r\n";
        }
        int written = 0;
        for (int a = 1; a <= kStops && written < kRulesPerRoute; ++a) {
            for (int b = 1; b <= kStops && written < kRulesPerRoute; ++b) {
                if (a == b)
                    continue;
                const QByteArray fare = "F" + QByteArray::number(150 + 10 * std::abs(b - a));
                rules += fare + "," + route + ",Z" + stop(a) + ",Z" + stop(b) + "\r\n";
                ++written;
            }
        }
    }
    put("stops.txt", stops);
    put("routes.txt", routes);
    put("trips.txt", trips);
    put("stop_times.txt", times);
    put("fare_rules.txt", rules);
    put("fare_attributes.txt", attributes);
    put("translations.txt", translations);
}

void BM_importOneRoute(benchmark::State &state)
{
    QTemporaryDir dir;
    writeFeed(dir.path());
    for (auto _ : state) {
        auto opened = GtfsSource::open(dir.path());
        auto &source = std::get<std::unique_ptr<GtfsSource>>(opened);
        auto result = GtfsImport::importRoute(*source, "R17");
        if (!std::holds_alternative<GtfsImport::Result>(result))
            state.SkipWithError("refused");
        benchmark::DoNotOptimize(result);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_importOneRoute)->Unit(benchmark::kMillisecond);

void BM_listRoutes(benchmark::State &state)
{
    QTemporaryDir dir;
    writeFeed(dir.path());
    for (auto _ : state) {
        auto opened = GtfsSource::open(dir.path());
        auto listed = GtfsImport::routes(*std::get<std::unique_ptr<GtfsSource>>(opened));
        benchmark::DoNotOptimize(listed);
    }
}
BENCHMARK(BM_listRoutes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--write-feed") == 0) {
        writeFeed(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
