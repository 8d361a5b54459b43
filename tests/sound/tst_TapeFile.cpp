#include "TapeFile.h"

#include "Cp932.h"

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
};

QTEST_GUILESS_MAIN(tst_TapeFile)
#include "tst_TapeFile.moc"
