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

    // A route of 3 rows at section 1, loaded into io.
    void loadKnownRoute(DataIo &io)
    {
        write(QStringLiteral("7.hy3"), Hy3Writer().numberedRows(3, "K").bytes());
        io.KukanNo = 1;
        QVERIFY(io.LoadHyData(folder(), QStringLiteral("7")).loaded());
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }

    void readsTheLayout()
    {
        Hy3Writer w;
        w.row({QByteArray("\x89\x5E\x92\xC0"), 12, {{1, 170}, {24, -1}, {25, 32767}, {150, -32768}}});
        w.row({QByteArray(), -7, {{2, 200}}});
        w.row({QByteArray("JR\x96\x6B\x89\x77"), 3, {}});
        write(QStringLiteral("12.hy3"), w.bytes());

        DataIo io;
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
        QCOMPARE(io.HyTable[4], HyRecord());
    }

    void refusesAndFails_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty name = no file at all
        QTest::addColumn<int>("kukan");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("hyCount"); // HyCount afterwards; 99 = unchanged from the known route
        QTest::addColumn<int>("number");  // the failure's error number

        const QString section = QStringLiteral(
            "指定した区間はデータの数よりも多いです...\r\n  解決法：正しい区間を入力して下さい.");
        const QString empty = QStringLiteral("指定した系統はデータの数が0(未登録)の可能性があります...");
        QTest::newRow("missing") << QByteArray("-") << 1 << int(HyLoadResult::NoRouteData)
                                 << QStringLiteral("指定した系統のデータがありません...") << 99 << 0;
        QTest::newRow("zero bytes") << QByteArray() << 1 << int(HyLoadResult::EmptyRoute) << empty << 0 << 0;
        QTest::newRow("section = count") << Hy3Writer().numberedRows(10).bytes() << 10
                                         << int(HyLoadResult::SectionBeyondData) << section << 10 << 0;
        QTest::newRow("negative count") << Hy3Writer().count(-5).bytes() << 1
                                        << int(HyLoadResult::SectionBeyondData) << section << -5 << 0;
        QTest::newRow("-32768") << Hy3Writer().count(-32768).bytes() << 1 << int(HyLoadResult::Failed)
                                << QStringLiteral("オーバーフローしました。\r\n(5.hy3)") << -32768 << 6;
        QTest::newRow("count 302") << Hy3Writer().numberedRows(302).bytes() << 1 << int(HyLoadResult::Failed)
                                   << QStringLiteral(
                                          "インデックスが有効範囲にありません。\r\n(5.hy3 の 302 行目)")
                                   << 302 << 9;
        QByteArray truncated = Hy3Writer().numberedRows(4).bytes();
        truncated.chop(1);
        QTest::newRow("last row short")
            << truncated << 1 << int(HyLoadResult::Failed)
            << QStringLiteral("ファイルにこれ以上データがありません。\r\n(5.hy3 の 4 行目)") << 4 << 62;
        QTest::newRow("count beyond rows")
            << Hy3Writer().numberedRows(2).count(9).bytes() << 1 << int(HyLoadResult::Failed)
            << QStringLiteral("ファイルにこれ以上データがありません。\r\n(5.hy3 の 3 行目)") << 9 << 62;
        QTest::newRow("name runs past end")
            << Hy3Writer().count(1).bytes() + QByteArray("\xFF\xFF") << 0 << int(HyLoadResult::Failed)
            << QStringLiteral("ファイルにこれ以上データがありません。\r\n(5.hy3 の 1 行目)") << 1 << 62;
    }

    // Whatever goes wrong, the table, DataPos and the held rows stay those
    // of the route loaded before.
    void refusesAndFails()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, kukan);
        QFETCH(int, outcome);
        QFETCH(QString, message);
        QFETCH(int, hyCount);
        QFETCH(int, number);

        DataIo io;
        loadKnownRoute(io);
        io.DataPos = 2;
        const auto before = io.HyTable;
        if (file != "-")
            write(QStringLiteral("5.hy3"), file);

        io.KukanNo = qint16(kukan);
        const HyLoadResult r = io.LoadHyData(folder(), QStringLiteral("5"));
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(r.message, message);
        QCOMPARE(r.failure.number, number);
        if (r.outcome == HyLoadResult::Failed)
            QCOMPARE(r.failure.description, message);
        QCOMPARE(io.HyCount, hyCount == 99 ? 3 : hyCount);
        QVERIFY(io.HyTable == before);
        QCOMPARE(io.DataPos, 2);
        QCOMPARE(io.heldRows(), 3);
    }

    void sectionsUpToCountMinusOne()
    {
        write(QStringLiteral("10.hy3"), Hy3Writer().numberedRows(10).bytes());
        for (int k : {1, 9}) {
            DataIo io;
            io.KukanNo = qint16(k);
            QVERIFY(io.LoadHyData(folder(), QStringLiteral("10")).loaded());
            QCOMPARE(io.DataPos, k - 1);
        }
    }

    void fullTableThenShorterRoute()
    {
        write(QStringLiteral("301.hy3"), Hy3Writer().numberedRows(301).bytes());
        write(QStringLiteral("2.hy3"), Hy3Writer().numberedRows(2, "T").bytes());
        DataIo io;
        io.KukanNo = 300;
        QVERIFY(io.LoadHyData(folder(), QStringLiteral("301")).loaded());
        QCOMPARE(io.heldRows(), 301);
        QCOMPARE(io.HyTable[301].TeiName, QStringLiteral("S301"));
        QCOMPARE(io.HyTable[301].Col[149], 301 * 100 + 149);
        QCOMPARE(io.DataPos, 299);

        io.KukanNo = 1;
        QVERIFY(io.LoadHyData(folder(), QStringLiteral("2")).loaded());
        QCOMPARE(io.heldRows(), 2);
        QCOMPARE(io.HyTable[2].TeiName, QStringLiteral("T2"));
        for (int r = 3; r <= DataIo::TableRows; ++r)
            QVERIFY2(io.HyTable[r] == HyRecord(), qPrintable(QString::number(r)));
    }

    void missingFolderIsAFailure()
    {
        DataIo io;
        io.KukanNo = 1;
        const HyLoadResult r = io.LoadHyData(folder() + QStringLiteral("nowhere/"), QStringLiteral("1"));
        QCOMPARE(r.outcome, HyLoadResult::Failed);
        QCOMPARE(r.failure.number, 76);
    }

    void emptyFolderIsRelative()
    {
        write(QStringLiteral("3.hy3"), Hy3Writer().numberedRows(3).bytes());
        const QString old = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        DataIo io;
        io.KukanNo = 1;
        const bool loaded = io.LoadHyData(QString(), QStringLiteral("3")).loaded();
        QDir::setCurrent(old);
        QVERIFY(loaded);
    }

    void findsNameInOtherCase()
    {
        write(QStringLiteral("12.HY3"), Hy3Writer().numberedRows(2).bytes());
        DataIo io;
        io.KukanNo = 1;
        QVERIFY(io.LoadHyData(folder(), QStringLiteral("12")).loaded());
    }

    void folderNamedLikeTheFileFails()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("8.hy3"));
        DataIo io;
        io.KukanNo = 1;
        const HyLoadResult r = io.LoadHyData(folder(), QStringLiteral("8"));
        QCOMPARE(r.outcome, HyLoadResult::Failed);
        QCOMPARE(r.failure.number, 75);
    }

    void setHyDataBounds_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error"); // 0 = stored
        QTest::newRow("row 0") << 0 << 2 << 1 << 9;
        QTest::newRow("item 0") << 1 << 0 << 1 << 9;
        QTest::newRow("row 301, item 152") << 301 << 152 << -32768 << 0;
        QTest::newRow("32768") << 1 << 3 << 32768 << 6;
    }

    void setHyDataBounds()
    {
        QFETCH(int, row);
        QFETCH(int, item);
        QFETCH(int, value);
        QFETCH(int, error);
        DataIo io;
        const auto f = io.SetHyData(row, item, value);
        QCOMPARE(f ? f->number : 0, error);
        if (!error)
            QCOMPARE(io.HyTable[row].Col[item - 2], value);
    }
};

QTEST_GUILESS_MAIN(tst_DataIo)
#include "tst_DataIo.moc"
