// The resource library's four plug-in calls, over the plug-in's design.
#include "Kr4Calls.h"

#include "TicketPlugin.h"

#include <QComboBox>
#include <QTextEdit>

qint32 KR4_GetPlgInfo(const QString &plgPath, PlgInfo &info)
{
    const std::optional<TicketDesign> design = TicketPlugin::load(plgPath);
    if (!design)
        return 0;
    info = design->info;
    return 1;
}

qint32 KR4_SetPlgComment(const QString &plgPath, QTextEdit *box)
{
    const std::optional<TicketDesign> design = TicketPlugin::load(plgPath);
    if (!design || !box)
        return 0;
    box->setPlainText(design->remarks);
    return 1;
}

qint32 KR4_SetCorpAddList(const QString &plgPath, QComboBox *list)
{
    const std::optional<TicketDesign> design = TicketPlugin::load(plgPath);
    if (!design || !list)
        return 0;
    // Added, not chosen: the ticket shows no company until one is picked.
    const int chosen = list->currentIndex();
    list->addItems(design->companies);
    list->setCurrentIndex(chosen);
    return 1;
}

qint32 KR4_DrawSeiriken(const QString &plgPath, QPainter &surface, const QString &teiName,
                        const QString &date, const QString &time, qint32 keitoNo, qint16 seiriNo, qint16 row,
                        qint16 corpIndex)
{
    const std::optional<TicketDesign> design = TicketPlugin::load(plgPath);
    if (!design)
        return 0;
    TicketFields fields{teiName, date, time, keitoNo, seiriNo, row, QString()};
    if (corpIndex >= 0 && corpIndex < design->companies.size())
        fields.company = design->companies[corpIndex];
    TicketPlugin::draw(*design, surface, fields);
    return 1;
}
