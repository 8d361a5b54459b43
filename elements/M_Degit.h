#pragma once

#include "DegitElement.h"

// A row of seven-segment places drawn with a segment typeface at the fixed
// size of its size step: the clock fields of the board and the colour preview
// of the options dialog.
class M_Degit : public DegitElement
{
    Q_OBJECT

public:
    explicit M_Degit(Dialogs &dialogs, QWidget *parent = nullptr);

    void setShift(qint16 New_Shift) override;
    void setKeta(qint16 New_Keta) override;
    void setDegitSize(qint16 New_DegitSize) override;

protected:
    void DrawDegit(const QVariant &value, qint32 unlitColor, qint32 litColor) override;

private:
    void fitToCells();

    // Extra pixels after each character, and the weight. Drawn bold without
    // spacing, the fitted face makes Keta places fill the element exactly.
    int m_charSpacing = 0;
    bool m_bold = true;
};
