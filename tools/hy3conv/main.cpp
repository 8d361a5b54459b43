// hy3conv: converts route fare data (.hy3) to CSV and back, so that routes can
// be written in a spreadsheet.

#include "FilePaths.h"
#include "Hy3Csv.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

constexpr int kRefused = 1;
constexpr int kUsage = 2;

void say(const QString &text)
{
    QTextStream(stderr) << text << '\n';
}

int usage()
{
    say(QStringLiteral("usage: hy3conv to-csv IN.hy3 [OUT.csv]\n"
                       "       hy3conv from-csv IN.csv OUT.hy3"));
    return kUsage;
}

std::optional<QByteArray> readAll(const QString &path, qint64 limit)
{
    QFile file(path);
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.size() <= 3 && args[0] == u"to-csv")
        return toCsv(args[1], args.value(2));
    if (args.size() == 3 && args[0] == u"from-csv")
        return fromCsv(args[1], args[2]);
    return usage();
}
