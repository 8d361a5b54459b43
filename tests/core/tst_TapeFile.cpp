#include "TapeFile.h"

#include "Cp932.h"

#include <QTest>

using Entries = QList<TapeEntry>;

class tst_TapeFile : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entryCount");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<int>("failedEntry");
        QTest::newRow("a BOM, as editors save; quoted commas; blanks around fields, kept inside quotes")
            << QByteArray("\xEF\xBB\xBF \" 1,0 \" , 1 ,\t2 \r\n") << 1 << Entries{{" 1,0 ", 1, 2}} << 0;
        QTest::newRow("UTF-8; LF, CR LF and CR")
            << QByteArray("\"次は、表町です。\",1,2\nソ,2,2\r\nc,3,3\rd,4,4") << 4
            << Entries{{"次は、表町です。", 1, 2}, {"ソ", 2, 2}, {"c", 3, 3}, {"d", 4, 4}} << 0;
        // 表 is 95 5C and ソ is 83 5C: their trail byte is a backslash.
        QTest::newRow("code page 932; empty fields are 0, past the third ignored; 16-bit limits")
            << Cp932::encode(u"\"\",,,3\r\n\"次は、表町です。\",-32768,32767\r\nソ,0,0\r\n") << 3
            << Entries{{"", 0, 0}, {"次は、表町です。", -32768, 32767}, {"ソ", 0, 0}} << 0;
        QTest::newRow("blank lines (81 40 too) are no entries, nor counted before a bad one")
            << QByteArray("\na,1,1\n \t\n\x81\x40\nb,32768,0\n\nc,0,0\n") << 3 << Entries{{"a", 1, 1}} << 2;
        QTest::newRow("missing field") << QByteArray("\"x\",1\n") << 1 << Entries{} << 1;
        // A single byte that UTF-8 cannot hold makes the whole file code page 932.
        QTest::newRow("UTF-8 but for one byte")
            << QByteArray("\"表町\",1,0\n\x95\x5C,0,0\n") << 2
            << Entries{{Cp932::decode("\xE8\xA1\xA8\xE7\x94\xBA"), 1, 0}, {"表", 0, 0}} << 0;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entryCount);
        QFETCH(Entries, entries);
        QFETCH(int, failedEntry);
        const TapeFile::Contents c = TapeFile::read(bytes);
        QCOMPARE(c.entryCount, entryCount);
        QCOMPARE(c.failedEntry, failedEntry);
        QCOMPARE(c.entries, entries);
    }

    // Code page 932, CR LF, every text quoted; a quote or a line break cannot stay in one.
    void writeReadsBack()
    {
        const QByteArray bytes = TapeFile::write({{"1,2丁目", 1, 1}, {"a \"b\"\r\nc", -1, 32767}});
        QCOMPARE(bytes, Cp932::encode(u"\"1,2丁目\",1,1\r\n\"a ”b”  c\",-1,32767\r\n"));
        QCOMPARE(TapeFile::read(bytes).entries, (Entries{{"1,2丁目", 1, 1}, {"a ”b”  c", -1, 32767}}));
    }
};

QTEST_GUILESS_MAIN(tst_TapeFile)
#include "tst_TapeFile.moc"
