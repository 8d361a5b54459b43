#pragma once

#include <QPushButton>
#include <QRadioButton>

// An option button whose long caption wraps over as many lines as it needs,
// where a plain one would be cut off at the dialog's edge.
class WrapRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    int indent() const;
    QRect textRect(int width) const;
};

// A page selector: a graphical option button, its caption wrapped and centred.
class PageButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PageButton(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
