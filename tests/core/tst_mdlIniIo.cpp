#include "mdlIniIo.h"

#include "In4Writer.h"
#include "FixedProgramInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <sys/resource.h>

namespace {

// Gives every field of the record a value of its own, so that a swapped pair
// of fields shows.
IniRecord distinctRecord()
{
    IniRecord r;
    int n = 0;
    visitIniFields(r, [&n](const char *name, auto &field) {
        ++n;
        using T = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<T, QString>)
            field = QStringLiteral("%1 %2 停留所").arg(QLatin1String(name)).arg(n);
        else if constexpr (std::is_same_v<T, qint16>)
            field = qint16(n % 2 ? -n : n);
        else
            field = qint32(0x00010000 * n + n);
    });
    r.DegitCount = 24;
    return r;
}

// The same values, given to the independent writer by field name.
In4Writer distinctWriter()
{
    In4Writer w;
    int n = 0;
    for (const In4Writer::Field &f : In4Writer::layout()) {
        ++n;
        QString name = f.name;
        name = name.left(name.indexOf(u'[') < 0 ? name.size() : name.indexOf(u'['));
        if (f.name.contains(u'.'))
            name = f.name.mid(f.name.indexOf(u'.') + 1);
        if (f.kind == In4Writer::Text)
            w.set(f.name, QStringLiteral("%1 %2 停留所").arg(name).arg(n));
        else if (f.kind == In4Writer::Int16)
            w.set(f.name, qint16(n % 2 ? -n : n));
        else
            w.set(f.name, qint32(0x00010000 * n + n));
    }
    w.set(QStringLiteral("DegitCount"), 24);
    return w;
}

bool sameRecord(IniRecord a, IniRecord b)
{
    return mdlIniIo::serialize(a) == mdlIniIo::serialize(b) && a.DegitCount == b.DegitCount;
}

} // namespace

class tst_mdlIniIo : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FixedProgramInfo m_program{QString()};

    QString path() const { return m_dir.filePath(QStringLiteral("109.in4")); }
    void writeFile(const QByteArray &bytes)
    {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray readFile()
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        QFile::remove(path());
        m_program = FixedProgramInfo(m_dir.path());
    }

    void textEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("C:\\hy") << QStringLiteral("C:\\hy") << QByteArray::fromHex("05 00 43 3A 5C 68 79");
        QTest::newRow("運賃") << QStringLiteral("運賃") << QByteArray::fromHex("04 00 89 5E 92 C0");
        QTest::newRow("empty") << QString() << QByteArray::fromHex("00 00");
        QTest::newRow("unmappable") << QStringLiteral("a\u2212b") << QByteArray::fromHex("03 00 61 3F 62");
    }

    void textEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, stored);
        IniRecord r;
        r.DataDirInfo.HyDir = text;
        QVERIFY(mdlIniIo::serialize(r).startsWith(stored + QByteArray::fromHex("00 00")));
    }

    // Every field in its place and width, against the writer's own layout.
    void layoutFieldByField() { QCOMPARE(mdlIniIo::serialize(distinctRecord()), distinctWriter().bytes()); }

    void everyFieldSurvivesSaveAndLoad()
    {
        mdlIniIo out(m_program);
        out.IniData = distinctRecord();
        QVERIFY(!out.SaveIni());
        mdlIniIo in(m_program);
        const IniLoadResult r = in.LoadIni();
        QVERIFY(r.read);
        QVERIFY(!r.error);
        QVERIFY(sameRecord(in.IniData, distinctRecord()));
    }

    void iniPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *folder, const char *fileName, const char *expected) {
            QTest::newRow(folder) << QString::fromUtf8(folder) << QString::fromUtf8(fileName)
                                  << QString::fromUtf8(expected);
        };
        row("/opt/bus", "109", "/opt/bus/109.in4");
        row("/opt/bus/", "109", "/opt/bus/109.in4");
        row("/opt", "a.b.exe", "/opt/a.b.in4");
        row("C:\\bus\\", "abc.exe", "C:\\bus\\abc.in4");
    }

    void iniPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, fileName);
        QFETCH(QString, expected);
        const FixedProgramInfo program(folder, fileName);
        QCOMPARE(mdlIniIo(program).iniPath(), expected);
    }

    // Something in the file's place that is no ordinary file; a FIFO would hang the start for good.
    void notAFileIsAnError_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::newRow("folder") << false;
        QTest::newRow("FIFO") << true;
    }

    void notAFileIsAnError()
    {
        QFETCH(bool, fifo);
        if (fifo)
            QVERIFY(mkfifo(QFile::encodeName(path()).constData(), 0600) == 0);
        else
            QDir(m_dir.path()).mkdir(QStringLiteral("109.in4"));
        mdlIniIo io(m_program);
        const IniLoadResult r = io.LoadIni();
        if (fifo)
            QFile::remove(path());
        else
            QDir(m_dir.path()).rmdir(QStringLiteral("109.in4"));
        QVERIFY(!r.read);
        QVERIFY(r.error);
        QCOMPARE(r.error->number, 75);
    }

    // What a save cut short by a kill leaves beside the file goes at the next start; nothing else does.
    void leftoversOfASaveAreRemoved()
    {
        const QStringList names{"109.in4.save-a1B2c3", "109.in4.backup", "109.in4.a1B2c3",
                                "109.in4.save-a1B2c3d", "other.in4.save-a1B2c3"};
        for (const QString &name : names) {
            QFile f(m_dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        mdlIniIo io(m_program);
        io.LoadIni();
        QStringList left = QDir(m_dir.path()).entryList(QDir::Files);
        for (const QString &name : names)
            QFile::remove(m_dir.filePath(name));
        QCOMPARE(left,
                 (QStringList{"109.in4.a1B2c3", "109.in4.backup", "109.in4.save-a1B2c3d",
                              "other.in4.save-a1B2c3"}));
    }

    // A folder where no file may be made, with the settings file itself writable.
    void readOnlyFolderStillSaves()
    {
        if (geteuid() == 0) {
            // Permissions do not bind root: this test runs again as nobody.
            const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
            if (setpriv.isEmpty())
                QSKIP("running as root, and no setpriv to run as another user");
            QProcess child;
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(setpriv,
                        {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                         QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                         QStringLiteral("readOnlyFolderStillSaves")});
            QVERIFY(child.waitForFinished(60000));
            const QByteArray said = child.readAll();
            QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, said.constData());
            QVERIFY2(said.contains("PASS   : tst_mdlIniIo::readOnlyFolderStillSaves()"), said.constData());
            return;
        }
        writeFile(distinctWriter().bytes());
        QVERIFY(QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        mdlIniIo io(m_program);
        io.IniData.DataDirInfo.HyDir = QStringLiteral("saved");
        const auto f = io.SaveIni();
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!f);
        QVERIFY(io.LoadIni().read);
        QCOMPARE(io.IniData.DataDirInfo.HyDir, QStringLiteral("saved"));
    }

    void shortFile_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("hyDir");
        QTest::addColumn<int>("lastFillZero");
        const QByteArray full =
            In4Writer().set("HyDir", QStringLiteral("C:\\hy")).set("DegitUser[24].FillZero", 1).bytes();
        QTest::newRow("empty file") << full.left(0) << QString() << 0;
        QTest::newRow("half a count") << full.left(1) << QString() << 0;
        QTest::newRow("text cut short") << full.left(4) << QStringLiteral("C:") << 0;
        QTest::newRow("one byte short") << full.chopped(1) << QStringLiteral("C:\\hy") << 1;
        QTest::newRow("two bytes short") << full.chopped(2) << QStringLiteral("C:\\hy") << 0;
        QTest::newRow("whole") << full << QStringLiteral("C:\\hy") << 1;
    }

    // A file cut anywhere reads what is there and zeros past its end.
    void shortFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, hyDir);
        QFETCH(int, lastFillZero);
        writeFile(file);
        mdlIniIo io(m_program);
        io.IniData.DegitUser[24].FillZero = 7;
        const IniLoadResult r = io.LoadIni();
        QVERIFY(r.read);
        QVERIFY(!r.error);
        QCOMPARE(io.IniData.DataDirInfo.HyDir, hyDir);
        QCOMPARE(io.IniData.DegitUser[24].FillZero, lastFillZero);
    }

    void longFileTailIsIgnoredAndDropped()
    {
        const QByteArray file = distinctWriter().bytes();
        writeFile(file + QByteArray(1000, '\x7F'));
        mdlIniIo io(m_program);
        QVERIFY(io.LoadIni().read);
        QVERIFY(sameRecord(io.IniData, distinctRecord()));
        QVERIFY(!io.SaveIni());
        QCOMPARE(readFile(), file);
    }

    void degitCountIsIgnored_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
    }

    void degitCountIsIgnored()
    {
        QFETCH(int, count);
        writeFile(In4Writer().set("DegitCount", count).set("DegitUser[24].Shift", 3).bytes());
        mdlIniIo io(m_program);
        QVERIFY(io.LoadIni().read);
        QCOMPARE(io.IniData.DegitUser[24].Shift, 3);
        QVERIFY(!io.SaveIni());
        QCOMPARE(readFile(), In4Writer().set("DegitUser[24].Shift", 3).bytes());
    }

    // A write that fails half way (here: the file size limit, which by default
    // ends the process) keeps the old file and says so.
    void failedSaveKeepsTheOldFile()
    {
        const QByteArray old = distinctWriter().bytes();
        writeFile(old);
        mdlIniIo io(m_program);
        io.IniData.DataDirInfo.HyDir = QString(4000, u'x');

        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        rlimit small = saved;
        small.rlim_cur = 1024;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const auto f = io.SaveIni();
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(f);
        QCOMPARE(f->number, 57);
        QCOMPARE(readFile(), old);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("109.in4")});
    }
};

QTEST_GUILESS_MAIN(tst_mdlIniIo)
#include "tst_mdlIniIo.moc"
