#include "FilePaths.h"

#include <QDir>
#include <QFileInfo>

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

} // namespace FilePaths
