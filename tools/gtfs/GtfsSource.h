#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <memory>
#include <optional>
#include <variant>

// Something wrong with a feed, said so that a person can act on it:
// "stops.txt:12: no stop_name column".
struct GtfsProblem
{
    QString file; // the table, or the feed itself
    int line = 0; // 0 = the file as a whole
    QString message;

    QString text() const;
};

// The files of a GTFS feed: a zip archive or a folder. A feed whose tables all
// sit in one sub-folder (as archives made by zipping a folder are) is read
// from there.
class GtfsSource
{
public:
    virtual ~GtfsSource() = default;

    // A table read whole, or nothing when the feed has no such file.
    using Table = std::variant<std::optional<QByteArray>, GtfsProblem>;
    virtual Table read(const QString &name) = 0;

    // A table may not be larger than this, uncompressed.
    static constexpr qint64 MaxTableBytes = qint64(1) << 30;

    // A zip file or a folder; a path that is neither, or a broken archive,
    // is a problem.
    static std::variant<std::unique_ptr<GtfsSource>, GtfsProblem> open(const QString &path);
    // An archive held in memory.
    static std::variant<std::unique_ptr<GtfsSource>, GtfsProblem> openZip(const QByteArray &bytes,
                                                                          const QString &name);
    // Tables held in memory, by file name.
    static std::unique_ptr<GtfsSource> fromTables(QMap<QString, QByteArray> tables);
};
