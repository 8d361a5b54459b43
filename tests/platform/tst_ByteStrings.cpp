#include "ByteStrings.h"

#include <QTest>

class tst_ByteStrings : public QObject
{
    Q_OBJECT

private slots:
    void lenB_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("bytes");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("ascii") << QStringLiteral("JR") << 2;
        QTest::newRow("kanji") << QStringLiteral("北部車庫") << 8;
        QTest::newRow("mixed") << QStringLiteral("第2公園") << 7;
        QTest::newRow("half-width kana") << QStringLiteral("ﾊﾞｽ") << 3;
        QTest::newRow("unmappable counts as ?") << QStringLiteral("\u2212") << 1;
    }

    void lenB()
    {
        QFETCH(QString, text);
        QFETCH(int, bytes);
        QCOMPARE(LenB_ASCII(text), bytes);
    }

    void midB_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("expected");
        const QString name = QStringLiteral("第2公園"); // 91 E6 32 8C F6 89 80
        QTest::newRow("first cell") << name << 1 << 2 << QStringLiteral("第");
        QTest::newRow("whole") << name << 1 << 7 << name;
        QTest::newRow("count past end") << name << 1 << 100 << name;
        QTest::newRow("last byte is a digit") << QStringLiteral("公園2") << 5 << 2 << QStringLiteral("2");
        QTest::newRow("past the end") << name << 8 << 2 << QString();
        QTest::newRow("far past the end") << name << 1000 << 2 << QString();
        QTest::newRow("count 0") << name << 1 << 0 << QString();
        QTest::newRow("negative count") << name << 1 << -3 << QString();
        QTest::newRow("start 0 counts from 1") << name << 0 << 2 << QStringLiteral("第");
        QTest::newRow("cuts the tail of 公") << name << 3 << 2 << QStringLiteral("2 ");
        QTest::newRow("cuts the head of 公") << name << 5 << 3 << QStringLiteral(" 園");
        QTest::newRow("two halves") << name << 5 << 2 << QStringLiteral("  ");
        QTest::newRow("inside one character") << QStringLiteral("園") << 2 << 1 << QStringLiteral(" ");
        QTest::newRow("cells of 2 bytes after a half-width") << name << 3 << 4 << QStringLiteral("2公 ");
        QTest::newRow("empty text") << QString() << 1 << 2 << QString();
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
        const int wanted = qMax(0, qMin(count, LenB_ASCII(text) - qMax(start, 1) + 1));
        QCOMPARE(LenB_ASCII(got), wanted);
    }

};

QTEST_GUILESS_MAIN(tst_ByteStrings)
#include "tst_ByteStrings.moc"
