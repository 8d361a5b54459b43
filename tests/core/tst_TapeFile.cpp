#include "TapeFile.h"

#include "Cp932.h"
#include "TextFile.h"

#include <QTest>

class tst_TapeFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        using E = QList<TapeEntry>;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entryCount");
        QTest::addColumn<E>("entries");
        QTest::addColumn<int>("failedEntry");
        QTest::newRow("quoted commas")
            << QByteArray("\"1,000 yen, please\",1,2\r\n") << 1 << E{{"1,000 yen, please", 1, 2}} << 0;
        QTest::newRow("LF, CR LF and CR") << QByteArray("a,1,1\nb,2,2\r\nc,3,3\rd,4,4") << 4
                                          << E{{"a", 1, 1}, {"b", 2, 2}, {"c", 3, 3}, {"d", 4, 4}} << 0;
        QTest::newRow("blanks around fields, kept inside quotes")
            << QByteArray("  \" x \" , 1 ,\t2 \r\n") << 1 << E{{" x ", 1, 2}} << 0;
        QTest::newRow("empty fields are 0, past the third ignored")
            << QByteArray("\"\",,,3\n") << 1 << E{{"", 0, 0}} << 0;
        QTest::newRow("16-bit limits") << QByteArray("x,-32768,32767\n") << 1 << E{{"x", -32768, 32767}} << 0;
        // The ideographic space 81 40 is white space too.
        QTest::newRow("blank lines are no entries, nor counted before a bad one")
            << QByteArray("\na,1,1\n \t\n\x81\x40\nb,32768,0\n\nc,0,0\n") << 3 << E{{"a", 1, 1}} << 2;
        QTest::newRow("missing field") << QByteArray("\"x\",1\n") << 1 << E{} << 1;
        QTest::newRow("text after the closing quote") << QByteArray("\"x\"y,1,2\n") << 1 << E{} << 1;
        QTest::newRow("a quote may not run past its line") << QByteArray("\"x\n\",1,2\n") << 2 << E{} << 1;
        // 表 is 95 5C and ソ is 83 5C: their trail byte is a backslash.
        QTest::newRow("code page 932") << Cp932::encode(u"\"次は、表町です。\",1,2\r\nソ,0,0\r\n") << 2
                                       << E{{"次は、表町です。", 1, 2}, {"ソ", 0, 0}} << 0;
        QTest::newRow("UTF-8") << QByteArray("\"次は、表町です。\",1,2\nソ,0,0\n") << 2
                               << E{{"次は、表町です。", 1, 2}, {"ソ", 0, 0}} << 0;
        QTest::newRow("UTF-8 with BOM")
            << QByteArray("\xEF\xBB\xBF表町,1,0\r\n") << 1 << E{{"表町", 1, 0}} << 0;
        // A single byte that UTF-8 cannot hold makes the whole file code page 932.
        QTest::newRow("UTF-8 but for one byte")
            << QByteArray("\"表町\",1,0\n\x95\x5C,0,0\n") << 2
            << E{{Cp932::decode("\xE8\xA1\xA8\xE7\x94\xBA"), 1, 0}, {"表", 0, 0}} << 0;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entryCount);
        QFETCH(QList<TapeEntry>, entries);
        QFETCH(int, failedEntry);
        const TapeFile::Contents c = TapeFile::read(bytes);
        QCOMPARE(c.entryCount, entryCount);
        QCOMPARE(c.failedEntry, failedEntry);
        QCOMPARE(c.entries, entries);
    }

    void writeReadsBack()
    {
        const QList<TapeEntry> entries{{"ご乗車ありがとうございます。", 0, 0},
                                       {"次は、1,2丁目です。", 1, 1},
                                       {"a \"b\"\r\nc", -1, 32767}};
        const QByteArray bytes = TapeFile::write(entries);
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(TextFile::detect(bytes), TextFile::Encoding::Cp932);
        const TapeFile::Contents c = TapeFile::read(bytes);
        QVERIFY(c.ok());
        QCOMPARE(c.entries.size(), 3);
        QCOMPARE(c.entries[1], entries[1]);
        QCOMPARE(c.entries[2].Text, QStringLiteral("a ”b”  c"));
    }
};

QTEST_GUILESS_MAIN(tst_TapeFile)
#include "tst_TapeFile.moc"
