#include "ProgramInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

QString ProgramInfo::baseName() const
{
    const QString name = fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString ExecutableProgramInfo::fileName() const
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QString ExecutableProgramInfo::folder() const
{
    return QCoreApplication::applicationDirPath();
}

QString ExecutableProgramInfo::version() const
{
    return QStringLiteral(PROGRAM_VERSION);
}

QString ExecutableProgramInfo::configFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}
