#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
