#include "FilePaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

std::optional<Failure> writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
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

} // namespace FilePaths
