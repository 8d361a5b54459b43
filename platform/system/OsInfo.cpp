#include "OsInfo.h"

#include <QSysInfo>

QString GetOsInfo()
{
    return QSysInfo::prettyProductName();
}
