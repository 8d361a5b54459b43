#include "Cp932.h"

#include <QTest>

class tst_Cp932 : public QObject
{
    Q_OBJECT

private slots:
    void converterExists() { QVERIFY(Cp932::isAvailable()); }

    void vectors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("運賃") << QStringLiteral("運賃") << QByteArray::fromHex("895E92C0");
        QTest::newRow("wave dash U+FF5E") << QStringLiteral("\uFF5E") << QByteArray::fromHex("8160");
        QTest::newRow("circled 1") << QStringLiteral("①") << QByteArray::fromHex("8740");
        QTest::newRow("small roman i") << QStringLiteral("ⅰ") << QByteArray::fromHex("FA40");
        QTest::newRow("ascii") << QStringLiteral("C:\\hy 12") << QByteArray("C:\\hy 12");
        QTest::newRow("half-width kana") << QStringLiteral("ｱｲ") << QByteArray::fromHex("B1B2");
        QTest::newRow("long vowel mark") << QStringLiteral("ー") << QByteArray::fromHex("815B");
        // Single bytes outside the table that Windows still maps, so that any name comes back whole.
        QTest::newRow("80 A0 FD FE FF")
            << QStringLiteral("a\u0080\uF8F0b\uF8F1\uF8F2\uF8F3") << QByteArray::fromHex("6180A062FDFEFF");
        QTest::newRow("80 and A0 as second bytes")
            << QStringLiteral("÷唖") << QByteArray::fromHex("818088A0");
        QTest::newRow("after a double-byte character")
            << QStringLiteral("運\uF8F0") << QByteArray::fromHex("895EA0");
    }

    void vectors()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp932::encode(text), bytes);
        QCOMPARE(Cp932::decode(bytes), text);
    }

    // A lead byte without its second byte is no character, but what follows it still is.
    void leadByteWithoutSecond()
    {
        QCOMPARE(Cp932::decode(QByteArray::fromHex("81FD")).back(), QChar(0xF8F1));
    }

    void unmappableBecomesQuestionMark_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("minus sign") << QStringLiteral("1\u22122") << QByteArray("1?2");
        QTest::newRow("wave dash U+301C") << QStringLiteral("\u301C") << QByteArray("?");
        QTest::newRow("yen sign") << QStringLiteral("\u00A5") << QByteArray("?");
        QTest::newRow("emoji is one character")
            << QStringLiteral("駅\U0001F68C前") << QByteArray::fromHex("89773F914F");
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u'a' << QByteArray("?a");
    }

    void unmappableBecomesQuestionMark()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp932::encode(text), bytes);
    }
};

QTEST_GUILESS_MAIN(tst_Cp932)
#include "tst_Cp932.moc"
