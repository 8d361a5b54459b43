#include "mdlIniIo.h"

#include "FixedProgramInfo.h"
#include "In4Writer.h"
#include "IniRecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

class tst_mdlIniIo : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FixedProgramInfo m_program{m_dir.path()};

    // Every field a value of its own, from its name and place, so that a swapped pair of fields shows.
    static QString textFor(const QString &s, int n) { return QStringLiteral("%1 %2 停留所").arg(s).arg(n); }
    static qint32 numberFor(bool wide, int n) { return wide ? 0x00010000 * n + n : (n % 2 ? -n : n); }

    static IniRecord distinctRecord()
    {
        IniRecord r;
        int n = 0;
        visitIniFields(r, [&n](const char *name, auto &field) {
            using T = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<T, QString>)
                field = textFor(QString::fromLatin1(name), ++n);
            else
                field = T(numberFor(std::is_same_v<T, qint32>, ++n));
        });
        return r;
    }

    // The same values, given to the independent writer by field name.
    static In4Writer distinctWriter()
    {
        In4Writer w;
        int n = 0;
        for (const In4Writer::Field &f : In4Writer::layout()) {
            const QString name = f.name.section(u'.', -1).section(u'[', 0, 0); // DegitUser[5].Shift: Shift
            if (f.kind == In4Writer::Text)
                w.set(f.name, textFor(name, ++n));
            else
                w.set(f.name, numberFor(f.kind == In4Writer::Int32, ++n));
        }
        w.set(QStringLiteral("DegitCount"), 24);
        return w;
    }

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
    void init() { QFile::remove(path()); }

    // Every field in its place and width, read and written, against the writer's own layout. Bytes past
    // it are ignored and dropped; DegitCount bounds nothing (all 24 cells are read) and is written as 24.
    void layoutFieldByField()
    {
        writeFile(distinctWriter().set("DegitCount", -1).bytes() + QByteArray(1000, '\x7F'));
        mdlIniIo io(m_program);
        QVERIFY(io.LoadIni().read);
        IniRecord expected = distinctRecord();
        expected.DegitCount = -1;
        QCOMPARE(iniFields(io.IniData), iniFields(expected));
        QVERIFY(!io.SaveIni());
        QCOMPARE(readFile(), distinctWriter().bytes());
    }

    void iniPath()
    {
        const auto pathFor = [](const char *folder, const char *fileName) {
            return mdlIniIo(FixedProgramInfo(folder, fileName)).iniPath();
        };
        QCOMPARE(pathFor("/opt", "a.b.exe"), QStringLiteral("/opt/a.b.in4"));
        QCOMPARE(pathFor("/opt/bus/", "109"), QStringLiteral("/opt/bus/109.in4"));
        QCOMPARE(pathFor("C:\\bus\\", "abc.exe"), QStringLiteral("C:\\bus\\abc.in4"));
    }

    // A file cut anywhere (in a count, in a text, one byte short) reads what is there and zeros past its end.
    void shortFile()
    {
        const QByteArray full =
            In4Writer().set("HyDir", QStringLiteral("C:\\hy")).set("DegitUser[24].FillZero", 1).bytes();
        const QList<std::tuple<qsizetype, QString, int>> cuts{
            {1, QString(), 0}, {4, QStringLiteral("C:"), 0}, {full.size() - 1, QStringLiteral("C:\\hy"), 1}};
        for (const auto &[size, hyDir, lastFillZero] : cuts) {
            writeFile(full.left(size));
            mdlIniIo io(m_program);
            io.IniData.DegitUser[24].FillZero = 7;
            const IniLoadResult r = io.LoadIni();
            QVERIFY(r.read);
            QVERIFY(!r.error);
            QCOMPARE(io.IniData.DataDirInfo.HyDir, hyDir);
            QCOMPARE(io.IniData.DegitUser[24].FillZero, lastFillZero);
        }
    }

    // A FIFO in the settings file's place would hang the start: it is refused at once.
    void fifoIsRefused()
    {
        QVERIFY(mkfifo(QFile::encodeName(path()).constData(), 0600) == 0);
        mdlIniIo io(m_program);
        const IniLoadResult r = io.LoadIni();
        QVERIFY(!r.read);
        QCOMPARE(r.error ? r.error->number : 0, int(RuntimeError::PathFileAccess));
    }

    // What a save cut short by a kill leaves beside the file goes at the next start; nothing else
    // does. A write that fails half way (here: the file size limit, which by default ends the
    // process) keeps the old file, leaves nothing behind, and says so.
    void failedSaveKeepsTheOldFile()
    {
        const QStringList others{"109.in4.a1B2c3", "109.in4.backup", "109.in4.save-a1B2c3d",
                                 "other.in4.save-a1B2c3"};
        for (const QString &name : others + QStringList{"109.in4.save-a1B2c3"})
            QVERIFY(QFile(m_dir.filePath(name)).open(QIODevice::WriteOnly));
        const QByteArray old = distinctWriter().bytes();
        writeFile(old);
        mdlIniIo io(m_program);
        QVERIFY(io.LoadIni().read);
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
        const QStringList left = QDir(m_dir.path()).entryList(QDir::Files);
        for (const QString &name : others)
            QFile::remove(m_dir.filePath(name));
        QCOMPARE(left, QStringList{QStringLiteral("109.in4")} + others);
    }
};

QTEST_GUILESS_MAIN(tst_mdlIniIo)
#include "tst_mdlIniIo.moc"
