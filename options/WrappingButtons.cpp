#include "WrappingButtons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int PreferredTextWidth = 420;
constexpr int TextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
} // namespace

int WrapRadioButton::indent() const
{
    return style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this)
        + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, this);
}

QRect WrapRadioButton::textRect(int width) const
{
    return fontMetrics().boundingRect(QRect(0, 0, std::max(1, width - indent()), 100000), TextFlags, text());
}

int WrapRadioButton::heightForWidth(int width) const
{
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    return std::max(indicator, textRect(width).height()) + 2;
}

QSize WrapRadioButton::sizeHint() const
{
    const int width = indent() + std::min(PreferredTextWidth, fontMetrics().horizontalAdvance(text()) + 2);
    return {width, heightForWidth(width)};
}

QSize WrapRadioButton::minimumSizeHint() const
{
    const int width = indent() + std::min(120, fontMetrics().horizontalAdvance(text()) + 2);
    return {width, heightForWidth(width)};
}

void WrapRadioButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorHeight = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, this);
    const int indicatorWidth = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, this);
    const int firstLine = fontMetrics().height();
    option.rect =
        QRect(0, 1 + std::max(0, (firstLine - indicatorHeight) / 2), indicatorWidth, indicatorHeight);
    p.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(QRect(indent(), 1, width() - indent(), height() - 1), TextFlags, text());
}

PageButton::PageButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setCheckable(true);
}

QSize PageButton::sizeHint() const
{
    return {86, 56}; // 1250 x 833 twips
}

void PageButton::paintEvent(QPaintEvent *)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.drawText(rect().adjusted(4, 2, -4, -2), Qt::TextWordWrap | Qt::AlignCenter, text());
}
