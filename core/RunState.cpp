#include "RunState.h"

#include "PanelRules.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QSettings>

namespace {

const QString ZoomKey = QStringLiteral("Board/Zoom");
const QString RouteKey = QStringLiteral("Route/Route");
const QString SectionKey = QStringLiteral("Route/Section");
const QString CompanyKey = QStringLiteral("Route/Company");

// Digits only, at most maxDigits of them; anything else is not kept.
QString keyedDigits(const QVariant &value, int maxDigits)
{
    const QString text = value.toString();
    return PanelRules::isKeyedNumber(text, maxDigits) ? text : QString();
}

} // namespace

const QList<int> &RunState::zoomSteps()
{
    static const QList<int> steps{100, 150, 200, 300};
    return steps;
}

QString RunState::filePath(const QString &configFolder)
{
    return QDir(configFolder).filePath(QStringLiteral("state.ini"));
}

RunState RunState::load(const QString &file)
{
    RunState state;
    if (!QFileInfo(file).isFile())
        return state;
    const QSettings settings(file, QSettings::IniFormat);
    bool ok = false;
    const int zoom = settings.value(ZoomKey).toInt(&ok);
    if (ok && zoomSteps().contains(zoom))
        state.zoomPercent = zoom;
    state.route = keyedDigits(settings.value(RouteKey), 5);
    state.section = keyedDigits(settings.value(SectionKey), 3);
    // A company name is shown in a list only; a line of it is enough.
    state.company = settings.value(CompanyKey).toString().left(256);
    return state;
}

bool RunState::save(const QString &file) const
{
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(ZoomKey, zoomPercent);
    settings.setValue(RouteKey, route);
    settings.setValue(SectionKey, section);
    settings.setValue(CompanyKey, company);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
