#include "M_DegitEm.h"

#include "DegitFace.h"
#include "DegitText.h"
#include "OleColor.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
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

    QPicture picture;
    {
        QPainter recorder(&picture);
        recorder.setFont(font);
        recorder.setPen(oleColor(unlitColor));
        recorder.drawText(QPointF(0, metrics.ascent()), unlit);
        // Right-aligned by width: DSEG's "." and ":" take no place of their own.
        recorder.setPen(oleColor(litColor));
        recorder.drawText(
            QPointF(metrics.horizontalAdvance(unlit) - metrics.horizontalAdvance(lit), metrics.ascent()),
            lit);
    }

    // The frame is the box of Keta character cells; QPicture leaves text out
    // of its own bounding box, so the frame comes from the metrics.
    const QRectF frame(0, 0, metrics.horizontalAdvance(unlit), metrics.height() * (1.0 + Descent));
    // The last designed pixel column stays clear, at any zoom.
    const QRectF target(0, 0, width() - m_zoom, qRound(height() * HeightStretch));
    if (places == 0 || frame.width() <= 0 || target.width() <= 0 || target.height() <= 0)
        return;

    QPainter painter(&surface);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(target.width() / frame.width(), target.height() / frame.height());
    painter.drawPicture(0, 0, picture);
}
