#include "DigitSettingsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>

QStringList DigitSettingsDialog::zeroModeTexts()
{
    return {
        QStringLiteral("0：0 と空欄は何も表示しない"),
        QStringLiteral("1：0 と空欄は「0」を表示する"),
        QStringLiteral("2：-1 は「0」を表示し、0 は何も表示しない"),
        QStringLiteral("3：-1、0 と空欄は「0」を表示する"),
    };
}

DigitSettingsDialog::DigitSettingsDialog(QWidget *owner, qint16 keta, qint16 zeroMode, qint16 shift,
                                         qint16 fillZero)
    : QDialog(owner)
    , m_zeroMode(new QComboBox(this))
    , m_shift(new QSpinBox(this))
    , m_fillZero(new QSpinBox(this))
{
    setWindowTitle(QStringLiteral("表示桁の設定"));
    const int places = std::max<int>(keta, 0);

    auto *ketaLabel = new QLabel(QString::number(keta), this);
    ketaLabel->setObjectName(QStringLiteral("lblKeta"));

    m_zeroMode->setObjectName(QStringLiteral("cboZeroMode"));
    m_zeroMode->addItems(zeroModeTexts());
    m_zeroMode->setCurrentIndex(zeroMode >= 0 && zeroMode <= 3 ? zeroMode : 0);

    // A cell cannot shift away all its places, nor fill more places than it has.
    m_shift->setObjectName(QStringLiteral("spnShift"));
    m_shift->setRange(0, std::max(places - 1, 0));
    m_shift->setValue(shift);
    m_shift->setSuffix(QStringLiteral(" 桁"));

    m_fillZero->setObjectName(QStringLiteral("spnFillZero"));
    m_fillZero->setRange(0, places);
    m_fillZero->setValue(fillZero);
    m_fillZero->setSuffix(QStringLiteral(" 桁"));
    m_fillZero->setSpecialValueText(QStringLiteral("しない"));

    m_givenZeroMode = {zeroMode, m_zeroMode->currentIndex()};
    m_givenShift = {shift, m_shift->value()};
    m_givenFillZero = {fillZero, m_fillZero->value()};

    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("表示桁数："), ketaLabel);
    form->addRow(QStringLiteral("ゼロの表示："), m_zeroMode);
    form->addRow(QStringLiteral("右の空き桁："), m_shift);
    form->addRow(QStringLiteral("ゼロ埋め："), m_fillZero);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setFixedSize(sizeHint());
}

namespace {

// A control still showing what it first showed gives back the value that came in.
qint16 left(int now, qint16 given, int shown)
{
    return now == shown ? given : static_cast<qint16>(now);
}

} // namespace

qint16 DigitSettingsDialog::zeroMode() const
{
    return left(m_zeroMode->currentIndex(), m_givenZeroMode.value, m_givenZeroMode.shown);
}

qint16 DigitSettingsDialog::shift() const
{
    return left(m_shift->value(), m_givenShift.value, m_givenShift.shown);
}

qint16 DigitSettingsDialog::fillZero() const
{
    return left(m_fillZero->value(), m_givenFillZero.value, m_givenFillZero.shown);
}
