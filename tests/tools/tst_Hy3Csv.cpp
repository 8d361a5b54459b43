#include "Hy3Csv.h"

#include "Hy3File.h"
#include "Hy3Writer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray header()
{
    QByteArray h = "name,seiri";
    for (int c = 1; c <= 150; ++c)
        h += ",c" + QByteArray::number(c);
    return h + "\n";
}

QByteArray csvOf(const QByteArray &hy3)
{
    auto r = Hy3Csv::toCsv(hy3);
    return std::holds_alternative<Hy3Csv::Csv>(r) ? std::get<Hy3Csv::Csv>(r).text : QByteArray("refused");
}

QByteArray hy3Of(const QByteArray &csv)
{
    auto r = Hy3Csv::fromCsv(csv);
    return std::holds_alternative<QByteArray>(r) ? std::get<QByteArray>(r) : QByteArray("refused");
}

} // namespace

class tst_Hy3Csv : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("hy3");
        QTest::newRow("no rows") << Hy3Writer().bytes();
        QTest::newRow("301 rows") << Hy3Writer().numberedRows(301).bytes();
        Hy3Writer odd;
        odd.row({QByteArray("a,b"), -1, {{1, -32768}, {150, 32767}}});
        odd.row({QByteArray("say \"hi\""), 0, {}});
        odd.row({QByteArray(" lead"), 0, {}});
        odd.row({QByteArray("\x96\x6B\x81\x40\x8C\xFB\x09tab"), 0, {}}); // 北　口<TAB>tab
        odd.row({QByteArray(), 5, {{24, -1}}});
        odd.row({QByteArray("line\nbreak"), 0, {}});
        odd.row({QByteArray("\x95\xB6\x89\xBB\x83\x5A\x83\x93\x83\x5E\x81\x5B\x91\x4F"),
                 6,
                 {}}); // 文化センター前
        QTest::newRow("awkward names") << odd.bytes();
        Hy3Writer controls;
        controls.row({QByteArray("a\x1A\x1C\x7F"), 1, {}});
        QTest::newRow("control characters alone") << controls.bytes();
    }

    void roundTrip()
    {
        QFETCH(QByteArray, hy3);
        auto csv = Hy3Csv::toCsv(hy3);
        QVERIFY(std::holds_alternative<Hy3Csv::Csv>(csv));
        QVERIFY(std::get<Hy3Csv::Csv>(csv).warnings.isEmpty());
        QCOMPARE(hy3Of(std::get<Hy3Csv::Csv>(csv).text), hy3);
    }

    void sampleRouteRoundTrips()
    {
        QFile sample(QStringLiteral(SAMPLE_DIR "/12.csv"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray source = sample.readAll();
        const QByteArray hy3 = hy3Of(source);
        QCOMPARE(Hy3File::readCount(hy3), 20);
        QCOMPARE(csvOf(hy3), source);
        QCOMPARE(hy3Of(csvOf(hy3)), hy3);
    }

    void lenientInput_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QByteArray>("hy3");
        Hy3Writer one;
        one.row({QByteArray("A"), 2, {{1, 170}}});
        QTest::newRow("no header") << QByteArray("A,2,170\n") << one.bytes();
        QTest::newRow("bom") << "\xEF\xBB\xBF" + header() + "A,2,170\n" << one.bytes();
        QTest::newRow("crlf and no final break") << QByteArray("A,2,170\r\n\r\n") << one.bytes();
        QTest::newRow("spaces around numbers") << QByteArray("A, 2 ,+170\n") << one.bytes();
        Hy3Writer named;
        named.row({QByteArray("\x89\x5E\x92\xC0"), 0, {}});
        QTest::newRow("utf-8 name") << QByteArray("運賃\n") << named.bytes();
        QTest::newRow("code page 932 name") << QByteArray("\x89\x5E\x92\xC0\r\n") << named.bytes();
        Hy3Writer multi;
        multi.row({QByteArray("a\nb"), 1, {}});
        multi.row({QByteArray("c"), 2, {}});
        QTest::newRow("quoted line break") << QByteArray("\"a\nb\",1\nc,2\n") << multi.bytes();
    }

    void lenientInput()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QByteArray, hy3);
        QCOMPARE(hy3Of(csv), hy3);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");

        QByteArray tooMany = header();
        for (int i = 1; i <= 302; ++i)
            tooMany += "S,1\n";
        QTest::newRow("302 rows") << tooMany << 303 << "more than 301 rows";
        QTest::newRow("32768") << QByteArray("A,1\nB,2,32768\n") << 2
                               << "column c1: 32768 is outside -32768..32767";
        QTest::newRow("not a number")
            << QByteArray("A,1,12x\n") << 1 << "column c1: \"12x\" is not a whole number";
        QTest::newRow("not cp932") << QByteArray("A\n\xE2\x88\x92,1\n") << 2 << "code page 932 cannot hold";
        QTest::newRow("unclosed quote") << QByteArray("A,1\n\"B,2\nC,3\n") << 2 << "not closed";
        QTest::newRow("line after a quoted break")
            << QByteArray("\"a\nb\",1\nC,x\n") << 3 << "not a whole number";
        QTest::newRow("too many columns") << "A,1" + QByteArray(",0").repeated(150) + ",5\n"
                                          << 1 << "more than 152 columns";
        QTest::newRow("neither encoding")
            << QByteArray("A,1\n\x89\x5E,2\n\x81\x20,3\n") << 3 << "neither UTF-8 nor code page 932";
    }

    void refusals()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, line);
        QFETCH(QString, says);
        auto r = Hy3Csv::fromCsv(csv);
        QVERIFY(std::holds_alternative<Hy3Csv::Refusal>(r));
        const auto &refusal = std::get<Hy3Csv::Refusal>(r);
        QCOMPARE(refusal.line, line);
        QVERIFY2(refusal.message.contains(says), qPrintable(refusal.message));
    }

    void toCsvWarnsAboutWhatCannotReturn()
    {
        Hy3Writer w;
        w.row({QByteArray("\x87\x90"), 0, {}}); // ≒ in NEC's row; code page 932 writes it as 81 E0
        QByteArray bytes = w.bytes() + "tail";
        auto r = Hy3Csv::toCsv(bytes);
        QVERIFY(std::holds_alternative<Hy3Csv::Csv>(r));
        const QStringList warnings = std::get<Hy3Csv::Csv>(r).warnings;
        QCOMPARE(warnings.size(), 2);
        QVERIFY(warnings[0].startsWith(QStringLiteral("row 1:")));
        QVERIFY(warnings[1].startsWith(QStringLiteral("4 bytes")));
    }

    // The command itself: exit status, message, and no half-written output.
    void commandLine()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("in.csv"));
        const QString out = dir.filePath(QStringLiteral("out.hy3"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("A,1\nB,2,40000\n");
        f.close();
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();

        QProcess p;
        p.start(QStringLiteral(HY3CONV), {QStringLiteral("from-csv"), csv, out});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("line 2:")));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        old.close();

        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("A,1,170\n");
        f.close();
        p.start(QStringLiteral(HY3CONV), {QStringLiteral("from-csv"), csv, out});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        p.start(QStringLiteral(HY3CONV), {QStringLiteral("to-csv"), out});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().endsWith("\nA,1,170" + QByteArray(",0").repeated(149) + "\n"));

        p.start(QStringLiteral(HY3CONV), {QStringLiteral("sideways")});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_Hy3Csv)
#include "tst_Hy3Csv.moc"
