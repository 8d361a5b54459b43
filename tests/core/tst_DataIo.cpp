#include "DataIo.h"

#include "Hy3Writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_DataIo : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString folder() const { return m_dir.path() + u'/'; }

    void write(const QString &name, const QByteArray &bytes)
    {
        QFile f(m_dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }

private slots:
    // A full table; files that fail leave it, DataPos and the held rows as they were; then a
    // shorter route: its rows as written, and nothing left of the longer one.
    void fullTableFailuresThenShorterRoute()
    {
        write(QStringLiteral("301.hy3"), Hy3Writer().numberedRows(301).bytes());
        DataIo io;
        io.KukanNo = 300;
        QVERIFY(io.LoadHyData(folder(), QStringLiteral("301")).loaded());
        QCOMPARE(io.heldRows(), 301);
        QCOMPARE(io.HyTable[301].TeiName, QStringLiteral("S301"));
        QCOMPARE(io.HyTable[301].Col[149], 301 * 100 + 149);
        QCOMPARE(io.DataPos, 299);

        QByteArray truncated = Hy3Writer().numberedRows(4).bytes();
        truncated.chop(1);
        const QString noMore = QStringLiteral("ファイルにこれ以上データがありません。\r\n(5.hy3 の %1 行目)");
        // The file, its message, HyCount afterwards and the failure's error number.
        const QList<std::tuple<QByteArray, QString, int, int>> failures{
            {Hy3Writer().numberedRows(302).bytes(),
             QStringLiteral("インデックスが有効範囲にありません。\r\n(5.hy3 の 302 行目)"), 302, 9},
            {truncated, noMore.arg(4), 4, 62},
            {Hy3Writer().count(2).bytes() + QByteArray("\xFF\xFF"), noMore.arg(1), 2, 62}};
        const auto before = io.HyTable;
        io.DataPos = 2;
        io.KukanNo = 1;
        for (const auto &[file, message, hyCount, number] : failures) {
            write(QStringLiteral("5.hy3"), file);
            const HyLoadResult r = io.LoadHyData(folder(), QStringLiteral("5"));
            QCOMPARE(r.outcome, HyLoadResult::Failed);
            QCOMPARE(r.message, message);
            QCOMPARE(r.failure.number, number);
            QCOMPARE(r.failure.description, message);
            QCOMPARE(io.HyCount, hyCount);
            QVERIFY(io.HyTable == before);
            QCOMPARE(io.DataPos, 2);
            QCOMPARE(io.heldRows(), 301);
        }

        Hy3Writer w;
        w.row({QByteArray("\x89\x5E\x92\xC0"), 12, {{1, 170}, {24, -1}, {25, 32767}, {150, -32768}}});
        w.row({QByteArray(), -7, {{2, 200}}});
        w.row({QByteArray("JR\x96\x6B\x89\x77"), 3, {}});
        write(QStringLiteral("12.hy3"), w.bytes());
        io.KukanNo = 2;
        const HyLoadResult r = io.LoadHyData(folder(), QStringLiteral("12"));
        QVERIFY2(r.loaded(), qPrintable(r.message));
        QCOMPARE(io.HyCount, 3);
        QCOMPARE(io.heldRows(), 3);
        QCOMPARE(io.DataPos, 1);
        QCOMPARE(io.HyTable[1].TeiName, QStringLiteral("運賃"));
        QCOMPARE(io.HyTable[1].SeiriNo, 12);
        QCOMPARE(io.HyTable[1].Col[1], 170);
        QCOMPARE(io.HyTable[1].Col[24], -1);
        QCOMPARE(io.HyTable[1].Col[25], 32767);
        QCOMPARE(io.HyTable[1].Col[150], -32768);
        QCOMPARE(io.HyTable[2].SeiriNo, -7);
        QCOMPARE(io.HyTable[3].TeiName, QStringLiteral("JR北駅"));
        for (int row = 4; row <= DataIo::TableRows; ++row)
            QVERIFY2(io.HyTable[row] == HyRecord(), qPrintable(QString::number(row)));
    }

    // The name in any letter case; no folder is the current one; a folder that is not there fails.
    void lookup()
    {
        write(QStringLiteral("8.HY3"), Hy3Writer().numberedRows(2).bytes());
        const QString old = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        DataIo io;
        io.KukanNo = 1;
        const HyLoadResult found = io.LoadHyData(QString(), QStringLiteral("8"));
        const HyLoadResult missing = io.LoadHyData(QStringLiteral("nowhere/"), QStringLiteral("8"));
        QDir::setCurrent(old);
        QCOMPARE(found.outcome, HyLoadResult::Loaded);
        QCOMPARE(found.failure.number, 0);
        QCOMPARE(missing.outcome, HyLoadResult::Failed);
        QCOMPARE(missing.failure.number, 76);
    }
};

QTEST_GUILESS_MAIN(tst_DataIo)
#include "tst_DataIo.moc"
