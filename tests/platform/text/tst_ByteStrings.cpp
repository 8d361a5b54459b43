#include "ByteStrings.h"

#include <QTest>

class tst_ByteStrings : public QObject
{
    Q_OBJECT

private slots:
    void midB_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        const QString name = QStringLiteral("第2公園"); // 91 E6 32 8C F6 89 80
        QTest::newRow("start 0 counts from 1") << name << 0 << 2 << "第";
        QTest::newRow("start past the end") << name << 8 << 2 << "";
        QTest::newRow("negative count") << name << 1 << -3 << "";
        QTest::newRow("cuts the head of 公") << name << 5 << 3 << " 園";
        QTest::newRow("half-width kana, a byte each") << "ﾊﾞｽ停" << 2 << 3 << "ﾞｽ ";
    }

    void midB()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QString, expected);
        const QString got = MidB_ASCII(text, start, count);
        QCOMPARE(got, expected);
        // A slice is always as many bytes as it stands for.
        QCOMPARE(LenB_ASCII(got), qMax(0, qMin(count, LenB_ASCII(text) - qMax(start, 1) + 1)));
    }
};

QTEST_GUILESS_MAIN(tst_ByteStrings)
#include "tst_ByteStrings.moc"
