#include "Hy3Csv.h"

#include "Hy3Writer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class tst_Hy3Csv : public QObject
{
    Q_OBJECT

    static QByteArray hy3Of(const QByteArray &csv)
    {
        auto r = Hy3Csv::fromCsv(csv);
        return std::holds_alternative<QByteArray>(r) ? std::get<QByteArray>(r) : QByteArray("refused");
    }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("hy3");
        QTest::addColumn<QByteArray>("csv"); // what toCsv gives, where it is known
        QTest::newRow("301 rows of ASCII alone, read as it is, 1A, 1C and 7F too")
            << Hy3Writer().numberedRows(300).row({"a\x1A\x1C\x7F", 1, {}}).bytes() << QByteArray();
        Hy3Writer odd;
        odd.row({"a,b", -1, {{1, -32768}, {150, 32767}}});
        odd.row({"say \"hi\"", 0, {}});
        odd.row({"\x96\x6B\x81\x40\x8C\xFB\x09tab", 0, {}}); // 北　口<TAB>tab
        odd.row({"", 5, {{24, -1}}});
        odd.row({" line\nbreak", 0, {}});
        odd.row({"\x95\xB6\x89\xBB\x83\x5A\x83\x93\x83\x5E\x81\x5B\x91\x4F", 6, {}}); // 文化センター前
        QTest::newRow("awkward names") << odd.bytes() << QByteArray();
        QFile sample(QStringLiteral(SAMPLE_DIR "/12.csv"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        const QByteArray source = sample.readAll();
        QTest::newRow("the sample route, UTF-8 with a header") << hy3Of(source) << source;
    }

    void roundTrip()
    {
        QFETCH(QByteArray, hy3);
        QFETCH(QByteArray, csv);
        auto r = Hy3Csv::toCsv(hy3);
        QVERIFY(std::holds_alternative<Hy3Csv::Csv>(r));
        QVERIFY(std::get<Hy3Csv::Csv>(r).warnings.isEmpty());
        if (!csv.isEmpty())
            QCOMPARE(std::get<Hy3Csv::Csv>(r).text, csv);
        QCOMPARE(hy3Of(std::get<Hy3Csv::Csv>(r).text), hy3);
    }

    // A BOM, a header, CR LF, a blank line, blanks and a sign around numbers; a name in either encoding.
    void lenientInput()
    {
        const QByteArray name("\x89\x5E\x92\xC0"); // 運賃
        QCOMPARE(hy3Of("\xEF\xBB\xBFname,seiri\r\n運賃, 2 ,+170\r\n\r\n"),
                 Hy3Writer().row({name, 2, {{1, 170}}}).bytes());
        QCOMPARE(hy3Of(name + "\r\n"), Hy3Writer().row({name, 0, {}}).bytes());
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("says");
        QTest::newRow("302 rows") << "name,seiri\n" + QByteArray("S,1\n").repeated(302) << 303
                                  << "more than 301 rows";
        QTest::newRow("32768") << QByteArray("A,1\nB,2,32768\n") << 2
                               << "column c1: 32768 is outside -32768..32767";
        QTest::newRow("not cp932") << QByteArray("A\n\xE2\x88\x92,1\n") << 2 << "code page 932 cannot hold";
        QTest::newRow("line after a quoted break")
            << QByteArray("\"a\nb\",1\nC,1,x\n") << 3 << "column c1: \"x\" is not a whole number";
        QTest::newRow("too many columns") << "A,1" + QByteArray(",0").repeated(150) + ",5\n"
                                          << 1 << "more than 152 columns";
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

    // The command itself: exit status, message, and no half-written output.
    void commandLine()
    {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("in.csv"));
        const QString out = dir.filePath(QStringLiteral("out.hy3"));
        const auto put = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
        };
        QProcess p;
        const auto run = [&p](const QStringList &args) {
            p.start(QStringLiteral(HY3CONV), args);
            return p.waitForFinished() ? p.exitCode() : -1;
        };
        QVERIFY(put(csv, "A,1\nB,2,40000\n") && put(out, "old"));
        QCOMPARE(run({"from-csv", csv, out}), 1);
        QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("line 2:")));
        QFile old(out);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));

        QVERIFY(put(csv, "A,1,170\n"));
        QCOMPARE(run({"from-csv", csv, out}), 0);
        QCOMPARE(run({"to-csv", out}), 0);
        QVERIFY(p.readAllStandardOutput().endsWith("\nA,1,170" + QByteArray(",0").repeated(149) + "\n"));
    }
};

QTEST_GUILESS_MAIN(tst_Hy3Csv)
#include "tst_Hy3Csv.moc"
