#pragma once

#include <QDialog>

class QComboBox;
class QSpinBox;

// The digit-settings dialog of a numeric cell: its place count is shown, the
// zero mode, shift and zero filling are chosen within what that count allows.
class DigitSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    DigitSettingsDialog(QWidget *owner, qint16 keta, qint16 zeroMode, qint16 shift, qint16 fillZero);

    // What the user left: a control the user did not change gives back the value
    // that came in, also one the control cannot show (a negative zero mode).
    qint16 zeroMode() const;
    qint16 shift() const;
    qint16 fillZero() const;

    // The descriptions of ZeroMode 0..3, in mode order.
    static QStringList zeroModeTexts();

private:
    struct Given
    {
        qint16 value; // as it came in
        int shown;    // as the control first showed it
    };
    Given m_givenZeroMode;
    Given m_givenShift;
    Given m_givenFillZero;
    QComboBox *m_zeroMode;
    QSpinBox *m_shift;
    QSpinBox *m_fillZero;
};
