// Ticket plug-ins: whatever the bytes, the reader ends; what it takes as a
// plug-in keeps its sizes and items within the ticket, and draws without fault
// whatever the ticket's fields hold.

#include "TicketPlugin.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<TicketDesign> design = TicketPlugin::read(bytes);
    if (!design)
        return 0;
    const PlgInfo &info = design->info;
    if (info.PrevWidth < 1 || info.PrevWidth > TicketPlugin::MaxWidth || info.PrevHeight < 1
        || info.PrevHeight > TicketPlugin::MaxHeight || info.CorpCount != design->companies.size()
        || info.StopRangeFrom > info.StopRangeTo)
        std::abort();
    for (const TicketItem &item : design->items) {
        // A line's box may be flat, which QRectF::contains never takes in.
        const QRectF box = item.box.normalized();
        if (box.left() < 0 || box.top() < 0 || box.right() > info.PrevWidth || box.bottom() > info.PrevHeight)
            std::abort();
    }

    // The fields at their widest: long names, odd dates, numbers at the ends of their range.
    QImage image(info.PrevWidth / 15 + 1, info.PrevHeight / 15 + 1, QImage::Format_RGB32);
    const TicketFields fields[] = {
        {QStringLiteral("中央駅前"), QStringLiteral("12-06-2026"), QStringLiteral("09:05:30"), 12, 4, 4,
         design->companies.value(0)},
        {QString(60, QChar(0x9577)), QStringLiteral("?"), QString(), -2147483647 - 1, -32768, 32767,
         QString()},
    };
    for (const TicketFields &f : fields) {
        QPainter painter(&image);
        TicketPlugin::draw(*design, painter, f);
    }
    return 0;
}
