#include "DegitText.h"

#include <QTest>

// The text a cell lights, for both elements: M_Degit keeps the rightmost Keta
// characters, M_DegitEm pads on the left to exactly Keta.
class tst_DegitText : public QObject
{
    Q_OBJECT

private slots:
    void litText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("zeroMode");
        QTest::addColumn<int>("fillZero");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("keta");
        QTest::addColumn<QString>("degit");
        QTest::addColumn<QString>("degitEm");

        const QVariant empty = QVariant(QString());
        const QVariant none = QVariant();
        // Zero handling: only numbers count as 0 or -1, only the empty text as empty.
        QTest::newRow("0, mode 0: nothing") << QVariant(0) << 0 << 0 << 0 << 4 << ""
                                            << "    ";
        QTest::newRow("0, mode 1: a lit 0") << QVariant(0) << 1 << 0 << 0 << 4 << "0"
                                            << "   0";
        QTest::newRow("empty text, mode 1") << empty << 1 << 0 << 0 << 4 << "0"
                                            << "   0";
        QTest::newRow("no value, mode 1") << none << 1 << 0 << 0 << 4 << "0"
                                          << "   0";
        QTest::newRow("-1, mode 2: a lit 0") << QVariant(-1) << 2 << 0 << 0 << 4 << "0"
                                             << "   0";
        QTest::newRow("0, mode 2: nothing") << QVariant(0) << 2 << 0 << 0 << 4 << ""
                                            << "    ";
        QTest::newRow("empty, mode 2: nothing") << empty << 2 << 0 << 0 << 4 << ""
                                                << "    ";
        QTest::newRow("-1, mode 3") << QVariant(-1) << 3 << 0 << 0 << 4 << "0"
                                    << "   0";
        QTest::newRow("0, mode 3") << QVariant(0) << 3 << 0 << 0 << 4 << "0"
                                   << "   0";
        QTest::newRow("empty, mode 3") << empty << 3 << 0 << 0 << 4 << "0"
                                       << "   0";
        QTest::newRow("-1, mode 0: the marker") << QVariant(-1) << 0 << 0 << 0 << 4 << "-1"
                                                << "  -1";
        QTest::newRow("-1, mode 1") << QVariant(-1) << 1 << 0 << 0 << 4 << "-1"
                                    << "  -1";
        QTest::newRow("0.0 counts as 0") << QVariant(0.0) << 0 << 0 << 0 << 4 << ""
                                         << "    ";
        QTest::newRow("16-bit 0 counts as 0") << QVariant(qint16(0)) << 0 << 0 << 0 << 4 << ""
                                              << "    ";
        QTest::newRow("text 0 is no number") << QVariant(QStringLiteral("0")) << 0 << 0 << 0 << 4 << "0"
                                             << "   0";
        QTest::newRow("text -1 is no number") << QVariant(QStringLiteral("-1")) << 2 << 0 << 0 << 4 << "-1"
                                              << "  -1";
        QTest::newRow("negative mode changes nothing") << QVariant(0) << -1 << 0 << 0 << 4 << "0"
                                                       << "   0";
        QTest::newRow("negative mode keeps empty") << empty << -3 << 0 << 0 << 4 << ""
                                                   << "    ";

        // Zero filling of numbers and numeric texts.
        QTest::newRow("7 filled to 2") << QVariant(7) << 0 << 2 << 0 << 4 << "07"
                                       << "  07";
        QTest::newRow("5 filled to 3") << QVariant(5) << 0 << 3 << 0 << 4 << "005"
                                       << " 005";
        QTest::newRow("0 filled to 3, mode 1") << QVariant(0) << 1 << 3 << 0 << 4 << "000"
                                               << " 000";
        QTest::newRow("1234 longer than the fill") << QVariant(1234) << 0 << 3 << 0 << 4 << "1234"
                                                   << "1234";
        QTest::newRow("numeric text filled") << QVariant(QStringLiteral(" 5 ")) << 0 << 3 << 0 << 4 << "005"
                                             << " 005";
        QTest::newRow("other text not filled") << QVariant(QStringLiteral("AB")) << 0 << 3 << 0 << 4 << "AB"
                                               << "  AB";
        QTest::newRow("blanked 0 not filled") << QVariant(0) << 0 << 3 << 0 << 4 << ""
                                              << "    ";
        QTest::newRow("negative filled") << QVariant(-5) << 0 << 3 << 0 << 4 << "-005"
                                         << "-005";
        QTest::newRow("fraction rounded, filled") << QVariant(12.5) << 0 << 3 << 0 << 4 << "013"
                                                  << " 013";
        QTest::newRow("negative fill count") << QVariant(7) << 0 << -2 << 0 << 4 << "7"
                                             << "   7";

        // Shift blanks at the right, then the places.
        QTest::newRow("12 shifted by 1") << QVariant(12) << 0 << 0 << 1 << 4 << "12 "
                                         << " 12 ";
        QTest::newRow("shift pushes digits out") << QVariant(12345) << 0 << 0 << 2 << 4 << "45  "
                                                 << "45  ";
        QTest::newRow("filled and shifted") << QVariant(7) << 0 << 2 << 1 << 4 << "07 "
                                            << " 07 ";
        QTest::newRow("five digits in four places")
            << QVariant(QStringLiteral("12345")) << 0 << 0 << 0 << 4 << "2345"
            << "2345";
        QTest::newRow("123 right-aligned") << QVariant(123) << 0 << 0 << 0 << 4 << "123"
                                           << " 123";
        QTest::newRow("fraction as text") << QVariant(1.5) << 0 << 0 << 0 << 4 << "1.5"
                                          << " 1.5";
        QTest::newRow("Keta 0") << QVariant(12) << 0 << 0 << 0 << 0 << ""
                                << "";
        QTest::newRow("negative Keta") << QVariant(12) << 0 << 0 << 0 << -3 << ""
                                       << "";
        QTest::newRow("Keta 20") << QVariant(12345) << 0 << 0 << 0 << 20 << "12345"
                                 << QString(15, QLatin1Char(' ')) + "12345";
    }

    void litText()
    {
        QFETCH(QVariant, value);
        QFETCH(int, zeroMode);
        QFETCH(int, fillZero);
        QFETCH(int, shift);
        QFETCH(int, keta);
        QFETCH(QString, degit);
        QFETCH(QString, degitEm);
        QCOMPARE(DegitText::forDegit(value, zeroMode, fillZero, shift, keta), degit);
        QCOMPARE(DegitText::forDegitEm(value, zeroMode, fillZero, shift, keta), degitEm);
    }
};

QTEST_GUILESS_MAIN(tst_DegitText)
#include "tst_DegitText.moc"
