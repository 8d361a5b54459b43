#include "PictureBox.h"

#include "OleColor.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent)
{
}

void PictureBox::setBackColor(qint32 New_BackColor)
{
    m_BackColor = New_BackColor;
    Cls();
}

void PictureBox::Cls()
{
    if (m_image.size() != size())
        m_image = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(oleColor(m_BackColor));
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A new size starts a new picture, as a box's picture goes with its size.
    Cls();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton)
        emit rightPressed(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}
