#include "M_DegitEm.h"

#include "DegitFace.h"
#include "DegitText.h"
#include "OleColor.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace {

constexpr int CellHeightUnits = 24;

// The picture is stretched to 1.14 times the element's height, which hides
// the descent of an ordinary face below the bottom edge. DSEG's digits fill
// the whole em, so the recorded frame carries that descent itself: the digits
// then end at the element's bottom edge instead of being cut by it.
constexpr qreal HeightStretch = 1.14;
constexpr qreal Descent = HeightStretch - 1.0;

} // namespace

M_DegitEm::M_DegitEm(Dialogs &dialogs, QWidget *parent)
    : DegitElement(dialogs, parent)
{
}

void M_DegitEm::setShift(qint16 New_Shift)
{
    m_Shift = clampedShift(New_Shift);
    redraw();
    markChanged("Shift");
}

void M_DegitEm::setKeta(qint16 New_Keta)
{
    m_Keta = New_Keta;
    redraw();
    markChanged("Keta");
}

void M_DegitEm::setDegitSize(qint16 New_DegitSize)
{
    m_DegitSize = New_DegitSize;
    markChanged("DegitSize");
    redraw();
}

void M_DegitEm::DrawDegit(const QVariant &value, qint32 unlitColor, qint32 litColor)
{
    const int places = std::max<int>(m_Keta, 0);
    const QString lit =
        DegitFace::shown(DegitText::forDegitEm(value, m_ZeroMode, m_FillZero, m_Shift, m_Keta));
    const QString unlit(places, QLatin1Char('8'));

    QImage &surface = clearedSurface();

    QFont font(DegitFace::family(m_DegitStyle));
    font.setPixelSize(CellHeightUnits);
    font.setBold(true);
    const QFontMetricsF metrics(font);

    // The text is laid out at the face's own size and stretched over the
    // element: the frame, the box of Keta character cells, to the target.
    const QRectF frame(0, 0, metrics.horizontalAdvance(unlit), metrics.height() * (1.0 + Descent));
    // The last designed pixel column stays clear, at any zoom.
    const QRectF target(0, 0, width() - m_zoom, qRound(height() * HeightStretch));
    if (places == 0 || frame.width() <= 0 || target.width() <= 0 || target.height() <= 0)
        return;
    const QTransform stretch =
        QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height());
    auto paintText = [&](QImage &on, const QString &text, qreal x, qint32 color) {
        QPainter painter(&on);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setTransform(stretch);
        painter.setFont(font);
        painter.setPen(oleColor(color));
        painter.drawText(QPointF(x, metrics.ascent()), text);
    };

    // The unlit 8s change only with the size and colours: drawn once, then copied.
    const UnlitLayer key{
        surface.size(), surface.devicePixelRatio(), unlitColor, m_BackColor, places, m_DegitStyle, m_zoom};
    if (!(m_unlitKey == key) || m_unlit.isNull()) {
        m_unlit = surface.copy();
        paintText(m_unlit, unlit, 0, unlitColor);
        m_unlitKey = key;
    }
    surface = m_unlit;
    // Right-aligned by width: DSEG's "." and ":" take no place of their own.
    paintText(surface, lit, metrics.horizontalAdvance(unlit) - metrics.horizontalAdvance(lit), litColor);
}
