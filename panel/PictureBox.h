#pragma once

#include <QImage>
#include <QWidget>

// A picture box: a surface that is drawn on and shown as it was last refreshed.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // What has been drawn, at the box's size.
    QImage &Image() { return m_image; }
    const QImage &Image() const { return m_image; }
    qint32 BackColor() const { return m_BackColor; }
    void setBackColor(qint32 New_BackColor);

    // Clears the picture to the back colour.
    void Cls();
    // Shows what has been drawn.
    void Refresh() { update(); }

signals:
    void rightPressed(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    qint32 m_BackColor = 0xFFFFFF;
};
