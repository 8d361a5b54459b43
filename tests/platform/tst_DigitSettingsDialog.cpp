#include "Dialogs.h"
#include "DigitSettingsDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

// The real digit-settings dialog, driven through its controls.
class tst_DigitSettingsDialog : public QObject
{
    Q_OBJECT

    // Runs `act` on the dialog once it is open and modal.
    static void whenOpen(std::function<void(DigitSettingsDialog &)> act)
    {
        QTimer::singleShot(0, [act] {
            auto *dialog = qobject_cast<DigitSettingsDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            act(*dialog);
        });
    }

private slots:
    void rangesFollowThePlaces_data()
    {
        QTest::addColumn<int>("keta");
        QTest::addColumn<int>("shiftMax");
        QTest::addColumn<int>("fillMax");
        QTest::newRow("4 places") << 4 << 3 << 4;
        QTest::newRow("1 place") << 1 << 0 << 1;
        QTest::newRow("15 places") << 15 << 14 << 15;
        QTest::newRow("no places") << 0 << 0 << 0;
        QTest::newRow("negative") << -2 << 0 << 0;
    }

    void rangesFollowThePlaces()
    {
        QFETCH(int, keta);
        QFETCH(int, shiftMax);
        QFETCH(int, fillMax);
        DigitSettingsDialog dialog(nullptr, keta, 0, 0, 0);
        auto *shift = dialog.findChild<QSpinBox *>(QStringLiteral("spnShift"));
        auto *fill = dialog.findChild<QSpinBox *>(QStringLiteral("spnFillZero"));
        QCOMPARE(shift->maximum(), shiftMax);
        QCOMPARE(fill->maximum(), fillMax);
        QCOMPARE(dialog.findChild<QComboBox *>(QStringLiteral("cboZeroMode"))->count(), 4);
    }

    void okReturnsTheChoices()
    {
        QtDialogs dialogs;
        qint16 zeroMode = 1, shift = 0, fillZero = 2;
        whenOpen([](DigitSettingsDialog &dialog) {
            QCOMPARE(dialog.zeroMode(), qint16(1));
            QCOMPARE(dialog.fillZero(), qint16(2));
            dialog.findChild<QComboBox *>(QStringLiteral("cboZeroMode"))->setCurrentIndex(3);
            dialog.findChild<QSpinBox *>(QStringLiteral("spnShift"))->setValue(2);
            dialog.findChild<QSpinBox *>(QStringLiteral("spnFillZero"))->setValue(4);
            dialog.accept();
        });
        QCOMPARE(dialogs.Call_dlg100(nullptr, 4, zeroMode, shift, fillZero), 1);
        QCOMPARE(zeroMode, qint16(3));
        QCOMPARE(shift, qint16(2));
        QCOMPARE(fillZero, qint16(4));
    }

    // OK without touching a control gives back what came in, even values the controls cannot show.
    void untouchedControlsKeepTheirValues()
    {
        QtDialogs dialogs;
        qint16 zeroMode = -1, shift = 9, fillZero = -3;
        whenOpen([](DigitSettingsDialog &dialog) {
            dialog.findChild<QSpinBox *>(QStringLiteral("spnFillZero"))->setValue(2);
            dialog.accept();
        });
        QCOMPARE(dialogs.Call_dlg100(nullptr, 4, zeroMode, shift, fillZero), 1);
        QCOMPARE(zeroMode, qint16(-1));
        QCOMPARE(shift, qint16(9));
        QCOMPARE(fillZero, qint16(2));
    }

    void cancelLeavesTheValues()
    {
        QtDialogs dialogs;
        // Values the dialog cannot show still come back as they went in.
        qint16 zeroMode = -1, shift = 9, fillZero = -3;
        whenOpen([](DigitSettingsDialog &dialog) {
            dialog.findChild<QSpinBox *>(QStringLiteral("spnShift"))->setValue(1);
            dialog.reject();
        });
        QCOMPARE(dialogs.Call_dlg100(nullptr, 4, zeroMode, shift, fillZero), 0);
        QCOMPARE(zeroMode, qint16(-1));
        QCOMPARE(shift, qint16(9));
        QCOMPARE(fillZero, qint16(-3));
    }
};

QTEST_MAIN(tst_DigitSettingsDialog)
#include "tst_DigitSettingsDialog.moc"
