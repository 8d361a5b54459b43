#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <signal.h>

#include <filesystem>

namespace FilePaths {

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty())
        return folder;
    if (folder.endsWith(u'/'))
        return folder;
    if (folder.endsWith(u'\\'))
        return folder.left(folder.size() - 1) + u'/';
    return folder + u'/';
}

bool isOrdinaryFile(const QString &path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(QFile::encodeName(path).toStdString()), ec);
}

QString resolveIgnoringCase(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists() || path.isEmpty())
        return path;
    const QDir dir = info.dir();
    const QString wanted = info.fileName();
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            const qsizetype cut = path.size() - wanted.size();
            return path.left(cut) + entry;
        }
    }
    return path;
}

namespace {

// A file grown past RLIMIT_FSIZE raises SIGXFSZ, whose default ends the
// process; ignored, the write fails with EFBIG and is reported like a full disk.
class FileSizeSignalIgnored
{
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &m_before);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &m_before, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored &) = delete;
    FileSizeSignalIgnored &operator=(const FileSizeSignalIgnored &) = delete;

private:
    struct sigaction m_before = {};
};

} // namespace

std::optional<Failure> writeWhole(const QString &path, const QByteArray &bytes)
{
    const FileSizeSignalIgnored sizeLimitIsAnError;
    QSaveFile file(path);
    // A folder where no file may be made still lets a writable file be written
    // over, as programs that write in place always could; the all-or-nothing
    // write is kept wherever it can be had.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write shows in write()'s count: through the
    // buffer a disk that fills up half way can still end in a commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int number =
            QFileInfo(path).dir().exists() ? RuntimeError::PathFileAccess : RuntimeError::PathNotFound;
        return Failure::of(number, path + QStringLiteral(": ") + file.errorString());
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        return Failure::of(RuntimeError::DeviceIo, path + QStringLiteral(": ") + file.errorString());
    return std::nullopt;
}

void removeSaveLeftovers(const QString &path)
{
    const QFileInfo target(path);
    // QSaveFile's temporary files are the file's name, a dot and six letters or digits.
    static const QRegularExpression leftover(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    const QDir dir = target.dir();
    const QStringList names =
        dir.entryList({target.fileName() + QStringLiteral(".*")}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (leftover.match(name.mid(target.fileName().size())).hasMatch()
            && isOrdinaryFile(dir.filePath(name)))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace FilePaths
