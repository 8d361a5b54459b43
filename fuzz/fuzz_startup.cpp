// The whole run on fakes, whatever the settings file holds: the start-up reads
// and applies it, a confirmed quit writes it again, and the written file is the
// layout with its texts, reads back, and writes out the same.
//
// With FUZZ_STARTUP_SEEDS=<folder> it writes its seeds there and exits: the
// file of a quit after a start without one, a record with every field changed
// (and one naming the sample ticket plug-in), and the file of a quit after each.

#include "Cp932.h"
#include "IniRecords.h"
#include "OffscreenRun.h"
#include "TestApp.h"
#include "frmCtl.h"
#include "mdlIniIo.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <type_traits>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_startup: %s\n", what);
    std::abort();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Timers that are due and deleteLater() calls, as the event loop would run them.
void runPostedEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

qsizetype textBytes(IniRecord record)
{
    qsizetype n = 0;
    visitIniFields(record, [&n](const char *, auto &value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
            n += Cp932::encode(value).size();
    });
    return n;
}

void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), bytes.size()) != bytes.size())
        fail("cannot write a file");
}

// The file a confirmed quit writes after starting with these settings; none: no file at all.
QByteArray afterQuit(const std::optional<QByteArray> &settings)
{
    TestApp t;
    if (settings)
        writeFile(t.app->iniIo.iniPath(), *settings);
    t.app->startUp();
    if (!t.app->panel->close())
        fail("the confirmed quit did not close the panel");
    return readFile(t.app->iniIo.iniPath());
}

void writeSeeds(const QString &folder)
{
    QDir().mkpath(folder);
    const QByteArray changed = mdlIniIo::serialize(everyFieldChanged());
    IniRecord withPlugin = everyFieldChanged();
    withPlugin.SeiriPrevInfo.SeiriPlgPath = QStringLiteral(SAMPLE_DIR "/tickets/barcode.4SP");
    const QByteArray plugin = mdlIniIo::serialize(withPlugin);
    writeFile(folder + QStringLiteral("/seed-quit"), afterQuit(std::nullopt));
    writeFile(folder + QStringLiteral("/seed-changed"), changed);
    writeFile(folder + QStringLiteral("/seed-changed-quit"), afterQuit(changed));
    writeFile(folder + QStringLiteral("/seed-plugin"), plugin);
    writeFile(folder + QStringLiteral("/seed-plugin-quit"), afterQuit(plugin));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    OffscreenRun::start();
    if (const QString seeds = qEnvironmentVariable("FUZZ_STARTUP_SEEDS"); !seeds.isEmpty()) {
        writeSeeds(seeds);
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TestApp t;
    const QString path = t.app->iniIo.iniPath();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            fail("cannot write the settings file");
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }

    t.app->startUp();
    runPostedEvents();

    if (!t.app->panel->close())
        fail("the confirmed quit did not close the panel");
    if (t.runsEnded != 1)
        fail("the confirmed quit did not end the run once");
    runPostedEvents();

    const QByteArray written = readFile(path);
    const IniRecord back = mdlIniIo::parse(written);
    if (written.size() != mdlIniIo::EmptyFileBytes + textBytes(back))
        fail("the written file is not the layout with its texts");
    if (mdlIniIo::serialize(back) != written)
        fail("the written file does not write out the same");
    if (back.DegitCount != IniRecord::CellCount)
        fail("the written file does not count 24 cells");
    return 0;
}
