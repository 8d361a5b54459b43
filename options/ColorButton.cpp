#include "ColorButton.h"

#include "OleColor.h"

ColorButton::ColorButton(QWidget *parent)
    : QPushButton(parent)
{
    setBackColor(0xFFFFFF);
}

void ColorButton::setBackColor(qint32 New_BackColor)
{
    m_BackColor = New_BackColor;
    // A style sheet, because most styles paint push buttons over their palette.
    setStyleSheet(QStringLiteral("ColorButton { background-color: %1; border: 1px solid #606060; }")
                      .arg(oleColor(New_BackColor).name()));
}
