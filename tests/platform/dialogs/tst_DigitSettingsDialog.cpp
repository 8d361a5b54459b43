#include "DigitSettingsDialog.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTest>

class tst_DigitSettingsDialog : public QObject
{
    Q_OBJECT

private slots:
    void controls()
    {
        DigitSettingsDialog d(nullptr, 4, -1, 9, -3); // values the controls cannot show
        auto *shift = d.findChild<QSpinBox *>("spnShift"), *fill = d.findChild<QSpinBox *>("spnFillZero");
        QCOMPARE(shift->maximum(), 3); // within the 4 places
        QCOMPARE(fill->maximum(), 4);
        // An untouched control gives back what came in.
        fill->setValue(2);
        QCOMPARE((QList<int>{d.zeroMode(), d.shift(), d.fillZero()}), (QList<int>{-1, 9, 2}));
        d.findChild<QComboBox *>("cboZeroMode")->setCurrentIndex(3);
        shift->setValue(2);
        QCOMPARE((QList<int>{d.zeroMode(), d.shift(), d.fillZero()}), (QList<int>{3, 2, 2}));
        DigitSettingsDialog none(nullptr, -2, 0, 0, 0);
        QCOMPARE(none.findChild<QSpinBox *>("spnShift")->maximum(), 0);
        QCOMPARE(none.findChild<QSpinBox *>("spnFillZero")->maximum(), 0);
    }
};

QTEST_MAIN(tst_DigitSettingsDialog)
#include "tst_DigitSettingsDialog.moc"
