#pragma once

#include "DegitElement.h"

// The fare-board cell: the digits are recorded into a picture and stretched
// over the whole element, so they fill it whatever its size.
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
};
