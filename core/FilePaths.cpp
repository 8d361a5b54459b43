#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    // Regular files only, after links: a FIFO or a device is a sequential file to Qt.
    return QFileInfo(path).isFile();
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

// What a save adds to the file's name for the file it writes first.
const QString SaveSuffix = QStringLiteral(".save-");

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
    const QFileInfo target(path);
    if (!target.dir().exists())
        return Failure::of(RuntimeError::PathNotFound, path + QStringLiteral(": the folder does not exist"));

    // The bytes go to a file of a name only a save makes, which is renamed
    // over the file once it is whole.
    QTemporaryFile temp(path + SaveSuffix + QStringLiteral("XXXXXX"));
    if (temp.open()) {
        temp.setPermissions(target.exists()
                                ? target.permissions()
                                : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        if (temp.write(bytes) != bytes.size() || !temp.flush() || ::fsync(temp.handle()) != 0)
            return Failure::of(RuntimeError::DeviceIo, path + QStringLiteral(": ") + temp.errorString());
        if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData())
            != 0)
            return Failure::of(RuntimeError::PathFileAccess,
                               path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
        temp.setAutoRemove(false);
        return std::nullopt;
    }
    // A folder where no file may be made still lets a writable file be written
    // over, as programs that write in place always could: the all-or-nothing
    // write is kept wherever it can be had.
    QFile file(path);
    // Unbuffered, so that a short write shows in write()'s count.
    if (!target.exists() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return Failure::of(RuntimeError::PathFileAccess, path + QStringLiteral(": ") + temp.errorString());
    if (file.write(bytes) != bytes.size())
        return Failure::of(RuntimeError::DeviceIo, path + QStringLiteral(": ") + file.errorString());
    return std::nullopt;
}

void removeSaveLeftovers(const QString &path)
{
    const QFileInfo target(path);
    static const QRegularExpression leftover(QLatin1Char('^') + QRegularExpression::escape(SaveSuffix)
                                             + QStringLiteral("[A-Za-z0-9]{6}$"));
    const QDir dir = target.dir();
    const QStringList names =
        dir.entryList({target.fileName() + SaveSuffix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    for (const QString &name : names) {
        if (leftover.match(name.mid(target.fileName().size())).hasMatch()
            && isOrdinaryFile(dir.filePath(name)))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace FilePaths
