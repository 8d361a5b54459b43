// hy3conv: converts route fare data (.hy3) to CSV and back, so that routes can
// be written in a spreadsheet, and makes the files of a route from the open
// data (GTFS-JP) its operator publishes.

#include "FilePaths.h"
#include "GtfsImport.h"
#include "Hy3Csv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kRefused = 1;
constexpr int kUsage = 2;

void say(const QString &text)
{
    QTextStream(stderr) << text << '\n';
}

const QString kToCsv = QStringLiteral("hy3conv to-csv IN.hy3 [OUT.csv]");
const QString kFromCsv = QStringLiteral("hy3conv from-csv IN.csv OUT.hy3");
const QString kGtfsRoutes = QStringLiteral("hy3conv gtfs-routes FEED");
const QString kFromGtfs =
    QStringLiteral("hy3conv from-gtfs FEED ROUTE_ID NUMBER OUTDIR [--trip TRIP_ID] [--no-merge]");

int usage()
{
    say(QStringLiteral("usage: %1\n       %2\n       %3\n       %4")
            .arg(kToCsv, kFromCsv, kGtfsRoutes, kFromGtfs));
    return kUsage;
}

// What a verb does, for --help.
int help(const QString &verb)
{
    QTextStream out(stdout);
    if (verb == u"to-csv")
        out << "usage: " << kToCsv
            << "\n\nWrites a route's fare data as CSV (UTF-8), to OUT.csv or the screen.\n";
    else if (verb == u"from-csv")
        out << "usage: " << kFromCsv
            << "\n\nMakes a route's fare data from CSV in UTF-8 or Shift-JIS: one line per stop,\n"
               "name,seiri,c1..c150.\n";
    else if (verb == u"gtfs-routes")
        out << "usage: " << kGtfsRoutes
            << "\n\nLists the routes of a GTFS-JP feed (a zip file or a folder), one a line:\n"
               "route_id, short/long name, trips, stops of its stop pattern, ticket numbers.\n";
    else
        out << "usage: " << kFromGtfs
            << "\n\nWrites NUMBER.hy3, NUMBERtp.csv and the stop names' readings (yomi.csv) of\n"
               "route ROUTE_ID of a GTFS-JP feed into OUTDIR. NUMBER is the route number keyed\n"
               "on the panel (1 to 99999).\n"
               "  --trip TRIP_ID  take the stops of this trip instead of the route's most run pattern\n"
               "  --no-merge      give every boarding stop its own ticket number\n";
    return 0;
}

std::optional<QByteArray> readAll(const QString &path, qint64 limit)
{
    QFile file(path);
    if (QFileInfo::exists(path) && !FilePaths::isOrdinaryFile(path)) {
        say(QStringLiteral("hy3conv: %1: not an ordinary file").arg(path));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        say(QStringLiteral("hy3conv: %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    if (file.size() > limit) {
        say(QStringLiteral("hy3conv: %1: larger than %2 bytes").arg(path).arg(limit));
        return std::nullopt;
    }
    return file.readAll();
}

// Writes beside the target and renames, so a failed run leaves no half file.
bool writeAll(const QString &path, const QByteArray &bytes)
{
    if (const auto failure = FilePaths::writeWhole(path, bytes)) {
        say(QStringLiteral("hy3conv: ") + failure->description.section(QStringLiteral("\r\n"), 1));
        return false;
    }
    return true;
}

int refuse(const QString &path, const Hy3Csv::Refusal &r)
{
    if (r.line > 0)
        say(QStringLiteral("hy3conv: %1: line %2: %3").arg(path).arg(r.line).arg(r.message));
    else
        say(QStringLiteral("hy3conv: %1: %2").arg(path, r.message));
    return kRefused;
}

// Large enough for any route a person writes; the formats themselves stop far below.
constexpr qint64 kMaxInput = 64 * 1024 * 1024;

int toCsv(const QString &in, const QString &out)
{
    const auto bytes = readAll(in, kMaxInput);
    if (!bytes)
        return kRefused;
    auto result = Hy3Csv::toCsv(*bytes);
    if (const auto *r = std::get_if<Hy3Csv::Refusal>(&result))
        return refuse(in, *r);
    const Hy3Csv::Csv &csv = std::get<Hy3Csv::Csv>(result);
    for (const QString &w : csv.warnings)
        say(QStringLiteral("hy3conv: %1: warning: %2").arg(in, w));
    if (out.isEmpty()) {
        std::fwrite(csv.text.constData(), 1, size_t(csv.text.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : kRefused;
    }
    return writeAll(out, csv.text) ? 0 : kRefused;
}

int fromCsv(const QString &in, const QString &out)
{
    const auto bytes = readAll(in, kMaxInput);
    if (!bytes)
        return kRefused;
    auto result = Hy3Csv::fromCsv(*bytes);
    if (const auto *r = std::get_if<Hy3Csv::Refusal>(&result))
        return refuse(in, *r);
    return writeAll(out, std::get<QByteArray>(result)) ? 0 : kRefused;
}

std::unique_ptr<GtfsSource> openFeed(const QString &path)
{
    auto opened = GtfsSource::open(path);
    if (auto *problem = std::get_if<GtfsProblem>(&opened)) {
        say(QStringLiteral("hy3conv: ") + problem->text());
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<GtfsSource>>(opened));
}

int gtfsRoutes(const QString &feedPath)
{
    const std::unique_ptr<GtfsSource> feed = openFeed(feedPath);
    if (!feed)
        return kRefused;
    auto listed = GtfsImport::routes(*feed);
    if (auto *problem = std::get_if<GtfsProblem>(&listed)) {
        say(QStringLiteral("hy3conv: ") + problem->text());
        return kRefused;
    }
    QTextStream out(stdout);
    for (const GtfsImport::Route &r : std::get<std::vector<GtfsImport::Route>>(listed)) {
        out << QString::fromUtf8(r.id) << '\t' << r.shortName << '/' << r.longName << '\t' << r.trips << '\t';
        if (r.problem.isEmpty()) {
            out << r.stops << '\t' << r.tickets << '\n';
        } else {
            out << "-\t-\n";
            say(QStringLiteral("hy3conv: route %1: %2").arg(QString::fromUtf8(r.id), r.problem));
        }
    }
    return 0;
}

int fromGtfs(const QStringList &args)
{
    // FEED ROUTE_ID NUMBER OUTDIR, then the options.
    QStringList plain;
    GtfsImport::Options options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--no-merge") {
            options.merge = false;
        } else if (args[i] == u"--trip" && i + 1 < args.size()) {
            options.tripId = args[++i].toUtf8();
        } else if (args[i].startsWith(u"--")) {
            return usage();
        } else {
            plain << args[i];
        }
    }
    if (plain.size() != 4)
        return usage();
    const QString &number = plain[2];
    static const QRegularExpression routeNumber(QStringLiteral("^[1-9][0-9]{0,4}$"));
    if (!routeNumber.match(number).hasMatch()) {
        say(QStringLiteral("hy3conv: NUMBER must be a route number from 1 to 99999 without leading zeros, "
                           "not \"%1\"")
                .arg(number));
        return kUsage;
    }
    const std::unique_ptr<GtfsSource> feed = openFeed(plain[0]);
    if (!feed)
        return kRefused;
    auto imported = GtfsImport::importRoute(*feed, plain[1].toUtf8(), options);
    if (auto *problem = std::get_if<GtfsProblem>(&imported)) {
        say(QStringLiteral("hy3conv: ") + problem->text());
        return kRefused;
    }
    const GtfsImport::Result &r = std::get<GtfsImport::Result>(imported);

    const QDir outDir(plain[3]);
    // An existing file of another letter case is the one the program reads, and so the one to add to.
    const QString yomiPath = FilePaths::resolveIgnoringCase(outDir.filePath(YomiFile::fileName()));
    const QString hy3Path = outDir.filePath(number + QStringLiteral(".hy3"));
    const QString tapePath = outDir.filePath(number + QStringLiteral("tp.csv"));
    QByteArray existing;
    if (QFileInfo::exists(yomiPath)) {
        const auto bytes = readAll(yomiPath, YomiFile::MaxFileBytes);
        if (!bytes)
            return kRefused;
        existing = *bytes;
    }
    if (!outDir.mkpath(QStringLiteral("."))) {
        say(QStringLiteral("hy3conv: %1: cannot create the folder").arg(plain[3]));
        return kRefused;
    }
    const YomiFile::Appended yomi = YomiFile::append(existing, r.readings);
    if (!writeAll(hy3Path, r.hy3) || !writeAll(tapePath, r.tape)
        || (!yomi.added.isEmpty() && !writeAll(yomiPath, yomi.bytes)))
        return kRefused;

    QStringList warnings = r.warnings;
    for (const YomiFile::Entry &e : yomi.unwritable)
        warnings
            << QStringLiteral("no reading written for \"%1\": yomi.csv cannot hold it as a line").arg(e.text);
    for (const QString &w : std::as_const(warnings))
        say(QStringLiteral("hy3conv: warning: ") + w);
    QTextStream out(stdout);
    out << "route " << plain[1] << " (" << r.routeName << ") as route " << number << ": " << r.stops
        << " stops, " << r.tickets << " ticket numbers, " << r.faresFound << " of "
        << (r.faresFound + r.faresMissing) << " fares found, " << warnings.size() << " warnings\n"
        << "wrote " << hy3Path << ", " << tapePath << " and " << yomi.added.size() << " readings in "
        << yomiPath << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    static const QStringList verbs{QStringLiteral("to-csv"), QStringLiteral("from-csv"),
                                   QStringLiteral("gtfs-routes"), QStringLiteral("from-gtfs")};
    if (!args.isEmpty() && verbs.contains(args[0])
        && (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))))
        return help(args[0]);
    if (args.size() == 2 && args[0] == u"gtfs-routes")
        return gtfsRoutes(args[1]);
    if (!args.isEmpty() && args[0] == u"from-gtfs")
        return fromGtfs(args.mid(1));
    if (args.size() >= 2 && args.size() <= 3 && args[0] == u"to-csv")
        return toCsv(args[1], args.value(2));
    if (args.size() == 3 && args[0] == u"from-csv")
        return fromCsv(args[1], args[2]);
    return usage();
}
