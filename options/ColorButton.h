#pragma once

#include <QPushButton>

// A colour setting of the options dialog: a button whose back colour is the value.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget *parent = nullptr);

    // 0x00BBGGRR
    qint32 BackColor() const { return m_BackColor; }
    void setBackColor(qint32 New_BackColor);

private:
    qint32 m_BackColor = 0;
};
