#pragma once

#include "DegitElement.h"

// The fare-board cell: the digits are laid out at the face's size and
// stretched over the whole element, so they fill it whatever its size.
class M_DegitEm : public DegitElement
{
    Q_OBJECT

public:
    explicit M_DegitEm(Dialogs &dialogs, QWidget *parent = nullptr);

    void setShift(qint16 New_Shift) override;
    void setKeta(qint16 New_Keta) override;
    void setDegitSize(qint16 New_DegitSize) override;

protected:
    void DrawDegit(const QVariant &value, qint32 unlitColor, qint32 litColor) override;
    void surfaceResized() override { redraw(); }

private:
    // What the unlit layer was drawn for.
    struct UnlitLayer
    {
        QSize size;
        qreal ratio = 0;
        qint32 unlitColor = 0;
        qint32 backColor = 0;
        int places = 0;
        qint16 style = 0;
        qreal zoom = 0;

        bool operator==(const UnlitLayer &) const = default;
    };
    UnlitLayer m_unlitKey;
    QImage m_unlit; // the background and the unlit 8s, ready to copy
};
