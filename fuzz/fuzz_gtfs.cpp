// GTFS feeds: an archive (input starting "PK") or tables given one after the
// other, separated by a zero byte (stops, routes, trips, stop_times,
// fare_attributes, fare_rules, translations). Whatever the bytes, the reader
// ends with a route list or one problem, and every route it imports is a
// fare data file of its stops, a tape of as many entries, and readings that
// read back.
//
// With FUZZ_GTFS_SEEDS=<folder> it writes the sample feed there in both forms
// and exits.

#include "GtfsImport.h"
#include "GtfsWriter.h"
#include "Hy3File.h"
#include "TapeFile.h"
#include "YomiFile.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

namespace {

const QStringList kTables{"stops.txt",           "routes.txt",     "trips.txt",       "stop_times.txt",
                          "fare_attributes.txt", "fare_rules.txt", "translations.txt"};

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void writeSeeds(const QString &folder)
{
    GtfsWriter sample;
    QByteArray joined;
    for (const QString &name : kTables) {
        QFile f(QStringLiteral(SAMPLE_DIR "/gtfs/") + name);
        check(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        sample.table(name, bytes);
        joined += bytes + '\0';
    }
    QDir().mkpath(folder);
    QFile tables(QDir(folder).filePath(QStringLiteral("seed-tables")));
    check(tables.open(QIODevice::WriteOnly) && tables.write(joined) == joined.size());
    check(sample.writeZip(QDir(folder).filePath(QStringLiteral("seed-zip")), QStringLiteral("feed/")));
}

void importEach(GtfsSource &source)
{
    auto listed = GtfsImport::routes(source);
    if (!std::holds_alternative<std::vector<GtfsImport::Route>>(listed))
        return;
    int tried = 0;
    for (const GtfsImport::Route &route : std::get<std::vector<GtfsImport::Route>>(listed)) {
        if (++tried > 4)
            break;
        for (const bool merge : {true, false}) {
            auto imported = GtfsImport::importRoute(source, route.id, {{}, merge});
            const bool listedWhole = route.trips > 0 && route.problem.isEmpty();
            if (merge)
                check(std::holds_alternative<GtfsImport::Result>(imported) == listedWhole);
            if (!std::holds_alternative<GtfsImport::Result>(imported))
                continue;
            const GtfsImport::Result &r = std::get<GtfsImport::Result>(imported);
            check(r.stops >= 2 && r.stops <= 301 && r.tickets >= 1 && r.tickets <= 150);
            check(merge || r.tickets == r.stops - 1);
            if (merge)
                check(route.stops == r.stops && route.tickets == r.tickets);
            auto rows = Hy3File::readRows(r.hy3, 301, QStringLiteral("fuzz"));
            check(std::holds_alternative<Hy3File::Rows>(rows));
            check(int(std::get<Hy3File::Rows>(rows).rows.size()) == r.stops);
            check(std::get<Hy3File::Rows>(rows).endOffset == r.hy3.size());
            const TapeFile::Contents tape = TapeFile::read(r.tape);
            check(tape.ok() && tape.entryCount == r.stops);
            const YomiFile::Appended yomi = YomiFile::append({}, r.readings);
            const QList<YomiFile::Entry> back = YomiFile::parse(yomi.bytes);
            check(back == yomi.added);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    if (const QString seeds = qEnvironmentVariable("FUZZ_GTFS_SEEDS"); !seeds.isEmpty()) {
        writeSeeds(seeds);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith("PK")) {
        auto opened = GtfsSource::openZip(bytes, QStringLiteral("fuzz.zip"));
        if (auto *source = std::get_if<std::unique_ptr<GtfsSource>>(&opened))
            importEach(**source);
        return 0;
    }
    QMap<QString, QByteArray> tables;
    const QList<QByteArray> parts = bytes.split('\0');
    for (qsizetype i = 0; i < parts.size() && i < kTables.size(); ++i)
        tables.insert(kTables[i], parts[i]);
    const auto source = GtfsSource::fromTables(tables);
    importEach(*source);
    return 0;
}
