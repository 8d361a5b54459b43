#include "mdlIniIo.h"

#include "ByteStream.h"
#include "FilePaths.h"
#include "ProgramInfo.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The largest file the layout can use: every text at its longest.
constexpr qsizetype kMaxFileBytes = mdlIniIo::EmptyFileBytes + 17 * ByteWriter::MaxTextBytes;

struct Reader
{
    ByteReader &in;
    void operator()(const char *, QString &v) { v = in.text(); }
    void operator()(const char *, qint16 &v) { v = in.int16(); }
    void operator()(const char *, qint32 &v) { v = in.int32(); }
};

struct Writer
{
    ByteWriter &out;
    void operator()(const char *, QString &v) { out.text(v); }
    void operator()(const char *, qint16 &v) { out.int16(v); }
    void operator()(const char *, qint32 &v) { out.int32(v); }
};

} // namespace

mdlIniIo::mdlIniIo(const ProgramInfo &program)
    : m_program(program)
{
}

QString mdlIniIo::iniPath() const
{
    QString folder = m_program.folder();
    if (!folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder + m_program.baseName() + QStringLiteral(".in4");
}

IniRecord mdlIniIo::parse(QByteArrayView bytes)
{
    IniRecord record;
    ByteReader in(bytes);
    visitIniFields(record, Reader{in});
    return record;
}

QByteArray mdlIniIo::serialize(const IniRecord &record)
{
    IniRecord copy = record;
    copy.DegitCount = IniRecord::CellCount;
    ByteWriter out;
    visitIniFields(copy, Writer{out});
    return out.data();
}

IniLoadResult mdlIniIo::LoadIni()
{
    IniData.DegitUser = {};

    const QString path = iniPath();
    if (path.contains(QChar(u'\0')))
        return {}; // not a usable file name
    FilePaths::removeSaveLeftovers(path);
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    // A folder, a FIFO or a device is no settings file; opening a FIFO would
    // wait for a writer for ever.
    if (!FilePaths::isOrdinaryFile(path))
        return {false, Failure::of(RuntimeError::PathFileAccess, path)};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, Failure::of(RuntimeError::PathFileAccess, path)};
    const QByteArray bytes = file.read(qMin<qint64>(file.size(), kMaxFileBytes));
    if (file.error() != QFileDevice::NoError)
        return {false, Failure::of(RuntimeError::DeviceIo, path)};
    file.close();

    IniData = parse(bytes);
    return {true, std::nullopt};
}

std::optional<Failure> mdlIniIo::SaveIni()
{
    const QString path = iniPath();
    if (auto failure = FilePaths::writeWhole(path, serialize(IniData)))
        return failure;
    IniData.DegitCount = IniRecord::CellCount;
    return std::nullopt;
}

QString mdlIniIo::loadErrorMessage(const Failure &f)
{
    return saveErrorMessage(f) + QStringLiteral("\r\nモジュール:mdlIniIo.LoadIni()");
}

QString mdlIniIo::saveErrorMessage(const Failure &f)
{
    return QStringLiteral("エラー Code:%1\r\n内容:%2").arg(f.number).arg(f.description);
}
