#include "GtfsSource.h"

#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>

QString GtfsProblem::text() const
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
    return QStringLiteral("%1: %2").arg(file, message);
}

namespace {

const QString kMarker = QStringLiteral("stops.txt");

QString tooLarge()
{
    return QStringLiteral("larger than %1 MiB").arg(GtfsSource::MaxTableBytes >> 20);
}

// Whether a folder holds stops.txt, in any letter case.
bool holdsTables(const QString &dir)
{
    const QStringList entries = QDir(dir).entryList(QDir::Files | QDir::System | QDir::Hidden);
    return std::any_of(entries.begin(), entries.end(),
                       [](const QString &e) { return e.compare(kMarker, Qt::CaseInsensitive) == 0; });
}

class MemorySource : public GtfsSource
{
public:
    explicit MemorySource(QMap<QString, QByteArray> tables)
        : m_tables(std::move(tables))
    {
    }
    Table read(const QString &name) override
    {
        if (!m_tables.contains(name))
            return std::optional<QByteArray>();
        return std::optional<QByteArray>(m_tables.value(name));
    }

private:
    QMap<QString, QByteArray> m_tables;
};

class FolderSource : public GtfsSource
{
public:
    explicit FolderSource(QString dir)
        : m_dir(std::move(dir))
    {
    }
    Table read(const QString &name) override
    {
        // Names are matched without regard to case: Stops.txt is stops.txt.
        const QStringList entries = QDir(m_dir).entryList(QDir::Files | QDir::System | QDir::Hidden);
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) != 0)
                continue;
            const QString path = QDir(m_dir).filePath(entry);
            if (!FilePaths::isOrdinaryFile(path))
                return GtfsProblem{name, 0, QStringLiteral("not an ordinary file")};
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                return GtfsProblem{name, 0, file.errorString()};
            if (file.size() > MaxTableBytes)
                return GtfsProblem{name, 0, tooLarge()};
            return std::optional<QByteArray>(file.readAll());
        }
        return std::optional<QByteArray>();
    }

private:
    QString m_dir;
};

class ZipSource : public GtfsSource
{
public:
    ZipSource(zip_t *archive, QString prefix, QByteArray bytes)
        : m_archive(archive)
        , m_prefix(std::move(prefix))
        , m_bytes(std::move(bytes))
    {
    }
    ~ZipSource() override { zip_discard(m_archive); }

    Table read(const QString &name) override
    {
        const zip_int64_t count = zip_get_num_entries(m_archive, 0);
        for (zip_int64_t i = 0; i < count; ++i) {
            const char *entry = zip_get_name(m_archive, zip_uint64_t(i), 0);
            if (!entry)
                continue;
            const QString path = QString::fromUtf8(entry);
            if (!path.startsWith(m_prefix)
                || path.mid(m_prefix.size()).compare(name, Qt::CaseInsensitive) != 0)
                continue;
            return readEntry(zip_uint64_t(i), name);
        }
        return std::optional<QByteArray>();
    }

private:
    Table readEntry(zip_uint64_t index, const QString &name)
    {
        zip_file_t *file = zip_fopen_index(m_archive, index, 0);
        if (!file)
            return GtfsProblem{name, 0, QString::fromUtf8(zip_strerror(m_archive))};
        QByteArray out;
        char chunk[64 * 1024];
        while (true) {
            const zip_int64_t n = zip_fread(file, chunk, sizeof chunk);
            if (n < 0) {
                const QString why = QString::fromUtf8(zip_file_strerror(file));
                zip_fclose(file);
                return GtfsProblem{name, 0, why};
            }
            if (n == 0)
                break;
            if (out.size() + n > MaxTableBytes) {
                zip_fclose(file);
                return GtfsProblem{name, 0, tooLarge()};
            }
            out.append(chunk, qsizetype(n));
        }
        zip_fclose(file);
        return std::optional<QByteArray>(std::move(out));
    }

    zip_t *m_archive;
    QString m_prefix;
    QByteArray m_bytes; // the archive itself when it was given in memory
};

// The folder of the archive that holds the tables: the top, or the one
// sub-folder where stops.txt is. Resource forks of macOS archives are no feed.
std::variant<QString, GtfsProblem> tablePrefix(zip_t *archive, const QString &feed)
{
    QStringList prefixes;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *entry = zip_get_name(archive, zip_uint64_t(i), 0);
        if (!entry)
            continue;
        const QString path = QString::fromUtf8(entry);
        if (path.startsWith(QStringLiteral("__MACOSX/")))
            continue;
        const qsizetype slash = path.lastIndexOf(u'/');
        if (path.mid(slash + 1).compare(kMarker, Qt::CaseInsensitive) != 0)
            continue;
        const QString prefix = path.left(slash + 1);
        if (prefix.isEmpty())
            return QString();
        if (prefix.count(u'/') == 1 && !prefixes.contains(prefix))
            prefixes << prefix;
    }
    if (prefixes.size() == 1)
        return prefixes.front();
    if (prefixes.isEmpty())
        return GtfsProblem{feed, 0, QStringLiteral("no stops.txt: this is not a GTFS feed")};
    return GtfsProblem{feed, 0, QStringLiteral("stops.txt in several folders: %1").arg(prefixes.join(u' '))};
}

std::variant<std::unique_ptr<GtfsSource>, GtfsProblem> zipSource(zip_source_t *source, QByteArray bytes,
                                                                 const QString &feed)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_t *archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        const QString why = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        zip_source_free(source);
        return GtfsProblem{feed, 0, QStringLiteral("not a readable zip archive (%1)").arg(why)};
    }
    zip_error_fini(&error);
    auto prefix = tablePrefix(archive, feed);
    if (auto *problem = std::get_if<GtfsProblem>(&prefix)) {
        zip_discard(archive);
        return *problem;
    }
    return std::make_unique<ZipSource>(archive, std::get<QString>(prefix), std::move(bytes));
}

} // namespace

std::unique_ptr<GtfsSource> GtfsSource::fromTables(QMap<QString, QByteArray> tables)
{
    return std::make_unique<MemorySource>(std::move(tables));
}

std::variant<std::unique_ptr<GtfsSource>, GtfsProblem> GtfsSource::openZip(const QByteArray &bytes,
                                                                           const QString &name)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_error_fini(&error);
    if (!source)
        return GtfsProblem{name, 0, QStringLiteral("cannot be read")};
    return zipSource(source, bytes, name);
}

std::variant<std::unique_ptr<GtfsSource>, GtfsProblem> GtfsSource::open(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        if (holdsTables(path))
            return std::make_unique<FolderSource>(path);
        const QStringList subs = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QStringList holding;
        for (const QString &sub : subs) {
            if (holdsTables(QDir(path).filePath(sub)))
                holding << sub;
        }
        if (holding.size() == 1)
            return std::make_unique<FolderSource>(QDir(path).filePath(holding.front()));
        if (holding.isEmpty())
            return GtfsProblem{path, 0, QStringLiteral("no stops.txt: this is not a GTFS feed")};
        return GtfsProblem{path, 0,
                           QStringLiteral("stops.txt in several folders: %1").arg(holding.join(u' '))};
    }
    if (!info.exists())
        return GtfsProblem{path, 0, QStringLiteral("no such file or folder")};
    if (!FilePaths::isOrdinaryFile(path))
        return GtfsProblem{path, 0, QStringLiteral("not an ordinary file")};
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &error);
    zip_error_fini(&error);
    if (!source)
        return GtfsProblem{path, 0, QStringLiteral("cannot be opened")};
    return zipSource(source, QByteArray(), path);
}
