#include "Cp932.h"

#include <QTest>

class tst_Cp932 : public QObject
{
    Q_OBJECT

private slots:
    void vectors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wave dash U+FF5E") << QStringLiteral("\uFF5E") << QByteArray::fromHex("8160");
        QTest::newRow("circled 1") << QStringLiteral("①") << QByteArray::fromHex("8740");
        QTest::newRow("small roman i") << QStringLiteral("ⅰ") << QByteArray::fromHex("FA40");
        QTest::newRow("ascii") << QStringLiteral("C:\\hy 12") << QByteArray("C:\\hy 12");
        QTest::newRow("half-width kana") << QStringLiteral("ｱｲ") << QByteArray::fromHex("B1B2");
        // Single bytes outside the table that Windows still maps, so that any name comes back whole.
        QTest::newRow("80 A0 FD FE FF")
            << QStringLiteral("a\u0080\uF8F0b\uF8F1\uF8F2\uF8F3") << QByteArray::fromHex("6180A062FDFEFF");
        QTest::newRow("80 and A0 as second bytes")
            << QStringLiteral("÷唖") << QByteArray::fromHex("818088A0");
        QTest::newRow("after a double-byte character")
            << QStringLiteral("運\uF8F0") << QByteArray::fromHex("895EA0");
        // What code page 932 cannot hold is written as '?', and so does not come back.
        QTest::newRow("wave dash U+301C") << QStringLiteral("\u301C") << QByteArray("?");
        QTest::newRow("yen sign") << QStringLiteral("\u00A5") << QByteArray("?");
        QTest::newRow("emoji is one character")
            << QStringLiteral("駅\U0001F68C前") << QByteArray::fromHex("89773F914F");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u'a' << QByteArray("?a");
    }

    void vectors()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp932::encode(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(Cp932::decode(bytes), text);
    }

    // A lead byte without its second byte is no character, but what follows it still is.
    void leadByteWithoutSecond()
    {
        QCOMPARE(Cp932::decode(QByteArray::fromHex("81FD")).back(), QChar(0xF8F1));
    }
};

QTEST_GUILESS_MAIN(tst_Cp932)
#include "tst_Cp932.moc"
